#include "play/engine/leads.h"

#include <algorithm>
#include <cstdlib>

#include "play/engine/candidates.h"
#include "play/engine/lead_tables.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {

constexpr Holding kNine = Holding(1) << 9;
constexpr Holding kTen = Holding(1) << Ten;

Holding Top(Holding h) { return (h & kRankMask) ? Highest(h) : 0; }
Holding SecondLowest(Holding h) { return Lowest(h & ~Lowest(h)); }
TSuit FirstSuit(const Position& p) { return p.noTrump() ? Club : p.trump; }
bool IsTrump(const Position& p, TSuit u) { return !p.noTrump() && u == p.trump; }

// The first pass: estimate every suit and add up entries and ruffs.
void FirstPass(Position& p, LeadWide& w) {
  const Seat me = p.seat, pd = PartnerOf(me);
  for (int i = 0; i < 4; ++i) {
    const TSuit u = (FirstSuit(p) + i) & 3;
    AnalyseSuit(p, u);
    const SuitView& v = p.hands[me].Views[u];
    p.hands[pd].Views[u].SuitRuns = v.SuitRuns;
    if (v.Their2 < v.Our2 && v.Our2 < v.TheirCards) w.TenacePlan = true;
    w.MyEntries += std::min(v.PdLen, v.MyWins) + (v.ICanRuff ? 1 : 0);
    w.PdEntries += std::min(v.MyLen, v.PdWins) + (v.PdCanRuff ? 1 : 0);
    w.LhoEntries += std::min(v.LhoLen, v.RhoWins) + (v.LhoCanRuff ? 1 : 0);
    w.RhoEntries += std::min(v.RhoLen, v.LhoWins) + (v.RhoCanRuff ? 1 : 0);
    w.MyRuffSuits += v.ICanRuff ? 1 : 0;
    w.PdRuffSuits += v.PdCanRuff ? 1 : 0;
    w.RuffCountSum += v.RuffCount;
    if (!IsTrump(p, u) && v.MyLen == 0 && v.SuitValue > 0) w.RuffValue += v.SuitValue;
  }
}

// The ruffing plan and the danger of an opponent's ruff, for a side suit.
void RuffPlans(Position& p, LeadWide& w, TSuit u) {
  const SuitView& v = p.hands[p.seat].Views[u];
  const bool defender = p.isDefender(p.seat);
  if (p.noTrump()) {
    w.KeepForRuff = false;
    w.RuffDanger = false;
    return;
  }
  if (u == p.trump) return;
  const bool theirTrumps = v.LhoTrumpLen > 0 || v.RhoTrumpLen > 0;
  if (v.SuitRuns && v.SuitTricks >= v.TheirMaxLen) {
    w.KeepForRuff = false;
  } else if (v.MyTrumpLen > 0 && v.PdLen > v.MyLen && v.SuitTricks < v.PdLen &&
             (defender || v.PdTrumpLen >= v.MyTrumpLen) &&
             (!theirTrumps || (v.MyLen < v.LhoLen && v.MyLen < v.RhoLen))) {
    w.KeepForRuff = true;
    w.RuffSuit = u;
    w.RuffSeat = p.seat;
    w.RuffTop = v.OurCards;
    w.RuffCashes = v.SuitTricks >= v.MyLen;
  } else if (v.PdTrumpLen > 0 && v.MyLen > v.PdLen && v.SuitTricks < v.MyLen &&
             (defender || v.MyTrumpLen >= v.PdTrumpLen)) {
    w.KeepForRuff = true;
    w.RuffSuit = u;
    w.RuffSeat = PartnerOf(p.seat);
    w.RuffTop = v.OurCards;
    w.RuffCashes = v.SuitTricks >= v.PdLen;
  }

  if (v.SuitRuns && v.SuitTricks >= v.TheirMaxLen)
    w.RuffDanger = !defender && ((v.RhoLen < 3 && v.RhoTrumpLen > 0) ||
                                 (v.LhoLen < 3 && v.LhoTrumpLen > 0));
  if (v.LhoCanRuff || (v.RhoCanRuff && (!v.ICanRuff || v.MyTrumps < v.RhoTrumps))) {
    w.RuffDanger = true;
  } else if (!w.RuffDanger) {
    const Seat lho = NextSeat(p.seat), rho = PrevSeat(p.seat);
    auto danger = [&](int singleLen, int singleTrumps, int otherLen, int otherTrumps,
                      Holding otherCards, Seat other) {
      if (!(singleLen == 1 && singleTrumps > 0 && otherLen > 1)) return false;
      if (!(otherCards > (v.OurCards | (v.TheirCards & ~otherCards))) &&
          !ReachInOtherSuit(p, other, u))
        return false;
      w.RuffDanger = defender ? singleTrumps < otherTrumps : v.OurCards < v.TheirCards;
      return true;
    };
    if (!danger(v.LhoLen, v.LhoTrumpLen, v.RhoLen, v.RhoTrumpLen, v.RhoCards, rho))
      danger(v.RhoLen, v.RhoTrumpLen, v.LhoLen, v.LhoTrumpLen, v.LhoCards, lho);
  }
}

