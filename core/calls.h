#pragma once
// Calls, auctions and contracts: the coding of a single call, the rules that
// end an auction and name the declarer, and the texts of calls and contracts.

#include <string>
#include <vector>

#include "core/types.h"

namespace quorval {

// 0 redouble, 1 double, 2 pass, 3 + 5 * (level - 1) + strain for the bids,
// 38 no call.
using CallCode = int;
inline constexpr CallCode Redouble = 0, Double = 1, Pass = 2, NoCall = 38;

constexpr CallCode MakeBid(int level, tAllTrump strain) { return 3 + 5 * (level - 1) + strain; }
constexpr bool IsBid(CallCode c) { return c >= 3 && c <= 37; }
constexpr int LevelOf(CallCode c) { return IsBid(c) ? (c - 3) / 5 + 1 : 0; }
constexpr tAllTrump StrainOf(CallCode c) { return IsBid(c) ? (c - 3) % 5 : NT; }

std::string CallToken(CallCode c);                       // "1C", "P", "X", "XX", "??"
std::string CallDisplayText(CallCode c);                 // "1~C", "Pass", "Dbl", "RDbl"
std::string CallLongText(CallCode c, int doubledCount);  // "4~SX", "ReDbl", "No Bid"
CallCode ParseCall(const std::string& text);

// The contract an auction leaves: final bid (Pass when passed out), doubles
// and declarer.
struct Contract {
  CallCode bid = Pass;
  int DoubledCount = 0;
  Seat declarer = North;

  bool PassedOut() const { return !IsBid(bid); }
  tAllTrump strain() const { return StrainOf(bid); }
  int level() const { return LevelOf(bid); }
};
std::string ContractText(const Contract& c, bool withMarkup);

bool AuctionOver(const std::vector<CallCode>& calls);
// The declarer once call number `lastBidIndex` (a bid) has been made.
Seat DeclarerOf(const std::vector<CallCode>& calls, Seat dealer, int lastBidIndex);

// The running auction as the table keeps it. The rules live here so that the
// table window, the bidding box and the tools share them.
struct Auction {
  Seat dealer = North;
  std::vector<CallCode> calls;
  CallCode lastBid = Pass;   // Pass while no bid has been made
  int lastLevel = 0;
  tAllTrump lastStrain = NT;
  int DoubledCount = 0;
  Seat declarer = North;

  explicit Auction(Seat d = North) : dealer(d) {}

  Seat SeatToAct() const { return (dealer + static_cast<int>(calls.size())) & 3; }
  bool Over() const { return AuctionOver(calls); }
  bool IsLegal(CallCode c) const;
  bool DoubleAllowed() const;
  bool RedoubleAllowed() const;
  // Appends the call and updates the state. Returns false (and changes
  // nothing) for an illegal call or once the auction is over.
  bool Make(CallCode c);
  Contract Result() const { return {lastBid, DoubledCount, declarer}; }
};

}  // namespace quorval
