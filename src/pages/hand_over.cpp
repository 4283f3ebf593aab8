#include "pages/hand_over.h"

namespace ws {

HandOver::HandOver(ParameterBlock& block, const NumberText& numbers, PageFrame& frame,
                   PageHost& host)
    : block_(block), numbers_(numbers), frame_(frame), host_(host) {}

void HandOver::run(PageKind kind, std::string_view countAnswer) {
  const double count = numbers_.read(countAnswer);
  if (count == 0) {
    block_.set(Field::Label9, "1");
    if (host_.isOpen(kind)) host_.unload(kind);
    host_.show(kind, frame_.load(kind));
    block_.set(Field::Label9, "0");
    return;
  }
  // A batch sheet is printed inside its load; it is never left on the screen,
  // so it is not shown between its load and its unload.
  if (count < 1) return;
  const PrintBatch batch(frame_.printer());
  for (double k = 1; k <= count; ++k) {
    if (host_.isOpen(kind)) host_.unload(kind);
    frame_.load(kind);
  }
}

}  // namespace ws
