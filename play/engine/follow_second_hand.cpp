// Second hand: cover or duck when the seat plays after the leader, by what
// the left-hand opponent still holds behind it.
#include "play/engine/follow_hand.h"

namespace quorval::engine::follow {

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

}  // namespace quorval::engine::follow
