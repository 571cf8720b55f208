#pragma once
// A player's course over the boards filed: for every filed board with a
// kept play, in the order the boards were filed, the result as filed and
// what the double-dummy review says of the play (tricks lost by declarer's
// side and by the defenders, whether the opening lead kept its value, the
// contract reached against par); and the same summed per session.
//
// The double-dummy figures come from the review of the kept play (the same
// review `quorval --review` prints) and are kept in "Progress2005.ini"
// beside the kept plays: one line per board under the player's section,
//
//   Imp01.05=9f3c0a51d2e47b86,1,0,1,-6
//
// the kept play's stamp, declarer's side's tricks lost, the defenders'
// tricks lost, 1 or 0 for the opening lead (empty when there is none) and
// the IMPs against par. A line whose stamp is not that of the kept play as
// it now reads is worked out again.

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/calls.h"
#include "play/review/board_review.h"

namespace quorval {

class TBigIniFile;

inline constexpr const char* kProgressFileName = "Progress2005.ini";

// The double-dummy figures of one kept play.
struct PlayFigures {
  int declarerLost = 0;    // tricks declarer's side lost by its cards and its claim
  int defendersLost = 0;   // tricks the defenders lost after the opening lead
  int leadKept = -1;       // 1 kept, 0 cost tricks, -1 no opening lead
  int impsAgainstPar = 0;  // the contract played double dummy against par, North-South's IMPs
  bool operator==(const PlayFigures&) const = default;
};

// The figures from a finished review; nothing when the solver could not
// tell every card, the claim or the deal's table.
std::optional<PlayFigures> FiguresOfReview(const review::BoardReview& review);

// One filed board with a kept play.
struct BoardProgress {
  std::string key;                 // "Imp01.05"
  std::optional<double> filed;     // when it was filed; nothing for boards filed before that was kept
  Contract contract;               // as played (Pass when passed out)
  int declarerTricks = 0;          // as filed
  int scoreNS = 0;                 // as filed
  bool imps = true;                // an IMP event (Imp..), else match points (Par..)
  std::array<double, 3> figures{}; // the user's figures in strata A, B, C
  std::optional<PlayFigures> dd;   // nothing when the solver could not tell

  std::string Session() const { return key.substr(0, 5); }
  // The user (South) declares, defends, or the board was passed out.
  const char* UserRole() const;
};

// Sums over the boards of one session, in the order of the boards.
struct SessionProgress {
  std::string session;             // "Imp01"
  bool imps = true;
  int boards = 0;
  std::array<double, 3> figures{}; // summed per stratum
  int ddBoards = 0;                // boards with double-dummy figures
  int declarerLost = 0, defendersLost = 0;
  int leads = 0, leadsKept = 0;
  int impsAgainstPar = 0;
};

// How a run goes: the solvers (tests give their own), a step after every
// board (done, total) and a flag that stops it between boards.
struct ProgressRun {
  review::ReviewSolvers solvers;
  std::function<void(int done, int total)> step;
  const std::atomic<bool>* cancel = nullptr;
};

struct PlayerProgress {
  std::vector<BoardProgress> boards;      // in filing order
  std::vector<std::string> problems;      // boards left out, and why
  int worked = 0;                         // boards whose figures were worked out now
  bool cancelled = false;
};

// The player's progress from the results in `options`, the kept plays in
// `plays` and the figures kept in `cache` (none: every review is made).
// Figures worked out are put into `cache` and written to its file at the
// end. Boards filed with a time come in that order after those without,
// which come in key order.
PlayerProgress ComputeProgress(const TBigIniFile& options, const TBigIniFile& plays, TBigIniFile* cache,
                               const std::string& player, const ProgressRun& run = {});

// The sessions in the order their first board was filed.
std::vector<SessionProgress> SessionSums(const std::vector<BoardProgress>& boards);

// The figures as comma-separated lines for spreadsheets: a header, then one
// line per board.
std::vector<std::string> ProgressCsvLines(const std::vector<BoardProgress>& boards);

}  // namespace quorval
