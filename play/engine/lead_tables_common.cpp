// The common score that both sides' tables fall back on, the score of a suit
// in which the opponents hold more winners, and the last resort.
#include <algorithm>

#include "play/engine/lead_tables.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {
constexpr Holding kTen = Holding(1) << Ten;
}  // namespace

LeadTable::LeadTable(Position& p, LeadWide& w, TSuit suit)
    : p_(p), w_(w), suit_(suit), v_(p.hands[p.seat].Views[suit]),
      t_(p.hands[p.seat].Views[p.trump == NT ? Club : p.trump]), nt_(p.trump == NT),
      trumpSuit_(p.trump != NT && suit == p.trump), defender_(p.isDefender(p.seat)),
      me_(p.seat), pd_(PartnerOf(p.seat)), lho_(NextSeat(p.seat)), rho_(PrevSeat(p.seat)),
      LV(v_.LeadVerdict), SV(v_.SuitValue), ST(v_.SuitTricks), Me(v_.MyCards),
      Pd(v_.PdCards), Lho(v_.LhoCards), Rho(v_.RhoCards) {}

bool LeadTable::Reach(Seat seat) { return ReachInOtherSuit(p_, seat, suit_); }
bool LeadTable::ReachAny(Seat seat) { return ReachInAnySuit(p_, seat, suit_); }

int BaseScore(Position& p, LeadWide& w, TSuit suit) { return LeadTable(p, w, suit).Base(); }

int LeadTable::Base() { return defender_ ? DefenderBase() : DeclarerBase(); }

bool LeadTable::OppSingletonAboveUs() const {
  return (v_.LhoLen == 1 && v_.OurCards < Lho) || (v_.RhoLen == 1 && v_.OurCards < Rho);
}

bool LeadTable::TrumpsOutlast() const {
  const int shorter = std::min(v_.MyLen, v_.PdLen);
  return (shorter >= v_.LhoLen && v_.LhoTrumpLen == 0) ||
         (shorter >= v_.RhoLen && v_.RhoTrumpLen == 0);
}

bool LeadTable::RuffingSuit() {
  if (nt_ || ST < std::min(v_.MyLen, v_.PdLen)) return false;
  if (v_.PdLen < v_.MyLen) {
    return v_.PdTrumpLen > 0 && (v_.MyTrumpLen == 0 || v_.MyTrumpLen >= v_.PdTrumpLen) &&
           (v_.PdLen < w_.ShortLast || TrumpsOutlast() || RuffThreat(p_, v_));
  }
  if (v_.MyLen < v_.PdLen) {
    return !(v_.TheirCards >= Pd && !Reach(pd_)) && v_.MyTrumpLen > 0 &&
           (v_.MyLen < w_.ShortLast || TrumpsOutlast());
  }
  return false;
}

bool LeadTable::EntryRun() const {
  if (!(ST > 1 && v_.SuitRuns)) return false;
  if (v_.MyLen == 1)
    return w_.PdEntries < 2 && (v_.TheirCards | v_.PdLow) < Me;
  return v_.PdLen == 1 && w_.MyEntries < 2 && v_.TheirCards < Pd;
}

bool LeadTable::SingletonUnder() const {
  if (!(v_.TheirCards < v_.OurCards)) return false;
  return (v_.LhoLen == 1 && Lho > v_.Our2 && v_.Rho2 < v_.Our2) ||
         (v_.RhoLen == 1 && Rho > v_.Our2 && v_.Lho2 < v_.Our2);
}

