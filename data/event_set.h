#pragma once
// Which event set a player's results belong to. An event set is the board
// file, the field results and the library of one folder; another set (new
// deals, a club's hand records) has boards with the same keys, Imp01.05 and
// so on. A result filed for Imp01.05 of one set must never show as played,
// nor count, in another.
//
// The set is known by a fingerprint of its boards (keys, dealers,
// vulnerabilities, deals and rotations). Each player's section of
// "Options.INI" holds the fingerprint of the set its results belong to under
// the key "EventSet". When the player meets another set, the results of the
// old one are set aside under keys of their own ("<fingerprint>:Imp01.05"),
// in "Options.INI" and in the kept plays alike, where nothing reads them as
// results, and any results set aside earlier for the new set come back. The
// result lines themselves are never changed. Results filed before sets were
// told apart (no "EventSet" key) belong to the set found with them.

#include <string>

namespace quorval {

class TBigIniFile;

inline constexpr const char* kEventSetKey = "EventSet";

// The fingerprint of the boards in a board file: 16 hexadecimal digits; the
// same boards give the same fingerprint whatever the order of their lines.
std::string EventSetId(const TBigIniFile& boards);

// True for the key of a result or kept-play line set aside for another set.
bool IsSetAsideKey(const std::string& key);

struct SetSwitch {
  bool switched = false;   // the player's results belonged to another set
  int setAside = 0;        // lines put aside (results and kept-play lines)
  int restored = 0;        // lines of this set taken back
  bool written = true;     // both files saved
};

// Makes `setId` the player's set, as described above, and saves what changed.
// A player with no results and no set yet is left as he is. `plays` may be
// null (runs that keep no plays).
SetSwitch AdoptEventSet(TBigIniFile& options, TBigIniFile* plays, const std::string& player, const std::string& setId);

}  // namespace quorval