// The second pass: settle what the estimates mean for the whole hand.
void SecondPass(Position& p, LeadWide& w) {
  const Seat me = p.seat;
  for (int i = 0; i < 4; ++i) {
    const TSuit u = (FirstSuit(p) + i) & 3;
    SuitView& v = p.hands[me].Views[u];
    const bool trump = IsTrump(p, u);
    if (w.RuffValue > 0 && v.MyLen == 0 && v.SuitValue > 0) {
      if (v.SuitTricks < 1 && std::abs(v.SuitTricks) >= w.PdEntries) w.RuffValue = 0;
      if (v.SuitTricks > 0 && v.SuitTricks < v.SuitValue && std::abs(v.ExtraA) >= w.PdEntries)
        w.RuffValue -= v.ExtraB;
    }
    if (v.LeadVerdict == 1 && v.SuitTricks > 0 && v.SuitTricks < v.OurMaxLen &&
        v.TheirCards < v.PdCards && v.MyLen > 1)
      w.PdLeadPlan = true;
    if (v.SuitTricks > 0) {
      if (v.MyLen == 0 && w.PdEntries == 0 && !p.noTrump() && v.PdTrumpLen == 0) v.SuitTricks = 0;
      if (v.SuitTricks > 0) {
        w.OurSuitTricks += v.SuitTricks;
        if (!trump) w.SideSuitTricks += v.SuitTricks;
        if (v.MyLen == 0) w.VoidWinnerSuit = true;
      }
    }
    w.ShortLast = std::min(v.LhoLen, v.RhoLen);
    if (v.LeadVerdict > 0) w.PositiveLeadSeen = true;
    if (!trump) {
      if (v.MyLen != 0 && v.MyLen < w.MyShortLoser && v.MyLow < v.TheirCards) w.MyShortLoser = v.MyLen;
      if (v.PdLen != 0 && v.PdLen < w.PdShortLoser && v.PdLow < v.TheirCards) w.PdShortLoser = v.PdLen;
    } else {
      w.MyTopTrumpClear = (v.RhoCards | v.Lho2) < v.MyCards;
      w.PdTopTrumpClear = (v.LhoCards | v.Rho2) < v.PdCards;
    }
    if (v.SuitTricks < 0) {
      if (!trump && !p.noTrump()) {
        if (v.PdTrumpLen > 0) v.SuitTricks = std::max(v.SuitTricks, -v.PdLen);
        if (v.MyTrumpLen > 0) v.SuitTricks = std::max(v.SuitTricks, -v.MyLen);
      }
      w.TheirSuitTricks += -v.SuitTricks;
    }
    if (trump) p.TrumpSuitTricks = v.SuitTricks;
    const bool voidHint =
        v.MyLen == 0 && ((!trump && v.TheirCards < v.PdCards) ||
                         (!p.noTrump() && v.MyTrumpLen > 0 &&
                          !(w.MyRuffSuits > 0 && w.PdRuffSuits > 0)));
    if ((v.LeadVerdict < 0 && v.LhoCards < v.MyCards) || voidHint) w.LowLeadHint = true;
    RuffPlans(p, w, u);
  }
}

}  // namespace

LeadWide& LastLeadWide() {
  // One engine call runs at a time, on the window's thread or on the
  // engine's own; the values carry over from one call to the next within one
  // play, as the rules that read them expect (see KeepLeadWideFor).
  static LeadWide kept;
  return kept;
}

