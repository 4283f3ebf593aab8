#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;

// Draws a page from `script`, which it must use up exactly, and reads `count` rows of `fields`.
std::vector<std::string> drawnRows(PageKind kind, const std::string& label1,
                                   const std::vector<float>& script, int count,
                                   std::initializer_list<const char*> fields) {
  test::ScriptedFractions random(script);
  ParameterBlock block;
  block.set(Field::Label1, label1);
  const Page page = drawPage(kind, LoadContext{block, random, NumberText{}});
  EXPECT_EQ(random.remaining(), 0u);
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
  // Draws 0, 0, 1, 1, 2, 2, ...: a comparing row keeps its two equal numbers.
  std::vector<float> script;
  for (int v = 0; v < 108; ++v) script.push_back(test::fractionThatDraws(v / 2, 1000));
  for (const auto& [variant, title] : cases) {
    SCOPED_TRACE(variant);
    const bool compares = variant == "BUYUKESITKUCUK";
    test::ScriptedFractions random(script);
    ParameterBlock block;
    block.set(Field::Label1, "3");
    block.set(Field::Label5, variant);
    const Page page = drawPage(PageKind::Form6, LoadContext{block, random, NumberText{","}});
    EXPECT_EQ(random.remaining(), compares ? 0u : 54u);
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
  test::ScriptedFractions random(row0);
  ParameterBlock block;
  block.set(Field::Label2, start);
  block.set(Field::Label3, end);
  block.set(Field::Label4, step);
  Page page = drawPage(PageKind::Form10, LoadContext{block, random, NumberText{}});
  EXPECT_EQ(random.remaining(), 0u);
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

}  // namespace
}  // namespace ws
