#pragma once

#include "main_window/command_runner.h"

namespace ws {

class TextSheets final : public TextSheetRunner {
 public:
  void run(const Command& command, const std::vector<std::string>& answers) override;
};

}  // namespace ws
