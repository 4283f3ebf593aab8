#include <gtest/gtest.h>

#include <map>
#include <regex>
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

constexpr int kProblems = 9;

struct MultipleOperationsSheet : testing::Test {
  ParameterBlock block;
  NumberText numbers{","};

  Page draw(FractionSource& random, const char* d1 = "2", const char* d2 = "2",
            const char* d3 = "1") {
    block.set(Field::Label1, d1);
    block.set(Field::Label3, d2);
    block.set(Field::Label5, d3);
    return drawPage(PageKind::Form17, LoadContext{block, random, numbers});
  }
};

// One problem's draws: two operator positions (1 "+", 2 "-", 3 "x"), then a, b and c.
void problem(std::vector<float>& script, int op1, int op2, double a, double b, double c,
             double boundA = 100, double boundB = 100, double boundC = 10) {
  script.push_back(fractionThatDraws(op1, 10));
  script.push_back(fractionThatDraws(op2, 10));
  script.push_back(fractionThatDraws(a, boundA));
  script.push_back(fractionThatDraws(b, boundB));
  script.push_back(fractionThatDraws(c, boundC));
}

TEST_F(MultipleOperationsSheet, ProblemsAreWrittenWithOneBlankBeforeEachNumber) {
  struct Case {
    int op1, op2;
    double a, b, c;
    const char* caption;
  };
  const Case cases[] = {
      {2, 3, 45, 12, 3, "( 45- 12)x 3=....."},
      {1, 1, 0, 0, 0, "( 0+ 0)+ 0=....."},
      // The larger number goes first, so the bracket never holds a negative difference.
      {2, 2, 3, 5, 10, "( 5- 3)- 10=....."},
      {3, 2, 100, 100, 9, "( 100x 100)- 9=....."},
  };
  std::vector<float> script;
  for (int i = 0; i < kProblems; ++i) {
    const Case& c = cases[i % std::size(cases)];
    problem(script, c.op1, c.op2, c.a, c.b, c.c);
  }
  ScriptedFractions random(script);
  const Page page = draw(random);
  EXPECT_EQ(random.remaining(), 0u);
  for (int i = 0; i < kProblems; ++i) {
    EXPECT_EQ(page.text("Label2", i).caption, cases[i % std::size(cases)].caption) << i;
  }
}

TEST_F(MultipleOperationsSheet, OperatorDrawsOfZeroAndFourToTenAreDrawnAgain) {
  for (int rejected : {0, 4, 5, 6, 7, 8, 9, 10}) {
    SCOPED_TRACE(rejected);
    std::vector<float> script;
    // First problem: every operator draw is rejected once before a usable one.
    script.push_back(fractionThatDraws(rejected, 10));
    script.push_back(fractionThatDraws(3, 10));
    script.push_back(fractionThatDraws(rejected, 10));
    script.push_back(fractionThatDraws(rejected, 10));
    script.push_back(fractionThatDraws(1, 10));
    for (double number : {7, 8, 4}) script.push_back(fractionThatDraws(number, 10));
    for (int i = 1; i < kProblems; ++i) problem(script, 1, 1, 0, 0, 0, 10, 10, 10);
    ScriptedFractions random(script);
    const Page page = draw(random, "1", "1", "1");
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(page.text("Label2", 0).caption, "( 8x 7)+ 4=.....");
  }
}

TEST_F(MultipleOperationsSheet, DigitCountsBelowOneGiveOnlyZeroAndOne) {
  Generator generator;
  const std::regex shape(R"(\( ([01])[-+x] ([01])\)[-+x] ([01])=\.\.\.\.\.)");
  for (int sheet = 0; sheet < 20; ++sheet) {
    const Page page = draw(generator, "0", "-2", "abc");
    for (int i = 0; i < kProblems; ++i) {
      ASSERT_TRUE(std::regex_match(page.text("Label2", i).caption, shape))
          << page.text("Label2", i).caption;
    }
  }
}

TEST_F(MultipleOperationsSheet, ManySheetsUseEveryOperatorAndNeverANegativeBracket) {
  Generator generator;
  const std::regex shape(R"(\( (\d+)([-+x]) (\d+)\)([-+x]) (\d+)=\.\.\.\.\.)");
  std::map<char, int> seen;
  const int sheets = 500;
  for (int sheet = 0; sheet < sheets; ++sheet) {
    const Page page = draw(generator, "3", "3", "2");
    for (int i = 0; i < kProblems; ++i) {
      std::smatch m;
      const std::string& caption = page.text("Label2", i).caption;
      ASSERT_TRUE(std::regex_match(caption, m, shape)) << caption;
      ASSERT_GE(std::stod(m[1]), std::stod(m[3])) << caption;
      ASSERT_LE(std::stod(m[1]), 1000);
      ASSERT_LE(std::stod(m[5]), 100);
      ++seen[m[2].str()[0]];
      ++seen[m[4].str()[0]];
    }
  }
  // Each of the three operators about a third of the time.
  for (char op : {'+', '-', 'x'}) EXPECT_NEAR(seen[op], sheets * kProblems * 2 / 3, 300) << op;
}

TEST(MultipleOperationsCommand, AsksThreeDigitCountsAndPreviewsTheFigure) {
  ParameterBlock block;
  block.set(Field::Label5, "BUYUKESITKUCUK");
  Generator generator;
  NumberText numbers{","};
  test::ScriptedQuestioner questioner({"2", "1", "3", "0"});
  test::RecordingMessages messages;
  test::RecordingPrinter printer;
  test::RecordingPageHost host;
  test::RecordingTextSheets textSheets;
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [] {}};
  HandOver handOver{block, numbers, frame, host};
  CommandRunner runner{block, numbers, questioner, messages, handOver, textSheets};
  runner.run(*findCommand("mnuçokluyanyanaişlem"));

  const std::vector<std::string> prompts{
      "Birinci sayının basamak sayısı kaç?", "İkinci sayının basamak sayısı kaç?",
      "Üçüncü sayının basamak sayısı kaç?", "Kaç tane hazırlansın?"};
  ASSERT_EQ(questioner.asked.size(), prompts.size());
  for (std::size_t q = 0; q < prompts.size(); ++q) {
    EXPECT_EQ(questioner.asked[q].prompt, prompts[q]);
    EXPECT_EQ(questioner.asked[q].title, "ÇOKLU YAN YANA İŞLEMLER");
    EXPECT_EQ(questioner.asked[q].defaultAnswer, q + 1 < prompts.size() ? "1" : "0");
  }
  // The third digit count replaces a variant an earlier command left behind.
  EXPECT_EQ(block.get(Field::Label1), "2");
  EXPECT_EQ(block.get(Field::Label3), "1");
  EXPECT_EQ(block.get(Field::Label5), "3");

  const Page& page = host.open.at(PageKind::Form17);
  EXPECT_EQ(page.text("Label1").caption, "İŞLEMLERİ YAP ve ŞEKLİ BOYA.");
  EXPECT_TRUE(page.pictures.empty());
  EXPECT_TRUE(printer.printed.empty());
}

}  // namespace
}  // namespace ws
