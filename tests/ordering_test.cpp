#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

constexpr const char* kNumberFields[] = {"Label2", "Label3", "Label4", "Label5"};

TEST(OrderingPage, DrawsSixtyFourNumbersProblemByProblemInFieldOrder) {
  std::vector<float> script;
  for (int n = 0; n < 64; ++n) script.push_back(fractionThatDraws(n * 15, 1000));
  ScriptedFractions fractions(script);
  ParameterBlock block;
  block.set(Field::Label1, "3");
  const NumberText numbers;
  const Page page = drawPage(PageKind::Form8, {block, fractions, numbers});

  EXPECT_EQ(fractions.remaining(), 0u);
  for (int i = 0; i < 16; ++i) {
    for (int f = 0; f < 4; ++f) {
      EXPECT_EQ(page.text(kNumberFields[f], i).caption, std::to_string((i * 4 + f) * 15));
    }
  }
}

TEST(OrderingPage, DigitCountSetsTheRangeOfEveryNumber) {
  struct Case {
    const char* digits;
    double largest;
  };
  const Case cases[] = {{"1", 10}, {"2", 100}, {"0", 1}, {"-2", 1}, {"0,5", 1}, {"yok", 1}};
  const NumberText numbers;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    ParameterBlock block;
    block.set(Field::Label1, c.digits);
    Generator generator;
    double largestSeen = 0;
    for (int sheet = 0; sheet < 40; ++sheet) {
      const Page page = drawPage(PageKind::Form8, {block, generator, numbers});
      for (int i = 0; i < 16; ++i) {
        for (const char* field : kNumberFields) {
          const std::string& caption = page.text(field, i).caption;
          ASSERT_EQ(caption.find_first_not_of("0123456789"), std::string::npos) << caption;
          const double value = numbers.read(caption);
          ASSERT_LE(value, c.largest);
          largestSeen = std::max(largestSeen, value);
        }
      }
    }
    EXPECT_EQ(largestSeen, c.largest);  // the top of the range does occur
  }
}

TEST(OrderingPage, UpperHalfAsksLargestFirstAndLowerHalfSmallestFirst) {
  const Page page = pageDefinition(PageKind::Form8).design();
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE(i);
    const TextField& dots = page.text("Label6", i);
    const TextField& first = page.text("Label2", i);
    EXPECT_EQ(dots.box.top, first.box.top + 480);
    EXPECT_EQ(dots.caption.size(), 66u);
    const bool upperHalf = first.box.top < 6120;  // above the second title
    EXPECT_EQ(upperHalf, i <= 5 || i >= 14);
    EXPECT_NE(dots.caption.find(upperHalf ? '>' : '<'), std::string::npos);
    EXPECT_EQ(first.align, Align::Centre);
  }
  EXPECT_TRUE(page.text("Label1", 0).font.underline);
  EXPECT_NE(page.text("Label1", 1).caption.find("KÜÇÜKTEN BÜYÜĞE"), std::string::npos);
}

}  // namespace
}  // namespace ws
