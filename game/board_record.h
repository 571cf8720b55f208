#pragma once
// Reading the board on the table: its section of the event board file, its 18
// field results and its stored auctions, turned so that the hand chosen for
// the user sits South. Plain code over TableFiles.

#include <optional>
#include <string>
#include <vector>

#include "core/board_key.h"
#include "core/deal.h"
#include "data/kept_play.h"
#include "game/table_files.h"
#include "scoring/player_results.h"

namespace quorval {

struct BoardOnTable {
  std::string Key;                       // "Imp01.05"
  std::vector<std::string> BoardValues;  // board lines, then the 18 results
  std::vector<std::string> SequenceLines;
  Seat Dealer = North;
  Vulnerability Vul = 0;
  Deal BoardDeal;                        // as turned
  int Site = 0;                          // the rotation count
  std::vector<std::string> DealErrors;
};

// The value of a board line by its key (without regard to case): everything
// after the first "="; `fallback` when absent.
std::string BoardValue(const std::vector<std::string>& lines, const std::string& key,
                       const std::string& fallback = "");

// Reads the board into `rec` and turns it by its "Site". True when it can be
// played: it has a section, exactly 18 field results and a complete deal.
// The messages of a failed read ("Not 18 results for this hand " and the
// key, or the deal's error) are shown here.
bool ReadBoard(TableFiles& files, const std::string& key, char systemLetter,
               const std::string& passedOutLabel, BoardOnTable& rec);

// The kept play of a filed board when it is sound and belongs to the board as
// read now and to its filed result (contract, declarer and tricks); nothing
// otherwise, with `problem` saying why.
std::optional<KeptPlay> MatchingKeptPlay(const TableFiles& files, const std::string& key, const BoardOnTable& board,
                                         const FiledResult& filed, std::string& problem);

}  // namespace quorval
