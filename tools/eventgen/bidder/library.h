#pragma once
// The sequence library of one board: for each system the main line (the
// bidder's auction with all four seats), the user's sensible alternatives each
// continued by the computer seats, and the opening leads of every line.
#include <array>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"
#include "tools/eventgen/bidder/leads.h"
#include "tools/eventgen/bidder/system.h"

namespace quorval::bidder {

inline constexpr int kMaxLines = 9;
inline constexpr const char* kLibraryFileName = "SEQ2005.txt";

struct LibraryBoard {
  std::string key;  // "Imp01.05"
  Deal deal;        // stored orientation
  Seat dealer = North;
  Vulnerability vul = 0;
  int site = 0;     // the stored seat (2 - site) mod 4 is the user's
  // The double-dummy tricks by strain and declarer and the par score, when
  // known: the main line is then the most accurate of the auctions that
  // players of slightly different judgement would bid.
  bool hasDd = false;
  std::array<std::array<int, 4>, 5> ddTricks{};
  int parNS = 0;
  Seat UserSeat() const { return (South - site % 4 + 8) & 3; }
};

struct LibraryLine {
  std::vector<CallCode> calls;
  std::vector<WeightedLead> leads;
};

// The lines of one section, main line first. `solver` may be null (leads
// then follow the players' preferences alone).
std::vector<LibraryLine> SectionLines(const LibraryBoard& board, System system, LeadSolver* solver);

// "P,1S,P,2H,P,2S,P,P,P,Lead,5C,75,QD,25"
std::string LineText(const LibraryLine& line);

// "[Imp01.01.D]" CR LF, the lines each ended by CR LF, then two empty lines.
std::string SectionText(const std::string& key, char systemLetter, const std::vector<LibraryLine>& lines);

// The seat on lead after the auction: declarer's left-hand opponent, or the
// dealer's left-hand opponent when the board is passed out.
Seat OpeningLeader(const std::vector<CallCode>& calls, Seat dealer);

}  // namespace quorval::bidder
