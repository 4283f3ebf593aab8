#include "common/number_draw.h"

#include <cmath>

namespace ws {

namespace {

// Small bounds multiply in single precision, as the sheets always have; only
// numbers of more than seven significant digits can tell the difference.
constexpr double kLargestSinglePrecisionBound = 1e4;

// From 2^52 on every double is whole, so scaling further cannot round anything.
constexpr double kAllWhole = 4503599627370496.0;

constexpr int kMaxPlaces = 15;

double roundToWholeHalfEven(double x) {
  double whole = std::floor(x);
  const double rest = x - whole;  // exact for every finite double
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return whole;
}

}  // namespace

int rangeExponent(double digits) {
  // NaN compares false and so gives 0.
  return digits >= kMaxDigitCount ? kMaxDigitCount : digits >= 1 ? static_cast<int>(digits) : 0;
}

double rangeBound(double digits) {
  // Repeated multiplication, not a power table: the bound for large counts is
  // the product the loop gives.
  const int count = rangeExponent(digits);
  double bound = 1;
  for (int i = 1; i <= count; ++i) bound *= 10;
  return bound;
}

double drawNumber(FractionSource& source, double bound, int places) {
  const float u = source.nextFraction();
  const double y = bound <= kLargestSinglePrecisionBound
                       ? static_cast<double>(u * static_cast<float>(bound))
                       : static_cast<double>(u) * bound;
  return roundHalfEven(y, places);
}

int decimalPlaces(double answer) {
  if (std::isnan(answer)) return 0;
  const double places = roundToWholeHalfEven(std::fmin(std::fmax(answer, 0.0), kMaxPlaces));
  return static_cast<int>(places);
}

double roundHalfEven(double value, int places) {
  double scale = 1;
  for (int i = 0; i < places && std::isfinite(scale); ++i) scale *= 10;
  const double scaled = value * scale;
  if (!std::isfinite(scaled) || std::fabs(scaled) >= kAllWhole) return value;
  return roundToWholeHalfEven(scaled) / scale;
}

}  // namespace ws
