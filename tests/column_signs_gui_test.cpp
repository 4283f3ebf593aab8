#include <gtest/gtest.h>

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <string>
#include <utility>

#include "pages/page_frame.h"
#include "pages/page_painter.h"
#include "support/page_image.h"

// Where the column pages' signs and commas are printed, measured on the painted sheet: a sign
// or comma that drifts off its number's line reads as "=" or as an apostrophe.
namespace ws {
namespace {

constexpr int kTwipsPerPixel = 10;

QImage render(const Page& page) { return test::paintedSheet(page, kTwipsPerPixel); }

// The first and last rows and columns, in twips, that hold dark ink within a box.
QRect inkIn(const QImage& image, const Box& box) {
  const QPoint corner(box.left / kTwipsPerPixel, box.top / kTwipsPerPixel);
  const QPoint end = QPoint(box.right(), box.bottom()) / kTwipsPerPixel - QPoint(1, 1);
  const QImage part = image.copy(QRect(corner, end));
  const QRect ink = QRegion(QBitmap::fromImage(part, Qt::ThresholdDither)).boundingRect();
  return QRect((ink.topLeft() + corner) * kTwipsPerPixel,
               (ink.bottomRight() + corner) * kTwipsPerPixel);
}

// A number cell's digits or digit shapes, without the bar that runs along the bottom of the lower
// cell.
QRect digits(const QImage& image, const TextField& cell) {
  Box box = cell.box;
  box.height = static_cast<int>(cell.font.points * 25);
  return inkIn(image, box);
}

Page drawn(PageKind kind, const char* variant, const char* digitCount) {
  ParameterBlock block;
  block.set(Field::Label5, variant);
  block.set(Field::Label1, digitCount);
  block.set(Field::Label3, digitCount);
  Generator generator;
  Page page = drawPage(kind, LoadContext{block, generator, NumberText(",")});
  for (Picture& picture : page.pictures) picture.visible = false;
  return page;
}

TEST(ColumnSigns, EverySignStandsLevelWithItsNumberAndEachCommaOnItsBaseline) {
  struct Sheet {
    PageKind kind;
    const char* variant;
    const char* digitCount;  // six: shape sums too wide for their fields, drawn smaller
    int signs;
  };
  for (auto [kind, variant, digitCount, expectedSigns] : {Sheet{PageKind::Form2, "2", "0", 30},
                                                          {PageKind::Form3, "0", "0", 30},
                                                          {PageKind::Form7, "0", "0", 6},
                                                          {PageKind::Form15, "0", "6", 12},
                                                          {PageKind::Form18, "0", "0", 18},
                                                          {PageKind::Form19, "0", "0", 18}}) {
    SCOPED_TRACE(formName(kind));
    const Page page = drawn(kind, variant, digitCount);
    const QImage image = render(page);
    int signs = 0;
    for (const Line& sign : page.lines) {
      if (sign.name != "Line3" || sign.y1 != sign.y2) continue;  // Form7's arrow tails slope
      // The number the sign belongs to begins where the sign's stroke ends, or just after.
      const auto number = std::ranges::find_if(page.texts, [&](const TextField& cell) {
        return cell.box.left >= sign.x2 && cell.box.left <= sign.x2 + 120 &&
               cell.box.top <= sign.y1 && sign.y1 < cell.box.bottom();
      });
      ASSERT_NE(number, page.texts.end()) << "sign " << sign.index;
      // Digit shapes differ in height, so the middle of a number's ink strays a little more.
      EXPECT_NEAR(sign.y1, digits(image, *number).center().y(), kind == PageKind::Form15 ? 40 : 20)
          << "sign " << sign.index;
      ++signs;
    }
    EXPECT_EQ(signs, expectedSigns);
    for (const Line& plus : page.lines) {
      if (plus.name != "Line2" || plus.x1 != plus.x2) continue;
      EXPECT_EQ((plus.y1 + plus.y2) / 2, page.line("Line3", plus.index).y1);
    }

    // The decimal pages' commas: each on its number's baseline, between its digits.
    for (int k = 0; k < 18 && kind >= PageKind::Form18; ++k) {
      for (auto [whole, fraction] : {std::pair{"Label2", "Label6"}, {"Label3", "Label7"}}) {
        SCOPED_TRACE("problem " + std::to_string(k));
        const TextField &wholeCell = page.text(whole, k), &fractionCell = page.text(fraction, k);
        const QRect wholeInk = digits(image, wholeCell), fractionInk = digits(image, fractionCell);
        // Between the whole-part and fraction cells, and above the bar.
        const QRect comma = inkIn(image, {wholeCell.box.right(), wholeCell.box.top,
                                          fractionCell.box.left - wholeCell.box.right(), 300});
        // The comma's head rests on the baseline and its tail hangs just below it.
        EXPECT_GT(comma.top(), wholeInk.center().y());
        EXPECT_LT(comma.top(), wholeInk.bottom());
        EXPECT_GE(comma.bottom(), wholeInk.bottom());
        EXPECT_LE(comma.bottom(), wholeInk.bottom() + 60);
        EXPECT_LE(comma.left() - wholeInk.right(), 120);
        EXPECT_LE(fractionInk.left() - comma.right(), 120);
      }
    }
  }
}

}  // namespace
}  // namespace ws
