#include <array>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/column_layout.h"
#include "pages/page_units.h"

namespace ws {

namespace {

// Four rows of three problems in the school layout: dividend | divisor, quotient under the bar.
constexpr std::array kRowTops{720, 3960, 7080, 10440};
constexpr std::array kDividendLefts{360, 4080, 7440};
constexpr std::array kDivisorLefts{1800, 5520, 8880};
constexpr int kColumns = static_cast<int>(kDividendLefts.size());
constexpr int kProblems = static_cast<int>(kRowTops.size()) * kColumns;

constexpr int kCellWidth = 1215;
constexpr int kCellHeight = 375;
constexpr int kLineStep = 360;
constexpr int kBarGap = 120;  // the bars stand this far left of the divisor

constexpr const char* kQuotientPlace = "........";

Page design() {
  Page page = blankPage(PageKind::Form5);

  page.texts.push_back(
      caption("Label1", kSingle, {1920, 120, 6975, kCellHeight}, "BÖLME İŞLEMLERİNİ YAPALIM."));

  for (int k = 0; k < kProblems; ++k) {
    const int top = kRowTops[k / kColumns];
    const int dividendLeft = kDividendLefts[k % kColumns];
    const int divisorLeft = kDivisorLefts[k % kColumns];
    page.texts.push_back(numberCell("Label2", k, {dividendLeft, top, kCellWidth, kCellHeight}));
    page.texts.push_back(
        numberCell("Label3", k, {divisorLeft, top, kCellWidth, kCellHeight}, Align::Left));
    page.texts.push_back(numberCell(
        "Label4", k, {divisorLeft, top + kLineStep, kCellWidth, kCellHeight}, Align::Left));

    const int barX = divisorLeft - kBarGap;
    page.lines.push_back(stroke("Line1", k, barX, top, barX, top + 840));
    page.lines.push_back(
        stroke("Line2", k, barX, top + kLineStep, divisorLeft + 1200, top + kLineStep));
  }

  page.pictures.push_back(
      picture("Image1", kSingle, artwork::kForm5Image1, {4200, 3600, 5895, 5295}));
  return page;
}

void draw(Page& page, const LoadContext& context) {
  const double firstBound = boundIn(context, Field::Label1);
  const double secondBound = boundIn(context, Field::Label3);
  const Operand first{firstBound, placesIn(context, Field::Label4)};
  const Operand second{secondBound, placesIn(context, Field::Label8)};
  const bool withRemainder = context.numbers.read(context.block.get(Field::Label5)) != 0;

  for (int k = 0; k < kProblems; ++k) {
    TextField& dividend = page.text("Label2", k);
    TextField& divisor = page.text("Label3", k);
    TextField& quotient = page.text("Label4", k);
    // Without a remainder the dividend is built from divisor and quotient, so the division comes
    // out even; the larger of the two draws becomes the divisor.
    TextField& larger = withRemainder ? dividend : divisor;
    TextField& smaller = withRemainder ? divisor : quotient;
    drawUntilDivisorNotZero(context.numbers, [&] {
      drawOrderedPair(larger, smaller, first, second, context);
      return divisor.caption;
    });
    if (!withRemainder) dividend.caption = productCaption(divisor, quotient, context.numbers);
    quotient.caption = kQuotientPlace;
  }
}

}  // namespace

PageDefinition form5Definition() { return {PageKind::Form5, design, Field::Label2, draw}; }

}  // namespace ws
