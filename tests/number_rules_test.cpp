#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/number_draw.h"
#include "common/number_text.h"
#include "common/parameter_block.h"
#include "common/random.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Generator, EveryStartRepeatsTheSameFractions) {
  Generator generator;
  EXPECT_EQ(generator.nextFraction(), 0.7055475115776062);
  EXPECT_EQ(generator.nextFraction(), 0.5334240198135376);
  EXPECT_EQ(generator.nextFraction(), 0.5795186161994934);

  Generator first, second;
  for (int i = 0; i < 100000; ++i) {
    const float u = first.nextFraction();
    ASSERT_EQ(u, second.nextFraction());
    ASSERT_TRUE(u >= 0.0f && u < 1.0f) << u;
  }
}

struct DrawCase {
  float fraction;
  double bound;
  int places;
  double expected;
};

TEST(NumberDraw, RoundsHalvesToTheEvenNeighbour) {
  const DrawCase cases[] = {
      {0.25f, 10, 0, 2},
      {0.875f, 4, 0, 4},
      {0.5f, 1, 0, 0},
      {0.375f, 4, 0, 2},
      {0.125f, 1, 2, 0.12},
      {0.375f, 1, 2, 0.38},
      {0.0f, 10, 0, 0},
      {0.96f, 10, 0, 10},
      {0.123456f, 10, 3, 1.235},
      // Up to a bound of 10^4 the product is single precision: 0.35f x 10 lands exactly on 3.5.
      {0.35f, 10, 0, 4},
      {0.35f, 1e4, 5, 3500},
      // Above it double precision: a float product would give 35000 and 70554752.
      {0.35f, 1e5, 4, 34999.9994},
      {0.7055475115776062f, 1e8, 0, 70554751},
  };
  for (const DrawCase& c : cases) {
    ScriptedFractions fractions({c.fraction});
    EXPECT_EQ(drawNumber(fractions, c.bound, c.places), c.expected)
        << c.fraction << " x " << c.bound << " to " << c.places << " places";
    EXPECT_EQ(fractions.taken(), 1u);
  }
}

TEST(NumberDraw, WholeDrawsReachBothEndsWithHalfTheWeight) {
  Generator generator;
  std::map<double, int> counts;
  const int draws = 110000;
  for (int i = 0; i < draws; ++i) ++counts[drawNumber(generator, 10)];

  ASSERT_EQ(counts.size(), 11u);
  EXPECT_EQ(counts.begin()->first, 0);
  EXPECT_EQ(counts.rbegin()->first, 10);
  const double inner = draws / 10.0;
  for (const auto& [value, count] : counts) {
    const double expected = (value == 0 || value == 10) ? inner / 2 : inner;
    EXPECT_NEAR(count, expected, expected * 0.1) << value;
  }
}

TEST(NumberDraw, ScriptedFractionDrawsTheValueAskedFor) {
  for (double bound : {1.0, 10.0, 100.0, 1000.0, 1e4, 1e6}) {
    for (double value : {0.0, 1.0, std::floor(bound / 2), bound - 1, bound}) {
      ScriptedFractions fractions({fractionThatDraws(value, bound)});
      EXPECT_EQ(drawNumber(fractions, bound), value) << value << " of " << bound;
    }
  }
  ScriptedFractions fractions({0.5f});
  drawNumber(fractions, 10);
  EXPECT_EQ(fractions.remaining(), 0u);
  EXPECT_THROW(drawNumber(fractions, 10), std::logic_error);
}

TEST(RangeBound, CountsOnlyTheWholeDigitsFromOneUp) {
  const std::pair<double, double> cases[] = {
      {0, 1},     {-1, 1},   {0.5, 1},   {0.99, 1}, {1, 10},
      {2.5, 100}, {3, 1000}, {22, 1e22}, {kNaN, 1}, {-kInf, 1},
  };
  for (const auto& [digits, bound] : cases) EXPECT_EQ(rangeBound(digits), bound) << digits;
}

TEST(RangeBound, StaysFiniteForHugeCounts) {
  const double largest = rangeBound(308);
  EXPECT_TRUE(std::isfinite(largest));
  EXPECT_DOUBLE_EQ(largest, 1e308);
  for (double digits : {308.5, 309.0, 1e18, kInf}) EXPECT_EQ(rangeBound(digits), largest) << digits;
}

TEST(DecimalPlaces, AnswersBecomeUsablePlaceCounts) {
  const std::pair<double, int> cases[] = {
      {0, 0},    {2, 2},   {2.5, 2}, {3.5, 4},    {2.6, 3},   {-1, 0},
      {-0.5, 0}, {15, 15}, {16, 15}, {1e300, 15}, {kInf, 15}, {kNaN, 0},
  };
  for (const auto& [answer, places] : cases) EXPECT_EQ(decimalPlaces(answer), places) << answer;
}

TEST(RoundHalfEven, RoundsNegativeHalvesAndLeavesWholeValuesAlone) {
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-3.5), -4);
  EXPECT_EQ(roundHalfEven(1e300, 15), 1e300);
  EXPECT_EQ(roundHalfEven(0.1, 400), 0.1);
  EXPECT_EQ(roundHalfEven(1.5, -2), 2);
}

