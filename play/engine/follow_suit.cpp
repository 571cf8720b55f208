#include "play/engine/follow_suit.h"

#include <algorithm>

#include "play/engine/candidates.h"
#include "play/engine/leads.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {

constexpr Holding kLow = 4;     // threshold meaning "my lowest card"
constexpr Holding kNone = 0;    // no alternative
constexpr Holding kJack = Holding(1) << Jack;
constexpr Holding kTen = Holding(1) << Ten;

Holding Top(Holding h) { return (h & kRankMask) ? Highest(h) : 0; }
Holding Above(Holding c) { return (c << 1) & kRankMask; }
Holding SecondLowest(Holding h) { return Lowest(h & ~Lowest(h)); }
bool Adjacent(Holding a, Holding b) { return a && b && (a == (b << 1) || b == (a << 1)); }

// The highest cards of a and b are adjacent, or no card of c lies between them.
bool TopsTouch(Holding a, Holding b, Holding c) {
  const Holding x = Top(a), y = Top(b);
  const Holding hi = std::max(x, y), lo = std::min(x, y);
  if (Adjacent(hi, lo)) return true;
  const Holding between = c & (hi - 1) & ~((lo << 1) - 1);
  return between == 0;
}

// The seat can ruff its way in: it holds trumps and is void in another side
// suit that its left-hand opponent cannot overruff.
bool RuffEntry(const Position& p, Seat seat, TSuit led) {
  if (p.noTrump()) return false;
  const THands& h = p.hands[seat];
  const THands& lho = p.hands[NextSeat(seat)];
  if (h.Len(p.trump) == 0) return false;
  for (TSuit u = 0; u < 4; ++u) {
    if (u == led || u == p.trump || h.Len(u) != 0) continue;
    if (lho.Len(u) > 0 || lho.Cards(p.trump) < h.Cards(p.trump)) return true;
  }
  return false;
}

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

void Follow::SecondHand() {
  if (Me < v.PdLow) {
    Alternative = kNone;
    return;
  }
  if (v.PdLen == 1 && Pd > ThreatX) {
    if (Pd < Me && (v.TheirCards - v.Lho2) < v.My2) Alternative = Pd;
    else Alternative = reach(me()) ? kNone : ThreatX;
    return;
  }
  if (Me < Lho) SecondBelowLho();
  else SecondAboveLho();
}

