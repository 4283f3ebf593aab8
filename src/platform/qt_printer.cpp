#include "platform/qt_printer.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <algorithm>

#include "pages/page_painter.h"

namespace ws {

namespace {

constexpr const char* kDocumentName = "Çalışma sayfası";
constexpr const char* kMessageTitle = "Yazdır";
constexpr int kPdfResolution = 1200;
// About what a printer leaves unprinted at the edges, so the PDF prints alike.
constexpr double kPdfMarginMillimetres = 10;

std::string folderText(const QDir& folder) {
  return QDir::toNativeSeparators(folder.absolutePath()).toStdString();
}

// The whole sheet on the device's printable area, aspect kept and centred.
void paintSheet(QPainter& painter, const Page& page) {
  const QPaintDevice& device = *painter.device();
  paintPage(painter, page, QRectF(0, 0, device.width(), device.height()));
}

}  // namespace

QtPrinter::QtPrinter(Messages& messages, Options options)
    : messages_(messages), options_(std::move(options)) {}

QString QtPrinter::pdfFileName(int number) {
  return QStringLiteral("calisma-sayfasi-%1.pdf").arg(number, 4, 10, QLatin1Char('0'));
}

void QtPrinter::print(const Page& page) {
  const Outcome outcome = printOnPrinter(page);
  if (outcome != Outcome::Printed) saveAsPdf(page, outcome);
}

QtPrinter::Outcome QtPrinter::printOnPrinter(const Page& page) {
  if (!options_.usePrinter) return Outcome::NoPrinter;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return Outcome::NoPrinter;

  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QString::fromUtf8(kDocumentName));
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return Outcome::Failed;
  paintSheet(painter, page);
  if (!painter.end() || printer.printerState() == QPrinter::Error) return Outcome::Failed;
  return Outcome::Printed;
}

QDir QtPrinter::pdfFolder() const {
  return options_.pdfFolder.isEmpty() ? QDir::current() : QDir(options_.pdfFolder);
}

void QtPrinter::saveAsPdf(const Page& page, Outcome why) {
  const QDir folder = pdfFolder();
  if (nextNumber_ == 0) {
    // Numbering goes on after the sheets already there, so new sheets sort after them.
    static const QRegularExpression kSheetFile(QStringLiteral("^calisma-sayfasi-(\\d+)\\.pdf$"));
    int highest = 0;
    for (const QString& name : folder.entryList({QStringLiteral("calisma-sayfasi-*.pdf")})) {
      const QRegularExpressionMatch match = kSheetFile.match(name);
      if (match.hasMatch()) highest = std::max(highest, match.captured(1).toInt());
    }
    nextNumber_ = highest + 1;
  }

  // NewOnly never overwrites a sheet, not even one another program put there meanwhile.
  QFile file;
  bool opened = false;
  for (int tries = 0; tries < 1000 && !opened; ++tries) {
    file.setFileName(folder.filePath(pdfFileName(nextNumber_++)));
    opened = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    if (!opened && !file.exists()) break;
  }

  bool saved = false;
  if (opened) {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                    kPdfMarginMillimetres, kPdfMarginMillimetres),
                          QPageLayout::Millimeter);
    writer.setResolution(kPdfResolution);
    writer.setTitle(QString::fromUtf8(kDocumentName));
    writer.setCreator(QStringLiteral("Matematik Çalışma Sayfaları"));
    QPainter painter;
    if (painter.begin(&writer)) {
      paintSheet(painter, page);
      saved = painter.end();
    }
    file.close();
    saved = saved && file.error() == QFileDevice::NoError;
  }

  // One message a run: a batch of many sheets must not stop at every sheet.
  if (!saved) {
    if (!toldAboutFailure_) {
      toldAboutFailure_ = true;
      messages_.warn(kMessageTitle,
                     "Çalışma sayfası yazdırılamadı ve PDF dosyası olarak da kaydedilemedi. "
                     "Klasör: " +
                         folderText(folder));
    }
    return;
  }
  if (!toldAboutPdf_) {
    toldAboutPdf_ = true;
    const std::string reason =
        why == Outcome::NoPrinter ? "Yazıcı bulunamadı. " : "Yazıcıya yazdırılamadı. ";
    messages_.warn(kMessageTitle, reason +
                                      "Çalışma sayfaları PDF dosyası olarak şu klasöre "
                                      "kaydediliyor:\n" +
                                      folderText(folder));
  }
}

}  // namespace ws
