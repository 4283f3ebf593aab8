#pragma once

#include <cstdint>

namespace ws {

// Where every random fraction of every sheet comes from: uniform in [0, 1).
// Tests put a scripted source in its place.
class FractionSource {
 public:
  virtual ~FractionSource() = default;
  virtual float nextFraction() = 0;
};

// The program's one generator. It starts in the same state at every start and
// is never seeded, so the same answers in the same order give the same sheets.
class Generator final : public FractionSource {
 public:
  // It runs through all of its 2^24 states, so this one among them.
  static constexpr float kLargestFraction = 1.0f - 1.0f / 16777216.0f;

  float nextFraction() override;

 private:
  std::uint32_t state_ = 327680;
};

}  // namespace ws
