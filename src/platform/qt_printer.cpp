#include "platform/qt_printer.h"

#include <fcntl.h>
#include <signal.h>
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

std::string systemReason(int error) {
  return "Sistemin bildirdiği neden: " + QString::fromLocal8Bit(std::strerror(error)).toStdString();
}

// "calisma-sayfasi-0001.pdf": the file name of sheet `number`.
QString pdfFileName(quint64 number) {
  return QStringLiteral("calisma-sayfasi-%1.pdf").arg(number, 4, 10, QLatin1Char('0'));
}

// The hidden name that a run writes a sheet under until it is whole.
QString partFileName(qint64 pid, int k) {
  return QStringLiteral(".calisma-sayfasi-%1-%2.part").arg(pid).arg(k);
}

// A killed run leaves its part behind for good: those of runs that are gone are removed, and
// nothing else, not a part another run is still writing.
void removeLeftParts(const QDir& folder) {
  static const QRegularExpression kPartFile(
      QStringLiteral("^\\.calisma-sayfasi-(\\d+)-\\d+\\.part$"));
  const QStringList parts =
      folder.entryList({QStringLiteral(".calisma-sayfasi-*.part")}, QDir::Files | QDir::Hidden);
  for (const QString& name : parts) {
    const QRegularExpressionMatch match = kPartFile.match(name);
    bool fits = false;
    const int pid = match.hasMatch() ? match.capturedView(1).toInt(&fits) : 0;
    if (fits && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) {
      QFile::remove(folder.filePath(name));
    }
  }
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

// Makes the file `name` only where none is, and writes the whole sheet into it: 0, or the
// error, and then the file is gone again, so nothing empty or cut stays under the name.
int writeNew(const QByteArray& name, const QByteArray& pdf) {
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int error = 0;
  // A write cut short by a full disk reports no error; the next one, for the rest, does.
  for (qint64 done = 0; done < pdf.size() && error == 0;) {
    const ssize_t step = ::write(fd, pdf.constData() + done, pdf.size() - done);
    if (step > 0) {
      done += step;
    } else if (step == 0 || errno != EINTR) {
      error = step == 0 ? EIO : errno;
    }
  }
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error != 0) ::unlink(name.constData());
  return error;
}

int renameNoReplace(const char* from, const char* to) {
  return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0 ? 0 : errno;
}

int linkName(const char* from, const char* to) { return ::link(from, to) == 0 ? 0 : errno; }

// Gives the whole sheet in `part` the name `sheet` unless a file has it: 0, or the error
// (EEXIST where it is taken). Each way is for file systems that lack the one before.
int nameSheet(const QByteArray& part, const QByteArray& sheet, const QtPrinter::Options& options) {
  const auto call = [&](QtPrinter::NameSheet given, QtPrinter::NameSheet real) {
    return (given ? given : real)(part.constData(), sheet.constData());
  };
  int error = call(options.renameNoReplace, renameNoReplace);
  if (error == 0 || error == EEXIST) return error;
  // A file system that cannot refuse in a rename can still refuse a second link.
  error = call(options.link, linkName);
  if (error == 0) ::unlink(part.constData());
  if (error == 0 || error == EEXIST) return error;
  // One with neither (FAT through FUSE, some network shares) still makes a file only where none
  // is: an empty file takes the name, then a plain rename puts the whole part over it in one
  // step. A run killed in between leaves that empty file, never a cut sheet.
  const int fd = ::open(sheet.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  ::close(fd);
  if (::rename(part.constData(), sheet.constData()) == 0) return 0;
  error = errno;
  ::unlink(sheet.constData());
  return error;
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
  if (tally_.saved + tally_.failed == 0) removeLeftParts(folder);  // once a batch is enough
  if (nextNumber_ == 0) {
    // Numbering goes on after the sheets already there, so new sheets sort after them.
    static const QRegularExpression kSheetFile(QStringLiteral("^calisma-sayfasi-(\\d+)\\.pdf$"));
    quint64 highest = 0;
    for (const QString& name : folder.entryList({QStringLiteral("calisma-sayfasi-*.pdf")})) {
      const QRegularExpressionMatch match = kSheetFile.match(name);
      bool fits = false;
      const qint64 number = match.hasMatch() ? match.capturedView(1).toLongLong(&fits) : 0;
      // A number this program cannot have written is on no sheet of its own.
      if (fits) highest = std::max(highest, quint64(number));
    }
    nextNumber_ = highest + 1;
  }
  if (nextNumber_ > kLastNumber) return noNumberLeft();

  const QByteArray pdf = pdfBytes(page);
  if (pdf.isEmpty()) return "PDF dosyası oluşturulamadı.";

  // The sheet is written under a hidden name and named only when whole, so a full disk or a
  // killed program never leaves a cut sheet that looks like a real one.
  QByteArray part;
  for (int k = 0;; ++k) {
    part = QFile::encodeName(folder.filePath(partFileName(QCoreApplication::applicationPid(), k)));
    const int error = writeNew(part, pdf);
    if (error == 0) break;
    if (error != EEXIST || k == 99) return systemReason(error);
  }

  // Never over a sheet, not even one another program put there meanwhile.
  while (nextNumber_ <= kLastNumber) {
    const QByteArray sheet = QFile::encodeName(folder.filePath(pdfFileName(nextNumber_)));
    const int error = nameSheet(part, sheet, options_);
    ++nextNumber_;
    if (error == 0) return {};
    if (error != EEXIST) {
      ::unlink(part.constData());
      return systemReason(error);
    }
  }
  ::unlink(part.constData());
  return noNumberLeft();
}

}  // namespace ws
