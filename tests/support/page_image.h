#pragma once

// A page painted as the screen shows it: white paper, `twipsPerPixel` twips to a pixel.

#include <QImage>
#include <QPainter>

#include "pages/page_model.h"
#include "pages/page_painter.h"

namespace ws::test {

inline QImage paintedSheet(const Page& page, int twipsPerPixel) {
  const Box area = page.drawnArea();
  QImage image(area.width / twipsPerPixel, area.height / twipsPerPixel, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  paintPage(painter, page, QRectF(image.rect()));
  return image;
}

}  // namespace ws::test
