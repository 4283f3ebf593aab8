// Form15: column sums whose numbers are written in digit shapes, with a legend of the shapes.

#include <algorithm>
#include <cmath>

#include "common/number_draw.h"
#include "pages/page_units.h"
#include "pages/symbol_font.h"

namespace ws {

namespace {

constexpr int kProblems = 12;
constexpr double kDigitPoints = 26.25;
constexpr double kTwipsPerPoint = 20;
// The lower number's field starts right of the plus sign, so no digit shape can reach the sign.
constexpr int kLowerInset = 480;

// Where the plus stands, level with the lower number's shapes: halfway down the band that the ten
// digit shapes cover, 0.62 em below their field's top in the stand-in font.
int plusMiddle(const TextField& lower) {
  constexpr double kShapesMiddleEms = 0.624;
  return lower.box.top +
         static_cast<int>(std::lround(kShapesMiddleEms * lower.font.points * kTwipsPerPoint));
}

// Problem k stands in row k / 3, column k % 3.
constexpr int kRowTops[] = {2760, 5160, 7800, 10560};
constexpr int kColumnLefts[][3] = {
    {240, 4200, 7800}, {360, 4320, 7920}, {480, 4440, 8040}, {480, 4440, 8040}};

// The legend: digits 0 to 4 in the upper row, 5 to 9 in the lower.
constexpr int kShapeLefts[] = {1440, 3120, 4800, 6480, 8040};
constexpr int kDigitLefts[] = {2040, 3720, 5400, 7080, 8640};
constexpr int kLegendTops[] = {960, 1680};

TextField textField(std::string name, int index, Box box, Align align, Font font,
                    std::string caption) {
  TextField field = numberCell(std::move(name), index, box, align);
  field.font = std::move(font);
  field.caption = std::move(caption);
  return field;
}

Page design() {
  Page page = blankPage(PageKind::Form15);
  const Font shapeDigits{
      .family = std::string(kSymbolFontFamily), .points = kDigitPoints, .bold = true};

  page.texts.push_back(textField("Label1", kSingle, {1800, 0, 6975, 615}, Align::Centre, Font{},
                                 "ŞEKİLLERİN GÖSTERDİĞİ SAYILARA GÖRE İŞLEMLERİ YAPINIZ."));

  Shape legendFrame;
  legendFrame.name = "Shape1";
  legendFrame.box = {1080, 840, 8775, 1695};
  page.shapes.push_back(legendFrame);
  for (int digit = 0; digit <= 9; ++digit) {
    const int column = digit % 5;
    const int top = kLegendTops[digit / 5];
    const std::string text(1, static_cast<char>('0' + digit));
    page.texts.push_back(textField(
        "Label4", digit, {kShapeLefts[column], top, 735, 615}, Align::Left,
        Font{.family = std::string(kSymbolFontFamily), .points = 27.75, .bold = true}, text));
    page.texts.push_back(textField("Label5", digit, {kDigitLefts[column], top, 735, 615},
                                   Align::Left, Font{.points = 24}, "=" + text));
  }

  for (int k = 0; k < kProblems; ++k) {
    const int top = kRowTops[k / 3];
    const int left = kColumnLefts[k / 3][k % 3];
    page.texts.push_back(
        textField("Label2", k, {left, top, 2535, 735}, Align::Right, shapeDigits, "66"));
    const TextField& lower = page.texts.emplace_back(
        textField("Label3", k, {left + kLowerInset, top + 720, 2535 - kLowerInset, 735},
                  Align::Right, shapeDigits, "35"));
    // The result bar, and the plus beside the lower number, clear of the bar: on it, it reads "±".
    page.lines.push_back(stroke("Line1", k, left + 120, top + 1560, left + 2520, top + 1560));
    addSignAt(page, k, left + 120, left + 360, plusMiddle(lower), true);
  }
  return page;
}

// Numbers too wide for their fields at the design size are all written smaller, at one size on the
// whole sheet, so every lower number still stands digit under digit with its upper one.
void fitDigitShapes(Page& page) {
  double cell = kDigitPoints * kTwipsPerPoint * kDigitCellEms;
  for (int k = 0; k < kProblems; ++k) {
    for (const TextField* number : {&page.text("Label2", k), &page.text("Label3", k)}) {
      cell = std::min(cell, number->box.width / static_cast<double>(number->caption.size()));
    }
  }
  if (cell >= kDigitPoints * kTwipsPerPoint * kDigitCellEms) return;
  // Whole twips of font size, so the painter's cells are no wider than these.
  const double points = std::floor(cell / kDigitCellEms) / kTwipsPerPoint;
  for (int k = 0; k < kProblems; ++k) {
    page.text("Label2", k).font.points = points;
    TextField& lower = page.text("Label3", k);
    const int designMiddle = plusMiddle(lower);
    lower.font.points = points;
    // The plus goes up with the middle of the smaller shapes.
    const int shift = plusMiddle(lower) - designMiddle;
    for (const char* name : {"Line2", "Line3"}) {
      page.line(name, k).y1 += shift;
      page.line(name, k).y2 += shift;
    }
  }
}

void draw(Page& page, const LoadContext& context) {
  const NumberText& numbers = context.numbers;
  const double upperBound = rangeBound(numbers.read(context.block.get(Field::Label1)));
  const double lowerBound = rangeBound(numbers.read(context.block.get(Field::Label3)));

  for (int k = 0; k < kProblems; ++k) {
    TextField& upper = page.text("Label2", k);
    TextField& lower = page.text("Label3", k);
    upper.caption = numbers.caption(drawNumber(context.random, upperBound));
    lower.caption = numbers.caption(drawNumber(context.random, lowerBound));
    if (numbers.read(lower.caption) > numbers.read(upper.caption)) {
      std::swap(upper.caption, lower.caption);
    }
  }
  fitDigitShapes(page);
}

}  // namespace

PageDefinition form15Definition() { return {PageKind::Form15, design, std::nullopt, draw}; }

}  // namespace ws
