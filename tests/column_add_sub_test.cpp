#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "main_window/command_runner.h"
#include "pages/page_frame.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::fractionThatDraws;
using test::RecordingMessages;
using test::RecordingPageHost;
using test::RecordingPrinter;
using test::RecordingTextSheets;
using test::ScriptedFractions;
using test::ScriptedQuestioner;

constexpr int kProblems = 30;
const NumberText kNumbers{","};

struct Problem {
  std::string upper, lower, result;
};

Problem problem(const Page& page, int k) {
  return {page.text("Label2", k).caption, page.text("Label3", k).caption,
          page.text("Label4", k).caption};
}

double value(const std::string& caption) { return kNumbers.read(caption); }

ParameterBlock answers(const char* variant, const char* d1 = "2", const char* d2 = "2") {
  ParameterBlock block;
  block.set(Field::Label2, "H");
  block.set(Field::Label1, d1);
  block.set(Field::Label3, d2);
  block.set(Field::Label5, variant);
  return block;
}

// A sheet whose 30 problems draw the given upper and lower numbers, both from 0 to 100.
Page sheetOf(PageKind kind, const char* variant,
             const std::function<std::pair<int, int>(int k)>& pair) {
  std::vector<float> fractions;
  for (int k = 0; k < kProblems; ++k) {
    fractions.push_back(fractionThatDraws(pair(k).first, 100));
    fractions.push_back(fractionThatDraws(pair(k).second, 100));
  }
  ScriptedFractions random(fractions);
  const ParameterBlock block = answers(variant);
  Page page = drawPage(kind, LoadContext{block, random, kNumbers});
  EXPECT_EQ(random.remaining(), 0u) << "a sheet costs exactly two draws a problem";
  return page;
}

struct ExchangeCase {
  PageKind kind;
  const char* variant;
  bool exchanges;
};

TEST(ColumnAddSub, OnlySubtractionsPutTheLargerNumberOnTop) {
  const ExchangeCase cases[] = {{PageKind::Form2, "0", false},
                                {PageKind::Form2, "1", false},
                                {PageKind::Form2, "2", true},
                                {PageKind::Form3, "0", true},
                                {PageKind::Form3, "1", true}};
  for (const ExchangeCase& c : cases) {
    SCOPED_TRACE(std::string(formName(c.kind)) + " variant " + c.variant);
    // Even problems draw the smaller number first, odd ones equal numbers.
    Page page = sheetOf(c.kind, c.variant, [](int k) {
      return k % 2 == 0 ? std::pair{k + 1, k + 50} : std::pair{k, k};
    });
    for (int k = 0; k < kProblems; k += 3) {  // problems that show both numbers
      const Problem p = problem(page, k);
      const int first = k % 2 == 0 ? k + 1 : k;
      const int second = k % 2 == 0 ? k + 50 : k;
      const bool exchanged = c.exchanges && second > first;
      EXPECT_EQ(p.upper, kNumbers.caption(exchanged ? second : first)) << k;
      EXPECT_EQ(p.lower, kNumbers.caption(exchanged ? first : second)) << k;
    }
  }
}

struct CycleCase {
  PageKind kind;
  double (*hiddenUpper)(double lower, double result);
  double (*hiddenLower)(double upper, double result);
};

TEST(ColumnAddSub, MissingNumbersCycleAlongTheIndex) {
  const CycleCase cases[] = {
      {PageKind::Form2, [](double lower, double sum) { return sum - lower; },
       [](double upper, double sum) { return sum - upper; }},
      {PageKind::Form3, [](double lower, double difference) { return difference + lower; },
       [](double upper, double difference) { return upper - difference; }},
  };
  for (const CycleCase& c : cases) {
    SCOPED_TRACE(formName(c.kind));
    const auto pair = [](int k) { return std::pair{3 * k % 101, (7 * k + 40) % 101}; };
    Page page = sheetOf(c.kind, "1", pair);
    for (int k = 0; k < kProblems; ++k) {
      SCOPED_TRACE(k);
      const Problem p = problem(page, k);
      int upper = pair(k).first, lower = pair(k).second;
      if (c.kind == PageKind::Form3 && lower > upper) std::swap(upper, lower);
      switch (k % 3) {
        case 0:
          EXPECT_EQ(p.upper, kNumbers.caption(upper));
          EXPECT_EQ(p.lower, kNumbers.caption(lower));
          EXPECT_EQ(p.result, "...");
          break;
        case 1:
          EXPECT_EQ(p.upper, "...");
          EXPECT_EQ(p.lower, kNumbers.caption(lower));
          EXPECT_EQ(c.hiddenUpper(value(p.lower), value(p.result)), upper);
          break;
        case 2:
          EXPECT_EQ(p.upper, kNumbers.caption(upper));
          EXPECT_EQ(p.lower, "...");
          EXPECT_EQ(c.hiddenLower(value(p.upper), value(p.result)), lower);
          break;
      }
    }
  }
}

