#pragma once
// The rule-based bidder: one engine, four system definitions. It bids all four
// seats of a deal; every call comes from the same rules, so the meaning of any
// call in an auction it produced can be recovered by replaying it.
#include <array>
#include <vector>

#include "bidding/meaning.h"
#include "bidding/rules.h"
#include "bidding/system.h"
#include "core/calls.h"
#include "core/deal.h"

namespace quorval::bidder {

// How a table judges its hands: points added to (or taken from) each seat's
// high-card count when it decides. Zero everywhere is the library's bidder.
struct Judgement {
  std::array<int, 4> optimism{0, 0, 0, 0};
};

struct BidResult {
  std::vector<CallCode> calls;
  Contract contract;
};

// The legal candidate calls for the seat to act, best first (never empty).
// The rules see only the seat's own hand, judged `judgement` points higher or
// lower than its high cards, and the auction as the view reads it.
std::vector<Candidate> Candidates(const HandFacts& hand, const View& view, int judgement = 0);
std::vector<Candidate> Candidates(const Deal& deal, const View& view, const Judgement& judge = {});
CallCode ChooseCall(const Deal& deal, const View& view, const Judgement& judge = {});

// Rebuilds the view of an auction made of this bidder's calls. Calls it would
// not make get an empty meaning. False when a call is illegal.
bool Replay(const Deal& deal, const std::vector<CallCode>& calls, View& view);

// Bids the auction from the view to its end with all four seats.
void Complete(const Deal& deal, View& view, const Judgement& judge = {});

BidResult BidDeal(const Deal& deal, Seat dealer, Vulnerability vul, System system,
                  const Judgement& judge = {});

// Library tokens joined by commas: "P,1S,P,2H,P,2S,P,P,P".
std::string AuctionText(const std::vector<CallCode>& calls);

}  // namespace quorval::bidder
