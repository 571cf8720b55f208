// The field results of a board as the end of a board uses them: the 18
// results appended, turned with the board, compared with the user's result
// by IMPs and by every match-point method, and the player's line filed and
// read back.
//
// Input: a "Results2005.ini" text.
#include <cmath>

#include "data/ini_store.h"
#include "data/library_rules.h"
#include "fuzz_util.h"
#include "scoring/board_result.h"
#include "scoring/field_comparison.h"
#include "scoring/field_results.h"
#include "scoring/player_results.h"

using namespace quorval;
using namespace quorval::fuzz;

namespace {

// A few contracts the user may have reached, one per section in turn.
Contract UserContract(size_t i) {
  const Contract contracts[] = {{MakeBid(4, Spade), 0, South}, {MakeBid(3, NT), 1, West},
                                {MakeBid(7, Heart), 2, North}, {Pass, 0, North}};
  return contracts[i % 4];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  TMyINI store("");
  store.LoadLines(SplitIniText(Text(data, size)));
  TMyINI options("");
  for (size_t i = 0; i < store.Sections().size() && i < 3; ++i) {
    const TIniSection& section = store.Sections()[i];
    const Seat dealer = static_cast<Seat>(i % 4);
    CheckFieldResults(section.lines, section.name, dealer);

    std::vector<std::string> values{"Dealer=N", "Vulnerable=None"};
    if (!AppendFieldResults(section.lines, section.name, values)) continue;
    const int rotation = static_cast<int>(i % 4);
    RotateFieldResults(section.lines, rotation, RotateSeat(dealer, rotation), "Passed out", values);

    for (int method = 0; method <= 4; ++method) {
      ComparisonSettings settings;
      settings.imps = method == 4;
      settings.mpScoringSys = method % 4;
      const Contract contract = UserContract(i + static_cast<size_t>(method));
      const int tricks = contract.PassedOut() ? 0 : 6 + contract.level() + static_cast<int>(i % 3) - 1;
      // The table files a result under a board key; any other name is only read.
      const std::string key = IsBoardKey(section.name) ? section.name : "Imp01.01";
      const BoardScoring scoring =
          ScoreBoard(contract, tricks, static_cast<Vulnerability>(i % 4), dealer, values, key, settings, options, "P");
      if (!scoring.comparison.built) continue;
      for (int n = 1; n <= 21; ++n)
        Require(std::isfinite(scoring.comparison.ResultFigures[n]), "figures are numbers");
      const auto filed = ReadFiledResult(FiledLine(options, "P", key));
      Require(filed.has_value(), "a filed line reads back");
      Require(filed->items.size() == 25, "a filed line has 25 items");
    }
  }
  return 0;
}
