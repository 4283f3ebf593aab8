#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "pages/page_frame.h"
#include "pages/symbol_font.h"

// What a pupil reads on many sheets of the number-pattern, shape-pattern, missing-number,
// shape-sum, ordering and number-line pages: every problem solvable, every number inside the range
// the teacher asked for, and every value of that range turning up over a batch.
namespace ws {
namespace {

constexpr int kSheets = 60;

// `kSheets` sheets of one page, one after another from the program's generator.
std::vector<Page> sheets(PageKind kind, const ParameterBlock& block, int count = kSheets) {
  Generator random;
  std::vector<Page> pages;
  for (int s = 0; s < count; ++s) {
    pages.push_back(drawPage(kind, LoadContext{block, random, NumberText{","}}));
  }
  return pages;
}

ParameterBlock answers(std::initializer_list<std::pair<Field, std::string>> fields) {
  ParameterBlock block;
  for (const auto& [field, text] : fields) block.set(field, text);
  return block;
}

// A whole number written in digits alone, or nothing.
std::optional<long long> whole(std::string_view text) {
  if (text.empty() || text.size() > 18 ||
      !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::stoll(std::string(text));
}

// ---- Number patterns ----

// A row split at its separators; a blank is nullopt.
std::vector<std::optional<long long>> terms(const std::string& row) {
  std::vector<std::optional<long long>> found;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = row.find(" , ", from);
    std::string piece = row.substr(from, at == std::string::npos ? std::string::npos : at - from);
    if (piece == "......") {
      found.push_back(std::nullopt);
    } else {
      // The spaced form: a blank before a number of 0 or more, a minus sign before the others.
      const bool negative = piece.starts_with("-");
      EXPECT_TRUE(negative || piece.starts_with(" ")) << row;
      const auto value = whole(piece.substr(1));
      EXPECT_TRUE(value) << "'" << piece << "' in " << row;
      found.push_back(value ? std::optional(negative ? -*value : *value) : std::nullopt);
    }
    if (at == std::string::npos) return found;
    from = at + 3;
  }
}

TEST(NumberPatternSheets, RowsCountEvenlyFromAStartInRangeToTheEndWithTwoBlanksInEveryFourSteps) {
  const struct {
    const char *start, *end, *step;
    long long lowestStart, highestStart;
  } cases[] = {
      {"1", "100", "5", 0, 1},     // the defaults: forward from 0 or 1
      {"20", "60", "3", 0, 20},    // forward, rows that stop at the end bound
      {"90", "10", "7", 90, 100},  // backward
      {"40", "40", "2", 40, 100},  // equal bounds count backward
      {"8", "-5", "4", 8, 100},    // backward past 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " " + c.end + " " + c.step);
    const long long end = std::stoll(c.end), stepBound = std::stoll(c.step);
    const bool forward = end > std::stoll(c.start);
    std::set<long long> starts, steps;
    for (const Page& page : sheets(PageKind::Form10, answers({{Field::Label2, c.start},
                                                              {Field::Label3, c.end},
                                                              {Field::Label4, c.step}}))) {
      EXPECT_TRUE(
          page.text("Label1").caption.ends_with(forward ? " ileriye sayma" : " geriye sayma"));
      // Blanks follow the steps of the whole sheet, row after row.
      std::size_t stepsSoFar = 0;
      for (int i = 0; i < 12; ++i) {
        const std::string& row = page.text("Label2", i).caption;
        SCOPED_TRACE(row);
        const auto t = terms(row);
        ASSERT_TRUE(t[0]) << "a row starts with its first term written out";
        ASSERT_LE(t.size(), 15u);
        const long long first = *t[0];
        starts.insert(first);
        EXPECT_GE(first, c.lowestStart);
        EXPECT_LE(first, c.highestStart);
        const std::size_t n = t.size() - 1;  // steps in the row
        if (n == 0) {
          EXPECT_EQ(first, end) << "only a start that is already at the end stands alone";
          continue;
        }
        // The step, from the first term written out after the start.
        const auto known = std::find_if(t.begin() + 1, t.end(), [](auto v) { return bool(v); });
        for (std::size_t k = 1; k <= n; ++k) {
          EXPECT_EQ(!t[k], (stepsSoFar + k - 1) % 4 >= 2) << "term " << k << " blank or not";
        }
        stepsSoFar += n;
        if (known == t.end()) continue;  // two steps, both blank
        const long long step = (**known - first) / (known - t.begin());
        const long long size = forward ? step : -step;
        steps.insert(size);
        EXPECT_GE(size, 1);
        EXPECT_LE(size, stepBound);
        for (std::size_t k = 1; k <= n; ++k) {
          if (t[k]) {
            EXPECT_EQ(*t[k], first + step * (long long)k) << "term " << k;
          }
        }
        // The row runs to the first term that reaches the end, or to fifteen terms.
        const long long last = first + step * (long long)n, beforeLast = last - step;
        if (n < 14) {
          EXPECT_TRUE(forward ? last >= end : last <= end) << "stops short";
        }
        EXPECT_TRUE(forward ? beforeLast < end : beforeLast > end) << "runs past the end";
      }
    }
    // The lowest and highest start and step the answers allow all turn up over a batch.
    EXPECT_EQ(*starts.begin(), c.lowestStart);
    EXPECT_EQ(*starts.rbegin(), c.highestStart);
    EXPECT_EQ(*steps.begin(), 1);
    EXPECT_EQ(*steps.rbegin(), stepBound);
  }
}

// ---- Shape patterns ----

TEST(ShapePatternSheets, EachHeadRepeatsAsTheBoundSaysAndUsesTheWholePalette) {
  const std::string palette(paletteCodes());
  std::string filler;
  for (int g = 0; g < 80; ++g) filler += fillerGroup();
  const std::set<char> symbols(palette.begin(), palette.end());
  const struct {
    const char* bound;
    int period;  // how many different places the head has before it repeats
  } cases[] = {{"1", 2}, {"2", 2}, {"3", 3}, {"4", 4}, {"9", 4}};
  for (const auto& [bound, period] : cases) {
    SCOPED_TRACE(bound);
    std::set<char> used;
    for (const Page& page : sheets(PageKind::Form11, answers({{Field::Label4, bound}}))) {
      for (int i = 0; i < 12; ++i) {
        const std::string& row = page.text("Label2", i).caption;
        ASSERT_EQ(row.size(), 4 + filler.size());
        EXPECT_EQ(row.substr(4), filler) << "the empty places follow the head";
        const std::string head = row.substr(0, 4);
        for (char symbol : head) {
          EXPECT_TRUE(symbols.contains(symbol)) << int(symbol);
        }
        used.insert(head.begin(), head.end());
        // A head of period p repeats its first symbol at place p and nowhere before.
        if (period < 4) {
          EXPECT_EQ(head[period], head[0]);
        }
        if (period == 2) {
          EXPECT_EQ(head[3], head[1]);
        }
        // Only the palette's two repeated codes can make two different places look alike.
        for (int a = 0; a < period; ++a) {
          for (int b = a + 1; b < period; ++b) {
            if (head[a] == head[b]) {
              EXPECT_TRUE(head[a] == '\xDC' || head[a] == '\xB2');
            }
          }
        }
      }
    }
    EXPECT_EQ(used, symbols) << "every symbol of the palette turns up";
  }
}

// ---- Missing numbers on shapes ----

struct Problem {
  long long given;
  bool givenFirst;  // "12 + ....." rather than "..... + 12"
};

// " 12 + ....." or "..... +  12" with the page's sign; nullopt where the text reads otherwise.
std::optional<Problem> problem(const std::string& text, char sign) {
  const std::string blankFirst = std::string("..... ") + sign + "  ";
  const std::string blankLast = std::string(" ") + sign + " .....";
  if (text.starts_with(blankFirst)) {
    if (auto n = whole(text.substr(blankFirst.size()))) return Problem{*n, false};
  } else if (text.starts_with(" ") && text.ends_with(blankLast)) {
    if (auto n = whole(text.substr(1, text.size() - 1 - blankLast.size())))
      return Problem{*n, true};
  }
  return std::nullopt;
}

TEST(MissingNumberSheets, EveryProblemOfAHalfMakesItsTargetWithNumbersOfTheAskedDigits) {
  const struct {
    PageKind kind;
    const char *givenDigits, *targetDigits;
  } cases[] = {
      {PageKind::Form13, "1", "1"}, {PageKind::Form13, "1", "2"}, {PageKind::Form13, "2", "3"},
      {PageKind::Form14, "1", "1"}, {PageKind::Form14, "1", "3"}, {PageKind::Form14, "2", "1"},
  };
  for (const auto& c : cases) {
    const bool adds = c.kind == PageKind::Form13;
    SCOPED_TRACE(std::string(adds ? "additions " : "subtractions ") + c.givenDigits + " " +
                 c.targetDigits);
    const long long givenBound = std::llround(std::pow(10, std::stoi(c.givenDigits)));
    const long long targetBound = std::llround(std::pow(10, std::stoi(c.targetDigits)));
    long long largestGiven = 0, largestTarget = 0;
    for (const Page& page : sheets(
             c.kind, answers({{Field::Label1, c.givenDigits}, {Field::Label3, c.targetDigits}}))) {
      long long target[2];
      for (int h = 0; h < 2; ++h) {
        const auto t = whole(page.text("Label3", h).caption);
        ASSERT_TRUE(t) << "a target is a whole number without blanks";
        EXPECT_LE(*t, targetBound);
        largestTarget = std::max(largestTarget, *t);
        target[h] = *t;
      }
      for (int k = 0; k < 18; ++k) {
        const std::string& text = page.text("Label2", k).caption;
        SCOPED_TRACE(text);
        const auto p = problem(text, adds ? '+' : '-');
        ASSERT_TRUE(p);
        EXPECT_EQ(p->givenFirst, k % 2 == 1) << "the two forms take turns, box by box";
        const long long own = target[k < 9 ? 0 : 1];
        // What the pupil writes in the blank: never negative, and never 0 in an addition.
        const long long missing = adds            ? own - p->given
                                  : p->givenFirst ? p->given - own
                                                  : own + p->given;
        EXPECT_GE(missing, adds ? 1 : 0);
        // The given number has the asked digits; a minuend is a target plus such a number.
        const long long drawn =
            !adds && p->givenFirst ? p->given - std::max(target[0], target[1]) : p->given;
        EXPECT_GE(drawn, 0);
        EXPECT_LE(drawn, givenBound);
        largestGiven = std::max(largestGiven, drawn);
      }
    }
    // Over a batch the numbers reach well into their own ranges, and not beyond them.
    EXPECT_GT(largestTarget, targetBound / 2);
    if (!adds || givenBound < targetBound) {
      EXPECT_GT(largestGiven, givenBound / 2);
    }
  }
}

// ---- Shape sums ----

TEST(ShapeSumSheets, TheLargerNumberStandsOnTopAndEachHasItsOwnDigitCount) {
  const struct {
    const char *first, *second;
  } cases[] = {{"1", "1"}, {"1", "3"}, {"3", "1"}, {"2", "2"}};
  for (const auto& [first, second] : cases) {
    SCOPED_TRACE(std::string(first) + " " + second);
    const long long small =
        std::llround(std::pow(10, std::min(std::stoi(first), std::stoi(second))));
    const long long large =
        std::llround(std::pow(10, std::max(std::stoi(first), std::stoi(second))));
    long long largestLower = 0, largestUpper = 0;
    for (const Page& page :
         sheets(PageKind::Form15, answers({{Field::Label1, first}, {Field::Label3, second}}))) {
      for (int k = 0; k < 12; ++k) {
        const auto upper = whole(page.text("Label2", k).caption);
        const auto lower = whole(page.text("Label3", k).caption);
        ASSERT_TRUE(upper && lower) << "every character is a digit shape of the legend";
        EXPECT_GE(*upper, *lower);
        EXPECT_LE(*upper, large);
        EXPECT_LE(*lower, small) << "one of the two draws comes from the smaller range";
        largestUpper = std::max(largestUpper, *upper);
        largestLower = std::max(largestLower, *lower);
      }
    }
    EXPECT_GT(largestUpper, large / 2);
    EXPECT_GT(largestLower, small / 2);
  }
}

TEST(ShapeSumSheets, EachLegendShapeStandsBesideItsOwnDigit) {
  const Page page = pageDefinition(PageKind::Form15).design();
  for (int digit = 0; digit <= 9; ++digit) {
    const TextField& shape = page.text("Label4", digit);
    const TextField& meaning = page.text("Label5", digit);
    EXPECT_EQ(shape.font.family, kSymbolFontFamily);
    EXPECT_EQ("=" + shape.caption, meaning.caption) << "the shape and the digit it stands for";
    EXPECT_EQ(shape.box.top, meaning.box.top);
    EXPECT_LT(shape.box.left, meaning.box.left);
  }
}

// ---- Ordering and number lines ----

TEST(OrderingSheets, EveryNumberHasTheAskedDigitsAndBothEndsOfItsRangeTurnUp) {
  for (const auto& [digits, bound] : {std::pair{"0", 1LL}, {"1", 10LL}, {"2", 100LL}}) {
    SCOPED_TRACE(digits);
    std::set<long long> seen;
    for (const Page& page : sheets(PageKind::Form8, answers({{Field::Label1, digits}}))) {
      for (int i = 0; i < 16; ++i) {
        for (const char* field : {"Label2", "Label3", "Label4", "Label5"}) {
          const auto n = whole(page.text(field, i).caption);
          ASSERT_TRUE(n) << field << i << " '" << page.text(field, i).caption << "'";
          EXPECT_LE(*n, bound);
          seen.insert(*n);
        }
      }
    }
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), bound);
  }
}

