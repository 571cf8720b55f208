// The table of a leader on declarer's side: side suits that run, other side
// suits, the trump suit, and the steps every suit then goes through.
#include <algorithm>

#include "play/engine/lead_tables.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

bool LeadTable::SafeCashSuit(bool ownVerdictAsZero) const {
  if (nt_) return false;
  for (TSuit u = 0; u < 4; ++u) {
    if (u == p_.trump) continue;
    const SuitView& s = p_.hands[me_].Views[u];
    const int verdict = (ownVerdictAsZero && u == suit_) ? 0 : s.LeadVerdict;
    if (verdict == 1 || s.MyLen == s.PdLen) continue;
    const int shorter = std::min(s.MyLen, s.PdLen);
    if (shorter > s.SuitTricks) continue;
    const bool lhoCuts = s.LhoTrumpLen > 0 && s.LhoLen <= shorter;
    const bool rhoCuts = s.RhoTrumpLen > 0 && s.RhoLen <= shorter;
    if (!lhoCuts && !rhoCuts) return true;
  }
  return false;
}

bool LeadTable::ShortTrumpHandRuffs() const {
  if (nt_ || t_.MyLen == t_.PdLen) return false;
  const Seat shortHand = t_.MyLen < t_.PdLen ? me_ : pd_;
  if ((shortHand == me_ ? t_.MyLen : t_.PdLen) == 0) return false;
  const Seat other = PartnerOf(shortHand);
  for (TSuit u = 0; u < 4; ++u) {
    if (u == p_.trump) continue;
    const int shortLen = p_.hands[shortHand].Len(u), otherLen = p_.hands[other].Len(u);
    if (shortLen < otherLen && p_.hands[shortHand].Views[u].SuitTricks < otherLen) return true;
  }
  return false;
}

bool LeadTable::ShortPdNoRuff() const {
  if (trumpSuit_) return false;
  return v_.PdLen == 0 || (v_.PdLen == 1 && ST >= 2 && v_.LhoLen >= 3 && v_.RhoLen >= 3);
}

bool LeadTable::PdRuffsShort() {
  if (nt_ || v_.PdTrumpLen == 0 || v_.PdLen < 1 || v_.PdLen > 2 || v_.PdLen >= v_.MyLen)
    return false;
  const bool lhoStops = v_.PdLen >= v_.LhoLen && v_.LhoTrumpLen > 0 && !LhoRuffThreat(p_, v_) &&
                        v_.LhoTrumps >= v_.PdTrumps;
  const bool rhoFine = v_.PdLen < v_.RhoLen || v_.RhoTrumpLen == 0 || RhoRuffThreat(p_, v_) ||
                       v_.RhoTrumps < v_.PdTrumps;
  const bool ok = (v_.PdLen < v_.LhoLen && v_.PdLen < v_.RhoLen) || !OppsHoldTrumps() ||
                  (!lhoStops && rhoFine);
  if (ok && TheirLongTrump(p_) >= v_.PdTrumpLen) return w_.MyTopTrumpClear || w_.PdTopTrumpClear;
  return ok;
}

bool LeadTable::MyRuffsShort() {
  if (nt_ || v_.MyTrumpLen == 0 || v_.MyTrumpLen < v_.PdTrumpLen) return false;
  if (v_.MyLen < 1 || v_.MyLen > 2 || v_.MyLen >= v_.PdLen) return false;
  const bool ok = (v_.LhoTrumpLen == 0 || v_.LhoLen > v_.MyLen) &&
                  (v_.RhoTrumpLen == 0 || v_.RhoLen > v_.MyLen);
  if (ok && TheirLongTrump(p_) >= v_.PdTrumpLen) return w_.MyTopTrumpClear || w_.PdTopTrumpClear;
  return ok;
}

