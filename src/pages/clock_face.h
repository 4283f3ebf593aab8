#pragma once

#include <QRectF>

class QPainter;

namespace ws {

// The blank clock face of the clock-reading page, 169 x 179 designer pixels, stretched to `box`.
// Drawn with painter calls rather than from a picture file: on paper its numerals stay text and
// its ticks two paths, where an SVG renderer writes the numerals as outlines, twenty times the
// bytes a page of nine faces needs.
void paintClockFace(QPainter& painter, const QRectF& box);

}  // namespace ws
