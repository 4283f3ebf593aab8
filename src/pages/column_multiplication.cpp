#include "pages/page_units.h"

namespace ws {

PageDefinition form4Definition() {
  return {PageKind::Form4, [] { return blankPage(PageKind::Form4); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