namespace {
// What the kept values were worked out for: the dealt cards and the trumps.
struct LeadWideOwner {
  std::array<std::array<Holding, 4>, 4> dealt{};
  tAllTrump trump = NT;
  Seat openingLeader = North;
  bool operator==(const LeadWideOwner&) const = default;
};
LeadWideOwner& KeptOwner() {
  static LeadWideOwner owner;
  return owner;
}
}  // namespace

void ResetLeadWide() { LastLeadWide() = LeadWide{}; }

void KeepLeadWideFor(const EngineInput& in) {
  const LeadWideOwner owner{in.dealt, in.trump, in.openingLeader};
  if (in.cardsPlayed == 0 || !(owner == KeptOwner())) ResetLeadWide();
  KeptOwner() = owner;
}

void ScoreLeads(Position& p, LeadWide& w) {
  const int trumpLead = w.TrumpLead;
  w = LeadWide{};
  w.TrumpLead = trumpLead;
  w.StillNeeded = TricksStillNeeded(p);
  const Seat me = p.seat;
  const bool defender = p.isDefender(me);
  const int left = 13 - p.trick;

  FirstPass(p, w);
  SecondPass(p, w);
  if (w.OurSuitTricks >= left) w.KeepForRuff = false;

  for (int i = 0; i < 4; ++i) {
    const TSuit u = (FirstSuit(p) + i) & 3;
    SuitView& v = p.hands[me].Views[u];
    if (v.MyLen == 0) {
      v.LeadScore = -1000;
      if (!p.noTrump() && v.MyTrumpLen > 0 &&
          (defender || (v.PdTrumpLen >= v.MyTrumpLen && v.MyTrumpLen < TheirLongTrump(p))))
        w.TrumpControl = true;
      continue;
    }
    if (IsTrump(p, u) && v.SuitTricks < 0 && OurLongTrump(p) > TheirLongTrump(p)) {
      w.OurSuitTricks += v.ExtraA;
      if (w.OurSuitTricks < w.StillNeeded) {
        if (w.KeepForRuff) w.RuffSuit = p.trump;
      } else {
        w.KeepForRuff = false;
      }
    }
    int score = BaseScore(p, w, u);
    if (v.SuitTricks > 0 && v.TheirCards < v.PdCards && w.PdEntries < w.MyEntries &&
        v.MyCards < v.TheirCards && score > 200)
      score -= 100;
    const int ewNeed = p.OtherNeed - (p.trick - p.NSTricks);
    if (w.TheirSuitTricks >= left && w.SideSuitTricks >= 1) {
      score += (v.SuitTricks > 0 || v.PdCanRuff) ? 200 : -100;
    } else if (p.noTrump() && ewNeed >= w.TheirSuitTricks && v.ExtraA >= 1 && v.LeadVerdict >= 0 &&
               v.SuitTricks >= 1) {
      score += 100 * v.ExtraA;
    } else if (IsTrump(p, u) && v.SuitTricks == 12 - p.trick) {
      score += 200;
    } else if (defender && v.SuitTricks > 0 && v.SuitTricks >= w.StillNeeded && score > 150) {
      score += 300;
    }
    v.LeadScore = std::max(score, 1);
  }

  if (!(w.TheirSuitTricks < w.OurSuitTricks && w.OurSuitTricks < left &&
        w.OurSuitTricks + w.TheirSuitTricks >= left))
    w.TenacePlan = false;

  const SuitView& t = p.hands[me].Views[FirstSuit(p)];
  if (!p.noTrump() && (t.LhoLen > 0 || t.RhoLen > 0)) return;
  for (int i = 0; i < 4; ++i) {
    const TSuit u = (FirstSuit(p) + i) & 3;
    SuitView& v = p.hands[me].Views[u];
    if (!(v.LeadScore > 0 && v.LeadVerdict >= 0)) continue;
    const bool side = !IsTrump(p, u);
    if (side && w.OurSuitTricks >= 12 - p.trick && (!v.PdCanRuff || p.noTrump()) &&
        v.SuitTricks < 1 && p.trick > 4)
      v.LeadScore = 1;
    if (w.TenacePlan && w.MyEntries == 0 && v.PdCards < v.MyCards) {
      v.LeadScore += v.SuitTricks + 200;
    } else if (side && v.LeadScore > 1) {
      if (w.MyEntries == 0 && v.SuitTricks >= 1 && v.TheirCards < v.MyCards)
        v.LeadScore += 220;
      else if (v.SuitTricks >= 1 && w.OurSuitTricks >= w.StillNeeded &&
               !(v.LeadVerdict < 1 && w.PdLeadPlan))
        v.LeadScore += 200;
      else if (w.StillNeeded == w.OurSuitTricks + 1 && v.ExtraA > 0 &&
               w.OurSuitTricks - v.SuitTricks < 13 && v.LeadVerdict >= 0)
        v.LeadScore += 50;
      if (w.TrumpControl && v.PdTopsThem) v.LeadScore += 150;
    }
    v.LeadScore = std::max(v.LeadScore, 1);
  }
}

