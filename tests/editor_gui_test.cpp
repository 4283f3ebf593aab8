#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>

#include "platform/qt_editor.h"
#include "support/program_folder.h"

namespace ws {
namespace {

class DesktopEditor : public test::ProgramFolder {
 protected:
  // Starts the editor on ruvakto.txt and waits until it has told how it ended.
  std::vector<std::string> open(QtEditor& editor) {
    std::vector<std::string> told;
    const auto refused =
        editor.start(file().toStdString(), [&](const std::string& why) { told.push_back(why); });
    EXPECT_FALSE(refused) << *refused;
    for (QDeadlineTimer deadline(20000); editor.waiting() && !deadline.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(editor.waiting());
    return told;
  }

  static QString file() { return QDir::current().absoluteFilePath("ruvakto.txt"); }
};

TEST_F(DesktopEditor, AnOpenerThatFailsIsToldAndOneThatSucceedsIsNot) {
  QtEditor editor;
  EXPECT_TRUE(open(editor).empty());
  editorStandIn("exit 3\n");
  const std::vector<std::string> told = open(editor);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "xdg-open 3 koduyla sona erdi: bu dosyayı açacak bir program bulunamadı");
  EXPECT_EQ(test::readFrom(opened()), (file() + '\n').repeated(2).toUtf8());
}

TEST_F(DesktopEditor, TheEditorRunsOnWhenTheProgramIsDone) {
  editorStandIn("sleep 0.3\necho done >> '" + opened().toUtf8() + "'\n");
  {
    QtEditor editor;
    ASSERT_FALSE(editor.start(file().toStdString(), nullptr));
  }
  for (int tries = 0; tries < 2000 && !test::readFrom(opened()).contains("done"); ++tries)
    usleep(10000);
  EXPECT_EQ(test::readFrom(opened()), file().toUtf8() + "\ndone\n");
}

// Started from a terminal, the program and the editor would otherwise end together when the
// terminal closes, taking the teacher's unsaved edits with them.
TEST_F(DesktopEditor, TheEditorRunsInASessionOfItsOwn) {
  // The session is the sixth field of the opener's /proc/PID/stat.
  editorStandIn("read -r stat < /proc/$$/stat\nset -- $stat\necho \"$6\" > '" +
                tools_.filePath("session").toUtf8() + "'\n");
  QtEditor editor;
  EXPECT_TRUE(open(editor).empty());
  const QByteArray session = test::readFrom(tools_.filePath("session")).trimmed();
  ASSERT_FALSE(session.isEmpty());
  EXPECT_NE(session.toLong(), long(getsid(0)));
}

}  // namespace
}  // namespace ws
