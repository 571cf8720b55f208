// Third and fourth hand: win partner's trick or let it be, cover the
// opponents' card, the last adjustment of third hand, and the last seat's
// choice between winning and keeping a card.
#include "play/engine/follow_hand.h"

namespace quorval::engine::follow {

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

}  // namespace quorval::engine::follow
