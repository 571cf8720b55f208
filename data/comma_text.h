#pragma once
// The comma text: the list form the values of every data file use (a field
// result, a player's result line, a library line). Items are separated by
// commas; an item holding a blank, a comma, a quote or a control character is
// written in double quotes with inner quotes doubled.

#include <string>
#include <string_view>
#include <vector>

namespace quorval {

// Splits a comma text into its items. Blanks also end an unquoted item, two
// adjacent commas give an empty item, and a comma that ends the text gives a
// final empty item, so every list written by WriteCommaText reads back.
std::vector<std::string> ReadCommaText(std::string_view text);

// Joins the items with commas, quoting where needed. A list of exactly one
// empty item is written as two double quotes.
std::string WriteCommaText(const std::vector<std::string>& items);

}  // namespace quorval
