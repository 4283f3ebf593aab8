#include "main_window/command_runner.h"

#include <gtest/gtest.h>

#include "support/doubles.h"

namespace ws {
namespace {

using test::RecordingMessages;
using test::RecordingPageHost;
using test::RecordingPrinter;
using test::RecordingTextSheets;
using test::ScriptedQuestioner;

// The main window's side of a command, with every window and device replaced.
struct Commands : testing::Test {
  ParameterBlock block;
  Generator generator;
  NumberText numbers{","};
  ScriptedQuestioner questioner;
  RecordingMessages messages;
  RecordingPrinter printer;
  RecordingPageHost host;
  RecordingTextSheets textSheets;
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [] {}};
  HandOver handOver{block, numbers, frame, host};
  CommandRunner runner{block, numbers, questioner, messages, handOver, textSheets};

  void run(std::string_view item, std::vector<std::string> answers) {
    questioner.script(std::move(answers));
    runner.run(*findCommand(item));
  }
  std::string field(Field f) const { return block.get(f); }
};

TEST_F(Commands, ColumnMultiplicationRoadPrintsThreeSheetsWithItsConstants) {
  run("mnualtaltacarpma", {"2", "1", "E", "3"});
  EXPECT_EQ(field(Field::Label1), "2");
  EXPECT_EQ(field(Field::Label3), "1");
  EXPECT_EQ(field(Field::Label2), "E");
  EXPECT_EQ(field(Field::Label4), "0");
  EXPECT_EQ(field(Field::Label8), "0");
  EXPECT_EQ(field(Field::Label5), "0");
  EXPECT_EQ(printer.printed.size(), 3u);
  EXPECT_TRUE(host.open.empty());
  EXPECT_EQ(field(Field::Label9), "Label9");
}

TEST_F(Commands, QuestionsCarryTheSheetTitleButThePictureQuestion) {
  run("mnualtaltaondalıktoplama", {"1", "1", "1", "1", "E", "0"});
  ASSERT_EQ(questioner.asked.size(), 6u);
  for (const auto& asked : questioner.asked) {
    const bool pictures = asked.prompt == "Resimli olsun mu (E,H)?";
    EXPECT_EQ(asked.title, pictures ? "RESİMLİ ÇIKTI" : "ALT ALTA ONDALIK SAYILAR TOPLAMA");
    EXPECT_EQ(asked.defaultAnswer,
              pictures ? "E" : (&asked == &questioner.asked.back() ? "0" : "1"));
  }
}

TEST_F(Commands, EmptyAnswerStopsAtOnceLeavingEarlierAnswersAndNoConstants) {
  // Cancel at every question in turn: the answers before it stay, nothing after it happens.
  const std::vector<std::string> answers{"3", "2", "E", "2"};
  for (std::size_t stop = 0; stop < answers.size(); ++stop) {
    SCOPED_TRACE(stop);
    block = ParameterBlock();
    std::vector<std::string> script(answers.begin(), answers.begin() + stop);
    script.push_back("");
    run("mnualtaltacarpma", script);
    EXPECT_EQ(questioner.asked.size(), stop + 1);
    questioner.asked.clear();
    EXPECT_EQ(field(Field::Label1), stop > 0 ? "3" : "?");
    EXPECT_EQ(field(Field::Label3), stop > 1 ? "2" : "?");
    EXPECT_EQ(field(Field::Label2), stop > 2 ? "E" : "+");
    EXPECT_EQ(field(Field::Label4), "=");
    EXPECT_EQ(field(Field::Label8), "Label8");
    EXPECT_EQ(field(Field::Label5), "?");
  }
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_TRUE(host.open.empty());
}

TEST_F(Commands, AnswersAreStoredExactlyAsTyped) {
  for (const char* picture : {" E", "e", "   ", "Evet"}) {
    run("mnusıralamalar", {"  2x", picture, "0"});
    EXPECT_EQ(field(Field::Label1), "  2x");
    EXPECT_EQ(field(Field::Label2), picture);
  }
}

TEST_F(Commands, PreviewLeavesOnePageOpenAndTheFlagAtZero) {
  run("mnusaatokutam", {"0"});
  EXPECT_EQ(field(Field::Label1), "TAM");
  EXPECT_EQ(host.open.count(PageKind::Form9), 1u);
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_EQ(field(Field::Label9), "0");
}

TEST_F(Commands, WholeNumberCommandResetsThePlacesADecimalCommandLeft) {
  run("mnualtaltacarpmaondalık", {"1", "2", "1", "1", "H", "0"});
  EXPECT_EQ(field(Field::Label4), "2");
  run("mnukalansızbolme", {"1", "1", "H", "1"});
  EXPECT_EQ(field(Field::Label4), "0");
  EXPECT_EQ(field(Field::Label8), "0");
  EXPECT_EQ(field(Field::Label5), "0");
}

TEST_F(Commands, TextSheetCommandsKeepTheirAnswersOutOfTheBlock) {
  run("mnuyanyanaondalıkbolme", {"2", "1", "1", "3", "4"});
  ASSERT_EQ(textSheets.runs.size(), 1u);
  EXPECT_EQ(textSheets.runs[0].second, (std::vector<std::string>{"2", "1", "1", "3", "4"}));
  EXPECT_EQ(field(Field::Label1), "?");
  EXPECT_EQ(field(Field::Label4), "=");
}

// Answers that would overflow the bound or keep the program busy for hours are refused
// with one message under the sheet title, before anything is drawn or opened.
TEST_F(Commands, HugeDigitCountsAndCountsAreRefusedBeforeAnythingHappens) {
  struct Case {
    const char* item;
    std::vector<std::string> answers;
    std::size_t questionsAsked;
  };
  const Case cases[] = {
      {"mnualtaltacarpma", {"309"}, 1},
      {"mnualtaltacarpma", {"1", "1e400"}, 2},
      {"mnuyanyanatoplama", {"1", "1", "10001"}, 3},
      {"mnuislemtablosu", {"1", "1", "0", "99999"}, 4},
      {"mnusekillitoplama", {"400"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    messages.shown.clear();
    questioner.asked.clear();
    run(c.item, c.answers);
    EXPECT_EQ(questioner.asked.size(), c.questionsAsked);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, findCommand(c.item)->title);
    EXPECT_NE(messages.shown[0].second.find(questioner.asked.back().prompt), std::string::npos);
  }
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_TRUE(host.open.empty());
  EXPECT_TRUE(textSheets.runs.empty());
  EXPECT_EQ(field(Field::Label4), "=");
}

TEST_F(Commands, LimitsThemselvesAndWordsAreAccepted) {
  run("mnualtaltacarpma", {"308", "abc", "E", "0"});
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(host.open.count(PageKind::Form4), 1u);
  run("mnuyanyanatoplama", {"1", "1", "10000"});
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(textSheets.runs.size(), 1u);
}

}  // namespace
}  // namespace ws
