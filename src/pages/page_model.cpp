#include "pages/page_model.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace ws {

namespace {

template <typename Controls>
auto& find(Controls& controls, std::string_view name, int index) {
  auto it = std::find_if(controls.begin(), controls.end(),
                         [&](const auto& c) { return c.index == index && c.name == name; });
  if (it == controls.end()) {
    throw std::logic_error("no control " + std::string(name) + "(" + std::to_string(index) + ")");
  }
  return *it;
}

// Line and border widths are given in the window designer's screen pixels.
constexpr int kTwipsPerDesignerPixel = 15;

// Where each stroke leaves ink: a shape's border lies inside its box.
std::vector<Box> strokeInk(const Page& page) {
  std::vector<Box> ink;
  for (const Shape& shape : page.shapes) {
    if (!shape.visible || shape.borderWidthPixels <= 0) continue;
    const int pen = shape.borderWidthPixels * kTwipsPerDesignerPixel;
    const Box& b = shape.box;
    ink.push_back({b.left, b.top, pen, b.height});
    ink.push_back({b.right() - pen, b.top, pen, b.height});
    ink.push_back({b.left, b.top, b.width, pen});
    ink.push_back({b.left, b.bottom() - pen, b.width, pen});
  }
  for (const Line& line : page.lines) {
    if (line.visible) ink.push_back(inkBox(line));
  }
  return ink;
}

}  // namespace

TextField& Page::text(std::string_view name, int index) { return find(texts, name, index); }
const TextField& Page::text(std::string_view name, int index) const {
  return find(texts, name, index);
}
Line& Page::line(std::string_view name, int index) { return find(lines, name, index); }
const Line& Page::line(std::string_view name, int index) const { return find(lines, name, index); }
Shape& Page::shape(std::string_view name, int index) { return find(shapes, name, index); }
const Shape& Page::shape(std::string_view name, int index) const {
  return find(shapes, name, index);
}
Picture& Page::picture(std::string_view name, int index) { return find(pictures, name, index); }
const Picture& Page::picture(std::string_view name, int index) const {
  return find(pictures, name, index);
}

Box Page::drawnArea() const {
  int right = clientWidth;
  int bottom = clientHeight;
  auto grow = [&](const Box& b) {
    right = std::max(right, b.right());
    bottom = std::max(bottom, b.bottom());
  };
  for (const auto& t : texts) {
    if (t.visible) grow(t.box);
  }
  for (const auto& s : shapes) {
    if (s.visible) grow(s.box);
  }
  for (const auto& l : lines) {
    if (l.visible) grow(Box{0, 0, std::max(l.x1, l.x2), std::max(l.y1, l.y2)});
  }
  return Box{0, 0, right, bottom};
}

TextField numberCell(std::string name, int index, Box box, Align align) {
  TextField field;
  field.name = std::move(name);
  field.index = index;
  field.box = box;
  field.caption = field.name;
  field.align = align;
  return field;
}

TextField caption(std::string name, int index, Box box, std::string text, Align align) {
  TextField field = numberCell(std::move(name), index, box, align);
  field.caption = std::move(text);
  return field;
}

Line stroke(std::string name, int index, int x1, int y1, int x2, int y2, int widthPixels) {
  Line line;
  line.name = std::move(name);
  line.index = index;
  line.x1 = x1;
  line.y1 = y1;
  line.x2 = x2;
  line.y2 = y2;
  line.widthPixels = widthPixels;
  return line;
}

Box inkBox(const Line& line) {
  const int half = line.widthPixels * kTwipsPerDesignerPixel / 2;
  return {std::min(line.x1, line.x2) - half, std::min(line.y1, line.y2) - half,
          std::abs(line.x2 - line.x1) + 2 * half, std::abs(line.y2 - line.y1) + 2 * half};
}

void addSignAt(Page& page, int index, int left, int right, int middle, bool plus) {
  page.lines.push_back(stroke("Line3", index, left, middle, right, middle));
  if (plus) {
    const int x = (left + right) / 2;
    page.lines.push_back(stroke("Line2", index, x, middle - 120, x, middle + 120));
  }
}

Box clearOfStrokes(const Page& page, Box box, int clearance) {
  int left = box.left, top = box.top, right = box.right(), bottom = box.bottom();
  for (const Box& stroke : strokeInk(page)) {
    const int across = std::min(right, stroke.right()) - std::max(left, stroke.left);
    const int down = std::min(bottom, stroke.bottom()) - std::max(top, stroke.top);
    if (across <= 0 || down <= 0) continue;
    // A stroke reaches in across the side it overlaps least; its middle tells which side.
    if (across <= down) {
      if (stroke.left + stroke.right() < left + right) {
        left = stroke.right() + clearance;
      } else {
        right = stroke.left - clearance;
      }
    } else if (stroke.top + stroke.bottom() < top + bottom) {
      top = stroke.bottom() + clearance;
    } else {
      bottom = stroke.top - clearance;
    }
  }
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

Picture picture(std::string name, int index, std::string_view artwork, Box box, bool switched) {
  Picture result;
  result.name = std::move(name);
  result.index = index;
  result.artwork = std::string(artwork);
  result.box = box;
  result.switched = switched;
  return result;
}

}  // namespace ws
