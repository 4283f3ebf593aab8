#pragma once

#include "main_window/text_file.h"

namespace ws {

// The desktop's own opener for the file: xdg-open, or Notepad on Windows.
class QtEditor final : public Editor {
 public:
  std::optional<std::string> start(const std::string& path) override;
};

}  // namespace ws
