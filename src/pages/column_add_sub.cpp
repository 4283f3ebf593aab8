// Form2 (column addition, with missing numbers, mixed with subtraction) and Form3 (column
// subtraction, with missing numbers): 30 problems in 6 rows of 5, each an upper number, a lower
// number beside its sign, a bar and a result line.

#include <string>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/column_layout.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kProblems = 30;
constexpr int kPerRow = 5;
constexpr const char* kAnswerPlace = "...";

constexpr int kColumnLefts[kPerRow] = {480, 2760, 5040, 7080, 9000};
constexpr int kForm2RowTops[] = {840, 2880, 5040, 6960, 9120, 10560};
constexpr int kForm3RowTops[] = {720, 2760, 4920, 6840, 9000, 10440};

constexpr int kCellWidth = 1215;
constexpr int kCellHeight = 375;

struct Sheet {
  PageKind kind;
  const char* title;
  int titleLeft;
  const int* rowTops;
  bool plusSigns;  // Form2's signs have a vertical stroke; Form3's are minus signs only
  Box image1;
  std::string_view artwork1;
  Box image2;
  std::string_view artwork2;
};

const Sheet kForm2{PageKind::Form2,
                   "TOPLAMA İŞLEMLERİNİ YAPALIM.",
                   2040,
                   kForm2RowTops,
                   true,
                   {4800, 720, 5415, 4215},
                   artwork::kForm2Image1,
                   {240, 8280, 4335, 3735},
                   artwork::kForm2Image2};

const Sheet kForm3{PageKind::Form3,
                   "ÇIKARMA İŞLEMLERİNİ YAPALIM.",
                   1920,
                   kForm3RowTops,
                   false,
                   {2520, 600, 4095, 3735},
                   artwork::kForm3Image1,
                   {4680, 6720, 3975, 3615},
                   artwork::kForm3Image2};

Page design(const Sheet& sheet) {
  Page page = blankPage(sheet.kind);
  page.pictures.push_back(picture("Image1", kSingle, sheet.artwork1, sheet.image1));
  page.pictures.push_back(picture("Image2", kSingle, sheet.artwork2, sheet.image2));
  page.texts.push_back(caption("Label1", kSingle, {sheet.titleLeft, 120, 6975, 375}, sheet.title));

  for (int k = 0; k < kProblems; ++k) {
    const int left = kColumnLefts[k % kPerRow];
    const int top = sheet.rowTops[k / kPerRow];
    page.texts.push_back(numberCell("Label2", k, {left, top, kCellWidth, kCellHeight}));
    page.texts.push_back(numberCell("Label3", k, {left, top + 360, kCellWidth, kCellHeight}));
    page.texts.push_back(numberCell("Label4", k, {left, top + 720, kCellWidth, kCellHeight}));
    page.lines.push_back(stroke("Line1", k, left - 240, top + 720, left + 1200, top + 720));
    addSign(page, k, left - 240, left, top + 360, sheet.plusSigns);
  }
  return page;
}

struct Fields {
  TextField& upper;
  TextField& lower;
  TextField& result;
};

Fields problem(Page& page, int k) {
  return {page.text("Label2", k), page.text("Label3", k), page.text("Label4", k)};
}

// The page's own answers, read once each at the start of the load, in the page's order.
struct Answers {
  Operand upper;
  Operand lower;
  double variant;
};

Answers readAnswers(const LoadContext& context) {
  Answers answers;
  answers.upper.bound = boundIn(context, Field::Label1);
  answers.lower.bound = boundIn(context, Field::Label3);
  answers.variant = context.numbers.read(context.block.get(Field::Label5));
  return answers;
}

void drawAsDrawn(Fields fields, const Answers& answers, const LoadContext& context) {
  fields.upper.caption = context.numbers.caption(drawNumber(context.random, answers.upper.bound));
  fields.lower.caption = context.numbers.caption(drawNumber(context.random, answers.lower.bound));
}

void drawLargerOnTop(Fields fields, const Answers& answers, const LoadContext& context) {
  drawOrderedPair(fields.upper, fields.lower, answers.upper, answers.lower, context);
}

using DrawPair = void (*)(Fields, const Answers&, const LoadContext&);
using Result = double (*)(double upper, double lower);

void drawPlain(Page& page, const Answers& answers, const LoadContext& context, DrawPair draw) {
  for (int k = 0; k < kProblems; ++k) {
    Fields fields = problem(page, k);
    draw(fields, answers, context);
    fields.result.caption = kAnswerPlace;
  }
}

// Along the index, each group of three asks for the result, the upper number, the lower number.
void drawMissingNumbers(Page& page, const Answers& answers, const LoadContext& context,
                        DrawPair draw, Result result) {
  const NumberText& numbers = context.numbers;
  for (int k = 0; k < kProblems; ++k) {
    Fields fields = problem(page, k);
    draw(fields, answers, context);
    if (k % 3 == 0) {
      fields.result.caption = kAnswerPlace;
      continue;
    }
    fields.result.caption = numbers.caption(
        result(numbers.read(fields.upper.caption), numbers.read(fields.lower.caption)));
    (k % 3 == 1 ? fields.upper : fields.lower).caption = kAnswerPlace;
  }
}

void drawForm2(Page& page, const LoadContext& context) {
  const Answers answers = readAnswers(context);
  if (answers.variant == 0) {
    drawPlain(page, answers, context, drawAsDrawn);
  } else if (answers.variant == 1) {
    drawMissingNumbers(page, answers, context, drawAsDrawn,
                       [](double upper, double lower) { return lower + upper; });
  } else {
    drawPlain(page, answers, context, drawLargerOnTop);
    // Even problems lose the vertical stroke of their plus sign and become subtractions.
    for (int k = 0; k < kProblems; k += 2) page.line("Line2", k).visible = false;
  }
}

void drawForm3(Page& page, const LoadContext& context) {
  const Answers answers = readAnswers(context);
  if (answers.variant == 0) {
    drawPlain(page, answers, context, drawLargerOnTop);
  } else {
    drawMissingNumbers(page, answers, context, drawLargerOnTop,
                       [](double upper, double lower) { return upper - lower; });
  }
}

}  // namespace

PageDefinition form2Definition() {
  return {PageKind::Form2, [] { return design(kForm2); }, Field::Label2, drawForm2};
}

PageDefinition form3Definition() {
  return {PageKind::Form3, [] { return design(kForm3); }, Field::Label2, drawForm3};
}

}  // namespace ws
