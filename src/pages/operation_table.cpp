#include "pages/page_units.h"

namespace ws {

PageDefinition form12Definition() {
  return {PageKind::Form12, [] { return blankPage(PageKind::Form12); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
