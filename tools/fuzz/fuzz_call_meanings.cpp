// The meanings of the calls ("Meanings2005.txt"): any file is read whole or
// refused with a reason, never half; what is read is written back by the
// generator's writer and reads again as the same meanings. A single meaning
// that reads is written and read back unchanged.
//
// Input: a meanings file.
#include "data/call_meanings.h"
#include "fuzz_util.h"

using namespace quorval;
using namespace quorval::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  if (size > 64 * 1024) return 0;
  const std::string_view text = Text(data, size);
  CallMeanings meanings;
  std::string problem;
  if (!meanings.Load(text, &problem)) {
    Require(meanings.Empty(), "a refused file leaves no meanings");
    Require(!problem.empty(), "a refused file says why");
  } else {
    CallMeanings again;
    std::string why;
    Require(again.Load(MeaningsFileText(meanings.Systems()), &why), "what was read is written so it reads again");
    Require(again.Systems() == meanings.Systems(), "and reads as the same meanings");
  }
  // Each line's text after the first TAB or '=' as one meaning's value.
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    const size_t cut = line.find_first_of("\t=");
    if (cut != std::string_view::npos) {
      if (const auto m = ParseMeaningValue(line.substr(cut + 1))) {
        const auto back = ParseMeaningValue(MeaningValueText(*m));
        Require(back && *back == *m, "a meaning written reads back the same");
      }
    }
    start = end + 1;
  }
  return 0;
}
