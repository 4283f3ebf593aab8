// Form17: nine two-operation problems with brackets, (a op b) op c, in the boxes of a
// figure that the pupil colours once the problems are done.

#include <string>
#include <string_view>
#include <utility>

#include "common/number_draw.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kProblems = 9;
constexpr std::string_view kOperators = "+-x";
constexpr const char* kAnswerPlace = "=.....";

struct Corner {
  int x, y;
};
constexpr Corner kBoxCorners[kProblems] = {{240, 720},   {5880, 720},   {3120, 3840},
                                           {840, 6000},  {5280, 6000},  {3240, 8640},
                                           {3240, 9480}, {3240, 10320}, {3240, 11160}};

// The figure is for the pupil to colour: bold outlines on white paper, nothing filled.
Shape oval(std::string name, int index, Box box) {
  return Shape{.name = std::move(name),
               .index = index,
               .kind = ShapeKind::Oval,
               .box = box,
               .borderWidthPixels = 2,
               .fill = std::nullopt};
}

Line stroke(int number, int x1, int y1, int x2, int y2) {
  return ws::stroke("Line" + std::to_string(number), kSingle, x1, y1, x2, y2, 1);
}

Page design() {
  Page page = blankPage(PageKind::Form17);

  page.shapes.push_back(oval("Shape3", kSingle, {360, 5160, 9855, 2655}));
  page.shapes.push_back(oval("Shape2", 0, {1560, 1800, 1575, 855}));
  page.shapes.push_back(oval("Shape2", 1, {7320, 1800, 1575, 855}));
  page.shapes.push_back(oval("Shape2", 2, {1680, 2040, 855, 495}));
  page.shapes.push_back(oval("Shape2", 3, {7920, 1800, 855, 495}));

  for (int i = 0; i < kProblems; ++i) {
    const auto [x, y] = kBoxCorners[i];
    page.shapes.push_back(Shape{.name = "Shape1",
                                .index = i,
                                .kind = ShapeKind::RoundedRectangle,
                                .box = {x, y, 4335, 735},
                                .fill = kWhite});
    page.texts.push_back(numberCell("Label2", i, {x + 120, y + 240, 4095, 375}, Align::Centre));
  }

  page.lines.push_back(stroke(1, 120, 7320, 2640, 8760));
  page.lines.push_back(stroke(2, 10920, 6720, 8280, 8760));
  page.lines.push_back(stroke(3, 2640, 8760, 2640, 11880));
  page.lines.push_back(stroke(4, 8280, 8760, 8280, 11760));
  page.lines.push_back(stroke(5, 0, 2400, 1080, 3720));
  page.lines.push_back(stroke(6, 10920, 2040, 9840, 3720));
  page.lines.push_back(stroke(7, 1080, 3720, 0, 5160));
  page.lines.push_back(stroke(8, 9840, 3720, 10920, 5280));

  page.texts.push_back(
      caption("Label1", kSingle, {1800, 120, 6975, 375}, "İŞLEMLERİ YAP ve ŞEKLİ BOYA."));
  return page;
}

// Draws from 0 to 10 until one names a position of the operator text: 1, 2 and 3 come
// about equally often.
char drawOperator(FractionSource& random) {
  double k;
  do {
    k = drawNumber(random, 10);
  } while (k == 0 || k > static_cast<double>(kOperators.size()));
  return kOperators[static_cast<std::size_t>(k) - 1];
}

void draw(Page& page, const LoadContext& context) {
  const std::string firstDigits = context.block.get(Field::Label1);
  const std::string secondDigits = context.block.get(Field::Label3);
  const std::string thirdDigits = context.block.get(Field::Label5);

  const double firstBound = rangeBound(context.numbers.read(firstDigits));
  const double secondBound = rangeBound(context.numbers.read(secondDigits));
  const double thirdBound = rangeBound(context.numbers.read(thirdDigits));

  for (int i = 0; i < kProblems; ++i) {
    const char first = drawOperator(context.random);
    const char second = drawOperator(context.random);
    double a = drawNumber(context.random, firstBound);
    double b = drawNumber(context.random, secondBound);
    // The bracket never holds a negative difference.
    if (a < b) std::swap(a, b);
    const double c = drawNumber(context.random, thirdBound);

    page.text("Label2", i).caption = "(" + NumberText::spaced(a) + first + NumberText::spaced(b) +
                                     ")" + second + NumberText::spaced(c) + kAnswerPlace;
  }
}

}  // namespace

PageDefinition form17Definition() { return {PageKind::Form17, design, std::nullopt, draw}; }

}  // namespace ws
