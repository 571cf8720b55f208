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

// The cheapest card of suit u that beats the trick's winning card, or 0.
CardCode CheapestWinner(const Position& p, TSuit u) {
  const TrickFrame& f = p.frame();
  Holding h = p.me().Cards(u);
  if (u == f.winSuit) h &= ~((CardBits(f.winCard) << 1) - 1);
  else if (!(u == p.trump && f.winSuit != p.trump)) return 0;
  return CardOf(Lowest(h), u);
}

bool PartnerWinning(const Position& p) { return p.frame().winSeat == PartnerOf(p.seat); }

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

void GenerateRuffCandidates(Position& p) {
  if (!PartnerWinning(p)) p.AddCandidate(CheapestWinner(p, p.trump));
  GenerateDiscardCandidates(p);
}

void GenerateDiscardCandidates(Position& p) {
  const THands& h = p.me();
  CardCode best = 0;
  for (TSuit u = 0; u < 4; ++u) {
    if (u == p.trump || h.Len(u) == 0) continue;
    const CardCode c = CardOf(Lowest(h.Cards(u)), u);
    if (!best || h.Len(u) > h.Len(SuitOf(best))) best = c;
  }
  p.AddCandidate(best ? best : LowestOf(h, -1));
}

}  // namespace quorval::engine
