#include "pages/artwork.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRegion>
#include <QSvgRenderer>
#include <bitset>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "common/random.h"
#include "pages/clock_face.h"
#include "pages/page_frame.h"
#include "pages/symbol_font.h"
#include "sample_sheets.h"

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
    // Stretched to a box of another shape, a picture must fill much of it and spill over nothing.
    const QRect box(w / 2, h / 2, w * 3 / 4, h * 2 / 3);
    QImage sheet(w * 2, h * 2, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    // The clock face is drawn by the painter itself; every other picture comes from its SVG.
    if (slot.name == ws::artwork::kClockFace) {
      ws::paintClockFace(painter, QRectF(box));
    } else {
      QSvgRenderer renderer(QString::fromStdString(path));
      ASSERT_TRUE(renderer.isValid());
      EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, w, h));
      renderer.render(&painter, QRectF(box));
    }
    painter.end();
    const QRect drawn = inkBox(sheet);
    EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(drawn));
    EXPECT_TRUE(drawn.contains(box.center()));
    EXPECT_TRUE(drawn.width() > box.width() / 3 && drawn.height() > box.height() / 3);
  }
}

// A pupil writes on white: no picture lays dark ink under a number, a sign, an answer place, a bar,
// a tick or a cell, whatever the command and however wide its numbers.
TEST(PagePictures, LeaveEveryProblemCellClear) {
  const ws::NumberText numbers(",");
  for (const ws::Command* command : ws::allCommands()) {
    if (command->isTextSheet() || !command->available) continue;
    for (const auto answers : {ws::Answers::Defaults, ws::Answers::Demanding}) {
      ws::Generator generator;
      const ws::ParameterBlock block = ws::sampleAnswers(*command, answers, true);
      const ws::Page page = ws::drawPage(std::get<ws::PageKind>(command->output),
                                         ws::LoadContext{block, generator, numbers});
      for (const ws::CellInk& cell : ws::pictureInkInCells(page)) {
        EXPECT_EQ(cell.darkPixels, 0)
            << command->item << (answers == ws::Answers::Demanding ? " demanding " : " ")
            << cell.name << '(' << cell.index << ") darkest " << cell.darkestGrey;
      }
    }
  }
}

// A glyph's ink fitted to a square of 64 x 64: stretched, so that only its shape counts and not its
// size, or with its proportions kept, as a pupil sees it beside a sign.
using Ink = std::bitset<64 * 64>;
Ink inkOf(char32_t glyph, bool stretched) {
  QFont printed(kStandIn);
  printed.setPixelSize(25 * 300 / 72);  // 25 points at 300 dots per inch
  printed.setBold(true);
  QImage img(200, 200, QImage::Format_Grayscale8);
  img.fill(Qt::white);
  QPainter painter(&img);
  painter.setFont(printed);
  painter.drawText(img.rect(), Qt::AlignCenter, QString::fromUcs4(&glyph, 1));
  painter.end();
  img = img.copy(inkBox(img))
            .scaled(64, 64, stretched ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio,
                    Qt::SmoothTransformation);
  Ink ink;
  const int dx = (64 - img.width()) / 2, dy = (64 - img.height()) / 2;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      ink[(y + dy) * 64 + x + dx] = qGray(img.pixel(x, y)) < 128;
  return ink;
}

// Share of two shapes' ink that only one has: a scaled copy differs by a few hundredths, a square
// from a circle by a fifth.
double difference(const Ink& a, const Ink& b) {
  return double((a ^ b).count()) / double((a | b).count());
}

TEST(SymbolFont, EveryShapeOfASheetIsItsOwnFitsItsCellAndIsClearlyDifferentOnPaper) {
  std::vector<char32_t> pattern, digits;
  for (char code : ws::paletteCodes()) pattern.push_back(ws::symbolGlyph(code));
  pattern.push_back(ws::symbolGlyph(ws::kEmptyPlaceCode));
  for (char code = '0'; code <= '9'; ++code) digits.push_back(ws::symbolGlyph(code));
  // Drawn by the stand-in font itself, never by a fallback; the digits of a sum are bold.
  const QRawFont plain = QRawFont::fromFont(QFont(kStandIn)),
                 bold = QRawFont::fromFont(QFont(kStandIn, -1, QFont::Bold));
  QFont em(kStandIn);
  em.setPixelSize(1000);
  const QFontMetricsF metrics(em);
  for (const auto& [sheet, count, cellEms] : {std::tuple{pattern, 34u, ws::kPatternCellEms},
                                              std::tuple{digits, 10u, ws::kDigitCellEms}}) {
    std::map<char32_t, Ink> shapes;
    for (char32_t glyph : sheet) {
      const QString text = QString::fromUcs4(&glyph, 1);
      EXPECT_TRUE(plain.supportsCharacter(glyph) && bold.supportsCharacter(glyph)) << int(glyph);
      EXPECT_LE(metrics.horizontalAdvance(text), cellEms * 1000) << int(glyph);
      shapes[glyph] = inkOf(glyph, true);
    }
    EXPECT_EQ(shapes.size(), count);  // the palette repeats two of its 35 symbols
    for (auto a = shapes.begin(); a != shapes.end(); ++a) {
      for (auto b = std::next(a); b != shapes.end(); ++b) {
        EXPECT_GT(difference(a->second, b->second), 0.15) << int(a->first) << " " << int(b->first);
      }
    }
  }
  // A digit shape must not pass for a sign, a digit, a dot or the empty place: a heavy cross
  // differs from "+" by about a quarter, a black square from "." by a tenth.
  std::u32string signs = U"+\u2212\u00D7\u00F7=.0123456789";
  signs += ws::symbolGlyph(ws::kEmptyPlaceCode);
  for (char32_t digit : digits) {
    for (char32_t sign : signs) {
      EXPECT_GT(difference(inkOf(digit, false), inkOf(sign, false)), 0.3)
          << int(digit) << " " << int(sign);
    }
  }
}

}  // namespace
