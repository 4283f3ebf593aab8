#include "pages/page_units.h"

namespace ws {

PageDefinition form15Definition() {
  return {PageKind::Form15, [] { return blankPage(PageKind::Form15); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
