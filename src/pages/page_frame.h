#pragma once

#include <functional>

#include "pages/page_kind.h"

namespace ws {

// Puts one page on one sheet of paper.
class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  virtual void print(const Page& page) = 0;
  // The sheets printed between these two calls are one batch: what befell them is told
  // once, after the last. A sheet printed outside a batch is a batch of its own.
  virtual void beginBatch() {}
  virtual void endBatch() {}
};

// A batch for as long as it lives.
class PrintBatch {
 public:
  explicit PrintBatch(PagePrinter& printer) : printer_(printer) { printer_.beginBatch(); }
  ~PrintBatch() { printer_.endBatch(); }
  PrintBatch(const PrintBatch&) = delete;
  PrintBatch& operator=(const PrintBatch&) = delete;

 private:
  PagePrinter& printer_;
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
  PagePrinter& printer() const { return printer_; }

 private:
  LoadContext context_;
  PagePrinter& printer_;
  std::function<void()> bringMainWindowToFront_;
};

}  // namespace ws
