#include "pages/artwork.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSvgRenderer>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "pages/symbol_font.h"

namespace {

QString resourcePath(std::string_view name) {
  return QString::fromUtf8(ws::artwork::kResourcePrefix.data(),
                           static_cast<int>(ws::artwork::kResourcePrefix.size())) +
         QString::fromUtf8(name.data(), static_cast<int>(name.size())) +
         QString::fromUtf8(ws::artwork::kResourceSuffix.data(),
                           static_cast<int>(ws::artwork::kResourceSuffix.size()));
}

bool isInk(QRgb pixel) { return qGray(pixel) < 200; }

// Renders the picture stretched to an image and returns the bounding box of its ink.
QRect inkBox(QSvgRenderer& renderer, QSize size, int* inkCount) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  QRect box;
  *inkCount = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (isInk(image.pixel(x, y))) {
        ++*inkCount;
        box |= QRect(x, y, 1, 1);
      }
    }
  }
  return box;
}

// Renders one glyph as a page would print it (DejaVu Sans at 25 points, 300 dots per inch) and
// stretches its ink to a fixed square, so that only the shape counts, not its size.
QImage glyphShape(char32_t glyph) {
  QImage image(200, 200, QImage::Format_Grayscale8);
  image.fill(Qt::white);
  QFont font(QString::fromUtf8(ws::kSymbolStandInFamily.data()));
  font.setPixelSize(25 * 300 / 72);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(image.rect(), Qt::AlignCenter, QString::fromUcs4(&glyph, 1));
  painter.end();
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    }
  }
  return image.copy(ink).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Share of the two shapes' ink that only one of them has.
double shapeDifference(const QImage& a, const QImage& b) {
  int either = 0;
  int onlyOne = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const bool inkA = qGray(a.pixel(x, y)) < 128;
      const bool inkB = qGray(b.pixel(x, y)) < 128;
      either += inkA || inkB;
      onlyOne += inkA != inkB;
    }
  }
  return either == 0 ? 0.0 : static_cast<double>(onlyOne) / either;
}

std::vector<char32_t> paletteGlyphs() {
  std::vector<char32_t> glyphs;
  for (char code : ws::paletteCodes())
    glyphs.push_back(ws::symbolGlyph(static_cast<unsigned char>(code)));
  return glyphs;
}

std::vector<char32_t> digitGlyphs() {
  std::vector<char32_t> glyphs;
  for (char digit = '0'; digit <= '9'; ++digit) {
    glyphs.push_back(ws::symbolGlyph(static_cast<unsigned char>(digit)));
  }
  return glyphs;
}

// Ink that a picture puts outside its target: it would spill over the problems around its box.
int inkOutside(QSvgRenderer& renderer, QSize size) {
  QImage image(size * 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QRect target(QPoint(size.width() / 2, size.height() / 2), size);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(target));
  painter.end();
  const QRect allowed = target.adjusted(-1, -1, 1, 1);
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += isInk(image.pixel(x, y)) && !allowed.contains(x, y);
    }
  }
  return count;
}

TEST(PagePictures, EverySlotHasItsPictureAtItsPixelAspectFillingTheBox) {
  for (const ws::artwork::Slot& slot : ws::artwork::allSlots()) {
    const QString path = resourcePath(slot.name);
    SCOPED_TRACE(std::string(slot.page) + " " + std::string(slot.control) + " " +
                 path.toStdString());
    ASSERT_TRUE(QFile::exists(path));
    QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, slot.pixelWidth, slot.pixelHeight));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_FALSE(text.contains("<image")) << "drawings only, no embedded bitmaps";
    EXPECT_LT(text.size(), 16 * 1024);

    // Pages stretch a picture to a box of another shape: it must stand in the box's middle and
    // cover a good part of it.
    const QSize box(slot.pixelWidth * 3 / 4, slot.pixelHeight * 2 / 3);
    int ink = 0;
    const QRect drawn = inkBox(renderer, box, &ink);
    EXPECT_GT(ink, box.width() * box.height() / 50);
    EXPECT_TRUE(drawn.contains(QPoint(box.width() / 2, box.height() / 2)));
    EXPECT_GT(drawn.width(), box.width() / 3);
    EXPECT_GT(drawn.height(), box.height() / 3);
    EXPECT_EQ(inkOutside(renderer, box), 0);
  }
}

TEST(PagePictures, SlotsAreUniqueAndSharedPicturesHaveOneSize) {
  std::set<std::pair<std::string_view, std::string_view>> places;
  for (const auto& slot : ws::artwork::allSlots()) {
    EXPECT_TRUE(places.insert({slot.page, slot.control}).second)
        << slot.page << " " << slot.control;
    for (const auto& other : ws::artwork::allSlots()) {
      if (other.name != slot.name) continue;
      EXPECT_EQ(other.pixelWidth, slot.pixelWidth) << slot.name;
      EXPECT_EQ(other.pixelHeight, slot.pixelHeight) << slot.name;
    }
  }
  EXPECT_EQ(ws::artwork::kForm11Image1, ws::artwork::kForm10Image1);
}

