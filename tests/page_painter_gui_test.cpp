#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <optional>

#include "common/random.h"
#include "pages/page_frame.h"
#include "pages/page_painter.h"
#include "pages/symbol_font.h"

namespace ws {
namespace {

// One image pixel for every `kTwipsPerPixel` twips of the page.
constexpr int kTwipsPerPixel = 10;
const QColor kMargin(255, 0, 255);

QImage render(const Page& page, QSize size, int dotsPerInch = 96) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
  image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
  image.fill(kMargin);
  QPainter painter(&image);
  paintPage(painter, page, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

QImage render(const Page& page) {
  const Box area = page.drawnArea();
  return render(page, QSize(area.width / kTwipsPerPixel, area.height / kTwipsPerPixel));
}

QRect pixels(const Box& box) {
  return QRect(box.left / kTwipsPerPixel, box.top / kTwipsPerPixel, box.width / kTwipsPerPixel,
               box.height / kTwipsPerPixel);
}

bool isInk(QRgb pixel) { return qGray(pixel) < 128; }

int inkIn(const QImage& image, const QRect& area) {
  int ink = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) ink += isInk(image.pixel(x, y));
  }
  return ink;
}

// The smallest rectangle that holds all ink of the image.
QRect inkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (isInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

Page loaded(PageKind kind, const char* variant, const char* pictures) {
  ParameterBlock block;
  block.set(Field::Label1, "3");
  block.set(Field::Label3, "2");
  block.set(Field::Label2, pictures);
  block.set(Field::Label5, variant);
  Generator generator;
  const NumberText numbers(",");
  return drawPage(kind, LoadContext{block, generator, numbers});
}

// A page of one text field, for looking at how text is set.
Page onePage(TextField field, int width = 6000, int height = 1000) {
  Page page;
  page.clientWidth = width;
  page.clientHeight = height;
  page.texts.push_back(std::move(field));
  return page;
}

TextField field(std::string caption, Box box, Align align = Align::Left) {
  TextField text;
  text.name = "Label1";
  text.box = box;
  text.caption = std::move(caption);
  text.align = align;
  return text;
}

TEST(PagePainter, EveryProblemShowsWhereItStandsWithOrWithoutPictures) {
  for (const char* pictures : {"H", "E"}) {
    for (PageKind kind : {PageKind::Form2, PageKind::Form3}) {
      SCOPED_TRACE(std::string(formName(kind)) + " pictures " + pictures);
      const Page page = loaded(kind, "1", pictures);
      const QImage image = render(page);
      for (const TextField& cell : page.texts) {
        EXPECT_GT(inkIn(image, pixels(cell.box)), 20) << cell.name << "(" << cell.index << ")";
      }
      if (std::string(pictures) == "H") {
        // Between the title and the first row there is nothing to print.
        EXPECT_EQ(inkIn(image, QRect(0, 520 / kTwipsPerPixel, image.width(), 15)), 0);
      }
    }
  }
}

TEST(PagePainter, NumbersStandRightAlignedInTheirColumn) {
  const Page page = loaded(PageKind::Form2, "0", "H");
  const QImage image = render(page);
  for (int k = 0; k < 30; ++k) {
    const QRect cell = pixels(page.text("Label2", k).box);
    const QRect rightEnd(cell.right() - 14, cell.top(), 15, cell.height());
    EXPECT_GT(inkIn(image, rightEnd), 0) << k;
    const QRect leftHalf(cell.left(), cell.top(), cell.width() / 2, cell.height());
    EXPECT_EQ(inkIn(image, leftHalf), 0) << "two or three digits fill only the right part " << k;
  }
}

TEST(PagePainter, TextLiesAbovePicturesAndShapes) {
  Page page;
  page.clientWidth = 4000;
  page.clientHeight = 2000;
  Picture picture;
  picture.artwork = "form2_image1";
  picture.box = {0, 0, 4000, 2000};
  page.pictures.push_back(picture);
  Shape shape;
  shape.box = {0, 0, 4000, 1000};
  shape.fill = kBlack;
  page.shapes.push_back(shape);
  TextField text = field("8888", {500, 300, 3000, 600});
  text.font.points = 24;
  text.fore = {255, 0, 255};
  page.texts.push_back(text);
  TextField overPicture = text;
  overPicture.box.top = 1200;
  page.texts.push_back(overPicture);

  const QImage image = render(page);
  for (const TextField& t : page.texts) {
    int magenta = 0;
    const QRect area = pixels(t.box);
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x)
        magenta += image.pixel(x, y) == kMargin.rgb();
    }
    EXPECT_GT(magenta, 100) << "text at " << t.box.top;
  }
}

