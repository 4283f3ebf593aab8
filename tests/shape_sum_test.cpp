#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_frame.h"
#include "pages/symbol_font.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

constexpr int kProblems = 12;

Page drawShapeSums(const std::string& first, const std::string& second, FractionSource& random) {
  ParameterBlock block;
  NumberText numbers{","};
  block.set(Field::Label1, first);
  block.set(Field::Label3, second);
  return drawPage(PageKind::Form15, LoadContext{block, random, numbers});
}

TEST(ShapeSum, LargerNumberStandsOnTopFromExactlyTwentyFourDraws) {
  // First numbers up to 10, second up to 100: (first, second, expected upper, expected lower).
  const double pairs[kProblems][4] = {
      {3, 70, 70, 3}, {5, 5, 5, 5},     {10, 0, 10, 0},   {0, 0, 0, 0},
      {9, 10, 10, 9}, {10, 10, 10, 10}, {1, 100, 100, 1}, {7, 2, 7, 2},
      {0, 1, 1, 0},   {4, 40, 40, 4},   {6, 6, 6, 6},     {2, 99, 99, 2},
  };
  std::vector<float> fractions;
  for (const auto& p : pairs) {
    fractions.push_back(fractionThatDraws(p[0], 10));
    fractions.push_back(fractionThatDraws(p[1], 100));
  }
  ScriptedFractions random(fractions);
  const Page page = drawShapeSums("1", "2", random);
  EXPECT_EQ(random.remaining(), 0u);
  for (int k = 0; k < kProblems; ++k) {
    EXPECT_EQ(page.text("Label2", k).caption, std::to_string(int(pairs[k][2]))) << k;
    EXPECT_EQ(page.text("Label3", k).caption, std::to_string(int(pairs[k][3]))) << k;
  }
}

TEST(ShapeSum, NumbersAreDigitsOnlyAndNeverUpsideDown) {
  Generator random;
  for (const auto& [first, second] :
       {std::pair{"1", "2"}, {"2", "1"}, {"3", "3"}, {"0", "1"}, {"-2", "0"}}) {
    for (int sheet = 0; sheet < 100; ++sheet) {
      const Page page = drawShapeSums(first, second, random);
      for (int k = 0; k < kProblems; ++k) {
        const std::string& upper = page.text("Label2", k).caption;
        const std::string& lower = page.text("Label3", k).caption;
        ASSERT_EQ(upper.find_first_not_of("0123456789"), std::string::npos) << upper;
        ASSERT_EQ(lower.find_first_not_of("0123456789"), std::string::npos) << lower;
        ASSERT_GE(std::stoi(upper), std::stoi(lower));
      }
    }
  }
}

TEST(ShapeSum, LegendPairsEachDigitShapeWithItsDigit) {
  Generator random;
  const Page page = drawShapeSums("1", "1", random);
  for (int digit = 0; digit <= 9; ++digit) {
    const TextField& shape = page.text("Label4", digit);
    EXPECT_EQ(shape.caption, std::to_string(digit));
    EXPECT_EQ(shape.font.family, kSymbolFontFamily);
    EXPECT_EQ(page.text("Label5", digit).caption, "=" + std::to_string(digit));
  }
  for (int k = 0; k < kProblems; ++k) {
    EXPECT_EQ(page.text("Label2", k).font.family, kSymbolFontFamily);
    EXPECT_EQ(page.text("Label3", k).font.family, kSymbolFontFamily);
  }
}

}  // namespace
}  // namespace ws
