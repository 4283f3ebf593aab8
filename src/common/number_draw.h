#pragma once

#include <concepts>

#include "common/number_text.h"
#include "common/random.h"

namespace ws {

// The largest digit count that still gives a finite bound (10^308).
inline constexpr int kMaxDigitCount = 308;

// The number of whole i with 1 <= i <= digits: 0 for any count below 1, 2 for two and a
// half. Counts above kMaxDigitCount act as kMaxDigitCount.
int rangeExponent(double digits);

// 10 to the power of rangeExponent(digits), so always finite: 1 for any count below 1.
double rangeBound(double digits);

// A fraction times the bound, rounded to `places` decimals with halves to the
// even neighbour: a whole-number draw gives 0 to bound, both ends included.
double drawNumber(FractionSource& source, double bound, int places = 0);

// Decimal places as an answer gives them: not whole rounds half to even,
// negative counts as 0, above 15 acts as 15.
int decimalPlaces(double answer);

// Rounds half to even at `places` decimals (in double precision).
double roundHalfEven(double value, int places = 0);

// No sheet divides by 0: a division problem whose divisor reads 0 as shown is drawn again,
// the same draws in the same order, ordering included, until it does not. `drawProblem`
// draws the problem once and gives its divisor's text. This always ends: every bound is
// 1 or more, so each draw is above 0 for any fraction above one half, and the generator
// runs through all its fractions, three such in a row among them.
template <std::invocable DrawProblem>
void drawUntilDivisorNotZero(const NumberText& numbers, DrawProblem drawProblem) {
  while (numbers.read(drawProblem()) == 0) {
  }
}

}  // namespace ws
