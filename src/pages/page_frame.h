#pragma once

#include <functional>

#include "pages/page_kind.h"

namespace ws {

// Puts one page on one sheet of paper.
class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  virtual void print(const Page& page) = 0;
};

// Drawing alone, without printing: the design, the picture switch and the page's draw.
Page drawPage(PageKind kind, const LoadContext& context);

// Loads a page from its design: drawPage, then the print rule: unless the preview
// flag reads 1 the sheet is printed and the main window brought back to the front.
class PageFrame {
 public:
  PageFrame(LoadContext context, PagePrinter& printer,
            std::function<void()> bringMainWindowToFront);

  Page load(PageKind kind);

 private:
  LoadContext context_;
  PagePrinter& printer_;
  std::function<void()> bringMainWindowToFront_;
};

}  // namespace ws
