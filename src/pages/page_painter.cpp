#include "pages/page_painter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>

#include "pages/artwork.h"
#include "pages/symbol_font.h"

namespace ws {

namespace {

// The window designer's pixel, in which line and border widths are given.
constexpr double kTwipsPerDesignerPixel = 15;
constexpr double kTwipsPerPoint = 20;

QColor toQColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

QRectF toRect(const Box& box) { return QRectF(box.left, box.top, box.width, box.height); }

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool isSymbolFont(const Font& font) { return font.family == kSymbolFontFamily; }

// The designs name Windows fonts; Liberation Sans has the same widths as their successor.
QFont toQFont(const Font& font) {
  QFont qfont;
  if (isSymbolFont(font)) {
    qfont.setFamilies({fromUtf8(kSymbolStandInFamily)});
  } else {
    qfont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  }
  // A pixel size in twips under the twips-to-device scale: the same size on every device.
  qfont.setPixelSize(std::max(1, qRound(font.points * kTwipsPerPoint)));
  qfont.setBold(font.bold);
  qfont.setUnderline(font.underline);
  qfont.setHintingPreference(QFont::PreferNoHinting);
  return qfont;
}

// A symbol-font caption holds the font's codes, one byte each; each code has a stand-in glyph.
QString shownText(const TextField& field) {
  if (!isSymbolFont(field.font)) return fromUtf8(field.caption);
  QString text;
  for (const char byte : field.caption) {
    const char32_t glyph = symbolGlyph(static_cast<unsigned char>(byte));
    text += QString::fromUcs4(&glyph, 1);
  }
  return text;
}

void paintPicture(QPainter& painter, const Picture& picture) {
  const QRectF box = toRect(picture.box);
  const QString resource = fromUtf8(artwork::kResourcePrefix) + fromUtf8(picture.artwork) +
                           fromUtf8(artwork::kResourceSuffix);
  if (QFile::exists(resource)) {
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
      renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
      renderer.render(&painter, box);
      return;
    }
  }
  // Artwork still to come: the box keeps its place on the sheet.
  painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), kTwipsPerDesignerPixel));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box);
}

void paintShape(QPainter& painter, const Shape& shape) {
  const double penWidth = shape.borderWidthPixels * kTwipsPerDesignerPixel;
  // The border lies inside the box, as the designer draws it.
  const QRectF box =
      toRect(shape.box).adjusted(penWidth / 2, penWidth / 2, -penWidth / 2, -penWidth / 2);
  QPen pen(toQColor(shape.border), penWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(shape.borderWidthPixels > 0 ? pen : QPen(Qt::NoPen));
  painter.setBrush(shape.fill ? QBrush(toQColor(*shape.fill)) : QBrush(Qt::NoBrush));
  switch (shape.kind) {
    case ShapeKind::Rectangle:
      painter.drawRect(box);
      break;
    case ShapeKind::RoundedRectangle: {
      const double radius = std::min(box.width(), box.height()) / 6;
      painter.drawRoundedRect(box, radius, radius);
      break;
    }
    case ShapeKind::Oval:
      painter.drawEllipse(box);
      break;
  }
}

void paintLine(QPainter& painter, const Line& line) {
  QPen pen(toQColor(line.colour), line.widthPixels * kTwipsPerDesignerPixel);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
}

// Around text that stands on a picture: a white rim keeps every digit readable on colour.
constexpr double kHaloTwips = 45;

// One line of a caption at its baseline. A text wider than its field is condensed to the field's
// width, so no digit a pupil needs is lost; a field that cuts at its edge is clipped instead.
void paintTextLine(QPainter& painter, const TextField& field, const QString& text, double baseline,
                   bool halo) {
  const QRectF box = toRect(field.box);
  const QFont& font = painter.font();
  const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
  painter.save();
  if (width > box.width() && !field.cutAtEdge) {
    painter.translate(box.left(), baseline);
    painter.scale(box.width() / width, 1);
  } else {
    double x = box.left();
    if (field.align == Align::Centre) x += (box.width() - width) / 2;
    if (field.align == Align::Right) x += box.width() - width;
    painter.translate(x, baseline);
  }
  if (halo) {
    QPainterPath outline;
    outline.addText(QPointF(0, 0), font, text);
    painter.strokePath(outline,
                       QPen(Qt::white, kHaloTwips, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  painter.drawText(QPointF(0, 0), text);
  painter.restore();
}

void paintText(QPainter& painter, const TextField& field, bool overPicture) {
  const QRectF box = toRect(field.box);
  if (field.opaque) painter.fillRect(box, toQColor(field.back));
  if (field.caption.empty()) return;

  const QFont font = toQFont(field.font);
  painter.setFont(font);
  painter.setPen(toQColor(field.fore));
  const QFontMetricsF metrics(font, painter.device());

  painter.save();
  if (field.cutAtEdge) {
    // Only the right edge cuts; a taller font still shows whole.
    constexpr double kAnyHeight = 1e6;
    painter.setClipRect(QRectF(box.left(), box.top() - kAnyHeight, box.width(), 2 * kAnyHeight),
                        Qt::IntersectClip);
  }
  // A label writes from its top edge down, one line per line of its caption.
  double baseline = box.top() + metrics.ascent();
  for (const QString& line : shownText(field).split(QLatin1Char('\n'))) {
    paintTextLine(painter, field, line, baseline, overPicture && !field.opaque);
    baseline += metrics.lineSpacing();
  }
  painter.restore();
}

bool overlaps(const Box& a, const Box& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace

void paintPage(QPainter& painter, const Page& page, const QRectF& target) {
  const Box area = page.drawnArea();
  if (area.width <= 0 || area.height <= 0 || target.isEmpty()) return;
  const double scale = std::min(target.width() / area.width, target.height() / area.height);
  const QSizeF size(area.width * scale, area.height * scale);
  const QRectF sheet(target.center() - QPointF(size.width() / 2, size.height() / 2), size);

  painter.save();
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
  painter.fillRect(sheet, Qt::white);
  painter.translate(sheet.topLeft());
  painter.scale(scale, scale);
  painter.translate(-area.left, -area.top);
  // A picture reaching beyond the drawn area is cut at its edge.
  painter.setClipRect(toRect(area), Qt::IntersectClip);

  // Pictures lowest, text on top: every problem stays readable over a picture.
  for (const Picture& picture : page.pictures) {
    if (picture.visible) paintPicture(painter, picture);
  }
  for (const Shape& shape : page.shapes) {
    if (shape.visible) paintShape(painter, shape);
  }
  for (const Line& line : page.lines) {
    if (line.visible) paintLine(painter, line);
  }
  for (const TextField& field : page.texts) {
    if (!field.visible) continue;
    const bool overPicture =
        std::any_of(page.pictures.begin(), page.pictures.end(), [&](const Picture& picture) {
          return picture.visible && overlaps(picture.box, field.box);
        });
    paintText(painter, field, overPicture);
  }
  painter.restore();
}

}  // namespace ws
