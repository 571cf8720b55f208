// The defender's table: side suits at a suit contract and the trump suit.
// At no trump a defender's suits take the common score.
#include <algorithm>

#include "play/engine/lead_tables.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {
constexpr Holding kQueen = Holding(1) << Queen;
}  // namespace

bool LeadTable::ShortTrumpRuffs() const {
  if (v_.LhoTrumpLen < v_.RhoTrumpLen) return v_.LhoCanRuff;
  if (v_.RhoTrumpLen < v_.LhoTrumpLen) return v_.RhoCanRuff;
  return false;
}

bool LeadTable::LhoOverruffsPd() const {
  const int n = v_.PdTrumpLen;
  if (v_.LhoTrumpLen < n || n == 0) return false;
  if (!(v_.PdTrumps < NthHighest(n, v_.LhoTrumps))) return false;
  if (v_.LhoTrumpLen > n) return NthHighest(n + 1, v_.LhoTrumps) < v_.PdTrumps;
  return true;
}

bool LeadTable::ShortTrumpPartnerSingleton() {
  if (!(ST < -1)) return false;
  // The opponent with fewer trumps, the right-hand one when they hold as many.
  const bool lhoShort = v_.LhoTrumpLen < v_.RhoTrumpLen;
  const int shortTrumps = lhoShort ? v_.LhoTrumpLen : v_.RhoTrumpLen;
  const int partnerLen = lhoShort ? v_.RhoLen : v_.LhoLen;
  return shortTrumps < OurLongTrump(p_) && partnerLen == 1;
}

int LeadTable::DefenderBase() {
  int r;
  if (nt_) return CommonScore();
  if (!trumpSuit_) {
    r = DefenderSideSuit();
  } else if (!OppsHoldTrumps()) {
    r = t_.PdLen > 0 ? 1 : 0;
  } else {
    r = DefenderTrumpScore();
  }
  return r == 0 ? CommonScore() : r;
}

int LeadTable::DefenderTrumpScore() {
  // Lengths, holdings and LV are those of the trump suit (this view).
  int r = 5;
  if (v_.RhoLen > 0 && (v_.LhoLen > 0 || w_.RuffDanger)) {
    if (LV > 0 && v_.OurMaxLen >= v_.TheirMaxLen - 1) {
      r = 200;
    } else if (w_.RuffDanger) {
      if (w_.KeepForRuff) {
        r = 100;
      } else if (LV < 0) {
        r = Rho < Me ? 10 : 1;
      } else if (v_.TheirCards < v_.OurCards) {
        r = 500;
        w_.DefTrumpFlag = true;
      } else if (v_.ExtraA <= 0) {
        r = Me <= kQueen ? 150 * LV + 380 : 20;
      } else {
        r = 400;
      }
    } else if (LV < 0) {
      r = -100;
    } else if (v_.PdLen > 0) {
      const bool top = v_.TheirCards < v_.OurCards && v_.Their2 < v_.Our2;
      if (top && v_.MyLen + v_.PdLen + v_.LhoLen + v_.RhoLen == 13) r = 10;
      else if (top) r = 100;
      else r = 50 * LV + 50;
    } else {
      r = 300;
      const bool singletonOnTop = (v_.LhoLen == 1 && Lho > Rho) || (v_.RhoLen == 1 && Rho > Lho);
      if (!singletonOnTop) {
        if (v_.MyLen > 1 && v_.Their2 < v_.My2) r = 50;
        else if (v_.TheirCards < v_.OurCards) r = v_.TheirMaxLen > 2 ? 200 : 350;
        else r = 100 * std::max(v_.MyLen - (v_.TheirMaxLen - 1), 0) + 100;
      }
      if (BothOppsHoldTrumps()) r *= 2;
    }
  }
  const bool shortOfTrumps = OurLongTrump(p_) < TheirLongTrump(p_);
  const bool unevenLongTrumps = (v_.LhoLen >= 3 && v_.LhoLen < v_.RhoLen) ||
                                (v_.RhoLen >= 3 && v_.RhoLen < v_.LhoLen);
  if (!shortOfTrumps && !unevenLongTrumps) {
    // Draw trumps from the opponent who could ruff a side suit we lead.
    for (TSuit u = 0; u < 4; ++u) {
      if (u == p_.trump) continue;
      const SuitView& s = p_.hands[me_].Views[u];
      const bool lhoSingle = s.LhoLen == 1 && s.OurCards > s.LhoCards && s.RhoLen > 1 &&
                             v_.LhoLen > 0 && v_.LhoLen < v_.RhoLen;
      const bool rhoSingle = s.RhoLen == 1 && s.OurCards > s.RhoCards && s.LhoLen > 1 &&
                             v_.RhoLen > 0 && v_.RhoLen < v_.LhoLen;
      if (lhoSingle || rhoSingle) r += 150 * LV + 200;
    }
  }
  return r;
}

