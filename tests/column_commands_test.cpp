#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "main_window/command_runner.h"
#include "support/doubles.h"

namespace ws {
namespace {

using test::RecordingMessages;
using test::RecordingPageHost;
using test::RecordingTextSheets;
using test::ScriptedQuestioner;

// The parameter block as a page finds it when it loads, with the sheet it printed.
class SnapshotPrinter final : public PagePrinter {
 public:
  explicit SnapshotPrinter(const ParameterBlock& block) : block_(block) {}
  void print(const Page& page) override {
    printed.push_back(page);
    blocks.push_back(block_);
  }
  std::vector<Page> printed;
  std::vector<ParameterBlock> blocks;

 private:
  const ParameterBlock& block_;
};

struct ColumnCommand {
  const char* item;
  const char* title;
  bool decimal;
  std::vector<std::pair<Field, const char*>> constants;
  PageKind page;
};

using enum Field;
std::vector<std::pair<Field, const char*>> wholeZeroPlaces(const char* variant) {
  return {{Label4, "0"}, {Label8, "0"}, {Label5, variant}};
}

// The fifteen column and division commands as the teacher's menu promises them.
const ColumnCommand kColumnCommands[] = {
    {"mnualtaltatoplama",
     "ALT ALTA DOĞAL SAYILAR TOPLAMA",
     false,
     {{Label5, "0"}},
     PageKind::Form2},
    {"mnualtaltabilintoplama",
     "ALT ALTA DOĞAL SAYILAR TOPLAMA",
     false,
     {{Label5, "1"}},
     PageKind::Form2},
    {"mnutoplamaçıkarma",
     "ALT ALTA DOĞAL SAYILAR TOPLAMA-ÇIKARMA",
     false,
     {{Label5, "2"}},
     PageKind::Form2},
    {"mnualtaltaondalıktoplama",
     "ALT ALTA ONDALIK SAYILAR TOPLAMA",
     true,
     {{Label5, "0"}},
     PageKind::Form18},
    {"mnualtaltaçıkarma",
     "ALT ALTA DOĞAL SAYILAR ÇIKARMA",
     false,
     {{Label5, "0"}},
     PageKind::Form3},
    {"mnualtaltaçıkarmabilinmeye",
     "ALT ALTA DOĞAL SAYILAR ÇIKARMA",
     false,
     {{Label5, "1"}},
     PageKind::Form3},
    {"mnualtlataondalıkcıkar",
     "ALT ALTA ONDALIK SAYILAR ÇIKARMA",
     true,
     {{Label5, "0"}},
     PageKind::Form19},
    {"mnualtaltacarpma", "ALT ALTA DOĞAL SAYILAR ÇARPMA", false, wholeZeroPlaces("0"),
     PageKind::Form4},
    {"mnualtaltabilinmeyencarpma", "ALT ALTA DOĞAL SAYILAR ÇARPMA", false, wholeZeroPlaces("1"),
     PageKind::Form4},
    {"mnualtaltacarpmaondalık",
     "ALT ALTA ONDALIK SAYILAR ÇARPMA",
     true,
     {{Label5, "0"}},
     PageKind::Form4},
    {"mnualtaltacarpmabilinmeyenondalık",
     "ALT ALTA ONDALIK SAYILAR ÇARPMA",
     true,
     {{Label5, "1"}},
     PageKind::Form4},
    {"mnukalanlıbölme", "DOĞAL SAYILAR BÖLME", false, wholeZeroPlaces("1"), PageKind::Form5},
    {"mnukalansızbolme", "DOĞAL SAYILAR BÖLME", false, wholeZeroPlaces("0"), PageKind::Form5},
    {"mnukalanlıondalıkbolme", "ONDALIK SAYILAR BÖLME", true, {{Label5, "1"}}, PageKind::Form5},
    {"mnukalansızondalıkbolme", "ONDALIK SAYILAR BÖLME", true, {{Label5, "0"}}, PageKind::Form5},
};

struct Asked {
  const char* prompt;
  Field field;
};
const std::vector<Asked> kWholeQuestions{{"Birinci sayının basamak sayısı kaç?", Label1},
                                         {"İkinci sayının basamak sayısı kaç?", Label3},
                                         {"Resimli olsun mu (E,H)?", Label2}};
const std::vector<Asked> kDecimalQuestions{{"Birinci sayının basamak sayısı kaç?", Label1},
                                           {"Birinci sayının ondalık basamak sayısı kaç?", Label4},
                                           {"İkinci sayının basamak sayısı kaç?", Label3},
                                           {"İkinci sayının ondalık basamak sayısı kaç?", Label8},
                                           {"Resimli olsun mu (E,H)?", Label2}};

class CommandFixture : public ::testing::Test {
 protected:
  void run(const char* item, std::vector<std::string> answers) {
    questioner.script(std::move(answers));
    runner.run(*findCommand(item));
  }
  // The answers in the order asked, count last: two digits, one place, one digit, two places.
  static std::vector<std::string> answers(bool decimal, const char* count) {
    if (decimal) return {"2", "1", "1", "2", "E", count};
    return {"2", "1", "E", count};
  }

