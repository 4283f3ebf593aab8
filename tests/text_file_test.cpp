#include "main_window/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "main_window/commands.h"
#include "main_window/text_sheets.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"
#include "support/small_disk.h"

namespace ws::test {
// Runs where the program cuts the text file back, before the cut.
std::function<void()> atCutBack;
}  // namespace ws::test

// The program's calls of ftruncate come here ahead of the C library's, so that a test can look
// at the file at the very moment it is cut back.
extern "C" int ftruncate(int fd, off_t length) noexcept {
  if (ws::test::atCutBack) ws::test::atCutBack();
  return static_cast<int>(::syscall(SYS_ftruncate, fd, length));
}

namespace ws {
namespace {

namespace fs = std::filesystem;

const std::string kKnown =
    "5+3=...\r\nÖğretmenin notu";  // an earlier sheet and a note, no line end

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file size limit for this process, with the write failing instead of ending it, as in the
// program; both are put back at the end of the scope.
class SizeLimit {
 public:
  explicit SizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~SizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, signal_);
  }

 private:
  rlimit saved_{};
  void (*signal_)(int) = nullptr;
};

// Text sheets on a real file in a fresh folder; the fixture stands in for the editor and keeps
// the paths it was started on and what a started editor would be told to report.
class TextSheetsOnDisk : public testing::Test, public Editor {
 protected:
  std::optional<std::string> start(const std::string& path, Failed failed) override {
    started_.push_back(path);
    failed_ = std::move(failed);
    return std::nullopt;
  }
  ~TextSheetsOnDisk() override { fs::remove_all(dir_); }

  // Runs a command into `file`; the one message it gave, or "".
  std::string run(std::string_view item, const std::vector<std::string>& answers,
                  FractionSource& random, TextFile& file) {
    messages_.shown.clear();
    TextSheets(block_, random, numbers_, file, *this, messages_).run(*findCommand(item), answers);
    EXPECT_LE(messages_.shown.size(), 1u);
    return messages_.shown.empty() ? "" : messages_.shown[0].second;
  }
  // A sheet of `lines` problems of four-digit numbers.
  std::string run(TextFile& file, int lines = 100, const char* item = "mnuyanyanatoplama") {
    return run(item, {"4", "4", std::to_string(lines)}, generator_, file);
  }

  const fs::path dir_ =
      mkdtemp((fs::temp_directory_path() / "ruvakto-test-XXXXXX").string().data());
  const fs::path path_ = dir_ / "ruvakto.txt";
  ParameterBlock block_;
  Generator generator_;
  NumberText numbers_{","};
  AppendingTextFile file_{path_};
  test::RecordingMessages messages_;
  std::vector<std::string> started_;
  Failed failed_;
};

