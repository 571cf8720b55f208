#pragma once
// The score pad over the table at the end of a board: the user's result line,
// the figure for the board in each stratum, and the session so far (totals
// and the session figure: average IMPs per board or match-point percentage).

#include <array>
#include <optional>
#include <string>

#include "core/board_key.h"
#include "core/calls.h"
#include "scoring/player_results.h"

namespace quorval {

// Localised texts the pad shows; English by default.
struct ScorePadLabels {
  std::string stratum = "Stratum";
  std::string mpForHand = "MP for Hand";
  std::string impForHand = "IMP for Hand";
  std::string totalMp = "Total MP";
  std::string totalImp = "Total IMP";
  std::string pctSession = "Pct this Session";
  std::string aveImps = "Ave. IMPs/Bd";
  std::string tricks = "Tricks";
  std::string passedOut = "Passed out";
  std::array<std::string, 4> seatNames{"North", "East", "South", "West"};
  char decimalPoint = '.';
};

// "South 4~SX  10 Tricks", or the "Passed out" label; at most 30 characters.
std::string HandResult(const Contract& contract, int declarerTricks, const ScorePadLabels& labels);

// Per stratum: the sum of the user's filed figures over the session's boards
// and the number of boards that carry one.
struct SessionTotals {
  std::array<double, 3> sum{};
  std::array<int, 3> count{};
};
SessionTotals SessionTotalsOf(const std::array<std::optional<FiledResult>, kBoardsPerEvent>& session);

// The session figure as text: "%6.2f" average IMPs per board in an IMP event,
// "%6.1f" percentage (50 is average) in a pairs event under `mpScoringSys`.
std::string SessionFigure(bool imps, int count, double sum, int mpScoringSys, char decimalPoint = '.');
// The percentage itself: `sum` match points over `count` boards.
double MatchPointPercentage(int count, double sum, int mpScoringSys);

struct ScorePad {
  std::string caption;                              // " " HandResult, five blanks, the score
  std::array<std::array<std::string, 4>, 4> cells;  // [row][column]
};

// The session totals carry as many decimals as the board's figures (two
// for IMPs, one for match points).
// `handFigures` are the user's figure texts in A, B, C; when the comparison
// could not be built there are none and the row shows "-" rather than the
// figures of an earlier board.
ScorePad BuildScorePad(const Contract& contract, int declarerTricks, int boardScore,
                       const std::optional<std::array<std::string, 3>>& handFigures,
                       const SessionTotals& totals, bool imps, int mpScoringSys, const ScorePadLabels& labels);

}  // namespace quorval