namespace {

// The card choice within one suit: lead low or high, and how firmly.
class CardChoice {
 public:
  CardChoice(Position& p, const LeadWide& w, TSuit suit, bool alternativeAllowed)
      : p_(p), w_(w), u_(suit), v_(p.hands[p.seat].Views[suit]), alt_(alternativeAllowed),
        defender_(p.isDefender(p.seat)), Me(v_.MyCards), Pd(v_.PdCards), Lho(v_.LhoCards),
        Rho(v_.RhoCards), HighCard(Top(v_.MyCards)) {}

  std::pair<CardCode, CardCode> Choose();

 private:
  bool OppSingletonAboveUs() const {
    return (v_.LhoLen == 1 && v_.OurCards < Lho) || (v_.RhoLen == 1 && v_.OurCards < Rho);
  }
  bool OppSingletonAboveMyTop() const {
    return (v_.LhoLen == 1 && Lho > Top(Me)) || (v_.RhoLen == 1 && Rho > Top(Me));
  }
  bool LowFromEntry() const;
  bool WrongSideElsewhere() const;
  bool HighestSideSuitSafe() const;
  void FirstGuess();
  void ByProspects();
  void SingletonsAndTenaces();
  void LowBelowMySecond();
  void Firmness();
  void CoverSingleton();
  Holding CoverCard(Holding x);
  Holding LowCard() const;
  CardCode C(Holding h) const { return CardOf(h & kRankMask, u_); }

