#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "main_window/main_window.h"
#include "support/dialog_answerer.h"
#include "support/doubles.h"

namespace ws {
namespace {

using test::DialogAnswerer;

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
  DialogAnswerer user({"2", "1", "e", std::nullopt});
  item("mnualtaltacarpma")->trigger();
  ASSERT_EQ(user.questions.size(), 4u);
  EXPECT_EQ(user.questions[0].title, "ALT ALTA DOĞAL SAYILAR ÇARPMA");
  EXPECT_EQ(user.questions[0].label, "Birinci sayının basamak sayısı kaç?");
  EXPECT_EQ(user.questions[0].defaultText, "1");
  EXPECT_EQ(user.questions[2].title, "RESİMLİ ÇIKTI");
  EXPECT_EQ(user.questions[2].defaultText, "E");
  EXPECT_EQ(user.questions[3].label, "Kaç tane hazırlansın?");
  EXPECT_EQ(user.questions[3].defaultText, "0");
  // Cancelled at the count: the answers stay, the constants are not written.
  EXPECT_EQ(window.parameters().get(Field::Label2), "e");
  EXPECT_EQ(window.parameters().get(Field::Label5), "?");
  EXPECT_TRUE(printer.printed.empty());
}

TEST_F(MainWindow, RefusedAnswerIsToldInAMessageBox) {
  DialogAnswerer user({"500"});
  item("mnualtaltatoplama")->trigger();
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].title, "ALT ALTA DOĞAL SAYILAR TOPLAMA");
  EXPECT_TRUE(user.messages[0].label.contains("308"));
  EXPECT_EQ(window.parameters().get(Field::Label1), "?");
}

TEST_F(MainWindow, BatchPrintsEverySheetAndPreviewOpensThePage) {
  {
    DialogAnswerer user({"2", "2", "E", "2"});
    item("mnualtaltaçıkarma")->trigger();
  }
  EXPECT_EQ(printer.printed.size(), 2u);
  EXPECT_FALSE(window.pages().isOpen(PageKind::Form3));
  {
    DialogAnswerer user({"0"});
    item("mnusaatokuma")->trigger();
  }
  EXPECT_TRUE(window.pages().isOpen(PageKind::Form9));
  EXPECT_EQ(window.parameters().get(Field::Label9), "0");
  EXPECT_EQ(printer.printed.size(), 2u);
}

}  // namespace
}  // namespace ws
