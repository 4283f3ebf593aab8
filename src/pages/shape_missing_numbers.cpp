#include "pages/page_units.h"

namespace ws {

PageDefinition form13Definition() {
  return {PageKind::Form13, [] { return blankPage(PageKind::Form13); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

PageDefinition form14Definition() {
  return {PageKind::Form14, [] { return blankPage(PageKind::Form14); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
