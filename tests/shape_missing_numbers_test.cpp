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

constexpr int kProblems = 18;

struct Sheet {
  std::string givenDigits = "1";
  std::string targetDigits = "1";

  Page draw(PageKind kind, FractionSource& random) const {
    ParameterBlock block;
    NumberText numbers{","};
    block.set(Field::Label1, givenDigits);
    block.set(Field::Label3, targetDigits);
    return drawPage(kind, LoadContext{block, random, numbers});
  }
};

// Whole numbers drawn with `bound`, in order.
std::vector<float> draws(std::initializer_list<double> values, double bound) {
  std::vector<float> fractions;
  for (double v : values) fractions.push_back(fractionThatDraws(v, bound));
  return fractions;
}

std::vector<float> operator+(std::vector<float> a, const std::vector<float>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The number a problem gives, and whether the blank stands before it.
struct Problem {
  double given;
  bool blankFirst;
};

Problem readProblem(const std::string& text, char sign) {
  const std::string blank = ".....";
  const std::string before = blank + " " + sign + " ";
  const std::string after = std::string(" ") + sign + " " + blank;
  if (text.starts_with(before)) {
    const std::string number = text.substr(before.size());
    EXPECT_EQ(number[0], ' ') << "spaced form: " << text;
    return {std::stod(number), true};
  }
  EXPECT_TRUE(text.ends_with(after)) << text;
  EXPECT_EQ(text[0], ' ') << "spaced form: " << text;
  return {std::stod(text.substr(0, text.size() - after.size())), false};
}

// Targets are in the caption form: no leading blank.
double target(const Page& page, int half) {
  const std::string& caption = page.text("Label3", half).caption;
  EXPECT_NE(caption[0], ' ');
  return std::stod(caption);
}

TEST(ShapeAdditions, ZeroTargetsAreDrawnAgainBeforeAnyProblem) {
  // Upper 0: both again; lower 0: both again; then 4 and 6.
  ScriptedFractions random(draws({0, 5, 3, 0, 4, 6}, 10) + draws({3, 2, 0, 1, 3, 2, 0, 1, 3}, 10) +
                           draws({2, 0, 1, 3, 2, 0, 1, 3, 2}, 10));
  const Page page = Sheet{}.draw(PageKind::Form13, random);
  EXPECT_EQ(random.remaining(), 0u);
  EXPECT_EQ(page.text("Label3", 0).caption, "4");
  EXPECT_EQ(page.text("Label3", 1).caption, "6");
  EXPECT_EQ(page.text("Label2", 0).caption, "..... +  3");
  EXPECT_EQ(page.text("Label2", 1).caption, " 2 + .....");
}

TEST(ShapeAdditions, GivenAddendsAtOrAboveTheSmallerTargetAreDrawnAgain) {
  std::vector<float> fractions = draws({7, 4}, 10);
  // Each addend first draws 4 and 9, both refused by the lower target 4.
  for (int k = 0; k < kProblems; ++k) fractions = fractions + draws({4, 9, double(k % 4)}, 10);
  ScriptedFractions random(fractions);
  const Page page = Sheet{}.draw(PageKind::Form13, random);
  EXPECT_EQ(random.remaining(), 0u);
  for (int k = 0; k < kProblems; ++k) {
    EXPECT_EQ(readProblem(page.text("Label2", k).caption, '+').given, k % 4);
  }
}

TEST(ShapeAdditions, NoProblemHasAMissingAddendOfZero) {
  Generator random;
  for (const Sheet& sheet : {Sheet{"1", "1"}, Sheet{"2", "1"}, Sheet{"1", "2"}, Sheet{"0", "0"}}) {
    for (int n = 0; n < 200; ++n) {
      const Page page = sheet.draw(PageKind::Form13, random);
      const double smaller = std::min(target(page, 0), target(page, 1));
      ASSERT_GE(smaller, 1);
      for (int k = 0; k < kProblems; ++k) {
        const Problem p = readProblem(page.text("Label2", k).caption, '+');
        EXPECT_EQ(p.blankFirst, k % 2 == 0);
        ASSERT_LT(p.given, smaller);
        if (smaller == 1) {
          EXPECT_EQ(p.given, 0);
        }
      }
    }
  }
}

TEST(ShapeAdditions, HugeAddendBoundWithTargetsOfOneStillEnds) {
  // Targets of 0 digits are 0 or 1, so both end up 1, and with nine addend digits only a
  // fraction of exactly 0 gives an addend below 1.
  Generator random;
  const Page page = Sheet{"9", "0"}.draw(PageKind::Form13, random);
  for (int k = 0; k < kProblems; ++k) {
    EXPECT_EQ(readProblem(page.text("Label2", k).caption, '+').given, 0);
  }
}

TEST(ShapeSubtractions, OddProblemsStartAboveTheLargerTarget) {
  const struct {
    double upper, lower, larger;
  } cases[] = {{5, 3, 5}, {3, 5, 5}, {4, 4, 4}, {0, 0, 0}};
  for (const auto& c : cases) {
    std::vector<float> fractions = draws({c.upper, c.lower}, 10);
    for (int j = 0; j < 9; ++j) fractions = fractions + draws({double(j % 3), double(j)}, 10);
    ScriptedFractions random(fractions);
    const Page page = Sheet{}.draw(PageKind::Form14, random);
    EXPECT_EQ(random.remaining(), 0u) << "no draw is ever repeated";
    EXPECT_EQ(page.text("Label3", 0).caption, std::to_string(int(c.upper)));
    for (int j = 0; j < 9; ++j) {
      const Problem even = readProblem(page.text("Label2", 2 * j).caption, '-');
      const Problem odd = readProblem(page.text("Label2", 2 * j + 1).caption, '-');
      EXPECT_TRUE(even.blankFirst);
      EXPECT_EQ(even.given, j % 3);
      EXPECT_FALSE(odd.blankFirst);
      EXPECT_EQ(odd.given, c.larger + j);
    }
    EXPECT_EQ(page.text("Label2", 0).caption, "..... -  0");
  }
}

struct ShapeCommands : testing::Test {
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
};

TEST_F(ShapeCommands, EachCommandPrintsABatchAndThenPreviewsItsPage) {
  const struct {
    const char* item;
    std::vector<std::string> answers;  // the count is added below
    PageKind page;
  } cases[] = {{"mnusekiloruntu", {"4", "E"}, PageKind::Form11},
               {"mnusekillitoplama", {"1", "2"}, PageKind::Form13},
               {"mnusekillicıkarmabilin", {"1", "2"}, PageKind::Form14},
               {"mnusekillitoplacıkar", {"2", "1"}, PageKind::Form15}};
  for (const auto& c : cases) {
    for (const char* count : {"2", "0"}) {
      std::vector<std::string> answers = c.answers;
      answers.push_back(count);
      questioner.script(answers);
      runner.run(*findCommand(c.item));
    }
    ASSERT_EQ(host.open.count(c.page), 1u) << c.item;
    EXPECT_NE(host.open.at(c.page).text("Label2", 0).caption,
              pageDefinition(c.page).design().text("Label2", 0).caption);
  }
  EXPECT_EQ(printer.printed.size(), 8u);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ShapeCommands, PatternBoundMatchingNoPatternIsRefusedUnderTheSheetTitle) {
  questioner.script({"3,5", "E", "2"});
  runner.run(*findCommand("mnusekiloruntu"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].first, "ŞEKİL ÖRÜNTÜLERİ");
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_TRUE(host.open.empty());
}

}  // namespace
}  // namespace ws
