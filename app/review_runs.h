#pragma once
// The review from the command line (--review KEYS): for each named board
// with a kept play, one line per card that cost its side tricks double
// dummy, then the summary line with the contract, the tricks, the
// double-dummy tricks after the opening lead and par.

#include <QString>
#include <iosfwd>
#include <string>

namespace quorval {

class TBigIniFile;

// Reviews the kept plays of `keys` (sessions such as Imp03 and board keys
// such as Par01.05) for `player`, writing the lines to `out` and what went
// wrong to `err`. Returns 0, or 1 when a board named by its key has no kept
// play (a session's boards that were never played are passed over), a kept
// play breaks off before its end, or a position could not be analysed.
int ReviewKeptPlays(const TBigIniFile& plays, const std::string& player, const QString& keys, std::ostream& out,
                    std::ostream& err);

}  // namespace quorval
