#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <set>

#include "main_window/commands.h"
#include "main_window/questions.h"
#include "pages/artwork.h"
#include "pages/page_frame.h"
#include "pages/page_painter.h"
#include "pages/symbol_font.h"
#include "platform/qt_printer.h"
#include "sample_sheets.h"
#include "support/doubles.h"
#include "support/program_folder.h"
#include "support/small_disk.h"

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

// The box, in pixels, around every pixel that `isInk` picks.
QRect inkBounds(
    const QImage& image, bool (*isInk)(QRgb) = [](QRgb p) { return qGray(p) < 128; }) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (isInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

// On picture ink a text keeps a white rim, a sixtieth of an inch wide, so that every digit reads.
TEST(PagePainter, TextOnPictureInkKeepsAWhiteRimAndThePictureBeyondIt) {
  // A clock face stretched so that its black ring is a band 400 twips wide down the left edge.
  Page page = onePage({300, 200, 400, 600}, "I");
  page.clientWidth = 1000;
  page.texts[0].font.points = 24;
  page.texts[0].fore = {255, 0, 255};
  page.pictures.push_back(picture("Image1", kSingle, "clock_face", {0, -8450, 16900, 17900}));
  QImage image(1000, 1000, QImage::Format_RGB32);  // a twip to the pixel
  image.fill(Qt::white);
  QPainter painter(&image);
  paintPage(painter, page, QRectF(image.rect()));
  painter.end();
  const auto isText = [](QRgb p) { return qRed(p) > 128 && qGreen(p) < 128; };
  const QPoint middle = inkBounds(image, isText).center();
  // White from the letter's edge out to the ring's ink, whichever way one goes from its middle.
  for (const QPoint step : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
    int white = 0;
    for (QPoint p = middle; isText(image.pixel(p)) || qRed(image.pixel(p)) > 128; p += step)
      white = isText(image.pixel(p)) ? 0 : white + 1;
    EXPECT_NEAR(white, 22, 3) << step.x() << "," << step.y();
  }
}

TEST(PagePainter, WideTextShrinksThenCondensesAndKeepsInsideItsRoom) {
  const std::string digits = "12345678";
  auto field = [&](Box box, Align align = Align::Centre) {
    Page page = onePage(box, digits, align);
    page.texts[0].font.points = 24;
    return page;
  };
  const QRect whole = inkBounds(render(field({100, 100, 5800, 600})));
  // A little too wide: the same shape, smaller; far too wide: 70 % high, condensed into the field.
  const QRect smaller = inkBounds(render(field({2000, 100, 1800, 600})));
  EXPECT_LT(smaller.height(), whole.height() * 0.9);
  EXPECT_NEAR(double(smaller.width()) / smaller.height() / whole.width() * whole.height(), 1, 0.08);
  EXPECT_TRUE(QRect(200, 10, 180, 60).contains(smaller));
  for (Align align : {Align::Left, Align::Centre, Align::Right}) {
    const QRect condensed = inkBounds(render(field({2000, 100, 900, 600}, align)));
    EXPECT_NEAR(condensed.height(), whole.height() * 0.7, 2);
    EXPECT_TRUE(QRect(200, 10, 90, 60).contains(condensed)) << int(align);
    EXPECT_GT(condensed.width(), 80) << "the whole room is used";
  }

  // A field reaching over a frame keeps its text clear of the frame's border.
  Page framed = field({100, 100, 2400, 600});
  framed.texts[0].fore = {255, 0, 255};
  framed.shapes.push_back(Shape{
      .name = "Shape1", .box = {600, 0, 3000, 900}, .borderWidthPixels = 2, .fill = std::nullopt});
  framed.texts[0].fitting = clearOfStrokes(framed, framed.texts[0].box);
  const QRect text = inkBounds(render(framed), [](QRgb p) { return qRed(p) - qGreen(p) > 60; });
  EXPECT_GE(text.left(), 67);
  EXPECT_LE(text.right(), 250);

  Page cut = onePage({100, 100, 1500, 400}, "1234567890123456789012345");
  const QImage whole12 = render(onePage({100, 100, 5800, 400}, cut.texts[0].caption));
  cut.texts[0].cutAtEdge = true;
  const QImage clipped = render(cut);
  EXPECT_EQ(count(clipped, {1610, 0, 4000, 1000}), 0);
  EXPECT_EQ(clipped.copy(0, 0, 159, 100), whole12.copy(0, 0, 159, 100)) << "cut, not condensed";
}

TEST(PagePainter, UnderlinePassesBelowCedillas) {
  // Rows of ink from the top: the letters, blank rows, then the line (the most inked row).
  auto rows = [](const char* text) {
    Page page = onePage({100, 100, 2000, 900}, text);
    page.texts[0].font.points = 36;
    page.texts[0].font.underline = true;
    const QImage image = render(page);
    std::vector<int> inked(image.height());
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) inked[y] += qGray(image.pixel(x, y)) < 192;
    const int line = int(std::ranges::max_element(inked) - inked.begin());
    int letters = line;
    while (letters > 0 && inked[letters] > 0) --letters;
    const int blank = letters;
    while (letters > 0 && inked[letters] == 0) --letters;
    EXPECT_GT(inked[line], 50) << text << ": a line under both letters";
    EXPECT_GT(blank - letters, 0) << text;
    return std::pair{line, letters};
  };
  const auto [line, cedillas] = rows("ŞÇ");
  const auto [plainLine, baseline] = rows("SC");
  EXPECT_EQ(line, plainLine);
  EXPECT_GT(cedillas, baseline + 3) << "the lowest ink above the line is the cedillas'";
  EXPECT_LT(line - cedillas, 15) << "the line still belongs to the text";
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

TEST(PagePainter, PatternRowsKeepTheirShapesFullSizeAndEndOnAWholeOne) {
  ParameterBlock block;
  block.set(Field::Label4, "4");
  Generator generator;
  const Page page = drawPage(PageKind::Form11, LoadContext{block, generator, NumberText(",")});
  const QImage image = render(page);
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    const TextField& row = page.text("Label2", i);
    const int em = static_cast<int>(row.font.points * 20);
    const int end = inkRuns(image, row.box).back().right;
    EXPECT_LT(end, row.box.right() - 20) << "the last symbol is whole, not cut at the edge";
    EXPECT_GT(end, row.box.right() - 2 * em) << "the row runs as far as a whole symbol fits";

    // A long row is cut, never squeezed: its first shapes are those of a row of only them.
    Page head = page;
    head.text("Label2", i).caption = row.caption.substr(0, 5);
    const QImage alone = render(head);
    const int headEnd = inkRuns(alone, row.box).back().right;
    int differing = 0;
    for (int y = row.box.top / 10; y < row.box.bottom() / 10; ++y) {
      for (int x = row.box.left / 10; x <= headEnd / 10; ++x) {
        differing += std::abs(qGray(image.pixel(x, y)) - qGray(alone.pixel(x, y))) > 64;
      }
    }
    EXPECT_EQ(differing, 0);
  }
}

