#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/random.h"
#include "pages/page_frame.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

using test::ScriptedFractions;

constexpr int kProblems = 18;

// A fraction that a draw with `bound` and `places` turns into `value`: a quarter step above.
float fractionFor(double value, double bound, int places) {
  return static_cast<float>((value + 0.25 * std::pow(10.0, -places)) / bound);
}

bool hasStroke(const Page& page, int x1, int y1, int x2, int y2) {
  return std::any_of(page.lines.begin(), page.lines.end(), [&](const Line& l) {
    return l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2 && l.widthPixels == 2;
  });
}

struct Layout {
  PageKind kind;
  const char* title;
  int titleTop;
  int rowTops[6];
  bool verticalStroke;
  Box image1, image2;
};

const Layout kLayouts[] = {
    {PageKind::Form18,
     "TOPLAMA İŞLEMLERİNİ YAPALIM.",
     120,
     {840, 3000, 5280, 7320, 9480, 11280},
     true,
     {3240, 720, 4215, 3840},
     {0, 8880, 3975, 3615}},
    {PageKind::Form19,
     "ÇIKARMA İŞLEMLERİNİ YAPALIM.",
     0,
     {720, 2880, 5160, 7200, 9360, 11160},
     false,
     {3240, 2640, 4215, 3840},
     {6840, 6960, 3975, 3615}},
};

class DecimalColumnPages : public ::testing::TestWithParam<Layout> {
 protected:
  void SetUp() override {
    block.set(Field::Label1, "1");
    block.set(Field::Label4, "2");
    block.set(Field::Label3, "2");
    block.set(Field::Label8, "2");
    block.set(Field::Label2, "E");
    block.set(Field::Label5, "0");
  }

  Page load(FractionSource& source) {
    return drawPage(GetParam().kind, LoadContext{block, source, numbers});
  }

  ParameterBlock block;
  NumberText numbers{","};
};

TEST_P(DecimalColumnPages, SplitEveryNumberAroundAFixedComma) {
  const Layout& layout = GetParam();
  Generator generator;
  const Page page = load(generator);
  EXPECT_EQ(page.text("Label1").caption, layout.title);
  EXPECT_EQ(page.text("Label1").box.left, 2160);
  EXPECT_EQ(page.text("Label1").box.top, layout.titleTop);
  EXPECT_EQ(page.lines.size(), (layout.verticalStroke ? 3u : 2u) * kProblems);

  const int lefts[] = {600, 4200, 7800};
  for (int k : {0, 2, 4, 9, 15, 17}) {
    SCOPED_TRACE(k);
    const int l = lefts[k % 3];
    const int t = layout.rowTops[k / 3];
    const char* lines[3][2] = {{"Label2", "Label6"}, {"Label3", "Label7"}, {"Label4", "Label8"}};
    const int commaTops[] = {t, t + 240, t + 720};
    for (int line = 0; line < 3; ++line) {
      const TextField& whole = page.text(lines[line][0], k);
      const TextField& fraction = page.text(lines[line][1], k);
      const TextField& comma = page.text("Label5", 3 * k + line);
      EXPECT_EQ(whole.box.left, l);
      EXPECT_EQ(whole.box.top, t + 360 * line);
      EXPECT_EQ(whole.align, Align::Right);
      EXPECT_EQ(fraction.box.left, l + 1440);
      EXPECT_EQ(fraction.box.top, t + 360 * line);
      EXPECT_EQ(fraction.align, Align::Left);
      EXPECT_EQ(comma.caption, ",");
      EXPECT_EQ(comma.box.left, l + 1200);
      EXPECT_EQ(comma.box.top, commaTops[line]);
      EXPECT_EQ(comma.box.width, 375);
      EXPECT_EQ(comma.align, Align::Centre);
    }
    EXPECT_TRUE(hasStroke(page, l - 240, t + 720, l + 2520, t + 720)) << "bar";
    EXPECT_TRUE(hasStroke(page, l - 240, t + 600, l, t + 600)) << "minus stroke";
    EXPECT_EQ(hasStroke(page, l - 120, t + 480, l - 120, t + 720), layout.verticalStroke);
  }

  const Picture& first = page.picture("Image1", 0);
  const Picture& second = page.picture("Image2");
  for (auto [picture, box] :
       {std::pair{&first, layout.image1}, std::pair{&second, layout.image2}}) {
    EXPECT_TRUE(picture->switched);
    EXPECT_EQ(picture->box.left, box.left);
    EXPECT_EQ(picture->box.top, box.top);
    EXPECT_EQ(picture->box.width, box.width);
    EXPECT_EQ(picture->box.height, box.height);
  }
}

