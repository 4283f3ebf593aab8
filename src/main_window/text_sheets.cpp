#include "main_window/text_sheets.h"

namespace ws {

void TextSheets::run(const Command&, const std::vector<std::string>&) {}

}  // namespace ws
