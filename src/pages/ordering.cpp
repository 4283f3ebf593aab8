#include "pages/page_units.h"

namespace ws {

PageDefinition form8Definition() {
  return {PageKind::Form8, [] { return blankPage(PageKind::Form8); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