  Position& p_;
  const LeadWide& w_;
  TSuit u_;
  const SuitView& v_;
  bool alt_;
  bool defender_;
  Holding Me, Pd, Lho, Rho;
  Holding HighCard;
  bool LeadLow = false;
  bool Settled = false;
};

bool CardChoice::LowFromEntry() const {
  if (OppSingletonAboveUs()) {
    if (v_.MyLen == 2 && v_.PdLen > 2) return TheirNonSingletons(v_) >= Pd;
    return true;
  }
  if (Top(Me) < v_.PdLow) return true;
  if (!(v_.MyLen >= v_.PdLen || v_.TheirCards >= Me)) return false;
  if (v_.MyLen == 2) {
    if (v_.PdLen > v_.MyLen || (v_.PdLen == 1 && v_.TheirMaxLen <= 1)) return false;
    return v_.PdLen != 2 || v_.TheirCards < Pd;
  }
  if (v_.PdLen == 1 && NthHighest(v_.TheirMaxLen, Me) >= v_.TheirCards) return false;
  if (v_.OurCards >= v_.Their2 && (Me >= v_.TheirCards || Rho >= Pd) && !OppSingletonAboveUs())
    return v_.TheirCards < Pd;
  return true;
}

bool CardChoice::WrongSideElsewhere() const {
  if (defender_ || p_.noTrump() || u_ == p_.trump) return false;
  for (TSuit s = 0; s < 4; ++s) {
    if (s == u_) continue;
    const SuitView& o = p_.hands[p_.seat].Views[s];
    if (o.LeadVerdict == -1 || o.SecondVerdict == -1) return true;
  }
  return false;
}

bool CardChoice::HighestSideSuitSafe() const {
  for (TSuit s = Spade; s >= Club; --s) {
    if (s == u_ || (!p_.noTrump() && s == p_.trump)) continue;
    const SuitView& o = p_.hands[p_.seat].Views[s];
    return !o.LhoCanRuff && !o.RhoCanRuff && (o.MyCards > o.TheirCards || o.ICanRuff);
  }
  return false;
}

void CardChoice::FirstGuess() {
  if (v_.MyLen == 2 && v_.PdLen > 2) {
    LeadLow = false;
  } else if (v_.SuitRuns && v_.PdLen == 1 &&
             !(v_.TheirMaxLen > 0 && v_.TheirCards <= Pd &&
               NthHighest(v_.TheirMaxLen, Me) <= v_.TheirCards)) {
    LeadLow = v_.TheirCards < Pd && WinnerWherePdVoid(p_, PartnerOf(p_.seat), u_);
  } else if (v_.SuitRuns && v_.PdLen == 2 && v_.TheirCards < Pd) {
    LeadLow = true;
  } else if (v_.LeadVerdict > 0 && Rho > v_.Pd2) {
    LeadLow = false;
  } else {
    LeadLow = v_.TheirCards < Pd || v_.TheirCards >= v_.My2;
  }
}

void CardChoice::ByProspects() {
  const int LV = v_.LeadVerdict, ST = v_.SuitTricks;
  if (LV == -1 && v_.PdTopsThem && Me < v_.TheirCards) {
    Settled = true;
  } else if (v_.SecondVerdict == 1) {
    Settled = true;
    LeadLow = false;
  } else if (!v_.SuitRuns && ST < 1) {
    if ((!v_.LhoCanRuff && !v_.RhoCanRuff) || v_.TheirCards <= Pd || LV < 0 || v_.PdLen < 2 ||
        v_.PdCanRuff) {
      if (Top(Me) < std::max(Lowest(Lho), Lowest(Rho))) {
        LeadLow = LowFromEntry();
        Settled = true;
      } else if (p_.cardsAtNode < 8 && Top(Me) < kNine) {
        LeadLow = false;
      }
    } else {
      LeadLow = false;
    }
  } else if (!v_.SuitRuns) {
    if (Pd < v_.TheirCards) LeadLow = false;
    if (Pd <= Rho && Pd <= v_.Lho2 && (Pd <= Lho || v_.Pd2 <= v_.Their2))
      LeadLow = (Me < v_.TheirCards || WrongSideElsewhere()) ? v_.PdTopsThem : false;
    if (LeadLow && Me < v_.TheirCards) {
      if (OppSingletonAboveMyTop()) {
        Settled = true;
      } else if (v_.MyLen == 2 && v_.Their2 < Me && v_.OurCards < v_.TheirCards) {
        LeadLow = false;
      } else {
        Settled = true;
        if (LV == 1 && v_.PdLen > 1 && v_.LhoLen > 2 && Rho < Me &&
            (v_.Their2 < Me || NthHighest(3, Lho) < v_.My2))
          LeadLow = false;
      }
    }
    if (LV < 0 && v_.MyLen > 2 && v_.PdTopsThem) LeadLow = true;
    if (v_.PdLen <= ST && !v_.PdCanRuff && !LeadLow && !w_.TenacePlan && Pd <= v_.Their2)
      Settled = true;
  } else {
    if (!v_.PdTopsThem) {
      LeadLow = false;
    } else if (Me < v_.TheirCards) {
      if ((v_.TheirMaxLen <= 1 && v_.MyLen < v_.PdLen && v_.Pd2 < Me) ||
          (v_.MyLen < v_.PdLen && NthHighest(v_.MyLen, Pd) < Me))
        LeadLow = false;
      Settled = true;
    } else if (!p_.noTrump() && u_ == p_.trump) {
      if (v_.PdLen < v_.MyLen && v_.PdLen > 1 && w_.PdEntries <= 1 && v_.TheirMaxLen == 1)
        LeadLow = false;
      else if (v_.MyLen < v_.PdLen && w_.MyEntries <= 1 && v_.TheirCards < Me)
        LeadLow = v_.TheirMaxLen == 2;
      else if (w_.KeepForRuff)
        LeadLow = false;
    } else if (v_.MyLen < v_.PdLen) {
      LeadLow = false;
    } else if (!w_.LowLeadHint && !WrongSideElsewhere()) {
      LeadLow = LowFromEntry();
    }
    if (!LeadLow && !w_.KeepForRuff) Settled = true;
  }
}

void CardChoice::SingletonsAndTenaces() {
  const bool suitContract = !p_.noTrump();
  if ((v_.LhoLen == 1 && Pd < Lho && Lho < Me) || (v_.RhoLen == 1 && Pd < Rho && Rho < Me)) {
    LeadLow = false;
    Settled = true;
  } else if (OppSingletonAboveUs()) {
    LeadLow = true;
    Settled = true;
  } else if (v_.SecondVerdict == 1 && v_.LhoLen > 1 && LeadLow && v_.PdLen != 2) {
    Settled = false;
  } else if (v_.LeadVerdict == -1 && v_.My2 < v_.Their2) {
    Settled = true;
  } else if (LeadLow && v_.OurCards < v_.TheirCards && Pd < v_.Their2 && v_.Their2 < v_.Our2 &&
             !v_.PdCanRuff) {
    LeadLow = false;
  } else if (Me < v_.TheirCards && suitContract && v_.PdCanRuff) {
    if (v_.Their2 < v_.My2) {
      if (OppSingletonAboveUs()) LeadLow = true;
      else if (Me < Lho) LeadLow = false;
      Settled = false;
    } else {
      LeadLow = true;
      Settled = true;
    }
  } else if (v_.PdLen == 1 && v_.MyLen > 2 && !v_.SuitRuns && w_.OurSuitTricks < w_.StillNeeded &&
             v_.TheirMaxLen > 1 && v_.Their2 < Pd) {
    const Holding their = v_.TheirCards;
    const bool underRho = Pd < Rho && (their & ~Top(Rho) & ~Lowest(Lho)) < v_.My2;
    const bool underLho = Pd < Lho && (their & ~Top(Lho) & ~Lowest(Rho)) < v_.My2;
    if (suitContract && v_.MyTrumpLen == 0 && (underRho || underLho)) {
      LeadLow = true;
      Settled = false;
    }
  } else if (v_.MyLen == 2 && (v_.PdLen != 1 || v_.TheirCards >= Pd)) {
    if (OppSingletonAboveMyTop()) {
      LeadLow = true;
    } else if (v_.PdLen > 2 &&
               (v_.TheirCards < Me || (Lho < Pd && Pd < Rho && v_.Pd2 < v_.Rho2 && v_.Rho2 < Me))) {
      LeadLow = false;
    } else if (w_.PdEntries == 0 && Pd < Me && v_.Their2 < v_.Pd2) {
      LeadLow = false;
    } else if (v_.TheirMaxLen == 1 || v_.Their2 < v_.My2 ||
               (v_.TheirMaxLen <= 2 && v_.Their2 < v_.Pd2 && v_.Their2 < Me)) {
      LeadLow = false;
      Settled = true;
    }
  }
}

void CardChoice::LowBelowMySecond() {
  if (!(LeadLow && Pd < v_.My2 && !Settled)) return;
  if (v_.OppCanRuff && v_.OurMaxLen >= v_.TheirMaxLen) {
    if (NthHighest(v_.TheirMaxLen, Me) >= v_.TheirCards) {
      LeadLow = false;
      Settled = true;
    } else if (!v_.PdCanRuff) {
      LeadLow = false;
    }
  } else if (v_.PdCanRuff && defender_) {
    if ((Rho | Me) < Lho && v_.Their2 < v_.My2) {
      Settled = true;
      LeadLow = false;
    } else {
      if (HighestSideSuitSafe()) LeadLow = false;
      Settled = true;
    }
  } else if (Lho < Me && v_.RhoLen > 2 && v_.MyLen > 2 && NthHighest(3, Rho) < v_.My2 &&
             !v_.PdCanRuff) {
    LeadLow = false;
  } else if ((Pd <= v_.TheirCards || v_.PdLen != 1) && !OppSingletonAboveMyTop() &&
             Pd <= (Rho | v_.Lho2) && !v_.PdCanRuff && v_.TheirCards < v_.My2) {
    LeadLow = false;
  }
}

void CardChoice::Firmness() {
  const Holding pdTop = Top(Pd);
  const Holding between = v_.TheirCards & (HighCard - 1) & ~((pdTop << 1) - 1);
  if (v_.MyLen != 2 && v_.PdLen != 1 && !Settled && v_.SecondVerdict != 1 && between == 0) {
    LeadLow = true;
    Settled = true;
    return;
  }
  const bool shortOppHigh = (v_.LhoLen > 0 && v_.LhoLen <= 2 && Top(Lho) > v_.Their3) ||
                            (v_.RhoLen > 0 && v_.RhoLen <= 2 && Top(Rho) > v_.Their3);
  if (!alt_) {
    Settled = true;
  } else if ((LeadLow && v_.TheirCards < v_.MyLow) ||
             (v_.Their2 < v_.My2 && v_.LeadVerdict == 1 && shortOppHigh)) {
    Settled = true;
  } else if (!Settled && (Rho | v_.Lho2) < Pd && Pd < Lho && v_.My2 < v_.Lho2 &&
             Me < v_.TheirCards) {
    Settled = true;
  }
}

Holding CardChoice::CoverCard(Holding x) {
  if (Top(Me) < x || x < v_.PdLow || v_.Lho2 < (Me | v_.Pd2)) {
    Settled = true;
    return v_.MyLow;
  }
  LeadLow = false;
  const Holding covers = Me & ~(Top(x) - 1) & kRankMask;
  return RaiseThroughRun(covers ? Lowest(covers) : v_.MyLow, Me);
}

void CardChoice::CoverSingleton() {
  if (!(LeadLow && !Settled && v_.SecondVerdict < 1)) return;
  if (v_.RhoLen == 1 && v_.LhoLen > 1 && Pd < v_.Their2) HighCard = CoverCard(Rho);
  else if (v_.LhoLen == 1 && Rho < Me) HighCard = CoverCard(Lho);
}

Holding CardChoice::LowCard() const {
  if (defender_ && v_.MyLen % 2 == 0) {
    if (v_.PdLen < 3 || Top(Me) >= kTen) return v_.MyLow;
    const Holding second = SecondLowest(Me);
    if (second >= kTen && (v_.LhoLen == 1 || v_.RhoLen == 1)) return v_.MyLow;
    return second;
  }
  if (v_.MyLen > 2 && !w_.LowLeadHint) {
    if (HighCard == (v_.My3 << 2)) return HighCard;
    if (NthHighest(3, Lho) < v_.My3 && NthHighest(3, Rho) < v_.My3) return v_.My3;
  }
  return v_.MyLow;
}

std::pair<CardCode, CardCode> CardChoice::Choose() {
  // Shortcuts: one card, or a suit nobody else holds, or a suit under partner's.
  if (v_.MyLen == 1 || v_.PdLen + v_.LhoLen + v_.RhoLen == 0) return {C(HighCard), 0};
  if (Top(Me) < v_.PdLow) {
    if (v_.PdLen < 2) return {C(v_.MyLow), 0};
    return {C(defender_ && v_.MyLen % 2 == 0 ? HighCard : v_.MyLow), 0};
  }

  FirstGuess();
  ByProspects();
  SingletonsAndTenaces();
  if (RuffThreat(p_, v_)) {
    LeadLow = false;
    Settled = false;
  }
  LowBelowMySecond();
  Firmness();
  CoverSingleton();

  if (Settled) {
    if (p_.cardsAtNode >= 40) Settled = false;
    else if (LeadLow && v_.Their2 < v_.My2) Settled = false;
  }
  Holding low = (Settled && !LeadLow) ? 0 : LowCard();

  if (v_.PdCanRuff && Settled && defender_) {
    // Lead so that partner can ruff and I regain the lead for the next ruff.
    if (!LeadLow) return {C(HighCard), 0};
    TSuit other = 0;
    while (other == u_ || (!p_.noTrump() && other == p_.trump)) ++other;
    if (CanReachMe(p_, p_.seat, other)) return {C(v_.MyLow), 0};
    return {C(Top(Me) >= kTen ? v_.My2 : HighCard), 0};
  }

  bool adjust = true;
  if (LeadLow && Settled) {
    const Holding secondLow = SecondLowest(Me);
    if (v_.MyLen < v_.PdLen && TheirNonSingletons(v_) < Pd && Pd < secondLow &&
        !ReachInOtherSuit(p_, PartnerOf(p_.seat), u_)) {
      LeadLow = false;
      Settled = false;
      if (HighCard != (secondLow << 1)) HighCard = secondLow;
      adjust = false;
    } else {
      return {C(RaiseThroughRun(low, Me)), 0};
    }
  }

  if (adjust) {
    const THands& hand = p_.hands[p_.seat];
    const Holding dealt = hand.Suits[u_].Dealt;
    if (LeadLow && v_.SuitTricks < 0 && v_.ExtraA == 0) {
      Settled = true;
    } else if (v_.SecondVerdict == 1 && LeadLow && Lho < Me && v_.LhoLen > 1 && w_.MyEntries > 0) {
      HighCard = v_.My2;
    } else if (v_.SecondVerdict == 1 && v_.TheirCards < Pd && v_.MyLen > 2 &&
               (Rho | v_.Lho2) < v_.Our2) {
      if (Lho <= Me && Top(Me) != (v_.My2 << 1)) HighCard = v_.My2;
    } else if (Bit(Me, Ace) && Bit(Me, Queen) && !Bit(Me, King) && Bit(dealt, Ace) &&
               Bit(dealt, King) && Bit(dealt, Queen)) {
      HighCard = RankBit(Queen);
    }
  }

  if (HighCard == RankBit(Ace) && defender_ && v_.My2 == RankBit(King)) HighCard = RankBit(King);
  if (low) low = RaiseThroughRun(low, Me);
  if (low == HighCard) Settled = true;
  const Holding card = (LeadLow && low) ? low : HighCard;
  const Holding other = card == low ? HighCard : low;
  if (!Settled && alt_ && other) return {C(card), C(other)};
  return {C(card), 0};
}

}  // namespace

