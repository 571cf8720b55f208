#pragma once
// The follow rules' working state, shared by the files that hold them:
// second hand (follow_second_hand.cpp), third and fourth hand
// (follow_third_fourth.cpp) and the entry point with the low-card play
// (follow_suit.cpp). Each rule sets Primary and Alternative, the thresholds
// that CheapestCover turns into cards.

#include <algorithm>

#include "play/engine/candidates.h"
#include "play/engine/leads.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine::follow {

constexpr Holding kLow = 4;     // threshold meaning "my lowest card"
constexpr Holding kNone = 0;    // no alternative
constexpr Holding kJack = Holding(1) << Jack;
constexpr Holding kTen = Holding(1) << Ten;

inline Holding Top(Holding h) { return (h & kRankMask) ? Highest(h) : 0; }
inline Holding Above(Holding c) { return (c << 1) & kRankMask; }
inline Holding SecondLowest(Holding h) { return Lowest(h & ~Lowest(h)); }
inline bool Adjacent(Holding a, Holding b) { return a && b && (a == (b << 1) || b == (a << 1)); }

// The highest cards of a and b are adjacent, or no card of c lies between them.
inline bool TopsTouch(Holding a, Holding b, Holding c) {
  const Holding x = Top(a), y = Top(b);
  const Holding hi = std::max(x, y), lo = std::min(x, y);
  if (Adjacent(hi, lo)) return true;
  const Holding between = c & (hi - 1) & ~((lo << 1) - 1);
  return between == 0;
}

// The seat can ruff its way in: it holds trumps and is void in another side
// suit that its left-hand opponent cannot overruff.
bool RuffEntry(const Position& p, Seat seat, TSuit led);

struct Follow {
  Position& p;
  const SuitView& v;
  TSuit led;
  Holding Me, Pd, Lho, Rho;
  Holding WinCard;
  Holding ThreatX;
  bool OppWinning;
  Holding Primary = kLow;
  Holding Alternative = kLow;
  Holding Extra2 = 0;    // Candidates[2]
  bool dropExtra3 = false;

  Follow(Position& pos, const SuitView& view)
      : p(pos), v(view), led(pos.frame().suitLed), Me(view.MyCards), Pd(view.PdCards),
        Lho(view.LhoCards), Rho(view.RhoCards), WinCard(CardBits(pos.frame().winCard)),
        ThreatX(view.LhoCards | CardBits(pos.frame().winCard)),
        OppWinning(((pos.frame().winSeat + pos.seat) & 1) != 0) {}

  Seat me() const { return p.seat; }
  Seat pd() const { return PartnerOf(p.seat); }
  Seat lho() const { return NextSeat(p.seat); }
  Seat rho() const { return PrevSeat(p.seat); }
  bool suitContract() const { return !p.noTrump(); }
  bool defender() const { return p.isDefender(p.seat); }
  int totalLen() const { return v.MyLen + v.PdLen + v.LhoLen + v.RhoLen; }
  bool reach(Seat s) { return ReachInOtherSuit(p, s, led); }

  Holding LhoBelowMyTop() const { return quorval::engine::LhoBelowMyTop(v); }

  // The rank just above c when the opponents hold it, else their highest card below c.
  Holding NextOpponentCard(Holding c) const {
    const Holding their = v.TheirCards;
    if (Above(c) & their) return Above(c);
    return Top(their & (c - 1));
  }

  // Going down from my top, the first rank that partner or the right-hand
  // opponent holds is partner's.
  bool PdBelowMyTop() const {
    const Holding below = (Pd | Rho) & (Top(Me) - 1) & kRankMask;
    const Holding first = Top(below);
    return first > 4 && (first & Pd);
  }

  bool SecondCover() const {
    if (v.MyLen >= 3 && v.My2 > Pd && v.My2 > v.Lho2) return true;
    if (Top(Me) == Above(v.My2) && v.My2) {
      if (v.My2 >= kTen) return true;
      if (Pd < WinCard && WinCard < v.My2 && v.RhoLen <= 1) return true;
    }
    return false;
  }

  void SecondHand();
  void SecondAboveLho();
  void SecondBelowLho();
  void SecondLow();
  void SecondDuck();
  bool ThirdHand();   // false: skip the final adjustment
  void ThirdPartnerWinning();
  bool ThirdOpponentWinning();
  void ThirdCover();
  void FinalAdjustment();
  void FourthHand();
};

}  // namespace quorval::engine::follow
