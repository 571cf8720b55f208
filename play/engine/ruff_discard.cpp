#include "play/engine/ruff_discard.h"

#include <algorithm>

#include "play/engine/candidates.h"
#include "play/engine/follow_suit.h"
#include "play/engine/leads.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {

constexpr Holding kLowTrump = 4;   // "any trump": the two's rank bit

Holding Top(Holding h) { return (h & kRankMask) ? Highest(h) : 0; }
Holding SecondLowest(Holding h) { return Lowest(h & ~Lowest(h)); }

// Our cards above all of theirs when we hold the top card, else minus their
// cards above all of ours.
int TopTricks(const SuitView& v) {
  if (v.OurCards > v.TheirCards) {
    const Holding above = v.TheirCards ? v.OurCards & ~((Top(v.TheirCards) << 1) - 1) : v.OurCards;
    return std::min(Count(above), v.OurMaxLen);
  }
  if (v.TheirCards == 0) return 0;
  const Holding above = v.OurCards ? v.TheirCards & ~((Top(v.OurCards) << 1) - 1) : v.TheirCards;
  return -std::min(Count(above), v.TheirMaxLen);
}

// The cheapest trump at least as high as `need`, my lowest when none is.
Holding CheapestTrump(const SuitView& t, Holding need) {
  if (t.MyLow >= need) return t.MyLow;
  const Holding covers = t.MyCards & ~(Top(need) - 1) & kRankMask;
  return covers ? Lowest(covers) : t.MyLow;
}

// The long-suit rule: we hold the top card of a suit in which I am longer
// than either opponent.
int LongSuitValue(Position& p, TSuit suit, const DiscardKeep& keep, int topTricks) {
  AnalyseSuit(p, suit);
  const SuitView& v = p.hands[p.seat].Views[suit];
  const bool defender = p.isDefender(p.seat);
  if (v.OurMaxLen == v.SuitTricks && v.SuitTricks == v.MyLen) {
    if (defender && TheirLongTrump(p) > 0) return 20;
    if (!ReachInAnySuit(p, p.seat, suit)) return 25;
    return v.PdLen < v.MyLen ? 4 : 30;
  }
  if (v.TheirMaxLen == 0 && !p.noTrump() && v.MyTrumpLen == 0 && !ReachInAnySuit(p, p.seat, suit))
    return 60;
  if (topTricks == v.TheirMaxLen && v.TheirMaxLen > 0) return 25;
  if (topTricks <= v.TheirMaxLen) return LastLeadWide().PdEntries > 1 ? 14 : 30;
  const bool trumpLedPdWinning = p.frame().suitLed == p.trump && p.PdWinning &&
                                 keep.theirTrumpKeep == 1;
  if (keep.theirTrumpKeep == 0 || keep.theirTrumpKeep <= keep.ourTrumpKeep || trumpLedPdWinning)
    return 15;
  return 40;
}

}  // namespace