void Follow::SecondBelowLho() {
  if (v.LhoLen == 1) {
    Alternative = kNone;
    return;
  }
  if (v.PdLen == 1 && Pd > WinCard) {
    if (v.MyLen > 2 && std::max(v.Lho2, Pd) < v.My2) Primary = v.My2;
    else Alternative = kNone;
    return;
  }
  if ((v.Lho2 | Rho) < v.My2) {
    Primary = v.My2;
    Alternative = WinCard;
    return;
  }
  if (v.MyLen == 2) {
    Primary = WinCard;
    if (v.Their3 < Me) Alternative = kLow;
    else if (!(v.LhoLen == 2 && v.RhoLen > 1 && Pd < Rho)) Alternative = kNone;
    return;
  }
  if (WinCard >= kTen) {
    const Holding x = NextOpponentCard(WinCard);
    if (x < v.My2 || (v.PdLen > 1 && x < Pd)) {
      Primary = WinCard;
      Alternative = kLow;
      return;
    }
    const Holding y = NextOpponentCard(x);
    if (y < v.My2 || (v.PdLen > 2 && y < Pd)) {
      Primary = WinCard;
      Alternative = kLow;
    } else {
      Primary = kLow;
      Alternative = WinCard;
    }
    return;
  }
  if (Me < Lowest(Lho) || (v.LhoLen >= v.MyLen && Me < NthHighest(v.MyLen, Lho))) {
    Alternative = kNone;
    return;
  }
  if (v.PdLen == 1 && Pd > ThreatX) {
    Alternative = kNone;
    return;
  }
  if (v.PdLen == 0 || SecondCover()) {
    const Holding cover = LhoBelowMyTop() | WinCard;
    if (Top(Me) == Above(v.My2) && !TopsTouch(Me, Pd, Lho)) {
      Primary = cover;
      if (v.MyLen > 2 && Pd < v.My3) Alternative = kNone;
    } else if (WinCard == Above(v.My2)) {
      Primary = WinCard;
    } else if ((Rho | v.Lho2) < Pd) {
      Primary = WinCard;
      Alternative = kNone;
    } else if (v.PdLen == 0 && LhoBelowMyTop() < v.My2) {
      Primary = cover;
      Alternative = kLow;
    } else {
      Alternative = cover;
    }
    return;
  }
  if (Me < v.Their2) {
    SecondLow();
    return;
  }
  if (WinCard < Pd && TopsTouch(Me, Pd, Lho)) {
    Alternative = kNone;
    return;
  }
  if (v.Lho2 < v.My2) {
    Primary = WinCard | v.Lho2;
    if (totalLen() == 12 && (Rho | v.Lho2) < NthHighest(3, v.OurCards)) {
      Alternative = Primary;
      Primary = Rho;
    } else if (!(v.MyLen != 2 && (Pd | v.My2) <= v.Their2)) {
      Alternative = kNone;
    }
    return;
  }
  const Holding lho3 = NthHighest(3, Lho);
  if (v.Lho2 < Me && v.LhoLen > 2 && lho3 < v.My2) {
    Alternative = std::max(lho3, WinCard);
    Primary = 0;
    return;
  }
  if (v.Lho2 < Pd && WinCard < Pd) {
    Alternative = Lho < Pd ? WinCard : kNone;
    return;
  }
  if (v.MyLen < v.TheirMaxLen && Me < NthHighest(v.MyLen, Lho | Rho)) {
    Alternative = kNone;
    return;
  }
  if (Pd < WinCard && WinCard < Me && v.PdLen > 2 && v.LhoLen > 2 && (lho3 | Rho) < Pd) {
    Primary = WinCard;
    Alternative = kNone;
    return;
  }
  if (WinCard > Pd || (v.PdLen > 1 && Me && Pd / Me > 2) || (Pd > Lho && WinCard >= kJack)) {
    if (v.PdLen == 0) Primary = kLow;
    else SecondDuck();
    return;
  }
  if (v.Lho2 < v.My2) Primary = WinCard | v.Lho2;
}

