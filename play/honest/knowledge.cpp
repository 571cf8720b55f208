#include "play/honest/knowledge.h"

namespace quorval::honest {

namespace {
constexpr Holding kRanks = 0x7FFC;
}

Seat DecidingSeat(const PlayState& st) {
  return st.CardsPlayed > 0 && st.ToPlay == st.Dummy ? st.Declarer : st.ToPlay;
}

SeatKnowledge KnowledgeOf(const PlayState& st) {
  SeatKnowledge k;
  k.viewer = DecidingSeat(st);
  k.toPlay = st.ToPlay;
  k.visible[k.viewer] = true;
  // Dummy goes down once the opening lead is on the table.
  if (st.CardsPlayed > 0) k.visible[st.Dummy] = true;

  for (int i = 0; i < st.CardsPlayed && i < 52; ++i) {
    const PlayLogEntry& e = st.PlayLog[i];
    k.played[e.seat][SuitOf(e.card)] |= e.card & kRanks;
    // A seat that did not follow the suit led holds none of it.
    const CardCode led = st.PlayLog[i - i % 4].card;
    if (i % 4 != 0 && SuitOf(e.card) != SuitOf(led)) k.showedOut[e.seat][SuitOf(led)] = true;
  }
  for (Seat s = 0; s < 4; ++s) {
    int left = 0;
    for (TSuit u = 0; u < 4; ++u) {
      const Holding held = st.Hands[s].Suits[u].CurrentHolding & kRanks;
      left += CardCount(held);
      if (k.visible[s]) k.remaining[s][u] = held;
    }
    k.cardsLeft[s] = left;
  }
  // The hidden cards as a set: the whole suit less what is seen and played.
  for (TSuit u = 0; u < 4; ++u) {
    Holding known = 0;
    for (Seat s = 0; s < 4; ++s) known |= k.remaining[s][u] | k.played[s][u];
    k.unseen[u] = kRanks & ~known;
  }
  return k;
}

int HiddenSeats(const SeatKnowledge& k, std::array<Seat, 4>& out) {
  int n = 0;
  for (Seat s = 0; s < 4; ++s)
    if (!k.visible[s]) out[n++] = s;
  return n;
}

}  // namespace quorval::honest
