#pragma once
// The sequence library of one board: for each system the main line (the
// auction the four seats bid, each from its own hand), the user's sensible
// alternatives each continued by the computer seats, and the opening leads of
// every line.
#include <string>
#include <vector>

#include "bidding/leads.h"
#include "bidding/reading.h"
#include "bidding/seat_view.h"
#include "bidding/system.h"
#include "core/calls.h"
#include "core/deal.h"

namespace quorval::bidder {

class MeaningCollector;

inline constexpr int kMaxLines = 9;
inline constexpr const char* kLibraryFileName = "SEQ2005.txt";

struct LibraryBoard {
  std::string key;  // "Imp01.05"
  Deal deal;        // stored orientation
  Seat dealer = North;
  Vulnerability vul = 0;
  int site = 0;     // the stored seat (2 - site) mod 4 is the user's
  Seat UserSeat() const { return (South - site % 4 + 8) & 3; }
};

struct LibraryLine {
  std::vector<CallCode> calls;
  std::vector<WeightedLead> leads;
};

// The lines of one section, main line first: every seat bids from its own
// hand, the user's alternatives branch off at the user's turns, and each line
// ends with the opening leader's leads from the leader's own hand. `reading`
// keeps the table's reading of calls from section to section.
std::vector<LibraryLine> SectionLines(const LibraryBoard& board, System system, TableReading& reading);

// The calls a player of the system weighs with this hand besides the bidder's
// own, the seat to act after the table view: the rules' other well-scored
// calls (the style choices among them) and the calls of a player who values
// the hand a point higher or lower. The library offers those among them that
// fit their meaning within a point.
std::vector<CallCode> WeighedCalls(const Hand& own, const View& table);

// "P,1S,P,2H,P,2S,P,P,P,Lead,5C,75,QD,25"
std::string LineText(const LibraryLine& line);

// "[Imp01.01.D]" CR LF, the lines each ended by CR LF, then two empty lines.
std::string SectionText(const std::string& key, char systemLetter, const std::vector<LibraryLine>& lines);

// The library's four sections of one board, as written to the file; the
// meanings of their calls go to `meanings` when one is given.
std::string BoardLibraryText(const LibraryBoard& board, TableReading& reading, MeaningCollector* meanings = nullptr);

// The seat on lead after the auction: declarer's left-hand opponent, or the
// dealer's left-hand opponent when the board is passed out.
Seat OpeningLeader(const std::vector<CallCode>& calls, Seat dealer);

}  // namespace quorval::bidder