TEST_F(TextSheetsOnDisk, EveryKindWritesItsLinesFromItsDrawsInOrder) {
  // Each draw is the fraction of its operand's bound: with 1 and 2 digits .3 is 3, .47 is 47.
  struct Case {
    std::string_view item;
    std::vector<std::string> answers;
    std::vector<float> draws;
    std::string lines;
    std::string separator = ",";
  } cases[] = {
      // clang-format off
      {"mnuyanyanabilincarpma", {"1", "1", "0"}, {}, ""},  // no lines, yet the file is made
      {"mnuyanyanatoplama", {"1", "2", "1"}, {.3, .47}, "3+47=...\r\n"},
      {"mnuyanyanaçıkarma", {"1", "2", "1"}, {.3, .47}, "47-3=...\r\n"},
      {"mnuyanyanacarpma", {"1", "2", "1"}, {.3, .47}, "3x47=...\r\n"},
      {"mnuyanyanabolme", {"1", "2", "1"}, {.7, 0, .3, .47}, "47/3=...\r\n"},  // 7/0 drawn again
      {"mnuyanyanatoplamabilin", {"1", "1", "2"}, {.4, .5, .2, .3, .7, .1, .1, .2, .3, .4, 1, 0},
       "4+5=...\r\n...+3=5\r\n7+...=8\r\n1+2=...\r\n...+4=7\r\n10+...=10\r\n"},
      {"mnuYanyanabilinmeyenliçıkarma", {"1", "1", "1"}, {.4, .5, .2, .3, .5, .5},
       "5-4=...\r\n...-2=1\r\n5-...=0\r\n"},
      {"mnuyanyanabilincarpma", {"1", "1", "1"}, {.4, .5, 0, .3, .7, .1},
       "5x4=...\r\n...x0=0\r\n7x...=7\r\n"},
      {"mnuyanyanabilinmeyenbolme", {"1", "1", "1"}, {.4, .5, 0, .3, .2, .3, 0, .6, .1, .7},
       "20/4=...\r\n.../2=3\r\n7/...=7\r\n"},  // the product is the dividend; divisors 0 redrawn
      {"mnuyanyanaondalıkcarp", {"1", "1", "2", "2", "1"}, {.01, .003}, "0,3x0,1=...\r\n"},
      {"mnuyanyanaondalıkcıkar", {"1", "1", "1", "1", "1"}, {.25, .75}, "7,5-2,5=...\r\n"},
      {"mnuyanyanaondalıktopla", {"1", "1", "2", "2", "1"}, {.15, .1225}, "1,5+12,25=...\r\n"},
      {"mnuyanyanaondalıktoplamabil", {"1", "2", "1", "2", "1"}, {.42, .135, .01, .02, .3, .68},
       "4,2+1,35=...\r\n...+0,2=0,3\r\n3+...=9,8\r\n"},
      {"mnuonyuzbincarpma", {"2", "1"}, {.47, .05, .93},
       "47x10=...\r\n5x100=...\r\n93x1000=...\r\n"},
      {"mnuyanyanaondalıkbolme", {"1", "3.7", "0", "0", "2,5"}, {.123456, 0, .123456, .75, .5, .75},
       "1,2346/1=...\r\n5/1=...\r\n"},  // places are typed with a full stop
      {"mnuyanyanaondalıkbolme", {"1", "3,7", "0", "1", "1"}, {.123456, .04, .123456, .07},
       "1.235/0.1=...\r\n", "."},  // 0.04 shows as 0: drawn again
      // clang-format on
  };
  std::string expected;  // each command's lines directly behind those of the one before
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.answers[1]);
    numbers_ = NumberText(c.separator);
    test::ScriptedFractions fractions(c.draws);
    EXPECT_EQ(run(c.item, c.answers, fractions, file_), "");
    ASSERT_TRUE(fs::is_regular_file(path_));
    EXPECT_EQ(contents(path_), expected += c.lines);
    EXPECT_EQ(fractions.remaining(), 0u);
  }
  EXPECT_EQ(started_, std::vector<std::string>(std::size(cases), path_.string()));
}

TEST_F(TextSheetsOnDisk, OnlyAPlainFileTakesTheLinesAndNothingWaitsForAReader) {
  alarm(20);  // a write that waits for a reader ends the test here instead of hanging it
  const auto expectRefused = [&](const char* what, const std::string& reason) {
    SCOPED_TRACE(what);
    const std::string told = run(file_);
    EXPECT_NE(told.find("\"" + path_.string() + "\" dosyasına yazılamadı."), std::string::npos);
    EXPECT_NE(told.find(reason), std::string::npos) << told;
    EXPECT_TRUE(started_.empty());
  };
  ASSERT_EQ(mkfifo(path_.c_str(), 0644), 0);
  expectRefused("a FIFO", "Bu adda bir dosya değil, bir FIFO (adlandırılmış boru) var");
  const int reader = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
  expectRefused("a FIFO with a reader", "FIFO");
  char byte;
  EXPECT_EQ(::read(reader, &byte, 1), 0);  // nothing was written into it
  ::close(reader);
  fs::remove(path_);

  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
  std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  expectRefused("a socket", "bir soket var");
  ::close(socket);
  fs::remove(path_);
  fs::create_symlink("/dev/null", path_);
  expectRefused("a device", "bir aygıt var");
  fs::remove(path_);
  fs::create_directory(path_);
  expectRefused("a folder", std::generic_category().message(EISDIR));
  fs::remove(path_);
  alarm(0);

  // A link to a plain file is followed: the lines land in the file it names.
  std::ofstream(dir_ / "elsewhere.txt", std::ios::binary) << kKnown;
  fs::create_symlink(dir_ / "elsewhere.txt", path_);
  EXPECT_EQ(run(file_, 1), "");
  const std::string linked = contents(dir_ / "elsewhere.txt");
  EXPECT_TRUE(linked.starts_with(kKnown) && linked.ends_with("=...\r\n")) << linked;
}