TEST_P(DecimalColumnPages, WorkedExampleExchangesTheNumbers) {
  std::vector<float> fractions(2 * kProblems, 0.0f);
  fractions[0] = fractionFor(3.5, 10, 2);
  fractions[1] = fractionFor(12.07, 100, 2);
  ScriptedFractions draws(fractions);
  const Page page = load(draws);
  EXPECT_EQ(draws.remaining(), 0u);
  EXPECT_EQ(page.text("Label2", 0).caption, "12");
  EXPECT_EQ(page.text("Label6", 0).caption, "07");
  EXPECT_EQ(page.text("Label3", 0).caption, "3");
  EXPECT_EQ(page.text("Label7", 0).caption, "5");
  EXPECT_EQ(page.text("Label4", 0).caption, "...");
  EXPECT_EQ(page.text("Label8", 0).caption, "...");
}

// Each problem draws its own pair, so the order of the 36 draws and the exchange show.
TEST_P(DecimalColumnPages, DrawsEveryProblemFirstNumberFirst) {
  std::vector<float> fractions;
  std::vector<double> first, second;
  for (int k = 0; k < kProblems; ++k) {
    first.push_back(k * 0.5 + 0.25);  // 0.25, 0.75, 1.25, ...
    // Every fifth problem draws equal numbers, which stay as drawn.
    second.push_back(k % 5 == 0 ? first.back() : (k % 4) * 3 + 0.01);
    fractions.push_back(fractionFor(first.back(), 10, 2));
    fractions.push_back(fractionFor(second.back(), 100, 2));
  }
  ScriptedFractions draws(fractions);
  const Page page = load(draws);
  EXPECT_EQ(draws.remaining(), 0u);
  for (int k = 0; k < kProblems; ++k) {
    SCOPED_TRACE(k);
    const double upper = std::max(first[k], second[k]);
    const double lower = std::min(first[k], second[k]);
    EXPECT_EQ(numbers.read(page.text("Label2", k).caption + "," + page.text("Label6", k).caption),
              upper);
    EXPECT_EQ(numbers.read(page.text("Label3", k).caption + "," + page.text("Label7", k).caption),
              lower);
    EXPECT_EQ(page.text("Label4", k).caption, "...");
    EXPECT_EQ(page.text("Label8", k).caption, "...");
  }
}

struct SplitCase {
  double value;
  const char* digits;
  const char* places;
  const char* whole;
  const char* fraction;
};

// The first number of problem 0; the second draws 0, so the first stays on top.
TEST_P(DecimalColumnPages, FractionCellsShowTheDigitsAfterTheComma) {
  const SplitCase cases[] = {
      {3.5, "1", "1", "3", "5"},
      {3.5, "1", "2", "3", "5"},  // drawn as 3.50
      {12.07, "2", "2", "12", "07"},
      {0.05, "0", "2", "0", "05"},
      {12, "2", "0", "12", "0"},
      {12, "2", "3", "12", "0"},  // drawn as 12.000
      {0, "1", "2", "0", "0"},
      {100, "2", "0", "100", "0"},
      // Small enough that the number text would write an exponent ("3E-05").
      {0.00003, "0", "5", "0", "00003"},
      {0.0000125, "0", "7", "0", "0000125"},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.value);
    block.set(Field::Label1, c.digits);
    block.set(Field::Label4, c.places);
    std::vector<float> fractions(2 * kProblems, 0.0f);
    fractions[0] = fractionFor(c.value, std::pow(10.0, std::stoi(c.digits)), std::stoi(c.places));
    ScriptedFractions draws(fractions);
    const Page page = load(draws);
    EXPECT_EQ(page.text("Label2", 0).caption, c.whole);
    EXPECT_EQ(page.text("Label6", 0).caption, c.fraction);
    EXPECT_EQ(page.text("Label3", 0).caption, "0");
    EXPECT_EQ(page.text("Label7", 0).caption, "0");
  }
}

TEST_P(DecimalColumnPages, OtherVariantsDrawNothing) {
  block.set(Field::Label5, "1");
  ScriptedFractions none({});
  const Page page = load(none);
  EXPECT_EQ(none.taken(), 0u);
  EXPECT_EQ(page.text("Label2", 0).caption, "Label2");
  EXPECT_EQ(page.text("Label8", 17).caption, "Label8");
}

TEST_P(DecimalColumnPages, NoCellEverShowsInfNanOrAnExponent) {
  const char* places[] = {"15", "40", "-2", "0,5", "x"};
  for (const char* p : places) {
    block.set(Field::Label1, "0");
    block.set(Field::Label3, "14");
    block.set(Field::Label4, p);
    block.set(Field::Label8, p);
    Generator generator;
    for (int sheet = 0; sheet < 20; ++sheet) {
      const Page page = load(generator);
      for (int k = 0; k < kProblems; ++k) {
        for (const char* name : {"Label2", "Label3", "Label6", "Label7"}) {
          const std::string& c = page.text(name, k).caption;
          ASSERT_FALSE(c.empty());
          ASSERT_TRUE(
              std::all_of(c.begin(), c.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
              << name << "(" << k << ") " << c << " places " << p;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AdditionAndSubtraction, DecimalColumnPages, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) {
                           return std::string(info.param.kind == PageKind::Form18 ? "Form18"
                                                                                  : "Form19");
                         });

}  // namespace
}  // namespace ws
