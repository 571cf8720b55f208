// The comma text every list value uses, and the player's result line read
// from it.
//
// Input: a comma text; its NUL-separated pieces are also taken as the items
// of a list to write.
#include "data/comma_text.h"
#include "fuzz_util.h"
#include "scoring/player_results.h"

using namespace quorval;
using namespace quorval::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const std::string_view text = Text(data, size);
  const std::vector<std::string> items = ReadCommaText(text);
  Require(ReadCommaText(WriteCommaText(items)) == items, "a list read reads back after writing");

  const std::vector<std::string> pieces = Parts(text, 64);
  Require(ReadCommaText(WriteCommaText(pieces)) == pieces, "any list written reads back");

  if (const auto filed = ReadFiledResult(std::string(text))) {
    Require(filed->items.size() >= 25, "a result line has 25 items");
    for (int i = 1; i <= 21; ++i) filed->FiledFigureAt(i);
  }
  return 0;
}