int DiscardValue(Position& p, TSuit suit, int bestSoFar, DiscardKeep& keep) {
  const SuitView& v = ViewSuit(p, p.seat, suit);
  const bool suitContract = !p.noTrump();
  if (suitContract && suit == p.trump) {
    const bool trumpLed = p.frame().suitLed == p.trump;
    const int second = p.pos == 2 ? 1 : 0;
    const int pdKeep = trumpLed ? v.PdTrumpLen - second : 0;
    const int lhoKeep = trumpLed ? v.LhoTrumpLen - second : v.LhoTrumpLen;
    keep.theirTrumpKeep = std::max(lhoKeep, v.RhoTrumpLen);
    keep.ourTrumpKeep = std::max(pdKeep, v.MyTrumpLen);
    return -1;
  }
  const Holding Me = v.MyCards, Pd = v.PdCards, Lho = v.LhoCards, Rho = v.RhoCards;
  const int topTricks = TopTricks(v);
  const bool iHoldTrumps = suitContract && v.MyTrumpLen > 0;
  const LeadWide& w = LastLeadWide();
  const TrickFrame& f = p.frame();

  // A singleton above the opponents' cards: keep only one such suit preferred.
  if (v.MyLen == 1 && v.TheirCards > 0 && v.TheirCards < Me && Pd < v.TheirCards) {
    if (bestSoFar != 2) return 2;
    const bool pdWins = f.winSeat == PartnerOf(p.seat);
    const bool rhoBelow = f.winSeat == PrevSeat(p.seat) && v.RhoLen > 0 && Rho < Me;
    const bool lhoBelow = f.winSeat == NextSeat(p.seat) && v.LhoLen > 0 && Lho < Me;
    return (pdWins || rhoBelow || lhoBelow) ? 1 : 3;
  }
  // A doubleton under their top card guards their second card.
  if (v.MyLen == 2 && Me < v.TheirCards && v.Their2 < Me) {
    if (v.TheirCards < Pd) {
      if (iHoldTrumps) {
        AnalyseSuit(p, suit);
        return 75;
      }
      return 30;
    }
    if (v.TheirMaxLen == 1) return 50;
    if ((Rho | v.Lho2) < Pd && v.PdLen > 1) return 9;
    if (p.noTrump() || OurLongTrump(p) == 0) return 5;
    if (v.MyTrumpLen == 0) return v.PdLen == 0 ? 10 : 2;
    return 20;
  }
  if (v.MyLen == 3 && Me < v.TheirCards && v.TheirMaxLen >= 3 && v.Their3 < Me)
    return (suitContract && v.PdLen < 3 && v.PdTrumpLen > 0) ? 20 : 8;
  if (v.TheirMaxLen < v.MyLen) {
    if (v.TheirCards < v.OurCards) return LongSuitValue(p, suit, keep, topTricks);
    if (v.Our2 < v.Their2) return Lho < Me ? 40 : 80;
    return v.Their2 < v.MyLow ? 10 : 16;
  }
  if (v.TheirCards < v.MyLow) return 5;
  if (v.MyLen == 2 && v.TheirCards < Me) {
    if (keep.theirTrumpKeep < keep.ourTrumpKeep && v.PdLen > 1 && v.MyTrumpLen > 0) {
      AnalyseSuit(p, suit);
      return 20 * p.hands[p.seat].Views[suit].LeadVerdict + 35;
    }
    if (((Lho | v.Rho2) < v.My2 && w.RhoEntries > 0) || ((Rho | v.Lho2) < Pd && w.LhoEntries > 0))
      return 7;
    if (((Rho | v.Lho2) < Pd && v.PdLen > 1) || (v.RhoLen == 0 && v.Lho2 < v.My2)) return 10;
    if (v.TheirMaxLen == 2 && v.PdLen <= 1) return 10;
    return 35;
  }
  if (v.MyLen == 1 && Me < v.TheirCards && iHoldTrumps && v.PdLen > 1)
    return (Rho | v.Lho2) < Pd ? 20 : 85;
  if (iHoldTrumps && topTricks >= v.MyLen) return topTricks == v.MyLen ? 5 : 60;

  if (v.PdLen < v.MyLen && topTricks >= v.OurMaxLen) return 5;
  if (v.MyLen == 1 && v.SuitTricks > 0) return 5;
  int value = 20 - LowestRank(Me);
  if (!(iHoldTrumps && v.PdLen >= v.MyLen)) return value;
  if (v.MyLen == 1 && Me < v.TheirCards) return 90;
  if (v.MyLen - topTricks == 1) {
    if (v.MyLen - 1 < v.TheirMaxLen) return v.MyTrumpLen < v.PdTrumpLen ? 90 : 70;
    return value;
  }
  if (value <= 10) return value;
  if (v.TheirCards < v.My2) return 12;
  if (v.MyLen < v.PdLen && SecondLowest(Me) < Pd) return v.MyLen + 25;
  if (v.LhoTrumpLen == 0 && v.RhoTrumpLen == 0) {
    if (v.TheirCards < Pd) return 15;
    return !v.PdCanRuff ? 30 : 10;
  }
  return 4 * v.MyLen + 15 - HighCardPoints(Me);
}

