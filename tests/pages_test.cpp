#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "pages/page_frame.h"
#include "pages/symbol_font.h"
#include "support/scripted_fractions.h"

// The pages beside the column sheets: number sense, number line, ordering, clocks, number and
// shape patterns, missing numbers, digit-shape sums, operation tables, multiple operations.
namespace ws {
namespace {

using test::fractionThatDraws;

// A page drawn with `answers` in the block from `script`, which it must use up exactly.
Page drawn(PageKind kind, const std::vector<float>& script,
           std::initializer_list<std::pair<Field, std::string>> answers) {
  test::ScriptedFractions random(script);
  ParameterBlock block;
  for (const auto& [field, text] : answers) block.set(field, text);
  Page page = drawPage(kind, LoadContext{block, random, NumberText{","}});
  EXPECT_EQ(random.remaining(), 0u);
  return page;
}

// Fractions that whole-number draws turn into `values`, the bounds taken in turn.
void add(std::vector<float>& fractions, std::initializer_list<double> values,
         std::initializer_list<double> bounds = {10}) {
  const double* bound = bounds.begin();
  for (double v : values) {
    fractions.push_back(fractionThatDraws(v, *bound));
    if (++bound == bounds.end()) bound = bounds.begin();
  }
}

// `count` rows of `fields` of a page drawn with `label1` from `script`.
std::vector<std::string> drawnRows(PageKind kind, const std::string& label1,
                                   const std::vector<float>& script, int count,
                                   std::initializer_list<const char*> fields) {
  const Page page = drawn(kind, script, {{Field::Label1, label1}});
  std::vector<std::string> rows(count);
  for (int i = 0; i < count; ++i) {
    for (const char* field : fields) rows[i] += page.text(field, i).caption + " ";
    rows[i].pop_back();
  }
  return rows;
}

TEST(NumberSenseSheet, VariantDecidesTitleRowShapeAndNumberOfDraws) {
  const std::pair<std::string, std::string> cases[] = {
      {"10", "AŞAĞIDAKİ SAYILARI EN YAKIN ONLUĞA YUVARLAYINIZ"},
      {"1E2", "AŞAĞIDAKİ SAYILARI EN YAKIN YÜZLÜĞE YUVARLAYINIZ"},  // numbers match as numbers
      {"TEKCIFT", "TEK OLANLARA SAYILARA TEK , ÇİFT OLANLARA ÇİFT YAZINIZ"},
      {"BUYUKESITKUCUK", "İFADELERİN ARASINA BÜYÜK(>),KÜÇÜK(<) veya EŞİT(=) YAZINIZ"},
      {"buyukesitkucuk", "Label1"},  // words match exactly; no match keeps the design title
  };
  for (const auto& [variant, title] : cases) {
    SCOPED_TRACE(variant);
    // Draws 0, 0, 1, 1, 2, 2, ...: a comparing row draws two numbers and keeps them equal.
    const bool compares = variant == "BUYUKESITKUCUK";
    std::vector<float> script;
    for (int v = 0; v < (compares ? 108 : 54); ++v)
      script.push_back(fractionThatDraws(v / 2, 1000));
    const Page page =
        drawn(PageKind::Form6, script, {{Field::Label1, "3"}, {Field::Label5, variant}});
    EXPECT_EQ(page.text("Label1").caption, title);
    for (int i = 0; i < 54; ++i) {
      const std::string n = std::to_string(compares ? i : i / 2);
      ASSERT_EQ(page.text("Label2", i).caption + page.text("Label3", i).caption +
                    page.text("Label4", i).caption,
                compares ? n + "............" + n : n + "=..........");
    }
  }
}

// The bottom row reaches below the client area; what is shown and printed must hold it.
TEST(NumberSenseSheet, EveryRowLiesInsideTheDrawnArea) {
  const Page page = pageDefinition(PageKind::Form6).design();
  for (const TextField& field : page.texts) {
    ASSERT_LE(field.box.bottom(), page.drawnArea().bottom()) << field.name << field.index;
    ASSERT_LE(field.box.right(), page.drawnArea().right()) << field.name << field.index;
  }
}

TEST(NumberLinePage, PutsTheLargerOperandOnTopAndWritesSumsThenDifferences) {
  std::vector<float> script;
  for (int v : {3, 7, 10, 10, 0, 0, 5, 5, 2, 9, 10, 0}) script.push_back(fractionThatDraws(v, 10));
  EXPECT_EQ(drawnRows(PageKind::Form7, "", script, 6, {"Label3", "Label4", "Label5"}),
            (std::vector<std::string>{"7 3 10", "10 10 20", "0 0 0", "5 5 0", "9 2 7", "10 0 10"}));
}

TEST(OrderingPage, DrawsSixtyFourNumbersProblemByProblemInFieldOrder) {
  std::vector<float> script;
  std::vector<std::string> problems(16);
  for (int n = 0; n < 64; ++n) {
    script.push_back(fractionThatDraws(n * 15, 1000));
    problems[n / 4] += (n % 4 ? " " : "") + std::to_string(n * 15);
  }
  EXPECT_EQ(drawnRows(PageKind::Form8, "3", script, 16, {"Label2", "Label3", "Label4", "Label5"}),
            problems);
}

float hour(double h) { return fractionThatDraws(h, 100); }
float minute(double m) { return fractionThatDraws(m / 5, 10); }

TEST(ClockPage, RedrawsHoursAndMinutesThatDoNotFitTheMode) {
  // Mode word, the draws of clock 0 (redraws included) and the time it shows.
  const std::tuple<std::string, std::vector<float>, const char*> cases[] = {
      {"NORMAL", {hour(24), hour(0), minute(5)}, "0 : 05"},
      {"tam", {hour(13), minute(50)}, "13 : 50"},         // only the exact words change the sheet
      {"TAM", {hour(0), hour(13), hour(12)}, "12 : 00"},  // no minute is drawn
      {"TAMYARIMCEYREK", {hour(7), minute(5), minute(50), minute(0)}, "7 : 00"},
  };
  for (auto [mode, script, time] : cases) {
    for (int k = 1; k < 9; ++k) {
      script.push_back(hour(1));
      if (mode != "TAM") script.push_back(minute(15));
    }
    EXPECT_EQ(drawnRows(PageKind::Form9, mode, script, 1, {"Label2", "Label3", "Label4"})[0], time)
        << mode;
  }
}

float draws(double value) { return fractionThatDraws(value, 100); }

// Row 0 from `row0`; the other rows start at 0 (forward) or 100 (backward) and step by 1.
Page drawSheet(const char* start, const char* end, const char* step, bool forward,
               std::vector<float> row0) {
  for (int i = 1; i < 12; ++i) row0.insert(row0.end(), {draws(forward ? 0 : 100), draws(1)});
  Page page = drawn(PageKind::Form10, row0,
                    {{Field::Label2, start}, {Field::Label3, end}, {Field::Label4, step}});
  EXPECT_EQ(page.text("Label1").caption, std::string("SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ.") +
                                             (forward ? " ileriye sayma" : " geriye sayma"));
  return page;
}

TEST(NumberPatternPage, WritesRowsAsTheirBoundsAllow) {
  const struct {
    const char *start, *end, *step;
    bool forward;
    std::vector<float> row0;  // the draws of row 0, redraws included
    const char* row;
  } cases[] = {
      // clang-format off
      {"10", "30", "5", true, {draws(11), draws(3), draws(0), draws(6), draws(5)},
       " 3 ,  8 ,  13 , ...... , ...... ,  28 ,  33"},
      {"50", "50", "20", false, {draws(49), draws(50), draws(5)}, " 50"},
      {"5", "-3", "4", false, {draws(5), draws(4)}, " 5 ,  1 , -3"},
      {"1", "100", "5", true, {draws(1), draws(1)},  // fifteen terms at most
       " 1 ,  2 ,  3 , ...... , ...... ,  6 ,  7 , ...... , ...... ,  10 ,  11 , ...... , "
       "...... ,  14 ,  15"},
      // Loaded without the command's check, the page holds its draws to the limits.
      {"-1", "0", "0,5", true, {draws(0), draws(1)}, " 0"},
      {"101", "100,5", "-2", false, {draws(100), draws(1)}, " 100"},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(drawSheet(c.start, c.end, c.step, c.forward, c.row0).text("Label2", 0).caption,
              c.row);
  }
  // The blank counter runs on from row to row: the first example leaves it at 2.
  const Page page = drawSheet("10", "30", "5", true, {draws(3), draws(5)});
  EXPECT_TRUE(page.text("Label2", 1).caption.starts_with(" 0 , ...... , ...... ,  3 ,  4 ,"));
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
    // All four positions are drawn whatever the bound.
    const Page page = drawn(PageKind::Form11, fractions, {{Field::Label4, bound}});
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
    fractions.push_back(k % 4 == 3 ? std::nextafter(0.35f, 0.0f) : fractionThatDraws(k % 4, 10));
  }
  const Page page =
      drawn(PageKind::Form13, fractions, {{Field::Label1, "1"}, {Field::Label3, "1"}});
  EXPECT_EQ(page.text("Label3", 0).caption + page.text("Label3", 1).caption, "46");
  for (int k = 0; k < 18; ++k) {
    const std::string r = std::to_string(k % 4);
    EXPECT_EQ(page.text("Label2", k).caption, k % 2 ? " " + r + " + ....." : "..... +  " + r);
  }
}

// Targets of no digits end up 1; with nine addend digits only a fraction of 0 draws below that.
TEST(ShapeAdditions, HugeAddendBoundBesideTargetsOfOneStillEnds) {
  ParameterBlock block;
  block.set(Field::Label1, "9");
  block.set(Field::Label3, "0");
  Generator random;
  const Page page = drawPage(PageKind::Form13, LoadContext{block, random, NumberText{}});
  for (int k = 0; k < 18; ++k)
    EXPECT_EQ(page.text("Label2", k).caption, k % 2 ? " 0 + ....." : "..... +  0");
}

TEST(ShapeSubtractions, OddMinuendsStartAtTheLargerTargetWithoutRedraws) {
  const int cases[][3] = {{5, 3, 5}, {3, 5, 5}, {4, 4, 4}, {0, 0, 0}};  // upper, lower, larger
  for (const auto& [upper, lower, larger] : cases) {
    std::vector<float> fractions;
    add(fractions, {double(upper), double(lower)});
    for (int j = 0; j < 9; ++j) add(fractions, {double(j % 3), double(j)});
    const Page page =
        drawn(PageKind::Form14, fractions, {{Field::Label1, "1"}, {Field::Label3, "1"}});
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
  const Page page =
      drawn(PageKind::Form15, fractions, {{Field::Label1, "1"}, {Field::Label3, "2"}});
  const char* shown[] = {"70/3", "5/5", "10/0", "100/1", "1/0", "7/2"};  // upper/lower
  for (int k = 0; k < 12; ++k)
    EXPECT_EQ(page.text("Label2", k).caption + "/" + page.text("Label3", k).caption, shown[k % 6]);
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
      const Page page = drawn(
          kind, script, {{Field::Label1, "2"}, {Field::Label3, "3"}, {Field::Label5, operation}});
      const auto shown = [&](const char* name, int i) { return page.text(name, i).caption; };
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
  const Page page = drawn(PageKind::Form17, script,
                          {{Field::Label1, "2"}, {Field::Label3, "3"}, {Field::Label5, "1"}});
  for (int i = 0; i < 9; ++i) EXPECT_EQ(page.text("Label2", i).caption, std::get<4>(cases[i % 2]));
  // The figure is for colouring: its shapes are black outlines, and the problems stand on white.
  for (const Shape& shape : page.shapes) {
    EXPECT_EQ(shape.border, kBlack) << shape.name;
    EXPECT_TRUE(!shape.fill || *shape.fill == kWhite) << shape.name;
  }
}

}  // namespace
}  // namespace ws
