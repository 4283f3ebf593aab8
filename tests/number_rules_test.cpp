#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "common/number_draw.h"
#include "common/number_text.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Generator, EveryStartBeginsTheSameSeriesOfFractionsBelowOne) {
  Generator generator;
  for (double first : {0.7055475115776062, 0.5334240198135376, 0.5795186161994934})
    EXPECT_EQ(generator.nextFraction(), first);
  for (int i = 0; i < 100000; ++i) {
    const float u = generator.nextFraction();
    ASSERT_TRUE(u >= 0.0f && u < 1.0f) << u;
  }
}

// Bounds up to 10^4 multiply in single precision (0.35f x 10 is exactly 3.5), larger in double.
TEST(NumberDraw, RoundsHalvesToTheEvenNeighbour) {
  const std::tuple<float, double, int, double> cases[] = {
      {0.25f, 10, 0, 2},        {0.875f, 4, 0, 4},     {0.5f, 1, 0, 0},
      {0.375f, 4, 0, 2},        {0.0f, 10, 0, 0},      {0.96f, 10, 0, 10},
      {0.125f, 1, 2, 0.12},     {0.375f, 1, 2, 0.38},  {0.123456f, 10, 3, 1.235},
      {0.35f, 10, 0, 4},        {0.35f, 1e4, 5, 3500}, {0.35f, 1e5, 4, 34999.9994},
      {0.35f, 1e8, 0, 34999999}};
  for (const auto& [fraction, bound, places, expected] : cases) {
    test::ScriptedFractions fractions({fraction});
    EXPECT_EQ(drawNumber(fractions, bound, places), expected)
        << fraction << " x " << bound << " to " << places << " places";
  }
}

TEST(RangeBound, CountsWholeDigitsFromOneAndStaysFinite) {
  const std::pair<double, double> bounds[] = {
      {0, 1},       {-1, 1},       {0.5, 1},      {0.99, 1},    {1, 10},
      {2.5, 100},   {3, 1000},     {22, 1e22},    {308, 1e308}, {308.5, 1e308},
      {309, 1e308}, {1e18, 1e308}, {kInf, 1e308}, {kNaN, 1},    {-kInf, 1}};
  for (const auto& [digits, bound] : bounds) EXPECT_DOUBLE_EQ(rangeBound(digits), bound) << digits;
}

TEST(NumberText, CaptionAndSpacedFormsKeepFifteenDigitsAndNeverShowInfOrNan) {
  // value, caption with a comma, caption with a full stop (also the spaced form after its blank)
  const std::tuple<double, const char*, const char*> cases[] = {
      {-0.0, "0", "0"},
      {-3, "-3", "-3"},
      {12.5, "12,5", "12.5"},
      {123456789012345.6, "123456789012346", "123456789012346"},
      {99999999999999.99, "100000000000000", "100000000000000"},
      {7.055475115776062e20, "7,05547511577606E+20", "7.05547511577606E+20"},
      {1.8e-5, "0,000018", "0.000018"},
      {-2e-5, "-0,00002", "-0.00002"},
      {1.234567890123456e-7, "0,000000123456789012346", "0.000000123456789012346"},
      {9.9999999999999999e-5, "0,0001", "0.0001"},
      {0.0001, "0,0001", "0.0001"},
      {kInf, "1,79769313486232E+308", "1.79769313486232E+308"},
      {kNaN, "0", "0"}};
  const NumberText comma(","), point(".");
  for (const auto& [value, withComma, withPoint] : cases) {
    EXPECT_EQ(comma.caption(value), withComma);
    EXPECT_EQ(point.caption(value), withPoint);
    EXPECT_EQ(NumberText::spaced(value), (value < 0 ? "" : " ") + std::string(withPoint));
  }
}

TEST(NumberText, ReadBackTakesTheLeadingNumberOfEitherSeparator) {
  const std::pair<const char*, double> cases[] = {
      {" 12", 12},     {"12a", 12},      {"", 0},         {"Label9", 0}, {"...", 0},
      {"-3", -3},      {"12,5", 12.5},   {" 12.5", 12.5}, {".5", 0.5},   {"1,2,3", 1.2},
      {"1E3", 1000},   {"2,5e-1", 0.25}, {"1e+", 1},      {"- 5", 0},    {"1e-400", 0},
      {"1e400", kMax}, {"-1e400", -kMax}};
  const NumberText text(",");
  for (const auto& [field, value] : cases) EXPECT_EQ(text.read(field), value) << field;
  EXPECT_EQ(text.read("1e" + std::string(20, '9')), kMax);
  EXPECT_FALSE(std::signbit(text.read("-0")));
  // A separator of more than one byte.
  const NumberText arabic("\u066B");
  EXPECT_EQ(arabic.read(arabic.caption(2.5)), 2.5);
  EXPECT_EQ(arabic.read("2,5"), 2);
}

// Products of small fractions included (0,003 x 0,006): no pupil meets an exponent.
TEST(NumberText, EveryFormReadsBackAsTheDrawnNumberUnderEitherSeparator) {
  Generator generator;
  for (int i = 0; i < 12000; ++i) {
    const double product = drawNumber(generator, 1, 3 + i % 3) * drawNumber(generator, 1, 3);
    ASSERT_EQ(NumberText::spaced(product).find('E'), std::string::npos) << product;
    const double x = drawNumber(generator, rangeBound(i % 9), i % 6);
    for (const NumberText& text : {NumberText(","), NumberText(".")}) {
      ASSERT_EQ(text.read(text.caption(x)), x) << text.caption(x);
      ASSERT_EQ(text.read(NumberText::spaced(x)), x) << NumberText::spaced(x);
    }
  }
}

}  // namespace
}  // namespace ws
