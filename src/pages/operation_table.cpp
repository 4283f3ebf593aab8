// Form12: two operation tables, one above the other, each with an operator box, six
// column numbers, five row numbers and 5 x 6 empty cells for the pupil to fill.

#include <string>
#include <utility>

#include "common/number_draw.h"
#include "pages/operation_tables.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kColumns = 6;
constexpr int kRows = 5;
constexpr int kTables = 2;

// The bottom table is the top one moved by this much, its headers numbered in reverse.
constexpr int kBottomRight = 120;
constexpr int kBottomDown = 6120;

constexpr int kColumnLefts[kColumns] = {2520, 3480, 4440, 5400, 6360, 7320};
constexpr int kRowTops[kRows] = {1680, 2520, 3480, 4320, 5160};
constexpr int kHeaderTop = 960;
constexpr int kHeaderLeft = 1440;

TextField header(std::string name, int index, Box box) {
  TextField field = numberCell(std::move(name), index, box, Align::Centre);
  field.font.points = 24;
  return field;
}

// The grid is overlapping rectangle outlines: a header-row band, a header-column band,
// row bands and column bands.
struct Band {
  const char* name;
  Box box;
};
constexpr Band kGrid[] = {
    {"Shape1", {1560, 840, 6735, 735}},  {"Shape2", {1560, 840, 855, 5055}},
    {"Shape3", {1560, 1560, 6735, 855}}, {"Shape4", {1560, 2400, 6735, 855}},
    {"Shape5", {1560, 3240, 6735, 855}}, {"Shape6", {1560, 4080, 6735, 855}},
    {"Shape7", {1560, 4920, 6735, 975}}, {"Shape8", {2400, 840, 975, 5055}},
    {"Shape9", {3360, 840, 975, 5055}},  {"Shape10", {5280, 840, 1095, 5055}},
    {"Shape11", {7320, 840, 975, 5055}},
};

Page design() {
  Page page = blankPage(PageKind::Form12);

  for (int t = 0; t < kTables; ++t) {
    const int dx = t * kBottomRight;
    const int dy = t * kBottomDown;
    for (const Band& band : kGrid) {
      page.shapes.push_back(
          Shape{.name = band.name,
                .index = t,
                .box = {band.box.left + dx, band.box.top + dy, band.box.width, band.box.height},
                .borderWidthPixels = 2,
                .fill = std::nullopt});
    }
  }

  TextField title = numberCell("Label1", kSingle, {960, 120, 8055, 495}, Align::Centre);
  title.caption = "KUTUDA BELİRTİLEN İŞLEME GÖRE BOŞLUKLARI DOLDUR";
  title.opaque = true;
  page.texts.push_back(title);

  for (int t = 0; t < kTables; ++t) {
    const int dx = t * kBottomRight;
    const int dy = t * kBottomDown;
    TextField sign = header("Label4", t, {kHeaderLeft + dx, kHeaderTop + dy, 975, 855});
    sign.caption = "+";
    page.texts.push_back(sign);
    for (int c = 0; c < kColumns; ++c) {
      // Top table: index 0 leftmost; bottom table: index 6 rightmost.
      const int index = t == 0 ? c : kColumns + (kColumns - 1 - c);
      TextField number = header("Label2", index, {kColumnLefts[c] + dx, kHeaderTop + dy, 855, 615});
      number.caption = "10";
      page.texts.push_back(number);
    }
    for (int r = 0; r < kRows; ++r) {
      // Top table: index 0 highest; bottom table: index 5 lowest.
      const int index = t == 0 ? r : kRows + (kRows - 1 - r);
      TextField number = header("Label3", index, {kHeaderLeft + dx, kRowTops[r] + dy, 975, 735});
      number.caption = "10";
      page.texts.push_back(number);
    }
  }
  keepHeadersInCells(page);
  return page;
}

void draw(Page& page, const LoadContext& context) {
  drawOperationTables(page, context, kTables * kColumns, kTables * kRows);
}

}  // namespace

PageDefinition form12Definition() { return {PageKind::Form12, design, std::nullopt, draw}; }

}  // namespace ws
