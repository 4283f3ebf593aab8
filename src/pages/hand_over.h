#pragma once

#include <string_view>

#include "pages/page_frame.h"

namespace ws {

// The windows of the pages: at most one open page of each kind.
class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual bool isOpen(PageKind kind) const = 0;
  virtual void unload(PageKind kind) = 0;
  // Shows a loaded page without waiting for the user.
  virtual void show(PageKind kind, Page page) = 0;
};

// The last step of every page command: a preview for the count 0, otherwise
// N freshly drawn sheets, each printed as it loads.
class HandOver {
 public:
  HandOver(ParameterBlock& block, const NumberText& numbers, PageFrame& frame, PageHost& host);

  void run(PageKind kind, std::string_view countAnswer);

 private:
  ParameterBlock& block_;
  const NumberText& numbers_;
  PageFrame& frame_;
  PageHost& host_;
};

}  // namespace ws
