#pragma once
// The board store: the event board file "Lisk2005.ini" (and, through the same
// class, the field-results file "Results2005.ini"), one section per board key,
// with the deal of the board read last and the list of rejected deal texts.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/deal.h"
#include "data/ini_store.h"

namespace quorval {

inline constexpr const char* kBoardFileName = "Lisk2005.ini";
inline constexpr const char* kResultsFileName = "Results2005.ini";

// One board as read from its section, turned by its rotation count so that
// the hand meant for the user sits South.
struct BoardRecord {
  std::string key;
  std::vector<std::string> lines;  // the section's lines as stored
  Seat dealer = North;
  Vulnerability vulnerability = 0;
  Deal deal;
  int site = 0;                    // the rotation count the board was turned by
};

enum class BoardStatus {
  Found,
  NotFound,  // no section, or an empty one: the table shows "Hand Not Found"
  BadDeal,   // the deal text was rejected (its line is in DealErrors)
};

// The value of the first line named `key` (case-blind) in raw section lines.

class TBridgeINI : public TMyINI {
 public:
  // Opens the file (a bare name in the program folder); a file without any
  // section is written out at once, so a missing file is created empty.
  explicit TBridgeINI(const std::string& fileName);

  // The deal of the board read last, after rotation.
  Deal DealHoldings;
  // One line per rejected deal text: message, " : ", text.
  std::vector<std::string> DealErrors;

  void AddError(const std::string& message, const std::string& value);

  // Reads, parses and turns one board. A rejected deal leaves DealHoldings
  // as it was and gives BadDeal rather than the previous board's cards.
  std::optional<BoardRecord> ReadBoard(const std::string& key, BoardStatus& status);
};

// The rotation count of a "Site" value: 0 when absent or not a whole number.
int SiteCount(const std::vector<std::string>& lines);

// The number of the last board an event has in the board file (sections
// named without regard to case); 0 for an event the file does not hold.
int EventLength(const TBigIniFile& boards, const std::string& eventKind, const std::string& session);

// The note the event generator leaves beside the files of a set it made.
inline constexpr const char* kSetNoteFileName = "SEED";
// The events of the set that end before board 27, from the note's "Short="
// line ("Short=Par02.03,Imp01.20"): event ("Par02") and its last board. An
// absent note or line gives none: every event then has 27 boards.
std::map<std::string, int> ReadShortEvents(const std::string& notePath);

}  // namespace quorval
