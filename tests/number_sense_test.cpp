#include <gtest/gtest.h>

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

constexpr int kExercises = 54;
const std::string kTens = "AŞAĞIDAKİ SAYILARI EN YAKIN ONLUĞA YUVARLAYINIZ";
const std::string kHundreds = "AŞAĞIDAKİ SAYILARI EN YAKIN YÜZLÜĞE YUVARLAYINIZ";
const std::string kOddEven = "TEK OLANLARA SAYILARA TEK , ÇİFT OLANLARA ÇİFT YAZINIZ";
const std::string kCompare = "İFADELERİN ARASINA BÜYÜK(>),KÜÇÜK(<) veya EŞİT(=) YAZINIZ";

struct NumberSenseSheet : testing::Test {
  ParameterBlock block;
  NumberText numbers{","};

  Page draw(const std::string& digits, const std::string& variant, FractionSource& random) {
    block.set(Field::Label1, digits);
    block.set(Field::Label5, variant);
    return drawPage(PageKind::Form6, LoadContext{block, random, numbers});
  }
};

// Values 0, 1, 2, ... as whole-number draws with the bound 100.
std::vector<float> counting(int draws) {
  std::vector<float> fractions;
  for (int v = 0; v < draws; ++v) fractions.push_back(fractionThatDraws(v % 101, 100));
  return fractions;
}

TEST_F(NumberSenseSheet, VariantDecidesTitleRowShapeAndNumberOfDraws) {
  struct Case {
    std::string variant;
    std::string title;
    bool compares;
  };
  const Case cases[] = {
      {"10", kTens, false},
      {"100", kHundreds, false},
      {"TEKCIFT", kOddEven, false},
      {"BUYUKESITKUCUK", kCompare, true},
      // Compared as a number: other spellings of ten and a hundred still match.
      {"10,0", kTens, false},
      {"1E2", kHundreds, false},
      // Compared as exact text: anything else keeps the design title and the rounding rows.
      {"tekcift", "Label1", false},
      {"BUYUKESITKUCUK ", "Label1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    const int draws = c.compares ? 2 * kExercises : kExercises;
    ScriptedFractions random(counting(draws));
    const Page page = draw("2", c.variant, random);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(page.text("Label1").caption, c.title);
    for (int i = 0; i < kExercises; ++i) {
      if (c.compares) {
        // Row by row, the left number before the right one.
        ASSERT_EQ(page.text("Label2", i).caption, std::to_string(2 * i % 101));
        ASSERT_EQ(page.text("Label3", i).caption, "............");
        ASSERT_EQ(page.text("Label4", i).caption, std::to_string((2 * i + 1) % 101));
      } else {
        ASSERT_EQ(page.text("Label2", i).caption, std::to_string(i));
        ASSERT_EQ(page.text("Label3", i).caption, "=");
        ASSERT_EQ(page.text("Label4", i).caption, "..........");
      }
    }
  }
}

TEST_F(NumberSenseSheet, DigitCountGivesTheRangeWithBothEndsIncluded) {
  struct Case {
    std::string digits;
    double bound;
  };
  for (const Case& c :
       {Case{"1", 10}, Case{"2", 100}, Case{"0", 1}, Case{"-3", 1}, Case{"abc", 1}}) {
    SCOPED_TRACE(c.digits);
    std::vector<float> fractions(kExercises, 0.0f);
    fractions[7] = fractionThatDraws(c.bound, c.bound);
    ScriptedFractions random(fractions);
    const Page page = draw(c.digits, "100", random);
    EXPECT_EQ(page.text("Label2", 0).caption, "0");
    EXPECT_EQ(page.text("Label2", 7).caption, numbers.caption(c.bound));
  }
}

TEST_F(NumberSenseSheet, RowsRunDownEachColumnAndTheLastRowIsDrawnWhole) {
  Generator generator;
  const Page page = draw("3", "BUYUKESITKUCUK", generator);
  EXPECT_EQ(page.text("Label2", 17).box.top, 12000);
  EXPECT_EQ(page.text("Label2", 18).box.left, 3840);
  EXPECT_EQ(page.text("Label2", 18).box.top, 720);

  // The bottom row reaches below the client area; the shown and printed area holds it.
  const Box area = page.drawnArea();
  EXPECT_EQ(page.clientHeight, 12150);
  for (int i = 0; i < kExercises; ++i) {
    for (const char* name : {"Label2", "Label3", "Label4"}) {
      const Box& box = page.text(name, i).box;
      ASSERT_LE(box.bottom(), area.bottom()) << name << i;
      ASSERT_LE(box.right(), area.right()) << name << i;
    }
  }
}

// The four "Diğer" items of the page, from the menu to the sheet.
struct NumberSenseCommands : testing::Test {
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

TEST_F(NumberSenseCommands, EachItemAsksItsQuestionsAndPreviewsItsSheet) {
  struct Case {
    const char* item;
    const char* sheetTitle;
    const char* variant;
    const std::string& pageTitle;
  };
  const Case cases[] = {
      {"mnusayıyuvarlaonluk", "SAYILARI YUVARLAMA", "10", kTens},
      {"mnusayılarıyuvarlayuzluk", "SAYILARI YUVARLAMA", "100", kHundreds},
      {"mnuteciftsayıbul", "TEK-ÇİFT SAYI BULMA", "TEKCIFT", kOddEven},
      {"mnubuyukkucukesitbul", "BÜYÜK-KÜÇÜK-EŞİT BULMA", "BUYUKESITKUCUK", kCompare},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    questioner.asked.clear();
    run(c.item, {"2", "H", "0"});
    ASSERT_EQ(questioner.asked.size(), 3u);
    const std::string prompts[] = {"Birinci sayının basamak sayısı kaç?", "Resimli olsun mu (E,H)?",
                                   "Kaç tane hazırlansın?"};
    const std::string titles[] = {c.sheetTitle, "RESİMLİ ÇIKTI", c.sheetTitle};
    const std::string defaults[] = {"1", "E", "0"};
    for (int q = 0; q < 3; ++q) {
      EXPECT_EQ(questioner.asked[q].prompt, prompts[q]);
      EXPECT_EQ(questioner.asked[q].title, titles[q]);
      EXPECT_EQ(questioner.asked[q].defaultAnswer, defaults[q]);
    }
    EXPECT_EQ(block.get(Field::Label1), "2");
    EXPECT_EQ(block.get(Field::Label2), "H");
    EXPECT_EQ(block.get(Field::Label5), c.variant);

    const Page& page = host.open.at(PageKind::Form6);
    EXPECT_EQ(page.text("Label1").caption, c.pageTitle);
    EXPECT_FALSE(page.picture("Image1").visible);
    EXPECT_FALSE(page.picture("Image2").visible);
  }
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NumberSenseCommands, BatchPrintsEverySheetFreshlyDrawn) {
  run("mnubuyukkucukesitbul", {"3", "E", "3"});
  ASSERT_EQ(printer.printed.size(), 3u);
  EXPECT_TRUE(host.open.empty());
  auto numbersOf = [](const Page& page) {
    std::vector<std::string> row;
    for (int i = 0; i < kExercises; ++i) row.push_back(page.text("Label4", i).caption);
    return row;
  };
  EXPECT_NE(numbersOf(printer.printed[0]), numbersOf(printer.printed[1]));
  EXPECT_NE(numbersOf(printer.printed[1]), numbersOf(printer.printed[2]));
  EXPECT_TRUE(printer.printed[2].picture("Image2").visible);
}

}  // namespace
}  // namespace ws
