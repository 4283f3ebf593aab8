#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/random.h"
#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

constexpr int kProblems = 30;

// A fraction that a draw with `bound` and `places` turns into `value`: a quarter step above.
float fractionFor(double value, double bound, int places) {
  return static_cast<float>((value + 0.25 * std::pow(10.0, -places)) / bound);
}

bool hasStroke(const Page& page, int x1, int y1, int x2, int y2) {
  return std::any_of(page.lines.begin(), page.lines.end(), [&](const Line& l) {
    const bool same = (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2) ||
                      (l.x1 == x2 && l.y1 == y2 && l.x2 == x1 && l.y2 == y1);
    return same && l.widthPixels == 2 && l.visible;
  });
}

class ColumnMultiplicationPage : public ::testing::Test {
 protected:
  // The answers of a whole-number command with one and two digits; tests change what they need.
  void SetUp() override {
    block.set(Field::Label1, "1");
    block.set(Field::Label3, "2");
    block.set(Field::Label2, "E");
    block.set(Field::Label4, "0");
    block.set(Field::Label8, "0");
    block.set(Field::Label5, "0");
  }

  Page load(FractionSource& source) {
    return drawPage(PageKind::Form4, LoadContext{block, source, numbers});
  }

  // Every problem k draws first[k] (bound 10) and second[k] (bound 100).
  static std::vector<float> wholeDraws(const std::vector<int>& first,
                                       const std::vector<int>& second) {
    std::vector<float> fractions;
    for (std::size_t k = 0; k < first.size(); ++k) {
      fractions.push_back(fractionThatDraws(first[k], 10));
      fractions.push_back(fractionThatDraws(second[k], 100));
    }
    return fractions;
  }

  ParameterBlock block;
  NumberText numbers{","};
};

TEST_F(ColumnMultiplicationPage, PlacesEveryProblemInItsRowAndColumn) {
  Generator generator;
  const Page page = load(generator);
  EXPECT_EQ(page.text("Label1").caption, "ÇARPMA İŞLEMLERİNİ YAPALIM.");
  EXPECT_EQ(page.text("Label1").align, Align::Centre);
  EXPECT_EQ(page.lines.size(), 3u * kProblems);

  struct Place {
    int k, left, top;
  };
  for (const Place& p : {Place{0, 600, 840}, Place{4, 9120, 840}, Place{5, 600, 2880},
                         Place{13, 7200, 5040}, Place{29, 9120, 11160}}) {
    SCOPED_TRACE(p.k);
    const TextField& upper = page.text("Label2", p.k);
    EXPECT_EQ(upper.box.left, p.left);
    EXPECT_EQ(upper.box.top, p.top);
    EXPECT_EQ(upper.box.width, 1215);
    EXPECT_EQ(upper.box.height, 375);
    EXPECT_EQ(upper.align, Align::Right);
    EXPECT_EQ(page.text("Label3", p.k).box.left, p.left);
    EXPECT_EQ(page.text("Label3", p.k).box.top, p.top + 360);
    EXPECT_EQ(page.text("Label4", p.k).box.left, p.left);
    EXPECT_EQ(page.text("Label4", p.k).box.top, p.top + 720);
    EXPECT_EQ(page.text("Label4", p.k).align, Align::Right);
    const int l = p.left, t = p.top;
    EXPECT_TRUE(hasStroke(page, l - 240, t + 720, l + 1200, t + 720)) << "bar";
    EXPECT_TRUE(hasStroke(page, l, t + 480, l - 240, t + 720)) << "cross";
    EXPECT_TRUE(hasStroke(page, l - 240, t + 480, l, t + 720)) << "cross";
  }

  const Picture& picture = page.picture("Image1");
  EXPECT_TRUE(picture.switched);
  EXPECT_TRUE(picture.visible);
  EXPECT_EQ(picture.box.left, 2520);
  EXPECT_EQ(picture.box.top, 2640);
  EXPECT_EQ(picture.box.width, 6015);
  EXPECT_EQ(picture.box.height, 5775);
}

TEST_F(ColumnMultiplicationPage, WorkedExampleAsksForTheUpperFactor) {
  block.set(Field::Label5, "1");
  std::vector<int> first(kProblems, 3), second(kProblems, 2);
  first[1] = 7;
  second[1] = 12;
  ScriptedFractions draws(wholeDraws(first, second));
  const Page page = load(draws);
  EXPECT_EQ(page.text("Label2", 1).caption, "...");
  EXPECT_EQ(page.text("Label3", 1).caption, "7");
  EXPECT_EQ(page.text("Label4", 1).caption, "84");
}

// Each problem k draws its own pair, so a sheet that took its 60 draws in any other order,
// or put the smaller factor on top, or cycled the missing factor otherwise, shows it.
TEST_F(ColumnMultiplicationPage, MissingFactorCycleRunsAlongTheIndex) {
  block.set(Field::Label5, "1");
  std::vector<int> first, second;
  for (int k = 0; k < kProblems; ++k) {
    first.push_back(k % 9 + 1);
    second.push_back(k * 7 % 13);
  }
  ScriptedFractions draws(wholeDraws(first, second));
  const Page page = load(draws);
  EXPECT_EQ(draws.remaining(), 0u);

  for (int k = 0; k < kProblems; ++k) {
    SCOPED_TRACE(k);
    const int upper = std::max(first[k], second[k]);
    const int lower = std::min(first[k], second[k]);
    const std::string product = std::to_string(upper * lower);
    const std::string shown[3][3] = {
        {std::to_string(upper), std::to_string(lower), "..."},
        {"...", std::to_string(lower), product},
        {std::to_string(upper), "...", product},
    };
    EXPECT_EQ(page.text("Label2", k).caption, shown[k % 3][0]);
    EXPECT_EQ(page.text("Label3", k).caption, shown[k % 3][1]);
    EXPECT_EQ(page.text("Label4", k).caption, shown[k % 3][2]);
  }
}