DiscardChoice ChooseDiscard(Position& p) {
  const TSuit led = p.frame().suitLed;
  const int remaining = 13 - p.trick;
  const TSuit first = p.noTrump() ? Club : p.trump;
  DiscardChoice out;
  int secondValue = -100;
  std::array<Holding, 2> bits{};
  std::array<TSuit, 2> suits{};
  DiscardKeep keep;
  const THands& hand = p.hands[p.seat];
  const bool onlyTrumps = !p.noTrump() &&
                          hand.Len(p.trump) == hand.Len(0) + hand.Len(1) + hand.Len(2) + hand.Len(3);
  for (int i = 0; i < 4; ++i) {
    const TSuit suit = (first + i) & 3;
    const THands& me = p.hands[p.seat];
    const bool holds = me.Len(suit) > 0;
    if (!holds && !(suit == p.trump && !p.noTrump())) continue;
    if (holds && me.Len(suit) == remaining) {
      // The only suit left: discard from it at once.
      out.cards = {RaiseCard(p, CardOf(Lowest(me.Cards(suit)), suit)), 0};
      out.bestValue = 0;
      ViewSuit(p, p.seat, led);
      return out;
    }
    const int value = DiscardValue(p, suit, out.bestValue, keep);
    if (!holds) continue;
    // A trump played to a side-suit trick is a ruff, which the ruffing
    // decision offers on its own terms; as a discard it only comes from a
    // hand that holds nothing else.
    if (suit == p.trump && !p.noTrump() && !onlyTrumps) continue;
    const SuitView& v = p.hands[p.seat].Views[suit];
    if (value > out.bestValue) {
      secondValue = out.bestValue;
      bits[1] = bits[0];
      suits[1] = suits[0];
      Holding pick = v.MyLow;
      const Holding secondLow = SecondLowest(v.MyCards);
      if (v.MyLen == 1) {
        pick = v.MyCards;
      } else if (TopTricks(v) >= v.TheirMaxLen && v.TheirCards < v.PdCards &&
                 v.PdLen >= v.MyLen && v.PdCards < secondLow) {
        // Unblock partner's suit: keep my lowest card to lead over to him.
        pick = secondLow;
      }
      bits[0] = pick;
      suits[0] = suit;
      out.bestValue = value;
    } else if (value > secondValue) {
      secondValue = value;
      bits[1] = v.MyLow;
      suits[1] = suit;
    }
  }
  if (out.bestValue - secondValue > 400) bits[1] = 0;
  for (int k = 0; k < 2; ++k) out.cards[k] = bits[k] ? RaiseCard(p, CardOf(bits[k], suits[k])) : 0;
  ViewSuit(p, p.seat, led);
  return out;
}

void GenerateDiscardCandidates(Position& p) {
  const DiscardChoice d = ChooseDiscard(p);
  p.Candidates = {};
  for (CardCode c : d.cards) p.AddCandidate(c);
}