// Every page kind's sheet as its first menu command draws it with the default answers.
std::vector<Page> oneSheetOfEachKind() {
  std::vector<Page> pages;
  std::set<PageKind> drawn;
  Generator generator;
  for (const Command* command : allCommands()) {
    const auto* kind = std::get_if<PageKind>(&command->output);
    if (!kind || !drawn.insert(*kind).second) continue;
    const ParameterBlock block = sampleAnswers(*command, Answers::Defaults, true);
    pages.push_back(drawPage(*kind, LoadContext{block, generator, NumberText(",")}));
  }
  return pages;
}

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The preview copies pictures from images made at its own pixels and sets text once per caption;
// the printed sheet must carry the same ink and text, so the pupil gets what the teacher saw. Its
// text, copied or read aloud, is the sheet's own, with pictures or without.
TEST(PagePainter, PdfHoldsEveryCaptionAndTheInkThePreviewShows) {
  for (const char* tool : {"pdftotext", "pdftoppm"})
    if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << "no " << tool;
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("sheets.pdf"));
  std::vector<Page> pages = oneSheetOfEachKind();
  const std::size_t kinds = pages.size();
  for (std::size_t k = 0; k < kinds; ++k) {  // then each again without its pictures
    Page bare = pages[k];
    // A clock face's numerals are text of its own; every other picture is ink only.
    for (Picture& picture : bare.pictures) picture.visible = picture.artwork == artwork::kClockFace;
    pages.push_back(std::move(bare));
  }
  {  // each page on its own A4 sheet, edge to edge
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    for (std::size_t k = 0; k < pages.size(); ++k) {
      if (k > 0) writer.newPage();
      paintPage(painter, pages[k], QRectF(0, 0, writer.width(), writer.height()));
    }
  }
  constexpr int kDotsPerInch = 60;
  run("pdftoppm", {"-r", QString::number(kDotsPerInch), "-l", QString::number(kinds), "-gray", pdf,
                   folder.filePath("page")});
  const QStringList printed = QDir(folder.path()).entryList({"page*.pgm"}, QDir::Files, QDir::Name);
  ASSERT_EQ(printed.size(), qsizetype(kinds));
  const auto textOf = [&](std::size_t k) {
    const QString page = QString::number(k + 1);
    return run("pdftotext", {"-raw", "-f", page, "-l", page, "-enc", "UTF-8", pdf, "-"});
  };
  const auto squeezed = [](QString text) { return text.remove(QRegularExpression("\\s")); };
  for (std::size_t k = 0; k < kinds; ++k) {
    SCOPED_TRACE(pages[k].form);
    const QString text = squeezed(textOf(k));
    EXPECT_EQ(textOf(k).toStdString(), textOf(kinds + k).toStdString()) << "pictures off";
    for (const TextField& field : pages[k].texts) {
      // Symbol captions are codes, not text; a row cut at its edge shows only its beginning.
      if (!field.visible || field.font.family == kSymbolFontFamily || field.cutAtEdge) continue;
      EXPECT_TRUE(text.contains(squeezed(QString::fromStdString(field.caption))))
          << field.name << "(" << field.index << ") " << field.caption;
    }

    const QImage paper = QImage(folder.filePath(printed[k])).convertToFormat(QImage::Format_RGB32);
    QImage screen(paper.size(), QImage::Format_RGB32);
    screen.fill(Qt::white);
    QPainter painter(&screen);
    paintPage(painter, pages[k], QRectF(screen.rect()));
    painter.end();
    // Blocks of a sixth of an inch: what lies where, not how each edge falls on the pixels.
    constexpr int kBlock = kDotsPerInch / 6;
    const auto darkness = [&](const QImage& image, int left, int top) {
      int sum = 0;
      for (int y = top; y < top + kBlock; ++y) {
        for (int x = left; x < left + kBlock; ++x) sum += 255 - qGray(image.pixel(x, y));
      }
      return sum / (kBlock * kBlock);
    };
    int inked = 0, differing = 0;
    for (int top = 0; top + kBlock <= paper.height(); top += kBlock) {
      for (int left = 0; left + kBlock <= paper.width(); left += kBlock) {
        const int a = darkness(paper, left, top), b = darkness(screen, left, top);
        inked += a > 0 || b > 0;
        differing += std::abs(a - b) > 48;
      }
    }
    EXPECT_GT(inked, 100);
    EXPECT_LT(differing, inked / 50 + 1);
  }
}

