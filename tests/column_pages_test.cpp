#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/number_draw.h"
#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

// The column pages of addition, subtraction, multiplication and division: each problem is an
// upper number (the dividend), a lower number (the divisor) and a result line; on the decimal
// pages each of them split into a whole and a fraction part around the comma.
namespace ws {
namespace {

const NumberText kNumbers{","};

ParameterBlock answers(const char* variant, int d1 = 1, int d2 = 2, int p1 = 0, int p2 = 0) {
  ParameterBlock block;
  for (auto [field, n] : {std::pair{Field::Label1, d1},
                          {Field::Label3, d2},
                          {Field::Label4, p1},
                          {Field::Label8, p2}})
    block.set(field, std::to_string(n));
  block.set(Field::Label5, variant);
  return block;
}

std::string row(const Page& page, int k) {
  return page.text("Label2", k).caption + " " + page.text("Label3", k).caption + " " +
         page.text("Label4", k).caption;
}

enum Sheet { Plain, Missing, Mixed, Remainder, Exact };

// Problem k of a sheet whose draws, exchanged where the sheet exchanges, are upper and lower.
std::string shown(PageKind kind, Sheet sheet, int k, int upper, int lower) {
  const std::string u = std::to_string(upper), l = std::to_string(lower);
  if (sheet == Remainder) return u + " " + l + " ........";
  if (sheet == Exact) return std::to_string(upper * lower) + " " + u + " ........";
  const int result = kind == PageKind::Form2   ? upper + lower
                     : kind == PageKind::Form3 ? upper - lower
                                               : upper * lower;
  const int role = sheet == Missing ? k % 3 : 0;  // result, upper or lower asked for
  return (role == 1 ? "..." : u) + " " + (role == 2 ? "..." : l) + " " +
         (role == 0 ? "..." : std::to_string(result));
}

// Problem k draws its own pair (upper from 0 to 10, lower from 0 to 100): some in order, some
// the other way round, every fifth equal, none 0 (a divisor 0 is drawn again); problem 1 is the
// worked example, 7 and 12.
std::pair<int, int> drawn(int k) {
  if (k == 1) return {7, 12};
  return k % 5 == 0 ? std::pair{k % 10 + 1, k % 10 + 1} : std::pair{3 * k % 10 + 1, 7 * k % 40};
}

TEST(ColumnPages, EveryVariantDrawsAndWritesItsProblemsAlongTheIndex) {
  // An answer that is no number reads 0: the plain sheet, or the exact division.
  const std::tuple<PageKind, const char*, Sheet> cases[] = {
      {PageKind::Form2, "abc", Plain},  {PageKind::Form2, "1,0", Missing},
      {PageKind::Form2, "2", Mixed},    {PageKind::Form3, "0,0", Plain},
      {PageKind::Form3, "5", Missing},  {PageKind::Form4, "0", Plain},
      {PageKind::Form4, "-2", Missing}, {PageKind::Form5, "2", Remainder},
      {PageKind::Form5, "x", Exact}};
  for (const auto& [kind, variant, sheet] : cases) {
    const int problems = kind == PageKind::Form5 ? 12 : 30;
    std::vector<float> fractions;
    for (int k = 0; k < problems; ++k) {
      fractions.push_back(test::fractionThatDraws(drawn(k).first, 10));
      fractions.push_back(test::fractionThatDraws(drawn(k).second, 100));
    }
    test::ScriptedFractions random(fractions);
    const Page page = drawPage(kind, LoadContext{answers(variant), random, kNumbers});
    EXPECT_EQ(random.remaining(), 0u) << variant;
    for (int k = 0; k < problems; ++k) {
      auto [upper, lower] = drawn(k);
      if ((kind != PageKind::Form2 || sheet == Mixed) && lower > upper) std::swap(upper, lower);
      EXPECT_EQ(row(page, k), shown(kind, sheet, k, upper, lower))
          << formName(kind) << " variant " << variant << " problem " << k;
      // The mixed sheet turns the even problems into subtractions.
      if (kind == PageKind::Form2) {
        EXPECT_EQ(page.line("Line2", k).visible, sheet != Mixed || k % 2);
      }
    }
  }
}

TEST(ColumnPages, ADivisorZeroDrawsItsPairAgainWithTheSameBoundsAndOrdering) {
  // Pairs as drawn, the first from 0 to 10 and the second from 0 to 100; problems 3 to 11
  // draw 9 and 5.
  using Pairs = std::vector<std::pair<int, int>>;
  using Rows = std::vector<std::string>;
  for (auto [variant, pairs, expected] :
       {std::tuple{"1", Pairs{{7, 12}, {5, 0}, {3, 4}, {0, 0}, {0, 50}, {2, 1}},
                   Rows{"12 7 ........", "4 3 ........", "2 1 ........", "9 5 ........"}},
        // Exact: the divisor is the larger draw, so only two draws of 0 are drawn again.
        {"0", Pairs{{7, 12}, {5, 0}, {0, 0}, {0, 50}},
         Rows{"84 12 ........", "0 5 ........", "0 50 ........", "45 9 ........"}}}) {
    std::vector<float> fractions;
    for (int k = 3; k < 12; ++k) pairs.push_back({9, 5});
    for (auto [first, second] : pairs) {
      fractions.push_back(test::fractionThatDraws(first, 10));
      fractions.push_back(test::fractionThatDraws(second, 100));
    }
    test::ScriptedFractions random(fractions);
    const Page page = drawPage(PageKind::Form5, LoadContext{answers(variant), random, kNumbers});
    EXPECT_EQ((Rows{row(page, 0), row(page, 1), row(page, 2), row(page, 3)}), expected);
    EXPECT_EQ(random.remaining(), 0u) << variant;
  }
}

TEST(ColumnPages, NoDivisionSheetDividesByZero) {
  for (const char* variant : {"1", "0"}) {
    for (int places : {0, 1}) {  // tiny bounds: most draws are 0
      Generator generator;
      for (int sheet = 0; sheet < 100; ++sheet) {
        const Page page =
            drawPage(PageKind::Form5,
                     LoadContext{answers(variant, 0, 0, places, places), generator, kNumbers});
        for (int k = 0; k < 12; ++k)
          ASSERT_NE(kNumbers.read(page.text("Label3", k).caption), 0)
              << variant << ": " << row(page, k);
      }
    }
  }
}

TEST(ColumnPages, DecimalNumbersAndProductsDropTrailingZeros) {
  // Drawn with two places, then one; 1.5 x 0.2 is 0.30000000000000004 in doubles.
  const double pairs[][2] = {{1.25, 0.4}, {3.75, 1.2}, {1.5, 0.2}, {0.5, 1.2}};
  std::vector<float> fractions;
  for (int k = 0; k < 30; ++k) {
    fractions.push_back((pairs[k % 4][0] + 0.0025) / 10);
    fractions.push_back((pairs[k % 4][1] + 0.025) / 10);
  }
  using Rows = std::vector<std::string>;
  for (auto [kind, variant, expected] :
       {std::tuple{PageKind::Form4, "1",
                   Rows{"1,25 0,4 ...", "... 1,2 4,5", "1,5 ... 0,3", "1,2 0,5 ..."}},
        {PageKind::Form5, "0",
         Rows{"0,5 1,25 ........", "4,5 3,75 ........", "0,3 1,5 ........", "0,6 1,2 ........"}}}) {
    test::ScriptedFractions draws(fractions);
    const Page page = drawPage(kind, LoadContext{answers(variant, 1, 1, 2, 1), draws, kNumbers});
    EXPECT_EQ((Rows{row(page, 0), row(page, 1), row(page, 2), row(page, 3)}), expected);
  }
}

// The six cells of decimal problem k: upper whole and fraction, lower ones, result line.
std::string cells(const Page& page, int k) {
  std::string all;
  for (const char* name : {"Label2", "Label6", "Label3", "Label7", "Label4", "Label8"})
    all += (all.empty() ? "" : " ") + page.text(name, k).caption;
  return all;
}

// A decimal page whose every problem draws the same two fractions of the bounds.
Page decimalPage(PageKind kind, float first, float second, int d1, int p1, int d2, int p2) {
  std::vector<float> fractions;
  for (int k = 0; k < 18; ++k) fractions.insert(fractions.end(), {first, second});
  test::ScriptedFractions draws(fractions);
  Page page = drawPage(kind, LoadContext{answers("0", d1, d2, p1, p2), draws, kNumbers});
  EXPECT_EQ(draws.remaining(), 0u);
  return page;
}

TEST(DecimalColumns, SplitTheLargerNumberOnTopAndTheSmallerBelowAroundTheComma) {
  struct Case {
    PageKind kind;
    int d1, p1, d2, p2;
    double first, second;
    const char* shown;
  } const cases[] = {{PageKind::Form18, 1, 2, 2, 2, 3.5, 12.07, "12 07 3 5"},  // the worked example
                     {PageKind::Form19, 1, 2, 2, 1, 9.25, 0.5, "9 25 0 5"},
                     {PageKind::Form19, 2, 0, 1, 3, 12, 8, "12 0 8 0"},  // 8 drawn as 8.000
                     {PageKind::Form18, 14, 1, 0, 0, 5e13, 0, "50000000000000 0 0 0"},
                     {PageKind::Form18, 0, 5, 0, 0, 0.00003, 0, "0 00003 0 0"}};
  for (const Case& c : cases) {
    // Each draw a quarter step above its value.
    const Page page = decimalPage(
        c.kind, (c.first + 0.25 * std::pow(10, -c.p1)) / std::pow(10, c.d1),
        (c.second + 0.25 * std::pow(10, -c.p2)) / std::pow(10, c.d2), c.d1, c.p1, c.d2, c.p2);
    for (int k = 0; k < 18; ++k)
      EXPECT_EQ(cells(page, k), std::string(c.shown) + " ... ...") << c.first << " problem " << k;
  }
}

// A number's two cells worked out by hand from its exact binary value: 15 significant
// digits, an exact half to the even neighbour, a carry running into the whole part.
std::string roundedCells(double x) {
  char buffer[128];
  const std::string exact(
      buffer, std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 60).ptr);
  std::string digits = exact;
  std::size_t point = digits.find('.');
  digits.erase(point, 1);
  const std::size_t first = digits.find_first_not_of('0');
  const std::size_t end = first + 15;
  if (end < digits.size()) {
    const std::string rest = digits.substr(end);
    const bool half = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
    bool up = rest[0] > '5' || (rest[0] == '5' && !half) || (half && (digits[end - 1] - '0') % 2);
    digits.erase(end);
    for (std::size_t i = end; up && i-- > 0;) {
      up = digits[i] == '9';
      digits[i] = up ? '0' : digits[i] + 1;
    }
    if (up) digits.insert(0, "1"), ++point;
  }
  std::string whole = digits.substr(0, point), fraction = digits.substr(point);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  fraction.erase(fraction.find_last_not_of('0') + 1);
  return whole + " " + (fraction.empty() ? "0" : fraction);
}

// From 16 significant digits on a cell rounds as every number is written ("814490020275,116"),
// never cuts; pages of the generator as it runs, whole and fraction cells together.
TEST(DecimalColumns, CellsShowTheNumberRoundedToFifteenSignificantDigits) {
  Generator generator;
  for (auto [kind, digits, places] : {std::tuple{PageKind::Form18, 14, 2},
                                      {PageKind::Form19, 12, 4},
                                      {PageKind::Form18, 13, 3}}) {
    for (int sheet = 0; sheet < 20; ++sheet) {
      std::vector<float> fractions;
      for (int i = 0; i < 36; ++i) fractions.push_back(generator.nextFraction());
      // With 13 digits and 3 places 4000324010848,999 carries: 4000324010849,0.
      if (sheet == 0) fractions[0] = 6711430 / 16777216.0f;
      test::ScriptedFractions draws(fractions), again(fractions);
      const Page page = drawPage(
          kind, LoadContext{answers("0", digits, digits, places, places), draws, kNumbers});
      for (int k = 0; k < 18; ++k) {
        double upper = drawNumber(again, std::pow(10, digits), places);
        double lower = drawNumber(again, std::pow(10, digits), places);
        if (upper < lower) std::swap(upper, lower);
        const std::string expected = roundedCells(upper) + " " + roundedCells(lower) + " ... ...";
        ASSERT_EQ(cells(page, k), expected) << digits << " + " << places << ", problem " << k;
      }
    }
  }
}

TEST(DecimalColumns, OtherVariantsDrawNothing) {
  test::ScriptedFractions none({});
  const Page page = drawPage(PageKind::Form19, LoadContext{answers("1"), none, kNumbers});
  EXPECT_EQ(page.text("Label2", 0).caption, "Label2");
}

TEST(DecimalColumns, PicturesOnOrOffEveryProblemStandsAtTheSamePlaceOnThePaper) {
  for (PageKind kind : {PageKind::Form18, PageKind::Form19}) {
    ParameterBlock block;
    Generator generator;
    block.set(Field::Label2, "E");
    const Page shown = drawPage(kind, LoadContext{block, generator, kNumbers});
    block.set(Field::Label2, "H");
    const Page hidden = drawPage(kind, LoadContext{block, generator, kNumbers});
    ASSERT_TRUE(shown.picture("Image2").visible && !hidden.picture("Image2").visible);
    const Box on = shown.drawnArea(), off = hidden.drawnArea();
    EXPECT_EQ(std::tie(on.left, on.top, on.width, on.height),
              std::tie(off.left, off.top, off.width, off.height));
  }
}

}  // namespace
}  // namespace ws
