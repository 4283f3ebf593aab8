#include "pages/page_units.h"

namespace ws {

PageDefinition form5Definition() {
  return {PageKind::Form5, [] { return blankPage(PageKind::Form5); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