TEST(ColumnAddSub, MixedSheetAlternatesMinusAndPlusFromAMinus) {
  Page page = sheetOf(PageKind::Form2, "2", [](int k) { return std::pair{k, 2 * k + 1}; });
  for (int k = 0; k < kProblems; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(page.line("Line2", k).visible, k % 2 == 1) << "odd problems keep their plus";
    EXPECT_TRUE(page.line("Line3", k).visible);
    EXPECT_TRUE(page.line("Line1", k).visible);
    const Problem p = problem(page, k);
    EXPECT_GE(value(p.upper), value(p.lower));
    EXPECT_EQ(p.result, "...");
  }
  EXPECT_EQ(page.text("Label1").caption, "TOPLAMA İŞLEMLERİNİ YAPALIM.");
}

struct VariantCase {
  PageKind kind;
  const char* variant;
  enum { Plain, Missing, Mixed } sheet;
};

TEST(ColumnAddSub, VariantIsComparedAsANumber) {
  const VariantCase cases[] = {
      {PageKind::Form2, "0", VariantCase::Plain},   {PageKind::Form2, "abc", VariantCase::Plain},
      {PageKind::Form2, "1", VariantCase::Missing}, {PageKind::Form2, "1,0", VariantCase::Missing},
      {PageKind::Form2, "2", VariantCase::Mixed},   {PageKind::Form2, "3", VariantCase::Mixed},
      {PageKind::Form2, "-1", VariantCase::Mixed},  {PageKind::Form3, "0", VariantCase::Plain},
      {PageKind::Form3, "0,0", VariantCase::Plain}, {PageKind::Form3, "1", VariantCase::Missing},
      {PageKind::Form3, "5", VariantCase::Missing},
  };
  for (const VariantCase& c : cases) {
    SCOPED_TRACE(std::string(formName(c.kind)) + " variant " + c.variant);
    const ParameterBlock block = answers(c.variant);
    Generator generator;
    Page page = drawPage(c.kind, LoadContext{block, generator, kNumbers});
    EXPECT_EQ(problem(page, 1).upper == "...", c.sheet == VariantCase::Missing);
    EXPECT_EQ(problem(page, 1).result == "...", c.sheet != VariantCase::Missing);
    if (c.kind == PageKind::Form2) {
      EXPECT_EQ(page.line("Line2", 0).visible, c.sheet != VariantCase::Mixed);
    }
  }
}

struct RangeCase {
  const char* digits;
  double largest;
};

TEST(ColumnAddSub, DigitCountsSetTheRangeBothEndsIncluded) {
  const RangeCase cases[] = {{"0", 1}, {"-3", 1}, {"1", 10}, {"2", 100}};
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(c.digits);
    const ParameterBlock block = answers("0", c.digits, c.digits);
    Generator generator;
    std::set<double> seen;
    for (int sheet = 0; sheet < 60; ++sheet) {
      Page page = drawPage(PageKind::Form2, LoadContext{block, generator, kNumbers});
      for (int k = 0; k < kProblems; ++k) {
        seen.insert(value(problem(page, k).upper));
        seen.insert(value(problem(page, k).lower));
      }
    }
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), c.largest);
  }
}

TEST(ColumnAddSub, RefusesDigitCountsWhoseSumHasNoNumber) {
  const auto check = pageDefinition(PageKind::Form2).check;
  ASSERT_NE(check, nullptr);
  EXPECT_TRUE(check(answers("1", "308", "308"), kNumbers).has_value());
  EXPECT_FALSE(check(answers("1", "308", "307"), kNumbers).has_value());
  EXPECT_FALSE(check(answers("1", "2", "abc"), kNumbers).has_value());
}

// The five menu commands of the two pages, end to end through the command table.
struct CommandCase {
  const char* item;
  PageKind page;
  const char* variant;
};

TEST(ColumnAddSub, EveryCommandPrintsItsOwnSheet) {
  const CommandCase cases[] = {{"mnualtaltatoplama", PageKind::Form2, "0"},
                               {"mnualtaltabilintoplama", PageKind::Form2, "1"},
                               {"mnutoplamaçıkarma", PageKind::Form2, "2"},
                               {"mnualtaltaçıkarma", PageKind::Form3, "0"},
                               {"mnualtaltaçıkarmabilinmeye", PageKind::Form3, "1"}};
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.item);
    ParameterBlock block;
    Generator generator;
    ScriptedQuestioner questioner({"2", "1", "E", "2"});
    RecordingMessages messages;
    RecordingPrinter printer;
    RecordingPageHost host;
    RecordingTextSheets textSheets;
    PageFrame frame{LoadContext{block, generator, kNumbers}, printer, [] {}};
    HandOver handOver{block, kNumbers, frame, host};
    CommandRunner runner{block, kNumbers, questioner, messages, handOver, textSheets};
    runner.run(*findCommand(c.item));

    EXPECT_EQ(block.get(Field::Label5), c.variant);
    ASSERT_EQ(printer.printed.size(), 2u);
    for (Page& page : printer.printed) {
      EXPECT_EQ(page.form, formName(c.page));
      EXPECT_TRUE(page.picture("Image1").visible);
      const bool missing = std::string(c.variant) == "1";
      EXPECT_EQ(problem(page, 2).lower == "...", missing);
      EXPECT_LE(value(problem(page, 0).upper), 100);
    }
    EXPECT_TRUE(messages.shown.empty());
  }
}

}  // namespace
}  // namespace ws
