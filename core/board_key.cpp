#include "core/board_key.h"

#include <cctype>
#include <cstdio>

namespace quorval {

std::string BoardKey::Text() const {
  char number[8];
  std::snprintf(number, sizeof number, "%02d", board < 0 ? 0 : board % 100);
  return eventType + session + "." + number;
}

std::optional<BoardKey> BoardKey::Parse(std::string_view text) {
  const auto digit = [&text](size_t i) { return std::isdigit(static_cast<unsigned char>(text[i])) != 0; };
  const auto letter = [&text](size_t i) { return std::isalpha(static_cast<unsigned char>(text[i])) != 0; };
  if (text.size() != 8 || text[5] != '.') return std::nullopt;
  if (!letter(0) || !letter(1) || !letter(2) || !digit(3) || !digit(4) || !digit(6) || !digit(7)) return std::nullopt;
  return BoardKey{std::string(text.substr(0, 3)), std::string(text.substr(3, 2)), (text[6] - '0') * 10 + (text[7] - '0')};
}

}  // namespace quorval
