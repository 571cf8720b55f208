#include "data/comma_text.h"

namespace quorval {

namespace {

constexpr char kQuote = '"';
constexpr char kDelimiter = ',';

// Blanks and control characters (NUL included) separate items.
bool IsSpace(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<std::string> ReadCommaText(std::string_view text) {
  std::vector<std::string> items;
  size_t p = 0;
  const size_t n = text.size();
  while (p < n && IsSpace(text[p])) ++p;
  while (p < n) {
    std::string item;
    if (text[p] == kQuote) {
      // Runs to the matching quote; a doubled quote stands for one. An
      // unterminated quote takes the rest of the text.
      ++p;
      while (p < n) {
        if (text[p] == kQuote) {
          if (p + 1 < n && text[p + 1] == kQuote) {
            item += kQuote;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += text[p++];
      }
    } else {
      const size_t start = p;
      while (p < n && !IsSpace(text[p]) && text[p] != kDelimiter) ++p;
      item.assign(text.substr(start, p - start));
    }
    items.push_back(std::move(item));
    while (p < n && IsSpace(text[p])) ++p;
    if (p < n && text[p] == kDelimiter) {
      if (p + 1 == n) items.emplace_back();
      do {
        ++p;
      } while (p < n && IsSpace(text[p]));
    }
  }
  return items;
}

std::string WriteCommaText(const std::vector<std::string>& items) {
  if (items.size() == 1 && items[0].empty()) return std::string(2, kQuote);
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += kDelimiter;
    const std::string& item = items[i];
    bool quote = false;
    for (const char c : item)
      if (IsSpace(c) || c == kQuote || c == kDelimiter) {
        quote = true;
        break;
      }
    if (!quote) {
      out += item;
      continue;
    }
    out += kQuote;
    for (const char c : item) {
      if (c == kQuote) out += kQuote;
      out += c;
    }
    out += kQuote;
  }
  return out;
}

}  // namespace quorval
