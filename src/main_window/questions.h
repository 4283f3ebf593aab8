#pragma once

#include <string>
#include <string_view>

namespace ws {

// Every question the program asks. Each has one prompt and, but for the count, one default.
enum class Prompt {
  FirstDigits,
  FirstPlaces,
  SecondDigits,
  SecondPlaces,
  ThirdDigits,
  AddendDigits,
  SumDigits,
  SubtrahendDigits,
  DifferenceDigits,
  Operation,
  StartBound,
  EndBound,
  StepBound,
  PeriodBound,
  Pictures,
  Count,
};

std::string_view promptText(Prompt prompt);
// The count's default depends on the command; every other prompt has one default.
std::string_view defaultAnswer(Prompt prompt);
// True for the questions whose answer is a digit count.
bool isDigitCount(Prompt prompt);

inline constexpr std::string_view kPictureTitle = "RESİMLİ ÇIKTI";

// The modal question dialog: the typed text, or the empty text on cancel.
class Questioner {
 public:
  virtual ~Questioner() = default;
  virtual std::string ask(std::string_view prompt, std::string_view title,
                          std::string_view defaultAnswer) = 0;
};

// Tells the user why a command did nothing.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void warn(std::string_view title, std::string_view text) = 0;
};

}  // namespace ws
