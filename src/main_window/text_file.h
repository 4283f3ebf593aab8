#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ws {

// The text sheets' file: a relative name, so it lies in the current directory.
inline constexpr std::string_view kTextFileName = "ruvakto.txt";

// The file the text sheets append their lines to. Failures come back as the
// system's own reason, for the message to the user.
class TextFile {
 public:
  virtual ~TextFile() = default;
  // The file's full name, as the user would look for it.
  virtual std::string path() const = 0;
  // Opens for appending, creating the file when it is missing.
  virtual std::optional<std::string> open() = 0;
  // Appends the line and its CR LF.
  virtual void writeLine(std::string_view line) = 0;
  // Closes the file with every line on disk. When any write failed, the file is
  // brought back to what it held at open and the reason comes back.
  virtual std::optional<std::string> close() = 0;
};

// The program that shows the file to the user; it is started, never waited for.
class Editor {
 public:
  virtual ~Editor() = default;
  // The reason when the editor could not be started.
  virtual std::optional<std::string> start(const std::string& path) = 0;
};

// The real file, appended to as it stands: nothing is inserted before the new
// lines, even when the last line has no line end.
class AppendingTextFile final : public TextFile {
 public:
  explicit AppendingTextFile(std::filesystem::path path = std::filesystem::path(kTextFileName));
  ~AppendingTextFile() override;

  std::string path() const override;
  std::optional<std::string> open() override;
  void writeLine(std::string_view line) override;
  std::optional<std::string> close() override;

 private:
  void fail(int error);

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  bool existed_ = false;
  long originalLength_ = 0;
  int error_ = 0;
};

}  // namespace ws
