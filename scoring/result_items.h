#pragma once
// The plain whole number that the items of field results and filed lines hold.

#include <optional>
#include <string>

#include "core/calls.h"

namespace quorval {

// A whole number in decimal with an optional sign and nothing else (trailing
// blanks ignored); nothing for any other text or a value out of range.
std::optional<int> WholeNumber(const std::string& text);

// The contract of a result's declarer and contract items ("N", "4SX";
// either case, "3nt" too). An item that names no bid (the passed-out label)
// gives a passed-out contract.
Contract ResultContract(const std::string& declarer, const std::string& contract);

}  // namespace quorval