TEST(NumberLineSheets, OperandsUpToTenLargerOnTopWithTheirResultsBeside) {
  std::set<long long> operands;
  for (const Page& page : sheets(PageKind::Form7, answers({}))) {
    for (int r = 0; r < 6; ++r) {
      const auto upper = whole(page.text("Label3", r).caption);
      const auto lower = whole(page.text("Label4", r).caption);
      const auto result = whole(page.text("Label5", r).caption);
      ASSERT_TRUE(upper && lower && result) << "row " << r;
      EXPECT_GE(*upper, *lower);
      EXPECT_LE(*upper, 10);
      EXPECT_EQ(*result, r < 3 ? *upper + *lower : *upper - *lower) << "row " << r;
      EXPECT_LE(*result, 22) << "every result lies on the line";
      operands.insert({*upper, *lower});
    }
  }
  EXPECT_EQ(operands.size(), 11u) << "0 to 10, every one";
}

// How the fixed texts of these sheets are set: the ordering titles underlined, the numbers under
// each number line in the small regular font, every other text bold.
TEST(PatternPageFonts, TitlesAndScalesAreSetAsTheSheetShowsThem) {
  const struct {
    PageKind kind;
    const char* field;
    int index;
    bool bold, underline;
    double points;
    Align align;
  } cases[] = {
      {PageKind::Form8, "Label1", 0, true, true, 12, Align::Centre},
      {PageKind::Form8, "Label1", 1, true, true, 12, Align::Centre},
      {PageKind::Form8, "Label2", 0, true, false, 12, Align::Centre},
      {PageKind::Form8, "Label5", 15, true, false, 12, Align::Centre},
      {PageKind::Form7, "Label1", kSingle, true, false, 12, Align::Centre},
      {PageKind::Form7, "Label2_0", 1, false, false, 8, Align::Centre},
      {PageKind::Form7, "Label2_22", 10, false, false, 8, Align::Centre},
      {PageKind::Form7, "Label3", 0, true, false, 12, Align::Right},
      {PageKind::Form7, "Label5", 5, true, false, 12, Align::Right},
      {PageKind::Form10, "Label2", 11, true, false, 12, Align::Left},
      {PageKind::Form13, "Label2", 0, true, false, 12, Align::Right},
      {PageKind::Form14, "Label3", 1, true, false, 12, Align::Centre},
  };
  for (const auto& c : cases) {
    const Page page = pageDefinition(c.kind).design();
    const TextField& field = page.text(c.field, c.index);
    SCOPED_TRACE(std::string(c.field) + "(" + std::to_string(c.index) + ")");
    EXPECT_EQ(field.font.bold, c.bold);
    EXPECT_EQ(field.font.underline, c.underline);
    EXPECT_EQ(field.font.points, c.points);
    EXPECT_EQ(field.align, c.align);
  }
}

}  // namespace
}  // namespace ws
