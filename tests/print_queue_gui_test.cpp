#include <gtest/gtest.h>

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "common/random.h"
#include "platform/qt_printer.h"
#include "support/doubles.h"

namespace ws {
namespace {

// scripts/with-test-printer runs a print server of the tests' own, whose default printer
// "calisma-test" saves each job into the folder WS_PRINT_JOBS.
TEST(PrintQueue, SheetReachesTheDefaultPrinterWithItsTitleAndNumbers) {
  const QDir jobs(qEnvironmentVariable("WS_PRINT_JOBS"));
  if (!qEnvironmentVariableIsSet("WS_PRINT_JOBS") ||
      QPrinterInfo::defaultPrinter().printerName() != QLatin1String("calisma-test")) {
    GTEST_SKIP() << "No test print server (scripts/with-test-printer starts one where "
                    "cupsd is installed and can run); the PDF fallback is tested instead.";
  }
  // Other jobs may reach the queue too: only a new job that holds this sheet counts.
  QStringList seen = jobs.entryList(QDir::Files);
  ParameterBlock block;
  block.set(Field::Label1, "3");
  block.set(Field::Label3, "3");
  Generator generator;
  const Page page = drawPage(PageKind::Form2, LoadContext{block, generator, NumberText(",")});
  QTemporaryDir pdfFolder;
  test::RecordingMessages messages;
  QtPrinter(messages, {.usePrinter = true, .pdfFolder = pdfFolder.path()}).print(page);
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().second;

  bool found = false;
  for (int wait = 0; wait < 300 && !found; ++wait) {
    QThread::msleep(100);
    for (const QString& name : jobs.entryList({QStringLiteral("job-*.prn")})) {
      if (found || seen.contains(name)) continue;
      seen << name;
      QProcess pdftotext;
      pdftotext.start(QStringLiteral("pdftotext"), {"-layout", jobs.filePath(name), "-"});
      pdftotext.waitForFinished();
      const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
      found = text.contains(QStringLiteral("TOPLAMA İŞLEMLERİNİ YAPALIM."));
      for (const TextField& field : page.texts) {
        const QString caption = QString::fromStdString(field.caption);
        if (caption.toInt() > 0)
          found = found && text.contains(QRegularExpression("\\b" + caption + "\\b"));
      }
    }
  }
  EXPECT_TRUE(found) << "no new job in " << jobs.path().toStdString() << " holds the sheet";
}

}  // namespace
}  // namespace ws
