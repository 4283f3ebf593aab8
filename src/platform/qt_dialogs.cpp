#include "platform/qt_dialogs.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>

namespace ws {

std::string QtQuestioner::ask(std::string_view prompt, std::string_view title,
                              std::string_view defaultAnswer) {
  QInputDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("questionDialog"));
  // Blocks the main window only: an open page window stays usable while the user thinks.
  if (parent_) dialog.setWindowModality(Qt::WindowModal);
  dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(toQString(title));
  dialog.setLabelText(toQString(prompt));
  dialog.setTextValue(toQString(defaultAnswer));
  dialog.setOkButtonText(QStringLiteral("Tamam"));
  dialog.setCancelButtonText(QStringLiteral("İptal"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue().toStdString();
}

void QtMessages::warn(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Warning, toQString(title), toQString(text), QMessageBox::Ok,
                  parent_);
  box.setObjectName(QStringLiteral("warningMessage"));
  box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
  box.exec();
}

}  // namespace ws
