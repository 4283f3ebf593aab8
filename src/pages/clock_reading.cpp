#include "pages/page_units.h"

namespace ws {

PageDefinition form9Definition() {
  return {PageKind::Form9, [] { return blankPage(PageKind::Form9); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
