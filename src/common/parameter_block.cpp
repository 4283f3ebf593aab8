#include "common/parameter_block.h"

namespace ws {

// The fields' captions as the main window was designed; a page loaded before
// any command has written them reads these.
ParameterBlock::ParameterBlock() : fields_{"?", "+", "?", "=", "?", "Label8", "Label9"} {}

const char* ParameterBlock::name(Field field) {
  switch (field) {
    case Field::Label1:
      return "Label1";
    case Field::Label2:
      return "Label2";
    case Field::Label3:
      return "Label3";
    case Field::Label4:
      return "Label4";
    case Field::Label5:
      return "Label5";
    case Field::Label8:
      return "Label8";
    case Field::Label9:
      return "Label9";
  }
  return "";
}

}  // namespace ws
