#include <gtest/gtest.h>

#include <string>

#include "main_window/command_runner.h"
#include "pages/page_frame.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

float draws(double value) { return fractionThatDraws(value, 100); }

ParameterBlock bounds(const char* start, const char* end, const char* step) {
  ParameterBlock block;
  block.set(Field::Label1, "H");
  block.set(Field::Label2, start);
  block.set(Field::Label3, end);
  block.set(Field::Label4, step);
  return block;
}

// The first rows from the given draws; the others start at the nearest allowed end with step 1.
Page drawSheet(const ParameterBlock& block, std::vector<float> firstRows, int scriptedRows,
               bool forward) {
  for (int i = scriptedRows; i < 12; ++i) {
    firstRows.push_back(draws(forward ? 0 : 100));
    firstRows.push_back(draws(1));
  }
  ScriptedFractions fractions(firstRows);
  const NumberText numbers;
  Page page = drawPage(PageKind::Form10, {block, fractions, numbers});
  EXPECT_EQ(fractions.remaining(), 0u);
  return page;
}

int termsIn(const std::string& row) {
  int terms = 1;
  for (std::size_t at = row.find(" , "); at != std::string::npos; at = row.find(" , ", at + 1)) {
    ++terms;
  }
  return terms;
}

TEST(NumberPatternPage, WritesRowsAsTheirBoundsAllow) {
  struct Case {
    const char* what;
    const char *start, *end, *step;
    std::vector<float> rowDraws;  // start draws, then step draws, redraws included
    const char* row;
  };
  // clang-format off
  const Case cases[] = {
      {"worked example, with start and step redrawn", "10", "30", "5",
       {draws(11), draws(3), draws(0), draws(6), draws(5)},
       " 3 ,  8 ,  13 , ...... , ...... ,  28 ,  33"},
      {"a forward row passes the end bound by less than a step", "0", "30", "100",
       {draws(0), draws(100)}, " 0 ,  100"},
      {"a backward row whose start equals the end bound", "50", "50", "20",
       {draws(49), draws(50), draws(5)}, " 50"},
      {"a backward row may end below zero", "5", "-3", "4",
       {draws(5), draws(4)}, " 5 ,  1 , -3"},
      {"step 1 stops at fifteen terms", "1", "100", "5",
       {draws(1), draws(1)},
       " 1 ,  2 ,  3 , ...... , ...... ,  6 ,  7 , ...... , ...... ,  10 ,  11 , ...... , "
       "...... ,  14 ,  15"},
  };
  // clang-format on
  const NumberText numbers;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ParameterBlock block = bounds(c.start, c.end, c.step);
    const bool forward = numbers.read(c.end) > numbers.read(c.start);
    const Page page = drawSheet(block, c.rowDraws, 1, forward);
    EXPECT_EQ(page.text("Label2", 0).caption, c.row);
  }
}

TEST(NumberPatternPage, CarriesTheBlankCounterIntoTheNextRow) {
  const ParameterBlock block = bounds("10", "30", "5");
  const Page page = drawSheet(block, {draws(3), draws(5), draws(0), draws(5)}, 2, true);
  EXPECT_EQ(page.text("Label2", 0).caption, " 3 ,  8 ,  13 , ...... , ...... ,  28 ,  33");
  EXPECT_EQ(page.text("Label2", 1).caption, " 0 , ...... , ...... ,  15 ,  20 , ...... , ......");
}

TEST(NumberPatternPage, TitleSaysWhichWayTheSheetCounts) {
  struct Case {
    const char *start, *end;
    const char* title;
  };
  const Case cases[] = {
      {"1", "100", "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ. ileriye sayma"},
      {"50", "50", "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ. geriye sayma"},
      {"100", "1", "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ. geriye sayma"},
      {"-5", "-10", "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ. geriye sayma"},
  };
  const NumberText numbers;
  for (const Case& c : cases) {
    Generator generator;
    const ParameterBlock block = bounds(c.start, c.end, "5");
    EXPECT_EQ(drawPage(PageKind::Form10, {block, generator, numbers}).text("Label1").caption,
              c.title);
  }
}

TEST(NumberPatternPage, PictureFollowsLabel1) {
  ParameterBlock block = bounds("1", "100", "5");
  const NumberText numbers;
  Generator generator;
  block.set(Field::Label1, "E");
  EXPECT_TRUE(drawPage(PageKind::Form10, {block, generator, numbers}).picture("Image1").visible);
  block.set(Field::Label1, "H");
  block.set(Field::Label2, "E");
  EXPECT_FALSE(drawPage(PageKind::Form10, {block, generator, numbers}).picture("Image1").visible);
}

