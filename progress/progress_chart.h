#pragma once
// The player's course as curves to draw: for one measure (the score against
// a stratum, tricks lost as declarer or defender, opening leads that kept
// their value, the contract against par), one point per session and a
// running line over the boards, both placed at the boards' places in the
// order of filing (1 for the first board filed).

#include <optional>
#include <vector>

#include "progress/progress.h"

namespace quorval {

enum class ProgressMeasure {
  ScoreA,         // the user's figure against stratum A: IMPs per board, or match-point percentage
  ScoreB,
  ScoreC,
  DeclarerLost,   // tricks lost double dummy on boards the user's side declared
  DefenderLost,   // tricks lost double dummy on boards the user's side defended
  LeadKept,       // the user's opening leads that kept the double-dummy value, in per cent
  ImpsVsPar,      // IMPs of the contract reached against par, the user's side's
};

struct ChartPoint {
  double x = 0;
  double y = 0;
  bool operator==(const ChartPoint&) const = default;
};

struct ProgressCurve {
  std::vector<ChartPoint> sessions;   // the session's mean, at the mean place of its boards
  std::vector<ChartPoint> running;    // the mean of the last `window` boards that count, at each
};

// What board `b` counts for the measure; nothing when it does not count
// (a score of the other kind, a board the user did not declare ...).
// `imps` chooses IMP or match-point boards for the scores; `mpScoringSys`
// turns match points into a percentage as the score pad does.
std::optional<double> BoardMeasure(const BoardProgress& b, ProgressMeasure m, bool imps, int mpScoringSys);

ProgressCurve MeasureCurve(const std::vector<BoardProgress>& boards, ProgressMeasure m, bool imps,
                           int mpScoringSys, int window = 10);

}  // namespace quorval