int LeadTable::DeclarerBase() {
  int a = 0;
  if (nt_) {
    a = 0;
  } else if (trumpSuit_) {
    a = DeclarerTrumpScore();
  } else if (ST >= 1 && !v_.OppCanRuff) {
    a = DeclarerSideWinners();
    if (a == kFinal540) return 540;
  } else {
    a = DeclarerOtherSide();
  }

  // Ruffing value: partner's ruffs of a suit I am void in pay for this lead.
  if (w_.RuffValue > 0 && !trumpSuit_) {
    if (ST > 0) {
      if (nt_ && p_.trick < 4 && v_.TheirMaxLen < v_.OurMaxLen)
        a = 100 * (v_.OurMaxLen - v_.TheirMaxLen) + 400;
      else a = std::max(400, a + 100);
      if (v_.ExtraA < -1) a += 75 * v_.ExtraA;
    } else if (v_.ExtraA > 0) {
      const bool winners = (v_.Their2 < Me && (v_.PdLen > 1 || Reach(me_))) ||
                           (v_.Their2 < Pd && (v_.MyLen > 1 || Reach(pd_)));
      a = winners ? std::max(350, a + 100) : 40;
    }
  }

  if (a == 0) {
    if (w_.VoidWinnerSuit && (v_.PdCanRuff || v_.TheirCards < Pd) && !v_.OppCanRuff) {
      a = 300;
    } else if (v_.MyLen == 1 && v_.PdLen == 1 && ST == 1) {
      a = 200;
    } else if (w_.MyEntries == ST && v_.PdLen == 0) {
      a = (v_.ExtraA == 0 || (!nt_ && v_.PdTrumpLen > 0)) ? 700 : 400;
    } else if (ST != v_.OurMaxLen || ST < 1 || (!nt_ && v_.OppCanRuff)) {
      if (!nt_ && ST > 0 && ST >= w_.PdShortLoser &&
          (ShortPdNoRuff() || ST - v_.MyLen >= w_.MyShortLoser)) {
        a = 275;
      } else if (ST < 1 || v_.PdLen > 0 || Reach(rho_)) {
        if (v_.ExtraA < 1 || LV < 0) {
          a = CommonScore();
          if (ST < 1 || nt_) a += 7 * v_.ExtraA;
          else if (v_.MyTrumpLen < v_.PdTrumpLen && v_.ICanRuff) a += ST < v_.MyLen ? 20 : 150;
          else if (v_.SuitRuns) a += 15;
        } else if (LV > 0 && ST == -1 && w_.OurSuitTricks + w_.TheirSuitTricks < 13 - p_.trick) {
          a = 100 * v_.ExtraA + 100;
        } else {
          if (v_.LhoLen == 1 && v_.RhoLen == 1) a = 350;
          else if (nt_) a = 180 * std::clamp(SV, 0, 2) + 165;
          else a = 100 * std::clamp(v_.ExtraA, 0, 2) + 150;
          if (!nt_ && LV == 0 && OppsHoldTrumps()) a -= 100;
          if (nt_ && v_.TheirMaxLen < v_.OurMaxLen) a += 100;
          if (13 - p_.trick - w_.StillNeeded < w_.TheirSuitTricks) a /= 10;
        }
      } else {
        a = 200;
      }
    } else {
      // The suit runs from the top with no ruff in the way.
      const bool atNoTrumpShort = nt_ && v_.OurMaxLen < v_.TheirMaxLen;
      if (!atNoTrumpShort && LV >= 0 && EntryRun()) a = 900;
      else if (LV < 0) a = 100;
      else a = ST == SV ? 100 * LV + 440 : 100 * LV + 240;
      if (nt_ && ST != SV && !v_.SuitRuns) a += 200 * SV;
      if (v_.PdLen == 0) a += 50;
    }
  }

  if (LV < 0 && !v_.PdCanRuff && SV < ST)
    a = w_.MyEntries > 0 ? std::min(100, a / 2) : std::min(a, 300);
  if (w_.PdLeadPlan && LV >= 1) a += 100;
  return a;
}

