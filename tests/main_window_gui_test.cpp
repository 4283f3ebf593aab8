#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <set>

#include "main_window/main_window.h"
#include "platform/qt_dialogs.h"
#include "support/doubles.h"
#include "support/quick_user.h"

namespace ws {
namespace {

struct MainWindow : testing::Test {
  test::RecordingPrinter printer;
  Form1 window{Form1Services{.printer = &printer}};

  QAction* item(const char* name) { return window.findChild<QAction*>(QString::fromUtf8(name)); }
};

// The menu bar left to right: each menu's name and caption, then its items in order as
// "name=caption"; a separator by its name alone.
struct MenuTexts {
  const char *item, *caption;
  QStringList entries;
};
// clang-format off
const MenuTexts kMenuBar[] = {
    {"mnutoplama", "Toplama", {
        "mnuyanyanatoplama=Yan yana doğal sayılar",
        "mnuyanyanatoplamabilin=Yan yana doğal sayılar bilinmeyenli",
        "mnuyanyanaondalıktopla=Yan yana ondalık sayılar",
        "mnuyanyanaondalıktoplamabil=Yan yana ondalık sayı bilinmeyenli",
        "mnucizgi1",
        "mnualtaltatoplama=Alt alta doğal sayılar",
        "mnualtaltabilintoplama=Alt alta doğal sayılar bilinmeyenli",
        "mnutoplamaçıkarma=Alt alta Toplama-Çıkarma karışık",
        "mnualtaltaondalıktoplama=Alt alta ondalık sayılar",
        "mnusekillitoplacıkar=Şekilli toplama-çıkarma karışık",
        "mnusekillitoplama=Şekilli toplama bilinmeyenli"}},
    {"mnuçıkarma", "Çıkarma", {
        "mnuyanyanaçıkarma=Yan yana doğal sayılar",
        "mnuYanyanabilinmeyenliçıkarma=Yan yana doğal sayılar bilinmeyenli",
        "mnuyanyanaondalıkcıkar=Yan yana ondalık sayılar",
        "mnucizgi2",
        "mnualtaltaçıkarma=Alt alta doğal sayılar",
        "mnualtaltaçıkarmabilinmeye=Alt alta doğal sayılar bilinmeyenli",
        "mnualtlataondalıkcıkar=Alt alta ondalık sayılar",
        "mnusekillicıkarmabilin=Şekilli  Çıkarma bilinmeyenli"}},
    {"mnucarpma", "Çarpma", {
        "mnuyanyanacarpma=Yan yana doğal sayılar",
        "mnuyanyanabilincarpma=Yan yana doğal sayılar bilinmeyenli",
        "mnuonyuzbincarpma=10,100,1000 ile çarpma",
        "mnuyanyanaondalıkcarp=Yan yana ondalık sayılar",
        "mnucizgi3",
        "mnualtaltacarpma=Alt alta doğal sayılar",
        "mnualtaltabilinmeyencarpma=Alt alta doğal sayılar bilinmeyenli",
        "mnualtaltacarpmaondalık=Alt alta ondalık sayılar",
        "mnualtaltacarpmabilinmeyenondalık=Alt alta ondalık sayılar bilinmeyenli"}},
    {"mnubolme", "Bölme", {
        "mnuyanyanabolme=Yan yana doğal sayılar",
        "mnuyanyanabilinmeyenbolme=Yan yana doğal sayılar bilinmeyenli",
        "mnuyanyanaondalıkbolme=Yan yana ondalık sayılar",
        "mnucizgi4",
        "mnukalanlıbölme=Kalanlı bölme doğal sayılar",
        "mnukalansızbolme=Kalansız bölme doğal sayılar",
        "mnukalanlıondalıkbolme=Kalanlı bölme ondalık sayılar",
        "mnukalansızondalıkbolme=Kalansız bölme ondalık sayılar"}},
    {"mnudiger", "Diğer", {
        "mnusayıyuvarlaonluk=Sayıları yuvarla onluğa",
        "mnusayılarıyuvarlayuzluk=Sayıları yuvarla yüzlüğe",
        "mnuteciftsayıbul=Tek-çift sayı bulma",
        "mnubuyukkucukesitbul=Büyük-Eşit-Küçük bulma",
        "mnusayıdogrusutoplacıkar=Sayı doğrusunda toplama-çıkarma",
        "mnusıralamalar=B->K ve K->B sıralamalar",
        "mnusaatokuma=Saat okuma",
        "mnusaatokutam=Saat okuma tam",
        "mnusaatokutamyarımceyrek=Saat okuma tam-yarım-çeyrek",
        "mnusayıoruntusu=Sayı örüntüleri",
        "mnusekiloruntu=Şekil örüntüleri",
        "mnuislemtablosu=İşlem tablosu",
        "mnuislemtabloboya=İşlem tablosu boyamalı",
        "mnuçokluyanyanaişlem=Çoklu yan yana işlemler"}},
};
// clang-format on

// The one item that can never be chosen; it stays on the menu, greyed out.
constexpr const char* kUnavailable = "mnuyanyanaondalıktoplamabil";

TEST_F(MainWindow, ShowsItsTitleContactLinesAndTheWholeMenu) {
  window.show();
  EXPECT_EQ(window.windowTitle(), "Matematik Çalışma Sayfaları");

  // An underlined blue invitation over the red addresses it refers to.
  const struct {
    const char* name;
    QColor colour;
    bool underlined;
  } contacts[] = {{"Label6", QColor(0, 0, 255), true}, {"Label7", QColor(255, 0, 0), false}};
  for (const auto& contact : contacts) {
    SCOPED_TRACE(contact.name);
    const auto* label = window.findChild<QLabel*>(contact.name);
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->isVisible() && !label->text().trimmed().isEmpty());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), contact.colour);
    EXPECT_EQ(label->font().underline(), contact.underlined);
  }

  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), std::ssize(kMenuBar));
  for (qsizetype m = 0; m < menus.size(); ++m) {
    const MenuTexts& expected = kMenuBar[m];
    SCOPED_TRACE(expected.caption);
    ASSERT_TRUE(menus[m]->menu());
    EXPECT_EQ(menus[m]->text(), expected.caption);
    EXPECT_EQ(menus[m]->menu()->objectName(), expected.item);
    QStringList entries;
    for (const QAction* action : menus[m]->menu()->actions()) {
      entries << action->objectName() + (action->isSeparator() ? "" : '=' + action->text());
      EXPECT_TRUE(action->isVisible()) << action->objectName().toStdString();
      EXPECT_EQ(action->isEnabled(), action->objectName() != kUnavailable)
          << action->objectName().toStdString();
      EXPECT_TRUE(action->shortcut().isEmpty() && !action->isCheckable());
    }
    EXPECT_EQ(entries, expected.entries);
  }
}

