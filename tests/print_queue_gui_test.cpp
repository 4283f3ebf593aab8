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

QString pdfText(const QString& file) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), file, QStringLiteral("-")});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// scripts/with-test-printer runs a print server of the tests' own, whose default printer
// "calisma-test" saves each job into the folder WS_PRINT_JOBS.
TEST(PrintQueue, SheetReachesTheDefaultPrinterWithItsTitleAndNumbers) {
  const QString jobsPath = qEnvironmentVariable("WS_PRINT_JOBS");
  if (jobsPath.isEmpty() ||
      QPrinterInfo::defaultPrinter().printerName() != QLatin1String("calisma-test")) {
    GTEST_SKIP() << "No test print server (scripts/with-test-printer starts one where "
                    "cupsd is installed and can run); the PDF fallback is tested instead.";
  }
  // Other jobs may reach the queue too: only a new job that holds this sheet counts.
  QStringList seen = QDir(jobsPath).entryList(QDir::Files);

  ParameterBlock block;
  block.set(Field::Label1, "3");
  block.set(Field::Label3, "3");
  Generator generator;
  const NumberText numbers(",");
  const Page page = drawPage(PageKind::Form2, LoadContext{block, generator, numbers});
  QList<QRegularExpression> sheetNumbers;
  for (const TextField& field : page.texts) {
    const QString caption = QString::fromStdString(field.caption);
    if (caption.toInt() > 0) sheetNumbers << QRegularExpression("\\b" + caption + "\\b");
  }
  ASSERT_FALSE(sheetNumbers.isEmpty());

  QTemporaryDir pdfFolder;
  test::RecordingMessages messages;
  QtPrinter(messages, {.usePrinter = true, .pdfFolder = pdfFolder.path()}).print(page);
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().second;

  bool found = false;
  for (int wait = 0; wait < 300 && !found; ++wait) {
    QThread::msleep(100);
    for (const QString& name : QDir(jobsPath).entryList({QStringLiteral("job-*.prn")})) {
      if (found || seen.contains(name)) continue;
      seen << name;
      const QString text = pdfText(QDir(jobsPath).filePath(name));
      found = text.contains(QStringLiteral("TOPLAMA İŞLEMLERİNİ YAPALIM."));
      for (const auto& number : sheetNumbers) found = found && text.contains(number);
    }
  }
  EXPECT_TRUE(found) << "no new job in " << jobsPath.toStdString() << " holds the sheet";
}

}  // namespace
}  // namespace ws
