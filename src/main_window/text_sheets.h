#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "common/parameter_block.h"
#include "common/random.h"
#include "main_window/command_runner.h"
#include "main_window/questions.h"
#include "main_window/text_file.h"

namespace ws {

// The decimal places a text sheet draws with for a places answer: typed with the full stop
// whatever the user's separator.
int textSheetPlaces(std::string_view answer);

// The side-by-side sheets: draws each problem through the scratch fields Label1,
// Label3 and Label5, appends its lines to the text file and opens the editor.
class TextSheets final : public TextSheetRunner {
 public:
  TextSheets(ParameterBlock& block, FractionSource& random, const NumberText& numbers,
             TextFile& file, Editor& editor, Messages& messages);

  void run(const Command& command, const std::vector<std::string>& answers) override;

  // A kind as data (its sign, its ordering, the shapes of its lines), kept with the kinds' table.
  struct Sheet;
  struct LineShape;

 private:
  struct Answers;

  Answers read(const Command& command, const std::vector<std::string>& answers) const;
  void writeRepetition(const Sheet& sheet, const Answers& answers);
  void writeLine(const Sheet& sheet, const LineShape& shape, const Answers& answers);

  ParameterBlock& block_;
  FractionSource& random_;
  const NumberText& numbers_;
  TextFile& file_;
  Editor& editor_;
  Messages& messages_;
};

}  // namespace ws
