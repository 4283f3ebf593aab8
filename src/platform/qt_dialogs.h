#pragma once

#include <QPointer>
#include <QWidget>

#include "main_window/questions.h"

namespace ws {

// The question dialog: Qt's input dialog, modal to the main window.
class QtQuestioner final : public Questioner {
 public:
  explicit QtQuestioner(QWidget* parent) : parent_(parent) {}
  std::string ask(std::string_view prompt, std::string_view title,
                  std::string_view defaultAnswer) override;

 private:
  QPointer<QWidget> parent_;
};

class QtMessages final : public Messages {
 public:
  explicit QtMessages(QWidget* parent) : parent_(parent) {}
  void warn(std::string_view title, std::string_view text) override;

 private:
  QPointer<QWidget> parent_;
};

inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ws
