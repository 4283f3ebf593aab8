#include "pages/artwork.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRegion>
#include <QSvgRenderer>
#include <bitset>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "pages/clock_face.h"
#include "pages/symbol_font.h"

namespace {

const QString kStandIn = QString::fromUtf8(ws::kSymbolStandInFamily.data());

// The bounding box of an image's dark pixels.
QRect inkBox(const QImage& image) {
  return QRegion(QBitmap::fromImage(image, Qt::ThresholdDither)).boundingRect();
}

TEST(PagePictures, EverySlotHasItsPictureInkingItsBoxAndNothingAround) {
  for (const ws::artwork::Slot& slot : ws::artwork::allSlots()) {
    const std::string path = std::string(ws::artwork::kResourcePrefix) + std::string(slot.name) +
                             std::string(ws::artwork::kResourceSuffix);
    SCOPED_TRACE(path);
    const int w = slot.pixelWidth, h = slot.pixelHeight;
    // The clock face is drawn by the painter itself; every other picture comes from its SVG.
    std::function<void(QPainter&, const QRectF&)> draw = ws::paintClockFace;
    QSvgRenderer renderer;
    if (slot.name != ws::artwork::kClockFace) {
      ASSERT_TRUE(renderer.load(QString::fromStdString(path)));
      EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, w, h));
      draw = [&](QPainter& painter, const QRectF& box) { renderer.render(&painter, box); };
    }
    // Stretched to a box of another shape, a picture must fill much of it and spill over nothing.
    const QRect box(w / 2, h / 2, w * 3 / 4, h * 2 / 3);
    QImage sheet(w * 2, h * 2, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    draw(painter, QRectF(box));
    painter.end();
    const QRect drawn = inkBox(sheet);
    EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(drawn));
    EXPECT_TRUE(drawn.contains(box.center()));
    EXPECT_TRUE(drawn.width() > box.width() / 3 && drawn.height() > box.height() / 3);
  }
}

TEST(SymbolFont, EveryShapeOfASheetIsItsOwnAndClearlyDifferentOnPaper) {
  std::vector<char32_t> pattern, digits;
  for (char code : ws::paletteCodes()) pattern.push_back(ws::symbolGlyph(code));
  pattern.push_back(ws::symbolGlyph(ws::kEmptyPlaceCode));
  for (char code = '0'; code <= '9'; ++code) digits.push_back(ws::symbolGlyph(code));
  for (char32_t digit : digits) EXPECT_FALSE(digit >= U'0' && digit <= U'9') << "shows itself";
  // Drawn by the stand-in font itself, never by a fallback; the digits of a sum are bold.
  const QRawFont plain = QRawFont::fromFont(QFont(kStandIn)),
                 bold = QRawFont::fromFont(QFont(kStandIn, -1, QFont::Bold));
  QFont printed(kStandIn);
  printed.setPixelSize(25 * 300 / 72);  // 25 points at 300 dots per inch
  for (const auto& [sheet, count] : {std::pair{pattern, 34u}, std::pair{digits, 10u}}) {
    std::map<char32_t, std::bitset<64 * 64>> shapes;
    for (char32_t glyph : sheet) {
      EXPECT_TRUE(plain.supportsCharacter(glyph) && bold.supportsCharacter(glyph)) << int(glyph);
      // The glyph's ink stretched to a square, so that only its shape counts, not its size.
      QImage img(200, 200, QImage::Format_Grayscale8);
      img.fill(Qt::white);
      QPainter painter(&img);
      painter.setFont(printed);
      painter.drawText(img.rect(), Qt::AlignCenter, QString::fromUcs4(&glyph, 1));
      painter.end();
      img = img.copy(inkBox(img)).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      for (int p = 0; p < 64 * 64; ++p) shapes[glyph][p] = qGray(img.pixel(p % 64, p / 64)) < 128;
    }
    EXPECT_EQ(shapes.size(), count);  // the palette repeats two of its 35 symbols
    // Share of two shapes' ink that only one has: a scaled copy differs by a few hundredths,
    // a square from a circle by a fifth.
    for (auto a = shapes.begin(); a != shapes.end(); ++a) {
      for (auto b = std::next(a); b != shapes.end(); ++b) {
        EXPECT_GT((a->second ^ b->second).count(), (a->second | b->second).count() * 0.15)
            << int(a->first) << " " << int(b->first);
      }
    }
  }
}

}  // namespace