struct TextCase {
  double value;
  const char* comma;
  const char* point;
};

TEST(NumberText, CaptionUsesTheUsersSeparatorAndFifteenDigits) {
  const TextCase cases[] = {
      {1000, "1000", "1000"},
      {0, "0", "0"},
      {-0.0, "0", "0"},
      {-3, "-3", "-3"},
      {12.5, "12,5", "12.5"},
      {0.1 + 0.2, "0,3", "0.3"},
      {123456789012345.6, "123456789012346", "123456789012346"},
      {7.055475115776062e20, "7,05547511577606E+20", "7.05547511577606E+20"},
      {1e15, "1E+15", "1E+15"},
      {1e-5, "1E-05", "1E-05"},
      {0.0001, "0,0001", "0.0001"},
      {kInf, "1,79769313486232E+308", "1.79769313486232E+308"},
      {-kInf, "-1,79769313486232E+308", "-1.79769313486232E+308"},
      {kNaN, "0", "0"},
  };
  const NumberText comma(","), point(".");
  for (const TextCase& c : cases) {
    EXPECT_EQ(comma.caption(c.value), c.comma);
    EXPECT_EQ(point.caption(c.value), c.point);
    const std::string spaced = NumberText::spaced(c.value);
    EXPECT_EQ(spaced, (spaced.starts_with('-') ? "" : " ") + std::string(c.point));
  }
}

TEST(NumberText, ReadBackTakesTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {" 12", 12},
      {"\t12", 12},
      {"12a", 12},
      {"", 0},
      {"Label9", 0},
      {"...", 0},
      {"-", 0},
      {".", 0},
      {"1", 1},
      {"+7", 7},
      {"-3", -3},
      {"12,5", 12.5},
      {" 12.5", 12.5},
      {".5", 0.5},
      {"12.", 12},
      {"1,2,3", 1.2},
      {"1.5.5", 1.5},
      {"1E3", 1000},
      {"2,5e-1", 0.25},
      {"1e", 1},
      {"1e+", 1},
      {"3 4", 3},
      {"- 5", 0},
      {"-0", 0},
      {"1e400", kLargest},
      {"-1e400", -kLargest},
      {"1e-400", 0},
      {"1e999999999999", kLargest},
      {"1,79769313486232E+308", kLargest},
  };
  const NumberText text(",");
  for (const auto& [field, value] : cases)
    EXPECT_EQ(text.read(field), value) << '"' << field << '"';
  EXPECT_FALSE(std::signbit(text.read("-0")));
}

TEST(NumberText, ReadWithPointIgnoresTheUsersSeparator) {
  EXPECT_EQ(NumberText::readWithPoint("2,5"), 2);
  EXPECT_EQ(NumberText::readWithPoint(" 2.5"), 2.5);
  const NumberText arabic("\u066B");
  EXPECT_EQ(arabic.read("2\u066B5"), 2.5);
  EXPECT_EQ(arabic.read("2.5"), 2.5);
  EXPECT_EQ(arabic.read("2,5"), 2);
  EXPECT_EQ(arabic.caption(2.5), "2\u066B5");
}

TEST(NumberText, EveryFormReadsBackAsTheDrawnNumber) {
  Generator generator;
  const NumberText comma(","), point(".");
  for (int i = 0; i < 2000; ++i) {
    const double x = drawNumber(generator, rangeBound(i % 9), i % 4);
    for (const NumberText* text : {&comma, &point}) {
      ASSERT_EQ(text->read(text->caption(x)), x) << text->caption(x);
      ASSERT_EQ(text->read(NumberText::spaced(x)), x) << NumberText::spaced(x);
      ASSERT_EQ(text->read(text->caption(-x)), -x);
    }
  }
}

TEST(NumberText, DoesNotDependOnTheProcessLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* turkish = std::setlocale(LC_ALL, "tr_TR.UTF-8");
  if (turkish == nullptr) turkish = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (turkish == nullptr) GTEST_SKIP() << "no locale with a comma separator installed";
  const NumberText point(".");
  const std::string caption = point.caption(12.5), spaced = NumberText::spaced(-0.25);
  const double read = point.read("12.5"), withPoint = NumberText::readWithPoint("12.5");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(caption, "12.5");
  EXPECT_EQ(spaced, "-0.25");
  EXPECT_EQ(read, 12.5);
  EXPECT_EQ(withPoint, 12.5);
}

TEST(ParameterBlock, StartsWithTheDesignCaptions) {
  const ParameterBlock block;
  const std::tuple<Field, const char*, const char*> fields[] = {
      {Field::Label1, "Label1", "?"},      {Field::Label2, "Label2", "+"},
      {Field::Label3, "Label3", "?"},      {Field::Label4, "Label4", "="},
      {Field::Label5, "Label5", "?"},      {Field::Label8, "Label8", "Label8"},
      {Field::Label9, "Label9", "Label9"},
  };
  for (const auto& [field, name, text] : fields) {
    EXPECT_STREQ(ParameterBlock::name(field), name);
    EXPECT_EQ(block.get(field), text) << name;
  }
}

}  // namespace
}  // namespace ws