TEST_F(ColumnMultiplicationPage, PlainSheetPutsTheLargerFactorOnTop) {
  std::vector<int> first(kProblems, 4), second(kProblems, 9);
  first[0] = 5;  // equal draws stay as drawn
  second[0] = 5;
  first[1] = 10;  // no exchange needed
  second[1] = 3;
  ScriptedFractions draws(wholeDraws(first, second));
  const Page page = load(draws);
  EXPECT_EQ(draws.remaining(), 0u);
  EXPECT_EQ(page.text("Label2", 0).caption, "5");
  EXPECT_EQ(page.text("Label3", 0).caption, "5");
  EXPECT_EQ(page.text("Label2", 1).caption, "10");
  EXPECT_EQ(page.text("Label3", 1).caption, "3");
  for (int k = 2; k < kProblems; ++k) {
    EXPECT_EQ(page.text("Label2", k).caption, "9");
    EXPECT_EQ(page.text("Label3", k).caption, "4");
  }
  for (int k = 0; k < kProblems; ++k) EXPECT_EQ(page.text("Label4", k).caption, "...");
}

std::vector<std::string> captions(const Page& page) {
  std::vector<std::string> all;
  for (const TextField& t : page.texts) all.push_back(t.caption);
  return all;
}

TEST_F(ColumnMultiplicationPage, EveryNonZeroVariantGivesTheMissingFactorSheet) {
  auto sheet = [&](const char* variant) {
    block.set(Field::Label5, variant);
    Generator generator;
    return captions(load(generator));
  };
  const auto one = sheet("1");
  EXPECT_EQ(sheet("2"), one);
  EXPECT_EQ(sheet("-1"), one);
  EXPECT_NE(sheet("0"), one);
  EXPECT_EQ(sheet("0,0"), sheet("0"));
}

TEST_F(ColumnMultiplicationPage, DecimalProductDropsTrailingZeros) {
  block.set(Field::Label1, "1");
  block.set(Field::Label3, "1");
  block.set(Field::Label4, "2");
  block.set(Field::Label8, "1");
  block.set(Field::Label5, "1");
  std::vector<float> fractions;
  // (first, second) draw of problems 0 to 5, repeated over the sheet.
  const double pairs[][2] = {{1, 1}, {1.25, 0.4}, {3.75, 1.2}, {0.5, 1.2}, {2.5, 0.2}, {1, 1}};
  for (int k = 0; k < kProblems; ++k) {
    const auto& pair = pairs[k % 6];
    fractions.push_back(fractionFor(pair[0], 10, 2));
    fractions.push_back(fractionFor(pair[1], 10, 1));
  }
  ScriptedFractions draws(fractions);
  const Page page = load(draws);
  EXPECT_EQ(page.text("Label3", 1).caption, "0,4");
  EXPECT_EQ(page.text("Label4", 1).caption, "0,5");
  EXPECT_EQ(page.text("Label2", 2).caption, "3,75");
  EXPECT_EQ(page.text("Label4", 2).caption, "4,5");
  // 0.5 is smaller than 1.2: the first number's places end up on the lower line.
  EXPECT_EQ(page.text("Label2", 3).caption, "1,2");
  EXPECT_EQ(page.text("Label3", 3).caption, "0,5");
  EXPECT_EQ(page.text("Label3", 4).caption, "0,2");
  EXPECT_EQ(page.text("Label4", 4).caption, "0,5");
}

// The places answer is taken to a whole number from 0 to 15, halves to even.
TEST_F(ColumnMultiplicationPage, DecimalPlacesAreReadAsAWholeNumberFromZeroToFifteen) {
  struct Case {
    const char* answer;
    const char* upper;
  };
  const Case cases[] = {{"0", "1"},
                        {"2", "1,23"},
                        {"2,5", "1,23"},
                        {"3,5", "1,2346"},
                        {"-3", "1"},
                        {"abc", "1"},
                        {"1e400", "1,23456001281738"},
                        {"40", "1,23456001281738"},
                        {"15", "1,23456001281738"}};
  block.set(Field::Label1, "1");
  block.set(Field::Label3, "0");
  for (const Case& c : cases) {
    block.set(Field::Label4, c.answer);
    std::vector<float> fractions(2 * kProblems, 0.0f);
    fractions[0] = 0.123456f;
    ScriptedFractions draws(fractions);
    EXPECT_EQ(load(draws).text("Label2", 0).caption, c.upper) << c.answer;
  }
}

TEST_F(ColumnMultiplicationPage, NoCaptionEverShowsInfOrNan) {
  const char* digits[] = {"200", "308", "1e9", "-5", "abc", "0,5"};
  for (const char* first : digits) {
    for (const char* second : digits) {
      block.set(Field::Label1, first);
      block.set(Field::Label3, second);
      block.set(Field::Label4, "15");
      block.set(Field::Label8, "15");
      block.set(Field::Label5, "1");
      Generator generator;
      for (const TextField& t : load(generator).texts) {
        std::string lower = t.caption;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        ASSERT_EQ(lower.find("inf"), std::string::npos) << first << " " << second;
        ASSERT_EQ(lower.find("nan"), std::string::npos) << first << " " << second;
        ASSERT_TRUE(std::isfinite(numbers.read(t.caption)));
      }
    }
  }
}

}  // namespace
}  // namespace ws