int LeadTable::CommonScore() {
  int s;
  if (ST == 0 && RuffingSuit()) {
    s = 480;
  } else if (ST < 0) {
    if (v_.PdCanRuff) {
      if (TheirLongTrump(p_) < v_.PdTrumpLen) s = 100;
      else s = (v_.PdTrumpLen < v_.MyTrumpLen || defender_) ? 250 : 150;
    } else {
      s = LosingSuitScore();
    }
  } else if (w_.KeepForRuff && !trumpSuit_ && TheirLongTrump(p_) >= v_.MyTrumpLen &&
             v_.MyTrumpLen > 1 && v_.TheirCards < Pd && LV >= 0) {
    s = 50 * LV + 400;
  } else if (v_.SuitRuns) {
    if (!nt_) s = 150 * LV + 240;
    else if (v_.OurMaxLen < v_.TheirMaxLen) s = 10 * LV + 80;
    else s = LV < 0 ? 120 : 900;
    if (v_.TheirMaxLen == 1 || (w_.MyEntries == 0 && Pd < Me && LV >= 0)) s += 200;
    else if (EntryRun()) s += 100;
  } else if (v_.PdTopsThem && v_.Pd2 < Lho && (Rho | v_.Lho2) < v_.Pd2) {
    s = LV == 1 ? 10 * v_.ExtraA + 240 : ST + 220;
  } else if (SingletonUnder()) {
    s = (v_.PdLen > 0 || ST < w_.MyEntries) ? ST + 230 : 100 * LV + 325;
  } else if (w_.MyEntries == 0 && v_.TheirCards < Me && (!nt_ || v_.ExtraA >= -1)) {
    s = v_.Our2 < v_.Their2 ? 100 : 320;
  } else if (v_.LhoCanRuff && v_.RhoCanRuff) {
    s = 10;
  } else if (v_.LhoCanRuff || v_.RhoCanRuff) {
    const bool lhoMore = v_.LhoTrumpLen > v_.RhoTrumpLen;
    s = (v_.LhoCanRuff ? lhoMore : (v_.RhoTrumpLen > v_.LhoTrumpLen)) ? 50 : 20;
    if (v_.LhoCanRuff && v_.PdCanRuff && v_.LhoTrumps < v_.PdTrumps)
      s += v_.PdTrumpLen <= v_.MyTrumpLen ? 350 : 250;
    if (v_.PdTrumpLen == 0 && v_.MyTrumpLen == 0) s += 80;
  } else if (v_.PdCanRuff) {
    s = v_.MyTrumpLen < v_.PdTrumpLen ? 50 : 250;
  } else if (w_.PdEntries == 1 && v_.MyLen == 1 && v_.TheirCards < Me && v_.TheirCards < Pd &&
             v_.PdLen > 1) {
    s = 320;
  } else if (nt_ && v_.TheirCards < Pd && w_.RuffValue > 0) {
    s = 25 * v_.ExtraA + 500;
  } else if (SV <= 1 && (ST < 1 || v_.TheirCards >= Me || Reach(me_))) {
    if (LV == -2) {
      s = 10;
    } else if (ST > 1 && ((v_.MyLen == 1 && Me > v_.TheirCards) ||
                          (v_.PdLen == 1 && Pd > v_.TheirCards))) {
      s = 100 * ST + 50;
    } else if (TheirLongTrump(p_) < OurLongTrump(p_) && !trumpSuit_ && OppsHoldTrumps()) {
      s = ST + 100 * LV + 20;
    } else if (nt_ && SV >= 0 &&
               ((Reach(me_) && v_.TheirMaxLen < v_.MyLen) ||
                (Reach(pd_) && v_.TheirMaxLen < v_.PdLen))) {
      s = 250;
    } else if (LV < 0) {
      s = 50;
    } else if (v_.TheirMaxLen < v_.OurMaxLen && v_.ExtraA == -1) {
      s = (v_.MyLen == v_.OurMaxLen && w_.MyEntries > 0) ? 325 : 125;
    } else if (ST == 1 && w_.TheirSuitTricks >= 13 - p_.trick) {
      s = 450;
    } else {
      s = 25 * SV + 80;
    }
  } else if (nt_ && SV < 0) {
    s = 20 * ST;
  } else if (v_.PdLen == 0 && ST >= w_.MyEntries) {
    s = 100 * LV + 350;
  } else if (nt_ && w_.MyEntries > 0) {
    s = 40 * SV + 150 * LV + 50 * v_.ExtraA + 200;
    if (w_.PdEntries > 0 && LV < 0) s = std::min(10, s - 50);
    else if (v_.ExtraB > 1 && SV > 0) s += 100 * v_.ExtraB;
  } else if (v_.TheirCards < Pd && v_.Pd2 < Rho && Rho < Me && (Me | v_.Pd2) < Lho) {
    s = 40;
  } else if (defender_) {
    s = 60 * LV + 80;
  } else {
    s = 30 * SV + 60 * LV + 80;
  }

  // Final adjustments.
  if (nt_ && v_.OurMaxLen >= v_.TheirMaxLen && SV > 0) s += LV < 0 ? -20 : 15 * SV + 70 * LV;
  if (LV == -1 || v_.SecondVerdict == -1) {
    if (SV <= 0) s -= 10;
    else if (SV == 1) s -= std::min(100, s / 2);
    else s -= 20;
  } else if (nt_ && ((w_.MyEntries > 0 && v_.TheirMaxLen < v_.MyLen) ||
                     (w_.PdEntries > 0 && v_.TheirMaxLen < v_.PdLen))) {
    s += 60;
  }
  if (defender_ && TricksStillNeeded(p_) == 1 && ST > 0) s += 400;
  return s;
}

