#pragma once
// The auction against the library of stored auctions: which line the
// computer seats follow, which calls the user may make, the keyboard entry of
// calls and where each call goes in the bidding review. Plain code, so the
// rules can be tested without a window.

#include <string>
#include <utility>
#include <vector>

#include "core/calls.h"

namespace quorval {

// The auction of the board on the table and the library lines it runs on.
struct AuctionState {
  std::vector<std::string> SequenceLines;  // the board's library section
  std::vector<std::string> CurrentLine;    // fields of the line matched last
  std::vector<std::string> Calls;          // tokens of the calls made
  std::vector<CallCode> HintCalls;         // calls the library allows next
  Auction auction;

  int CallCount() const { return static_cast<int>(Calls.size()); }
  // Empties the auction for a new deal or a take back; the dealer acts first.
  void Reset(Seat dealer);
  // Records a call; false (and nothing changes) when bridge does not allow it.
  bool Record(CallCode c);
};

// Splits a library line at its commas.
std::vector<std::string> SplitLibraryLine(const std::string& line);

// True when the line's first n fields (never its last one) equal the calls.
bool LineAgrees(const std::vector<std::string>& fields, const std::vector<std::string>& calls);

// Leaves CurrentLine on the first line that agrees with the calls made, or
// on the last line of the section when none does.
void FindLine(AuctionState& state);
// The main line's next call. A line without a field at that position gives
// the message "Sequence File doesn't contain this bid" and Pass; so does a
// stored call that bridge does not allow here, so a faulty line can never
// stall the auction.
CallCode LibraryCall(AuctionState& state);
// True when some line agrees with the calls made and continues with c.
bool CallAllowed(AuctionState& state, CallCode c);
// Fills HintCalls with every line's next call, in line order.
void ListAllowedCalls(AuctionState& state);
// True while some stored line agrees with every call made and goes on after
// them: the auction has not left the library.
bool OnStoredLine(const AuctionState& state);
// The stored line whose auction is exactly the calls made (its lead list
// follows them); empty when none is.
std::string StoredAuctionLine(const AuctionState& state);

// Two characters of entry to a call: "P" pass, "X" double or redouble by
// state, otherwise strain letter then level digit ("S4"). NoCall when the
// entry names nothing.
CallCode EntryToCall(const std::string& entry, int doubledCount);
// The entry text that makes a call: "S4", "P", "X" or "XX".
std::string CallToEntry(CallCode c);

// Position of a key in the language's bidding key row: 0..4 the strains, 5
// pass, 6 make bid, 7 hint, 8 take back, -1 none. In languages 3 and 4 the
// spade key stands for pass until a level has been typed; in Norwegian "G"
// types no-trump as well as "N".
int BidKeyPosition(int language, char key, bool levelTyped);

// Row and column of call number i in the review grid (columns W, N, E, S).
std::pair<int, int> ReviewCell(Seat dealer, int callIndex);
// Column of a seat in the review grid.
constexpr int ReviewColumn(Seat s) { return (s + 1) & 3; }

}  // namespace quorval