void Follow::SecondAboveLho() {
  if (v.MyLen == 2 && (Pd | v.TheirCards) < v.My2) {
    Primary = ThreatX;
    Alternative = kNone;
    return;
  }
  if (v.LhoCanRuff) {
    if (WinCard < Pd) {
      Alternative = kNone;
    } else {
      Primary = WinCard;
      Alternative = kLow;
    }
    return;
  }
  if (Pd < ThreatX && led == p.trump && v.MyLen < v.TheirMaxLen) {
    Primary = ThreatX;
    Alternative = kLow;
    return;
  }
  if (Pd >= ThreatX) {
    if (Me <= ThreatX) return;
    if (Pd < v.TheirCards) {
      Primary = kLow;
      Alternative = ThreatX;
    } else if (v.MyLen < v.PdLen && v.MyLow < Pd &&
               v.TheirCards < NthHighest(v.OurMaxLen, v.OurCards)) {
      Primary = Top(Me);
      Alternative = kLow;
    } else if (v.PdLen == 1 || (Rho <= Me && Me <= v.Lho2)) {
      if (ThreatX < v.My2) Alternative = Pd;
    } else if (v.TheirCards < Pd && v.PdLen > 1) {
      Primary = ThreatX;
      Alternative = kLow;
      if (Pd < Me) Extra2 = Top(Me);
    } else if (Pd < Rho) {
      if (v.MyLen == 2 && v.PdLen >= 3 && Me < v.TheirCards) {
        Primary = ThreatX;
        Alternative = kNone;
      }
    } else if (v.Pd2 <= v.Lho2) {
      if (v.PdLen == 2 && v.TheirMaxLen < v.MyLen &&
          v.TheirCards < NthHighest(v.TheirMaxLen, v.OurCards))
        Alternative = kNone;
      else
        Primary = ThreatX;
    } else if (v.MyLen == 2 && Rho < Pd) {
      Primary = Above(v.My2);
      Alternative = kLow;
    } else if (v.PdLen == 2 && v.MyLen > 2) {
      Alternative = kNone;
    } else if (v.MyLen < v.PdLen && Pd < NthHighest(v.MyLen - 1, Me)) {
      Primary = v.My2;
      Alternative = kNone;
    } else {
      Alternative = ThreatX;
      Extra2 = v.My2;
    }
    return;
  }
  // Partner cannot beat the threat: cover it, unless a rule ducks.
  Primary = ThreatX;
  if (v.Our2 < v.Rho2 && v.LhoLen > 1 && v.LhoLen <= v.MyLen && (v.PdLen > 1 || p.noTrump()) &&
      !reach(rho())) {
    Primary = kLow;
    Alternative = ThreatX;
  } else if (Lho < v.My2) {
    if (p.noTrump()) {
      Alternative = (p.seat == p.declarer && (v.LhoLen == 1 || v.RhoLen == 0)) ? kNone : kLow;
    } else if (!(v.LhoLen > 2 && v.RhoLen > 1 && v.MyLen > 2 && p.cardsAtNode > 20)) {
      Alternative = kNone;
    }
  } else if (Rho < Me && Pd < Rho && v.PdLen > 1) {
    if (ThreatX < v.My2 ||
        (!RuffEntry(p, rho(), led) && (v.TheirCards - v.Lho2) <= v.My2)) {
      Alternative = kNone;
    } else if ((v.LhoLen == 1 && suitContract() && v.LhoTrumpLen > 0) || v.Lho2 < v.My2) {
      // keep the cover with a low alternative
    } else {
      Alternative = ThreatX;
      Primary = kLow;
    }
  } else if (Lho <= Pd || Pd <= (Rho | v.Lho2) || v.PdLen < 2 || v.LhoLen == 1) {
    if (v.RhoLen == 1 && !reach(rho())) {
      Primary = kLow;
      Alternative = ThreatX;
    } else if (v.PdLen == 1 && Pd < v.Lho2 && suitContract()) {
      Alternative = kNone;
    } else if (v.LhoLen == 1) {
      Alternative = kNone;
    } else if (v.MyLen >= 4) {
      Alternative = v.My3;
    }
  } else if (v.RhoLen == 0 || Pd < WinCard) {
    Alternative = kNone;
  } else if (WinCard < v.My2 && Me < ThreatX) {
    Primary = v.My2;
    Alternative = ThreatX;
  } else if (v.MyLen == v.LhoLen && v.MyLen >= v.RhoLen) {
    // cover, low as the second choice
  } else {
    Primary = kLow;
    Alternative = ThreatX;
  }
}

void Follow::SecondLow() {
  const Holding lho3 = NthHighest(3, Lho);
  Alternative = (v.LhoLen < 3 || Me < lho3) ? kLow : lho3;
  if (PdBelowMyTop()) {
    Primary = kLow;
    Alternative = kNone;
  } else if ((Alternative | Rho) < Pd && v.MyLen < v.PdLen) {
    Primary = WinCard;
    Alternative = kNone;
  } else if (v.Lho2 < Pd) {
    Primary = kLow;
    Alternative = kNone;
  } else if (v.RhoLen > 0 && (Alternative < v.My2 || v.Rho2 < v.My2)) {
    Primary = WinCard;
    Alternative = kNone;
  } else if (v.RhoLen == 0 || v.LhoLen < 3) {
    if (Pd < (WinCard | v.Lho2) && v.LhoLen > 2 && Pd < Alternative && Alternative < Me) {
      if (v.RhoLen > 0) Primary = WinCard;
      else Primary = Alternative < v.My2 ? Alternative : kLow;
    } else {
      Primary = kLow;
    }
    Alternative = kNone;
  } else {
    Primary = std::max(Alternative, WinCard);
    if (Primary == kJack || (Primary < Pd && v.PdLen <= v.MyLen)) {
      Primary = kLow;
      Alternative = kNone;
    } else if (Me < Primary) {
      Primary = (v.MyLen < 3 || v.My3 <= WinCard) ? kLow : WinCard;
      Alternative = kNone;
    } else if (Alternative < v.My2 && Pd < std::max(WinCard, v.Lho2)) {
      if (v.MyLen < v.LhoLen) Alternative = kNone;
      else if (v.TheirMaxLen > 2 && Me < v.Their3) Alternative = kLow;
      else if (Me < v.Their2) Alternative = kNone;
      else Alternative = kLow;
    } else if (!(Rho & (WinCard >> 1)) && !(Rho & Above(WinCard))) {
      Alternative = kNone;
      if (v.MyLen >= 3) Primary = kLow;
    } else if (v.MyLen > 2 && Alternative < Me) {
      // Duck first, keep the cover as the second choice.
      Alternative = Primary;
      Primary = kLow;
    }
  }
}

