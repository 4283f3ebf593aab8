#include "main_window/text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>
#include <utility>

namespace ws {

namespace {

TextFileFault systemFault(int error) {
  return {std::generic_category().message(error ? error : EIO), true, false};
}

TextFileFault notAFile(mode_t mode) {
  if (S_ISDIR(mode)) return systemFault(EISDIR);
  const char* what = S_ISFIFO(mode)                   ? "bir FIFO (adlandırılmış boru)"
                     : S_ISSOCK(mode)                 ? "bir soket"
                     : S_ISCHR(mode) || S_ISBLK(mode) ? "bir aygıt"
                                                      : "başka bir şey";
  return {std::string("Bu adda bir dosya değil, ") + what +
              " var; satırlar yalnızca normal bir dosyaya yazılır.",
          false, false};
}

TextFileFault inUse() {
  return {
      "Dosya başka bir program tarafından kullanılıyor; sayfanın hiçbir satırı yazılmadı. O "
      "programı kapatıp yeniden deneyebilirsiniz.",
      false, false};
}

// Long enough for any sheet of another copy of this program to go in, short enough that the
// window is not seen to hang behind a holder that never lets go.
constexpr auto kLockPatience = std::chrono::seconds(3);
constexpr auto kLockRetry = std::chrono::milliseconds(20);

bool waitAWhile(std::chrono::steady_clock::time_point giveUp) {
  if (std::chrono::steady_clock::now() >= giveUp) return false;
  std::this_thread::sleep_for(kLockRetry);
  return true;
}

// Takes the flock that every copy of this program takes, and looks for the record locks (fcntl)
// of editors and backup tools, which flock does not see: false while another program holds
// either. A record lock of this very program is its own flock, on file systems that make both
// one kind (network shares).
bool lockWholeFile(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR)) {
    return false;
  }
  struct flock whole {};  // from the start, however far the file grows
  whole.l_type = F_WRLCK;
  if (::fcntl(fd, F_GETLK, &whole) == 0 && whole.l_type != F_UNLCK && whole.l_pid != ::getpid()) {
    ::flock(fd, LOCK_UN);
    return false;
  }
  return true;  // also where the file system has no locks at all
}

}  // namespace

AppendingTextFile::AppendingTextFile(std::filesystem::path path, LockWait wait)
    : path_(std::move(path)), wait_(std::move(wait)) {}

AppendingTextFile::~AppendingTextFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::string AppendingTextFile::path() const {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(path_, ignored);
  return (full.empty() ? path_ : full).string();
}

std::optional<TextFileFault> AppendingTextFile::open() {
  assert(fd_ < 0 && "the text file is opened once per command");
  sheet_.clear();
  const std::string name = path_.string();
  // A FIFO would hold the program until something reads it, and a device or a socket would
  // swallow the lines: only a plain file (or a link to one) is opened at all.
  struct stat info {};
  if (::stat(name.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return notAFile(info.st_mode);
  fd_ =
      ::open(name.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  // A lease another program holds (a file server's) is not waited for either.
  if (fd_ < 0) return errno == EWOULDBLOCK ? inUse() : systemFault(errno);
  // The name may have changed hands since it was looked at.
  const bool looked = ::fstat(fd_, &info) == 0;
  if (!looked || !S_ISREG(info.st_mode)) {
    const TextFileFault fault = looked ? notAFile(info.st_mode) : systemFault(errno);
    ::close(std::exchange(fd_, -1));
    return fault;
  }
  return std::nullopt;
}

void AppendingTextFile::writeLine(std::string_view line) {
  assert(fd_ >= 0 && "lines are written between open and close");
  sheet_ += line;
  sheet_ += "\r\n";
}

std::optional<TextFileFault> AppendingTextFile::append() {
  if (sheet_.empty()) return std::nullopt;
  // Everyone who appends holds the lock for the whole sheet and its taking back, so no other
  // sheet lands in the middle of this one, or behind it before it is taken back; closing the
  // file lets go of it.
  const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
  while (!lockWholeFile(fd_)) {
    if (!(wait_ ? wait_() : waitAWhile(giveUp))) return inUse();
  }
  // Read under the lock: the end that another sheet may have moved while this one waited.
  struct stat info {};
  const off_t before = ::fstat(fd_, &info) == 0 ? info.st_size : -1;
  std::size_t written = 0;
  int error = 0;
  while (written < sheet_.size()) {
    const ssize_t n = ::write(fd_, sheet_.data() + written, sheet_.size() - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
    } else if (n < 0 && errno != EINTR) {
      error = errno;
      break;
    } else if (n == 0) {
      error = EIO;
      break;
    }
  }
  std::optional<TextFileFault> fault;
  if (error) {
    // Half a sheet is worse than none: take back what this sheet wrote, and only that.
    fault = systemFault(error);
    fault->partLeft = written > 0 && (before < 0 || ::ftruncate(fd_, before) != 0);
  }
  return fault;
}

std::optional<TextFileFault> AppendingTextFile::close() {
  assert(fd_ >= 0 && "close follows open");
  std::optional<TextFileFault> fault = append();
  const bool wrote = !sheet_.empty() && !fault;
  sheet_.clear();
  if (::close(std::exchange(fd_, -1)) != 0 && !fault && errno != EINTR) {
    // Too late to take anything back: what the file keeps of the sheet is not known.
    fault = systemFault(errno);
    fault->partLeft = wrote;
  }
  return fault;
}

}  // namespace ws
