#include "pages/page_model.h"

#include <algorithm>
#include <stdexcept>

namespace ws {

namespace {

template <typename Controls>
auto& find(Controls& controls, std::string_view name, int index) {
  auto it = std::find_if(controls.begin(), controls.end(), [&](const auto& c) {
    return c.index == index && c.name == name;
  });
  if (it == controls.end()) {
    throw std::logic_error("no control " + std::string(name) + "(" + std::to_string(index) + ")");
  }
  return *it;
}

}  // namespace

TextField& Page::text(std::string_view name, int index) { return find(texts, name, index); }
const TextField& Page::text(std::string_view name, int index) const {
  return find(texts, name, index);
}
Line& Page::line(std::string_view name, int index) { return find(lines, name, index); }
Shape& Page::shape(std::string_view name, int index) { return find(shapes, name, index); }
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
  for (const auto& p : pictures) {
    if (p.visible) grow(p.box);
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

}  // namespace ws
