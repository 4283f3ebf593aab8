#include "pages/page_units.h"

namespace ws {

PageDefinition form7Definition() {
  return {PageKind::Form7, [] { return blankPage(PageKind::Form7); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
