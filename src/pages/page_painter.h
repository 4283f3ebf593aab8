#pragma once

#include <QRectF>

#include "pages/page_model.h"

class QPainter;

namespace ws {

// Draws a page on any paint device (screen, printer, PDF, image) so that the
// page's drawn area fills `target`, aspect kept and centred.
void paintPage(QPainter& painter, const Page& page, const QRectF& target);

}  // namespace ws
