// Form16: two small operation tables, each beside a cloud of 32 results: its own 16
// among the other table's 16. The pupil finds each cell's result in the cloud and
// colours it.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/operation_tables.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kSide = 4;
constexpr int kCells = kSide * kSide;
constexpr int kCloud = 2 * kCells;
constexpr int kLowerDown = 6360;

constexpr int kColumnLefts[kSide] = {1440, 2400, 3360, 4320};
constexpr int kUpperRowTops[kSide] = {1680, 2520, 3480, 4320};
constexpr int kLowerRowTops[kSide] = {8040, 8880, 9840, 10680};
constexpr int kHeaderLeft = 360;
constexpr int kUpperHeaderTop = 960;
constexpr int kLowerHeaderTop = 7320;

struct Spot {
  int left, top;
};
// Where each result stands in a cloud, scattered so neighbours overlap.
constexpr Spot kCloudSpots[kCloud] = {
    {6600, 1320}, {8280, 1320}, {6600, 1920}, {8520, 2040}, {8040, 2280}, {8880, 2760},
    {6960, 3000}, {8520, 3360}, {7320, 3480}, {8520, 3960}, {6480, 2520}, {6840, 3840},
    {7800, 4320}, {7560, 4800}, {9360, 4680}, {7920, 960},  {6240, 840},  {6000, 1440},
    {6000, 2040}, {5880, 2880}, {6120, 3840}, {7800, 1560}, {9240, 960},  {6480, 4440},
    {5640, 3480}, {6480, 4800}, {5400, 1800}, {5640, 960},  {5880, 5040}, {8760, 4920},
    {5520, 4200}, {9360, 1560}};

constexpr int kCloudNumberWidth = 1095;

// The lower cloud shows result kLowerCloudOrder[k] at spot k, so the two clouds differ.
constexpr int kLowerCloudOrder[kCloud] = {13, 1,  24, 29, 25, 28, 23, 6, 27, 26, 14,
                                          3,  22, 21, 15, 30, 20, 31, 4, 19, 16, 2,
                                          18, 17, 7,  12, 11, 5,  10, 9, 8,  0};

struct Band {
  const char* name;
  Box box;
  int borderWidth;
};
// The upper half; the lower half is the same moved down.
constexpr Band kGrid[] = {
    {"Shape1", {480, 840, 4815, 735}, 2},    {"Shape2", {480, 840, 855, 4095}, 2},
    {"Shape3", {480, 1560, 4815, 855}, 2},   {"Shape4", {480, 2400, 4815, 855}, 2},
    {"Shape5", {480, 3240, 4815, 855}, 2},   {"Shape6", {480, 4080, 4815, 855}, 2},
    {"Shape8", {1320, 840, 975, 4095}, 2},   {"Shape9", {2280, 840, 975, 4095}, 2},
    {"Shape10", {4200, 840, 1095, 4095}, 2}, {"Shape7", {5880, 840, 4815, 4695}, 1},
};

// The cloud's numbers stand right-aligned in boxes that overlap; a wide number may reach left
// only up to the right end of the nearest number on its height, with a gap, so none runs into
// another.
int cloudRoomLeft(int k) {
  constexpr int kLineHeight = 240;  // numbers this far apart in height never touch
  constexpr int kGap = 90;
  const Spot& own = kCloudSpots[k];
  const int ownRight = own.left + kCloudNumberWidth;
  int left = 0;
  for (const Spot& other : kCloudSpots) {
    const int otherRight = other.left + kCloudNumberWidth;
    if (std::abs(other.top - own.top) < kLineHeight && otherRight < ownRight) {
      left = std::max(left, otherRight + kGap);
    }
  }
  return left;
}

Box movedDown(Box box, int dy) { return {box.left, box.top + dy, box.width, box.height}; }

TextField header(std::string name, int index, Box box, const char* caption) {
  TextField field = numberCell(std::move(name), index, box, Align::Centre);
  field.font.points = 24;
  field.caption = caption;
  return field;
}