void GenerateRuffCandidates(Position& p) {
  const TrickFrame& f = p.frame();
  const TSuit led = f.suitLed;
  const Seat me = p.seat, pd = PartnerOf(me);
  const SuitView& v = ViewSuit(p, me, led);
  const Holding WinCard = CardBits(f.winCard);
  const bool trumped = f.winSuit == p.trump && led != p.trump;
  const int pos = p.pos;

  bool pdSafe = false, pdBeats = false;
  if (pos == 2) {
    pdBeats = v.PdCards > (v.LhoCards | WinCard);
    pdSafe = pdBeats && !v.LhoCanRuff;
  } else if (pos == 3) {
    pdSafe = f.winSeat == pd && v.LhoCards < WinCard && !v.LhoCanRuff;
  } else {
    pdSafe = f.winSeat == pd;
  }
  const bool lhoOverruff = pos < 4 && v.LhoCanRuff;
  const bool pdOverruff = pos < 4 && v.PdCanRuff;
  const int remaining = 13 - p.trick;

  const SuitView& t = p.hands[me].Views[p.trump];
  const Holding myTop = Top(t.MyCards);
  const Holding theirTrumps = t.LhoCards | t.RhoCards;
  const bool oneMoreTrump = t.MyLen - TheirLongTrump(p) == 1;

  bool mayRuff = !ReachInOtherSuit(p, me, p.trump) || (p.skill() >= 5 && !pdSafe);
  bool mustRuff = false;
  int held = 0;
  for (TSuit u = 0; u < 4; ++u) held += p.hands[me].Len(u);
  if (held == t.MyLen) {
    mustRuff = true;
  } else if (trumped && WinCard > t.MyCards) {
    mustRuff = mayRuff = false;
  } else if (pos == 2) {
    mayRuff = !(lhoOverruff && t.LhoLen == 1 && pdBeats && myTop < t.LhoCards);
    if (v.PdCanRuff && t.MyLen >= t.PdLen) mustRuff = theirTrumps < Lowest(t.PdCards);
    else mustRuff = !pdBeats;
  } else if (pos == 3 && pdSafe && lhoOverruff) {
    mustRuff = myTop > t.LhoCards || myTop > Lowest(t.LhoCards);
  } else if (pos == 4) {
    mustRuff = !pdSafe;
    mayRuff = theirTrumps != 0 && myTop > theirTrumps;
  } else {
    mustRuff = !pdSafe;
  }
  if ((pos == 2 || pos == 3) && mustRuff && held != t.MyLen && t.LhoLen == remaining)
    mustRuff = false;

  p.Candidates = {};
  if (!mustRuff && !mayRuff) {
    GenerateDiscardCandidates(p);
    return;
  }

  Holding need = trumped ? WinCard : kLowTrump;
  if (pos != 4 && lhoOverruff) need |= t.LhoCards;
  if (myTop < need && (!(pdSafe || pdOverruff) || t.MyLen >= t.LhoLen)) {
    // Overruffing is hopeless: ruff low, or under his trumps.
    need = (myTop < Lowest(t.LhoCards) || myTop == kLowTrump) ? kLowTrump : LhoBelowMyTop(t);
  }
  const Holding lowRuff = t.MyLow;
  Holding ruff = (t.MyLen == 1 || myTop < need) ? lowRuff : CheapestTrump(t, need);
  if (myTop < need) ruff = 0;
  const CardCode ruffCard = CardOf(ruff, p.trump);
  const CardCode lowRuffCard = CardOf(lowRuff, p.trump);

  if (need == kLowTrump && mustRuff) {
    if (const auto unblock = UnblockTest(p, t)) {
      p.AddCandidate(CardOf(unblock->first, p.trump));
      p.AddCandidate(CardOf(unblock->second, p.trump));
      return;
    }
  }
  if (lhoOverruff || !ruff || mayRuff) {
    const DiscardChoice d = ChooseDiscard(p);
    const CardCode discard = d.cards[0];
    if (d.bestValue <= 14 && ruff && !mayRuff) {
      p.AddCandidate(ruffCard);
    } else if (pdSafe || (pos == 3 && f.winSeat == pd && lhoOverruff && myTop < t.LhoCards)) {
      p.AddCandidate(discard);
      p.AddCandidate(ruffCard);
    } else if (ruff && (p.isDefender(me) || mustRuff)) {
      p.AddCandidate(ruffCard);
      if (!(pos == 4) && lhoOverruff) p.AddCandidate(lowRuffCard);
      p.AddCandidate(discard);
    } else if (mayRuff && ruff) {
      p.AddCandidate(discard);
      p.AddCandidate(ruffCard);
    } else if (!ruff) {
      p.AddCandidate(discard);
    } else if (oneMoreTrump) {
      p.AddCandidate(discard);
      p.AddCandidate(ruffCard);
    } else {
      p.AddCandidate(ruffCard);
      p.AddCandidate(discard);
    }
  } else {
    p.AddCandidate(ruffCard);
  }
  if (p.Candidates[0] == 0) p.AddCandidate(lowRuffCard);
}

}  // namespace quorval::engine
