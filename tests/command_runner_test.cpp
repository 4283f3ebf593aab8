#include "main_window/command_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "support/doubles.h"

namespace ws {
namespace {

// The main window's side of a command, with every window and device replaced.
struct Commands : testing::Test {
  ParameterBlock block;
  Generator generator;
  NumberText numbers{","};
  test::ScriptedQuestioner questioner;
  test::RecordingMessages messages;
  test::RecordingPrinter printer;
  test::RecordingPageHost host;
  test::RecordingTextSheets textSheets;
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [] {}};
  HandOver handOver{block, numbers, frame, host};
  CommandRunner runner{block, numbers, questioner, messages, handOver, textSheets};

  void run(std::string_view item, std::vector<std::string> answers) {
    questioner.script(std::move(answers));
    runner.run(*findCommand(item));
  }
  std::string field(Field f) const { return block.get(f); }
};

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

// A whole-number command writes zero places over those a decimal command left in the block.
TEST_F(Commands, APageCommandStoresItsAnswersAndConstantsThenPrints) {
  run("mnualtaltacarpmaondalık", {"1", "2", "1", "1", "H", "0"});
  EXPECT_EQ(field(Field::Label4), "2");
  run("mnualtaltacarpma", {"2", "1", "E", "3"});
  for (auto [f, text] : {std::pair{Field::Label1, "2"},
                         {Field::Label3, "1"},
                         {Field::Label2, "E"},
                         {Field::Label4, "0"},
                         {Field::Label8, "0"},
                         {Field::Label5, "0"}})
    EXPECT_EQ(field(f), text);
  EXPECT_EQ(printer.printed.size(), 3u);
}

TEST_F(Commands, TextSheetCommandsKeepTheirAnswersOutOfTheBlock) {
  run("mnuyanyanaondalıkbolme", {"2", "1", "1", "3", "4"});
  ASSERT_EQ(textSheets.runs.size(), 1u);
  EXPECT_EQ(textSheets.runs[0].second, (std::vector<std::string>{"2", "1", "1", "3", "4"}));
  EXPECT_EQ(field(Field::Label1), "?");
  EXPECT_EQ(field(Field::Label4), "=");
}

// Answers for which no start term or no step could ever be drawn would hang the page.
TEST_F(Commands, NumberPatternRefusesAnswersThatCouldNeverBeDrawn) {
  // Start, end and step bounds, and a piece of the refusal (null: the sheet is drawn).
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      // clang-format off
      {"-1", "100", "5", "en az 0"},           {"101", "50", "5", "en fazla 100"},
      {"1E400", "1E400", "5", "en fazla 100"}, {"1", "100", "0,5", "en az 1"},
      {"1", "100", "5", nullptr},              {"0,5", "100", "1,5", nullptr},
      {"99,5", "0", "1", nullptr},             {"5", "1E400", "1E400", nullptr},
      // clang-format on
  };
  for (const auto& [start, end, step, refusal] : cases) {
    SCOPED_TRACE(std::string(start) + " " + end + " " + step);
    messages.shown.clear();
    printer.printed.clear();
    run("mnusayıoruntusu", {start, end, step, "E", "2"});
    ASSERT_EQ(messages.shown.size(), refusal ? 1u : 0u);
    EXPECT_EQ(printer.printed.size(), refusal ? 0u : 2u);
    EXPECT_TRUE(!refusal || messages.shown[0].second.find(refusal) != std::string::npos);
  }
}

}  // namespace
}  // namespace ws
