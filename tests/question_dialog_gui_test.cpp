#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <utility>

#include "platform/qt_dialogs.h"

namespace ws {
namespace {

struct SeenDialog {
  QString title, prompt, answerBox;
  bool helpButton = true, modal = false;
};

// Asks one question through the real dialog; the user types `typed` (or leaves the box as it
// is) and confirms, or cancels when `confirm` is false.
std::pair<std::string, SeenDialog> askOnce(QWidget* parent, std::optional<QString> typed,
                                           bool confirm) {
  SeenDialog seen;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    seen = {dialog->windowTitle(), dialog->labelText(), dialog->textValue(),
            dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint), dialog->isModal()};
    if (typed) dialog->setTextValue(*typed);
    confirm ? dialog->accept() : dialog->reject();
  });
  QtQuestioner questioner(parent);
  std::string answer = questioner.ask("Kaç tane hazırlansın?", "RESİMLİ ÇIKTI", "0");
  return {std::move(answer), seen};
}

// The prompt, title and pre-filled default each land in their place; the answer comes back
// exactly as typed, and a cancel gives the empty answer that stops the command.
TEST(QuestionDialog, ShowsPromptTitleAndDefaultAndGivesBackWhatWasTypedOrNothing) {
  QWidget mainWindow;
  mainWindow.show();
  const auto [kept, seen] = askOnce(&mainWindow, std::nullopt, true);
  EXPECT_EQ(seen.title, QStringLiteral("RESİMLİ ÇIKTI"));
  EXPECT_EQ(seen.prompt, QStringLiteral("Kaç tane hazırlansın?"));
  EXPECT_EQ(seen.answerBox, QStringLiteral("0"));
  EXPECT_FALSE(seen.helpButton);
  EXPECT_TRUE(seen.modal);
  EXPECT_EQ(kept, "0");

  const std::pair<const char*, bool> answers[] = {
      {" E", true}, {"2 ", true}, {"Evet", true}, {"3", false}, {"", true}};
  for (const auto& [typed, confirm] : answers) {
    SCOPED_TRACE(std::string(typed) + (confirm ? " confirmed" : " cancelled"));
    EXPECT_EQ(askOnce(&mainWindow, QString::fromUtf8(typed), confirm).first, confirm ? typed : "");
  }
}

}  // namespace
}  // namespace ws