void printBatch(PagePrinter& printer, const Page& page, int sheets) {
  const PrintBatch batch(printer);
  for (int i = 0; i < sheets; ++i) printer.print(page);
}

// Every file in a folder, hidden ones included.
QStringList filesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

bool isWholePdf(const QString& path) {
  const QByteArray pdf = test::readFrom(path);
  return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
}

std::string nativePath(const QString& folder) {
  return QDir::toNativeSeparators(QDir(folder).absolutePath()).toStdString();
}

const Page kSheet = onePage({100, 100, 5000, 600}, "ÇARPMA İŞLEMİ ğüşöı");

QString sheetName(const QString& number) { return "calisma-sayfasi-" + number + ".pdf"; }

TEST(PdfFallback, SheetsGoToNewNumberedFilesAndEachRunTellsWhereAfterItsFirstBatch) {
  // Also where the file system cannot refuse in a rename, or has no links either.
  const QtPrinter::NameSheet lacking = [](const char*, const char*) { return EPERM; };
  const std::pair<QtPrinter::NameSheet, QtPrinter::NameSheet> ways[] = {
      {nullptr, nullptr}, {lacking, nullptr}, {lacking, lacking}};
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
  for (const auto& [rename, link] : ways) {
    SCOPED_TRACE(link ? "neither" : rename ? "link" : "rename");
    QTemporaryDir folder;
    const auto path = [&](const QString& number) { return folder.filePath(sheetName(number)); };
    ASSERT_TRUE(QFile(path("0007")).open(QIODevice::WriteOnly));  // an earlier sheet
    // Parts that killed runs left; only those of runs that are gone are cleared away.
    const QString left = QStringLiteral(".calisma-sayfasi-%1-0.part").arg(gone);
    QStringList kept{QStringLiteral(".calisma-sayfasi-%1-5.part").arg(getpid()),
                     QStringLiteral(".calisma-sayfasi-%1.part").arg(gone)};
    for (const QString& part : kept + QStringList{left}) {
      ASSERT_TRUE(QFile(folder.filePath(part)).open(QIODevice::WriteOnly));
    }
    test::RecordingMessages messages;
    const QtPrinter::Options options{
        .usePrinter = false, .pdfFolder = folder.path(), .renameNoReplace = rename, .link = link};
    {
      QtPrinter printer(messages, options);
      printer.beginBatch();
      for (int i = 0; i < 3; ++i) printer.print(kSheet);
      EXPECT_TRUE(messages.shown.empty()) << "the notice waits for the batch's end";
      printer.endBatch();
      printBatch(printer, kSheet, 2);
    }
    QtPrinter nextRun(messages, options);
    nextRun.print(kSheet);  // from a preview's menu: told after its one sheet
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].second,
              "Yazıcı bulunamadı. 3 çalışma sayfası PDF dosyası olarak şu klasöre kaydedildi:\n" +
                  nativePath(folder.path()));
    EXPECT_TRUE(messages.shown[1].second.starts_with("Yazıcı bulunamadı. 1 çalışma sayfası PDF"));

    // A name another program takes meanwhile is passed over, never written over.
    QFile taken(path("0014"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly) && taken.write("x") == 1);
    taken.close();
    nextRun.print(kSheet);
    EXPECT_EQ(test::readFrom(path("0014")), "x");
    const QStringList numbers{"0007", "0008", "0009", "0010", "0011",
                              "0012", "0013", "0014", "0015"};
    QStringList files = filesIn(folder.path()), expected = kept;
    for (const QString& number : numbers) expected << sheetName(number);
    files.sort();
    expected.sort();
    EXPECT_EQ(files, expected) << "no file is left under a passing name";
    for (const QString& number : numbers.mid(1)) {
      EXPECT_TRUE(number == "0014" || isWholePdf(path(number))) << number.toStdString();
    }
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) continue;
    EXPECT_EQ(run("pdftotext", {"-enc", "UTF-8", path("0008"), "-"}).trimmed(),
              "ÇARPMA İŞLEMİ ğüşöı");
  }
}

