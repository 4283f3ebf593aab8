#pragma once

#include <QPointer>
#include <QWidget>

#include "pages/page_frame.h"

namespace ws {

// Prints a page on one sheet of the default printer.
class QtPrinter final : public PagePrinter {
 public:
  explicit QtPrinter(QWidget* parent) : parent_(parent) {}
  void print(const Page& page) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace ws
