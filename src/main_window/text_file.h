#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ws {

// The text sheets' file: a relative name, so it lies in the current directory.
inline constexpr std::string_view kTextFileName = "ruvakto.txt";

// Why a sheet did not reach the file.
struct TextFileFault {
  std::string reason;
  bool systemReason = true;  // the system's own words; otherwise the program's
  bool partLeft = false;     // part of the sheet could not be taken back and stays in the file
};

// The file the text sheets append their lines to.
class TextFile {
 public:
  virtual ~TextFile() = default;
  // The file's full name, as the user would look for it.
  virtual std::string path() const = 0;
  // Opens for appending, creating the file when it is missing.
  virtual std::optional<TextFileFault> open() = 0;
  // Appends the line and its CR LF.
  virtual void writeLine(std::string_view line) = 0;
  // Closes the file with every line in it. When a write failed, the file is brought back to
  // what it held before this sheet and the reason comes back.
  virtual std::optional<TextFileFault> close() = 0;
};

// The program that shows the file to the user; it is started, never waited for.
class Editor {
 public:
  // Told when a started editor ends with an error, which may be long after start returned;
  // whatever it refers to must live as long as the editor.
  using Failed = std::function<void(const std::string& reason)>;

  virtual ~Editor() = default;
  // The reason when the editor could not be started.
  virtual std::optional<std::string> start(const std::string& path, Failed failed) = 0;
};

// The real file, appended to as it stands: nothing is inserted before the new lines, even
// when the last line has no line end. A sheet goes in as one piece under an exclusive lock,
// so sheets of programs writing at the same time neither mix nor take each other back.
class AppendingTextFile final : public TextFile {
 public:
  // Called between tries while another program holds a lock on the file; false gives up.
  // Empty: tries for a few seconds, so a holder that never lets go is told, not waited for.
  using LockWait = std::function<bool()>;

  explicit AppendingTextFile(std::filesystem::path path = std::filesystem::path(kTextFileName),
                             LockWait wait = {});
  ~AppendingTextFile() override;

  std::string path() const override;
  std::optional<TextFileFault> open() override;
  void writeLine(std::string_view line) override;
  std::optional<TextFileFault> close() override;

 private:
  std::optional<TextFileFault> append();

  std::filesystem::path path_;
  LockWait wait_;
  int fd_ = -1;
  std::string sheet_;
};

}  // namespace ws
