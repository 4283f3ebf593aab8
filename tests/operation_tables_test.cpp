#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "main_window/command_runner.h"
#include "pages/page_frame.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::ScriptedFractions;

// Header numbers per page: column numbers, then row numbers.
struct TablePage {
  PageKind kind;
  int columns;
  int rows;
};
constexpr TablePage kForm12{PageKind::Form12, 12, 10};
constexpr TablePage kForm16{PageKind::Form16, 8, 8};

struct OperationTables : testing::Test {
  ParameterBlock block;
  NumberText numbers{","};

  Page draw(PageKind kind, FractionSource& random, const char* operation,
            const char* columnDigits = "2", const char* rowDigits = "2") {
    block.set(Field::Label1, columnDigits);
    block.set(Field::Label3, rowDigits);
    block.set(Field::Label5, operation);
    return drawPage(kind, LoadContext{block, random, numbers});
  }
  // Header draws with bound 100: column i shows 10 + i, row j shows 50 + j.
  static void headers(std::vector<float>& script, const TablePage& page) {
    for (int i = 0; i < page.columns; ++i) script.push_back(fractionThatDraws(10 + i, 100));
    for (int j = 0; j < page.rows; ++j) script.push_back(fractionThatDraws(50 + j, 100));
  }
  static std::string operators(const Page& page) {
    return page.text("Label4", 0).caption + page.text("Label4", 1).caption;
  }
};

TEST_F(OperationTables, AnswerOtherThanZeroSetsTheBoxesWithoutDrawing) {
  struct Case {
    const char* operation;
    const char* boxes;
  };
  const Case cases[] = {{"1", "++"}, {"2", "xx"},  {"2 tane", "xx"}, {"3", "++"},
                        {"7", "++"}, {"-1", "++"}, {"0,5", "++"},    {"1,0", "++"}};
  for (const TablePage& table : {kForm12, kForm16}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.operation);
      std::vector<float> script;
      headers(script, table);
      ScriptedFractions random(script);
      const Page page = draw(table.kind, random, c.operation);
      EXPECT_EQ(random.remaining(), 0u);
      EXPECT_EQ(operators(page), c.boxes);
    }
  }
}

TEST_F(OperationTables, MixedTablesRedrawUntilTheSecondOperatorDiffers) {
  // Draws in order: the operators, the column numbers, the row numbers.
  for (const TablePage& table : {kForm12, kForm16}) {
    for (const char* operation : {"0", "abc", ""}) {
      SCOPED_TRACE(operation);
      std::vector<float> script;
      for (int k : {0, 5, 2}) script.push_back(fractionThatDraws(k, 10));
      for (int k : {2, 0, 9, 10, 1}) script.push_back(fractionThatDraws(k, 10));
      headers(script, table);
      ScriptedFractions random(script);
      const Page page = draw(table.kind, random, operation);
      EXPECT_EQ(random.remaining(), 0u);
      EXPECT_EQ(operators(page), "x+");
      for (int i = 0; i < table.columns; ++i) {
        EXPECT_EQ(page.text("Label2", i).caption, std::to_string(10 + i));
      }
      for (int j = 0; j < table.rows; ++j) {
        EXPECT_EQ(page.text("Label3", j).caption, std::to_string(50 + j));
      }
    }
  }
}

TEST_F(OperationTables, MixedTablesAlwaysDifferAndEachOrderOccurs) {
  for (const TablePage& table : {kForm12, kForm16}) {
    Generator generator;
    int additionOnTop = 0;
    const int sheets = 1000;
    for (int sheet = 0; sheet < sheets; ++sheet) {
      const std::string boxes = operators(draw(table.kind, generator, "0"));
      ASSERT_TRUE(boxes == "+x" || boxes == "x+") << boxes;
      additionOnTop += boxes == "+x";
    }
    EXPECT_NEAR(additionOnTop, sheets / 2, 80);
  }
}

TEST_F(OperationTables, DigitCountsGiveHeadersFromZeroToTheBound) {
  for (const TablePage& table : {kForm12, kForm16}) {
    Generator generator;
    double largestColumn = 0, largestRow = 0;
    for (int sheet = 0; sheet < 200; ++sheet) {
      const Page page = draw(table.kind, generator, "1", "1", "0");
      for (int i = 0; i < table.columns; ++i) {
        largestColumn = std::max(largestColumn, numbers.read(page.text("Label2", i).caption));
      }
      for (int j = 0; j < table.rows; ++j) {
        const std::string& row = page.text("Label3", j).caption;
        ASSERT_TRUE(row == "0" || row == "1") << row;
        largestRow = std::max(largestRow, numbers.read(row));
      }
    }
    EXPECT_EQ(largestColumn, 10);
    EXPECT_EQ(largestRow, 1);
  }
}

// Where the lower cloud shows each result: its own numbering, kept apart from the page's.
constexpr int kLowerCloud[32] = {13, 1,  24, 29, 25, 28, 23, 6,  27, 26, 14, 3, 22, 21, 15, 30,
                                 20, 31, 4,  19, 16, 2,  18, 17, 7,  12, 11, 5, 10, 9,  8,  0};

