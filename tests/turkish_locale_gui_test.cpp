#include <gtest/gtest.h>
#include <locale.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

#include "support/program_folder.h"

namespace ws {
namespace {

// The user's regional settings as the desktop hands them to a program it starts, and the decimal
// separator that every number then shows with. The separator follows the number format alone.
struct Region {
  const char* what;
  QStringList settings;
  QChar separator;
};
const Region kRegions[] = {
    {"C", {"LC_ALL=C"}, '.'},
    {"Turkish", {"LANG=tr_TR.UTF-8", "LC_ALL=tr_TR.UTF-8"}, ','},
    {"Turkish numbers, other words", {"LANG=C.UTF-8", "LC_NUMERIC=tr_TR.UTF-8"}, ','},
    {"Turkish words, other numbers", {"LANG=tr_TR.UTF-8", "LC_NUMERIC=C.UTF-8"}, '.'},
};

// The decimal side-by-side sheets: six problems each, one-digit numbers with two places.
const QStringList kTextSheets{"mnuyanyanaondalıkcıkar", "mnuyanyanaondalıkbolme",
                              "mnuyanyanaondalıkcarp", "mnuyanyanaondalıktopla"};
// The pages that show decimals as they are written into a field: one sheet each. With no printer
// they are saved as PDF files, numbered in the order they are printed.
const QStringList kDecimalPages{"mnualtaltacarpmaondalık", "mnualtaltacarpmabilinmeyenondalık",
                                "mnukalanlıondalıkbolme", "mnukalansızondalıkbolme"};

QString pdfText(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {"-raw", "-enc", "UTF-8", pdf, "-"});
  pdftotext.waitForFinished(-1);
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The real program, started as the desktop starts it, with a teacher at its menus
// (support/program_driver.cpp).
class RegionalSettings : public test::ProgramFolder {
 protected:
  // Plays `script` (a menu item and its answers a line) in `folder` under `region` and waits
  // for the program to end; what the teacher was told, a line each.
  QStringList play(const Region& region, const QString& folder, const QList<QStringList>& script) {
    QFile file(folder + "/script");
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    for (const QStringList& line : script) file.write(line.join('\t').toUtf8() + '\n');
    file.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
      if (name.startsWith("LC_") || name.startsWith("LANG")) environment.remove(name);
    }
    for (const QString& setting : region.settings) {
      environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    }
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_PLUGIN_PATH", WS_PLUGINS);
    environment.insert("QT_QPA_GENERIC_PLUGINS", "wsdriver:" + file.fileName());
    // No printer at all, whatever the machine has: every sheet becomes a PDF in the folder.
    environment.insert("CUPS_SERVER", folder + "/no-print-server");
    environment.insert("CUPS_SERVERROOT", folder);
    environment.remove("WS_PRINT_JOBS");

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    program.start(WS_PROGRAM, QStringList());
    // Only a program that hangs meets this limit.
    if (!program.waitForFinished(600000)) program.kill();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    QStringList seen = QString::fromUtf8(test::readFrom(file.fileName() + ".seen")).split('\n');
    seen.removeAll(QString());
    return seen;
  }
};

TEST_F(RegionalSettings, NumbersAreWrittenAndReadWithTheDecimalSeparatorOfTheUsersRegion) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
    GTEST_SKIP() << "no pdftotext (poppler-utils) to read the printed sheets with";
  }
  QList<QStringList> script;
  for (const QString& item : kTextSheets) script.append({item, "1", "2", "1", "2", "6"});
  for (const QString& item : kDecimalPages) script.append({item, "1", "2", "1", "1", "H", "1"});
  // Sheets 5 and 6: number patterns from 2 up to two and a half, typed with the comma and with
  // the full stop.
  script.append({"mnusayıoruntusu", "2", "2,5", "1", "H", "1"});
  script.append({"mnusayıoruntusu", "2", "2.5", "1", "H", "1"});
  // A shape pattern is two, three or four shapes long, never two and a half.
  script.append({"mnusekiloruntu", "2,5", "H", "1"});

  for (const Region& region : kRegions) {
    SCOPED_TRACE(region.what);
    const QString name = QString("region-%1").arg(&region - kRegions);
    ASSERT_TRUE(QDir(work_.path()).mkpath(name));
    const QDir folder(work_.filePath(name));
    const QStringList seen = play(region, folder.path(), script);
    const bool comma = region.separator == ',';

    // Every command ran with all its answers; the only messages: the sheets went into PDF
    // files, and a shape pattern of two and a half where that is what "2,5" reads.
    QStringList done, messages;
    for (const QString& line : seen) (line.startsWith("done\t") ? done : messages) << line;
    ASSERT_EQ(done.size(), script.size()) << seen.join('\n').toStdString();
    for (qsizetype k = 0; k < done.size(); ++k) EXPECT_EQ(done[k], "done\t" + script[k][0] + "\t0");
    const QStringList told =
        comma ? QStringList{"Yazıcı bulunamadı", "tam sayı"} : QStringList{"Yazıcı bulunamadı"};
    EXPECT_EQ(messages.size(), told.size()) << messages.join('\n').toStdString();
    for (qsizetype k = 0; k < std::min(messages.size(), told.size()); ++k) {
      EXPECT_TRUE(messages[k].contains(told[k])) << messages[k].toStdString();
    }

    const QString separator = QRegularExpression::escape(region.separator);
    const QString number = "(\\d+(?:" + separator + "\\d+)?)";
    const auto value = [&](const QString& text) {
      return QString(text).replace(region.separator, '.').toDouble();
    };

    // The text sheets: each line a problem of two such numbers, the larger first where it is
    // ordered; somewhere a number with a fraction.
    QStringList lines =
        QString::fromUtf8(test::readFrom(folder.filePath("ruvakto.txt"))).split("\r\n");
    ASSERT_EQ(lines.takeLast(), "");
    ASSERT_EQ(lines.size(), 6 * kTextSheets.size());
    const char signs[] = {'-', '/', 'x', '+'};
    for (qsizetype k = 0; k < lines.size(); ++k) {
      const char sign = signs[k / 6];
      const QRegularExpressionMatch problem =
          QRegularExpression("^" + number + QRegularExpression::escape(QChar(sign)) + number +
                             "=\\.\\.\\.$")
              .match(lines[k]);
      if (!problem.hasMatch()) {
        ADD_FAILURE() << lines[k].toStdString();
      } else if (sign != '+') {
        EXPECT_GE(value(problem.captured(1)), value(problem.captured(2))) << lines[k].toStdString();
      }
    }
    EXPECT_TRUE(lines.join("").contains(QRegularExpression("\\d" + separator + "\\d")));

    // The decimal pages: every number with a fraction shows the separator, and some do.
    const QRegularExpression decimal("(?<![\\d.,])\\d+([.,])\\d+(?![\\d.,])");
    for (qsizetype k = 1; k <= kDecimalPages.size(); ++k) {
      SCOPED_TRACE(kDecimalPages[k - 1].toStdString());
      const QString text =
          pdfText(folder.filePath(QString("calisma-sayfasi-%1.pdf").arg(k, 4, 10, QChar('0'))));
      int decimals = 0;
      for (const QRegularExpressionMatch& match : decimal.globalMatch(text)) {
        ++decimals;
        EXPECT_EQ(match.captured(1), region.separator) << match.captured(0).toStdString();
      }
      EXPECT_GT(decimals, 0) << text.toStdString();
    }

    // "2,5" is two and a half where the comma is the separator, else 2: counting up from 2,
    // or not at all. "2.5" is two and a half everywhere.
    const QString up = "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ. ileriye sayma";
    const QString down = "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ. geriye sayma";
    EXPECT_TRUE(pdfText(folder.filePath("calisma-sayfasi-0005.pdf")).contains(comma ? up : down));
    EXPECT_TRUE(pdfText(folder.filePath("calisma-sayfasi-0006.pdf")).contains(up));
    EXPECT_EQ(folder.exists("calisma-sayfasi-0007.pdf"), !comma);
  }

  // The C library's number format goes with Qt's only where the system has the locale.
  if (locale_t turkish = newlocale(LC_ALL_MASK, "tr_TR.UTF-8", locale_t(0))) {
    freelocale(turkish);
  } else {
    GTEST_SKIP() << "The locale tr_TR.UTF-8 is not generated here (scripts/install-deps --test "
                    "makes it), so the C library kept the full stop: only Qt's side was tested.";
  }
}

}  // namespace
}  // namespace ws