std::pair<CardCode, CardCode> CardInSuit(Position& p, const LeadWide& w, TSuit suit,
                                         bool alternativeAllowed) {
  return CardChoice(p, w, suit, alternativeAllowed).Choose();
}

std::vector<TSuit> SuitsToOffer(const std::array<int, 4>& scores, int skill) {
  std::array<TSuit, 4> order = {Spade, Heart, Diamond, Club};
  std::stable_sort(order.begin(), order.end(),
                   [&](TSuit a, TSuit b) { return scores[a] > scores[b]; });
  std::vector<TSuit> out{order[0]};
  for (int i = 1; i < 4; ++i) {
    const int score = scores[order[i]];
    if (score < 3) break;
    if (score < 250 && scores[order[0]] - score > 50 * skill) break;
    out.push_back(order[i]);
  }
  return out;
}

void GenerateLeadCandidates(Position& p) {
  LeadWide& w = LastLeadWide();
  ScoreLeads(p, w);
  const THands& me = p.hands[p.seat];
  std::array<int, 4> scores{};
  for (TSuit u = 0; u < 4; ++u) scores[u] = me.Views[u].LeadScore;
  const std::vector<TSuit> suits = SuitsToOffer(scores, p.skill());

  // A defender in the first tricks leads one card per suit.
  const bool allowSecond = !(p.isDefender(p.seat) && p.trick <= 2);
  CardCode bestAlternative = 0;
  p.Candidates = {};
  int count = 0;
  for (size_t i = 0; i < suits.size() && count < 4; ++i) {
    const TSuit u = suits[i];
    if (me.Len(u) == 0) continue;
    const bool first = i == 0;
    const auto [card, alternative] = CardInSuit(p, w, u, first && allowSecond);
    p.AddCandidate(card);
    if (first && allowSecond && alternative) {
      p.AddCandidate(alternative);
      bestAlternative = alternative;
    }
    count = 0;
    while (count < 4 && p.Candidates[count]) ++count;
  }
  // The best suit's second card is tried after the other suits' cards.
  if (count >= 3 && bestAlternative && p.Candidates[1] == bestAlternative)
    std::rotate(p.Candidates.begin() + 1, p.Candidates.begin() + 2, p.Candidates.begin() + count);
  ViewSuit(p, p.seat, suits[0]);
}

}  // namespace quorval::engine