TEST_F(TextSheetsOnDisk, ASheetThatDoesNotFitIsTakenBackToWhatTheFileHeld) {
  const auto expectTakenBack = [&](TextFile& file, const fs::path& path, int error) {
    std::ofstream(path, std::ios::binary) << kKnown;
    const std::string told = run(file, 10000);
    EXPECT_NE(told.find(std::generic_category().message(error)), std::string::npos) << told;
    EXPECT_EQ(told.find("geri alınamadı"), std::string::npos) << told;
    EXPECT_EQ(contents(path), kKnown);
    EXPECT_TRUE(started_.empty());
  };
  {
    SizeLimit limit(kKnown.size() + 4000);
    expectTakenBack(file_, path_, EFBIG);
  }
  test::SmallDisk disk(64 * 1024);
  if (disk.available()) {
    AppendingTextFile onDisk(disk.path() / "ruvakto.txt");
    expectTakenBack(onDisk, disk.path() / "ruvakto.txt", ENOSPC);
  }

  // A sheet that another program appended after this one opened the file stays.
  std::ofstream(path_, std::ios::binary) << kKnown;
  ASSERT_FALSE(file_.open());
  AppendingTextFile other(path_);
  ASSERT_FALSE(other.open());
  other.writeLine("1+2=...");
  ASSERT_FALSE(other.close());
  for (int k = 0; k < 1000; ++k) file_.writeLine("12345+67890=...");
  {
    SizeLimit limit(kKnown.size() + 4000);
    EXPECT_TRUE(file_.close());
  }
  EXPECT_EQ(contents(path_), kKnown + "1+2=...\r\n");

  // An append-only file keeps what was written: the user is told that part of the sheet stays.
  std::ofstream(path_, std::ios::binary) << kKnown;
  const int fd = ::open(path_.c_str(), O_RDONLY);
  int flags = 0;
  const bool appendOnly = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                          ioctl(fd, FS_IOC_SETFLAGS, &(flags |= FS_APPEND_FL)) == 0;
  if (appendOnly) {
    SizeLimit limit(kKnown.size() + 4000);
    const std::string told = run(file_, 10000);
    EXPECT_NE(told.find("sayfanın bir kısmı dosyanın sonunda kaldı"), std::string::npos) << told;
    EXPECT_EQ(contents(path_).size(), kKnown.size() + 4000);
  }
  flags &= ~FS_APPEND_FL;
  if (appendOnly) ioctl(fd, FS_IOC_SETFLAGS, &flags);
  ::close(fd);
  if (!disk.available() || !appendOnly) GTEST_SKIP() << "no small disk or append-only file here";
}

TEST_F(TextSheetsOnDisk, ASheetWaitsForAnotherProgramsLockOfAnyKindOrIsToldAndWritesNothing) {
  // The other program's line is added only once the sheet waits, so a sheet that writes without
  // the lock, or learns where the file ends before it has the lock, is caught every time.
  struct flock whole {};
  whole.l_type = F_WRLCK;
  const std::pair<const char*, std::function<int(int)>> locks[] = {
      {"flock", [](int fd) { return flock(fd, LOCK_EX); }},
      {"record lock", [&](int fd) { return fcntl(fd, F_SETLK, &whole); }},
      {"open file lock", [&](int fd) { return fcntl(fd, F_OFD_SETLK, &whole); }}};
  enum Other { LetsGo, LetsGoAndTheSheetDoesNotFit, NeverLetsGo };
  for (const auto& [kind, lock] : locks) {
    for (const Other other : {LetsGo, LetsGoAndTheSheetDoesNotFit, NeverLetsGo}) {
      SCOPED_TRACE(std::string(kind) + " " + std::to_string(other));
      std::ofstream(path_, std::ios::binary) << kKnown;
      // The other program holds its lock until the test closes the pipe it waits on.
      int locked[2], hold[2];
      ASSERT_EQ(pipe(locked) | pipe(hold), 0);
      const pid_t holder = fork();
      if (holder == 0) {
        ::close(hold[1]);
        char done = lock(::open(path_.c_str(), O_WRONLY)) == 0;
        _exit(::write(locked[1], &done, 1) == 1 && ::read(hold[0], &done, 1) == 0 ? 0 : 1);
      }
      ::close(locked[1]);
      ::close(hold[0]);
      char done = 0;
      ASSERT_TRUE(::read(locked[0], &done, 1) == 1 && done);
      const auto letGo = [&] {
        if (hold[1] >= 0 && ::close(std::exchange(hold[1], -1)) == 0) waitpid(holder, nullptr, 0);
      };
      int waits = 0;
      AppendingTextFile waiting(path_, [&] {
        if (waits++ > 0 || other == NeverLetsGo) return false;
        std::ofstream(path_, std::ios::binary | std::ios::app) << "1+2=...\r\n";
        letGo();
        return true;
      });
      std::optional<SizeLimit> limit;
      if (other == LetsGoAndTheSheetDoesNotFit) limit.emplace(kKnown.size() + 4000);
      const std::string told = run(waiting, other == LetsGo ? 3 : 1000);
      limit.reset();
      letGo();
      ::close(locked[0]);
      EXPECT_EQ(waits, 1);
      const std::string now = contents(path_);
      const std::string before = other == NeverLetsGo ? kKnown : kKnown + "1+2=...\r\n";
      if (other == LetsGo) {
        EXPECT_TRUE(now.starts_with(before) && std::count(now.begin(), now.end(), '\n') == 5);
      } else {
        EXPECT_EQ(now, before);
      }
      EXPECT_EQ(told.empty(), other == LetsGo) << told;
      EXPECT_EQ(told.find("başka bir program") != std::string::npos, other == NeverLetsGo);
    }
  }
}

