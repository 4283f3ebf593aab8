#include <iterator>
#include <string>
#include <utility>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/page_units.h"

namespace ws {

namespace {

// Six rows: a number line from 0 to 22 on the left, a column operation on the right;
// the upper three rows add, the lower three subtract.
struct Row {
  int top;    // top of the upper operand
  int axisY;  // height of the number line's axis
  int a;      // index of the axis, the arrow tail and the scale numbers
  int s;      // index of the sign strokes and the result bar
};
constexpr Row kRows[] = {
    {720, 1200, 1, 0},  {2760, 3240, 2, 3}, {4920, 5400, 4, 5},
    {6960, 7440, 6, 7}, {8880, 9360, 8, 9}, {11040, 11400, 10, 11},
};
constexpr int kAdditionRows = 3;

constexpr int kAxisLeft = 240;
constexpr int kAxisRight = 8760;
constexpr int kArrow = 120;
constexpr int kTicks = 23;  // 0 to 22
constexpr int kFirstTickX = 480;
constexpr int kTickSpacing = 360;
constexpr int kTickHalfHeight = 120;

constexpr int kOperandLeft = 9120;
constexpr int kSignLeft = 8880;
constexpr int kSignCentre = 9000;
constexpr int kBarRight = 10320;

constexpr double kOperandBound = 10;

int tickX(int k) { return kFirstTickX + kTickSpacing * k; }

void addNumberLine(Page& page, int r) {
  const Row& row = kRows[r];
  const int y = row.axisY;
  page.lines.push_back(stroke("Line1", row.a, kAxisLeft, y, kAxisRight, y));
  page.lines.push_back(stroke("Line2", row.a, kAxisLeft, y, kAxisLeft + kArrow, y - kArrow));
  page.lines.push_back(stroke("Line3", row.a, kAxisLeft, y, kAxisLeft + kArrow, y + kArrow));
  page.lines.push_back(stroke("Line4", r, kAxisRight - kArrow, y - kArrow, kAxisRight, y));
  page.lines.push_back(stroke("Line5", r, kAxisRight, y, kAxisRight - kArrow, y + kArrow));
  for (int k = 0; k < kTicks; ++k) {
    page.lines.push_back(stroke("Line" + std::to_string(6 + k), r, tickX(k), y - kTickHalfHeight,
                                tickX(k), y + kTickHalfHeight, 1));
  }
  // The scale is one blank-padded caption in the original small font; with other fonts
  // the blanks drift, so each number gets its own field centred on its tick.
  for (int k = 0; k < kTicks; ++k) {
    TextField number;
    number.name = "Label2_" + std::to_string(k);
    number.index = row.a;
    number.box = {tickX(k) - kTickSpacing / 2, y - 360, kTickSpacing, 375};
    number.caption = std::to_string(k);
    number.font.points = 8;
    number.font.bold = false;
    number.align = Align::Centre;
    page.texts.push_back(number);
  }
}

void addOperation(Page& page, int r) {
  const Row& row = kRows[r];
  const int t = row.top;
  page.texts.push_back(numberCell("Label3", r, {kOperandLeft, t, 1215, 375}));
  page.texts.push_back(numberCell("Label4", r, {kOperandLeft, t + 360, 1215, 375}));
  // The vertical stroke makes the minus a plus on the addition rows.
  addSign(page, row.s, kSignLeft, kOperandLeft, t + 360, r < kAdditionRows);
  page.lines.push_back(stroke("Line1", row.s, kSignLeft, t + 720, kBarRight, t + 720));
  page.texts.push_back(numberCell("Label5", r, {kSignCentre, t + 720, 1335, 495}));
}

Page design() {
  Page page = blankPage(PageKind::Form7);

  page.pictures.push_back(
      picture("Image1", kSingle, artwork::kForm7Image1, {720, 1320, 7455, 7335}));

  page.texts.push_back(caption("Label1", kSingle, {360, 120, 9735, 375},
                               "SAYI DOĞRUSUNDA YANDA GÖSTERİLEN İŞLEMLERİ YAP."));

  for (int r = 0; r < std::ssize(kRows); ++r) {
    addNumberLine(page, r);
    addOperation(page, r);
  }
  return page;
}

// Two operands from 0 to 10, the larger on top, and the result written beside them.
void draw(Page& page, const LoadContext& context) {
  for (int r = 0; r < std::ssize(kRows); ++r) {
    double upper = drawNumber(context.random, kOperandBound);
    double lower = drawNumber(context.random, kOperandBound);
    if (lower > upper) std::swap(upper, lower);
    const double result = r < kAdditionRows ? upper + lower : upper - lower;
    page.text("Label3", r).caption = context.numbers.caption(upper);
    page.text("Label4", r).caption = context.numbers.caption(lower);
    page.text("Label5", r).caption = context.numbers.caption(result);
  }
}

}  // namespace

PageDefinition form7Definition() { return {PageKind::Form7, design, Field::Label2, draw}; }

}  // namespace ws
