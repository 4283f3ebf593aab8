#include <array>

#include "pages/artwork.h"
#include "pages/column_layout.h"
#include "pages/page_units.h"

namespace ws {

namespace {

// Six rows of five problems: upper factor, lower factor beside the cross, bar, product line.
constexpr std::array kColumnLefts{600, 2880, 5160, 7200, 9120};
constexpr std::array kRowTops{840, 2880, 5040, 6960, 9120, 11160};
constexpr int kProblems = static_cast<int>(kColumnLefts.size() * kRowTops.size());

constexpr int kCellWidth = 1215;
constexpr int kCellHeight = 375;
constexpr int kLineStep = 360;  // from one line of a problem to the next
constexpr int kCrossSize = 240;

constexpr const char* kAnswerPlace = "...";

Page design() {
  Page page = blankPage(PageKind::Form4);

  page.texts.push_back(
      caption("Label1", kSingle, {2040, 120, 6975, kCellHeight}, "ÇARPMA İŞLEMLERİNİ YAPALIM."));

  for (int k = 0; k < kProblems; ++k) {
    const int left = kColumnLefts[k % kColumnLefts.size()];
    const int top = kRowTops[k / kColumnLefts.size()];
    for (int line = 0; line < 3; ++line) {
      const char* name = line == 0 ? "Label2" : line == 1 ? "Label3" : "Label4";
      page.texts.push_back(
          numberCell(name, k, {left, top + line * kLineStep, kCellWidth, kCellHeight}));
    }
    const int barY = top + 2 * kLineStep;
    const int crossTop = barY - kCrossSize;
    page.lines.push_back(stroke("Line1", k, left - kCrossSize, barY, left + 1200, barY));
    page.lines.push_back(stroke("Line2", k, left, crossTop, left - kCrossSize, barY));
    page.lines.push_back(stroke("Line3", k, left - kCrossSize, crossTop, left, barY));
  }
  // The cross ends where the lower factor's box begins: a wide factor keeps clear of it.
  for (TextField& field : page.texts) {
    if (field.name == "Label3") field.fitting = clearOfStrokes(page, field.box);
  }

  page.pictures.push_back(
      picture("Image1", kSingle, artwork::kForm4Image1, {2520, 2640, 6015, 5775}));
  return page;
}

void draw(Page& page, const LoadContext& context) {
  const double firstBound = boundIn(context, Field::Label1);
  const double secondBound = boundIn(context, Field::Label3);
  const bool missingFactors = context.numbers.read(context.block.get(Field::Label5)) != 0;
  const Operand first{firstBound, placesIn(context, Field::Label4)};
  const Operand second{secondBound, placesIn(context, Field::Label8)};

  for (int k = 0; k < kProblems; ++k) {
    TextField& upper = page.text("Label2", k);
    TextField& lower = page.text("Label3", k);
    TextField& product = page.text("Label4", k);
    drawOrderedPair(upper, lower, first, second, context);
    // With missing factors every three problems run: product asked, upper factor asked,
    // lower factor asked.
    const int role = missingFactors ? k % 3 : 0;
    if (role == 0) {
      product.caption = kAnswerPlace;
    } else {
      product.caption = productCaption(lower, upper, context.numbers);
      (role == 1 ? upper : lower).caption = kAnswerPlace;
    }
  }
}

}  // namespace

PageDefinition form4Definition() { return {PageKind::Form4, design, Field::Label2, draw}; }

}  // namespace ws
