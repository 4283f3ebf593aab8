#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "main_window/command_runner.h"
#include "main_window/text_sheets.h"
#include "support/doubles.h"

namespace ws {
namespace {

// What a pupil sees of a sheet: every caption, and which controls show.
std::string seen(const Page& page) {
  std::string all;
  for (const TextField& text : page.texts) all += text.caption + (text.visible ? '|' : '#');
  for (const Line& line : page.lines) all += line.visible ? '1' : '0';
  for (const Shape& shape : page.shapes) all += shape.visible ? '1' : '0';
  for (const Picture& picture : page.pictures) all += picture.visible ? '1' : '0';
  return all;
}

// Every count from one up to a dozen, and some beyond.
std::vector<int> counts() {
  std::vector<int> all;
  for (int n = 1; n <= 12; ++n) all.push_back(n);
  for (int n : {13, 20, 37, 64}) all.push_back(n);
  return all;
}

// A command's menu item chosen, its questions answered with their defaults and then `count`;
// the windows, the printer, the text file and the editor are replaced.
struct Batches : testing::Test, test::TextInMemory {
  void run(const Command& command, const std::string& count) {
    std::vector<std::string> answers;
    for (const Question& question : command.questions) {
      answers.emplace_back(question.prompt == Prompt::Count ? count
                                                            : defaultAnswer(question.prompt));
    }
    questioner.script(answers);
    printer = {};
    fronts = 0;
    lines.clear();
    runner.run(command);
  }

  ParameterBlock block;
  Generator generator;
  NumberText numbers{","};
  test::ScriptedQuestioner questioner;
  test::RecordingMessages messages;
  test::RecordingPrinter printer;
  test::RecordingPageHost host;
  TextSheets textSheets{block, generator, numbers, *this, *this, messages};
  int fronts = 0;  // the times a printed sheet brought the main window back
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [this] { ++fronts; }};
  HandOver handOver{block, numbers, frame, host};
  CommandRunner runner{block, numbers, questioner, messages, handOver, textSheets};
};

TEST_F(Batches, EveryCountPrintsExactlyThatManySheetsEachTheNextOneOfTheRandomSeries) {
  for (const Command* command : allCommands()) {
    const auto* kind = std::get_if<PageKind>(&command->output);
    if (!kind) continue;
    for (const int count : counts()) {
      SCOPED_TRACE(std::string(command->item) + " " + std::to_string(count));
      // A preview of the same page stands open: the batch closes it unprinted.
      run(*command, "0");
      ASSERT_TRUE(host.isOpen(*kind));
      const int unloads = host.unloads;
      const std::string flag = block.get(Field::Label9);

      const Generator before = generator;
      run(*command, std::to_string(count));
      ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].second;
      ASSERT_EQ(printer.printed.size(), std::size_t(count));
      // Each sheet drawn afresh from the answers, straight after the one before: none
      // repeated, none left out, nothing drawn between them or after the last.
      Generator series = before;
      for (const Page& sheet : printer.printed) {
        EXPECT_EQ(seen(sheet), seen(drawPage(*kind, LoadContext{block, series, numbers})));
      }
      EXPECT_EQ(generator.nextFraction(), series.nextFraction());
      EXPECT_EQ(printer.batches, 1);
      EXPECT_EQ(printer.printedInBatch, count);
      EXPECT_FALSE(printer.inBatch);
      EXPECT_EQ(fronts, count);
      EXPECT_TRUE(host.open.empty()) << "a batch leaves no page open";
      EXPECT_EQ(host.unloads, unloads + 1) << "only the preview is closed";
      EXPECT_EQ(block.get(Field::Label9), flag) << "a batch does not write the preview flag";
    }
  }
}

TEST_F(Batches, EveryCountWritesThatManyRepetitionsOfATextSheet) {
  for (const Command* command : allCommands()) {
    if (!command->isTextSheet()) continue;
    // One line a repetition, or three where a number is missing and for 10, 100 and 1000.
    run(*command, "1");
    const std::size_t perRepetition = lines.size();
    ASSERT_TRUE(perRepetition == 1 || perRepetition == 3) << command->item;
    for (const int count : counts()) {
      SCOPED_TRACE(std::string(command->item) + " " + std::to_string(count));
      const int editorsBefore = editors;
      run(*command, std::to_string(count));
      EXPECT_EQ(lines.size(), perRepetition * count);
      EXPECT_EQ(editors, editorsBefore + 1);
      EXPECT_TRUE(printer.printed.empty() && host.open.empty());
    }
  }
}

TEST_F(Batches, TheCountIsReadAsTheNumberItShows) {
  // The count as typed, the sheets printed, and whether a page is left open for a look.
  struct Case {
    const char* count;
    int sheets;
    bool preview;
  } cases[] = {
      {"1", 1, false},   {"01", 1, false},   {" 1", 1, false},   {"1 tane", 1, false},
      {"1,0", 1, false}, {"1,9", 1, false},  {"1.9", 1, false},  {"2,5", 2, false},
      {"12", 12, false}, {"0", 0, true},     {"0,5", 0, false},  {"0,999", 0, false},
      {"-1", 0, false},  {"-0,5", 0, false}, {"1E1", 10, false}, {"10000", 10000, false},
  };
  const Command& clock = *findCommand("mnusaatokuma");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    host.open.clear();
    run(clock, c.count);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(printer.printed.size(), std::size_t(c.sheets));
    EXPECT_EQ(host.isOpen(PageKind::Form9), c.preview);
  }
  // One more than the most one command prepares is refused before anything is drawn.
  Generator untouched = generator;
  run(clock, "10001");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].second.find("en fazla 10000"), std::string::npos);
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_EQ(generator.nextFraction(), untouched.nextFraction());
}

}  // namespace
}  // namespace ws
