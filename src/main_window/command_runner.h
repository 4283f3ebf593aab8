#pragma once

#include <string>
#include <vector>

#include "main_window/commands.h"
#include "pages/hand_over.h"

namespace ws {

// Writes a side-by-side sheet to the text file and opens it.
class TextSheetRunner {
 public:
  virtual ~TextSheetRunner() = default;
  // `answers` are the command's answers in the order asked, the count last.
  virtual void run(const Command& command, const std::vector<std::string>& answers) = 0;
};

// The largest number of sheets or repetitions one command prepares.
inline constexpr int kMaxCount = 10000;

// Runs one menu command: its questions with the stop rule, the parameter block
// writes in their order, then the hand-over or the text sheet.
class CommandRunner {
 public:
  CommandRunner(ParameterBlock& block, const NumberText& numbers, Questioner& questioner,
                Messages& messages, HandOver& handOver, TextSheetRunner& textSheets);

  void run(const Command& command);

 private:
  // An answer that passes the stop rule but would overflow a number or keep the
  // program busy for hours: the message to show, or nothing.
  std::optional<std::string> refusal(Prompt prompt, const std::string& answer) const;

  ParameterBlock& block_;
  const NumberText& numbers_;
  Questioner& questioner_;
  Messages& messages_;
  HandOver& handOver_;
  TextSheetRunner& textSheets_;
};

}  // namespace ws
