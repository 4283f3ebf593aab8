#include "common/random.h"

namespace ws {

namespace {

// A 24-bit linear congruential generator: every state is exactly a float
// numerator, so the fraction carries single precision without rounding.
constexpr std::uint64_t kMultiplier = 16598013;
constexpr std::uint64_t kIncrement = 12820163;
constexpr std::uint32_t kStateMask = (1u << 24) - 1;
constexpr float kStateRange = 16777216.0f;  // 2^24

}  // namespace

float Generator::nextFraction() {
  // 64 bits, since state times multiplier exceeds 32 bits.
  state_ = static_cast<std::uint32_t>((state_ * kMultiplier + kIncrement) & kStateMask);
  return static_cast<float>(state_) / kStateRange;
}

}  // namespace ws
