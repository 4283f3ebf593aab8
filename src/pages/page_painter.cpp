#include "pages/page_painter.h"

#include <QPainter>

namespace ws {

void paintPage(QPainter& painter, const Page& page, const QRectF& target) {
  Q_UNUSED(painter);
  Q_UNUSED(page);
  Q_UNUSED(target);
}

}  // namespace ws
