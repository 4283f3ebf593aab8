#include "pages/page_painter.h"

#include <QCache>
#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QSvgRenderer>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "pages/artwork.h"
#include "pages/clock_face.h"
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

// Pages use a handful of fonts; each is made once, so the painter finds it ready.
const QFont& fontFor(const Font& font) {
  static std::map<std::tuple<std::string, double, bool, bool>, QFont> fonts;
  const auto key = std::make_tuple(font.family, font.points, font.bold, font.underline);
  auto it = fonts.find(key);
  if (it == fonts.end()) it = fonts.emplace(key, toQFont(font)).first;
  return it->second;
}

// Draws one picture stretched to a box: from its SVG, parsed once a run since a batch paints the
// same few pictures hundreds of times, or by the painter itself for the clock face.
using DrawArtwork = std::function<void(QPainter&, const QRectF&)>;

// Empty for artwork still to come.
const DrawArtwork& drawingOf(const std::string& artwork) {
  static std::unordered_map<std::string, DrawArtwork> drawings;
  auto [it, added] = drawings.try_emplace(artwork);
  if (!added) return it->second;
  if (artwork == artwork::kClockFace) {
    it->second = paintClockFace;
    return it->second;
  }
  const QString resource =
      fromUtf8(artwork::kResourcePrefix) + fromUtf8(artwork) + fromUtf8(artwork::kResourceSuffix);
  if (QFile::exists(resource)) {
    auto renderer = std::make_shared<QSvgRenderer>(resource);
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    if (renderer->isValid()) {
      it->second = [renderer](QPainter& painter, const QRectF& box) {
        renderer->render(&painter, box);
      };
    }
  }
  return it->second;
}

// On a screen or an image a picture is copied from one rendering at the device's own pixels,
// its place's fraction of a pixel included, so it looks as if drawn afresh.
bool paintFromImage(QPainter& painter, const DrawArtwork& draw, const std::string& artwork,
                    const QRectF& box) {
  const QTransform& toDevice = painter.deviceTransform();
  if (painter.paintEngine()->type() != QPaintEngine::Raster ||
      toDevice.type() > QTransform::TxScale) {
    return false;
  }
  const QRectF onDevice = toDevice.mapRect(box);
  const QPoint corner(qFloor(onDevice.left()), qFloor(onDevice.top()));
  const QRectF within = onDevice.translated(-corner);
  const QSize size(qCeil(within.right()), qCeil(within.bottom()));
  constexpr int kMaxPixels = 4096 * 4096;
  if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPixels) return false;

  // Previews of a few kinds of sheets at a few sizes: a handful of images.
  constexpr int kCacheKilobytes = 48 * 1024;
  static QCache<QString, QImage> images(kCacheKilobytes);
  const QString key = QStringLiteral("%1 %2 %3 %4 %5")
                          .arg(fromUtf8(artwork))
                          .arg(within.left(), 0, 'f', 2)
                          .arg(within.top(), 0, 'f', 2)
                          .arg(within.width(), 0, 'f', 2)
                          .arg(within.height(), 0, 'f', 2);
  QImage* image = images.object(key);
  if (!image) {
    image = new QImage(size, QImage::Format_ARGB32_Premultiplied);
    image->fill(Qt::transparent);
    QPainter onImage(image);
    onImage.setRenderHints(painter.renderHints());
    draw(onImage, within);
    onImage.end();
    if (!images.insert(key, image, qMax<qsizetype>(1, image->sizeInBytes() / 1024))) return false;
  }
  painter.save();
  painter.setWorldTransform(QTransform());
  const qreal ratio = painter.device()->devicePixelRatio();
  image->setDevicePixelRatio(ratio);
  painter.drawImage(QPointF(corner) / ratio, *image);
  painter.restore();
  return true;
}