TEST_F(TextSheetsOnDisk, ASheetThatDoesNotFitIsTakenBackBeforeItsLockIsLetGo) {
  // Another program that appends its line as soon as it has the lock, and tells whether it had
  // it and how long the file was then. It has no size limit of its own.
  struct Seen {
    bool locked = false;
    off_t length = -1;
  };
  const auto otherProgram = [&](int lockMode) {
    int told[2];
    EXPECT_EQ(pipe(told), 0);
    const pid_t other = fork();
    if (other == 0) {
      const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
      setrlimit(RLIMIT_FSIZE, &none);
      Seen seen;
      const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND);
      struct stat info {};
      seen.locked = flock(fd, lockMode) == 0 && fstat(fd, &info) == 0;
      seen.length = info.st_size;
      if (seen.locked && ::write(fd, "1+2=...\r\n", 9) != 9) seen.locked = false;
      _exit(::write(told[1], &seen, sizeof seen) == sizeof seen ? 0 : 1);
    }
    ::close(told[1]);
    Seen seen;
    EXPECT_EQ(::read(told[0], &seen, sizeof seen), ssize_t(sizeof seen));
    ::close(told[0]);
    waitpid(other, nullptr, 0);
    return seen;
  };

  std::ofstream(path_, std::ios::binary) << kKnown;
  std::optional<Seen> atCutBack;
  test::atCutBack = [&] { atCutBack = otherProgram(LOCK_EX | LOCK_NB); };
  std::string told;
  {
    SizeLimit limit(kKnown.size() + 4000);
    told = run(file_, 10000);
  }
  test::atCutBack = nullptr;
  EXPECT_NE(told.find(std::generic_category().message(EFBIG)), std::string::npos) << told;
  ASSERT_TRUE(atCutBack);
  EXPECT_FALSE(atCutBack->locked) << "another program had the lock with " << atCutBack->length
                                  << " bytes in the file";
  // The other program adds its line once: at the cut back, had it got the lock, or else now,
  // behind what the file held before the sheet. Either way its line must stay.
  if (!atCutBack->locked) {
    const Seen after = otherProgram(LOCK_EX);
    EXPECT_TRUE(after.locked);
    EXPECT_EQ(after.length, off_t(kKnown.size()));
  }
  EXPECT_EQ(contents(path_), kKnown + "1+2=...\r\n");
}

TEST_F(TextSheetsOnDisk, AnEditorThatFailsLaterIsToldWhereTheFileIsAndTheLinesStay) {
  EXPECT_EQ(run(file_, 3), "");
  ASSERT_TRUE(failed_);
  failed_("xdg-open 3 koduyla sona erdi");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].second,
            "Metin düzenleyici açılamadı (xdg-open 3 koduyla sona erdi).\nSorular \"" +
                path_.string() + "\" dosyasına yazıldı; dosyayı kendiniz açabilirsiniz.");
  const std::string written = contents(path_);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 3);
}

}  // namespace
}  // namespace ws
