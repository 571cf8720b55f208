#pragma once
// Claims: a side says how many of the tricks still to play it takes. The
// table accepts a claim when best play from the position (double dummy)
// gives the side at least that many, the lenient rule of online play;
// otherwise the claim is refused with the number that is there. The
// computer declarer claims only what needs no thought: the top cards of the
// hand on lead take every trick that is left.

#include "core/types.h"
#include "play/play_state.h"

namespace quorval {

// Tricks not yet won or lost: the trick in progress and those after it.
int TricksLeft(const PlayState& st);

// The double-dummy tricks `side` takes of the tricks left, with the solver's
// thread `threadIndex`; -1 when the solver cannot take the position
// (`status`, when given, receives its error number).
int SideTricksLeft(const PlayState& st, Side side, int threadIndex = 0, int* status = nullptr);

struct ClaimVerdict {
  bool judged = false;   // false when the solver could not take the position
  int status = 0;        // the solver's error number when not judged
  bool accepted = false;
  int ddTricks = 0;      // the side's double-dummy tricks of those left
};

// `side`'s claim of `tricks` of the tricks left. A claim of more tricks than
// are left is refused; a negative claim is never accepted.
ClaimVerdict JudgeClaim(const PlayState& st, Side side, int tricks, int threadIndex = 0);

// Declarer's claim test, counting sure winners plainly: at the start of a
// trick with declarer's side on lead, every card of the hand on lead wins
// its trick when led from the top, trumps first, whatever the opponents
// hold: no finesse, no ruff by an opponent, and partner can always play
// under. True means declarer's side takes every trick left.
bool TopCardsTakeTheRest(const PlayState& st);

}  // namespace quorval
