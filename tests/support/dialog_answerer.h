#pragma once

// Answers the program's real modal dialogs from a script, the way a user would:
// a timer watches for the active modal widget, types the answer and confirms.

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace ws::test {

class DialogAnswerer {
 public:
  struct Seen {
    QString title, label, defaultText;
  };

  // nullopt cancels the dialog.
  explicit DialogAnswerer(std::vector<std::optional<QString>> answers)
      : answers_(answers.begin(), answers.end()) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(5);
  }

  std::vector<Seen> questions;
  std::vector<Seen> messages;

 private:
  void poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
      questions.push_back({dialog->windowTitle(), dialog->labelText(), dialog->textValue()});
      if (answers_.empty() || !answers_.front()) {
        if (!answers_.empty()) answers_.pop_front();
        dialog->reject();
        return;
      }
      dialog->setTextValue(*answers_.front());
      answers_.pop_front();
      dialog->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages.push_back({box->windowTitle(), box->text(), {}});
      box->accept();
    }
  }

  std::deque<std::optional<QString>> answers_;
  QTimer timer_;
};

}  // namespace ws::test