TEST(PagePainter, SheetKeepsItsShapeAndStandsInTheMiddle) {
  const Page page = loaded(PageKind::Form3, "0", "E");
  const Box area = page.drawnArea();
  const QImage wide = render(page, QSize(3000, 1215));
  const QRect sheet = [&] {
    QRect r;
    for (int x = 0; x < wide.width(); ++x) {
      if (wide.pixel(x, wide.height() / 2) != kMargin.rgb()) r |= QRect(x, wide.height() / 2, 1, 1);
    }
    return r;
  }();
  EXPECT_NEAR(sheet.width(), 1215.0 * area.width / area.height, 2);
  EXPECT_NEAR(sheet.left(), wide.width() - 1 - sheet.right(), 2);
}

TEST(PagePainter, FontSizeDoesNotDependOnTheDeviceResolution) {
  const Page page = onePage(field("TOPLAMA 123", {100, 100, 5000, 600}));
  const QRect screen = inkBounds(render(page, QSize(600, 100), 96));
  const QRect printer = inkBounds(render(page, QSize(600, 100), 1200));
  EXPECT_EQ(screen, printer);
  // 12 points are 240 twips: capitals about 170 twips tall, so 17 pixels here.
  EXPECT_NEAR(screen.height(), 17, 3);
}

TEST(PagePainter, WideTextIsCondensedIntoItsFieldUnlessItCutsAtTheEdge) {
  const std::string digits = "1234567890123456789012345";
  const Box narrow{100, 100, 1500, 400};
  const Box roomy{100, 100, 5800, 400};
  const QImage whole = render(onePage(field(digits, roomy)));
  const int edge = pixels(narrow).right() + 1;
  ASSERT_GT(inkIn(whole, QRect(edge, 0, 600, 100)), 0) << "the text is wider than the field";

  for (Align align : {Align::Left, Align::Centre, Align::Right}) {
    const QImage condensed = render(onePage(field(digits, narrow, align)));
    EXPECT_EQ(inkIn(condensed, QRect(edge + 1, 0, 600, 100)), 0);
    EXPECT_EQ(inkIn(condensed, QRect(0, 0, pixels(narrow).left() - 1, 100)), 0);
    EXPECT_GT(inkIn(condensed, QRect(edge - 8, 0, 8, 100)), 0) << "the last digit shows";
    EXPECT_GT(inkIn(condensed, QRect(pixels(narrow).left(), 0, 8, 100)), 0);
  }

  TextField cut = field(digits, narrow);
  cut.cutAtEdge = true;
  const QImage clipped = render(onePage(cut));
  EXPECT_EQ(inkIn(clipped, QRect(edge + 1, 0, 600, 100)), 0);
  EXPECT_EQ(clipped.copy(0, 0, edge - 1, 100), whole.copy(0, 0, edge - 1, 100))
      << "a field that cuts shows the start of its text at full width";
}

TEST(PagePainter, HiddenControlsLeaveNoMark) {
  Page page = loaded(PageKind::Form2, "2", "E");
  for (TextField& t : page.texts) t.visible = false;
  for (Line& l : page.lines) l.visible = false;
  for (Picture& p : page.pictures) p.visible = false;
  EXPECT_TRUE(inkBounds(render(page)).isNull());
}

TEST(PagePainter, OpaqueFieldsCoverWhatLiesBelow) {
  Page page = onePage(field("", {1000, 100, 2000, 600}));
  Line line;
  line.x1 = 0;
  line.y1 = 400;
  line.x2 = 6000;
  line.y2 = 400;
  line.widthPixels = 2;
  page.lines.push_back(line);
  EXPECT_GT(inkIn(render(page), QRect(120, 30, 160, 20)), 0);
  page.texts[0].opaque = true;
  EXPECT_EQ(inkIn(render(page), QRect(120, 30, 160, 20)), 0);
}

TEST(PagePainter, SymbolFontCodesAreDrawnAsTheirShapes) {
  TextField empty = field("\xB4\x20\xB4\xB4", {100, 100, 3000, 600});
  empty.font.family = std::string(kSymbolFontFamily);
  empty.font.points = 25;
  EXPECT_GT(inkIn(render(onePage(empty)), QRect(10, 10, 300, 60)), 100);

  // The digits of the shape-sum page are filled shapes, far darker than the digits themselves.
  TextField digits = field("00000", {100, 100, 3000, 600});
  TextField shapes = digits;
  shapes.font.family = std::string(kSymbolFontFamily);
  EXPECT_GT(inkIn(render(onePage(shapes)), QRect(10, 10, 300, 60)),
            2 * inkIn(render(onePage(digits)), QRect(10, 10, 300, 60)));
}

}  // namespace
}  // namespace ws
