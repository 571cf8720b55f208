#pragma once
// What the auction told the table about each hand: a range of high-card
// points and of every suit's length, for the hand as it was dealt. A call's
// meaning comes from the bidder's own meanings where the event data carries
// them, and otherwise from the plain bridge inferences below (opening point
// ranges, suit lengths, preempts, overcalls, the first responses).

#include <array>
#include <optional>
#include <vector>

#include "core/calls.h"

namespace quorval::honest {

struct HandRange {
  int minHcp = 0, maxHcp = 37;
  std::array<int, 4> minLen{0, 0, 0, 0};
  std::array<int, 4> maxLen{13, 13, 13, 13};
  // Points (high cards and shape, as the meanings file counts them) with
  // `pointsTrump` as trumps: a raise that counts its short suits.
  int minPoints = 0, maxPoints = 37;
  int pointsTrump = -1;

  HandRange& Hcp(int lo, int hi) { minHcp = lo; maxHcp = hi; return *this; }
  HandRange& Points(int lo, int hi, int trump) {
    minPoints = lo;
    maxPoints = hi;
    pointsTrump = trump;
    return *this;
  }
  HandRange& Len(TSuit s, int lo, int hi = 13) { minLen[s] = lo; maxLen[s] = hi; return *this; }
  HandRange& Balanced();   // no suit shorter than two or longer than five
  // Adds what a later call says. Where the two cannot both hold, the later
  // call wins for that figure: players correct their earlier picture.
  void Narrow(const HandRange& later);
  bool Open() const;       // says nothing
  bool Admits(int hcp, const std::array<int, 4>& lengths) const;
  bool operator==(const HandRange&) const = default;
};

// The auction as the whole table heard it.
struct AuctionFacts {
  Seat dealer = North;
  std::vector<CallCode> calls;
  char system = 'D';   // the bidding system's letter: D, M, N or S
};

// The meanings that the event data gives the calls of its stored auctions.
// An implementation answers for the calls it knows and leaves the rest to the
// plain inferences.
class CallMeanings {
 public:
  virtual ~CallMeanings() = default;
  // What calls[index] says about its bidder, given the calls before it.
  virtual std::optional<HandRange> MeaningOf(const AuctionFacts& auction, size_t index) const = 0;
};

// The plain bridge reading of calls[index]; nothing when it says nothing
// that can be relied on (conventions, slam bidding, competitive guesses).
std::optional<HandRange> PlainMeaning(const AuctionFacts& auction, size_t index);

// Every seat's range after the whole auction.
std::array<HandRange, 4> InferHands(const AuctionFacts& auction, const CallMeanings* meanings = nullptr);

}  // namespace quorval::honest
