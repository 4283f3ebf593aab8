#include <gtest/gtest.h>

#include <set>
#include <string>

#include "main_window/command_runner.h"
#include "pages/page_frame.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

float hour(double h) { return fractionThatDraws(h, 100); }
float minuteTimesFive(double m) { return fractionThatDraws(m / 5, 10); }

Page drawClocks(const std::string& mode, FractionSource& random) {
  ParameterBlock block;
  block.set(Field::Label1, mode);
  const NumberText numbers;
  return drawPage(PageKind::Form9, {block, random, numbers});
}

TEST(ClockPage, RedrawsHoursAndMinutesThatDoNotFitTheMode) {
  struct Case {
    const char* mode;
    std::vector<float> firstClock;  // the draws of clock 0, redraws included
    const char* hour;
    const char* minute;
  };
  const Case cases[] = {
      {"NORMAL", {hour(24), hour(0), minuteTimesFive(5)}, "0", "05"},
      {"NORMAL", {hour(23), minuteTimesFive(0)}, "23", "00"},
      {"TAM", {hour(0), hour(13), hour(12)}, "12", "00"},  // no minute is drawn
      {"TAMYARIMCEYREK",
       {hour(7), minuteTimesFive(5), minuteTimesFive(50), minuteTimesFive(45)},
       "7",
       "45"},
      {"tam", {hour(13), minuteTimesFive(10)}, "13", "10"},  // served as NORMAL
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    std::vector<float> script = c.firstClock;
    // Clocks 1 to 8 take the first draws every mode accepts.
    for (int k = 1; k < 9; ++k) {
      script.push_back(hour(1));
      if (std::string(c.mode) != "TAM") script.push_back(minuteTimesFive(15));
    }
    ScriptedFractions fractions(script);
    const Page page = drawClocks(c.mode, fractions);
    EXPECT_EQ(fractions.remaining(), 0u);
    EXPECT_EQ(page.text("Label2", 0).caption, c.hour);
    EXPECT_EQ(page.text("Label4", 0).caption, c.minute);
    EXPECT_EQ(page.text("Label3", 0).caption, ":");
    EXPECT_EQ(page.text("Label2", 8).caption, "1");
  }
}

TEST(ClockPage, EachModeShowsOnlyItsHoursAndMinutes) {
  struct Case {
    const char* mode;
    std::set<std::string> hours;
    std::set<std::string> minutes;
  };
  std::set<std::string> dayHours;
  for (int h = 0; h <= 23; ++h) dayHours.insert(std::to_string(h));
  std::set<std::string> clockHours;
  for (int h = 1; h <= 12; ++h) clockHours.insert(std::to_string(h));
  const Case cases[] = {
      {"NORMAL", dayHours, {"00", "05", "10", "15", "20", "25", "30", "35", "40", "45", "50"}},
      {"TAM", clockHours, {"00"}},
      {"TAMYARIMCEYREK", dayHours, {"00", "15", "30", "45"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Generator generator;
    std::set<std::string> hoursSeen, minutesSeen;
    for (int sheet = 0; sheet < 200; ++sheet) {
      const Page page = drawClocks(c.mode, generator);
      for (int k = 0; k < 9; ++k) {
        hoursSeen.insert(page.text("Label2", k).caption);
        minutesSeen.insert(page.text("Label4", k).caption);
      }
    }
    EXPECT_EQ(hoursSeen, c.hours);  // every allowed value occurs, and nothing else
    EXPECT_EQ(minutesSeen, c.minutes);
  }
}

TEST(ClockPage, UnknownModeWordsGiveTheOrdinarySheet) {
  for (const char* word : {"tam", "", "TAM ", "Saat"}) {
    Generator normal, other;
    const Page expected = drawClocks("NORMAL", normal);
    const Page page = drawClocks(word, other);
    for (int k = 0; k < 9; ++k) {
      EXPECT_EQ(page.text("Label2", k).caption, expected.text("Label2", k).caption) << word;
      EXPECT_EQ(page.text("Label4", k).caption, expected.text("Label4", k).caption) << word;
    }
  }
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

  void run(std::string_view item, std::vector<std::string> answers) {
    questions.script(std::move(answers));
    runner.run(*findCommand(item));
  }
};

TEST(ClockCommands, EachWritesItsModeWordAndThePageFollowsIt) {
  CommandBench bench;
  bench.block.set(Field::Label1, "NORMAL");
  bench.run("mnusaatokutam", {"0"});
  EXPECT_EQ(bench.block.get(Field::Label1), "TAM");
  const Page& page = bench.host.open.at(PageKind::Form9);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(page.text("Label4", k).caption, "00");

  bench.run("mnusaatokutamyarımceyrek", {"0"});
  EXPECT_EQ(bench.block.get(Field::Label1), "TAMYARIMCEYREK");
  bench.run("mnusaatokuma", {"0"});
  EXPECT_EQ(bench.block.get(Field::Label1), "NORMAL");
}

// The six sheets of this family, each previewed and then printed twice.
TEST(SheetCommands, PreviewThenPrintFreshSheets) {
  struct Case {
    const char* item;
    std::vector<std::string> answers;  // all but the count
    PageKind page;
    const char* title;
    const char* drawnField;  // a field every load rewrites
  };
  const Case cases[] = {
      {"mnusayıdogrusutoplacıkar",
       {"E"},
       PageKind::Form7,
       "SAYI DOĞRUSUNDA TOPLAMA ÇIKARMA",
       "Label5"},
      {"mnusıralamalar", {"2", "E"}, PageKind::Form8, "B->K VE K->B SIRALAMALAR", "Label5"},
      {"mnusaatokuma", {}, PageKind::Form9, "SAAT OKUMA", "Label4"},
      {"mnusaatokutam", {}, PageKind::Form9, "SAAT OKUMA", "Label2"},
      {"mnusaatokutamyarımceyrek", {}, PageKind::Form9, "SAAT OKUMA", "Label4"},
      {"mnusayıoruntusu", {"1", "100", "5", "E"}, PageKind::Form10, "SAYI ÖRÜNTÜLERİ", "Label2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    CommandBench bench;
    std::vector<std::string> answers = c.answers;
    answers.push_back("0");
    bench.run(c.item, answers);
    ASSERT_EQ(bench.host.open.count(c.page), 1u);
    EXPECT_TRUE(bench.printer.printed.empty());
    EXPECT_NE(bench.host.open.at(c.page).text(c.drawnField, 0).caption, c.drawnField);
    EXPECT_EQ(bench.questions.asked.back().title, c.title);

    answers.back() = "2";
    bench.run(c.item, answers);
    ASSERT_EQ(bench.printer.printed.size(), 2u);
    EXPECT_EQ(bench.printer.printed[0].form, formName(c.page));
    EXPECT_TRUE(bench.messages.shown.empty());
  }
}

}  // namespace
}  // namespace ws
