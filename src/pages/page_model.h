#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ws {

// A page is laid out in twips, as a printed sheet: 1440 to the inch, 20 to the point.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
};

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

enum class Align { Left, Centre, Right };

struct Font {
  std::string family = "MS Sans Serif";
  double points = 12;
  bool bold = true;
  bool underline = false;
};

// Controls that belong to an array carry their index; a single control has index -1.
inline constexpr int kSingle = -1;

struct TextField {
  std::string name;
  int index = kSingle;
  Box box;
  std::string caption;
  Font font;
  Align align = Align::Left;
  bool opaque = false;  // an opaque field paints its back colour over what lies below
  Colour back = kWhite;
  Colour fore = kBlack;
  bool visible = true;
  // A text wider than its field is drawn condensed so nothing a pupil needs is cut off;
  // the few fields whose design cuts the text on purpose say so here.
  bool cutAtEdge = false;
  // Where the box reaches over a frame or a line, the part of it a text may use: the text keeps
  // its place in the box and moves only as far as it must to stay in here.
  std::optional<Box> fitting;
};

struct Line {
  std::string name;
  int index = kSingle;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int widthPixels = 1;  // as the window designer gives it: a screen pixel is 15 twips
  Colour colour = kBlack;
  bool visible = true;
};

enum class ShapeKind { Rectangle, RoundedRectangle, Oval };

struct Shape {
  std::string name;
  int index = kSingle;
  ShapeKind kind = ShapeKind::Rectangle;
  Box box;
  int borderWidthPixels = 1;
  Colour border = kBlack;
  std::optional<Colour> fill;  // none: transparent
  bool visible = true;
};

// A picture stretched to its box; `artwork` names one of the program's pictures.
struct Picture {
  std::string name;
  int index = kSingle;
  std::string artwork;
  Box box;
  bool visible = true;
  bool switched = false;  // shown or hidden by the picture answer when the page loads
};

// One worksheet page: its window's data and every control on it. Pictures lie below
// shapes, shapes below lines, lines below text fields, so problems stay readable.
struct Page {
  std::string form;       // "Form2"
  std::string printItem;  // object name of the "Yazdır" item: "mnuyazdır" or "nuyazdır"
  int clientWidth = 0;
  int clientHeight = 12150;

  std::vector<Picture> pictures;
  std::vector<Shape> shapes;
  std::vector<Line> lines;
  std::vector<TextField> texts;

  TextField& text(std::string_view name, int index = kSingle);
  const TextField& text(std::string_view name, int index = kSingle) const;
  Line& line(std::string_view name, int index = kSingle);
  const Line& line(std::string_view name, int index = kSingle) const;
  Shape& shape(std::string_view name, int index = kSingle);
  const Shape& shape(std::string_view name, int index = kSingle) const;
  Picture& picture(std::string_view name, int index = kSingle);
  const Picture& picture(std::string_view name, int index = kSingle) const;

  // The area to show and print: the client area, grown where a design places a
  // control beyond it, so no pupil's row is cut in half. Pictures do not grow it: a
  // problem stands at the same place on the paper whether pictures show or not.
  Box drawnArea() const;
};

// Design helpers: a page's design reads as a list of these calls.
TextField numberCell(std::string name, int index, Box box, Align align = Align::Right);
TextField caption(std::string name, int index, Box box, std::string text,
                  Align align = Align::Centre);
Line stroke(std::string name, int index, int x1, int y1, int x2, int y2, int widthPixels = 2);
Picture picture(std::string name, int index, std::string_view artwork, Box box,
                bool switched = true);

// Where an operator sign drawn with lines stands beside a number cell whose top is `cellTop`:
// level with the middle of its digits, so it reads as part of that number's line. A cell's
// 12-point bold figures sit on a baseline 0.905 em below its top and stand 0.716 em tall;
// an em is 240 twips.
constexpr int signMiddle(int cellTop) { return cellTop + 131; }

// The minus stroke Line3(index) from `left` to `right` at height `middle`; with `plus`, the
// vertical stroke Line2(index) through its middle makes it a plus.
void addSignAt(Page& page, int index, int left, int right, int middle, bool plus);

// The same sign level with the middle of the number in the cell at `cellTop`.
inline void addSign(Page& page, int index, int left, int right, int cellTop, bool plus) {
  addSignAt(page, index, left, right, signMiddle(cellTop), plus);
}

// Where a line's pen, centred on the line, leaves ink.
Box inkBox(const Line& line);

// The part of `box` that stays `clearance` twips off every outline and line reaching into it:
// each pushes back the side of the box it comes in from. The default is a clear gap on paper.
inline constexpr int kStrokeClearance = 45;
Box clearOfStrokes(const Page& page, Box box, int clearance = kStrokeClearance);

}  // namespace ws
