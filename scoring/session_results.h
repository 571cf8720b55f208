#pragma once
// The tables of the player's results that the session results window and
// the result summary show (and the session printout prints): built here
// from the filed lines as texts, so the windows only display them.

#include <array>
#include <string>
#include <vector>

#include "core/board_key.h"
#include "scoring/player_results.h"

namespace quorval {

// The localised words of the session list; English by default.
struct SessionListLabels {
  std::string contract = "Contract";
  std::string by = "By";
  std::string tricks = "Tricks";
  std::string score = "Score";
  std::string totals = "Totals";
  std::string pct = "Pct";
  std::string aveImp = "Ave. IMPs/Bd";
  std::array<std::string, 3> strata{"A Stratum", "B Stratum", "C Stratum"};
  std::string scoringItem = "IMP";   // the chosen "Scoring Method" item, shown over each figure
  // The seats' names, whose first letters stand for the declarer ("By").
  std::array<std::string, 4> seatNames{"North", "East", "South", "West"};
  char decimalPoint = '.';
};

inline constexpr int kSessionListColumns = 8;

struct SessionListRow {
  std::array<std::string, kSessionListColumns> cells;
  int board = 0;   // 1..27 on a board's row, 0 on the heading, totals and figure rows
};

// The list of one session: two heading rows, one row per board with a
// counted line (board order), the totals row and the session figure row.
// `imps` is the chosen scoring method (item "IMP"), which decides the
// session figure, as the window's radio group does.
std::vector<SessionListRow> BuildSessionList(const std::array<std::optional<FiledResult>, kBoardsPerEvent>& session,
                                             bool imps, int mpScoringSys, const SessionListLabels& labels);

// The localised words of the summary; English by default.
struct SummaryLabels {
  std::array<std::string, 3> strata{"A Stratum", "B Stratum", "C Stratum"};
  std::string session = "Session";
  std::string handsPlayed = "Hands Played";
  std::string total = "Total";
  std::string pct = "Ave Imp/Pct";
  char decimalPoint = '.';
};

inline constexpr int kSummaryColumns = 8;
using SummaryRow = std::array<std::string, kSummaryColumns>;

// One row per session with results, after the two heading rows. `lines` are
// the raw key=value lines of the player's section. They are taken in text
// order without regard to case; a line of fewer than 21 items, one that
// does not read as a filed result, or one set aside for another event set is
// passed over; consecutive lines of one
// event and session (the first five characters, Imp03) form a row, which
// counts them and sums their figures.
std::vector<SummaryRow> BuildResultSummary(const std::vector<std::string>& lines, int mpScoringSys,
                                           const SummaryLabels& labels);

}  // namespace quorval