  ParameterBlock block;
  Generator generator;
  NumberText numbers{","};
  ScriptedQuestioner questioner;
  RecordingMessages messages;
  SnapshotPrinter printer{block};
  RecordingPageHost host;
  RecordingTextSheets textSheets;
  int broughtBack = 0;
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [this] { ++broughtBack; }};
  HandOver handOver{block, numbers, frame, host};
  CommandRunner runner{block, numbers, questioner, messages, handOver, textSheets};
};

class ColumnCommands : public CommandFixture,
                       public ::testing::WithParamInterface<ColumnCommand> {};

TEST_P(ColumnCommands, WritesItsConstantsInOrderToItsPage) {
  const ColumnCommand& expected = GetParam();
  const Command* command = findCommand(expected.item);
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->title, expected.title);
  EXPECT_EQ(command->countDefault, "0");
  ASSERT_EQ(command->constants.size(), expected.constants.size());
  for (std::size_t i = 0; i < expected.constants.size(); ++i) {
    EXPECT_EQ(command->constants[i].field, expected.constants[i].first) << i;
    EXPECT_EQ(command->constants[i].text, expected.constants[i].second) << i;
  }
  ASSERT_FALSE(command->isTextSheet());
  EXPECT_EQ(std::get<PageKind>(command->output), expected.page);
}

TEST_P(ColumnCommands, PreviewAsksItsQuestionsAndShowsItsPage) {
  const ColumnCommand& expected = GetParam();
  block.set(Label4, "kept");
  block.set(Label8, "kept");
  run(expected.item, answers(expected.decimal, "0"));

  const auto& questions = expected.decimal ? kDecimalQuestions : kWholeQuestions;
  ASSERT_EQ(questioner.asked.size(), questions.size() + 1);
  const auto given = answers(expected.decimal, "0");
  for (std::size_t i = 0; i < questions.size(); ++i) {
    SCOPED_TRACE(questions[i].prompt);
    const bool pictures = questions[i].field == Label2;
    EXPECT_EQ(questioner.asked[i].prompt, questions[i].prompt);
    EXPECT_EQ(questioner.asked[i].title, pictures ? "RESİMLİ ÇIKTI" : expected.title);
    EXPECT_EQ(questioner.asked[i].defaultAnswer, pictures ? "E" : "1");
    EXPECT_EQ(block.get(questions[i].field), given[i]);
  }
  EXPECT_EQ(questioner.asked.back().prompt, "Kaç tane hazırlansın?");
  EXPECT_EQ(questioner.asked.back().title, expected.title);
  EXPECT_EQ(questioner.asked.back().defaultAnswer, "0");

  for (const auto& [field, text] : expected.constants) EXPECT_EQ(block.get(field), text);
  if (!expected.decimal && expected.constants.size() == 1) {
    EXPECT_EQ(block.get(Label4), "kept");  // addition and subtraction do not need them
    EXPECT_EQ(block.get(Label8), "kept");
  }
  ASSERT_EQ(host.open.count(expected.page), 1u);
  EXPECT_EQ(host.open.at(expected.page).form, formName(expected.page));
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_EQ(broughtBack, 0);
  EXPECT_EQ(block.get(Label9), "0");
}

