#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "pages/page_frame.h"
#include "pages/symbol_font.h"
#include "support/scripted_fractions.h"

// The symbol pages: patterns (Form11), missing numbers (Form13, Form14), digit-shape sums (Form15).
namespace ws {
namespace {

// Fractions that whole-number draws turn into `values`, the bounds taken in turn.
void add(std::vector<float>& fractions, std::initializer_list<double> values,
         std::initializer_list<double> bounds = {10}) {
  const double* bound = bounds.begin();
  for (double v : values) {
    fractions.push_back(test::fractionThatDraws(v, *bound));
    if (++bound == bounds.end()) bound = bounds.begin();
  }
}

Page draw(PageKind kind, FractionSource& random, const char* d1 = "1", const char* d3 = "1",
          const char* periodBound = "4") {
  ParameterBlock block;
  block.set(Field::Label1, d1);
  block.set(Field::Label3, d3);
  block.set(Field::Label4, periodBound);
  return drawPage(kind, LoadContext{block, random, NumberText{","}});
}

TEST(ShapePattern, HeadFollowsThePeriodBoundAndEmptyPlacesFollowTheHead) {
  const std::string p(paletteCodes());
  const std::string two{p[4], p[8], p[4], p[8]}, four{p[4], p[8], p[11], p[34]};
  const std::pair<const char*, std::string> cases[] = {
      {"1,5", two}, {"2", two}, {"3", {p[4], p[8], p[11], p[4]}}, {"4", four}, {"7", four}};
  std::string filler;
  for (int g = 0; g < 80; ++g) filler += fillerGroup();
  // Each row draws e, a, b and c again while a position lies outside 1..35 or repeats an earlier
  // one: this script settles on e = 5, a = 9, b = 12 and c = 35 after nine refused draws.
  std::vector<float> fractions;
  for (int row = 0; row < 12; ++row)
    add(fractions, {0, 36, 100, 5, 5, 9, 9, 5, 12, 12, 9, 5, 35}, {100});
  for (const auto& [bound, head] : cases) {
    test::ScriptedFractions random(fractions);
    const Page page = draw(PageKind::Form11, random, "1", "1", bound);
    EXPECT_EQ(random.remaining(), 0u) << "all four positions are drawn whatever the bound";
    for (int i = 0; i < 12; ++i) {
      EXPECT_EQ(page.text("Label2", i).caption, head + filler) << "bound " << bound;
      EXPECT_EQ(page.text("Label2", i).font.points, 25);
    }
  }
}

// Between 2 and 3 or 3 and 4 a bound matches no pattern length: such a row would get no head.
TEST(ShapePattern, OnlyFractionalBoundsThatMatchNoPatternAreRefused) {
  const std::pair<const char*, bool> cases[] = {
      {"2,5", true}, {"2.5", true}, {"3,01", true}, {"3,99", true}, {"2", false},
      {"3", false},  {"4", false},  {"1,5", false}, {"4,5", false}, {"abc", false}};
  for (const auto& [answer, refused] : cases) {
    ParameterBlock block;
    block.set(Field::Label4, answer);
    EXPECT_EQ(bool(pageDefinition(PageKind::Form11).check(block, NumberText())), refused) << answer;
  }
}

// Targets of 0 leave no addend below them and are drawn again, as are addends not below both.
TEST(ShapeAdditions, ZeroTargetsAndAddendsNotBelowTheSmallerTargetAreDrawnAgain) {
  std::vector<float> fractions;
  add(fractions, {0, 5, 3, 0, 4, 6});
  // 0.35 times 10 is 3.5 in single precision, which rounds to the even 4: not below the target;
  // the float just under it draws 3.
  for (int k = 0; k < 18; ++k) {
    add(fractions, {4, 9});
    fractions.push_back(0.35f);
    if (k % 4 == 3)
      fractions.push_back(std::nextafter(0.35f, 0.0f));
    else
      add(fractions, {double(k % 4)});
  }
  test::ScriptedFractions random(fractions);
  const Page page = draw(PageKind::Form13, random);
  EXPECT_EQ(random.remaining(), 0u);
  EXPECT_EQ(page.text("Label3", 0).caption + page.text("Label3", 1).caption, "46");
  for (int k = 0; k < 18; ++k) {
    const std::string r = std::to_string(k % 4);
    EXPECT_EQ(page.text("Label2", k).caption, k % 2 ? " " + r + " + ....." : "..... +  " + r);
  }
}

// Targets of no digits end up 1; with nine addend digits only a fraction of 0 draws below that.
TEST(ShapeAdditions, HugeAddendBoundBesideTargetsOfOneStillEnds) {
  Generator random;
  const Page page = draw(PageKind::Form13, random, "9", "0");
  for (int k = 0; k < 18; ++k)
    EXPECT_EQ(page.text("Label2", k).caption, k % 2 ? " 0 + ....." : "..... +  0");
}

TEST(ShapeSubtractions, OddMinuendsStartAtTheLargerTargetWithoutRedraws) {
  const int cases[][3] = {{5, 3, 5}, {3, 5, 5}, {4, 4, 4}, {0, 0, 0}};  // upper, lower, larger
  for (const auto& [upper, lower, larger] : cases) {
    std::vector<float> fractions;
    add(fractions, {double(upper), double(lower)});
    for (int j = 0; j < 9; ++j) add(fractions, {double(j % 3), double(j)});
    test::ScriptedFractions random(fractions);
    const Page page = draw(PageKind::Form14, random);
    EXPECT_EQ(random.remaining(), 0u);
    for (int j = 0; j < 9; ++j) {
      const std::string x = std::to_string(larger + j);
      EXPECT_EQ(page.text("Label2", 2 * j).caption, "..... -  " + std::to_string(j % 3));
      EXPECT_EQ(page.text("Label2", 2 * j + 1).caption, " " + x + " - .....");
    }
  }
}

TEST(ShapeSum, LargerNumberStandsOnTopFromExactlyTwentyFourDraws) {
  std::vector<float> fractions;  // first numbers drawn up to 10, second ones up to 100
  for (int half = 0; half < 2; ++half)
    add(fractions, {3, 70, 5, 5, 10, 0, 1, 100, 0, 1, 7, 2}, {10, 100});
  test::ScriptedFractions random(fractions);
  const Page page = draw(PageKind::Form15, random, "1", "2");
  EXPECT_EQ(random.remaining(), 0u);
  const char* shown[] = {"70/3", "5/5", "10/0", "100/1", "1/0", "7/2"};  // upper/lower
  for (int k = 0; k < 12; ++k)
    EXPECT_EQ(page.text("Label2", k).caption + "/" + page.text("Label3", k).caption, shown[k % 6]);
}

}  // namespace
}  // namespace ws
