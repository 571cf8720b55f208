#pragma once
// The player's results: one line per board played, filed in the player's own
// section of the options file under the board key (Imp01.05). The line holds
// 25 items: declarer, contract (with markup), tricks, North-South score, the
// figures of field results 1 to 18 and the user's figures in strata A, B, C,
// each figure multiplied by 100 and rounded.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/board_key.h"
#include "core/calls.h"

namespace quorval {

class TBigIniFile;

inline constexpr int kFiledItems = 25;
// What a reader gets for a board the player has no line for.
inline constexpr const char* kNoFiledLine = "nope";

// The line filed for a board. A passed-out board files the seat before the
// dealer (the seat its grid row shows), "Pass", 0 tricks and score 0.
// `resultFigures` is indexed 1..21 as the field comparison fills it.
std::string ResultLine(const Contract& contract, Seat dealer, int declarerTricks, int boardScore,
                       const std::array<double, 22>& resultFigures);

// Files the line under the board key in the player's section, replacing any
// earlier one, and writes the options file to disk at once so that a result
// is never lost with the program. False when the file could not be written
// (the store has reported it; the line stays in memory and is written by the
// next save).
bool SaveScore(TBigIniFile& options, const std::string& player, const std::string& boardKey,
               const std::string& line);

// The player's line for a board, "nope" when there is none.
std::string FiledLine(const TBigIniFile& options, const std::string& player, const std::string& boardKey);

// A filed line as the readers use it.
struct FiledResult {
  std::vector<std::string> items;      // all items as filed, at least 25
  std::array<double, 3> userFigures{}; // items 22, 23, 24 times 0.01

  const std::string& declarer() const { return items[0]; }
  const std::string& contract() const { return items[1]; }
  const std::string& tricks() const { return items[2]; }
  const std::string& score() const { return items[3]; }
  // Figure of field result 1..18 or of the user (19..21) as filed (x100);
  // nothing when the item is not a whole number.
  std::optional<int> FiledFigureAt(int index) const;
};

// The contract a filed line names: its declarer letter and its contract with
// markup ("4~SX"); a passed-out board ("Pass") gives the contract Pass.
Contract FiledContract(const FiledResult& filed);

// A line counts when it has at least 25 items and the user's three figures
// are whole numbers; anything else (the legend, "nope", a hand-edited line)
// gives nothing.
std::optional<FiledResult> ReadFiledResult(const std::string& line);

// A result filed in memory but not yet in the options file on disk.
struct UnsavedResult {
  std::string player;
  std::string boardKey;
};
// The results of every player whose lines the last saves could not write, in
// the order they were filed.
std::vector<UnsavedResult> UnsavedResults(const TBigIniFile& options);
// "Ann: Imp01.01, Imp01.02; Bob: Par03.05".
std::string UnsavedResultsText(const std::vector<UnsavedResult>& unsaved);

// The player's results for boards 1..27 of one event (index 0 is board 1).
std::array<std::optional<FiledResult>, kBoardsPerEvent> ReadSessionResults(
    const TBigIniFile& options, const std::string& player, const std::string& eventKind,
    const std::string& session);

// Every line of the player's section that counts as a result, with its key,
// in the order of the section; results set aside for another event set
// (data/event_set.h) are not among them.
std::vector<std::pair<std::string, FiledResult>> ReadPlayerResults(const TBigIniFile& options,
                                                                   const std::string& player);

}  // namespace quorval
