#include "pages/page_window.h"

#include <QMenuBar>

namespace ws {

PageWindow::PageWindow(Page page, PagePrinter& printer) : page_(std::move(page)) {
  setObjectName(QString::fromStdString(page_.form));
  setWindowTitle(QStringLiteral("Çalışma sayfası"));
  setAttribute(Qt::WA_DeleteOnClose);
  QAction* print = menuBar()->addAction(QStringLiteral("Yazdır"));
  print->setObjectName(QString::fromStdString(page_.printItem));
  connect(print, &QAction::triggered, this, [this, &printer] { printer.print(page_); });
}

QtPageHost::~QtPageHost() {
  for (auto& window : windows_) delete window.data();
}

bool QtPageHost::isOpen(PageKind kind) const { return !windows_[static_cast<int>(kind)].isNull(); }

void QtPageHost::unload(PageKind kind) {
  auto& window = windows_[static_cast<int>(kind)];
  delete window.data();
  window.clear();
}

void QtPageHost::show(PageKind kind, Page page) {
  auto* window = new PageWindow(std::move(page), printer_);
  windows_[static_cast<int>(kind)] = window;
  window->show();
}

PageWindow* QtPageHost::window(PageKind kind) const {
  return windows_[static_cast<int>(kind)].data();
}

}  // namespace ws
