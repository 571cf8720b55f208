#pragma once
// What every fuzz program shares: the input cut into its parts, messages for
// the user kept quiet, and the readers' promises checked so that a broken one
// stops the run like a crash does.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"

namespace quorval::fuzz {

// The input as text.
inline std::string_view Text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input cut at NUL bytes into at most `count` parts; the last part takes
// the rest. A plain data file (no NUL) is one part.
inline std::vector<std::string> Parts(std::string_view input, size_t count) {
  std::vector<std::string> parts;
  while (parts.size() + 1 < count) {
    const size_t nul = input.find('\0');
    if (nul == std::string_view::npos) break;
    parts.emplace_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  parts.emplace_back(input);
  return parts;
}

// The message boxes a reader shows ("Hand Not Found", ...) would flood the
// output; they are counted and dropped.
inline void QuietMessages() {
  static const bool quiet = [] {
    SetMessageSink([](const std::string&) {});
    return true;
  }();
  (void)quiet;
}

// A promise a reader makes; breaking it stops the run with the input kept.
inline void Require(bool kept, const char* promise) {
  if (kept) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

}  // namespace quorval::fuzz
