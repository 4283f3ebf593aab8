#include "pages/page_units.h"

namespace ws {

PageDefinition form16Definition() {
  return {PageKind::Form16, [] { return blankPage(PageKind::Form16); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
