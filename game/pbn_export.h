#pragma once
// The player's filed boards as a PBN 2.1 file: each board's deal as it lay on
// the table (the player South), the auction and the play kept with its
// result, the double-dummy table with the optimum score and par contract, and
// the field's 18 results with the player's own in each stratum.

#include <string>
#include <vector>

#include "game/table_files.h"

namespace quorval {

struct PbnExportResult {
  std::string text;                // the file: header and one game per board
  int boards = 0;                  // boards in it
  std::vector<std::string> notes;  // boards skipped, or exported without their play
};

// The games of the given board keys ("Imp01.05"), in that order. A key
// without a filed result, or whose board cannot be read, is skipped with a
// note; a board whose kept play does not fit its result goes without its
// auction and play, with a note.
PbnExportResult ExportFiledBoards(TableFiles& files, const std::vector<std::string>& keys);

// The keys of the player's filed results: of one session (event "Imp",
// session "03"), or of every session when `event` is empty; in key order.
std::vector<std::string> FiledBoardKeys(const TableFiles& files, const std::string& event = "",
                                        const std::string& session = "");

}  // namespace quorval