void Follow::SecondDuck() {
  Primary = LhoBelowMyTop() | WinCard;
  if (v.RhoLen == 0 && Pd < v.Lho2) {
    Primary = kLow;
  } else if (v.PdLen == 0 && pd() != p.dummy) {
    if (WinCard == Above(v.My2) || v.My2 >= v.Their3) {
      if (WinCard < kJack) Alternative = kNone;
    } else {
      Primary = kLow;
    }
  } else if (rho() == p.dummy && WinCard >= kJack && Adjacent(WinCard, v.Rho2)) {
    Alternative = Primary;
    Primary = kLow;
  } else if (v.RhoLen == 0 && ((Pd & ~v.PdLow) | v.My2) < v.Lho2) {
    Alternative = Primary;
    Primary = kLow;
  } else if (v.MyLen == 2 && WinCard >= kJack) {
    if (v.RhoLen == 0) Alternative = kNone;
  } else if (v.RhoLen < v.LhoLen - 1 && (Pd | v.My2) < v.Lho2) {
    Alternative = kNone;
    Primary = kLow;
  } else if ((Pd | v.Lho2 | Rho) < Me &&
             (v.PdLen < 3 || v.TheirMaxLen < 3 || Pd <= v.Their3)) {
    Alternative = Primary;
    Primary = kLow;
  }
}

bool Follow::ThirdHand() {
  const Holding lhoLow = Lowest(Lho);
  const Holding mySecondLow = SecondLowest(Me);
  if (v.LhoLen == 1 && Lho > Top(Me)) {
    Alternative = kNone;
    if (v.MyLen == 2 && Pd < Me && v.PdLen > 1 && Rho < Pd) {
      Primary = Top(Me);
      Alternative = kLow;
    } else if (v.MyLen > v.TheirMaxLen) {
      Primary = NthHighest(v.TheirMaxLen + 1, Me);
    }
    return false;
  }
  if (OppWinning && suitContract() && v.PdLen == 0 && v.PdTrumpLen > 0 && v.MyLen >= 2 &&
      Me > ThreatX) {
    Primary = ThreatX;
    Alternative = kNone;
    return true;
  }
  if (v.PdLen >= v.MyLen && v.MyLow < Pd && v.TheirCards < NthHighest(v.PdLen, v.OurCards)) {
    Primary = ThreatX;
    Alternative = (p.noTrump() || !defender()) ? mySecondLow : kNone;
    return true;
  }
  if (v.MyLen == 2 && v.PdLen >= std::max(2, v.TheirMaxLen) && (v.TheirCards - lhoLow) < Pd) {
    if (led == p.trump && (v.LhoLen == 2 || v.RhoLen == 1) && ThreatX < Me) {
      Alternative = ThreatX;
    } else if (ThreatX < v.My2 && v.Pd2 < v.Their2) {
      Primary = v.My2;
      Alternative = Top(Me);
      return false;
    } else {
      Primary = Above(v.My2);
      Alternative = (v.Pd2 < v.TheirCards && ThreatX < Me) ? ThreatX : kNone;
    }
    return true;
  }
  if (!OppWinning) {
    ThirdPartnerWinning();
    return true;
  }
  return ThirdOpponentWinning();
}

