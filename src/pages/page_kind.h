#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "common/parameter_block.h"
#include "common/random.h"
#include "pages/page_model.h"

namespace ws {

enum class PageKind {
  Form2,
  Form3,
  Form4,
  Form5,
  Form6,
  Form7,
  Form8,
  Form9,
  Form10,
  Form11,
  Form12,
  Form13,
  Form14,
  Form15,
  Form16,
  Form17,
  Form18,
  Form19,
};
inline constexpr int kPageKindCount = 18;

// What a page may use while it loads: the main window's fields (read only),
// the program's one generator and the number text rules.
struct LoadContext {
  const ParameterBlock& block;
  FractionSource& random;
  const NumberText& numbers;
};

// A page kind is its design plus its drawing. The load frame around the drawing
// (picture switch, print rule) is the same for every page.
struct PageDefinition {
  PageKind kind;
  Page (*design)();
  // The field whose text "E" shows the page's switched pictures; none for pages
  // whose pictures always show or that have none.
  std::optional<Field> pictureSwitch;
  // Reads the page's fields, draws the sheet and writes it into the page.
  void (*draw)(Page& page, const LoadContext& context);
  // Answers that would make the page's draws endless or its sheet useless: checked by
  // the command before anything is drawn. Gives the message to show, or nothing.
  std::optional<std::string> (*check)(const ParameterBlock& block,
                                      const NumberText& numbers) = nullptr;
};

const PageDefinition& pageDefinition(PageKind kind);
std::string_view formName(PageKind kind);

// The common worksheet window every design starts from: caption, size and "Yazdır" item.
Page blankPage(PageKind kind);

}  // namespace ws
