#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace ws {

namespace {

constexpr int kSignificantDigits = 15;
constexpr double kLargest = std::numeric_limits<double>::max();

// A field never shows inf or nan: those would not read back as numbers.
double writable(double value) {
  if (std::isnan(value) || value == 0) return 0;  // also turns -0 into 0
  if (std::isinf(value)) return value > 0 ? kLargest : -kLargest;
  return value;
}

// Below this a number keeps its plain digits where "%G" would switch to an exponent: no pupil
// reads "1,8E-05".
constexpr double kSmallestWithoutZeros = 1e-4;

// The 15 significant digits of `value` as "%.15G" gives them, with the full stop; numbers
// below 0.0001 written out in plain digits ("0.000018").
std::string pointDigits(double value) {
  char buffer[64];
  const double size = std::fabs(value);
  if (size == 0 || size >= kSmallestWithoutZeros) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::general, kSignificantDigits)
                         .ptr;
    std::string text(buffer, end);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
  }
  // "d.dddddddddddddde-XX": the rounded digits and where the first of them stands, at most
  // the fourth place after the point.
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, size,
                                 std::chars_format::scientific, kSignificantDigits - 1)
                       .ptr;
  const std::string_view text(buffer, end);
  const std::size_t e = text.find('e');
  int exponent = 0;
  std::from_chars(text.data() + e + 1, text.data() + text.size(), exponent);  // "-05" is -5
  std::string significant = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
  significant.erase(significant.find_last_not_of('0') + 1);
  std::string plain = value < 0 ? "-0." : "0.";
  plain.append(static_cast<std::size_t>(-exponent - 1), '0');
  return plain + significant;
}

std::string digits(double value, std::string_view separator) {
  std::string text = pointDigits(value);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, separator);
  return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool atDigit() const { return pos_ < text_.size() && isDigit(text_[pos_]); }
  bool at(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
  bool atDigitAfter(std::string_view prefix) const {
    return !prefix.empty() && text_.substr(pos_).starts_with(prefix) &&
           pos_ + prefix.size() < text_.size() && isDigit(text_[pos_ + prefix.size()]);
  }
  std::string_view digitRun() {
    const std::size_t start = pos_;
    while (atDigit()) ++pos_;
    return text_.substr(start, pos_ - start);
  }
  void skip(std::size_t count) { pos_ += count; }
  std::size_t pos() const { return pos_; }
  void rewind(std::size_t mark) { pos_ = mark; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Exponents beyond this are far outside the double range either way; capping
// them keeps the arithmetic below from overflowing on absurd input.
constexpr long long kExponentCap = 1'000'000'000;

long long exponentValue(std::string_view run) {
  long long value = 0;
  for (char c : run) value = std::min(value * 10 + (c - '0'), kExponentCap);
  return value;
}

double parseNumber(std::string_view text, std::string_view userSeparator) {
  Scanner in(text);
  while (in.at(' ') || in.at('\t')) in.skip(1);

  bool negative = false;
  if (in.at('+') || in.at('-')) {
    negative = in.at('-');
    in.skip(1);
  }
  const std::string_view whole = in.digitRun();
  std::string_view fraction;
  for (std::string_view separator : {std::string_view("."), userSeparator}) {
    if (in.atDigitAfter(separator)) {
      in.skip(separator.size());
      fraction = in.digitRun();
      break;
    }
  }
  if (whole.empty() && fraction.empty()) return 0;

  long long exponent = 0;
  if (in.at('E') || in.at('e')) {
    const std::size_t mark = in.pos();
    in.skip(1);
    bool negativeExponent = false;
    if (in.at('+') || in.at('-')) {
      negativeExponent = in.at('-');
      in.skip(1);
    }
    if (in.atDigit()) {
      exponent = exponentValue(in.digitRun());
      if (negativeExponent) exponent = -exponent;
    } else {
      in.rewind(mark);
    }
  }

  std::string plain;
  if (negative) plain += '-';
  plain += whole.empty() ? std::string_view("0") : whole;
  if (!fraction.empty()) {
    plain += '.';
    plain += fraction;
  }
  plain += 'e';
  plain += std::to_string(exponent);

  double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Out of range either way: the decimal exponent of the leading digit
    // tells too large from too small.
    const std::size_t leadingZeros = std::min(whole.find_first_not_of('0'), whole.size());
    long long lead = exponent + static_cast<long long>(whole.size() - leadingZeros) - 1;
    if (leadingZeros == whole.size()) {
      lead = exponent -
             static_cast<long long>(std::min(fraction.find_first_not_of('0'), fraction.size())) - 1;
    }
    if (lead < 0) return 0;
    return negative ? -kLargest : kLargest;
  }
  return value == 0 ? 0 : value;
}

}  // namespace

NumberText::NumberText(std::string decimalSeparator) : separator_(std::move(decimalSeparator)) {}

std::string NumberText::caption(double value) const { return digits(writable(value), separator_); }

std::string NumberText::spaced(double value) {
  const double number = writable(value);
  return number < 0 ? digits(number, ".") : " " + digits(number, ".");
}

double NumberText::read(std::string_view text) const { return parseNumber(text, separator_); }

double NumberText::readWithPoint(std::string_view text) { return parseNumber(text, "."); }

}  // namespace ws