int LeadTable::DeclarerSideWinners() {
  const bool theirTrumps = OppsHoldTrumps();
  int s;
  if (ST >= v_.MyLen || v_.PdTrumpLen == 0 || (v_.LhoTrumpLen > 0 && v_.PdLen >= v_.LhoLen) ||
      (v_.RhoTrumpLen > 0 && v_.PdLen >= v_.RhoLen)) {
    if ((v_.PdLen < ST && v_.PdLen < w_.ShortLast) || (v_.MyLen < ST && v_.MyLen < w_.ShortLast)) {
      if (theirTrumps) {
        if (OurLongTrump(p_) < TheirLongTrump(p_)) s = 400;
        else if (ShortTrumpHandRuffs() || w_.MyEntries == 0) s = ST < v_.MyLen ? 600 : 400;
        else s = 200;
      } else {
        s = (v_.PdLen > 0 || Reach(me_)) ? 450 : 500;
      }
    } else if (RuffingSuit()) {
      s = 500;
    } else if (LV < 0 && ST == 1 && SV > 2) {
      s = 250;
    } else if (v_.TheirCards < Pd && SafeCashSuit(false)) {
      s = 300;
    } else if (v_.TheirCards < Pd && (Me < v_.Lho2 || (Me < Lho && Me < Rho))) {
      s = 200 * LV + 100;
    } else if (ST == 1 && v_.ExtraA < 0) {
      s = 200 * LV + 175;
    } else {
      s = 200 * LV + 275;
    }
  } else {
    const int theirLong = TheirLongTrump(p_);
    if (ST >= v_.PdLen && v_.PdTrumpLen < v_.MyTrumpLen && v_.PdTrumpLen < theirLong) {
      const Holding theirs = t_.LhoCards | t_.RhoCards;
      const bool overruffed =
          NthHighest(theirLong, theirs) >= t_.PdCards ||
          (v_.MyTrumpLen >= theirLong && NthHighest(theirLong, t_.MyCards) >= theirs);
      if (overruffed) {
        if (LV == -1) return kFinal540;
        s = 540 * LV + 600;
      } else {
        s = 150 * LV + 200;
      }
    } else if (RuffingSuit() && Reach(me_)) {
      s = (w_.PositiveLeadSeen && LV < 1) ? 200 : 480;
    } else {
      s = 100 * (ST - std::min(v_.MyLen, v_.PdLen)) + 300 * LV + 200;
      if (s < 0) s = 200;
    }
  }
  if (w_.OurSuitTricks + p_.trick + w_.TheirSuitTricks > 13) s += 200;
  const bool singleton = v_.LhoLen == 1 || v_.RhoLen == 1;
  if (s < 300 && TheirLongTrump(p_) > 1 && TheirLongTrump(p_) <= OurLongTrump(p_) && singleton &&
      v_.MyTrumpLen > 0 && !SafeCashSuit(false))
    s /= 2;
  else if (s > 100 && v_.ExtraA < 0)
    s += 25 * v_.ExtraA;
  return s;
}