void Follow::ThirdPartnerWinning() {
  const Holding lhoLow = Lowest(Lho);
  const int exhaustLen = std::max(v.LhoLen, v.RhoLen + 1);
  const bool reachMe = reach(me());
  if (Lho < WinCard && v.MyLow < WinCard) {
    if (v.LhoCanRuff) {
      Alternative = kNone;
    } else if (v.PdLen == 0) {
      const bool pdVoidTheyRuff = suitContract() && v.LhoTrumpLen > 0 && v.RhoTrumpLen > 0 &&
                                  v.PdTrumpLen == 0;
      const bool iOutlast =
          v.MyLen >= v.LhoLen && v.MyLen > v.RhoLen &&
          (v.LhoLen == 0 || Lho < NthHighest(v.LhoLen, Me)) &&
          (v.RhoLen == 0 || Rho < NthHighest(v.RhoLen + 1, Me));
      if (v.TheirCards < v.My2 && !reachMe) {
        Primary = ThreatX;
      } else if (led == p.trump && v.TheirCards != 0) {
        Alternative = WinCard;
      } else if ((Rho | v.Lho2) > v.My2) {
        if (pdVoidTheyRuff) Alternative = WinCard;
        else if (WinCard < v.My2 && !reachMe) Primary = WinCard;
        else Alternative = reachMe ? kNone : ThreatX;
      } else if (iOutlast) {
        Primary = WinCard;
        Alternative = kNone;
      } else {
        Alternative = reachMe ? kNone : WinCard;
      }
    } else {
      const bool rhoSplit = PrevSeat(p.seat) != p.dummy && Lho < v.Rho2 && WinCard < v.Rho2 &&
                            v.Rho2 < Me;
      if (WinCard < v.My2 && exhaustLen < 3 && rhoSplit) {
        Primary = v.Rho2;
      } else if (RuffEntry(p, pd(), led)) {
        if (defender() || v.TheirCards == 0) Primary = WinCard | Lho;
        else Alternative = WinCard | Lho;
      } else if (v.My2 < v.PdLow) {
        Alternative = WinCard | Lho;
      } else if (v.My2 >= Rho && v.MyLen > exhaustLen) {
        Primary = NthHighest(exhaustLen + 1, Me);
      } else {
        Alternative = kNone;
      }
    }
    if (Primary == kLow && Alternative == kNone && totalLen() == 11 && v.PdLen > 1 &&
        v.MyLen > 2 && defender()) {
      Primary = v.My2;
      Alternative = kLow;
    }
    return;
  }
  if (Lho < Me) {
    if (v.LhoLen == 1 || (v.LhoLen == 2 && Me < Rho) || (suitContract() && v.RhoLen == 0)) {
      Primary = WinCard | Lho;
      if (v.MyLen > exhaustLen) Primary = std::max(Primary, NthHighest(exhaustLen, Me));
      if (p.noTrump() && v.PdLen == 1 && std::max(v.LhoLen - 1, v.RhoLen) == 1 && !reachMe) {
        Alternative = Primary;
        Primary = kLow;
      } else if (v.SuitRuns) {
        Alternative = kNone;
      }
    } else if (v.TheirCards == 0) {
      Primary = v.PdLen == 0 ? WinCard : kLow;
    } else if (v.MyLen > exhaustLen && v.PdLen > 0 && (Pd | v.My2) < v.Lho2) {
      Alternative = ThreatX;
      const bool pdHolds = p.frame().winSeat == pd() && v.Lho2 < WinCard;
      Primary = (pdHolds || (v.TheirMaxLen < v.MyLen && p.noTrump())) ? kLow : v.Lho2;
      if (v.PdLen <= 1 && Me < Rho && suitContract() && v.PdTrumpLen > 0) {
        Alternative = Primary;
        Primary = ThreatX;
      }
    } else if (v.MyLen == 2 && ThreatX < v.My2 && Pd < ((Lho | Rho) & ~lhoLow)) {
      Primary = ThreatX;
      Alternative = kNone;
    } else if (v.MyLen == 2 && (ThreatX - lhoLow) < Pd) {
      Primary = Top(Me);
      Alternative = kNone;
    } else if (v.Lho2 < WinCard && Rho < Me && (Pd | v.My2) < Rho) {
      Primary = ThreatX;
      Alternative = kLow;
    } else if (v.Our2 < Lho && v.Lho2 < WinCard && Rho < Me && v.My2 < (Lho | Rho)) {
      if (v.RhoLen == 0 || RuffEntry(p, pd(), led)) Primary = ThreatX;
      else Alternative = ThreatX;
    } else if (p.noTrump() && v.PdLen > 0 && v.MyLen == p.me().Suits[led].DealtLength &&
               v.MyLen > 1) {
      Primary = ThreatX;
      Alternative = kLow;
    } else {
      Alternative = kNone;
      if (v.MyLen > exhaustLen && v.TheirCards < NthHighest(exhaustLen, Me)) {
        Primary = NthHighest(exhaustLen, Me);
      } else if (p.noTrump() && v.TheirMaxLen < v.OurMaxLen) {
        Primary = ThreatX;
        Alternative = kLow;
      } else if ((v.Rho2 < v.My2 && Pd < Lho && v.My2 < v.TheirCards) ||
                 (v.Lho2 < v.My2 && Pd < Lho)) {
        Primary = ThreatX;
        Alternative = v.Lho2;
      } else {
        Primary = ThreatX;
      }
    }
    return;
  }
  ThirdCover();
  if (TopsTouch(CheapestCover(p, Primary), WinCard, Lho)) Primary = kLow;
}

