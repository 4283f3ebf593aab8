#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "main_window/commands.h"
#include "pages/page_frame.h"

// The operation signs the column pages draw with lines, as a pupil reads them: a plus is two
// strokes of one length crossing at both middles, a minus a stroke alone, a times sign two
// diagonals crossing at both middles; each stands beside the lower number of its problem.
namespace ws {
namespace {

enum class Sign { Plus, Minus, Cross };

const char* name(Sign sign) {
  return sign == Sign::Plus ? "plus" : sign == Sign::Minus ? "minus" : "cross";
}

// Every page command's answers: the defaults, or wide numbers (six digits where a digit count is
// asked) that make the shape sums draw their digit shapes smaller.
ParameterBlock answered(const Command& command, bool wide) {
  ParameterBlock block;
  for (const Question& question : command.questions) {
    if (!question.target) continue;
    const bool digits = isDigitCount(question.prompt);
    block.set(*question.target, wide && digits ? "6" : std::string(defaultAnswer(question.prompt)));
  }
  for (const Constant& constant : command.constants) {
    block.set(constant.field, std::string(constant.text));
  }
  return block;
}

// The pages whose problems carry a sign made of lines: the field of the number the sign stands
// beside, how many problems, and the sign problem k carries on the sheet the variant `variant`.
struct SignedSheet {
  const char* lowerNumber;
  int problems;
  Sign (*sign)(const std::string& variant, int k);
};

const std::map<PageKind, SignedSheet> kSignedSheets{
    // The mixed sheet subtracts in its even problems.
    {PageKind::Form2,
     {"Label3", 30,
      [](const std::string& v, int k) {
        return v == "2" && k % 2 == 0 ? Sign::Minus : Sign::Plus;
      }}},
    {PageKind::Form3, {"Label3", 30, [](const std::string&, int) { return Sign::Minus; }}},
    {PageKind::Form4, {"Label3", 30, [](const std::string&, int) { return Sign::Cross; }}},
    // The number lines add in the upper three rows and subtract in the lower three.
    {PageKind::Form7,
     {"Label4", 6, [](const std::string&, int r) { return r < 3 ? Sign::Plus : Sign::Minus; }}},
    {PageKind::Form15, {"Label3", 12, [](const std::string&, int) { return Sign::Plus; }}},
    {PageKind::Form18, {"Label3", 18, [](const std::string&, int) { return Sign::Plus; }}},
    {PageKind::Form19, {"Label3", 18, [](const std::string&, int) { return Sign::Minus; }}},
};

// A sign's strokes are short; bars under numbers and number lines are long.
constexpr int kLongestSignStroke = 480;
// A screen pixel: closer than this nobody sees a stroke stray.
constexpr int kTolerance = 15;

bool horizontal(const Line& l) { return l.y1 == l.y2 && l.x1 != l.x2; }
bool vertical(const Line& l) { return l.x1 == l.x2 && l.y1 != l.y2; }
int length(const Line& l) {
  return static_cast<int>(std::lround(std::hypot(l.x2 - l.x1, l.y2 - l.y1)));
}
bool shortStroke(const Line& l) { return l.visible && length(l) <= kLongestSignStroke; }

bool touch(const Box& a, const Box& b) {
  return a.left <= b.right() && b.left <= a.right() && a.top <= b.bottom() && b.top <= a.bottom();
}

// Whether two segments cross each other well inside both, not where one ends.
bool crossInside(const Line& a, const Line& b) {
  const double dax = a.x2 - a.x1, day = a.y2 - a.y1, dbx = b.x2 - b.x1, dby = b.y2 - b.y1;
  const double det = dax * dby - day * dbx;
  if (det == 0) return false;
  const double s = ((b.x1 - a.x1) * dby - (b.y1 - a.y1) * dbx) / det;
  const double t = ((b.x1 - a.x1) * day - (b.y1 - a.y1) * dax) / det;
  return s > 0.1 && s < 0.9 && t > 0.1 && t < 0.9;
}

struct Found {
  Sign sign;
  std::vector<const Line*> strokes;
  int right;   // where its ink ends towards the number
  int middle;  // its height
};

// Every sign on the page, found from its ink: a short bar with whatever crosses it, or two short
// diagonals crossing each other.
std::vector<Found> signsOn(const Page& page) {
  std::vector<Found> found;
  for (const Line& bar : page.lines) {
    if (!shortStroke(bar) || !horizontal(bar)) continue;
    Found sign{Sign::Minus, {&bar}, inkBox(bar).right(), bar.y1};
    for (const Line& other : page.lines) {
      if (&other != &bar && other.visible && touch(inkBox(other), inkBox(bar))) {
        sign.strokes.push_back(&other);
        sign.right = std::max(sign.right, inkBox(other).right());
      }
    }
    if (sign.strokes.size() > 1) sign.sign = Sign::Plus;
    found.push_back(sign);
  }
  for (const Line& a : page.lines) {
    if (!shortStroke(a) || horizontal(a) || vertical(a)) continue;
    for (const Line& b : page.lines) {
      if (&b <= &a || !shortStroke(b) || horizontal(b) || vertical(b) || !crossInside(a, b)) {
        continue;
      }
      const Box ink = inkBox(a);
      found.push_back({Sign::Cross,
                       {&a, &b},
                       std::max(ink.right(), inkBox(b).right()),
                       ink.top + ink.height / 2});
    }
  }
  return found;
}

std::string describe(const Line& l) {
  return l.name + "(" + std::to_string(l.index) + ") " + std::to_string(l.x1) + "," +
         std::to_string(l.y1) + "-" + std::to_string(l.x2) + "," + std::to_string(l.y2);
}

// A plus: one upright through the middle of its bar, as tall as the bar is wide, reaching as far
// above the bar as below, drawn with the same pen; its ink box the bar's turned upright.
void expectTruePlus(const Found& sign) {
  ASSERT_EQ(sign.strokes.size(), 2u) << "a plus is a bar and one upright";
  const Line &bar = *sign.strokes[0], &up = *sign.strokes[1];
  SCOPED_TRACE(describe(bar) + " with " + describe(up));
  ASSERT_TRUE(vertical(up)) << "what crosses a bar stands upright";
  EXPECT_NEAR(up.x1, (bar.x1 + bar.x2) / 2.0, kTolerance) << "through the middle of the bar";
  EXPECT_NEAR((up.y1 + up.y2) / 2.0, bar.y1, kTolerance) << "as far above the bar as below";
  EXPECT_NEAR(std::abs(up.y2 - up.y1), std::abs(bar.x2 - bar.x1), 2 * kTolerance) << "as tall";
  EXPECT_EQ(up.widthPixels, bar.widthPixels);
  const Box barInk = inkBox(bar), upInk = inkBox(up);
  EXPECT_NEAR(upInk.left + upInk.width / 2.0, barInk.left + barInk.width / 2.0, kTolerance);
  EXPECT_NEAR(upInk.top + upInk.height / 2.0, barInk.top + barInk.height / 2.0, kTolerance);
  EXPECT_NEAR(upInk.height, barInk.width, 2 * kTolerance);
  EXPECT_EQ(upInk.width, barInk.height);
}

// A times sign: two diagonals of a square, each crossing the other at its middle.
void expectTrueCross(const Found& sign) {
  ASSERT_EQ(sign.strokes.size(), 2u);
  const Line &a = *sign.strokes[0], &b = *sign.strokes[1];
  SCOPED_TRACE(describe(a) + " with " + describe(b));
  for (const Line* l : {&a, &b}) {
    EXPECT_NEAR(std::abs(l->x2 - l->x1), std::abs(l->y2 - l->y1), kTolerance) << "at 45 degrees";
  }
  EXPECT_NEAR(length(a), length(b), kTolerance);
  EXPECT_NEAR(a.x1 + a.x2, b.x1 + b.x2, 2 * kTolerance) << "crossing at both middles";
  EXPECT_NEAR(a.y1 + a.y2, b.y1 + b.y2, 2 * kTolerance) << "crossing at both middles";
  EXPECT_EQ(a.widthPixels, b.widthPixels);
}

TEST(PageSigns, EverySignIsATruePlusMinusOrCrossAndMatchesItsProblemsOperation) {
  for (const Command* command : allCommands()) {
    const auto* kind = std::get_if<PageKind>(&command->output);
    if (!kind) continue;
    for (const bool wide : {false, true}) {
      SCOPED_TRACE(std::string(command->item) + (wide ? " wide numbers" : " defaults"));
      const ParameterBlock block = answered(*command, wide);
      const NumberText numbers(",");
      const PageDefinition& definition = pageDefinition(*kind);
      if (definition.check && definition.check(block, numbers)) continue;
      Generator generator;
      const Page page = drawPage(*kind, LoadContext{block, generator, numbers});
      const std::vector<Found> signs = signsOn(page);

      const auto sheet = kSignedSheets.find(*kind);
      if (sheet == kSignedSheets.end()) {
        EXPECT_TRUE(signs.empty()) << "no sign drawn with lines";
        continue;
      }
      const auto& [lowerNumber, problems, expected] = sheet->second;
      std::vector<int> signsOfProblem(problems);
      for (const Found& sign : signs) {
        // The number it belongs to begins where its ink ends, or just after.
        const auto number = std::ranges::find_if(page.texts, [&](const TextField& cell) {
          return cell.visible && cell.name == lowerNumber && cell.box.left >= sign.right - 30 &&
                 cell.box.left <= sign.right + 120 && cell.box.top <= sign.middle &&
                 sign.middle < cell.box.bottom();
        });
        ASSERT_NE(number, page.texts.end())
            << "a sign beside no number: " << describe(*sign.strokes[0]);
        const int k = number->index;
        SCOPED_TRACE("problem " + std::to_string(k));
        ++signsOfProblem.at(k);
        EXPECT_STREQ(name(sign.sign), name(expected(block.get(Field::Label5), k)));
        if (sign.sign == Sign::Plus) expectTruePlus(sign);
        if (sign.sign == Sign::Cross) expectTrueCross(sign);
      }
      EXPECT_EQ(signsOfProblem, std::vector<int>(problems, 1)) << "one sign for each problem";
    }
  }
}

}  // namespace
}  // namespace ws
