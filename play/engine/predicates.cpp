// Small questions the candidate rules ask about a suit or the whole hand,
// and the dispatcher that chooses which rule fills the candidate list.
#include <algorithm>

#include "play/engine/candidates.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {
const SuitView& TrumpView(const Position& p) { return p.hands[p.seat].Views[p.trump == NT ? 0 : p.trump]; }

// Restores the view the caller had when a predicate looks at other suits.
struct KeepView {
  Position& p;
  Seat seat;
  TSuit suit;
  explicit KeepView(Position& q) : p(q), seat(q.viewSeat), suit(q.viewSuit) {}
  ~KeepView() { ViewSuit(p, seat, suit); }
};
}  // namespace

int OurLongTrump(const Position& p) {
  if (p.trump == NT) return 0;
  const SuitView& t = TrumpView(p);
  return std::max(t.MyLen, t.PdLen);
}
int TheirLongTrump(const Position& p) {
  if (p.trump == NT) return 0;
  const SuitView& t = TrumpView(p);
  return std::max(t.LhoLen, t.RhoLen);
}
Holding OurTrumps(const Position& p) { return p.trump == NT ? 0 : TrumpView(p).OurCards; }
Holding TheirTrumps(const Position& p) { return p.trump == NT ? 0 : TrumpView(p).TheirCards; }

bool PdRuffChance(const Position& p) {
  if (p.trump == NT || TrumpView(p).PdLen == 0) return false;
  for (int i = 1; i < 4; ++i) {
    const SuitView& v = p.hands[p.seat].Views[(p.trump + i) & 3];
    if (v.PdLen == 0 && v.MyLen > 0) return true;
  }
  return false;
}

bool OpponentEntryRho(const Position& p, TSuit suit) {
  for (int i = 1; i < 4; ++i) {
    const SuitView& v = p.hands[p.seat].Views[(suit + i) & 3];
    if (Highest(v.RhoCards) > v.OurCards && v.RhoLen >= 2) return true;
  }
  return false;
}
bool OpponentEntryLho(const Position& p, TSuit suit) {
  for (int i = 1; i < 4; ++i) {
    const SuitView& v = p.hands[p.seat].Views[(suit + i) & 3];
    if (Highest(v.LhoCards) > v.OurCards && v.LhoLen >= 2) return true;
  }
  return false;
}

Holding CheapestCover(const Position& p, Holding a) {
  const SuitView& v = p.view();
  if (v.MyLow >= a) return v.MyLow;
  const Holding above = v.MyCards & ~(Highest(a) - 1);
  return above ? Lowest(above) : v.MyLow;
}

CardCode RaiseCard(const Position& p, CardCode card) {
  if (card < 4) return card;
  const TSuit u = SuitOf(card);
  return CardOf(RaiseThroughRun(CardBits(card), p.hands[p.seat].Cards(u)), u);
}

CardCode RaiseUnlessThirdDefender(const Position& p, Holding c) {
  c &= kRankMask;
  if (!c) return 0;
  const TSuit u = p.frame().suitLed;
  if (p.pos == 3 && p.isDefender(p.seat)) return CardOf(c, u);
  return CardOf(RaiseThroughRun(c, p.hands[p.seat].Cards(u)), u);
}

Holding TheirNonSingletons(const SuitView& v) {
  return (v.LhoLen != 1 ? v.LhoCards : 0) | (v.RhoLen != 1 ? v.RhoCards : 0);
}

bool CanReachMe(Position& p, Seat seat, TSuit suit) {
  KeepView keep(p);
  const SuitView& v = ViewSuit(p, seat, suit);
  if (v.PdLen == 0) return false;
  return v.ICanRuff || (Highest(v.MyCards) > v.TheirCards && Highest(v.MyCards) > v.PdLow) ||
         (v.Their2 < v.My2 && v.LhoCards < v.MyCards);
}
bool ReachInOtherSuit(Position& p, Seat seat, TSuit suit) {
  for (int i = 1; i < 4; ++i)
    if (CanReachMe(p, seat, (suit + i) & 3)) return true;
  return false;
}
bool ReachInAnySuit(Position& p, Seat seat, TSuit suit) {
  return CanReachMe(p, seat, suit) || ReachInOtherSuit(p, seat, suit);
}
bool WinnerWherePdVoid(Position& p, Seat seat, TSuit suit) {
  if (ReachInOtherSuit(p, seat, suit)) return false;
  for (int i = 1; i < 4; ++i) {
    const SuitView& v = p.hands[seat].Views[(suit + i) & 3];
    if (v.PdLen == 0 && Highest(v.MyCards) > v.TheirCards && v.MyLen > 0) return true;
  }
  return false;
}

int TricksStillNeeded(const Position& p) {
  if (SideOf(p.seat) == 2) return p.OtherNeed - (p.trick - p.NSTricks);
  return p.Target - p.NSTricks;
}
int SuitLength(const SuitView& v) { return v.MyLen + v.PdLen + v.LhoLen + v.RhoLen; }
int ShortOpponent(const SuitView& v) { return std::min(v.LhoLen, v.RhoLen); }
Holding LhoBelowMyTop(const SuitView& v) { return v.LhoCards & (Highest(v.MyCards) - 1); }

namespace {
bool ThreatOf(const Position& p, Holding oppTrumps, int oppTrumpLen) {
  const Holding ours = OurTrumps(p);
  return OurLongTrump(p) < oppTrumpLen || (ours < oppTrumps && oppTrumpLen == 1) ||
         (oppTrumpLen > 0 && ours < Lowest(oppTrumps)) || oppTrumpLen == 1 + p.TrumpSuitTricks;
}
}  // namespace

bool RhoRuffThreat(const Position& p, const SuitView& v) { return ThreatOf(p, v.RhoTrumps, v.RhoTrumpLen); }
bool LhoRuffThreat(const Position& p, const SuitView& v) { return ThreatOf(p, v.LhoTrumps, v.LhoTrumpLen); }

bool RuffThreat(const Position& p, const SuitView& v) {
  if (p.trump == NT || OurLongTrump(p) == 0) return false;
  if (v.LhoCanRuff && v.RhoCanRuff) return false;
  if (v.LhoCanRuff) return LhoRuffThreat(p, v);
  if (v.RhoCanRuff) return RhoRuffThreat(p, v);
  return false;
}

void GenerateCandidates(Position& p) {
  p.Candidates = {};
  p.viewSeat = p.seat;
  if (p.pos == 1) {
    GenerateLeadCandidates(p);
    if (p.cardsAtNode == 0) {
      ChooseOpeningLead(p);
      p.Candidates[1] = p.Candidates[2] = p.Candidates[3] = 0;
    }
    return;
  }
  const TrickFrame& f = p.frame();
  const SuitView& v = ViewSuit(p, p.seat, f.suitLed);
  if (v.MyLen > 0) {
    GenerateFollowCandidates(p);
    return;
  }
  const Seat pd = PartnerOf(p.seat);
  switch (p.pos) {
    case 2: p.PdWinning = (CardBits(f.winCard) | v.LhoCards) < v.PdCards; break;
    case 3: p.PdWinning = f.winSeat == pd && v.LhoCards < CardBits(f.winCard); break;
    default: p.PdWinning = f.winSeat == pd; break;
  }
  if (v.ICanRuff) {
    GenerateRuffCandidates(p);
  } else {
    GenerateDiscardCandidates(p);
    p.Candidates[0] = RaiseCard(p, p.Candidates[0]);
  }
}

}  // namespace quorval::engine