void Follow::ThirdCover() {
  Alternative = kNone;
  const Holding lho3 = NthHighest(3, Lho);
  if (Me < v.Lho2 && v.LhoLen > 2) {
    const Holding lho4 = NthHighest(4, Lho);
    if (v.RhoLen == 0 && v.OurMaxLen > 3 && v.LhoLen > 3 && lho4 < v.OurCards) {
      Primary = lho4;
      if (lho3 < NthHighest(2, v.OurCards)) {
        Alternative = Primary;
        Primary = Top(Me);
        return;
      }
    } else {
      Primary = lho3;
    }
    Primary = Primary < (Pd | v.My2) ? std::min(Primary, Me) : kLow;
  } else if (v.Lho2 < (Pd | v.My2) && v.Lho2 <= Me) {
    Primary = v.Lho2;
    if (v.PdLen > 1 && Lho < Pd && v.Lho2 < Me && v.MyLen > 2) Alternative = kLow;
  } else if (lho3 < v.My2) {
    Primary = v.My2;
  } else if (v.PdLen > 1 && lho3 < Pd && v.Lho2 < Me) {
    Primary = v.Lho2;
  }
}

bool Follow::ThirdOpponentWinning() {
  const int exhaustLen = std::max(v.LhoLen, v.RhoLen + 1);
  if (ThreatX < Me) {
    Primary = ThreatX;
    if (TricksStillNeeded(p) == 1 ||
        (ThreatX < v.My2 && v.TheirMaxLen > 1 &&
         v.TheirCards < NthHighest(v.OurMaxLen, v.OurCards) && !v.LhoCanRuff)) {
      Alternative = kNone;
      return false;
    }
    if (totalLen() == 11) {
      const int vlen = std::max(v.RhoLen, v.LhoLen - 1);
      if (std::max(v.PdLen, v.MyLen - 1) >= vlen &&
          v.TheirCards < NthHighest(vlen + 1, v.OurCards)) {
        Primary = std::max(ThreatX, std::min(v.TheirCards, Me));
        Alternative = kNone;
        return false;
      }
    }
    if (suitContract() && v.MyTrumpLen > 0 && RuffEntry(p, me(), led) &&
        LastLeadWide().PdEntries > 0 && defender()) {
      Primary = WinCard;
    } else if (PrevSeat(p.seat) == p.dummy && Lho < v.My3) {
      Primary = std::max(v.My3, ThreatX);
    } else if (Lho <= Pd) {
      Primary = ThreatX;
      Alternative = (suitContract() && defender()) ? kNone : SecondLowest(Me);
      return false;
    } else {
      Alternative = WinCard | v.Lho2 | v.My2;
      Primary = ThreatX;
    }
    if (ThreatX < v.My2 || (suitContract() && v.LhoLen == 0) || Rho <= (Pd | v.My2) ||
        v.My2 <= v.Their2)
      Alternative = kNone;
    if (Alternative == kNone && v.MyLen > exhaustLen)
      Primary = std::max(Primary, NthHighest(exhaustLen, Me));
    return true;
  }
  const Holding cover = LhoBelowMyTop() | WinCard;
  if (WinCard < kJack) {
    if (v.Lho2 < v.My2) {
      Primary = WinCard | v.Lho2;
      Alternative = kNone;
    } else if (Me < Lowest(Lho) || (v.LhoLen == 2 && v.Our2 < v.Lho2)) {
      Alternative = kNone;
    } else if (v.RhoLen <= 1 && v.LhoLen > 2 && Pd < Me && v.Their3 < Me) {
      if (v.Their3 < v.My2) {
        Primary = cover;
        Alternative = kNone;
      } else {
        Primary = kLow;
        Alternative = cover;
      }
    } else {
      Primary = cover;
      Alternative = kNone;
    }
  } else {
    Primary = WinCard;
    if ((Rho | v.Lho2) < (Pd | v.My2) || Rho < Pd || Lho < Pd) Alternative = kNone;
  }
  return true;
}

