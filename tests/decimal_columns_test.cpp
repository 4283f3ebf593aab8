#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "common/random.h"
#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

const NumberText kNumbers{","};

Page load(PageKind kind, FractionSource& source, int d1, int p1, int d2, int p2,
          const char* variant = "0") {
  ParameterBlock block;
  block.set(Field::Label1, std::to_string(d1));
  block.set(Field::Label3, std::to_string(d2));
  block.set(Field::Label4, std::to_string(p1));
  block.set(Field::Label8, std::to_string(p2));
  block.set(Field::Label5, variant);
  return drawPage(kind, LoadContext{block, source, kNumbers});
}

// The six cells of problem k: upper whole and fraction, lower whole and fraction, result line.
std::string cells(const Page& page, int k) {
  std::string all;
  for (const char* name : {"Label2", "Label6", "Label3", "Label7", "Label4", "Label8"})
    all += (all.empty() ? "" : " ") + page.text(name, k).caption;
  return all;
}

// Every problem draws the same pair; both draws are scripted a quarter step above the value.
TEST(DecimalColumns, SplitTheLargerNumberOnTopAndTheSmallerBelowAroundTheComma) {
  struct Case {
    PageKind kind;
    int d1, p1, d2, p2;
    double first, second;
    const char* shown;
  } const cases[] = {{PageKind::Form18, 1, 2, 2, 2, 3.5, 12.07, "12 07 3 5"},  // the worked example
                     {PageKind::Form19, 1, 2, 2, 2, 3.5, 12.07, "12 07 3 5"},
                     {PageKind::Form19, 1, 2, 2, 1, 9.25, 0.5, "9 25 0 5"},
                     {PageKind::Form18, 1, 1, 1, 1, 4.1, 4.1, "4 1 4 1"},
                     {PageKind::Form19, 2, 0, 1, 3, 12, 8, "12 0 8 0"},  // 8 drawn as 8.000
                     {PageKind::Form18, 0, 2, 0, 0, 0.05, 0, "0 05 0 0"},
                     {PageKind::Form18, 14, 1, 0, 0, 5e13, 0, "50000000000000 0 0 0"},
                     // Small enough that the number text would write an exponent ("3E-05").
                     {PageKind::Form18, 0, 5, 0, 0, 0.00003, 0, "0 00003 0 0"},
                     {PageKind::Form19, 0, 7, 0, 0, 0.0000125, 0, "0 0000125 0 0"}};
  for (const Case& c : cases) {
    std::vector<float> fractions;
    for (int k = 0; k < 18; ++k) {
      fractions.push_back((c.first + 0.25 * std::pow(10, -c.p1)) / std::pow(10, c.d1));
      fractions.push_back((c.second + 0.25 * std::pow(10, -c.p2)) / std::pow(10, c.d2));
    }
    test::ScriptedFractions draws(fractions);
    const Page page = load(c.kind, draws, c.d1, c.p1, c.d2, c.p2);
    EXPECT_EQ(draws.remaining(), 0u);
    for (int k = 0; k < 18; ++k) {
      EXPECT_EQ(cells(page, k), std::string(c.shown) + " ... ...") << c.first << " problem " << k;
    }
  }
}

// Beyond 15 significant digits the number is cut, never rounded up into its whole part: drawn
// with its places (4000324010848.999) or too long to round to them (99999874830245.96875).
TEST(DecimalColumns, TheWholePartIsTheNumberWithItsFractionCutOff) {
  const std::tuple<int, int, float, const char*> cases[] = {
      {13, 3, 6711430 / 16777216.0f, "4000324010848 99 0 0"},
      {14, 2, 16777195 / 16777216.0f, "99999874830245 9 0 0"}};
  for (auto [digits, places, fraction, shown] : cases) {
    std::vector<float> fractions;
    for (int k = 0; k < 18; ++k) fractions.insert(fractions.end(), {fraction, 0.0f});
    test::ScriptedFractions draws(fractions);
    const Page page = load(PageKind::Form18, draws, digits, places, 0, 0);
    EXPECT_EQ(cells(page, 17), std::string(shown) + " ... ...");
  }
}

TEST(DecimalColumns, OtherVariantsDrawNothing) {
  test::ScriptedFractions none({});
  EXPECT_EQ(load(PageKind::Form19, none, 1, 2, 2, 2, "1").text("Label2", 0).caption, "Label2");
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
