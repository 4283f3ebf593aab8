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

}  // namespace
}  // namespace ws
