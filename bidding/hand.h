#pragma once
// What a bidder sees of its own hand: points, suit lengths, shape, stoppers.
#include <array>

#include "core/deal.h"
#include "core/types.h"

namespace quorval::bidder {

// One seat's cards, clubs to spades: all a seat sees of the deal.
using Hand = std::array<Holding, 4>;
Hand HandOf(const Deal& deal, Seat seat);

struct HandFacts {
  std::array<Holding, 4> suits{};
  std::array<int, 4> len{};
  int hcp = 0;
  bool balanced = false;      // 4333, 4432, 5332
  bool semiBalanced = false;  // also 5422 and 6322
  int longest = 0;            // suit (clubs 0 .. spades 3); the higher of equal lengths

  int Length(TSuit s) const { return len[s]; }
  int Hcp(TSuit s) const { return HighCardPoints(suits[s]); }
  bool Holds(TSuit s, TRank r) const { return (suits[s] & RankBit(r)) != 0; }
  // Points as declarer: high cards plus one for every card beyond four in a suit.
  int LengthPoints() const;
  // Points as the hand supporting partner's `trump`: short suits count.
  int SupportPoints(TSuit trump) const;
  // A stopper for no trump: A, Kx, Qxx, Jxxx or better.
  bool Stopper(TSuit s) const;
  // Aces, or key cards (four aces and the trump king) when trump is a suit.
  int Aces() const;
  int KeyCards(TSuit trump) const;
  // Three of the top five honours, or two of the top three: a suit worth
  // preempting or overcalling in when vulnerable.
  bool GoodSuit(TSuit s) const;
  int Shortest() const;  // length of the shortest suit
  int LosingTrickCount() const;
};

HandFacts Evaluate(const Deal& deal, Seat seat);
HandFacts EvaluateHolding(const Hand& suits);

}  // namespace quorval::bidder
