#include "scoring/result_items.h"

#include <charconv>

#include "data/ini_store.h"

namespace quorval {

std::optional<int> WholeNumber(const std::string& text) {
  size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  size_t begin = 0;
  if (begin < end && text[begin] == '+') ++begin;
  if (begin == end) return std::nullopt;
  int value = 0;
  const char* first = text.data() + begin;
  const char* last = text.data() + end;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc{} || ptr != last) return std::nullopt;
  return value;
}

}  // namespace quorval
