#include "pages/column_layout.h"

#include <utility>

#include "common/number_draw.h"

namespace ws {

double boundIn(const LoadContext& context, Field field) {
  return rangeBound(context.numbers.read(context.block.get(field)));
}

int placesIn(const LoadContext& context, Field field) {
  return decimalPlaces(context.numbers.read(context.block.get(field)));
}

void drawOrderedPair(TextField& upper, TextField& lower, Operand first, Operand second,
                     const LoadContext& context) {
  const NumberText& numbers = context.numbers;
  upper.caption = numbers.caption(drawNumber(context.random, first.bound, first.places));
  lower.caption = numbers.caption(drawNumber(context.random, second.bound, second.places));
  // The fields' values decide, not the draws: they are what the pupil sees.
  if (numbers.read(lower.caption) > numbers.read(upper.caption)) {
    std::swap(upper.caption, lower.caption);
  }
}

std::string productCaption(const TextField& a, const TextField& b, const NumberText& numbers) {
  // caption() writes an overflowing product as the largest number, never as "inf".
  return numbers.caption(numbers.read(a.caption) * numbers.read(b.caption));
}

}  // namespace ws