TEST_P(ColumnCommands, BatchPrintsEachSheetAndLeavesNoPageOpen) {
  const ColumnCommand& expected = GetParam();
  run(expected.item, answers(expected.decimal, "2"));
  ASSERT_EQ(printer.printed.size(), 2u);
  for (const Page& page : printer.printed) EXPECT_EQ(page.form, formName(expected.page));
  for (const ParameterBlock& atLoad : printer.blocks) {
    for (const auto& [field, text] : expected.constants) EXPECT_EQ(atLoad.get(field), text);
  }
  EXPECT_EQ(broughtBack, 2);
  EXPECT_TRUE(host.open.empty());
}

INSTANTIATE_TEST_SUITE_P(Fifteen, ColumnCommands, ::testing::ValuesIn(kColumnCommands),
                         [](const auto& info) { return std::to_string(info.index); });

using ColumnCommandSequence = CommandFixture;

bool showsADecimalSeparator(const Page& page) {
  for (const TextField& t : page.texts) {
    if ((t.name == "Label2" || t.name == "Label3" || t.name == "Label4") && t.index >= 0 &&
        t.caption.find(',') != std::string::npos) {
      return true;
    }
  }
  return false;
}

// A whole-number sheet after a decimal one: the places left from the decimal answers must not
// reach the page.
TEST_F(ColumnCommandSequence, WholeNumberCommandResetsThePlacesBeforeItsPageLoads) {
  const std::pair<const char*, const char*> sequences[] = {
      {"mnualtaltacarpmaondalık", "mnualtaltacarpma"},
      {"mnualtaltacarpmabilinmeyenondalık", "mnualtaltabilinmeyencarpma"},
      {"mnukalanlıondalıkbolme", "mnukalansızbolme"},
      {"mnukalansızondalıkbolme", "mnukalanlıbölme"},
  };
  for (const auto& [decimal, whole] : sequences) {
    SCOPED_TRACE(whole);
    printer.printed.clear();
    printer.blocks.clear();
    run(decimal, {"2", "2", "2", "1", "H", "1"});
    ASSERT_EQ(printer.blocks.size(), 1u);
    EXPECT_EQ(printer.blocks[0].get(Label4), "2");
    EXPECT_EQ(printer.blocks[0].get(Label8), "1");
    EXPECT_TRUE(showsADecimalSeparator(printer.printed[0]));

    run(whole, {"2", "2", "H", "1"});
    ASSERT_EQ(printer.blocks.size(), 2u);
    EXPECT_EQ(printer.blocks[1].get(Label4), "0");
    EXPECT_EQ(printer.blocks[1].get(Label8), "0");
    EXPECT_FALSE(showsADecimalSeparator(printer.printed[1]));
  }
}

TEST_F(ColumnCommandSequence, AnotherCommandOfTheSamePageShowsAFreshPageOfItsKind) {
  run("mnualtaltacarpma", {"1", "1", "E", "0"});
  const Page plain = host.open.at(PageKind::Form4);
  EXPECT_EQ(plain.text("Label4", 1).caption, "...");

  run("mnualtaltabilinmeyencarpma", {"1", "1", "E", "0"});
  EXPECT_EQ(host.unloads, 1);
  const Page missing = host.open.at(PageKind::Form4);
  EXPECT_EQ(missing.text("Label2", 1).caption, "...");
  EXPECT_EQ(missing.text("Label3", 2).caption, "...");

  run("mnukalanlıbölme", {"1", "1", "H", "0"});
  run("mnukalansızbolme", {"1", "1", "H", "0"});
  EXPECT_EQ(host.unloads, 2);
  EXPECT_EQ(host.open.size(), 2u);
  EXPECT_FALSE(host.open.at(PageKind::Form5).picture("Image1").visible);
}

}  // namespace
}  // namespace ws