void Follow::FinalAdjustment() {
  if (Alternative < kLow) return;
  if (Primary < 5 && Alternative == kLow) {
    if (Lho < Me) Alternative = Lho;
  } else if (ThreatX < Primary && WinCard < Lho && v.Lho2 < v.My2) {
    if (v.LhoLen == 1) {
      Alternative = kNone;
    } else {
      Alternative = v.My2;
      if (v.MyLen >= 3) {
        Extra2 = v.MyLow;
        dropExtra3 = true;
      }
    }
  }
}

void Follow::FourthHand() {
  if (OppWinning) {
    Primary = WinCard;
    if (p.noTrump() && p.trick < 2 && v.SuitTricks < 3) return;
    bool keep = false;
    if (v.PdLen > 0 || p.noTrump() || v.PdTrumpLen == 0) {
      if (v.MyLen == 2 && v.PdLen > 2 && v.TheirMaxLen <= 2 && v.TheirCards < Pd) {
        Primary = Top(Me);
      } else if (WinCard >= v.My2 && v.TheirCards >= v.My2 && v.TheirCards >= Pd) {
        const Seat winner = p.frame().winSeat;
        if (v.Our2 < v.Their2 && v.OurCards >= v.TheirCards && v.OurCards >= v.Their2) {
          const bool lhoWins = winner == lho(), rhoWins = winner == rho();
          const bool winnerHolds =
              (lhoWins && v.LhoLen > 0) || (rhoWins && v.RhoLen > 0);
          const bool singleton = v.LhoLen == 1 || v.RhoLen == 1;
          keep = (v.LhoLen < v.MyLen && v.MyLen <= v.RhoLen && !reach(rho())) ||
                 (v.RhoLen < v.MyLen && v.MyLen < v.LhoLen && !reach(lho()));
          if (!keep && v.MyLen == 2) {
            keep = (lhoWins && v.RhoLen < v.LhoLen && v.RhoLen <= 2 && !reach(lho())) ||
                   (rhoWins && v.LhoLen < v.RhoLen && v.LhoLen <= v.MyLen && !reach(rho()));
          } else if (!keep) {
            keep = winnerHolds &&
                   ((p.noTrump() && std::max(v.PdLen, v.MyLen - 1) < v.TheirMaxLen) ||
                    (NthHighest(3, v.OurCards) < v.Their3 && singleton));
          }
        } else if (v.Our2 >= v.Their2) {
          keep = (v.MyLen != 2 || v.Their2 >= Pd || v.OurCards >= Lho) &&
                 (v.TheirMaxLen >= v.OurMaxLen || p.noTrump());
        }
      }
    }
    if (!keep) Alternative = kNone;
    return;
  }
  if (v.MyLen == 2 && v.PdLen > 1 && Me < Pd && v.Their2 < v.Pd2) {
    Primary = WinCard;
    return;
  }
  const Holding theirTrumps = v.LhoTrumps | v.RhoTrumps;
  if (p.noTrump() || v.PdTrumpLen > 0 || (v.MyTrumpLen > 0 && theirTrumps >= v.MyTrumps)) {
    if (v.PdLen == 0 && v.PdCanRuff && v.PdTrumpLen < v.MyTrumpLen) {
      Primary = WinCard;
      Alternative = kLow;
    } else if (!(WinnerWherePdVoid(p, p.seat, led) || (v.MyLen == 2 && Me < v.TheirCards))) {
      Primary = kLow;
      if (v.TheirCards < NthHighest(v.OurMaxLen, v.OurCards)) Alternative = Top(Me);
    } else {
      Alternative = WinCard;
    }
  } else {
    Alternative = WinCard;
  }
}

