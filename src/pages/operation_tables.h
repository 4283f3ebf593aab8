#pragma once

// What the two operation-table pages share. The operator boxes, Label4(0) and Label4(1),
// are set from the answer to "İşlem hangisi": 0 one table adds and the other multiplies,
// 1 both add, 2 both multiply; any other value leaves both boxes at their design "+".

#include <cstddef>
#include <string>
#include <string_view>

#include "common/number_draw.h"
#include "pages/page_kind.h"

namespace ws {

inline constexpr std::string_view kTableOperators = "+x";

namespace detail {

// A position of the operator text drawn from 0 to 10, drawn again until it is one of
// the positions and differs from `taken` (0: none taken).
inline double drawOperatorPosition(FractionSource& random, double taken) {
  double k;
  do {
    k = drawNumber(random, 10);
  } while (k > static_cast<double>(kTableOperators.size()) || k == 0 || k == taken);
  return k;
}

inline std::string tableOperator(double position) {
  return std::string(1, kTableOperators[static_cast<std::size_t>(position) - 1]);
}

}  // namespace detail

inline void setTableOperators(Page& page, double operation, FractionSource& random) {
  if (operation == 0) {
    // The top or upper table gets addition in half of the sheets.
    const double first = detail::drawOperatorPosition(random, 0);
    page.text("Label4", 0).caption = detail::tableOperator(first);
    const double second = detail::drawOperatorPosition(random, first);
    page.text("Label4", 1).caption = detail::tableOperator(second);
  } else if (operation == 1 || operation == 2) {
    const std::string sign = detail::tableOperator(operation);
    page.text("Label4", 0).caption = sign;
    page.text("Label4", 1).caption = sign;
  }
}

// The headers' boxes reach over the grid's lines; a wide number keeps inside its cell.
inline void keepHeadersInCells(Page& page) {
  for (TextField& field : page.texts) {
    if (field.name != "Label1") field.fitting = clearOfStrokes(page, field.box);
  }
}

// Reads the digit counts and the operation, sets the operator boxes, then draws the
// header numbers: every column number (Label2) before every row number (Label3).
inline void drawOperationTables(Page& page, const LoadContext& context, int columnNumbers,
                                int rowNumbers) {
  const std::string columnDigits = context.block.get(Field::Label1);
  const std::string rowDigits = context.block.get(Field::Label3);
  const std::string operation = context.block.get(Field::Label5);

  const double columnBound = rangeBound(context.numbers.read(columnDigits));
  const double rowBound = rangeBound(context.numbers.read(rowDigits));

  setTableOperators(page, context.numbers.read(operation), context.random);
  for (int i = 0; i < columnNumbers; ++i) {
    page.text("Label2", i).caption =
        context.numbers.caption(drawNumber(context.random, columnBound));
  }
  for (int j = 0; j < rowNumbers; ++j) {
    page.text("Label3", j).caption = context.numbers.caption(drawNumber(context.random, rowBound));
  }
}

}  // namespace ws
