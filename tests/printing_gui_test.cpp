#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "common/random.h"
#include "pages/page_window.h"
#include "platform/qt_printer.h"
#include "support/doubles.h"

namespace ws {
namespace {

using test::RecordingMessages;
using test::RecordingPrinter;

Page sheet(Generator& generator, PageKind kind = PageKind::Form2) {
  ParameterBlock block;
  block.set(Field::Label1, "3");
  block.set(Field::Label3, "2");
  block.set(Field::Label2, "E");
  block.set(Field::Label5, "0");
  const NumberText numbers(",");
  return drawPage(kind, LoadContext{block, generator, numbers});
}

QString pdfText(const QString& file) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
  if (!process.waitForFinished() || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfFallback : testing::Test {
  QTemporaryDir folder;
  RecordingMessages messages;
  Generator generator;

  QtPrinter printerWithoutPaper() {
    return QtPrinter(messages, QtPrinter::Options{.usePrinter = false, .pdfFolder = folder.path()});
  }
  QString path(int number) const { return folder.filePath(QtPrinter::pdfFileName(number)); }
};

TEST_F(PdfFallback, SheetsGoToNumberedFilesAfterTheOnesAlreadyThere) {
  QFile earlier(path(7));
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("an earlier sheet");
  earlier.close();

  QtPrinter printer = printerWithoutPaper();
  for (int i = 0; i < 3; ++i) printer.print(sheet(generator));

  EXPECT_FALSE(QFile::exists(path(1)));
  for (int number : {8, 9, 10}) EXPECT_TRUE(QFile::exists(path(number))) << number;
  EXPECT_FALSE(QFile::exists(path(11)));
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), "an earlier sheet");
  EXPECT_EQ(QtPrinter::pdfFileName(8), "calisma-sayfasi-0008.pdf");
}

TEST_F(PdfFallback, TellsOnceARunWhereTheSheetsAre) {
  {
    QtPrinter printer = printerWithoutPaper();
    for (int i = 0; i < 4; ++i) printer.print(sheet(generator));
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  const QString text = QString::fromStdString(messages.shown[0].second);
  EXPECT_TRUE(text.contains(QStringLiteral("Yazıcı bulunamadı"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QDir::toNativeSeparators(folder.path()))) << text.toStdString();

  // The next run of the program tells again, and numbers on.
  QtPrinter nextRun = printerWithoutPaper();
  nextRun.print(sheet(generator));
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_TRUE(QFile::exists(path(5)));
}

TEST_F(PdfFallback, PdfHoldsTheSheetsTitleAndNumbers) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
    GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
  }
  QtPrinter printer = printerWithoutPaper();
  for (PageKind kind : {PageKind::Form2, PageKind::Form3}) {
    const Page page = sheet(generator, kind);
    printer.print(page);
    const QString text = pdfText(path(kind == PageKind::Form2 ? 1 : 2));
    SCOPED_TRACE(text.toStdString());
    EXPECT_TRUE(text.contains(QString::fromStdString(page.text("Label1").caption)));

    std::map<QString, int> expected, found;
    for (const TextField& field : page.texts) {
      if (field.name != "Label1") ++expected[QString::fromStdString(field.caption)];
    }
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")))) {
      if (expected.count(word)) ++found[word];
    }
    EXPECT_EQ(found, expected);
  }
}

TEST_F(PdfFallback, AFolderThatTakesNoFileIsToldOnceAndNothingBreaks) {
  QtPrinter printer(
      messages, QtPrinter::Options{.usePrinter = false, .pdfFolder = folder.filePath("yok/olan")});
  printer.print(sheet(generator));
  printer.print(sheet(generator));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(
      QString::fromStdString(messages.shown[0].second).contains(QStringLiteral("kaydedilemedi")));
}

TEST(PageWindow, ShowsTheSheetAndPrintsItAsItStands) {
  RecordingPrinter printer;
  Generator generator;
  for (PageKind kind : {PageKind::Form2, PageKind::Form3}) {
    SCOPED_TRACE(formName(kind));
    const Page page = sheet(generator, kind);
    PageWindow window(page, printer);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Çalışma sayfası"));
    EXPECT_EQ(window.objectName().toStdString(), formName(kind));

    const QList<QAction*> items = window.menuBar()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Yazdır"));
    EXPECT_EQ(items[0]->objectName(),
              kind == PageKind::Form2 ? QStringLiteral("mnuyazdır") : QStringLiteral("nuyazdır"));

    QWidget* client = window.centralWidget();
    EXPECT_EQ(client->width(), qRound(10380 * client->logicalDpiX() / 1440.0));
    EXPECT_EQ(client->height(), qRound(12150 * client->logicalDpiY() / 1440.0));
    const QImage shown = client->grab().toImage();
    EXPECT_EQ(shown.pixelColor(2, 2), QColor(Qt::white));

    printer.printed.clear();
    items[0]->trigger();
    items[0]->trigger();
    ASSERT_EQ(printer.printed.size(), 2u);
    for (const Page& printed : printer.printed) {
      for (size_t i = 0; i < page.texts.size(); ++i) {
        EXPECT_EQ(printed.texts[i].caption, page.texts[i].caption);
      }
    }
  }
}

TEST(PageWindow, HostKeepsOneWindowOfEachKind) {
  RecordingPrinter printer;
  Generator generator;
  QtPageHost host(printer);
  host.show(PageKind::Form2, sheet(generator));
  host.show(PageKind::Form3, sheet(generator, PageKind::Form3));
  EXPECT_TRUE(host.isOpen(PageKind::Form2));
  EXPECT_TRUE(host.window(PageKind::Form3)->isVisible());
  host.unload(PageKind::Form2);
  EXPECT_FALSE(host.isOpen(PageKind::Form2));
  host.window(PageKind::Form3)->close();  // the window's own close box
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(host.isOpen(PageKind::Form3));
}

}  // namespace
}  // namespace ws
