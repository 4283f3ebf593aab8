#include "pages/page_units.h"

namespace ws {

PageDefinition form17Definition() {
  return {PageKind::Form17, [] { return blankPage(PageKind::Form17); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
