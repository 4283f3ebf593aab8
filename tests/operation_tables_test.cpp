#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;

const NumberText kNumbers{","};

ParameterBlock answers(const char* first, const char* second, const char* third) {
  ParameterBlock block;
  block.set(Field::Label1, first);
  block.set(Field::Label3, second);
  block.set(Field::Label5, third);
  return block;
}

TEST(OperationTables, OperatorsHeadersAndCloudsFollowTheDrawsInOrder) {
  // Answer, operator draws (0, positions past "+x" and the first table's sign are redrawn), boxes.
  const std::tuple<const char*, std::vector<int>, const char*> cases[] = {
      {"1", {}, "++"},   {"2", {}, "xx"},       {"3", {}, "++"},
      {"0,5", {}, "++"}, {"abc", {1, 2}, "+x"}, {"0", {0, 5, 2, 2, 0, 9, 10, 1}, "x+"}};
  for (PageKind kind : {PageKind::Form12, PageKind::Form16}) {
    for (const auto& [operation, operatorDraws, boxes] : cases) {
      SCOPED_TRACE(operation);
      // Column i draws 10 + i (digit count 2), row j 500 + j (digit count 3).
      const int columns = kind == PageKind::Form12 ? 12 : 8, rows = columns == 12 ? 10 : 8;
      std::vector<float> script;
      for (int k : operatorDraws) script.push_back(fractionThatDraws(k, 10));
      for (int i = 0; i < columns; ++i) script.push_back(fractionThatDraws(10 + i, 100));
      for (int j = 0; j < rows; ++j) script.push_back(fractionThatDraws(500 + j, 1000));
      test::ScriptedFractions random(script);
      const ParameterBlock block = answers("2", "3", operation);
      const Page page = drawPage(kind, LoadContext{block, random, kNumbers});
      const auto shown = [&](const char* name, int i) { return page.text(name, i).caption; };
      EXPECT_EQ(random.remaining(), 0u);
      EXPECT_EQ(shown("Label4", 0) + shown("Label4", 1), boxes);
      for (int i = 0; i < columns; ++i) EXPECT_EQ(shown("Label2", i), std::to_string(10 + i));
      for (int j = 0; j < rows; ++j) EXPECT_EQ(shown("Label3", j), std::to_string(500 + j));
      if (kind == PageKind::Form12) continue;  // its cells stay empty

      // Each table's results stand twice, in a different order in each cloud.
      std::vector<std::string> upper, lower;
      for (int k = 0; k < 32; ++k) {
        upper.push_back(shown("Label5", k));
        lower.push_back(shown("Label5", 32 + k));
      }
      EXPECT_NE(upper, lower);
      EXPECT_TRUE(std::is_permutation(upper.begin(), upper.end(), lower.begin()));
    }
  }
}

// A wide number may shrink, but never into a grid line, a frame or the number beside it.
TEST(OperationTables, EveryNumberHasRoomClearOfLinesAndOfItsNeighbours) {
  for (PageKind kind : {PageKind::Form12, PageKind::Form16}) {
    const Page page = pageDefinition(kind).design();
    std::vector<const TextField*> cloud;
    for (const TextField& field : page.texts) {
      if (field.name == "Label1") continue;
      ASSERT_TRUE(field.fitting) << field.name << field.index;
      const Box room = *field.fitting;
      const Box clear = clearOfStrokes(page, room, 0);
      EXPECT_EQ(clear.width * clear.height, room.width * room.height) << field.name << field.index;
      EXPECT_GE(room.width, 500) << field.name << field.index;
      if (field.name == "Label5") cloud.push_back(&field);
    }
    // Cloud numbers whose digits share a height share no width.
    for (const TextField* a : cloud) {
      for (const TextField* b : cloud) {
        const Box &p = *a->fitting, &q = *b->fitting;
        if (a == b || std::abs(a->box.top - b->box.top) >= 240) continue;
        EXPECT_TRUE(p.right() <= q.left || q.right() <= p.left) << a->index << " " << b->index;
      }
    }
  }
}

TEST(MultipleOperationsSheet, WritesEachProblemFromItsDrawsInOrder) {
  // Operator draws (1 "+", 2 "-", 3 "x", others redrawn), a, b, c; the larger of a and b first.
  const std::tuple<std::vector<int>, double, double, double, const char*> cases[] = {
      {{0, 2, 4, 10, 3}, 45, 12, 3, "( 45- 12)x 3=....."},
      {{5, 6, 1, 7, 8, 9, 2}, 2, 1000, 10, "( 1000+ 2)- 10=....."}};
  std::vector<float> script;
  for (int i = 0; i < 9; ++i) {
    const auto& [operatorDraws, a, b, c, problem] = cases[i % 2];
    for (int k : operatorDraws) script.push_back(fractionThatDraws(k, 10));
    for (auto [value, bound] : {std::tuple{a, 100.0}, {b, 1000.0}, {c, 10.0}}) {
      script.push_back(fractionThatDraws(value, bound));
    }
  }
  test::ScriptedFractions random(script);
  const ParameterBlock block = answers("2", "3", "1");
  const Page page = drawPage(PageKind::Form17, LoadContext{block, random, kNumbers});
  EXPECT_EQ(random.remaining(), 0u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(page.text("Label2", i).caption, std::get<4>(cases[i % 2]));
  // The figure is for colouring: its shapes are black outlines, and the problems stand on white.
  for (const Shape& shape : page.shapes) {
    EXPECT_EQ(shape.border, kBlack) << shape.name;
    EXPECT_TRUE(!shape.fill || *shape.fill == kWhite) << shape.name;
  }
}

}  // namespace
}  // namespace ws
