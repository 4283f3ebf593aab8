#include "pages/page_window.h"

#include <QMenuBar>
#include <QPainter>
#include <QWidget>

#include "pages/page_painter.h"

namespace ws {

namespace {

constexpr double kTwipsPerInch = 1440;

// The window's client area: the sheet at the screen's resolution, kept whole when resized.
class SheetView final : public QWidget {
 public:
  SheetView(const Page& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("sheet"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
  }

  QSize sizeHint() const override {
    const Box area = page_.drawnArea();
    return QSize(qRound(area.width * logicalDpiX() / kTwipsPerInch),
                 qRound(area.height * logicalDpiY() / kTwipsPerInch));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paintPage(painter, page_, rect());
  }

 private:
  const Page& page_;
};

}  // namespace

PageWindow::PageWindow(Page page, PagePrinter& printer) : page_(std::move(page)) {
  setObjectName(QString::fromStdString(page_.form));
  setWindowTitle(QStringLiteral("Çalışma sayfası"));
  setAttribute(Qt::WA_DeleteOnClose);
  QAction* print = menuBar()->addAction(QStringLiteral("Yazdır"));
  print->setObjectName(QString::fromStdString(page_.printItem));
  // Prints the sheet as it stands: the page drew it once, at its load.
  connect(print, &QAction::triggered, this, [this, &printer] { printer.print(page_); });
  setCentralWidget(new SheetView(page_, this));
  // The design's size, even where that is more than adjustSize() would allow a window.
  resize(sizeHint());
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
