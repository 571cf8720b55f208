#pragma once
// The plain whole number that the items of field results and filed lines hold.

#include <optional>
#include <string>

namespace quorval {

// A whole number in decimal with an optional sign and nothing else (trailing
// blanks ignored); nothing for any other text or a value out of range.
std::optional<int> WholeNumber(const std::string& text);

}  // namespace quorval
