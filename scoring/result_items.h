#pragma once
// Small readers shared by the field results and the player's filed lines:
// the plain whole number their items hold, and the value of a named line in a
// list of raw INI lines.

#include <optional>
#include <string>
#include <vector>

namespace quorval {

// A whole number in decimal with an optional sign and nothing else (trailing
// blanks ignored); nothing for any other text or a value out of range.
std::optional<int> WholeNumber(const std::string& text);

// The value of the first line named `key` (without regard to case), or
// nothing when no line has that name.
std::optional<std::string> LineValue(const std::vector<std::string>& lines, const std::string& key);

}  // namespace quorval
