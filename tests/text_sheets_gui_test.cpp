#include <gtest/gtest.h>

#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "main_window/main_window.h"
#include "support/dialog_answerer.h"
#include "support/doubles.h"

namespace ws {
namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program in a fresh current directory, with a PATH of our choosing in front.
class TextSheetWindow : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(work_.isValid() && tools_.isValid());
    previousDir_ = QDir::currentPath();
    previousPath_ = qgetenv("PATH");
    QDir::setCurrent(work_.path());
  }
  void TearDown() override {
    QDir::setCurrent(previousDir_);
    qputenv("PATH", previousPath_);
  }

  // An xdg-open that writes its arguments, one a line, where the test can read them.
  QString installRecordingOpener() {
    const QString record = tools_.filePath(QStringLiteral("opened"));
    const QString script = tools_.filePath(QStringLiteral("xdg-open"));
    QFile file(script);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.part' && mv '%1.part' '%1'\n")
                   .arg(record)
                   .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", tools_.path().toUtf8() + ":" + previousPath_);
    return record;
  }

  void click(Form1& form, const char* item) {
    QAction* action = form.findChild<QAction*>(QString::fromUtf8(item));
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
  }

  QString textFile() const {
    return QDir::current().absoluteFilePath(QStringLiteral("ruvakto.txt"));
  }

  QTemporaryDir work_, tools_;
  QString previousDir_;
  QByteArray previousPath_;
  test::RecordingPrinter printer_;
};

TEST_F(TextSheetWindow, AMenuItemAsksItsQuestionsWritesTheFileAndOpensItOnTheDesktop) {
  const QString record = installRecordingOpener();
  Form1 form(Form1Services{.printer = &printer_});
  test::DialogAnswerer answerer({QStringLiteral("2"), QStringLiteral("1")});
  click(form, "mnuonyuzbincarpma");

  ASSERT_EQ(answerer.questions.size(), 2u);
  for (const auto& asked : answerer.questions) {
    EXPECT_EQ(asked.title, QStringLiteral("10,100 ve 1000 İLE ÇARPMA"));
    EXPECT_EQ(asked.defaultText, QStringLiteral("1"));
  }
  EXPECT_EQ(answerer.questions[0].label, QStringLiteral("Birinci sayının basamak sayısı kaç?"));
  EXPECT_EQ(answerer.questions[1].label, QStringLiteral("Kaç tane hazırlansın?"));

  // The program's generator starts where it always starts.
  EXPECT_EQ(readAll(textFile()), QByteArray("71x10=...\r\n53x100=...\r\n58x1000=...\r\n"));
  EXPECT_EQ(form.parameters().get(Field::Label1), "58");
  EXPECT_EQ(form.parameters().get(Field::Label3), "1000");
  EXPECT_EQ(form.parameters().get(Field::Label5), "...");
  EXPECT_TRUE(answerer.messages.empty());

  // The opener runs on its own; wait until it has written what it was given.
  QDeadlineTimer patience(60000);
  while (!QFile::exists(record) && !patience.hasExpired()) QThread::msleep(10);
  EXPECT_EQ(readAll(record), textFile().toUtf8() + "\n");
}

TEST_F(TextSheetWindow, WithoutAnOpenerTheUserIsToldWhereTheFileIs) {
  qputenv("PATH", tools_.path().toUtf8());
  Form1 form(Form1Services{.printer = &printer_});
  test::DialogAnswerer answerer({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")});
  click(form, "mnuyanyanatoplama");

  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_EQ(answerer.messages[0].title, QStringLiteral("YAN YANA DOĞAL SAYILAR TOPLAMA"));
  EXPECT_TRUE(answerer.messages[0].label.contains(textFile()))
      << answerer.messages[0].label.toStdString();
  EXPECT_EQ(readAll(textFile()).count("\r\n"), 1);
}

}  // namespace
}  // namespace ws