// The 32 results the headers and operators of a drawn sheet call for.
std::vector<double> expectedResults(const Page& page, const NumberText& numbers) {
  std::vector<double> results;
  for (int grid = 0; grid < 2; ++grid) {
    const bool adds = page.text("Label4", grid).caption == "+";
    for (int r = 0; r < 4; ++r) {
      for (int c = 0; c < 4; ++c) {
        const double row = numbers.read(page.text("Label3", 4 * grid + r).caption);
        const double column = numbers.read(page.text("Label2", 4 * grid + c).caption);
        results.push_back(adds ? row + column : row * column);
      }
    }
  }
  return results;
}

TEST_F(OperationTables, CloudsShowEveryResultInTheirOwnOrder) {
  std::vector<float> script{fractionThatDraws(1, 10), fractionThatDraws(2, 10)};
  headers(script, kForm16);
  ScriptedFractions random(script);
  const Page page = draw(PageKind::Form16, random, "0");
  ASSERT_EQ(operators(page), "+x");
  // Upper grid: rows 50..53 plus columns 10..13; lower grid: rows 54..57 times columns 14..17.
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(page.text("Label5", 4 * r + c).caption, std::to_string(60 + r + c));
      EXPECT_EQ(page.text("Label5", 16 + 4 * r + c).caption, std::to_string((54 + r) * (14 + c)));
    }
  }
  for (int k = 0; k < 32; ++k) {
    EXPECT_EQ(page.text("Label5", 32 + k).caption, page.text("Label5", kLowerCloud[k]).caption);
  }
}

TEST_F(OperationTables, EachCloudHoldsAllThirtyTwoResults) {
  Generator generator;
  for (const char* operation : {"0", "1", "2", "9"}) {
    for (int sheet = 0; sheet < 50; ++sheet) {
      const Page page = draw(PageKind::Form16, generator, operation, "1", "1");
      std::vector<double> expected = expectedResults(page, numbers);
      std::sort(expected.begin(), expected.end());
      for (int cloud = 0; cloud < 2; ++cloud) {
        std::vector<double> shown;
        for (int k = 0; k < 32; ++k) {
          shown.push_back(numbers.read(page.text("Label5", 32 * cloud + k).caption));
        }
        std::sort(shown.begin(), shown.end());
        ASSERT_EQ(shown, expected) << operation << " cloud " << cloud;
      }
    }
  }
}

// Both "Diğer" items of the tables, from the menu to the sheet.
struct OperationTableCommands : testing::Test {
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
};

TEST_F(OperationTableCommands, DefaultAnswersPreviewOneAdditionAndOneMultiplicationTable) {
  const std::vector<std::string> prompts{
      "Birinci sayının basamak sayısı kaç?", "İkinci sayının basamak sayısı kaç?",
      "İşlem hangisi (0-karışık, 1-Toplama, 2-Çarpma?", "Kaç tane hazırlansın?"};
  for (auto [item, kind] : {std::pair{"mnuislemtablosu", PageKind::Form12},
                            std::pair{"mnuislemtabloboya", PageKind::Form16}}) {
    SCOPED_TRACE(item);
    questioner.asked.clear();
    run(item, {"1", "1", "0", "0"});
    ASSERT_EQ(questioner.asked.size(), prompts.size());
    for (std::size_t q = 0; q < prompts.size(); ++q) {
      EXPECT_EQ(questioner.asked[q].prompt, prompts[q]);
      EXPECT_EQ(questioner.asked[q].title, "İŞLEM TABLOSU");
      EXPECT_EQ(questioner.asked[q].defaultAnswer, q < 2 ? "1" : "0");
    }
    const Page& page = host.open.at(kind);
    const std::string boxes = page.text("Label4", 0).caption + page.text("Label4", 1).caption;
    EXPECT_TRUE(boxes == "+x" || boxes == "x+") << boxes;
  }
  EXPECT_TRUE(printer.printed.empty());
}

TEST_F(OperationTableCommands, OperationAnswerIsStoredAsTypedAndBatchesPrint) {
  run("mnuislemtabloboya", {"2", "1", "7", "2"});
  EXPECT_EQ(block.get(Field::Label5), "7");
  ASSERT_EQ(printer.printed.size(), 2u);
  EXPECT_TRUE(host.open.empty());
}

// Sums and products of numbers with hundreds of digits cannot be written on a sheet.
TEST_F(OperationTableCommands, ColouringTableRefusesResultsBeyondAnyNumber) {
  struct Case {
    const char* item;
    std::vector<std::string> answers;
    bool refused;
  };
  const Case cases[] = {
      {"mnuislemtabloboya", {"300", "300", "2", "0"}, true},
      {"mnuislemtabloboya", {"300", "300", "0", "0"}, true},
      {"mnuislemtabloboya", {"308", "308", "1", "0"}, true},
      {"mnuislemtabloboya", {"300", "300", "1", "0"}, false},
      {"mnuislemtabloboya", {"150", "150", "2", "0"}, false},
      {"mnuislemtablosu", {"300", "300", "2", "0"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers[0] + " " + c.answers[2]);
    messages.shown.clear();
    host.open.clear();
    run(c.item, c.answers);
    EXPECT_EQ(host.open.empty(), c.refused);
    ASSERT_EQ(messages.shown.size(), c.refused ? 1u : 0u);
    if (c.refused) {
      EXPECT_EQ(messages.shown[0].first, "İŞLEM TABLOSU");
    }
  }
}

}  // namespace
}  // namespace ws
