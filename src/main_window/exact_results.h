#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "main_window/commands.h"

namespace ws {

// The number text writes at most this many significant digits, and a whole number from
// 10 to this power on with an exponent.
inline constexpr int kExactDigits = 15;

// A command whose sheet shows a result is refused when, and only when, the largest number its
// draws can give, drawn or formed, needs more digits than the number text writes. Given the
// command's answers in the order asked, the message naming the answers to make smaller, or
// nothing.
std::optional<std::string> inexactResultRefusal(const Command& command,
                                                const std::vector<std::string>& answers,
                                                const NumberText& numbers);

}  // namespace ws
