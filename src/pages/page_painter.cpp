#include "pages/page_painter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>
#include <map>
#include <utility>

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

// A text too wide for the room it may use first shrinks, to no less than this share of its size,
// and only then is condensed: a number keeps its shape as long as it can.
constexpr double kSmallestShrink = 0.7;

// One line of a caption at its design baseline. A text too wide for its field (or the part of it
// the field may use) shrinks, then condenses, so no digit a pupil needs is lost; it keeps its
// design place and moves only as far as it must to stay in that room. A field that cuts at its
// edge is clipped instead.
void paintTextLine(QPainter& painter, const TextField& field, const QFontMetricsF& metrics,
                   const QString& text, double baseline, bool halo) {
  const QRectF box = toRect(field.box);
  const QRectF room = field.fitting ? toRect(*field.fitting) : box;
  const double natural = metrics.horizontalAdvance(text);
  double shrink = 1;
  double condense = 1;
  if (natural > room.width() && !field.cutAtEdge) {
    shrink = std::max(kSmallestShrink, room.width() / natural);
    condense = std::min(1.0, room.width() / (natural * shrink));
  }
  const double width = natural * shrink * condense;
  double x = box.left();
  if (field.align == Align::Centre) x += (box.width() - width) / 2;
  if (field.align == Align::Right) x += box.width() - width;
  if (!field.cutAtEdge) x = std::max(room.left(), std::min(x, room.right() - width));
  // A smaller font keeps the middle of its capitals and digits where the design has them.
  baseline -= (1 - shrink) * metrics.capHeight() / 2;
  if (field.fitting) {
    const QRectF ink = metrics.tightBoundingRect(text);
    const double inkTop = baseline + shrink * ink.top();
    const double inkBottom = baseline + shrink * ink.bottom();
    if (inkTop < room.top()) {
      baseline += room.top() - inkTop;
    } else if (inkBottom > room.bottom()) {
      baseline -= std::min(inkBottom - room.bottom(), inkTop - room.top());
    }
  }

  painter.save();
  painter.translate(x, baseline);
  painter.scale(shrink * condense, shrink);
  if (halo) {
    QPainterPath outline;
    outline.addText(QPointF(0, 0), painter.font(), text);
    painter.strokePath(outline,
                       QPen(Qt::white, kHaloTwips, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  painter.drawText(QPointF(0, 0), text);
  if (field.font.underline) {
    // The font's own underline runs through the cedillas of Ş and Ç: ours passes below the
    // lowest ink the font may have, a line's width clear of it.
    const double thickness = metrics.lineWidth();
    painter.fillRect(QRectF(0, metrics.descent() + thickness, natural, thickness),
                     painter.pen().color());
  }
  painter.restore();
}

// The stand-in font's outlines for a symbol-font size, made once: a row of symbols is laid out
// glyph by glyph and drawn as one run.
const QRawFont& standInFont(const QFont& font) {
  // Kept to the program's end: a font may not outlive the application that loaded it.
  static auto* made = new std::map<std::pair<int, bool>, QRawFont>;
  QRawFont& raw = (*made)[{font.pixelSize(), font.bold()}];
  if (!raw.isValid()) raw = QRawFont::fromFont(font);
  return raw;
}

// A symbol-font caption, one line: each code's shape centred in a cell of one width, so numbers
// stand digit under digit. A field that cuts at its edge shows only the shapes that fit whole;
// another field too narrow for its line draws the whole line smaller.
void paintSymbolLine(QPainter& painter, const TextField& field, double baseline, bool halo) {
  const QRectF box = toRect(field.box);
  const QRawFont& raw = standInFont(painter.font());
  const double cell = symbolCellEms(field.caption) * raw.pixelSize();

  QString glyphs;
  QList<double> centres;
  double width = 0;
  for (const char code : field.caption) {
    const double step = code == ' ' ? cell / 2 : cell;
    if (field.cutAtEdge && width + step > box.width()) break;
    if (code != ' ') {
      const char32_t glyph = symbolGlyph(static_cast<unsigned char>(code));
      glyphs += QString::fromUcs4(&glyph, 1);
      centres.append(width + step / 2);
    }
    width += step;
  }
  if (glyphs.isEmpty()) return;

  const QList<quint32> indexes = raw.glyphIndexesForString(glyphs);
  const QList<QPointF> advances = raw.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
  QList<QPointF> positions;
  for (qsizetype i = 0; i < std::min(indexes.size(), centres.size()); ++i)
    positions.append(QPointF(centres[i] - advances[i].x() / 2, 0));
  QGlyphRun run;
  run.setRawFont(raw);
  run.setGlyphIndexes(indexes);
  run.setPositions(positions);

  const double scale = width > box.width() ? box.width() / width : 1;
  double x = box.left();
  if (field.align == Align::Centre) x += (box.width() - width * scale) / 2;
  if (field.align == Align::Right) x += box.width() - width * scale;
  painter.save();
  painter.translate(x, baseline);
  painter.scale(scale, scale);
  if (halo) {
    const QPen ink = painter.pen();
    painter.setPen(Qt::white);
    for (const QPointF offset :
         {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1), QPointF(0.7, 0.7),
          QPointF(-0.7, 0.7), QPointF(0.7, -0.7), QPointF(-0.7, -0.7)})
      painter.drawGlyphRun(offset * kHaloTwips / 2, run);
    painter.setPen(ink);
  }
  painter.drawGlyphRun(QPointF(0, 0), run);
  painter.restore();
}

void paintText(QPainter& painter, const TextField& field, bool overPicture) {
  const QRectF box = toRect(field.box);
  if (field.opaque) painter.fillRect(box, toQColor(field.back));
  if (field.caption.empty()) return;

  QFont font = toQFont(field.font);
  font.setUnderline(false);  // drawn by paintTextLine
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
  const bool halo = overPicture && !field.opaque;
  if (isSymbolFont(field.font)) {
    paintSymbolLine(painter, field, baseline, halo);
  } else {
    for (const QString& line : fromUtf8(field.caption).split(QLatin1Char('\n'))) {
      paintTextLine(painter, field, metrics, line, baseline, halo);
      baseline += metrics.lineSpacing();
    }
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