// A run killed while a sheet goes to disk, on any file system: what it leaves under a sheet's name
// is whole or empty, never a cut PDF, and the next batch clears its part and numbers after it.
TEST(PdfFallback, ARunKilledWhileWritingLeavesNoCutSheet) {
  QTemporaryDir probe;
  test::RecordingMessages messages;
  QtPrinter(messages, {.usePrinter = false, .pdfFolder = probe.path()}).print(kSheet);
  static qint64 halfSheet = 0;
  halfSheet = QFileInfo(probe.filePath(sheetName("0001"))).size() / 2;
  ASSERT_GT(halfSheet, 1000);
  // A write past half a sheet kills the run, as a shutdown or a kill -9 would in mid-write.
  static const auto killHalfWay = [] {
    const rlimit size{rlim_t(halfSheet), rlim_t(halfSheet)};
    setrlimit(RLIMIT_FSIZE, &size);
  };
  const QtPrinter::NameSheet lacking = [](const char*, const char*) { return EPERM; };
  const QtPrinter::NameSheet lackingThenKilled = [](const char*, const char*) {
    killHalfWay();
    return EPERM;
  };
  struct Case {
    const char* what;
    QtPrinter::NameSheet rename, link;
    bool killedFromStart;
  } cases[] = {{"killed writing the part", nullptr, nullptr, true},
               {"killed writing the part, neither rename nor link", lacking, lacking, true},
               {"killed once the part is whole, neither rename nor link", lacking,
                lackingThenKilled, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir folder;
    const QtPrinter::Options options{.usePrinter = false,
                                     .pdfFolder = folder.path(),
                                     .renameNoReplace = c.rename,
                                     .link = c.link};
    const pid_t run = fork();
    ASSERT_GE(run, 0);
    if (run == 0) {
      const rlimit noCore{0, 0};
      setrlimit(RLIMIT_CORE, &noCore);
      signal(SIGXFSZ, SIG_DFL);
      if (c.killedFromStart) killHalfWay();
      test::RecordingMessages childMessages;
      QtPrinter(childMessages, options).print(kSheet);
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(run, &status, 0), run);
    if (c.killedFromStart) {
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    }
    const QStringList left = QDir(folder.path()).entryList({"calisma-sayfasi-*.pdf"});
    for (const QString& sheet : left) {
      const QString path = folder.filePath(sheet);
      EXPECT_TRUE(QFileInfo(path).size() == 0 || isWholePdf(path)) << sheet.toStdString();
    }
    QtPrinter(messages, {.usePrinter = false, .pdfFolder = folder.path()}).print(kSheet);
    const QString next = sheetName(QStringLiteral("%1").arg(left.size() + 1, 4, 10, QChar('0')));
    EXPECT_EQ(filesIn(folder.path()), left + QStringList{next}) << "the killed run's part is gone";
    EXPECT_TRUE(isWholePdf(folder.filePath(next)));
  }
}

TEST(PdfFallback, EveryFailingBatchIsToldWithTheSystemsReasonAndLeavesNoEmptyOrCutSheet) {
  QTemporaryDir work;
  test::RecordingMessages messages;
  QtPrinter(messages, {.usePrinter = false, .pdfFolder = work.path()}).print(kSheet);
  const qint64 bytes = QFileInfo(work.filePath(sheetName("0001"))).size();
  const qint64 blocks = (bytes + 4095) / 4096;
  ASSERT_GE(blocks, 2) << "a sheet fills whole blocks of the disk";
  const test::SmallDisk disk((2 * blocks + blocks / 2) * 4096);  // two sheets and a half
  ASSERT_TRUE(QFile(work.filePath("file")).open(QIODevice::WriteOnly));
  const QString readOnly = work.filePath("read-only");
  ASSERT_TRUE(QDir().mkdir(readOnly) && chmod(readOnly.toUtf8(), 0555) == 0);
  struct Case {
    QString folder;
    int error, saved;
  };
  std::vector<Case> cases{{work.filePath("file/pdf"), ENOTDIR, 0}};
  // Root writes into any folder, so only another user meets a read-only one; mounting needs root.
  if (geteuid() != 0) cases.push_back({readOnly, EACCES, 0});
  if (disk.available()) cases.push_back({QString::fromStdString(disk.path().string()), ENOSPC, 2});
  for (const auto& [folder, error, saved] : cases) {
    SCOPED_TRACE(strerror(error));
    messages.shown.clear();
    QtPrinter printer(messages, {.usePrinter = false, .pdfFolder = folder});
    printBatch(printer, kSheet, 5);
    printer.print(kSheet);  // from a preview's menu
    const std::string where =
        "\nKlasör: " + nativePath(folder) + "\nSistemin bildirdiği neden: " + strerror(error);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].second,
              saved ? "Yazıcı bulunamadı. 5 çalışma sayfasından 2 tanesi PDF dosyası olarak "
                      "kaydedildi, 3 tanesi kaydedilemedi." +
                          where
                    : "Yazıcı bulunamadı. 5 çalışma sayfası PDF dosyası olarak da kaydedilemedi." +
                          where);
    EXPECT_EQ(messages.shown[1].second,
              "Yazıcı bulunamadı. 1 çalışma sayfası PDF dosyası olarak da kaydedilemedi." + where);
    const QStringList sheets = QStringList{sheetName("0001"), sheetName("0002")}.first(saved);
    EXPECT_EQ(filesIn(folder), sheets);
    for (const QString& sheet : sheets) {
      EXPECT_EQ(QFileInfo(QDir(folder).filePath(sheet)).size(), bytes);
      EXPECT_TRUE(isWholePdf(QDir(folder).filePath(sheet)));
    }
  }
  chmod(readOnly.toUtf8(), 0755);
}

