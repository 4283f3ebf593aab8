#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "pages/hand_over.h"

namespace ws {

// A worksheet window: the page as drawn at load, and its one menu item "Yazdır".
class PageWindow : public QMainWindow {
  Q_OBJECT

 public:
  PageWindow(Page page, PagePrinter& printer);

  const Page& page() const { return page_; }

 private:
  Page page_;
};

// The page windows of the run: at most one open window of each kind.
class QtPageHost final : public PageHost {
 public:
  explicit QtPageHost(PagePrinter& printer) : printer_(printer) {}
  ~QtPageHost() override;

  bool isOpen(PageKind kind) const override;
  void unload(PageKind kind) override;
  void show(PageKind kind, Page page) override;

  PageWindow* window(PageKind kind) const;

 private:
  PagePrinter& printer_;
  std::array<QPointer<PageWindow>, kPageKindCount> windows_;
};

}  // namespace ws
