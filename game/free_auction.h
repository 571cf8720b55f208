#pragma once
// The auction off the stored lines. With free bidding South may make any
// legal call; once the calls leave every stored auction of the board, each
// computer seat calls with the bidder from its own hand and the auction as
// the table reads it, in the player's system, South's hint is the bidder's
// call for South's hand, and the opening lead is drawn from the bidder's
// lead list for the leader's own hand.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bidding/hand.h"
#include "bidding/reading.h"
#include "core/calls.h"
#include "data/call_meanings.h"
#include "play/honest/auction_inference.h"

namespace quorval {

// What every seat sees of the auction: the system (0..3), the board's dealer
// and vulnerability and the calls from the dealer on.
struct HeardAuction {
  int system = 0;
  Seat dealer = North;
  Vulnerability vul = 0;
  std::vector<CallCode> calls;
};

class FreeAuction {
 public:
  // The call of the seat to act after the calls, holding `hand`; Pass when
  // the auction is over or its calls do not read.
  CallCode OwnCall(const bidder::Hand& hand, const HeardAuction& heard);
  // What the table reads in calls[index], in the meanings file's terms.
  CallMeaning MeaningOf(const HeardAuction& heard, size_t index);
  // A library line for the finished auction: its calls, then "Lead" and the
  // leader's lead list with weights ("P,1S,P,P,P,Lead,4H,63,2C,37"), drawn
  // from as stored leads are.
  std::string LeadLine(const bidder::Hand& leaderHand, const HeardAuction& heard);
  // What the honest computer reads in the auction: the meanings file's
  // meaning where it holds the call, else the table's reading by the bidder
  // (a reading that says nothing leaves the call to the plain inferences).
  // `file` may be null and must outlive the answer.
  std::shared_ptr<const honest::CallMeanings> HonestMeanings(const CallMeanings* file, const HeardAuction& heard);

 private:
  // Every reading is kept: a board's calls are read once however often a
  // seat asks.
  bidder::TableReading reading_;
};

}  // namespace quorval