// A saved sheet is printed later on any printer: it is A4 with the sheet filling the part a
// printer reaches, a printer's margin clear all round, so no row is cut off on paper.
TEST(PdfFallback, ASavedSheetIsA4WithAPrintersMarginAllRound) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) GTEST_SKIP();
  QTemporaryDir folder;
  Page tall;  // ink to its very edges, taller than A4 is in proportion
  tall.clientWidth = 6000;
  tall.clientHeight = 12000;
  tall.shapes.push_back({.name = "Shape1", .box = {0, 0, 6000, 12000}, .fill = kBlack});
  test::RecordingMessages messages;
  QtPrinter(messages, {.usePrinter = false, .pdfFolder = folder.path()}).print(tall);
  constexpr double kDotsPerMillimetre = 36 / 25.4;
  run("pdftoppm", {"-r", "36", "-gray", folder.filePath(sheetName("0001")), folder.filePath("p")});
  const QImage paper(folder.filePath("p-1.pgm"));
  ASSERT_FALSE(paper.isNull());
  EXPECT_NEAR(paper.width() / kDotsPerMillimetre, 210, 1);
  EXPECT_NEAR(paper.height() / kDotsPerMillimetre, 297, 1);
  QRect ink;
  for (int y = 0; y < paper.height(); ++y) {
    for (int x = 0; x < paper.width(); ++x) {
      if (qGray(paper.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    }
  }
  const double left = ink.left() / kDotsPerMillimetre, top = ink.top() / kDotsPerMillimetre;
  const double right = (paper.width() - 1 - ink.right()) / kDotsPerMillimetre;
  const double bottom = (paper.height() - 1 - ink.bottom()) / kDotsPerMillimetre;
  EXPECT_NEAR(top, 10, 1.5);
  EXPECT_NEAR(bottom, 10, 1.5);
  EXPECT_NEAR(left, right, 1.5) << "centred across";
  EXPECT_GT(left, 9);
}

TEST(PdfFallback, NumberingGoesPastTheLargestIntAndTellsWhenNoNumberIsLeft) {
  const QString last = QString::number(QtPrinter::kLastNumber);
  struct Case {
    QString highest;
    QStringList added;  // by two sheets
  } cases[] = {{"2147483647", {"2147483648", "2147483649"}},
               {"0004294967296", {"4294967297", "4294967298"}},
               {QString::number(QtPrinter::kLastNumber - 1), {last}},
               {last, {}},
               {"9999999999999999999999", {"0001", "0002"}}};  // not a number it could write
  for (const Case& c : cases) {
    SCOPED_TRACE(c.highest.toStdString());
    QTemporaryDir folder;
    ASSERT_TRUE(QFile(folder.filePath(sheetName(c.highest))).open(QIODevice::WriteOnly));
    test::RecordingMessages messages;
    QtPrinter printer(messages, {.usePrinter = false, .pdfFolder = folder.path()});
    printer.print(kSheet);
    printer.print(kSheet);
    QStringList expected{sheetName(c.highest)};
    for (const QString& number : c.added) expected << sheetName(number);
    expected.sort();
    EXPECT_EQ(filesIn(folder.path()), expected);
    const auto refused = std::count_if(messages.shown.begin(), messages.shown.end(), [](auto& m) {
      return m.second.find("yeni sayfaya numara kalmadı") != std::string::npos;
    });
    EXPECT_EQ(refused, 2 - c.added.size());
  }
}

}  // namespace
}  // namespace ws
