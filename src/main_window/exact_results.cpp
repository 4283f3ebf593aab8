#include "main_window/exact_results.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <string>
#include <vector>

#include "common/number_draw.h"
#include "main_window/text_sheets.h"

namespace ws {

namespace {

// The answers a command was given, as its draws use them: a digit count as the power of ten
// its bound is, places as the places it draws with. A question not asked counts 0.
class GivenAnswers {
 public:
  GivenAnswers(const Command& command, const std::vector<std::string>& answers,
               const NumberText& numbers) {
    assert(answers.size() == command.questions.size() && "every question has its answer");
    for (std::size_t i = 0; i < answers.size(); ++i) {
      const Prompt prompt = command.questions[i].prompt;
      const bool places = prompt == Prompt::FirstPlaces || prompt == Prompt::SecondPlaces;
      const double value = numbers.read(answers[i]);
      values_[prompt] = isDigitCount(prompt)              ? rangeExponent(value)
                        : places && command.isTextSheet() ? textSheetPlaces(answers[i])
                        : places                          ? decimalPlaces(value)
                                                          : value;
    }
  }

  bool asked(Prompt prompt) const { return values_.contains(prompt); }
  double operator[](Prompt prompt) const {
    const auto found = values_.find(prompt);
    return found == values_.end() ? 0 : found->second;
  }

 private:
  std::map<Prompt, double> values_;
};

// The largest number a draw can give: the generator's largest fraction drawn with the bound
// and places the command uses.
struct LargestDraw {
  double value;
  int places;
};

class LargestFraction final : public FractionSource {
 public:
  float nextFraction() override { return Generator::kLargestFraction; }
};

LargestDraw largestDraw(const ResultOperand& operand, const GivenAnswers& given) {
  const int places =
      operand.places && given.asked(*operand.places) ? static_cast<int>(given[*operand.places]) : 0;
  LargestFraction fraction;
  return {drawNumber(fraction, rangeBound(given[operand.digits]), places), places};
}

// The significant digits that a number from 0 to `largest` with `places` decimals may need:
// from the first digit of the largest down to the last place.
int digitsNeeded(LargestDraw number) {
  constexpr int kFarBeyond = 400;  // past any double, infinity included
  int whole = 0;
  for (double power = 1; power <= number.value && whole < kFarBeyond; power *= 10) ++whole;
  if (whole > 0) return whole + number.places;
  int zeros = 0;
  for (double power = 0.1; number.value < power && zeros < number.places; power /= 10) ++zeros;
  return number.places - zeros;
}

// The largest of each number the sheet shows: every drawn one, and what it forms of them.
std::vector<LargestDraw> largestShown(Combination combination,
                                      const std::vector<LargestDraw>& drawn) {
  std::vector<LargestDraw> shown = drawn;
  LargestDraw sum{0, 0}, product{1, 0}, larger{0, 0};
  for (const LargestDraw& d : drawn) {
    sum = {sum.value + d.value, std::max(sum.places, d.places)};
    product = {product.value * d.value, product.places + d.places};
    larger.value = std::max(larger.value, d.value);
  }
  larger.places = sum.places;
  if (combination == Combination::Sum) shown.push_back(sum);
  if (combination == Combination::Product) shown.push_back(product);
  if (combination == Combination::Larger) shown.push_back(larger);
  return shown;
}

// "A" sorusuna, "A" ve "B" sorularından birine, "A", "B" ve "C" sorularından birine.
std::string smallerAnswerWanted(const std::vector<Prompt>& prompts) {
  std::string text;
  for (std::size_t i = 0; i < prompts.size(); ++i) {
    if (i > 0) text += i + 1 == prompts.size() ? " ve " : ", ";
    text += "\"" + std::string(promptText(prompts[i])) + "\"";
  }
  return text + (prompts.size() == 1 ? " sorusuna" : " sorularından birine") +
         " daha küçük bir cevap veriniz.";
}

}  // namespace

std::optional<std::string> inexactResultRefusal(const Command& command,
                                                const std::vector<std::string>& answers,
                                                const NumberText& numbers) {
  if (!command.result) return std::nullopt;
  const GivenAnswers given(command, answers, numbers);
  std::vector<Combination> combinations{command.result->combination};
  if (combinations[0] == Combination::ByOperation) {
    const double operation = given[Prompt::Operation];
    combinations = operation == 0   ? std::vector{Combination::Sum, Combination::Product}
                   : operation == 2 ? std::vector{Combination::Product}
                                    : std::vector{Combination::Sum};
  }

  std::vector<LargestDraw> drawn;
  for (const ResultOperand& operand : command.result->operands)
    drawn.push_back(largestDraw(operand, given));
  int needed = 0;
  for (Combination combination : combinations) {
    for (const LargestDraw& number : largestShown(combination, drawn))
      needed = std::max(needed, digitsNeeded(number));
  }
  if (needed <= kExactDigits) return std::nullopt;

  // The answers that make the numbers that large, in the order asked: those of a drawn number
  // too large by itself, otherwise of every number the result is formed from.
  std::vector<const ResultOperand*> tooLarge;
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    if (digitsNeeded(drawn[i]) > kExactDigits) tooLarge.push_back(&command.result->operands[i]);
  }
  if (tooLarge.empty()) {
    for (const ResultOperand& operand : command.result->operands) tooLarge.push_back(&operand);
  }
  std::vector<Prompt> named;
  for (const Question& question : command.questions) {
    const bool feeds = std::any_of(tooLarge.begin(), tooLarge.end(), [&](const ResultOperand* o) {
      return o->digits == question.prompt || o->places == question.prompt;
    });
    if (feeds && given[question.prompt] > 0) named.push_back(question.prompt);
  }
  return "Bu cevaplarla sayfada " + std::to_string(needed) +
         " rakamlı bir sayı çıkabilir; en fazla " + std::to_string(kExactDigits) +
         " rakamlı sayılar tam yazılabilir. " + smallerAnswerWanted(named);
}

}  // namespace ws
