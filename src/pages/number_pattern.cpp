#include "pages/page_units.h"

namespace ws {

PageDefinition form10Definition() {
  return {PageKind::Form10, [] { return blankPage(PageKind::Form10); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
