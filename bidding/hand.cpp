#include "bidding/hand.h"

#include <algorithm>

namespace quorval::bidder {

HandFacts EvaluateHolding(const Hand& suits) {
  HandFacts h;
  h.suits = suits;
  for (TSuit s = 0; s < 4; ++s) {
    h.len[s] = CardCount(suits[s]);
    h.hcp += HighCardPoints(suits[s]);
  }
  std::array<int, 4> shape = h.len;
  std::sort(shape.begin(), shape.end(), std::greater<>());
  // 4333, 4432 and 5332.
  h.balanced = shape[3] >= 2 && shape[2] >= 3 && shape[0] <= 5;
  h.semiBalanced = shape[3] >= 2 && shape[0] <= 6;
  h.longest = 3;
  for (TSuit s = 3; s >= 0; --s)
    if (h.len[s] > h.len[h.longest]) h.longest = s;
  return h;
}

Hand HandOf(const Deal& deal, Seat seat) { return {deal.at(seat, 0), deal.at(seat, 1), deal.at(seat, 2), deal.at(seat, 3)}; }

HandFacts Evaluate(const Deal& deal, Seat seat) { return EvaluateHolding(HandOf(deal, seat)); }

int HandFacts::LengthPoints() const {
  int p = hcp;
  for (int l : len) p += std::max(0, l - 4);
  return p;
}

int HandFacts::SupportPoints(TSuit trump) const {
  int p = hcp;
  for (TSuit s = 0; s < 4; ++s) {
    if (s == trump) continue;
    if (len[s] == 0) p += len[trump] >= 4 ? 5 : 3;
    else if (len[s] == 1) p += len[trump] >= 4 ? 3 : 2;
    else if (len[s] == 2) p += 1;
  }
  return p;
}

bool HandFacts::Stopper(TSuit s) const {
  const Holding x = suits[s];
  if (x & RankBit(Ace)) return true;
  if ((x & RankBit(King)) && len[s] >= 2) return true;
  if ((x & RankBit(Queen)) && len[s] >= 3) return true;
  if ((x & RankBit(Jack)) && len[s] >= 4) return true;
  return len[s] >= 5;
}

int HandFacts::Aces() const {
  int n = 0;
  for (TSuit s = 0; s < 4; ++s) n += Holds(s, Ace) ? 1 : 0;
  return n;
}

int HandFacts::KeyCards(TSuit trump) const {
  return Aces() + (trump < 4 && Holds(trump, King) ? 1 : 0);
}

bool HandFacts::GoodSuit(TSuit s) const {
  const int top3 = Holds(s, Ace) + Holds(s, King) + Holds(s, Queen);
  const int top5 = top3 + Holds(s, Jack) + Holds(s, Ten);
  return top3 >= 2 || top5 >= 3;
}

int HandFacts::Shortest() const { return *std::min_element(len.begin(), len.end()); }

int HandFacts::LosingTrickCount() const {
  int losers = 0;
  for (TSuit s = 0; s < 4; ++s) {
    const int n = std::min(len[s], 3);
    const TRank tops[3] = {Ace, King, Queen};
    for (int i = 0; i < n; ++i)
      if (!Holds(s, tops[i])) ++losers;
  }
  return losers;
}

}  // namespace quorval::bidder