int LeadTable::DeclarerOtherSide() {
  const bool theirTrumps = OppsHoldTrumps();
  if (!(ST < 1 || !theirTrumps || BothOppsHoldTrumps())) {
    // Winners that only one opponent can ruff.
    if (v_.LhoTrumpLen > 0) {
      if (v_.PdLen > 0 && (v_.MyTrumps | v_.PdTrumps) >= v_.LhoTrumps)
        return OurLongTrump(p_) < v_.LhoTrumpLen ? 300 : 1;
      return 400;
    }
    return (v_.MyTrumps | v_.PdTrumps) < v_.RhoTrumps ? 250 : 1;
  }
  if (w_.OurSuitTricks >= 12 - p_.trick && !theirTrumps) {
    if ((v_.MyLen == 1 && Me > v_.TheirCards) || (v_.PdLen == 1 && Pd > v_.TheirCards)) return ST + 350;
    if (v_.LhoLen == 0 && v_.RhoLen == 0) return ST + 320;
    if (ST >= 1) return ST + 300;
    if (!v_.PdCanRuff) return 3;
    if (v_.PdTrumpLen >= v_.MyTrumpLen)
      return ((v_.TheirMaxLen < v_.OurMaxLen && v_.PdTrumpLen >= v_.TheirMaxLen) || v_.Their2 < v_.My2)
                 ? 250 : 3;
    return 300;
  }
  if (v_.OppCanRuff) {
    if (v_.LhoCanRuff && v_.RhoCanRuff) return 10;
    if (RuffThreat(p_, v_)) return w_.MyEntries > 0 ? 350 : 550;
    if (v_.PdCanRuff) {
      const bool pdOverruffs = (v_.RhoCanRuff && v_.RhoTrumps < v_.PdTrumps) ||
                               (v_.LhoCanRuff && Lowest(v_.LhoTrumps) < v_.PdTrumps);
      return pdOverruffs ? TrumpAdjust(100) : 1;
    }
    if (TheirLongTrump(p_) < OurLongTrump(p_)) return 1;
    return OurLongTrump(p_) == 1 ? 50 : 10;
  }
  if (ST >= w_.PdShortLoser && (ShortPdNoRuff() || ST - v_.MyLen >= w_.MyShortLoser) &&
      std::min(v_.MyLen, v_.PdLen) < std::min(v_.LhoLen, v_.RhoLen))
    return theirTrumps ? 350 : 400;
  if (v_.SuitRuns && LV != -1) {
    const Holding ours = v_.MyTrumps | v_.PdTrumps;
    const bool loneLowTrump = (v_.LhoTrumpLen == 1 && v_.LhoTrumps < ours) ||
                              (v_.RhoTrumpLen == 1 && v_.RhoTrumps < ours);
    if (v_.MyLen > 1 && v_.PdLen > 1 && loneLowTrump) return 150;
    if (!theirTrumps) return 400;
    if (v_.OppCanRuff) return 120;
    return SafeCashSuit(false) ? 500 : 180;
  }
  if (LV == 1) {
    if (v_.TheirCards >= Pd) return SafeCashSuit(true) ? 390 : 200;
    return 380;
  }
  if (v_.PdCanRuff) {
    if (v_.PdTrumpLen < v_.MyTrumpLen) return 540;
    if (v_.PdTrumpLen == v_.MyTrumpLen) return 330;
    if (v_.ExtraA >= 1) return 400;
    if (w_.KeepForRuff && v_.MyTrumpLen < v_.PdTrumpLen) return 200;
    if (OurLongTrump(p_) > TheirLongTrump(p_)) return 50;
    return 100 * (v_.PdTrumpLen - TheirLongTrump(p_));
  }
  const int ourLong = OurLongTrump(p_);
  if ((v_.LhoTrumpLen > 0 && v_.LhoLen + ST < 1 && ourLong >= v_.LhoTrumpLen) ||
      (v_.RhoTrumpLen > 0 && v_.RhoLen + ST < 1 && ourLong >= v_.RhoTrumpLen))
    return 50;
  if (PdRuffsShort()) {
    int s;
    if (ST >= v_.PdLen) {
      s = TrumpAdjust(250);
    } else if (v_.TheirMaxLen < w_.MyEntries && v_.PdTrumpLen >= v_.TheirMaxLen) {
      s = TrumpAdjust(350);
    } else if (w_.StillNeeded - 1 >= v_.PdLen - ST) {
      s = TrumpAdjust(200);
    } else if (v_.PdTrumpLen < v_.MyTrumpLen) {
      s = TrumpAdjust(t_.SuitRuns ? 400 : 350) - (v_.PdLen > 1 ? 200 : 0);
    } else if (ST < v_.PdLen || v_.PdLen >= std::min(v_.LhoLen, v_.RhoLen)) {
      if (Lho < Me && v_.Rho2 < Me) {
        if (w_.MyEntries == 0 && TheirLongTrump(p_) >= v_.MyTrumpLen) s = TrumpAdjust(300);
        else if (w_.MyEntries > 1 || SV < 3) s = 50 * LV + 160;
        else s = TrumpAdjust(40 * SV + 200);
      } else if (w_.MyEntries + v_.MyTrumpLen >= 1 &&
                 (v_.TheirMaxLen < v_.MyLen || v_.Their2 < v_.My2)) {
        s = TrumpAdjust(300);
      } else {
        s = TrumpAdjust((w_.MyEntries > 1 || SV < 3) ? 120 : 40 * SV + 200);
      }
    } else {
      s = TrumpAdjust(w_.KeepForRuff ? 360 : 200);
    }
    if (v_.PdLen == 1 && LV < 0) s = std::max(s, 30);
    return s;
  }
  if (MyRuffsShort()) {
    if (ST < v_.MyLen) {
      if (w_.StillNeeded - 1 < v_.MyLen - ST) return 0;
      return TrumpAdjust(v_.MyTrumpLen < v_.PdTrumpLen ? 350 : 160);
    }
    return TrumpAdjust(v_.MyTrumpLen < v_.PdTrumpLen ? 400 : 250);
  }
  return 0;
}

