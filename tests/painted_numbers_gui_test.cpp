#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "pages/page_frame.h"
#include "support/page_image.h"

// How the painted sheet sets its numbers: right-aligned numbers end in one column, bold is heavier
// than regular, and a target on its white patch stands clear of the picture beneath it.
namespace ws {
namespace {

constexpr int kTwipsPerPixel = 10;

Page drawnSheet(PageKind kind, const std::string& pictures = "H") {
  ParameterBlock block;
  block.set(Field::Label1, "1");
  block.set(Field::Label2, pictures);
  block.set(Field::Label3, "2");
  Generator random;
  return drawPage(kind, LoadContext{block, random, NumberText{","}});
}

// The pixel columns, in twips, where `colour` inks a box.
struct Span {
  int left = 1 << 30, right = -1;
};
Span inked(const QImage& image, const Box& box, QRgb colour) {
  Span span;
  for (int y = box.top / kTwipsPerPixel; y < box.bottom() / kTwipsPerPixel; ++y) {
    for (int x = box.left / kTwipsPerPixel; x < box.right() / kTwipsPerPixel; ++x) {
      const QRgb p = image.pixel(x, y);
      // Antialiased edges mix with the white paper: the colour's own strong channels only.
      const bool match = (qRed(colour) > 128) == (qRed(p) > 160) &&
                         (qGreen(colour) > 128) == (qGreen(p) > 160) &&
                         (qBlue(colour) > 128) == (qBlue(p) > 160) && qGray(p) < 200;
      if (match) {
        span.left = std::min(span.left, x * kTwipsPerPixel);
        span.right = std::max(span.right, x * kTwipsPerPixel);
      }
    }
  }
  return span;
}

// The operands and results of a column problem end in one column, whatever their lengths.
TEST(PaintedNumbers, RightAlignedNumbersOfOneProblemEndInOneColumn) {
  Page page = drawnSheet(PageKind::Form7);
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 0, 255)};
  const char* fields[] = {"Label3", "Label4", "Label5"};
  for (int r = 0; r < 6; ++r) {
    for (int f = 0; f < 3; ++f) {
      const QRgb c = colours[f];
      page.text(fields[f], r).fore = {std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)),
                                      std::uint8_t(qBlue(c))};
    }
  }
  // Numbers of one and two digits on every row, so the column is tried on both.
  for (int r = 0; r < 6; ++r) {
    page.text("Label3", r).caption = "10";
    page.text("Label4", r).caption = "7";
    page.text("Label5", r).caption = r < 3 ? "17" : "3";
  }
  const QImage image = test::paintedSheet(page, kTwipsPerPixel);
  for (int r = 0; r < 6; ++r) {
    SCOPED_TRACE(r);
    const Span upper = inked(image, page.text("Label3", r).box, colours[0]);
    const Span lower = inked(image, page.text("Label4", r).box, colours[1]);
    const Span result = inked(image, page.text("Label5", r).box, colours[2]);
    ASSERT_GE(upper.right, 0);
    EXPECT_NEAR(lower.right, upper.right, 2 * kTwipsPerPixel);
    EXPECT_NEAR(result.right, upper.right, 2 * kTwipsPerPixel);
    EXPECT_LT(lower.left, upper.right) << "the one digit stands under the ones of the other";
    EXPECT_GT(lower.left, upper.left + 60) << "and not under its tens";
  }
}

// Bold titles and numbers print heavier than regular text of the same size.
TEST(PaintedNumbers, BoldIsHeavierThanRegular) {
  Page page = drawnSheet(PageKind::Form8);
  TextField& title = page.text("Label1", 0);
  title.fore = {255, 0, 0};
  auto ink = [&] {
    const QImage image = test::paintedSheet(page, kTwipsPerPixel);
    int count = 0;
    for (int y = title.box.top / kTwipsPerPixel; y < title.box.bottom() / kTwipsPerPixel; ++y) {
      for (int x = title.box.left / kTwipsPerPixel; x < title.box.right() / kTwipsPerPixel; ++x) {
        count += qRed(image.pixel(x, y)) > 128 && qGreen(image.pixel(x, y)) < 128;
      }
    }
    return count;
  };
  ASSERT_TRUE(title.font.bold);
  const int bold = ink();
  title.font.bold = false;
  EXPECT_GT(bold, ink() * 1.15);
}

// On the subtraction sheet the targets sit on white patches over the pictures.
TEST(PaintedNumbers, OpaqueTargetsHideThePictureUnderThem) {
  const Page page = drawnSheet(PageKind::Form14);
  const QImage image = test::paintedSheet(page, kTwipsPerPixel);
  for (int h = 0; h < 2; ++h) {
    const Box& box = page.text("Label3", h).box;
    int coloured = 0;
    for (int y = box.top / kTwipsPerPixel + 1; y < box.bottom() / kTwipsPerPixel - 1; ++y) {
      for (int x = box.left / kTwipsPerPixel + 1; x < box.right() / kTwipsPerPixel - 1; ++x) {
        const QRgb p = image.pixel(x, y);
        // Black text and its antialiasing are grey; a picture's colour is not.
        coloured +=
            std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) >
            40;
      }
    }
    EXPECT_EQ(coloured, 0) << "target " << h;
  }
}

}  // namespace
}  // namespace ws
