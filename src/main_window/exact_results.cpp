#include "main_window/exact_results.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "common/number_draw.h"
#include "main_window/text_sheets.h"

namespace ws {

namespace {

// The answers to these questions, added up as the draws use them, may reach `largest`.
struct Limit {
  std::vector<Prompt> terms;
  int largest;
};

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

// Numbers are drawn from 0 to 10^k, both ends included, with p places. A sum (or a difference,
// never above the larger number) has at most max k + 1 whole digits and max p places: so each k
// plus the largest p at most 14. A product of N1 / 10^p1 and N2 / 10^p2, each N up to 10^(k + p),
// has at most k1 + p1 + k2 + p2 digits and reaches 10^(k1 + k2), which must stay below 10^15.
std::vector<Limit> limits(Combination combination, const std::vector<ResultOperand>& operands,
                          const GivenAnswers& given) {
  auto placesOf = [&](const ResultOperand& operand) {
    return operand.places && given.asked(*operand.places) ? operand.places : std::nullopt;
  };
  std::vector<Limit> found;
  if (combination == Combination::Sum) {
    for (const ResultOperand& whole : operands) {
      for (const ResultOperand& fraction : operands) {
        Limit limit{{whole.digits}, kExactDigits - 1};
        if (auto places = placesOf(fraction)) limit.terms.push_back(*places);
        const bool known = std::any_of(found.begin(), found.end(),
                                       [&](const Limit& l) { return l.terms == limit.terms; });
        if (!known) found.push_back(limit);
      }
    }
    return found;
  }
  Limit digits{{}, kExactDigits - 1};
  Limit digitsAndPlaces{{}, kExactDigits};
  for (const ResultOperand& operand : operands) {
    digits.terms.push_back(operand.digits);
    digitsAndPlaces.terms.push_back(operand.digits);
    if (auto places = placesOf(operand)) digitsAndPlaces.terms.push_back(*places);
  }
  if (digitsAndPlaces.terms != digits.terms) found.push_back(digitsAndPlaces);
  found.push_back(digits);
  return found;
}

std::string quotedList(const std::vector<Prompt>& prompts) {
  std::string text;
  for (std::size_t i = 0; i < prompts.size(); ++i) {
    if (i > 0) text += i + 1 == prompts.size() ? " ve " : ", ";
    text += "\"" + std::string(promptText(prompts[i])) + "\"";
  }
  return text;
}

}  // namespace

std::optional<std::string> inexactResultRefusal(const Command& command,
                                                const std::vector<std::string>& answers,
                                                const NumberText& numbers) {
  if (!command.result) return std::nullopt;
  const GivenAnswers given(command, answers, numbers);
  Combination combination = command.result->combination;
  if (combination == Combination::ByOperation) {
    const double operation = given[Prompt::Operation];
    combination = operation == 0 || operation == 2 ? Combination::Product : Combination::Sum;
  }

  // The broken limits, each without the answers that add nothing to it.
  std::vector<Limit> broken;
  double worstExcess = 0;
  std::size_t worst = 0;
  for (Limit limit : limits(combination, command.result->operands, given)) {
    double total = 0;
    for (Prompt term : limit.terms) total += given[term];
    if (total <= limit.largest) continue;
    std::erase_if(limit.terms, [&](Prompt term) { return given[term] == 0; });
    if (total - limit.largest > worstExcess) {
      worstExcess = total - limit.largest;
      worst = broken.size();
    }
    broken.push_back(limit);
  }
  if (broken.empty()) return std::nullopt;

  const std::string why = "; daha büyük sayılarla sonuçlar tam yazılamaz.";
  const bool allSingle = std::all_of(broken.begin(), broken.end(), [](const Limit& l) {
    return l.terms.size() == 1 && l.largest == kExactDigits - 1;
  });
  if (allSingle) {
    std::vector<Prompt> prompts;
    for (const Limit& limit : broken) {
      if (std::find(prompts.begin(), prompts.end(), limit.terms[0]) == prompts.end()) {
        prompts.push_back(limit.terms[0]);
      }
    }
    const std::string answered =
        prompts.size() == 1 ? " sorusunun cevabı" : " sorularının cevapları";
    return quotedList(prompts) + answered + " en fazla " + std::to_string(kExactDigits - 1) +
           " olabilir" + why;
  }
  const Limit& limit = broken[worst];
  const std::string answered =
      limit.terms.size() == 1 ? " sorusunun cevabı" : " sorularının cevaplarının toplamı";
  return quotedList(limit.terms) + answered + " en fazla " + std::to_string(limit.largest) +
         " olabilir" + why;
}

}  // namespace ws
