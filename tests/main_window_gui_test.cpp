#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <set>

#include "main_window/main_window.h"
#include "support/doubles.h"
#include "support/quick_user.h"

namespace ws {
namespace {

struct MainWindow : testing::Test {
  test::RecordingPrinter printer;
  Form1 window{Form1Services{.printer = &printer}};

  QAction* item(const char* name) { return window.findChild<QAction*>(QString::fromUtf8(name)); }
};

TEST_F(MainWindow, APageWindowStaysUsableWhileAQuestionIsAsked) {
  window.show();
  test::answering({"0"}, [&] { item("mnusaatokuma")->trigger(); });  // a preview stays open
  const QPointer<PageWindow> page = window.pages().window(PageKind::Form9);
  ASSERT_TRUE(page && page->isVisible());

  // Qt tells each window it blocks behind a modal dialog.
  struct BlockWatch : QObject {
    std::set<QObject*> blocked;
    bool eventFilter(QObject* window, QEvent* event) override {
      if (event->type() == QEvent::WindowBlocked) blocked.insert(window);
      return false;
    }
  } watch;
  window.windowHandle()->installEventFilter(&watch);
  page->windowHandle()->installEventFilter(&watch);
  bool asked = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    asked = true;
    EXPECT_EQ(QGuiApplication::modalWindow(), dialog->windowHandle());
    EXPECT_TRUE(watch.blocked.count(window.windowHandle())) << "the main window waits";
    EXPECT_FALSE(watch.blocked.count(page->windowHandle())) << "the page window does not";
    dialog->reject();
  });
  item("mnusaatokuma")->trigger();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(page) << "a cancelled question makes no new page";
}

}  // namespace
}  // namespace ws