// Low-card play when the trick is not to be contested.
void FollowLow(Follow& f, std::array<Holding, 2>& out) {
  const Position& p = f.p;
  const SuitView& v = f.v;
  out = {v.MyLow, 0};
  if (p.noTrump() && p.trick == 0 && p.pos == 3) return;
  if (const auto unblock = UnblockTest(p, v)) {
    out = {unblock->first, unblock->second};
    return;
  }
  if (v.SuitRuns && p.pos == 3 && v.PdLen >= std::max(v.TheirMaxLen, v.MyLen) &&
      NthHighest(v.MyLen, v.PdCards) < v.MyCards) {
    // Partner's long suit keeps running when the opponents cannot hold it up.
    bool pdLongEnough;
    if (v.RhoLen > 0 && v.RhoCards >= NthHighest(v.RhoLen, v.PdCards)) pdLongEnough = false;
    else if (v.LhoLen <= 1) pdLongEnough = true;
    else pdLongEnough = !(v.LhoCards >= NthHighest(v.LhoLen - 1, v.PdCards));
    if (pdLongEnough) out = {SecondLowest(v.MyCards), 0};
  }
}

}  // namespace

std::optional<std::pair<Holding, Holding>> UnblockTest(const Position& p, const SuitView& v) {
  const int pos = p.pos;
  const Holding Me = v.MyCards, Pd = v.PdCards;
  if (v.OurCards < v.TheirCards) return std::nullopt;
  if (pos <= 2 && v.PdLen <= 1) return std::nullopt;
  if (Me > v.TheirCards && Pd < v.TheirCards) return std::nullopt;
  if (pos > 2 && v.PdLen == 0) return std::nullopt;
  if (Me < Pd || !(v.MyLow < Pd)) return std::nullopt;
  const bool shape = (pos == 2 && Pd < v.My2) || (pos > 2 && Pd < Me && v.MyLen == 2);
  if (!shape) return std::nullopt;
  const Holding f = SecondLowest(Me);
  if (f && Pd < f) return std::make_pair(v.MyLow, f);
  return std::nullopt;
}

void GenerateFollowCandidates(Position& p) {
  const TSuit led = p.frame().suitLed;
  const SuitView& v = p.me().Views[led];
  Follow f(p, v);
  std::array<Holding, 4> c{};
  const bool singleRun = TopOfLowestRun(v.MyCards) == Top(v.MyCards);
  if (v.MyLen == 1 || singleRun) {
    c[0] = v.MyLow;
  } else if (p.frame().winSuit == led && v.MyCards >= f.WinCard) {
    bool finalAdjust = false;
    switch (p.pos) {
      case 2: f.SecondHand(); break;
      case 3: finalAdjust = f.ThirdHand(); break;
      default: f.FourthHand(); break;
    }
    if (finalAdjust) f.FinalAdjustment();
    c[0] = CheapestCover(p, f.Primary);
    if (f.Alternative >= kLow && f.Alternative != f.Primary) c[1] = CheapestCover(p, f.Alternative);
    c[2] = f.Extra2;
  } else {
    std::array<Holding, 2> low{};
    FollowLow(f, low);
    c[0] = low[0];
    c[1] = low[1];
  }

  // Count signal: a defender with three small cards of a side suit, following
  // for the first time without trying to win, shows an odd number by playing
  // the middle card.
  const bool countSignal = p.isDefender(p.seat) && p.pos >= 2 &&
                           v.MyLen == p.me().Suits[led].DealtLength && v.MyLen == 3 &&
                           led != p.trump && c[0] == v.MyLow && v.MyCards < (Holding(1) << Jack);
  p.Candidates = {};
  if (countSignal) p.AddCandidate(CardOf(NthHighest(v.MyLen - 1, v.MyCards), led));
  else p.AddCandidate(RaiseUnlessThirdDefender(p, c[0]));
  p.AddCandidate(RaiseUnlessThirdDefender(p, c[1]));
  p.AddCandidate(CardOf(c[2] & v.MyCards, led));
}

}  // namespace quorval::engine