TextField instruction(int index, Box box, const char* colour) {
  TextField field = numberCell("Label1", index, box, Align::Centre);
  field.caption = std::string(
                      "KUTULARI VERİLEN İŞLEME GÖRE YAP. CEVABINI YANDAKİ TABLODAN BUL. "
                      "Bulduklarını ") +
                  colour + " boya";
  field.font.points = 9.75;
  field.opaque = true;
  return field;
}

Page design() {
  Page page = blankPage(PageKind::Form16);

  // Always shown; the grids and clouds lie above them.
  page.pictures.push_back(Picture{.name = "Image1",
                                  .index = 0,
                                  .artwork = std::string(artwork::kForm16Image1_0),
                                  .box = {1440, 1320, 4560, 4800}});
  page.pictures.push_back(Picture{.name = "Image1",
                                  .index = 1,
                                  .artwork = std::string(artwork::kForm16Image1_1),
                                  .box = {1320, 7920, 4320, 4035}});

  for (int half = 0; half < 2; ++half) {
    for (const Band& band : kGrid) {
      page.shapes.push_back(Shape{.name = band.name,
                                  .index = half,
                                  .box = movedDown(band.box, half * kLowerDown),
                                  .borderWidthPixels = band.borderWidth,
                                  .fill = std::nullopt});
    }
  }

  page.texts.push_back(instruction(0, {600, 120, 9495, 495}, "kırmızıya"));
  page.texts.push_back(instruction(1, {360, 6240, 9495, 495}, "maviye"));

  page.texts.push_back(header("Label4", 0, {kHeaderLeft, kUpperHeaderTop, 975, 855}, "+"));
  page.texts.push_back(header("Label4", 1, {kHeaderLeft, kLowerHeaderTop, 975, 855}, "+"));
  for (int c = 0; c < kSide; ++c) {
    page.texts.push_back(header("Label2", c, {kColumnLefts[c], kUpperHeaderTop, 855, 615}, "10"));
    // The lower headers run in reverse: index 7 leftmost and highest.
    page.texts.push_back(
        header("Label2", 2 * kSide - 1 - c, {kColumnLefts[c], kLowerHeaderTop, 855, 615}, "10"));
  }
  for (int r = 0; r < kSide; ++r) {
    page.texts.push_back(header("Label3", r, {kHeaderLeft, kUpperRowTops[r], 975, 735}, "10"));
    page.texts.push_back(
        header("Label3", 2 * kSide - 1 - r, {kHeaderLeft, kLowerRowTops[r], 975, 735}, "10"));
  }

  keepHeadersInCells(page);

  for (int half = 0; half < 2; ++half) {
    for (int k = 0; k < kCloud; ++k) {
      const Box spot{kCloudSpots[k].left, kCloudSpots[k].top + half * kLowerDown, kCloudNumberWidth,
                     495};
      TextField label = numberCell("Label5", half * kCloud + k, spot);
      label.caption = "5";
      Box room = clearOfStrokes(page, spot);
      const int left = std::max(room.left, cloudRoomLeft(k));
      label.fitting = Box{left, room.top, room.right() - left, room.height};
      page.texts.push_back(label);
    }
  }
  return page;
}

// Fills the 16 results of one grid, row by row, from the numbers its headers show.
void writeResults(Page& page, const LoadContext& context, int grid) {
  const bool adds = page.text("Label4", grid).caption == "+";
  for (int r = 0; r < kSide; ++r) {
    for (int c = 0; c < kSide; ++c) {
      const double row = context.numbers.read(page.text("Label3", grid * kSide + r).caption);
      const double column = context.numbers.read(page.text("Label2", grid * kSide + c).caption);
      page.text("Label5", grid * kCells + kSide * r + c).caption =
          context.numbers.caption(adds ? row + column : row * column);
    }
  }
}

void draw(Page& page, const LoadContext& context) {
  drawOperationTables(page, context, 2 * kSide, 2 * kSide);

  writeResults(page, context, 0);
  writeResults(page, context, 1);
  for (int k = 0; k < kCloud; ++k) {
    page.text("Label5", kCloud + k).caption = page.text("Label5", kLowerCloudOrder[k]).caption;
  }
}

}  // namespace

PageDefinition form16Definition() { return {PageKind::Form16, design, std::nullopt, draw}; }

}  // namespace ws
