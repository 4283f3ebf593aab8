#pragma once

#include <string>
#include <string_view>

namespace ws {

// How numbers become field text and back. The user's decimal separator is
// read from the system once at start and handed in here; nothing in this
// class depends on the process locale.
class NumberText {
 public:
  explicit NumberText(std::string decimalSeparator = ",");

  const std::string& decimalSeparator() const { return separator_; }

  // "12,5", "-3", "1000", "0,000018", "7,05547511577606E+20": at most 15
  // significant digits, rounded; no blank, no trailing zeros, -0 as "0"; an
  // exponent only from 10^15 on.
  std::string caption(double value) const;

  // " 12.5", " 7", "-3": a blank before a number of 0 or more, and always the
  // full stop, whatever the user's separator.
  static std::string spaced(double value);

  // The number at the start of a field's text: leading blanks skipped, either
  // separator accepted, the rest ignored; text without a number reads 0, and
  // a number beyond the double range reads as the largest finite double.
  double read(std::string_view text) const;

  // As read(), but only the full stop separates decimals ("2,5" reads 2).
  static double readWithPoint(std::string_view text);

 private:
  std::string separator_;
};

}  // namespace ws
