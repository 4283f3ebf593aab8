#include "platform/qt_printer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

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

std::string systemReason(const QString& reason) {
  return "Sistemin bildirdiği neden: " + reason.toStdString();
}

// The whole sheet on the device's printable area, aspect kept and centred.
void paintSheet(QPainter& painter, const Page& page) {
  const QPaintDevice& device = *painter.device();
  paintPage(painter, page, QRectF(0, 0, device.width(), device.height()));
}

// The sheet as a PDF made in memory, so that putting it on disk is one write that can be checked.
QByteArray pdfBytes(const Page& page) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageOrientation(QPageLayout::Portrait);
  writer.setPageMargins(QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                  kPdfMarginMillimetres, kPdfMarginMillimetres),
                        QPageLayout::Millimeter);
  writer.setResolution(kPdfResolution);
  writer.setTitle(QString::fromUtf8(kDocumentName));
  writer.setCreator(QStringLiteral("Matematik Çalışma Sayfaları"));
  QPainter painter;
  if (!painter.begin(&writer)) return {};
  paintSheet(painter, page);
  return painter.end() ? buffer.data() : QByteArray();
}

// Gives `from` the name `to` unless `to` is taken: 0, or the error (EEXIST where it is taken).
int renameNoReplace(const QString& from, const QString& to) {
  const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
  const int renamed =
      ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
  if (renamed == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  // A file system that cannot refuse in a rename can still refuse a second link.
  if (::link(source.constData(), target.constData()) != 0) return errno;
  ::unlink(source.constData());
  return 0;
}

}  // namespace

std::string QtPrinter::noNumberLeft() {
  return "Klasördeki çalışma sayfalarının numaraları son numaraya (" +
         pdfFileName(kLastNumber).toStdString() +
         ") ulaştı; yeni sayfaya numara kalmadı. Eski sayfaları başka bir klasöre taşıyıp "
         "yeniden deneyebilirsiniz.";
}

QtPrinter::QtPrinter(Messages& messages, Options options)
    : messages_(messages), options_(std::move(options)) {}

QString QtPrinter::pdfFileName(quint64 number) {
  return QStringLiteral("calisma-sayfasi-%1.pdf").arg(number, 4, 10, QLatin1Char('0'));
}

void QtPrinter::print(const Page& page) {
  const bool alone = !inBatch_;
  if (alone) beginBatch();
  const Outcome outcome = printOnPrinter(page);
  if (outcome != Outcome::Printed) {
    if (tally_.why == Outcome::Printed) tally_.why = outcome;
    std::string failure = saveAsPdf(page);
    if (failure.empty()) {
      ++tally_.saved;
    } else {
      if (tally_.failed++ == 0) tally_.failure = std::move(failure);
    }
  }
  if (alone) endBatch();
}

void QtPrinter::beginBatch() {
  inBatch_ = true;
  tally_ = {};
}

void QtPrinter::endBatch() {
  // Cleared before the message, which lets a page window print while it is read.
  inBatch_ = false;
  const Tally tally = std::exchange(tally_, {});
  if (tally.failed == 0 && (tally.saved == 0 || toldAboutPdf_)) return;

  std::string text =
      tally.why == Outcome::NoPrinter ? "Yazıcı bulunamadı. " : "Yazıcıya yazdırılamadı. ";
  const std::string folder = folderText(pdfFolder());
  if (tally.failed == 0) {
    text += std::to_string(tally.saved) +
            " çalışma sayfası PDF dosyası olarak şu klasöre kaydedildi:\n" + folder;
  } else {
    if (tally.saved == 0) {
      text +=
          std::to_string(tally.failed) + " çalışma sayfası PDF dosyası olarak da kaydedilemedi.";
    } else {
      text += std::to_string(tally.saved + tally.failed) + " çalışma sayfasından " +
              std::to_string(tally.saved) + " tanesi PDF dosyası olarak kaydedildi, " +
              std::to_string(tally.failed) + " tanesi kaydedilemedi.";
    }
    text += "\nKlasör: " + folder + "\n" + tally.failure;
  }
  toldAboutPdf_ = toldAboutPdf_ || tally.saved > 0;
  messages_.warn(kMessageTitle, text);
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

std::string QtPrinter::saveAsPdf(const Page& page) {
  const QDir folder = pdfFolder();
  if (nextNumber_ == 0) {
    // Numbering goes on after the sheets already there, so new sheets sort after them.
    static const QRegularExpression kSheetFile(QStringLiteral("^calisma-sayfasi-(\\d+)\\.pdf$"));
    quint64 highest = 0;
    for (const QString& name : folder.entryList({QStringLiteral("calisma-sayfasi-*.pdf")})) {
      const QRegularExpressionMatch match = kSheetFile.match(name);
      if (!match.hasMatch()) continue;
      bool fits = false;
      const qint64 number = match.capturedView(1).toLongLong(&fits);
      highest = std::max(highest, fits ? quint64(number) : kLastNumber);
    }
    nextNumber_ = highest + 1;
  }
  if (nextNumber_ > kLastNumber) return noNumberLeft();

  const QByteArray pdf = pdfBytes(page);
  if (pdf.isEmpty()) return "PDF dosyası oluşturulamadı.";

  // The sheet is written under a hidden name and named only when whole, so a full disk or a
  // killed program never leaves an empty or cut sheet that looks like a real one.
  QFile part;
  for (int k = 0;; ++k) {
    part.setFileName(folder.filePath(QStringLiteral(".calisma-sayfasi-%1-%2.part")
                                         .arg(QCoreApplication::applicationPid())
                                         .arg(k)));
    if (part.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) break;
    if (!part.exists() || k == 99) return systemReason(part.errorString());
  }
  // A write cut short by a full disk reports no error; the next one, for the rest, does.
  qint64 done = 0;
  for (qint64 step = 0; done < pdf.size(); done += step) {
    step = part.write(pdf.constData() + done, pdf.size() - done);
    if (step <= 0) break;
  }
  bool written = done == pdf.size();
  QString reason = part.errorString();
  part.close();
  if (written && part.error() != QFileDevice::NoError) {
    written = false;
    reason = part.errorString();
  }
  if (!written) {
    part.remove();
    return systemReason(reason);
  }

  // Never over a sheet, not even one another program put there meanwhile.
  while (nextNumber_ <= kLastNumber) {
    const int error = renameNoReplace(part.fileName(), folder.filePath(pdfFileName(nextNumber_)));
    ++nextNumber_;
    if (error == 0) return {};
    if (error != EEXIST) {
      part.remove();
      return systemReason(QString::fromLocal8Bit(std::strerror(error)));
    }
  }
  part.remove();
  return noNumberLeft();
}

}  // namespace ws
