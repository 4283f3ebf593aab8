#pragma once

#include <array>
#include <string>
#include <utility>

namespace ws {

// The seven hidden fields through which a page command hands its answers and
// constants to its page. Every value is text; a field keeps it until written.
enum class Field { Label1, Label2, Label3, Label4, Label5, Label8, Label9 };

class ParameterBlock {
 public:
  ParameterBlock();

  const std::string& get(Field field) const { return fields_[index(field)]; }
  void set(Field field, std::string text) { fields_[index(field)] = std::move(text); }

  static const char* name(Field field);

 private:
  static std::size_t index(Field field) { return static_cast<std::size_t>(field); }
  std::array<std::string, 7> fields_;
};

}  // namespace ws
