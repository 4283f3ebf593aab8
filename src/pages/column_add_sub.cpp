#include "pages/page_units.h"

namespace ws {

PageDefinition form2Definition() {
  return {PageKind::Form2, [] { return blankPage(PageKind::Form2); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

PageDefinition form3Definition() {
  return {PageKind::Form3, [] { return blankPage(PageKind::Form3); }, std::nullopt,
          [](Page&, const LoadContext&) {}};
}

}  // namespace ws
