#pragma once
// `quorval --progress-csv FILE`: the player's progress figures for
// spreadsheets, one line per filed board with a kept play.

#include <iosfwd>
#include <string>

namespace quorval {

class TBigIniFile;

// Works out (or takes from "Progress2005.ini") the figures of `player`'s
// filed boards, from the results in `options` and "Plays2005.ini" of the
// working folder, and writes them to `csvFile` (through a temporary file
// renamed over it). Returns 0; 1 when a board was left out or has no
// figures, or the file could not be written, each said on `err`.
int WriteProgressCsv(const TBigIniFile& options, const std::string& player, const std::string& csvFile,
                     std::ostream& err);

}  // namespace quorval
