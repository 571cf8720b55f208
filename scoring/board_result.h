#pragma once
// What the end of a board asks of scoring, in one call: the board's score,
// the comparison with the field and the filing of the player's line. The
// table window shows what comes back (strata pages, score pad) and nothing
// else.

#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"
#include "scoring/field_comparison.h"

namespace quorval {

class TBigIniFile;

// An IMP event's kind is "Imp"; everything else ("Par") is scored in match points.
bool IsImpEvent(const std::string& eventKind);

struct BoardScoring {
  int BoardScore = 0;          // North-South
  FieldComparison comparison;  // comparison.built false: "Error on hand" was shown
  std::string line;            // the player's result line (empty when not built)
  bool filed = false;          // the line is in the options store (and on disk when `written`)
  bool written = false;
};

// Scores the board's contract and compares it with the 18 results in
// `boardValues`; when the grids could be built, `line` is the player's
// result line for the board. Nothing is filed.
BoardScoring ScoreAgainstField(const Contract& contract, int declarerTricks, Vulnerability vul, Seat dealer,
                               const std::vector<std::string>& boardValues, const std::string& boardKey,
                               const ComparisonSettings& settings);

// ScoreAgainstField, and the line filed under `boardKey` when the grids
// could be built. Running it again for the same board replaces the line.
BoardScoring ScoreBoard(const Contract& contract, int declarerTricks, Vulnerability vul, Seat dealer,
                        const std::vector<std::string>& boardValues, const std::string& boardKey,
                        const ComparisonSettings& settings, TBigIniFile& options, const std::string& player);

}  // namespace quorval
