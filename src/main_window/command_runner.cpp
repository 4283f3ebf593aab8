#include "main_window/command_runner.h"

#include "common/number_draw.h"
#include "main_window/exact_results.h"

namespace ws {

CommandRunner::CommandRunner(ParameterBlock& block, const NumberText& numbers,
                             Questioner& questioner, Messages& messages, HandOver& handOver,
                             TextSheetRunner& textSheets)
    : block_(block),
      numbers_(numbers),
      questioner_(questioner),
      messages_(messages),
      handOver_(handOver),
      textSheets_(textSheets) {}

std::optional<std::string> CommandRunner::refusal(Prompt prompt, const std::string& answer) const {
  const double value = numbers_.read(answer);
  const std::string question = "\"" + std::string(promptText(prompt)) + "\"";
  if (isDigitCount(prompt) && value > kMaxDigitCount) {
    return question + " sorusunun cevabı en fazla " + std::to_string(kMaxDigitCount) + " olabilir.";
  }
  if (prompt == Prompt::Count && value > kMaxCount) {
    return question + " sorusunun cevabı en fazla " + std::to_string(kMaxCount) + " olabilir.";
  }
  return std::nullopt;
}

void CommandRunner::run(const Command& command) {
  std::vector<std::string> answers;
  for (const Question& question : command.questions) {
    const bool pictures = question.prompt == Prompt::Pictures;
    const bool count = question.prompt == Prompt::Count;
    std::string answer =
        questioner_.ask(promptText(question.prompt), pictures ? kPictureTitle : command.title,
                        count ? command.countDefault : defaultAnswer(question.prompt));
    if (answer.empty()) return;
    if (auto message = refusal(question.prompt, answer)) {
      messages_.warn(command.title, *message);
      return;
    }
    if (question.target && !command.isTextSheet()) block_.set(*question.target, answer);
    answers.push_back(std::move(answer));
  }

  if (auto message = inexactResultRefusal(command, answers, numbers_)) {
    messages_.warn(command.title, *message);
    return;
  }
  if (command.isTextSheet()) {
    textSheets_.run(command, answers);
    return;
  }
  const PageKind kind = std::get<PageKind>(command.output);
  if (auto check = pageDefinition(kind).check) {
    if (auto message = check(block_, numbers_)) {
      messages_.warn(command.title, *message);
      return;
    }
  }
  for (const Constant& constant : command.constants) {
    block_.set(constant.field, std::string(constant.text));
  }
  handOver_.run(kind, answers.back());
}

}  // namespace ws
