#include "pages/page_units.h"

namespace ws {

PageDefinition form6Definition() {
  return {PageKind::Form6, [] { return blankPage(PageKind::Form6); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
