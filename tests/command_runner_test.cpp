#include "main_window/command_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "main_window/text_sheets.h"
#include "support/doubles.h"

namespace ws {
namespace {

struct CountedFractions final : FractionSource {
  float nextFraction() override { return ++taken, generator.nextFraction(); }
  Generator generator;
  int taken = 0;
};

// The main window's side of a command, with the text file, editor, windows and devices replaced.
struct Commands : testing::Test, test::TextInMemory {
  void run(std::string_view item, std::vector<std::string> answers) {
    questioner.script(std::move(answers));
    runner.run(*findCommand(item));
  }
  std::string field(Field f) const { return block.get(f); }

  ParameterBlock block;
  CountedFractions random;
  NumberText numbers{","};
  test::ScriptedQuestioner questioner;
  test::RecordingMessages messages;
  test::RecordingPrinter printer;
  test::RecordingPageHost host;
  TextSheets textSheets{block, random, numbers, *this, *this, messages};
  std::size_t fronts = 0;  // the times a printed sheet brought the main window back
  PageFrame frame{LoadContext{block, random, numbers}, printer, [this] { ++fronts; }};
  HandOver handOver{block, numbers, frame, host};
  CommandRunner runner{block, numbers, questioner, messages, handOver, textSheets};
};

TEST_F(Commands, EmptyAnswerStopsAtOnceLeavingEarlierAnswersAndNoConstants) {
  // Cancel at every question in turn: the answers before it stay, nothing after it happens.
  const std::vector<std::string> answers{"3", "2", "E", "2"};
  for (std::size_t stop = 0; stop < answers.size(); ++stop) {
    SCOPED_TRACE(stop);
    block = ParameterBlock();
    std::vector<std::string> script(answers.begin(), answers.begin() + stop);
    script.push_back("");
    run("mnualtaltacarpma", script);
    EXPECT_EQ(questioner.asked.size(), stop + 1);
    questioner.asked.clear();
    EXPECT_EQ(field(Field::Label1), stop > 0 ? "3" : "?");
    EXPECT_EQ(field(Field::Label3), stop > 1 ? "2" : "?");
    EXPECT_EQ(field(Field::Label2), stop > 2 ? "E" : "+");
    EXPECT_EQ(field(Field::Label4), "=");
    EXPECT_EQ(field(Field::Label8), "Label8");
    EXPECT_EQ(field(Field::Label5), "?");
  }
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_TRUE(host.open.empty());
}

TEST_F(Commands, AnswersAreStoredExactlyAsTyped) {
  for (const char* picture : {" E", "e", "   ", "Evet"}) {
    run("mnusıralamalar", {"  2x", picture, "0"});
    EXPECT_EQ(field(Field::Label1), "  2x");
    EXPECT_EQ(field(Field::Label2), picture);
  }
}

// A whole-number command writes zero places over those a decimal command left in the block.
TEST_F(Commands, APageCommandStoresItsAnswersAndConstantsThenPrints) {
  run("mnualtaltacarpmaondalık", {"1", "2", "1", "1", "H", "0"});
  EXPECT_EQ(field(Field::Label4), "2");
  run("mnualtaltacarpma", {"2", "1", "E", "3"});
  EXPECT_EQ(field(Field::Label1) + field(Field::Label3) + field(Field::Label2), "21E");
  EXPECT_EQ(field(Field::Label4) + field(Field::Label8) + field(Field::Label5), "000");
  EXPECT_EQ(printer.printed.size(), 3u);
}

TEST_F(Commands, TextSheetCommandsWriteLinesAndKeepTheirAnswersOutOfTheBlock) {
  run("mnuyanyanaondalıkbolme", {"2", "1", "1", "3", "4"});
  EXPECT_EQ(lines.size(), 4u);
  EXPECT_TRUE(field(Field::Label4) == "=" && field(Field::Label8) == "Label8");
  EXPECT_TRUE(printer.printed.empty() && host.open.empty());
}

// Answers for which no start term or no step could ever be drawn would hang the page.
TEST_F(Commands, NumberPatternRefusesAnswersThatCouldNeverBeDrawn) {
  // Start, end and step bounds, and a piece of the refusal (null: the sheet is drawn).
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      // clang-format off
      {"-1", "100", "5", "en az 0"},           {"101", "50", "5", "en fazla 100"},
      {"1E400", "1E400", "5", "en fazla 100"}, {"1", "100", "0,5", "en az 1"},
      {"1", "100", "5", nullptr},              {"0,5", "100", "1,5", nullptr},
      {"99,5", "0", "1", nullptr},             {"5", "1E400", "1E400", nullptr},
      // clang-format on
  };
  for (const auto& [start, end, step, refusal] : cases) {
    SCOPED_TRACE(std::string(start) + " " + end + " " + step);
    messages.shown.clear();
    printer.printed.clear();
    run("mnusayıoruntusu", {start, end, step, "E", "2"});
    ASSERT_EQ(messages.shown.size(), refusal ? 1u : 0u);
    EXPECT_EQ(printer.printed.size(), refusal ? 0u : 2u);
    EXPECT_TRUE(!refusal || messages.shown[0].second.find(refusal) != std::string::npos);
    EXPECT_TRUE(refusal || printer.printed[1].picture("Image1").visible);  // from Label1
  }
}

std::vector<std::string> captions(const Page& page) {
  std::vector<std::string> all;
  for (const TextField& field : page.texts) all.push_back(field.caption);
  return all;
}

// Hand-overs of a column addition of two 2-digit numbers.
TEST_F(Commands, APreviewStaysOpenUnprintedUntilTheNextHandOverToItsPage) {
  block.set(Field::Label1, "2");
  block.set(Field::Label3, "2");
  block.set(Field::Label2, "E");
  handOver.run(PageKind::Form2, "0");
  handOver.run(PageKind::Form3, "0");
  EXPECT_TRUE(host.isOpen(PageKind::Form2) && host.isOpen(PageKind::Form3));
  EXPECT_EQ(printer.printed.size() + fronts, 0u) << "a preview neither prints nor calls Form1 back";
  EXPECT_EQ(block.get(Field::Label9), "0");
  const std::vector<std::string> first = captions(host.open.at(PageKind::Form2));
  EXPECT_TRUE(host.open.at(PageKind::Form2).picture("Image1").visible);

  // Drawn anew from new answers: only a lone capital E shows pictures; mixed starts with a minus.
  block.set(Field::Label5, "2");
  block.set(Field::Label2, "E ");
  handOver.run(PageKind::Form2, "0");
  const Page& second = host.open.at(PageKind::Form2);
  EXPECT_EQ(host.unloads, 1);
  EXPECT_NE(captions(second), first);
  EXPECT_FALSE(second.line("Line2", 0).visible || second.picture("Image1").visible);

  handOver.run(PageKind::Form2, "2");  // closes the preview unprinted; the other page stays
  EXPECT_EQ(host.unloads, 2);
  EXPECT_EQ(printer.printed.size(), 2u);
  EXPECT_TRUE(!host.isOpen(PageKind::Form2) && host.isOpen(PageKind::Form3));
}

TEST_F(Commands, ABatchPrintsEverySheetFreshlyDrawnUnlessTheFlagReadsOne) {
  block.set(Field::Label1, "2");
  block.set(Field::Label3, "2");
  const std::tuple<const char*, const char*, size_t> cases[] = {
      {"3", "Label9", 3}, {"2,5", "2", 2}, {"2", "1,0", 0}, {"-2", "0", 0}};
  for (auto [count, flag, sheets] : cases) {
    SCOPED_TRACE(std::string(count) + " " + flag);
    printer = {};
    fronts = 0;
    block.set(Field::Label9, flag);
    handOver.run(PageKind::Form2, count);
    EXPECT_EQ(printer.printed.size(), sheets);
    // One batch around its sheets, so that the printer tells what befell them once, at the end.
    EXPECT_EQ(printer.batches, count[0] == '-' ? 0 : 1);
    EXPECT_EQ(printer.printedInBatch, int(sheets));
    EXPECT_FALSE(printer.inBatch);
    EXPECT_EQ(fronts, sheets);
    EXPECT_TRUE(host.open.empty());
    EXPECT_EQ(block.get(Field::Label9), flag) << "a batch does not write the preview flag";
    for (size_t i = 1; i < printer.printed.size(); ++i) {
      EXPECT_NE(captions(printer.printed[i]), captions(printer.printed[i - 1]));
    }
  }
}

// Every number a sheet shows is written exactly, or the command is refused.

// Exact decimals: units / 10^places, in integers wide enough for any product of two shown numbers;
// kept without trailing zeros, so that equal numbers compare equal.
using Int = __int128;
struct Decimal {
  Int units = 0;
  int places = 0;
  bool operator==(const Decimal&) const = default;
};

Int powerOfTen(int n) {
  Int p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

Decimal normal(Decimal d) {
  while (d.places > 0 && d.units % 10 == 0) d.units /= 10, --d.places;
  return d;
}

Decimal plus(Decimal a, Decimal b, int sign = 1) {
  const int p = std::max(a.places, b.places);
  return normal(
      {a.units * powerOfTen(p - a.places) + sign * b.units * powerOfTen(p - b.places), p});
}

// a / b when it has at most `places` decimals.
std::optional<Decimal> divided(Decimal a, Decimal b, int places) {
  const int shift = places + b.places - a.places;
  const Int num = shift >= 0 ? a.units * powerOfTen(shift) : a.units;
  const Int den = shift >= 0 ? b.units : b.units * powerOfTen(-shift);
  if (den == 0 || num % den != 0) return std::nullopt;
  return normal({num / den, places});
}

// Plain digits with at most one decimal comma, as a number is written exactly; nothing else.
std::optional<Decimal> parse(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  Decimal d;
  bool comma = false;
  for (char c : text) {
    if (c == ',' && !comma) {
      comma = true;
    } else if (c >= '0' && c <= '9') {
      d.units = d.units * 10 + (c - '0');
      d.places += comma;
    } else {
      return std::nullopt;
    }
  }
  if (text.empty() || text.back() == ',') return std::nullopt;
  return normal(d);
}

bool hidden(const std::string& text) { return text.find_first_not_of(". ") == std::string::npos; }

// a op b = r as the pupil sees it; at most one of them is an answer place. A division is the
// product it was built from: quotient x divisor = dividend.
struct Problem {
  std::string a, b, r;
  char op;
};

// The numbers of one command's draws: up to 10^digits, with at most `places` decimals.
struct Range {
  int digits, places;
};

// Empty when the problem is one a pupil can solve exactly with numbers the command draws.
std::string fault(const Problem& p, Range range) {
  std::optional<Decimal> a, b, r;
  for (auto [text, value] : {std::pair{&p.a, &a}, {&p.b, &b}, {&p.r, &r}}) {
    if (hidden(*text)) continue;
    *value = parse(*text);
    if (!*value) return "not written exactly: " + *text;
  }
  if (!r) return {};  // the pupil finds the result; both numbers were shown plainly
  if (!a && !b) return "two answer places";
  if (p.op == '+') (a ? b : a) = plus(*r, a ? *a : *b, -1);
  if (p.op == '-') (a ? b : a) = a ? plus(*a, *r, -1) : plus(*r, *b);
  if (p.op == 'x') {
    const Decimal shown = a ? *a : *b;
    const auto other = shown.units == 0 ? std::optional(shown) : divided(*r, shown, range.places);
    if (!other) return "no drawn number solves it";
    (a ? b : a) = other;
  }
  const Decimal largest{2 * powerOfTen(range.digits), 0};
  for (const Decimal& d : {*a, *b}) {
    if (d.units < 0 || d.places > range.places || plus(largest, d, -1).units < 0)
      return "no drawn number solves it";
  }
  const Decimal result = p.op == '+'   ? plus(*a, *b)
                         : p.op == '-' ? plus(*a, *b, -1)
                                       : normal({a->units * b->units, a->places + b->places});
  return result == *r ? "" : "wrong result";
}

Problem lineProblem(const std::string& line) {
  const std::size_t op = line.find_first_of("+-x/"), equals = line.find('=');
  Problem p{line.substr(0, op), line.substr(op + 1, equals - op - 1), line.substr(equals + 1),
            line[op]};
  if (p.op == '/') p = {p.r, p.b, p.a, 'x'};
  return p;
}

std::vector<Problem> pageProblems(const Page& page) {
  auto t = [&](const char* name, int k) { return page.text(name, k).caption; };
  std::vector<Problem> found;
  if (page.form == "Form2" || page.form == "Form3" || page.form == "Form4") {
    const char op = page.form == "Form2" ? '+' : page.form == "Form3" ? '-' : 'x';
    for (int k = 0; k < 30; ++k)
      found.push_back({t("Label2", k), t("Label3", k), t("Label4", k), op});
  } else if (page.form == "Form5") {
    for (int k = 0; k < 12; ++k)
      found.push_back({t("Label4", k), t("Label3", k), t("Label2", k), 'x'});
  } else if (page.form == "Form13" || page.form == "Form14") {
    const std::string sign = page.form == "Form13" ? " + " : " - ";
    for (int k = 0; k < 18; ++k) {
      const std::string problem = t("Label2", k);
      const std::size_t at = problem.find(sign);
      found.push_back({problem.substr(0, at), problem.substr(at + 3), t("Label3", k / 9), sign[1]});
    }
  } else if (page.form == "Form15") {
    for (int k = 0; k < 12; ++k) found.push_back({t("Label2", k), t("Label3", k), "...", '+'});
  } else if (page.form == "Form16") {
    for (int k = 0; k < 32; ++k) {  // two tables of four rows and four columns
      const int table = k / 16, row = 4 * table + k / 4 % 4, column = 4 * table + k % 4;
      found.push_back({t("Label3", row), t("Label2", column), t("Label5", k),
                       t("Label4", table) == "+" ? '+' : 'x'});
    }
  }
  return found;
}

const std::string kFirst = "\"Birinci sayının basamak sayısı kaç?\"";
const std::string kSecond = "\"İkinci sayının basamak sayısı kaç?\"";
const std::string kFirstPlaces = "\"Birinci sayının ondalık basamak sayısı kaç?\"";
const std::string kSecondPlaces = "\"İkinci sayının ondalık basamak sayısı kaç?\"";
const std::string kJust = " sorusuna", kOneOf = " sorularından birine";
const std::string kBoth = kFirst + " ve " + kSecond + kOneOf;

// Every command that shows a result: its largest accepted answers, and the smallest refused
// ones with the message they get: how many digits a number could need, and which answers to
// make smaller. The largest draws of 8, 7 and 15 digits are 99999994, 9999999 and
// 999999940395355. The picture answer and the count are added by the test.
TEST_F(Commands, LargestAcceptedAnswersShowOnlyExactResultsAndOneStepBeyondIsRefused) {
  struct Case {
    std::string_view item;
    std::vector<std::string> largest, refused;
    int digits;
    std::string named;
    Range range;
    bool resultsShown = true;  // false where the pupil writes every result
  } const cases[] = {
      // clang-format off
      {"mnuyanyanatoplamabilin", {"15", "7"}, {"15", "8"}, 16, kBoth, {15, 0}},
      {"mnuYanyanabilinmeyenliçıkarma", {"15", "15.9"}, {"15", "16"}, 16, kSecond + kJust, {15, 0}},
      {"mnuyanyanabilincarpma", {"8", "7"}, {"8", "8"}, 16, kBoth, {8, 0}},
      {"mnuyanyanabilinmeyenbolme", {"1", "14"}, {"-3", "16"}, 16, kSecond + kJust, {14, 0}},
      {"mnuyanyanaondalıktoplamabil", {"11", "3", "11", "3"}, {"11", "3", "11", "4"}, 16,
       kFirst + ", " + kFirstPlaces + ", " + kSecond + " ve " + kSecondPlaces + kOneOf, {11, 3}},
      {"mnualtaltabilintoplama", {"7", "15"}, {"15", "15"}, 16, kBoth, {15, 0}},
      {"mnualtaltaçıkarmabilinmeye", {"15", "15"}, {"16", "0"}, 16, kFirst + kJust, {15, 0}},
      {"mnualtaltabilinmeyencarpma", {"7", "8"}, {"8", "8"}, 16, kBoth, {8, 0}},
      {"mnualtaltacarpmabilinmeyenondalık", {"4", "4", "4", "3"}, {"4", "4", "4", "4"}, 16,
       kFirst + ", " + kFirstPlaces + ", " + kSecond + " ve " + kSecondPlaces + kOneOf, {4, 4}},
      {"mnukalansızbolme", {"8", "7"}, {"8", "8"}, 16, kBoth, {8, 0}},
      {"mnukalansızondalıkbolme", {"14", "1", "0", "0"}, {"14", "2", "0", "0"}, 16,
       kFirst + " ve " + kFirstPlaces + kOneOf, {14, 1}},
      {"mnusekillitoplama", {"15", "15"}, {"1", "16"}, 16,
       "\"Toplam olan sayının basamak sayısı kaç?\"" + kJust, {15, 0}},
      {"mnusekillicıkarmabilin", {"7", "15"}, {"8", "15"}, 16,
       "\"Çıkan sayının basamak sayısı kaç?\" ve \"Kalan sayının basamak sayısı kaç?\"" + kOneOf, {15, 0}},
      {"mnusekillitoplacıkar", {"15", "15"}, {"16", "15"}, 16, kFirst + kJust, {15, 0}, false},
      // A mixed table both adds and multiplies; 2 multiplies; any other answer adds.
      {"mnuislemtabloboya", {"8", "7", "0"}, {"8", "8", "0"}, 16, kBoth, {8, 0}},
      {"mnuislemtabloboya", {"7", "8", "2"}, {"8", "8", "2"}, 16, kBoth, {8, 0}},
      {"mnuislemtabloboya", {"7", "15", "1"}, {"15", "8", "7"}, 16, kBoth, {15, 0}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item));
    const Command& command = *findCommand(c.item);
    auto answers = [&](std::vector<std::string> given) {
      for (const Question& q : command.questions) {
        if (q.prompt == Prompt::Pictures) given.push_back("H");
      }
      given.push_back(command.isTextSheet() ? "200" : "20");
      return given;
    };
    const int drawsBefore = random.taken;
    run(c.item, answers(c.refused));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, command.title);
    EXPECT_EQ(messages.shown[0].second,
              "Bu cevaplarla sayfada " + std::to_string(c.digits) +
                  " rakamlı bir sayı çıkabilir; en fazla 15 rakamlı sayılar tam yazılabilir. " +
                  c.named + " daha küçük bir cevap veriniz.");
    EXPECT_EQ(random.taken, drawsBefore);
    EXPECT_TRUE(opened == 0 && printer.printed.empty());
    messages.shown.clear();

    run(c.item, answers(c.largest));
    EXPECT_TRUE(messages.shown.empty());
    std::vector<Problem> problems;
    for (const std::string& line : lines) problems.push_back(lineProblem(line));
    for (const Page& page : printer.printed) {
      for (const Problem& p : pageProblems(page)) problems.push_back(p);
    }
    EXPECT_GE(problems.size(), 240u);
    int shownResults = 0;
    for (const Problem& p : problems) {
      EXPECT_EQ(fault(p, c.range), "") << p.a << ' ' << p.op << ' ' << p.b << " = " << p.r;
      shownResults += !hidden(p.r);
    }
    EXPECT_GE(shownResults, c.resultsShown ? 100 : 0);
    lines.clear();
    printer.printed.clear();
    opened = 0;
  }
}

}  // namespace
}  // namespace ws