struct CheckCase {
  const char *start, *end, *step;
  const char* refusal;  // a piece of the message, or null where the sheet is drawn
};
const CheckCase kCheckCases[] = {
    {"-1", "100", "5", "en az 0"},            // forward from below 0
    {"-0,5", "100", "5", "en az 0"},          //
    {"101", "50", "5", "en fazla 100"},       // backward from above 100
    {"1E400", "1E400", "5", "en fazla 100"},  // the largest number counts backward
    {"1", "100", "0", "en az 1"},             // no step can be drawn
    {"1", "100", "0,5", "en az 1"},           //
    {"1", "100", "adım", "en az 1"},          // a word reads as 0
    {"-1", "100", "0", "başlasın"},           // the first question asked is named
    {"1", "100", "5", nullptr},               // the defaults
    {"bir", "100", "5", nullptr},             // a word starts at 0
    {"0,5", "100", "1,5", nullptr},           // only 0 starts a row, only 1 steps it
    {"99,5", "0", "1", nullptr},              // only 100 starts a row
    {"100", "100", "1", nullptr},             //
    {"-5", "-10", "5", nullptr},              // backward from below 0 is fine
    {"150", "200", "5", nullptr},             // forward from above 100 is fine
    {"5", "1E400", "1E400", nullptr},         // huge end and step bounds
    {"5", "-1E400", "3", nullptr},            //
};

TEST(NumberPatternCheck, RefusesExactlyTheAnswersThatCouldNeverBeDrawn) {
  const NumberText numbers;
  const auto check = pageDefinition(PageKind::Form10).check;
  ASSERT_NE(check, nullptr);
  for (const CheckCase& c : kCheckCases) {
    SCOPED_TRACE(std::string(c.start) + " " + c.end + " " + c.step);
    const ParameterBlock block = bounds(c.start, c.end, c.step);
    const auto message = check(block, numbers);
    if (c.refusal) {
      ASSERT_TRUE(message.has_value());
      EXPECT_NE(message->find(c.refusal), std::string::npos) << *message;
    } else {
      EXPECT_FALSE(message.has_value()) << *message;
      Generator generator;
      const Page page = drawPage(PageKind::Form10, {block, generator, numbers});
      for (int i = 0; i < 12; ++i) EXPECT_LE(termsIn(page.text("Label2", i).caption), 15);
    }
  }
}

TEST(NumberPatternPage, FinishesEvenWithoutTheCommandsCheck) {
  // The main window's design texts read as start 0, end 0 and step 0.
  const ParameterBlock block;
  const NumberText numbers;
  Generator generator;
  const Page page = drawPage(PageKind::Form10, {block, generator, numbers});
  EXPECT_EQ(page.text("Label1").caption, "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ. geriye sayma");
}

// The main window's side without a screen: answers in, sheets out.
struct CommandBench {
  ParameterBlock block;
  const NumberText numbers;
  Generator generator;
  test::RecordingPrinter printer;
  PageFrame frame{{block, generator, numbers}, printer, {}};
  test::RecordingPageHost host;
  HandOver handOver{block, numbers, frame, host};
  test::ScriptedQuestioner questions;
  test::RecordingMessages messages;
  test::RecordingTextSheets texts;
  CommandRunner runner{block, numbers, questions, messages, handOver, texts};

  void run(std::vector<std::string> answers) {
    questions.script(std::move(answers));
    runner.run(*findCommand("mnusayıoruntusu"));
  }
};

TEST(NumberPatternCommand, DefaultAnswersGiveForwardRowsFromZeroOrOne) {
  CommandBench bench;
  bench.run({"1", "100", "5", "E", "0"});
  EXPECT_EQ(bench.block.get(Field::Label1), "E");
  EXPECT_EQ(bench.block.get(Field::Label2), "1");
  EXPECT_EQ(bench.block.get(Field::Label3), "100");
  EXPECT_EQ(bench.block.get(Field::Label4), "5");
  ASSERT_EQ(bench.host.open.count(PageKind::Form10), 1u);
  const Page& page = bench.host.open.at(PageKind::Form10);
  EXPECT_TRUE(page.picture("Image1").visible);
  for (int i = 0; i < 12; ++i) {
    const std::string& row = page.text("Label2", i).caption;
    EXPECT_TRUE(row.starts_with(" 0 ,") || row.starts_with(" 1 ,")) << row;
  }
}

TEST(NumberPatternCommand, HangingAnswersGetAMessageAndNoSheet) {
  for (const CheckCase& c : kCheckCases) {
    if (!c.refusal) continue;
    SCOPED_TRACE(std::string(c.start) + " " + c.end + " " + c.step);
    for (const char* count : {"0", "3"}) {
      CommandBench bench;
      bench.run({c.start, c.end, c.step, "E", count});
      ASSERT_EQ(bench.messages.shown.size(), 1u);
      EXPECT_EQ(bench.messages.shown[0].first, "SAYI ÖRÜNTÜLERİ");
      EXPECT_NE(bench.messages.shown[0].second.find(c.refusal), std::string::npos);
      EXPECT_TRUE(bench.host.open.empty());
      EXPECT_TRUE(bench.printer.printed.empty());
    }
  }
}

}  // namespace
}  // namespace ws
