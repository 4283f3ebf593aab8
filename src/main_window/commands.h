#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/number_text.h"
#include "common/parameter_block.h"
#include "main_window/questions.h"
#include "pages/page_kind.h"

namespace ws {

// The side-by-side sheets that are appended to the text file.
enum class TextSheetKind {
  Addition,
  AdditionMissing,
  Subtraction,
  SubtractionMissing,
  Multiplication,
  MultiplicationMissing,
  Division,
  DivisionMissing,
  DecimalAddition,
  DecimalAdditionMissing,
  DecimalSubtraction,
  DecimalMultiplication,
  DecimalDivision,
  TimesTenHundredThousand,
};

struct Question {
  Prompt prompt;
  std::optional<Field> target;  // where a page command writes the answer at once
};

struct Constant {
  Field field;
  std::string_view text;
};

// How a sheet forms the numbers it shows from its drawn ones. Larger: no shown number is
// above the larger drawn one (a difference, or the drawn numbers alone). By the operation
// answer: 0 both adds and multiplies (one grid each), 2 multiplies, anything else adds.
enum class Combination { Sum, Product, Larger, ByOperation };

// A drawn number that a shown result is formed from: the questions that give its digit count
// and, where the command asks them, its decimal places.
struct ResultOperand {
  Prompt digits;
  std::optional<Prompt> places;
};

// The numbers a sheet shows beside its drawn ones (a sum, difference, product, a dividend built
// as a product, a target).
struct ShownResult {
  Combination combination;
  std::vector<ResultOperand> operands;
};

// One menu command: all that sets it apart from the others is data.
struct Command {
  std::string_view item;            // the menu item's object name
  std::string_view caption;         // the menu item's text
  std::string_view title;           // the sheet title, the title of its questions
  std::vector<Question> questions;  // the count comes last
  std::string_view countDefault = "0";
  std::vector<Constant> constants;  // written after the count, before the hand-over
  std::variant<PageKind, TextSheetKind> output;
  bool available = true;
  std::optional<ShownResult> result;  // none where the sheet shows only drawn numbers

  bool isTextSheet() const { return std::holds_alternative<TextSheetKind>(output); }
};

struct MenuEntry {
  std::string_view item;
  const Command* command;  // null for a separator
};

struct Menu {
  std::string_view item;
  std::string_view caption;
  std::vector<MenuEntry> entries;
};

// The menu bar, left to right, each menu in its order, separators included.
const std::vector<Menu>& menuBar();
// Every command, in menu order.
const std::vector<const Command*>& allCommands();
const Command* findCommand(std::string_view item);

}  // namespace ws
