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

constexpr int kRows = 12;

// Palette positions 1..35 as a position draw (bound 100) gives them.
std::vector<float> positions(std::initializer_list<int> drawn) {
  std::vector<float> fractions;
  for (int p : drawn) fractions.push_back(fractionThatDraws(p, 100));
  return fractions;
}

std::vector<float> everyRow(std::initializer_list<int> drawn) {
  std::vector<float> fractions;
  for (int i = 0; i < kRows; ++i) {
    for (float u : positions(drawn)) fractions.push_back(u);
  }
  return fractions;
}

Page drawShapePatterns(const std::string& periodBound, FractionSource& random,
                       const std::string& pictures = "E") {
  ParameterBlock block;
  NumberText numbers{","};
  block.set(Field::Label4, periodBound);
  block.set(Field::Label2, pictures);
  return drawPage(PageKind::Form11, LoadContext{block, random, numbers});
}

char symbolAt(int position) { return paletteCodes()[position - 1]; }

TEST(ShapePattern, HeadFollowsThePeriodBound) {
  const char s1 = symbolAt(5), s2 = symbolAt(9), s3 = symbolAt(12), s4 = symbolAt(30);
  const struct {
    std::string bound;
    std::string head;
  } cases[] = {
      {"1", {s1, s2, s1, s2}},   {"2", {s1, s2, s1, s2}},   {"0", {s1, s2, s1, s2}},
      {"3", {s1, s2, s3, s1}},   {"4", {s1, s2, s3, s4}},   {"7", {s1, s2, s3, s4}},
      {"1,5", {s1, s2, s1, s2}}, {"4,5", {s1, s2, s3, s4}},
  };
  for (const auto& c : cases) {
    ScriptedFractions random(everyRow({5, 9, 12, 30}));
    const Page page = drawShapePatterns(c.bound, random);
    EXPECT_EQ(random.remaining(), 0u) << "every row draws four positions, whatever the bound";
    for (int i = 0; i < kRows; ++i) {
      EXPECT_EQ(page.text("Label2", i).caption.substr(0, 4), c.head) << "N = " << c.bound;
    }
  }
}

TEST(ShapePattern, PositionsOutsideThePaletteOrAlreadyTakenAreDrawnAgain) {
  std::vector<float> row = positions({0, 36, 100, 3,  // e
                                      3, 7,           // a
                                      7, 3, 35,       // b
                                      35, 7, 3, 1});  // c
  std::vector<float> fractions;
  for (int i = 0; i < kRows; ++i) fractions.insert(fractions.end(), row.begin(), row.end());
  ScriptedFractions random(fractions);
  const Page page = drawShapePatterns("4", random);
  EXPECT_EQ(random.remaining(), 0u);
  const std::string head{symbolAt(3), symbolAt(7), symbolAt(35), symbolAt(1)};
  EXPECT_EQ(page.text("Label2", 11).caption.substr(0, 4), head);
}

TEST(ShapePattern, RowsAreAHeadOfPaletteSymbolsAndEightyFillerGroups) {
  const std::string palette(paletteCodes());
  std::string filler;
  for (int g = 0; g < 80; ++g) filler += fillerGroup();
  Generator random;
  for (int sheet = 0; sheet < 50; ++sheet) {
    const Page page = drawShapePatterns("4", random);
    for (int i = 0; i < kRows; ++i) {
      const TextField& row = page.text("Label2", i);
      ASSERT_EQ(row.caption.size(), 404u);
      EXPECT_EQ(row.caption.substr(4), filler);
      EXPECT_EQ(row.font.points, 25);
      EXPECT_EQ(row.font.family, kSymbolFontFamily);
      EXPECT_TRUE(row.cutAtEdge);
      // Four different positions: a symbol can repeat only where the palette repeats it.
      for (int x = 0; x < 4; ++x) {
        const char symbol = row.caption[x];
        ASSERT_NE(palette.find(symbol), std::string::npos);
        for (int y = x + 1; y < 4; ++y) {
          if (row.caption[y] == symbol) {
            EXPECT_TRUE(symbol == '\xDC' || symbol == '\xB2') << "row " << i;
          }
        }
      }
    }
  }
}

TEST(ShapePattern, FractionalBoundsThatMatchNoPatternAreRefused) {
  const NumberText numbers{","};
  const struct {
    const char* answer;
    bool refused;
  } cases[] = {{"2,5", true},  {"2.5", true}, {"3,01", true}, {"3,99", true},
               {"2", false},   {"3", false},  {"4", false},   {"1,5", false},
               {"4,5", false}, {"12", false}, {"-1", false},  {"abc", false}};
  for (const auto& c : cases) {
    ParameterBlock block;
    block.set(Field::Label4, c.answer);
    EXPECT_EQ(pageDefinition(PageKind::Form11).check(block, numbers).has_value(), c.refused)
        << c.answer;
  }
}

}  // namespace
}  // namespace ws
