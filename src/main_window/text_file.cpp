#include "main_window/text_file.h"

#include <cassert>
#include <cerrno>
#include <system_error>

namespace ws {

namespace {

std::string reason(int error) { return std::generic_category().message(error); }

}  // namespace

AppendingTextFile::AppendingTextFile(std::filesystem::path path) : path_(std::move(path)) {}

AppendingTextFile::~AppendingTextFile() {
  if (file_) std::fclose(file_);
}

std::string AppendingTextFile::path() const {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(path_, ignored);
  return (full.empty() ? path_ : full).string();
}

std::optional<std::string> AppendingTextFile::open() {
  assert(!file_ && "the text file is opened once per command");
  std::error_code ignored;
  existed_ = std::filesystem::exists(path_, ignored);
  error_ = 0;
  errno = 0;
  // Binary, so that the CR LF line ends are written as they are on every system.
  file_ = std::fopen(path_.string().c_str(), "ab");
  if (!file_) return reason(errno ? errno : EIO);
  originalLength_ = std::fseek(file_, 0, SEEK_END) == 0 ? std::ftell(file_) : -1;
  return std::nullopt;
}

void AppendingTextFile::fail(int error) {
  if (error_ == 0) error_ = error ? error : EIO;
}

void AppendingTextFile::writeLine(std::string_view line) {
  assert(file_ && "lines are written between open and close");
  if (error_) return;
  errno = 0;
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
      std::fwrite("\r\n", 1, 2, file_) != 2) {
    fail(errno);
  }
}

std::optional<std::string> AppendingTextFile::close() {
  assert(file_ && "close follows open");
  errno = 0;
  if (!error_ && std::fflush(file_) != 0) fail(errno);
  errno = 0;
  if (std::fclose(file_) != 0) fail(errno);
  file_ = nullptr;
  if (!error_) return std::nullopt;

  // Half a sheet is worse than none: take the file back to what it held.
  std::error_code ignored;
  if (!existed_) {
    std::filesystem::remove(path_, ignored);
  } else if (originalLength_ >= 0 && std::filesystem::is_regular_file(path_, ignored)) {
    std::filesystem::resize_file(path_, static_cast<std::uintmax_t>(originalLength_), ignored);
  }
  return reason(error_);
}

}  // namespace ws
