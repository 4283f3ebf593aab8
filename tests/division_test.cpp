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

constexpr int kProblems = 12;
constexpr const char* kQuotientPlace = "........";

bool hasStroke(const Page& page, int x1, int y1, int x2, int y2) {
  return std::any_of(page.lines.begin(), page.lines.end(), [&](const Line& l) {
    return l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2 && l.widthPixels == 2;
  });
}

struct DrawnProblem {
  int first, second;
  const char* dividend;
  const char* divisor;
};

class DivisionPage : public ::testing::Test {
 protected:
  void SetUp() override {
    block.set(Field::Label1, "1");
    block.set(Field::Label3, "2");
    block.set(Field::Label2, "E");
    block.set(Field::Label4, "0");
    block.set(Field::Label8, "0");
    block.set(Field::Label5, "1");
  }

  Page load(FractionSource& source) {
    return drawPage(PageKind::Form5, LoadContext{block, source, numbers});
  }

  // Problem k draws first[k % n] with bound 10, then second[k % n] with bound 100.
  static std::vector<float> wholeDraws(const std::vector<int>& first,
                                       const std::vector<int>& second) {
    std::vector<float> fractions;
    for (int k = 0; k < kProblems; ++k) {
      fractions.push_back(fractionThatDraws(first[k % first.size()], 10));
      fractions.push_back(fractionThatDraws(second[k % second.size()], 100));
    }
    return fractions;
  }

  // Each variant over a cycle of problems: its worked example, draws of 0, equal draws.
  // Scripted to the last fraction, so a sheet of other than 24 draws, or in another order,
  // fails.
  void expectSheet(const char* variant, const std::vector<DrawnProblem>& cycle) {
    block.set(Field::Label5, variant);
    std::vector<int> first, second;
    for (const auto& p : cycle) {
      first.push_back(p.first);
      second.push_back(p.second);
    }
    ScriptedFractions draws(wholeDraws(first, second));
    const Page page = load(draws);
    EXPECT_EQ(draws.remaining(), 0u);
    for (int k = 0; k < kProblems; ++k) {
      const DrawnProblem& p = cycle[k % cycle.size()];
      SCOPED_TRACE(std::to_string(k) + ": " + std::to_string(p.first) + ", " +
                   std::to_string(p.second));
      EXPECT_EQ(page.text("Label2", k).caption, p.dividend);
      EXPECT_EQ(page.text("Label3", k).caption, p.divisor);
      EXPECT_EQ(page.text("Label4", k).caption, kQuotientPlace);
    }
  }

  ParameterBlock block;
  NumberText numbers{","};
};

TEST_F(DivisionPage, PlacesEveryProblemInTheSchoolLayout) {
  Generator generator;
  const Page page = load(generator);
  EXPECT_EQ(page.text("Label1").caption, "BÖLME İŞLEMLERİNİ YAPALIM.");
  EXPECT_EQ(page.text("Label1").box.left, 1920);

  struct Place {
    int k, dividendLeft, divisorLeft, top;
  };
  for (const Place& p :
       {Place{0, 360, 1800, 720}, Place{2, 7440, 8880, 720}, Place{4, 4080, 5520, 3960},
        Place{9, 360, 1800, 10440}, Place{11, 7440, 8880, 10440}}) {
    SCOPED_TRACE(p.k);
    const TextField& dividend = page.text("Label2", p.k);
    const TextField& divisor = page.text("Label3", p.k);
    const TextField& quotient = page.text("Label4", p.k);
    EXPECT_EQ(dividend.box.left, p.dividendLeft);
    EXPECT_EQ(dividend.box.top, p.top);
    EXPECT_EQ(dividend.align, Align::Right);
    EXPECT_EQ(divisor.box.left, p.divisorLeft);
    EXPECT_EQ(divisor.box.top, p.top);
    EXPECT_EQ(divisor.align, Align::Left);
    EXPECT_EQ(quotient.box.left, p.divisorLeft);
    EXPECT_EQ(quotient.box.top, p.top + 360);
    EXPECT_EQ(quotient.align, Align::Left);
    for (const TextField* f : {&dividend, &divisor, &quotient}) {
      EXPECT_EQ(f->box.width, 1215);
      EXPECT_EQ(f->box.height, 375);
    }
    const int bar = p.divisorLeft - 120;
    EXPECT_TRUE(hasStroke(page, bar, p.top, bar, p.top + 840));
    EXPECT_TRUE(hasStroke(page, bar, p.top + 360, p.divisorLeft + 1200, p.top + 360));
  }
  const Picture& picture = page.picture("Image1");
  EXPECT_TRUE(picture.switched);
  EXPECT_EQ(picture.box.left, 4200);
  EXPECT_EQ(picture.box.top, 3600);
  EXPECT_EQ(picture.box.width, 5895);
  EXPECT_EQ(picture.box.height, 5295);
}

TEST_F(DivisionPage, WithRemainderTheLargerDrawIsTheDividend) {
  expectSheet("1", {{7, 12, "12", "7"},
                    {9, 3, "9", "3"},
                    {7, 0, "7", "0"},
                    {0, 7, "7", "0"},
                    {0, 0, "0", "0"},
                    {5, 5, "5", "5"}});
}

TEST_F(DivisionPage, ExactDivisionHidesTheQuotientInTheDividend) {
  expectSheet("0", {{7, 12, "84", "12"},  // the hidden quotient is 7
                    {9, 3, "27", "9"},
                    {7, 0, "0", "7"},
                    {0, 7, "0", "7"},
                    {0, 0, "0", "0"},
                    {5, 5, "25", "5"}});
}

std::vector<std::string> captions(const Page& page) {
  std::vector<std::string> all;
  for (const TextField& t : page.texts) all.push_back(t.caption);
  return all;
}

TEST_F(DivisionPage, EveryNonZeroVariantGivesDivisionWithRemainder) {
  auto sheet = [&](const char* variant) {
    block.set(Field::Label5, variant);
    Generator generator;
    return captions(load(generator));
  };
  const auto one = sheet("1");
  EXPECT_EQ(sheet("2"), one);
  EXPECT_EQ(sheet("TEKCIFT"), sheet("0"));  // not a number: reads 0
  EXPECT_NE(sheet("0"), one);
}

TEST_F(DivisionPage, ExactDecimalDividendIsTheProductWithoutTrailingZeros) {
  block.set(Field::Label5, "0");
  block.set(Field::Label1, "1");
  block.set(Field::Label3, "1");
  block.set(Field::Label4, "1");
  block.set(Field::Label8, "2");
  // Divisor 1.5 (one place), quotient 0.2 (two places): 0.30000000000000004 in doubles.
  std::vector<float> fractions;
  for (int k = 0; k < kProblems; ++k) {
    fractions.push_back(static_cast<float>(1.525 / 10));
    fractions.push_back(static_cast<float>(0.2025 / 10));
  }
  ScriptedFractions draws(fractions);
  const Page page = load(draws);
  EXPECT_EQ(page.text("Label2", 0).caption, "0,3");
  EXPECT_EQ(page.text("Label3", 0).caption, "1,5");
}

TEST_F(DivisionPage, NoCaptionEverShowsInfOrNan) {
  block.set(Field::Label5, "0");
  block.set(Field::Label1, "300");
  block.set(Field::Label3, "300");
  Generator generator;
  for (const TextField& t : load(generator).texts) {
    EXPECT_EQ(t.caption.find("inf"), std::string::npos);
    EXPECT_EQ(t.caption.find("nan"), std::string::npos);
    EXPECT_TRUE(std::isfinite(numbers.read(t.caption)));
  }
}

}  // namespace
}  // namespace ws