void paintPicture(QPainter& painter, const Picture& picture) {
  const QRectF box = toRect(picture.box);
  if (const DrawArtwork& draw = drawingOf(picture.artwork)) {
    if (!paintFromImage(painter, draw, picture.artwork, box)) draw(painter, box);
    return;
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

// Where the visible pictures of a page put ink, one cell for every designer pixel: text gets
// its rim only where it stands on ink, not on the blank parts of a picture's box.
class PictureInk {
 public:
  // `pageToWorld` is the painter's transform while it paints in the page's twips.
  PictureInk(const Page& page, const QTransform& pageToWorld)
      : worldToPage_(pageToWorld.inverted()) {
    for (const Picture& picture : page.pictures) {
      if (!picture.visible) continue;
      if (const DrawArtwork& draw = drawingOf(picture.artwork)) {
        pictures_.push_back({picture.box, &inkOf(draw, picture.artwork, picture.box)});
      }
    }
  }

  // Whether there is ink under `rect`, given in the painter's present coordinates.
  bool under(const QPainter& painter, const QRectF& rect) const {
    const QRectF onPage = (painter.transform() * worldToPage_).mapRect(rect);
    for (const auto& [box, ink] : pictures_) {
      const auto cell = [](double twips) {
        return int(std::floor(twips / kTwipsPerDesignerPixel));
      };
      const int left = std::max(0, cell(onPage.left() - box.left));
      const int top = std::max(0, cell(onPage.top() - box.top));
      const int right = std::min(ink->width, cell(onPage.right() - box.left) + 1);
      const int bottom = std::min(ink->height, cell(onPage.bottom() - box.top) + 1);
      if (left < right && top < bottom && ink->count(left, top, right, bottom) > 0) return true;
    }
    return false;
  }

 private:
  // Counts of inked cells above and left of each corner, so any rectangle is four look-ups.
  struct Ink {
    int width = 0;
    int height = 0;
    std::vector<int> sums;  // (width + 1) x (height + 1)

    int at(int x, int y) const { return sums[std::size_t(y) * (width + 1) + x]; }
    int count(int left, int top, int right, int bottom) const {
      return at(right, bottom) - at(left, bottom) - at(right, top) + at(left, top);
    }
  };

  // Each picture is looked at once per box size it is drawn at.
  static const Ink& inkOf(const DrawArtwork& draw, const std::string& artwork, const Box& box) {
    static std::map<std::tuple<std::string, int, int>, Ink> inks;
    auto [it, added] = inks.try_emplace({artwork, box.width, box.height});
    if (added) {
      Ink& ink = it->second;
      ink.width = int(std::ceil(box.width / kTwipsPerDesignerPixel));
      ink.height = int(std::ceil(box.height / kTwipsPerDesignerPixel));
      QImage image(ink.width, ink.height, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      draw(painter,
           QRectF(0, 0, box.width / kTwipsPerDesignerPixel, box.height / kTwipsPerDesignerPixel));
      painter.end();
      // Pale colour is ink too: a digit on it reads worse than on paper.
      constexpr int kWhiteEnough = 250;
      ink.sums.assign(std::size_t(ink.width + 1) * (ink.height + 1), 0);
      for (int y = 0; y < ink.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int inRow = 0;
        for (int x = 0; x < ink.width; ++x) {
          inRow += std::min({qRed(row[x]), qGreen(row[x]), qBlue(row[x])}) < kWhiteEnough;
          ink.sums[std::size_t(y + 1) * (ink.width + 1) + x + 1] = ink.at(x + 1, y) + inRow;
        }
      }
    }
    return it->second;
  }

  QTransform worldToPage_;
  std::vector<std::pair<Box, const Ink*>> pictures_;
};

// A line of text as the device sets it, shaped once: the text and its rim draw the same glyphs,
// and a batch writes the same numbers and answer places again and again.
struct ShapedLine {
  // Glyph positions from the start of the baseline, in whole twips: finer than any printer's dot,
  // and a PDF writes each as a short number.
  QList<QGlyphRun> runs;
  double width = 0;
  double ascent = 0;
  double descent = 0;
  // Drawn by the line itself: a glyph run's own underline lands beside the text.
  bool underline = false;
  double underlineDrop = 0;
  double underlineWidth = 0;
};

struct ShapeKey {
  QFont font;
  int dpi;
  QString text;
  friend bool operator==(const ShapeKey&, const ShapeKey&) = default;
};

size_t qHash(const ShapeKey& key, size_t seed = 0) {
  return qHashMulti(seed, key.font, key.dpi, key.text);
}

ShapedLine shaped(const QPainter& painter, const QString& text) {
  constexpr int kLines = 4096;
  static QCache<ShapeKey, ShapedLine> lines(kLines);
  ShapeKey key{painter.font(), painter.device()->logicalDpiY(), text};
  if (const ShapedLine* line = lines.object(key)) return *line;

  QTextLayout layout(text, painter.font(), painter.device());
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine textLine = layout.createLine();
  layout.endLayout();
  auto* line = new ShapedLine;
  if (textLine.isValid()) {
    textLine.setPosition(QPointF(0, 0));
    line->runs = textLine.glyphRuns();
    line->width = textLine.horizontalAdvance();
    line->ascent = textLine.ascent();
    line->descent = textLine.descent();
    for (QGlyphRun& run : line->runs) {
      QList<QPointF> positions = run.positions();
      for (QPointF& position : positions) {
        position = QPointF(std::round(position.x()), std::round(position.y() - line->ascent));
      }
      run.setPositions(positions);
    }
  }
  if (painter.font().underline()) {
    for (QGlyphRun& run : line->runs) run.setUnderline(false);
    const QFontMetricsF metrics(painter.font(), painter.device());
    line->underline = true;
    // The font's own underline runs through the cedillas of Ş and Ç: ours passes below the
    // lowest ink the font may have, a line's width clear of it.
    line->underlineDrop = metrics.descent() + 1.5 * metrics.lineWidth();
    line->underlineWidth = metrics.lineWidth();
  }
  const ShapedLine result = *line;
  lines.insert(std::move(key), line);
  return result;
}

QPointF wholeTwips(const QPointF& point) {
  return QPointF(std::round(point.x()), std::round(point.y()));
}

// A white rim, kHaloTwips wide, half of it on each side of an outline.
struct Rim {
  QPainterPath outline;
  QPainterPath area;  // what the rim covers, worked out once
};

Rim rimAround(QPainterPath outline) {
  QPainterPathStroker stroker;
  stroker.setWidth(kHaloTwips);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  QPainterPath area = stroker.createStroke(outline);
  return {std::move(outline), std::move(area)};
}

// Glyphs and underlines set on a page, gathered by font and colour: a PDF writes each lot as one
// text object instead of one for every caption. Rims go out first, so no rim covers any text; they
// are outlines, not glyphs, so a PDF's text is the sheet's text, once.
class GlyphBatch {
 public:
  void addGlyphs(const QGlyphRun& run, const QList<quint32>& glyphs,
                 const QList<QPointF>& positions, const QColor& colour) {
    if (glyphs.isEmpty()) return;
    const QRawFont font = run.rawFont();
    auto lot = std::find_if(lots_.begin(), lots_.end(), [&](const GlyphLot& l) {
      return l.colour == colour && l.run.rawFont() == font;
    });
    if (lot == lots_.end()) lot = lots_.insert(lots_.end(), GlyphLot{colour, run, {}, {}});
    lot->glyphs += glyphs;
    lot->positions += positions;
  }

  void addUnderline(const QLineF& line, double width, const QColor& colour) {
    underlines_.push_back({line, width, colour});
  }

  // `at` is where the rim's origin lies.
  void addRim(const Rim& rim, const QPointF& at) { rims_.push_back({rim, at}); }

  // Draws everything gathered, in the painter's present coordinates, and starts afresh.
  void flush(QPainter& painter) {
    if (rims_.empty() && lots_.empty() && underlines_.empty()) return;
    const QPen pen = painter.pen();
    // Each rim in its own place, so a PDF writes a digit's outline alike every time it comes and
    // packs the repeats small. On pixels the area worked out once is filled; a PDF or a printer
    // strokes the outline itself, which it writes far shorter.
    if (!rims_.empty()) {
      const bool onPixels = painter.paintEngine()->type() == QPaintEngine::Raster;
      const QPen rimPen(Qt::white, kHaloTwips, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      const QTransform base = painter.transform();
      for (const auto& [rim, at] : rims_) {
        painter.setTransform(QTransform::fromTranslate(at.x(), at.y()) * base);
        if (onPixels) {
          painter.fillPath(rim.area, Qt::white);
        } else {
          painter.strokePath(rim.outline, rimPen);
        }
      }
      painter.setTransform(base);
      rims_.clear();
    }
    for (GlyphLot& lot : lots_) {
      painter.setPen(lot.colour);
      lot.run.setGlyphIndexes(lot.glyphs);
      lot.run.setPositions(lot.positions);
      painter.drawGlyphRun(QPointF(0, 0), lot.run);
    }
    lots_.clear();
    for (const Underline& u : underlines_) {
      painter.setPen(QPen(u.colour, u.width, Qt::SolidLine, Qt::FlatCap));
      painter.drawLine(u.line);
    }
    underlines_.clear();
    painter.setPen(pen);
  }

 private:
  struct GlyphLot {
    QColor colour;
    QGlyphRun run;
    QList<quint32> glyphs;
    QList<QPointF> positions;
  };
  struct Underline {
    QLineF line;
    double width;
    QColor colour;
  };

  std::vector<GlyphLot> lots_;
  std::vector<Underline> underlines_;
  std::vector<std::pair<Rim, QPointF>> rims_;
};

void addShaped(GlyphBatch& batch, const QPointF& baselineStart, const ShapedLine& line,
               const QColor& colour) {
  const QPointF origin = wholeTwips(baselineStart);
  for (const QGlyphRun& run : line.runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& position : positions) position += origin;
    batch.addGlyphs(run, run.glyphIndexes(), positions, colour);
  }
  if (line.underline) {
    const double y = baselineStart.y() + line.underlineDrop;
    batch.addUnderline(QLineF(baselineStart.x(), y, baselineStart.x() + line.width, y),
                       line.underlineWidth, colour);
  }
}

// Appends to `kept` the points after `first` up to `last` that hold `line` within `tolerance` of
// its course: each time the point furthest off the chord, until none is further than that.
void keepCourse(const QPolygonF& line, qsizetype first, qsizetype last, double tolerance,
                QPolygonF& kept) {
  const QPointF chord = line[last] - line[first];
  const double length = std::hypot(chord.x(), chord.y());
  qsizetype furthest = first;
  double furthestOff = 0;
  for (qsizetype i = first + 1; i < last; ++i) {
    const QPointF p = line[i] - line[first];
    const double off = length > 0 ? std::abs(chord.x() * p.y() - chord.y() * p.x()) / length
                                  : std::hypot(p.x(), p.y());
    if (off > furthestOff) {
      furthestOff = off;
      furthest = i;
    }
  }
  if (furthestOff <= tolerance) {
    kept.append(line[last]);
    return;
  }
  keepCourse(line, first, furthest, tolerance, kept);
  keepCourse(line, furthest, last, tolerance, kept);
}

// A glyph's rim from its origin, and the box of its ink; worked out once per glyph.
struct GlyphOutline {
  Rim rim;
  QRectF ink;
};

const GlyphOutline& outlineOf(const QRawFont& font, quint32 glyph) {
  static QHash<std::pair<QRawFont, quint32>, GlyphOutline> outlines;
  const std::pair key{font, glyph};
  auto it = outlines.constFind(key);
  if (it == outlines.constEnd()) {
    const QPainterPath path = font.pathForGlyph(glyph);
    // A rim's course needs no finer outline than straight strokes between whole twips, two twips
    // off the curve at most: a PDF writes it much shorter.
    constexpr double kTolerance = 2;
    QPainterPath plain;
    for (const QPolygonF& contour : path.toSubpathPolygons()) {
      QPolygonF kept{contour.first()};
      keepCourse(contour, 0, contour.size() - 1, kTolerance, kept);
      for (QPointF& point : kept) point = wholeTwips(point);
      plain.addPolygon(kept);
      plain.closeSubpath();
    }
    it = outlines.insert(key, {rimAround(std::move(plain)), path.boundingRect()});
  }
  return *it;
}

// Only the glyphs that stand on ink get a rim, and an underline only where one of its glyphs does.
void addHalo(GlyphBatch& batch, const QPainter& painter, const QPointF& baselineStart,
             const ShapedLine& line, const PictureInk& ink) {
  constexpr double kRadius = kHaloTwips / 2;
  const QPointF topLeft = baselineStart - QPointF(0, line.ascent);
  const double height = line.ascent + line.descent;
  if (!ink.under(painter, QRectF(topLeft, QSizeF(line.width, height))
                              .adjusted(-kRadius, -kRadius, kRadius, kRadius))) {
    return;
  }
  const QPointF origin = wholeTwips(baselineStart);
  bool anyOnInk = false;
  for (const QGlyphRun& run : line.runs) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype k = 0; k < glyphs.size(); ++k) {
      const GlyphOutline& glyph = outlineOf(run.rawFont(), glyphs[k]);
      const QPointF at = origin + positions[k];
      if (ink.under(painter,
                    glyph.ink.translated(at).adjusted(-kRadius, -kRadius, kRadius, kRadius))) {
        batch.addRim(glyph.rim, at);
        anyOnInk = true;
      }
    }
  }
  if (anyOnInk && line.underline) {
    QPainterPath underline;
    underline.addRect(
        QRectF(0, line.underlineDrop - line.underlineWidth / 2, line.width, line.underlineWidth));
    batch.addRim(rimAround(underline), origin);
  }
}

// Of a line cut at `width`, a beginning that runs past the cut: what lies further on is never
// seen, so it is neither shaped nor written out.
QString partShown(const QPainter& painter, const QString& text, double width) {
  // As many letters as fit at half an em each, and more if that falls short.
  const int em = std::max(1, painter.font().pixelSize());
  qsizetype length = std::max<qsizetype>(1, qCeil(2 * width / em));
  while (length < text.size() && shaped(painter, text.left(length)).width <= width) length *= 2;
  return text.left(length);
}

// Where a line `width` wide starts in `box` under `align`.
double alignedLeft(const QRectF& box, Align align, double width) {
  if (align == Align::Centre) return box.left() + (box.width() - width) / 2;
  if (align == Align::Right) return box.left() + box.width() - width;
  return box.left();
}

// A text too wide for the room it may use first shrinks, to no less than this share of its size,
// and only then is condensed: a number keeps its shape as long as it can.
constexpr double kSmallestShrink = 0.7;

// Sets a shaped line whose baseline starts at `origin`, `scaleX` and `scaleY` times its font's
// size, with its rim where it stands on picture ink.
void placeLine(QPainter& painter, GlyphBatch& batch, const ShapedLine& line, QPointF origin,
               double scaleX, double scaleY, const PictureInk* ink) {
  const QColor colour = painter.pen().color();
  if (scaleX == 1 && scaleY == 1) {
    if (ink) addHalo(batch, painter, origin, line, *ink);
    addShaped(batch, origin, line, colour);
    return;
  }
  // Under a transform of its own, so drawn at once, after what came before it.
  batch.flush(painter);
  painter.save();
  painter.translate(origin);
  painter.scale(scaleX, scaleY);
  if (ink) addHalo(batch, painter, QPointF(0, 0), line, *ink);
  addShaped(batch, QPointF(0, 0), line, colour);
  batch.flush(painter);
  painter.restore();
}

// A caption at its design baseline. A text too wide for its field (or the part of it
// the field may use) shrinks, then condenses, so no digit a pupil needs is lost; it keeps its
// design place and moves only as far as it must to stay in that room. A field that cuts at its
// edge is clipped instead.
void paintTextLine(QPainter& painter, const TextField& field, const QFontMetricsF& metrics,
                   const QString& text, double baseline, const PictureInk* ink, GlyphBatch& batch) {
  const QRectF box = toRect(field.box);
  const QRectF room = field.fitting ? toRect(*field.fitting) : box;
  const ShapedLine line =
      shaped(painter, field.cutAtEdge ? partShown(painter, text, box.width()) : text);
  const double natural = line.width;
  double shrink = 1;
  double condense = 1;
  if (natural > room.width() && !field.cutAtEdge) {
    shrink = std::max(kSmallestShrink, room.width() / natural);
    condense = std::min(1.0, room.width() / (natural * shrink));
  }
  const double width = natural * shrink * condense;
  double x = alignedLeft(box, field.align, width);
  if (!field.cutAtEdge) x = std::max(room.left(), std::min(x, room.right() - width));
  // A smaller font keeps the middle of its capitals and digits where the design has them.
  baseline -= (1 - shrink) * metrics.capHeight() / 2;
  if (field.fitting) {
    const QRectF inked = metrics.tightBoundingRect(text);
    const double inkTop = baseline + shrink * inked.top();
    const double inkBottom = baseline + shrink * inked.bottom();
    if (inkTop < room.top()) {
      baseline += room.top() - inkTop;
    } else if (inkBottom > room.bottom()) {
      baseline -= std::min(inkBottom - room.bottom(), inkTop - room.top());
    }
  }
  placeLine(painter, batch, line, QPointF(x, baseline), shrink * condense, shrink, ink);
}

// The stand-in font's outlines for a symbol-font size, made once: a row of symbols is laid out
// glyph by glyph, without shaping.
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
void paintSymbolLine(QPainter& painter, const TextField& field, double baseline,
                     const PictureInk* ink, GlyphBatch& batch) {
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
    positions.append(QPointF(std::round(centres[i] - advances[i].x() / 2), 0));
  QGlyphRun run;
  run.setRawFont(raw);
  run.setGlyphIndexes(indexes);
  run.setPositions(positions);
  ShapedLine line;
  line.runs = {run};
  line.width = width;
  line.ascent = raw.ascent();
  line.descent = raw.descent();

  const double scale = width > box.width() ? box.width() / width : 1;
  const double x = alignedLeft(box, field.align, width * scale);
  placeLine(painter, batch, line, QPointF(x, baseline), scale, scale, ink);
}

// `ink` is null where no picture lies under the field.
void paintText(QPainter& painter, const TextField& field, const PictureInk* ink,
               GlyphBatch& batch) {
  const QRectF box = toRect(field.box);
  if (field.opaque) {
    // An opaque field covers the text gathered so far, so that text goes down first.
    batch.flush(painter);
    painter.fillRect(box, toQColor(field.back));
    ink = nullptr;
  }
  if (field.caption.empty()) return;

  // Setting the font the painter already has would resolve it for the device anew.
  const QFont& font = fontFor(field.font);
  if (painter.font() != font) painter.setFont(font);
  painter.setPen(toQColor(field.fore));
  const QFontMetricsF metrics(painter.font(), painter.device());
  // Every caption is one line, written from the field's top edge down.
  const double baseline = box.top() + metrics.ascent();
  if (isSymbolFont(field.font)) {
    paintSymbolLine(painter, field, baseline, ink, batch);
    return;
  }

  if (field.cutAtEdge) {
    batch.flush(painter);
    painter.save();
    // Only the right edge cuts; a taller font still shows whole.
    constexpr double kAnyHeight = 1e6;
    painter.setClipRect(QRectF(box.left(), box.top() - kAnyHeight, box.width(), 2 * kAnyHeight),
                        Qt::IntersectClip);
  }
  paintTextLine(painter, field, metrics, fromUtf8(field.caption), baseline, ink, batch);
  if (field.cutAtEdge) {
    batch.flush(painter);
    painter.restore();
  }
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
  const PictureInk ink(page, painter.transform());

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
  GlyphBatch batch;
  for (const TextField& field : page.texts) {
    if (!field.visible) continue;
    const bool overPicture =
        std::any_of(page.pictures.begin(), page.pictures.end(), [&](const Picture& picture) {
          return picture.visible && overlaps(picture.box, field.box);
        });
    paintText(painter, field, overPicture ? &ink : nullptr, batch);
  }
  batch.flush(painter);
  painter.restore();
}

}  // namespace ws
