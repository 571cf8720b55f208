#include "scoring/result_items.h"

#include <algorithm>
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

Contract ResultContract(const std::string& declarer, const std::string& contract) {
  Contract result;
  std::string text = contract;
  int doubled = 0;
  while (!text.empty() && (text.back() == 'X' || text.back() == 'x')) {
    text.pop_back();
    ++doubled;
  }
  const CallCode bid = ParseCall(text);
  if (!IsBid(bid)) return result;
  result.bid = bid;
  result.DoubledCount = std::min(doubled, 2);
  result.declarer = ParseSeat(declarer, North);
  return result;
}

}  // namespace quorval
