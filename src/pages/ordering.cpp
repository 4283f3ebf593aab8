#include <string>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kProblems = 16;
constexpr const char* kNumberFields[] = {"Label2", "Label3", "Label4", "Label5"};
constexpr int kNumberWidths[] = {1215, 1215, 1215, 1455};
constexpr int kNumberSpacing = 1200;
constexpr int kDottedLineDrop = 480;

// Two problems a row. Rows 1 to 4 ask largest first, rows 5 to 8 smallest first;
// problems 14 and 15 close the upper half.
struct Row {
  int left, right;  // problem numbers
  int top;
  int x0Left, x0Right;
  int dotsLeft, dotsRight;
  const char* dots;
};
constexpr const char* kLargestFirst =
    "................>...............>................>................";
constexpr const char* kSmallestFirst =
    "................<...............<................<................";
constexpr Row kRows[] = {
    {0, 1, 720, 360, 5760, 240, 5520, kLargestFirst},
    {2, 3, 2280, 360, 5760, 240, 5520, kLargestFirst},
    {4, 5, 3840, 360, 5760, 240, 5520, kLargestFirst},
    {14, 15, 4920, 360, 5760, 240, 5520, kLargestFirst},
    {6, 7, 7080, 240, 5640, 120, 5400, kSmallestFirst},
    {8, 9, 8280, 240, 5640, 120, 5400, kSmallestFirst},
    {10, 11, 9480, 360, 5760, 240, 5520, kSmallestFirst},
    {12, 13, 10680, 360, 5760, 240, 5520, kSmallestFirst},
};

void addProblem(Page& page, int i, int top, int x0, int dotsLeft, const char* dots) {
  for (int f = 0; f < 4; ++f) {
    page.texts.push_back(numberCell(
        kNumberFields[f], i, {x0 + kNumberSpacing * f, top, kNumberWidths[f], 375}, Align::Centre));
  }
  TextField line;
  line.name = "Label6";
  line.index = i;
  line.box = {dotsLeft, top + kDottedLineDrop, 5295, 375};
  line.caption = dots;
  page.texts.push_back(line);
}

Picture picture(const char* name, std::string_view artwork, Box box) {
  Picture p;
  p.name = name;
  p.artwork = artwork;
  p.box = box;
  p.switched = true;
  return p;
}

Line divider(const char* name, int x, int top, int bottom) {
  Line l;
  l.name = name;
  l.x1 = l.x2 = x;
  l.y1 = top;
  l.y2 = bottom;
  return l;
}

TextField title(int index, int left, int top, const char* caption) {
  TextField t;
  t.name = "Label1";
  t.index = index;
  t.box = {left, top, 9015, 375};
  t.caption = caption;
  t.align = Align::Centre;
  t.font.underline = true;
  return t;
}

Page design() {
  Page page = blankPage(PageKind::Form8);
  page.pictures.push_back(picture("Image1", artwork::kForm8Image1, {480, 600, 4935, 3255}));
  page.pictures.push_back(picture("Image2", artwork::kForm8Image2, {5520, 6720, 5175, 3855}));
  page.lines.push_back(divider("Line1", 5520, 720, 5760));
  page.lines.push_back(divider("Line2", 5400, 6960, 11760));
  page.texts.push_back(title(0, 720, 120, "AŞAĞIDAKİ SAYILARI BÜYÜKTEN KÜÇÜĞE DOĞRU SIRALAYINIZ."));
  page.texts.push_back(
      title(1, 1200, 6120, "AŞAĞIDAKİ SAYILARI KÜÇÜKTEN BÜYÜĞE DOĞRU SIRALAYINIZ."));
  for (const Row& row : kRows) {
    addProblem(page, row.left, row.top, row.x0Left, row.dotsLeft, row.dots);
    addProblem(page, row.right, row.top, row.x0Right, row.dotsRight, row.dots);
  }
  return page;
}

// Four independent numbers a problem, neither sorted nor kept apart: ordering
// equal numbers is part of the exercise.
void draw(Page& page, const LoadContext& context) {
  const double bound = rangeBound(context.numbers.read(context.block.get(Field::Label1)));
  for (int i = 0; i < kProblems; ++i) {
    for (const char* field : kNumberFields) {
      page.text(field, i).caption = context.numbers.caption(drawNumber(context.random, bound));
    }
  }
}

}  // namespace

PageDefinition form8Definition() { return {PageKind::Form8, design, Field::Label2, draw}; }

}  // namespace ws
