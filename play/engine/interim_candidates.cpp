// Plain stand-ins for the candidate rules that have no file of their own yet:
// win the trick as cheaply as possible, otherwise give the lowest card.
#include "play/engine/candidates.h"

namespace quorval::engine {

namespace {

// The lowest card of the suit, or of the longest suit when u is -1.
CardCode LowestOf(const THands& h, int u) {
  if (u < 0) {
    for (TSuit s = 0; s < 4; ++s)
      if (h.Len(s) > 0 && (u < 0 || h.Len(s) > h.Len(u))) u = s;
    if (u < 0) return 0;
  }
  return CardOf(Lowest(h.Cards(u)), u);
}

}  // namespace

void GenerateLeadCandidates(Position& p) {
  // Cash a top card where we hold one, else lead low from the longest suit.
  const THands& h = p.me();
  for (TSuit u = 0; u < 4; ++u) {
    const SuitView& v = h.Views[u];
    if (v.MyLen > 0 && Highest(v.MyCards) > v.TheirCards && !v.OppCanRuff) {
      p.AddCandidate(CardOf(Highest(v.MyCards), u));
      break;
    }
  }
  p.AddCandidate(LowestOf(h, -1));
}

}  // namespace quorval::engine