int LeadTable::DeclarerTrumpScore() {
  // LV, ST and the holdings are those of the trump suit (this view).
  int s;
  if (!OppsHoldTrumps()) {
    s = (w_.LowLeadHint && v_.MyLow < Pd && !PdRuffChance(p_) && !Reach(pd_)) ? 500 : 2;
  } else if (v_.TheirMaxLen == 1 && v_.OurCards < v_.TheirCards && v_.OurMaxLen > 1) {
    s = v_.LhoLen + v_.RhoLen == 2 ? 300 : 50;
  } else if (v_.SuitRuns && w_.OurSuitTricks >= 12 - p_.trick) {
    s = ((LV < 0 && v_.PdLen > 0) || w_.KeepForRuff) ? 50 : 405;
  } else {
    w_.TrumpLead = v_.OurMaxLen - v_.TheirMaxLen;
    const int lead = w_.TrumpLead;
    const bool both = BothOppsHoldTrumps();
    if (v_.MyLen < v_.PdLen && w_.KeepForRuff && Reach(pd_)) {
      s = 100;
    } else if (lead < 0) {
      s = both ? 100 : -100;
    } else if (lead == 0) {
      if (v_.SuitRuns) s = (v_.OurMaxLen == 1 && v_.TheirMaxLen == 1) ? 60 : 300;
      else s = (both && !w_.KeepForRuff) ? 200 : 10;
    } else {
      if (v_.SuitRuns && (v_.SecondVerdict == 1 || LV == 1)) s = 300;
      else if (LV == -2) s = 30;
      else if (LV == -1 || v_.SecondVerdict == -1) s = both ? 180 : 70;
      else if (v_.OurCards < Lho && Rho < Pd) s = 280;
      else if (v_.My2 < Rho) s = 20 * lead + 260;
      else s = v_.TheirCards < v_.OurCards ? 40 * ST + 230 : 280;
      if (both) s += 30;
    }
  }

  if (w_.RuffDanger && s > 100) {
    s += 50;
  } else if (s >= 0) {
    if (LV < 0) s = std::min(s - 10, 50);
    else if (s > 150 && w_.OurSuitTricks == w_.StillNeeded && !(LV <= 0 && w_.PdLeadPlan) &&
             OppsHoldTrumps())
      s = ST < v_.TheirMaxLen ? s + 100 : std::max(s + 150, 450);
    else if (LV > 0) s += 150;
  }

  auto lastCheck = [&](int score) {
    bool oppHoldsMore = false;
    if (w_.RuffSuit < 4) {
      const SuitView& r = p_.hands[me_].Views[w_.RuffSuit];
      oppHoldsMore = (v_.LhoLen > 0 && r.LhoCards > w_.RuffTop) ||
                     (v_.RhoLen > 0 && r.RhoCards > w_.RuffTop);
    }
    if (!w_.RuffCashes && oppHoldsMore) return score;
    return std::min(score - 50, 400);
  };
  if (!w_.KeepForRuff && w_.TrumpLead > 0 && v_.TheirMaxLen > 0) {
    s += 100;
    if (ST >= v_.TheirMaxLen) s = std::max(s, 450);
  } else if (w_.KeepForRuff && w_.RuffSeat == pd_ && v_.PdLen < v_.MyLen) {
    s = lastCheck(s);
  } else if (w_.RuffCountSum > 0) {
    s += 200;
  } else if (w_.KeepForRuff && w_.RuffSeat == me_ && v_.MyLen < v_.PdLen) {
    s = lastCheck(s);
  }
  return s;
}

}  // namespace quorval::engine