int LeadTable::LosingSuitScore() {
  const int extraA = v_.ExtraA, extraB = v_.ExtraB;
  int d;
  if (extraA < 1 || (LV < 0 && extraA < 3)) {
    if (v_.TheirCards < Me && !v_.PdTopsThem && (v_.LhoLen == 0 || v_.RhoLen == 0)) d = 130;
    else if (OppSingletonAboveUs()) d = v_.OurMaxLen < 2 ? 95 : 150;
    else if (Lho < Me && Me < Rho && LV != 0) d = 100 * SV + 100 * LV + 80;
    else if (v_.OurMaxLen == 1) d = 100;
    else if (defender_ && v_.PdLen < 3 && v_.PdTrumpLen > 1 && !nt_) d = 50 * LV + 120;
    else if (Pd <= kTen) d = 70 * LV + 100;
    else if (Bit(Pd, King) && Bit(Lho, Ace)) d = (Rho < Me && Me < v_.Lho2) ? 113 : 163;
    else d = 50;
  } else if (nt_ && extraA > 2 &&
             ((v_.MyLen >= v_.PdLen && ReachAny(me_)) || (v_.PdLen >= v_.MyLen && ReachAny(pd_)))) {
    d = 90 * extraA + 20 * ST;
  } else if (nt_ && v_.TheirMaxLen < v_.PdLen && Reach(pd_)) {
    d = 400;
  } else if (v_.Rho2 < v_.My2 && v_.My2 < Lho) {
    d = (extraA >= 2 ? 35 : 10) * extraA - 10 * extraB + 100 * LV;
    if (ST == -1 && ((!nt_ && TheirLongTrump(p_) < v_.MyTrumpLen) || Reach(me_))) d += 100;
  } else if ((w_.PdEntries + ST >= 0 && v_.PdLen + ST > 0) ||
             (w_.MyEntries + ST >= 0 && v_.MyLen + ST > 0)) {
    d = 30 * extraA - 10 * extraB + 50 * LV + 140;
  } else if (w_.MyEntries > 0 && v_.TheirMaxLen == 1) {
    d = 300;
  } else if ((Rho | v_.Lho2) < Me && Pd < v_.Lho2) {
    d = v_.Their2 < v_.My2 ? 250 : 20;
  } else if (Pd < Rho && Rho < Me) {
    d = 10 * SV + 50;
  } else if (v_.Pd2 < Rho && Rho < Pd && Pd < Lho && Me < v_.TheirCards) {
    d = 30 * SV + (nt_ ? 150 : 0);
  } else if (nt_ && v_.TheirMaxLen < v_.OurMaxLen &&
             ((v_.PdLen < v_.MyLen && w_.MyEntries > 1) || Reach(pd_))) {
    d = 200 * (extraA + LV + ST);
  } else {
    d = 30 * ST + 20 * extraA + 10 * extraB + 100 * LV + 130;
  }

  bool skipTrumpFloor = false;
  if (nt_) {
    if (SV < 0 && w_.OurSuitTricks + ST < 1 && !defender_) {
      d /= 2;
      skipTrumpFloor = true;
    } else if (v_.TheirMaxLen < v_.OurMaxLen) {
      d = std::max(d, 20 * (v_.OurMaxLen - v_.TheirMaxLen));
    }
  }
  if (!skipTrumpFloor) {
    if (v_.OurMaxLen >= v_.TheirMaxLen && OurLongTrump(p_) > TheirLongTrump(p_)) d = std::max(d, 5);
    if (w_.DefTrumpFlag) d += 300;
  }
  return d < 1 ? LastResort() : d;
}

int LeadTable::LastResort() {
  int r = 1;
  const bool rhoHeld = v_.OurCards >= Rho || v_.LhoLen > 0 || Reach(rho_);
  const bool lhoHeld = v_.OurCards >= Lho || v_.RhoLen > 0 || Reach(lho_);
  if (ST + (13 - p_.trick) > 0 && rhoHeld && lhoHeld) {
    const bool singletonAbove = (v_.LhoLen == 1 && v_.OurCards < Lho && v_.RhoLen > 1) ||
                                (v_.RhoLen == 1 && v_.OurCards < Rho && v_.LhoLen > 1);
    if (v_.ExtraA == 0) r = 110;
    else if (singletonAbove) r = 120;
    else if (Me > 1024 && Rho > 1024 && Me / Rho <= 2) r = 50;
    else if (Me < Rho && Rho / 4 < Me) r = v_.MyLen == 1 ? 50 : v_.MyLen;
    else if (Lho < Pd && Pd < Rho && (Me | v_.Pd2) < v_.Lho2) r = 40;
    else r = 10 * v_.ExtraA + 96;
  }
  if (LV < 0) r /= 2;
  else if (LV > 0) r += 20;
  return r;
}

int LeadTable::TrumpAdjust(int x) const {
  if (t_.PdLen < t_.MyLen) x += 150;
  else if (t_.PdLen < TheirLongTrump(p_)) x += 50;
  else if (v_.TheirCards >= Me || t_.RhoLen > 0 || t_.LhoLen < 2 || t_.PdLen < 2 ||
           t_.Pd2 >= t_.LhoCards)
    x -= 150;
  else x += 300;
  if (t_.PdLen == 1) x -= 10;
  return x + 10;
}

}  // namespace quorval::engine
