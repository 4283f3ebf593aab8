#include "pages/page_units.h"

namespace ws {

PageDefinition form18Definition() {
  return {PageKind::Form18, [] { return blankPage(PageKind::Form18); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

PageDefinition form19Definition() {
  return {PageKind::Form19, [] { return blankPage(PageKind::Form19); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
