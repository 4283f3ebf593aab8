#include "main_window/command_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/doubles.h"

namespace ws {
namespace {

std::vector<std::string> captions(const Page& page) {
  std::vector<std::string> all;
  for (const TextField& field : page.texts) all.push_back(field.caption);
  return all;
}

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
  std::size_t fronts = 0;  // the times a printed sheet brought the main window back
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [this] { ++fronts; }};
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

// Hand-overs of a column addition of two 2-digit numbers.
TEST_F(Commands, APreviewStaysOpenUnprintedUntilTheNextHandOverToItsPage) {
  block.set(Field::Label1, "2");
  block.set(Field::Label3, "2");
  block.set(Field::Label2, "E");
  handOver.run(PageKind::Form2, "0");
  handOver.run(PageKind::Form3, "0");
  EXPECT_TRUE(host.isOpen(PageKind::Form2) && host.isOpen(PageKind::Form3));
  EXPECT_EQ(printer.printed.size() + fronts, 0u) << "a preview neither prints nor calls Form1 back";
  EXPECT_EQ(block.get(Field::Label9), "0");
  const std::vector<std::string> first = captions(host.open.at(PageKind::Form2));
  EXPECT_TRUE(host.open.at(PageKind::Form2).picture("Image1").visible);

  // Drawn anew from new answers: only a lone capital E shows pictures; mixed starts with a minus.
  block.set(Field::Label5, "2");
  block.set(Field::Label2, "E ");
  handOver.run(PageKind::Form2, "0");
  const Page& second = host.open.at(PageKind::Form2);
  EXPECT_EQ(host.unloads, 1);
  EXPECT_NE(captions(second), first);
  EXPECT_FALSE(second.line("Line2", 0).visible || second.picture("Image1").visible);

  handOver.run(PageKind::Form2, "2");  // closes the preview unprinted; the other page stays
  EXPECT_EQ(host.unloads, 2);
  EXPECT_EQ(printer.printed.size(), 2u);
  EXPECT_TRUE(!host.isOpen(PageKind::Form2) && host.isOpen(PageKind::Form3));
}

TEST_F(Commands, ABatchPrintsEverySheetFreshlyDrawnUnlessTheFlagReadsOne) {
  block.set(Field::Label1, "2");
  block.set(Field::Label3, "2");
  const std::tuple<const char*, const char*, size_t> cases[] = {
      {"3", "Label9", 3}, {"2,5", "2", 2}, {"2", "1,0", 0}, {"-2", "0", 0}};
  for (auto [count, flag, sheets] : cases) {
    SCOPED_TRACE(std::string(count) + " " + flag);
    printer = {};
    fronts = 0;
    block.set(Field::Label9, flag);
    handOver.run(PageKind::Form2, count);
    EXPECT_EQ(printer.printed.size(), sheets);
    // One batch around its sheets, so that the printer tells what befell them once, at the end.
    EXPECT_EQ(printer.batches, count[0] == '-' ? 0 : 1);
    EXPECT_EQ(printer.printedInBatch, int(sheets));
    EXPECT_FALSE(printer.inBatch);
    EXPECT_EQ(fronts, sheets);
    EXPECT_TRUE(host.open.empty());
    EXPECT_EQ(block.get(Field::Label9), flag) << "a batch does not write the preview flag";
    for (size_t i = 1; i < printer.printed.size(); ++i) {
      EXPECT_NE(captions(printer.printed[i]), captions(printer.printed[i - 1]));
    }
  }
}

}  // namespace
}  // namespace ws