int LeadTable::DefenderSideSuit() {
  const Holding theirTrumps = v_.LhoTrumps | v_.RhoTrumps;
  int s;
  if (v_.LhoCanRuff && v_.RhoCanRuff) {
    s = (v_.PdCanRuff && v_.PdTrumps > v_.RhoTrumps && LhoOverruffsPd()) ? 300 : 10;
  } else if (ShortTrumpRuffs() && v_.LhoCanRuff) {
    if (v_.LhoTrumpLen == 1 && v_.LhoTrumps > v_.PdTrumps && v_.LhoTrumps > v_.RhoTrumps) s = 400;
    else if (v_.PdCanRuff && LhoOverruffsPd()) s = 300;
    else if (v_.TheirCards < Pd) s = 10 * LV + 30;
    else if (v_.PdCanRuff && v_.LhoTrumps < v_.PdTrumps) s = 350;
    else s = 10;
  } else if (ShortTrumpRuffs() && v_.RhoCanRuff) {
    if (v_.PdCanRuff && v_.PdTrumpLen < TheirLongTrump(p_) && v_.RhoTrumps < v_.PdTrumps) s = 300;
    else if ((v_.TheirCards < v_.OurCards && v_.TheirMaxLen == 1) || v_.Their2 < v_.Our2)
      s = 60 * LV + 150;
    else s = 10;
  } else if (v_.PdCanRuff && (v_.MyLen > 2 || Me < v_.TheirCards) && !v_.LhoCanRuff &&
             !v_.RhoCanRuff) {
    s = 400;
    if ((v_.TheirCards >= Me || SV > 0) && v_.PdTrumpLen == 1 && v_.PdTrumps > theirTrumps) s = 50;
  } else if (v_.PdCanRuff && Me < v_.TheirCards) {
    s = 400;
    const bool oppOverruffs = (v_.LhoCanRuff && v_.LhoTrumps >= v_.PdTrumps) ||
                              (v_.RhoCanRuff && v_.RhoTrumps >= v_.PdTrumps);
    if (oppOverruffs) s = v_.PdTrumpLen < TheirLongTrump(p_) ? 400 : 300;
  } else if (v_.TheirCards < v_.OurCards && v_.OppCanRuff &&
             TheirLongTrump(p_) >= OurLongTrump(p_)) {
    if ((Pd | v_.My2) < v_.Their2) s = 70;
    else if (BothOppsHoldTrumps()) s = ((v_.LhoCanRuff && Lho < Pd) || LV >= 0) ? 100 : 3;
    else s = LV < 0 ? 100 : 350;
  } else if ((Lho > v_.OurCards && !ReachAny(lho_)) || (Rho > v_.OurCards && !ReachAny(rho_))) {
    s = 10;
  } else if (v_.OppCanRuff) {
    if (OurLongTrump(p_) == TheirLongTrump(p_) && v_.TheirCards < v_.OurCards) s = 200 * LV + 150;
    else if (v_.OurMaxLen == 1 && ((v_.LhoLen > 1 && Reach(lho_)) || (v_.RhoLen > 1 && Reach(rho_))))
      s = 20;
    else if (!(v_.LhoCanRuff && Rho < Me) && !(v_.RhoCanRuff && Lho < Me)) s = 100 * LV + 150;
    else s = 10;
  } else if (v_.PdTrumpLen > 0 && v_.TheirCards < Me && v_.PdLen == 1 && v_.MyLen > 1) {
    s = (v_.PdTrumpLen < TheirLongTrump(p_) && v_.PdTrumps < theirTrumps) ? 420 : 275;
  } else if (ST >= v_.TheirMaxLen || ST > 1 ||
             (v_.TheirCards < Me && v_.PdLen == 0 && w_.ShortLast > 0)) {
    s = 400;
  } else if ((v_.MyTrumpLen > 0 && v_.TheirCards < Pd && v_.MyLen == 1 && v_.PdLen > 1) ||
             ShortTrumpPartnerSingleton()) {
    s = 275;
  } else {
    s = CommonScore();
  }

  if ((w_.VoidWinnerSuit && (v_.PdCanRuff || v_.TheirCards < Pd) && !v_.LhoCanRuff &&
       !v_.RhoCanRuff) ||
      w_.OurSuitTricks >= w_.StillNeeded)
    s += 300;
  if (w_.LowLeadHint && v_.TheirCards < Pd) {
    s *= 2;
  } else if (LV < 0 && v_.PdLen > 0 && ST < 2) {
    s = ST <= 0 ? std::min(60, s / 2) : std::max(s - 100, s / 2);
  }
  return s;
}

}  // namespace quorval::engine
