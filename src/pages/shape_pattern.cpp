#include "pages/page_units.h"

namespace ws {

PageDefinition form11Definition() {
  return {PageKind::Form11, [] { return blankPage(PageKind::Form11); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