// Each item asks its own command's questions: the dialog the teacher meets is the command's.
TEST_F(MainWindow, EachItemAsksItsOwnCommandsQuestions) {
  for (const Command* command : allCommands()) {
    if (!command->available) continue;
    SCOPED_TRACE(command->item);
    QAction* action = item(command->item.data());
    ASSERT_TRUE(action);
    // Every default confirmed, the count cancelled: nothing is made.
    const test::Transcript seen =
        test::answering(std::vector<std::optional<QString>>(command->questions.size() - 1),
                        [&] { action->trigger(); });
    ASSERT_EQ(seen.questions.size(), command->questions.size());
    for (std::size_t q = 0; q < seen.questions.size(); ++q) {
      const Prompt prompt = command->questions[q].prompt;
      EXPECT_EQ(seen.questions[q].text, toQString(promptText(prompt)));
      EXPECT_EQ(seen.questions[q].title,
                toQString(prompt == Prompt::Pictures ? kPictureTitle : command->title));
      EXPECT_EQ(seen.questions[q].defaultText,
                toQString(prompt == Prompt::Count ? command->countDefault : defaultAnswer(prompt)));
    }
    EXPECT_TRUE(seen.messages.empty());
  }
  EXPECT_TRUE(printer.printed.empty());
}

TEST_F(MainWindow, ItemAsksItsQuestionsInRealDialogsAndStoresTheAnswers) {
  // A decimal command leaves places behind; cancelled at the count, it makes no sheet.
  test::answering({"1", "2", "1", "1", "E"}, [&] { item("mnualtaltacarpmaondalık")->trigger(); });
  EXPECT_FALSE(window.pages().window(PageKind::Form4));

  const auto user =
      test::answering({"2", "1", "e", "0"}, [&] { item("mnualtaltacarpma")->trigger(); });
  // Prompt, title and default of each dialog.
  const QStringList expected{"Birinci sayının basamak sayısı kaç?|ALT ALTA DOĞAL SAYILAR ÇARPMA|1",
                             "İkinci sayının basamak sayısı kaç?|ALT ALTA DOĞAL SAYILAR ÇARPMA|1",
                             "Resimli olsun mu (E,H)?|RESİMLİ ÇIKTI|E",
                             "Kaç tane hazırlansın?|ALT ALTA DOĞAL SAYILAR ÇARPMA|0"};
  QStringList asked;
  for (const auto& q : user.questions) asked << q.text + '|' + q.title + '|' + q.defaultText;
  EXPECT_EQ(asked, expected);

  // The preview shows what the answers ask for: no pictures for a lower-case e, whole factors up
  // to 100 over factors up to 10, though the decimal command left places behind.
  const PageWindow* preview = window.pages().window(PageKind::Form4);
  ASSERT_TRUE(preview && preview->isVisible());
  const Page& page = preview->page();
  for (const Picture& picture : page.pictures) EXPECT_FALSE(picture.switched && picture.visible);
  for (int k = 0; k < 30; ++k) {
    for (const char* name : {"Label2", "Label3"}) {
      const QString factor = QString::fromStdString(page.text(name, k).caption);
      bool whole = false;
      const int value = factor.toInt(&whole);
      EXPECT_TRUE(whole && value >= 0) << name << k << ' ' << factor.toStdString();
      EXPECT_LE(value, 100);
    }
    EXPECT_LE(QString::fromStdString(page.text("Label3", k).caption).toInt(), 10);
  }
  EXPECT_TRUE(printer.printed.empty());
}

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
