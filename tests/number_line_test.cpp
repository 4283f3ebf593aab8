#include <gtest/gtest.h>

#include <string>

#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

struct RowCase {
  double first, second;  // as drawn
  const char *upper, *lower, *result;
};

TEST(NumberLinePage, PutsTheLargerOperandOnTopAndWritesSumsThenDifferences) {
  const RowCase rows[] = {
      {3, 7, "7", "3", "10"}, {10, 10, "10", "10", "20"}, {0, 0, "0", "0", "0"},
      {5, 5, "5", "5", "0"},  {2, 9, "9", "2", "7"},      {10, 0, "10", "0", "10"},
  };
  std::vector<float> script;
  for (const RowCase& row : rows) {
    script.push_back(fractionThatDraws(row.first, 10));
    script.push_back(fractionThatDraws(row.second, 10));
  }
  ScriptedFractions fractions(script);
  ParameterBlock block;
  const NumberText numbers;
  const Page page = drawPage(PageKind::Form7, {block, fractions, numbers});

  EXPECT_EQ(fractions.remaining(), 0u);  // twelve draws, two per row
  for (int r = 0; r < 6; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(page.text("Label3", r).caption, rows[r].upper);
    EXPECT_EQ(page.text("Label4", r).caption, rows[r].lower);
    EXPECT_EQ(page.text("Label5", r).caption, rows[r].result);
  }
}

TEST(NumberLinePage, ScaleNumbersStandUnderTheirTicks) {
  Page page = pageDefinition(PageKind::Form7).design();
  const int axisIndex[] = {1, 2, 4, 6, 8, 10};
  for (int r = 0; r < 6; ++r) {
    for (int k = 0; k <= 22; ++k) {
      const std::string tickName = "Line" + std::to_string(6 + k);
      const Line& tick = page.line(tickName, r);
      const TextField& number = page.text("Label2_" + std::to_string(k), axisIndex[r]);
      EXPECT_EQ(number.caption, std::to_string(k));
      EXPECT_EQ(number.box.left + number.box.width / 2, tick.x1) << r << " " << k;
      EXPECT_EQ(number.font.points, 8);
      EXPECT_FALSE(number.font.bold);
    }
  }
}

}  // namespace
}  // namespace ws
