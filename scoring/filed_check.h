#pragma once
// A check of what a player has on disk after a run: every result line filed
// in the options file is a 25-item line of a legal contract, scored right for
// its board (the contract score and the 21 figures worked out again from the
// board file and its 18 field results), and every kept play of the player
// replays under the rules on the board's deal and agrees with its line.

#include <set>
#include <string>
#include <vector>

namespace quorval {

class TBigIniFile;
class TBridgeINI;

// The stores as they are on disk: the options file, the event board file,
// the field results and the kept plays (none: no play is checked).
struct FiledStores {
  const TBigIniFile& options;
  TBridgeINI& boards;
  const TBigIniFile& results;
  const TBigIniFile* plays = nullptr;
};

// One thing found wrong, named by its board key.
struct FiledFault {
  std::string boardKey;
  std::string text;
};

struct FiledCheck {
  int lines = 0;      // result lines checked
  int plays = 0;      // kept plays that replayed
  std::vector<FiledFault> faults;
};

// Checks every result line of `player` (lines set aside for another event
// set are left alone) and every kept play of the player. A line whose key is
// in `needPlay` must have a kept play (the boards filed since a run began
// keep theirs); for other lines a missing play is no fault, as results may
// have been filed before plays were kept. A pairs line is right when all its
// figures agree with one of the match-point methods, since the player may
// have changed the method after filing it.
FiledCheck CheckFiledBoards(const FiledStores& stores, const std::string& player,
                            const std::set<std::string>& needPlay = {});

// The result lines of `player` by board key, as stored (to tell later which
// boards a run filed); a key of a board key's shape that names no board
// ("Imp01.28") is among them.
std::vector<std::pair<std::string, std::string>> FiledLines(const TBigIniFile& options, const std::string& player);

}  // namespace quorval
