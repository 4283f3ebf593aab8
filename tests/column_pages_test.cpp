#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

// The column pages of addition, subtraction, multiplication and division: each problem is an
// upper number (the dividend), a lower number (the divisor) and a result line.
namespace ws {
namespace {

const NumberText kNumbers{","};

ParameterBlock answers(const char* variant, const char* d1 = "1", const char* d2 = "2",
                       const char* p1 = "0", const char* p2 = "0") {
  ParameterBlock block;
  for (auto [field, text] : {std::pair{Field::Label1, d1},
                             {Field::Label3, d2},
                             {Field::Label4, p1},
                             {Field::Label8, p2},
                             {Field::Label5, variant}})
    block.set(field, text);
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
  const std::tuple<PageKind, const char*, Sheet> cases[] = {
      {PageKind::Form2, "0", Plain},     {PageKind::Form2, "abc", Plain},
      {PageKind::Form2, "1", Missing},   {PageKind::Form2, "1,0", Missing},
      {PageKind::Form2, "2", Mixed},     {PageKind::Form2, "-1", Mixed},
      {PageKind::Form3, "0,0", Plain},   {PageKind::Form3, "1", Missing},
      {PageKind::Form3, "5", Missing},   {PageKind::Form4, "0", Plain},
      {PageKind::Form4, "1", Missing},   {PageKind::Form4, "-2", Missing},
      {PageKind::Form5, "1", Remainder}, {PageKind::Form5, "2", Remainder},
      {PageKind::Form5, "0", Exact},     {PageKind::Form5, "x", Exact}};
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
    for (auto [d1, d2, p1, p2] : {std::tuple{"0", "0", "0", "0"},
                                  {"0", "1", "0", "0"},
                                  {"1", "0", "0", "0"},
                                  {"0", "0", "1", "1"}}) {  // 0,04 shows as 0: it counts as 0
      Generator generator;
      for (int sheet = 0; sheet < 100; ++sheet) {
        const Page page = drawPage(
            PageKind::Form5, LoadContext{answers(variant, d1, d2, p1, p2), generator, kNumbers});
        for (int k = 0; k < 12; ++k) {
          ASSERT_NE(kNumbers.read(page.text("Label3", k).caption), 0)
              << variant << " " << d1 << d2 << p1 << p2 << ": " << row(page, k);
        }
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
    const Page page =
        drawPage(kind, LoadContext{answers(variant, "1", "1", "2", "1"), draws, kNumbers});
    EXPECT_EQ((Rows{row(page, 0), row(page, 1), row(page, 2), row(page, 3)}), expected);
  }
}

TEST(ColumnPages, HugeProductsShowNoInfOrNan) {
  for (auto [kind, variant] : {std::pair{PageKind::Form4, "1"}, {PageKind::Form5, "0"}}) {
    for (const char* d1 : {"308", "1e9", "-5", "abc"}) {
      Generator generator;
      const Page page =
          drawPage(kind, LoadContext{answers(variant, d1, "308", "15", "40"), generator, kNumbers});
      for (int k = 0; k < 12; ++k)
        EXPECT_EQ(row(page, k).find_first_of("iInN"), std::string::npos) << row(page, k);
    }
  }
}

}  // namespace
}  // namespace ws
