#pragma once

// A user who answers the program's real dialogs the moment they open, so that
// thousands of questions take seconds: each input dialog gets the next answer
// (nullopt confirms the pre-filled text, and a dialog beyond the script is
// cancelled); each message box is read and confirmed.

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

namespace ws::test {

struct Transcript {
  struct Seen {
    QString title, text, defaultText;
  };
  std::vector<Seen> questions, messages;
};

inline Transcript answering(const std::vector<std::optional<QString>>& answers,
                            const std::function<void()>& act) {
  Transcript seen;
  QTimer timer;
  // A zero timer fires once the dialog's own event loop runs, and only then.
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
      const std::size_t k = seen.questions.size();
      seen.questions.push_back({dialog->windowTitle(), dialog->labelText(), dialog->textValue()});
      if (k >= answers.size()) return dialog->reject();
      if (answers[k]) dialog->setTextValue(*answers[k]);
      dialog->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.messages.push_back({box->windowTitle(), box->text(), {}});
      box->accept();
    }
  });
  timer.start(0);
  act();
  return seen;
}

}  // namespace ws::test
