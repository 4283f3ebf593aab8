#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "pages/page_frame.h"
#include "pages/page_painter.h"
#include "platform/qt_printer.h"
#include "support/doubles.h"

namespace ws {
namespace {

QImage render(const Page& page, int dotsPerInch = 96) {
  const Box area = page.drawnArea();
  QImage image(area.width / 10, area.height / 10, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
  image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
  image.fill(Qt::white);
  QPainter painter(&image);
  paintPage(painter, page, QRectF(image.rect()));
  return image;
}

// Pixels of `colour` (dark ones by default) within a box given in twips, at 10 twips a pixel.
int count(const QImage& image, const Box& box, QColor colour = {}) {
  int found = 0;
  for (int y = box.top / 10; y < box.bottom() / 10 && y < image.height(); ++y) {
    for (int x = box.left / 10; x < box.right() / 10 && x < image.width(); ++x) {
      found +=
          colour.isValid() ? image.pixel(x, y) == colour.rgb() : qGray(image.pixel(x, y)) < 128;
    }
  }
  return found;
}

Page onePage(Box box, std::string text, Align align = Align::Left) {
  Page page;
  page.clientWidth = 6000;
  page.clientHeight = 1000;
  page.texts.push_back(caption("Label1", kSingle, box, std::move(text), align));
  return page;
}

TEST(PagePainter, EveryProblemShowsWhereItStands) {
  ParameterBlock block;
  Generator generator;
  for (PageKind kind : {PageKind::Form2, PageKind::Form3}) {
    const Page page = drawPage(kind, LoadContext{block, generator, NumberText(",")});
    const QImage image = render(page);
    for (const TextField& cell : page.texts) EXPECT_GT(count(image, cell.box), 20) << cell.name;
  }
}

TEST(PagePainter, TextLiesAbovePicturesAndLines) {
  // The text's left half stands over a black line, its right half over a white clock face.
  Page page = onePage({500, 200, 5000, 600}, "88888888");
  page.texts[0].font.points = 24;
  page.texts[0].fore = {255, 0, 255};
  page.pictures.push_back(picture("Image1", kSingle, "clock_face", {1200, 0, 1600, 1000}));
  page.lines.push_back(stroke("Line1", kSingle, 0, 500, 1500, 500, 70));  // a black band
  const QImage image = render(page);
  EXPECT_GT(count(image, {500, 200, 1000, 600}, QColor(255, 0, 255)), 100);
  EXPECT_GT(count(image, {1500, 200, 1000, 600}, QColor(255, 0, 255)), 100);
}

TEST(PagePainter, FontSizeDoesNotDependOnTheDeviceResolution) {
  const Page page = onePage({100, 100, 5000, 600}, "TOPLAMA 123");
  EXPECT_EQ(render(page, 96), render(page, 1200));
}

TEST(PagePainter, WideTextIsCondensedIntoItsFieldUnlessItCutsAtTheEdge) {
  const std::string digits = "1234567890123456789012345";
  const Box beyond{1610, 0, 4000, 1000}, before{0, 0, 90, 1000};
  const QImage whole = render(onePage({100, 100, 5800, 400}, digits));
  for (Align align : {Align::Left, Align::Centre, Align::Right}) {
    const QImage condensed = render(onePage({100, 100, 1500, 400}, digits, align));
    EXPECT_EQ(count(condensed, beyond) + count(condensed, before), 0);
    EXPECT_GT(count(condensed, {1520, 0, 80, 1000}), 0) << "the last digit shows";
  }
  Page cut = onePage({100, 100, 1500, 400}, digits);
  cut.texts[0].cutAtEdge = true;
  const QImage clipped = render(cut);
  EXPECT_EQ(count(clipped, beyond), 0);
  EXPECT_EQ(clipped.copy(0, 0, 159, 100), whole.copy(0, 0, 159, 100)) << "cut, not condensed";
}

// The runs of inked pixel columns in a band, from left to right, in twips.
struct InkRun {
  int left, right;
  int centre() const { return (left + right) / 2; }
};
std::vector<InkRun> inkRuns(const QImage& image, const Box& band) {
  std::vector<InkRun> runs;
  bool inRun = false;
  for (int x = band.left / 10; x < band.right() / 10; ++x) {
    const bool inked = count(image, {x * 10, band.top, 10, band.height}) > 0;
    if (inked && !inRun) runs.push_back({x * 10, x * 10 + 10});
    if (inked) runs.back().right = x * 10 + 10;
    inRun = inked;
  }
  return runs;
}

TEST(PagePainter, ShapeSumsStandDigitUnderDigitClearOfThePlusSign) {
  for (const auto& [upper, lower] : {std::pair{"1", "1"}, {"6", "4"}, {"6", "6"}, {"9", "9"}}) {
    ParameterBlock block;
    block.set(Field::Label1, upper);
    block.set(Field::Label3, lower);
    Generator generator;
    const Page page = drawPage(PageKind::Form15, LoadContext{block, generator, NumberText(",")});
    const QImage image = render(page);
    for (int k = 0; k < 12; ++k) {
      const TextField &top = page.text("Label2", k), &bottom = page.text("Label3", k);
      const int signRight = page.line("Line3", k).x2 + 15;  // with its round cap
      const std::vector<InkRun> over = inkRuns(image, {top.box.left - 100, top.box.top, 2800, 700}),
                                under = inkRuns(image, {signRight, bottom.box.top, 2800, 700});
      SCOPED_TRACE(top.caption + " over " + bottom.caption);
      ASSERT_EQ(over.size(), top.caption.size());
      ASSERT_EQ(under.size(), bottom.caption.size());
      EXPECT_GT(under.front().left, signRight + 100) << "a gap between the sign and the number";
      for (std::size_t j = 1; j <= under.size(); ++j)
        EXPECT_NEAR(under[under.size() - j].centre(), over[over.size() - j].centre(), 30)
            << "column " << j;
    }
  }
}

TEST(PagePainter, PatternRowsEndOnAWholeSymbol) {
  ParameterBlock block;
  block.set(Field::Label4, "4");
  Generator generator;
  const Page page = drawPage(PageKind::Form11, LoadContext{block, generator, NumberText(",")});
  const QImage image = render(page);
  for (int i = 0; i < 12; ++i) {
    const TextField& row = page.text("Label2", i);
    const int em = static_cast<int>(row.font.points * 20);
    const int end = inkRuns(image, row.box).back().right;
    EXPECT_LT(end, row.box.right() - 20) << "the last symbol is whole, not cut at the edge";
    EXPECT_GT(end, row.box.right() - 2 * em) << "the row runs as far as a whole symbol fits";
  }
}

TEST(PdfFallback, SheetsGoToNewNumberedFilesAndEachRunTellsOnceWhere) {
  QTemporaryDir folder;
  const auto path = [&](int n) { return folder.filePath(QtPrinter::pdfFileName(n)); };
  ASSERT_TRUE(QFile(path(7)).open(QIODevice::WriteOnly));  // an earlier sheet
  const Page page = onePage({100, 100, 5000, 600}, "ÇARPMA İŞLEMİ ğüşöı");
  test::RecordingMessages messages;
  for (int sheets : {3, 1}) {  // two runs of the program
    QtPrinter printer(messages, {.usePrinter = false, .pdfFolder = folder.path()});
    for (int i = 0; i < sheets; ++i) printer.print(page);
  }
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(QFile::exists(path(n)), n >= 7 && n <= 11) << n;
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_TRUE(QString::fromStdString(messages.shown[0].second).contains(folder.path()));

  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return;
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {"-enc", "UTF-8", path(8), "-"});
  ASSERT_TRUE(pdftotext.waitForFinished());
  EXPECT_EQ(QString::fromUtf8(pdftotext.readAllStandardOutput()).trimmed(), "ÇARPMA İŞLEMİ ğüşöı");
}

}  // namespace
}  // namespace ws
