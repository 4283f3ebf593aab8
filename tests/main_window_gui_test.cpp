#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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

TEST_F(MainWindow, ShowsItsTitleContactLinesAndTheWholeMenu) {
  window.show();
  EXPECT_EQ(window.windowTitle(), "Matematik Çalışma Sayfaları");
  EXPECT_FALSE(window.findChild<QLabel*>("Label6")->text().isEmpty());
  EXPECT_FALSE(window.findChild<QLabel*>("Label7")->text().isEmpty());

  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 5);
  QStringList captions;
  int commands = 0;
  for (QAction* menu : menus) {
    captions << menu->text();
    for (QAction* action : menu->menu()->actions()) commands += !action->isSeparator();
  }
  EXPECT_EQ(captions, (QStringList{"Toplama", "Çıkarma", "Çarpma", "Bölme", "Diğer"}));
  EXPECT_EQ(commands, 46);
  EXPECT_EQ(item("mnusekillicıkarmabilin")->text(), "Şekilli  Çıkarma bilinmeyenli");
  EXPECT_FALSE(item("mnuyanyanaondalıktoplamabil")->isEnabled());
  EXPECT_TRUE(item("mnualtaltacarpma")->isEnabled());
  EXPECT_TRUE(item("mnucizgi3")->isSeparator());
}

TEST_F(MainWindow, ItemAsksItsQuestionsInRealDialogsAndStoresTheAnswers) {
  // Cancelled at the count: the answers stay, the constants are not written.
  const auto user = test::answering({"2", "1", "e"}, [&] { item("mnualtaltacarpma")->trigger(); });
  ASSERT_EQ(user.questions.size(), 4u);
  EXPECT_EQ(user.questions[0].title, "ALT ALTA DOĞAL SAYILAR ÇARPMA");
  EXPECT_EQ(user.questions[0].text, "Birinci sayının basamak sayısı kaç?");
  EXPECT_EQ(user.questions[0].defaultText, "1");
  EXPECT_EQ(user.questions[2].title, "RESİMLİ ÇIKTI");
  EXPECT_EQ(user.questions[2].defaultText, "E");
  EXPECT_EQ(user.questions[3].text, "Kaç tane hazırlansın?");
  EXPECT_EQ(user.questions[3].defaultText, "0");
  EXPECT_EQ(window.parameters().get(Field::Label2), "e");
  EXPECT_EQ(window.parameters().get(Field::Label5), "?");
  EXPECT_TRUE(printer.printed.empty());
}

TEST_F(MainWindow, APageWindowStaysUsableWhileAQuestionIsAsked) {
  window.show();
  test::answering({"0"}, [&] { item("mnusaatokuma")->trigger(); });  // a preview stays open
  PageWindow* page = window.pages().window(PageKind::Form9);
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
}

}  // namespace
}  // namespace ws