TEST(PagePictures, PicturesFolderHoldsNoStrayFile) {
  std::set<QString> known{resourcePath(ws::artwork::kIcon)};
  for (const auto& slot : ws::artwork::allSlots()) known.insert(resourcePath(slot.name));
  const QStringList files = QDir(":/pictures").entryList({"*.svg"}, QDir::Files);
  EXPECT_FALSE(files.isEmpty());
  for (const QString& file : files) {
    EXPECT_TRUE(known.count(":/pictures/" + file)) << file.toStdString();
  }
}

TEST(ProgramIcon, ReadsAtSixteenAndThirtyTwoPixels) {
  QSvgRenderer renderer(resourcePath(ws::artwork::kIcon));
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 32, 32));
  for (int side : {16, 32}) {
    int ink = 0;
    const QRect drawn = inkBox(renderer, QSize(side, side), &ink);
    EXPECT_GT(drawn.width(), side / 2) << side;
    EXPECT_GT(drawn.height(), side / 2) << side;
  }
}

TEST(SymbolFont, PaletteKeepsItsOrderAndItsTwoRepeats) {
  const std::string_view palette = ws::paletteCodes();
  ASSERT_EQ(palette.size(), 35u);
  EXPECT_EQ(static_cast<unsigned char>(palette.front()), 0x6A);
  EXPECT_EQ(static_cast<unsigned char>(palette.back()), 0x99);

  const std::vector<char32_t> glyphs = paletteGlyphs();
  std::set<std::pair<int, int>> repeats;
  for (int i = 0; i < 35; ++i) {
    for (int j = i + 1; j < 35; ++j) {
      if (glyphs[i] == glyphs[j]) repeats.insert({i + 1, j + 1});
    }
  }
  const std::set<std::pair<int, int>> expected{{17, 23}, {25, 34}};
  EXPECT_EQ(repeats, expected);
  EXPECT_EQ(std::set<char32_t>(glyphs.begin(), glyphs.end()).size(), 33u);
}

TEST(SymbolFont, EmptyPlaceStandsApartFromEveryPatternAndDigitShape) {
  const std::string_view filler = ws::fillerGroup();
  ASSERT_EQ(filler, std::string_view("\xB4\x20\xB4\xB4\xB4", 5));
  const char32_t empty = ws::symbolGlyph(ws::kEmptyPlaceCode);
  EXPECT_EQ(ws::symbolGlyph(0x20), U' ');
  for (char32_t glyph : paletteGlyphs()) EXPECT_NE(glyph, empty);
  for (char32_t glyph : digitGlyphs()) EXPECT_NE(glyph, empty);
}

TEST(SymbolFont, TenDigitsHaveTenDifferentShapes) {
  const std::vector<char32_t> glyphs = digitGlyphs();
  EXPECT_EQ(std::set<char32_t>(glyphs.begin(), glyphs.end()).size(), 10u);
  for (char32_t glyph : glyphs) {
    EXPECT_FALSE(glyph >= U'0' && glyph <= U'9') << "a digit must not show itself";
  }
}

TEST(SymbolFont, CodesNoPageUsesShowAsThemselvesOrBlank) {
  const struct {
    unsigned char code;
    char32_t glyph;
  } cases[] = {{'A', U'A'},  {'+', U'+'},  {0xE7, U'\u00E7'},
               {0x00, U' '}, {0x0A, U' '}, {0x85, U' '}};
  for (const auto& c : cases) EXPECT_EQ(ws::symbolGlyph(c.code), c.glyph) << int(c.code);
}

TEST(SymbolFont, EveryShapeIsDrawnByDejaVuSansItself) {
  std::vector<char32_t> glyphs = paletteGlyphs();
  for (char32_t glyph : digitGlyphs()) glyphs.push_back(glyph);
  glyphs.push_back(ws::symbolGlyph(ws::kEmptyPlaceCode));
  glyphs.push_back(ws::symbolGlyph(0x20));

  const QString family = QString::fromUtf8(ws::kSymbolStandInFamily.data());
  for (bool bold : {false, true}) {
    QFont font(family);
    font.setBold(bold);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_EQ(raw.familyName(), family);
    for (char32_t glyph : glyphs) {
      EXPECT_TRUE(raw.supportsCharacter(glyph)) << std::hex << uint32_t(glyph) << " bold " << bold;
    }
  }
}

TEST(SymbolFont, ShapesOfOneSheetDifferClearlyOnPaper) {
  // Look-alikes defeat the sheet: a pupil must tell every pattern symbol, every digit and the
  // empty place apart at the printed size.
  const auto check = [](std::vector<char32_t> glyphs) {
    std::sort(glyphs.begin(), glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());
    std::vector<QImage> shapes;
    for (char32_t glyph : glyphs) shapes.push_back(glyphShape(glyph));
    // A scaled copy of a shape differs by a few hundredths; a square from a circle by a fifth.
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
      for (std::size_t j = i + 1; j < glyphs.size(); ++j) {
        EXPECT_GT(shapeDifference(shapes[i], shapes[j]), 0.15)
            << std::hex << uint32_t(glyphs[i]) << " " << uint32_t(glyphs[j]);
      }
    }
  };
  std::vector<char32_t> patternSheet = paletteGlyphs();
  patternSheet.push_back(ws::symbolGlyph(ws::kEmptyPlaceCode));
  check(patternSheet);
  check(digitGlyphs());
}

}  // namespace
