#pragma once

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/random.h"

namespace ws::test {

// Hands out a fixed list of fractions, so a test decides every drawn number.
// Running out is an error: the code under test drew more than the test meant.
class ScriptedFractions : public FractionSource {
 public:
  explicit ScriptedFractions(std::vector<float> fractions) : fractions_(std::move(fractions)) {}

  float nextFraction() override {
    if (taken_ >= fractions_.size()) {
      throw std::logic_error("scripted fractions exhausted after " + std::to_string(taken_));
    }
    return fractions_[taken_++];
  }

  std::size_t taken() const { return taken_; }
  std::size_t remaining() const { return fractions_.size() - taken_; }

 private:
  std::vector<float> fractions_;
  std::size_t taken_ = 0;
};

// A fraction that a whole-number draw with `bound` turns into `value`
// (0 <= value <= bound): a quarter above it, kept below 1 for value == bound.
inline float fractionThatDraws(double value, double bound) {
  const float u = static_cast<float>((value + 0.25) / bound);
  return u < 1.0f ? u : std::nextafter(1.0f, 0.0f);
}

}  // namespace ws::test
