#include "play/engine/suit_analysis.h"

#include <algorithm>

#include "play/engine/candidates.h"

namespace quorval::engine {

SuitView& ViewSuit(Position& p, Seat seat, TSuit suit) {
  p.viewSeat = seat;
  p.viewSuit = suit;
  SuitView& v = p.hands[seat].Views[suit];
  const bool trumps = p.trump != NT;
  v.ICanRuff = trumps && v.MyLen == 0 && v.MyTrumpLen > 0;
  v.PdCanRuff = trumps && v.PdLen == 0 && v.PdTrumpLen > 0;
  v.LhoCanRuff = trumps && v.LhoLen == 0 && v.LhoTrumpLen > 0;
  v.RhoCanRuff = trumps && v.RhoLen == 0 && v.RhoTrumpLen > 0;
  // A lone trump on the left is not feared by second or third hand on a club
  // lead.
  if ((p.pos == 2 || p.pos == 3) && p.frame().suitLed == Club && v.LhoTrumpLen == 1)
    v.LhoCanRuff = false;
  v.OppCanRuff = v.LhoCanRuff || v.RhoCanRuff;
  return v;
}

namespace {

void PlayCard(CountHand& h, Holding c) {
  if (!c || !(h.cards & c)) return;
  h.cards &= ~c;
  --h.len;
}
void PlayLow(CountHand& h) { PlayCard(h, Lowest(h.cards)); }
void PlayHigh(CountHand& h) {
  if (h.cards) PlayCard(h, Highest(h.cards));
}
// Highest with the engine's convention: 1 for an empty holding.
Holding Top(const CountHand& h) { return Highest(h.cards); }

}  // namespace

int CashCount(CountHand& x, CountHand& y, CountHand& b1, CountHand& b2, bool trumpsOrNT) {
  int tricks = 0;
  while (true) {
    const Holding bTop = Highest(b1.cards | b2.cards);
    if (bTop >= Highest(x.cards | y.cards)) break;
    if (!trumpsOrNT && ((b1.len == 0 && b1.hasTrump) || (b2.len == 0 && b2.hasTrump))) break;
    const bool useX = (y.len != 1 || bTop >= Top(y)) &&
                      (Top(y) < Top(x) || (x.len == 1 && Top(x) > bTop));
    CountHand& win = useX ? x : y;
    CountHand& other = useX ? y : x;
    PlayHigh(win);
    PlayLow(other);
    PlayLow(b1);
    PlayLow(b2);
    ++tricks;
  }
  return tricks;
}

SuitCopies CopiesOf(const Position& p, const SuitView& v) {
  const bool nt = p.trump == NT;
  return {{v.MyCards, v.MyLen, !nt && v.MyTrumpLen > 0},
          {v.PdCards, v.PdLen, !nt && v.PdTrumpLen > 0},
          {v.LhoCards, v.LhoLen, !nt && v.LhoTrumpLen > 0},
          {v.RhoCards, v.RhoLen, !nt && v.RhoTrumpLen > 0}};
}

namespace {
bool TrumpsOrNT(const Position& p, TSuit u) { return p.trump == NT || p.trump == u; }
}  // namespace

int CashUs(const Position& p, SuitCopies& c) {
  return CashCount(c.me, c.pd, c.lho, c.rho, TrumpsOrNT(p, p.viewSuit));
}
int CashThem(const Position& p, SuitCopies& c) {
  return CashCount(c.lho, c.rho, c.me, c.pd, TrumpsOrNT(p, p.viewSuit));
}

int RunCount(const Position& p, SuitView& v, int verdict, SuitCopies& c) {
  bool ruffing = false, lhoHigh = false, rhoHigh = false;
  int tricks = 0;
  const bool first = p.pos == 1;
  while (true) {
    const Holding theirTop = c.lho.cards | c.rho.cards;
    if (theirTop >= (c.me.cards | c.pd.cards)) break;
    if (!TrumpsOrNT(p, v.Suit) && ((c.lho.len == 0 && c.lho.hasTrump) || (c.rho.len == 0 && c.rho.hasTrump)))
      ruffing = true;
    const Holding rhoTop = Highest(c.rho.cards);
    const Holding pd2 = NthHighest(2, c.pd.cards), pd3 = NthHighest(3, c.pd.cards);
    if (c.pd.len < c.me.len && Highest(c.pd.cards) > theirTop) {
      Holding a = Highest(c.pd.cards);
      if (verdict > 0 && rhoTop < pd2) a = rhoTop >= pd3 ? pd2 : pd3;
      PlayCard(c.pd, a);
      if (c.me.len > 0) ++v.PdWins;
      PlayLow(c.me);
      lhoHigh = !first && rhoTop < a;
    } else if (Top(c.me) > theirTop || Highest(c.pd.cards) < Top(c.me)) {
      const Holding w = Top(c.me);
      PlayCard(c.me, w);
      if (w > theirTop) ++v.MyWins;
      PlayLow(c.pd);
      rhoHigh = !first && Highest(c.lho.cards) < w;
    } else {
      const Holding a = (verdict > 0 && rhoTop < pd2) ? pd2 : Highest(c.pd.cards);
      PlayCard(c.pd, a);
      if (c.me.len > 0) ++v.PdWins;
      PlayLow(c.me);
    }
    if (lhoHigh) PlayHigh(c.lho); else PlayLow(c.lho);
    if (rhoHigh) PlayHigh(c.rho); else PlayLow(c.rho);
    if (ruffing) ++v.RuffCount; else ++tricks;
    verdict = 0;
  }
  return tricks;
}

int LeadVerdict(const Position& p, const SuitView& v) {
  if (p.pos != 1 || p.viewSeat != p.seat) return 0;
  if (v.OurMaxLen <= 1 || v.TheirMaxLen <= 1) return 0;
  const int k = std::min(v.OurMaxLen, v.TheirMaxLen);
  if (v.TheirCards < NthHighest(k, v.OurCards) || v.OurCards < NthHighest(k, v.TheirCards)) return 0;
  const Holding Me = v.MyCards, Pd = v.PdCards, Lho = v.LhoCards, Rho = v.RhoCards;
  const Holding Their2 = v.Their2, Their3 = v.Their3, Our2 = v.Our2;
  const Holding My2 = v.My2, My3 = v.My3, Pd2 = v.Pd2, Pd3 = v.Pd3, Lho2 = v.Lho2, Rho2 = v.Rho2;
  const Holding Ours = v.OurCards, Theirs = v.TheirCards;
  const int MyLen = v.MyLen, PdLen = v.PdLen, LhoLen = v.LhoLen, RhoLen = v.RhoLen;
  const bool flag = Theirs >= Pd;

  if ((Rho | Their2) < Pd2 && Pd2 < Lho && Lho < Pd) return 1;
  if (!flag && Their2 < Pd2 && Pd2 < Rho && Me < Theirs) return -1;
  if ((Rho | Their2) < My2 && My2 < Lho && LhoLen >= 2 && Lho < Me && Pd < Theirs) return -1;
  if (MyLen > 2 && Ours < Their2 && Their3 < Our2) return Their3 >= NthHighest(3, Ours) ? -1 : 0;
  if ((Lho | Pd) < Me && Rho >= Me && MyLen > 1 && RhoLen > 1 && Pd < Their2 && 2 * My2 < Me / 2)
    return -2;
  if ((Lho | Their2) < My2 && My2 < Rho && Rho < Me && RhoLen > 1) return flag ? -1 : 0;
  if (Me < Theirs && (Rho | Their2) < Pd && Pd < Lho && PdLen > 1 && LhoLen > 1) return 1;
  if ((Lho | Their2) < Me && Me < Rho && Pd < Rho2 && Our2 < Their2 && MyLen >= 2 && RhoLen >= 2)
    return -1;
  if (Their2 < Me && Rho < Me && Me < Lho && LhoLen > 1) {
    if (Their2 < My2 && !flag) return 1;
    if (Their2 < Our2 && (Pd & Our2) && (Our2 < Lho || !flag)) return 1;
    if (Their2 >= Me || flag || MyLen < 2) return Their2 < Pd ? 0 : (RhoLen == 1 ? 0 : -1);
    return -1;
  }
  if (Lho < Pd && Pd < Rho && RhoLen > 1 && My2 < Their2 &&
      ((Pd2 < Rho2 && PdLen > 1) || (Their2 < Pd && LhoLen > 1 && Pd2 < Their2))) {
    if ((Rho2 | Lho2) < Pd2 || ((Rho2 | Lho2) < Me && (Rho2 | Lho2) < My2)) return 1;
    if (Theirs < Me && MyLen == 1) return 0;
    if (Ours < Their2 && (v.TheirMaxLen < 3 || NthHighest(4, Theirs) < Our2)) return 0;
    if (Their2 >= Our2 && (MyLen != 1 || Pd >= Me) && (PdLen != 1 || Me >= Pd)) return -1;
    return 0;
  }
  if (PdLen >= 3 && Theirs < Pd2 && (Rho | Pd3) < Lho && MyLen > 0 && Rho < Pd3) return 1;
  if (MyLen >= 3 && Theirs < My2 && RhoLen >= 3 && (Lho | My3) < Rho && PdLen > 0 && Pd < Theirs &&
      Lho < My3)
    return -1;
  if (PdLen >= 3 && (((Me | Theirs) < Pd && (Me | Rho) < Pd2 && Pd2 < Lho2) ||
                     ((Rho | Their2) < Pd && Me < Theirs && Their3 < My2)))
    return 1;
  if ((Rho | Pd) < Me && Ours < Lho && LhoLen > 1 && RhoLen > 1) {
    if (Ours < NthHighest(v.OurMaxLen, Lho) || Their2 < (Pd | My2)) return 0;
    if (Ours < Lho2 && (v.TheirMaxLen < 3 || Their3 < (My3 | Pd2))) return 0;
    return Me >= NthHighest(MyLen, Theirs) ? -1 : 0;
  }
  if ((Ours < Rho && (Lho | Rho2) < Pd && Their2 < Pd2) || (v.LhoCanRuff && Rho < Pd)) return 1;
  if ((Lho | Rho2) < Me && Me < Rho && RhoLen >= 2 && My2 < Rho2) return -1;
  if (v.TheirMaxLen > 2 && MyLen > 2 && Ours < Their2 && Pd < My2 && Their3 < Me && (Lho & Their3))
    return -1;
  if (Bit(Me, Ace) && Bit(Me, King) && Bit(Lho, Queen) && Bit(Pd, Jack) && MyLen > 3 && LhoLen > 2 &&
      PdLen > 1)
    return 1;
  if (Me >= Theirs || PdLen < 3 || Pd >= Lho || Pd >= Rho || Their2 >= Pd) {
    if (Rho < Me && MyLen > 3 && Pd2 < Rho && Lho < Pd2) return -1;
    if (Theirs >= Me || PdLen < 2 || MyLen < 3 || My2 >= Lho) return 0;
    if ((Lho2 | Rho) < Pd) return 1;
    return Rho > NthHighest(3, Me) ? -1 : 0;
  }
  return Rho2 < Pd2 ? 1 : -1;
}

int SecondVerdict(const Position& p, const SuitView& v) {
  (void)p;
  const Holding Me = v.MyCards, Pd = v.PdCards, Lho = v.LhoCards, Rho = v.RhoCards;
  const Holding Ours = v.OurCards, Theirs = v.TheirCards;
  if (Theirs < v.Our2 || v.PdLen <= 1) return 0;
  if (v.PdLen == 2 && v.Pd2 && std::abs(LowestRank(v.Pd2) - HighestRank(Me)) == 1) return 0;
  if (Theirs < NthHighest(v.OurMaxLen, Ours)) return 0;
  if (v.OurMaxLen >= v.TheirMaxLen && Theirs < NthHighest(v.TheirMaxLen, Ours)) return 0;
  if ((v.RhoLen == 1 && Ours < Rho) || (v.LhoLen == 1 && Ours < Lho)) return 0;
  if (v.RhoLen > 1 && Lho < Pd && std::max(v.Lho2, v.Rho2) < v.My2) return 1;
  if ((Theirs < Pd || v.PdCanRuff) && v.My2 < Lho && v.Their2 < v.My2 &&
      (v.LhoLen > 2 || (v.LhoLen == 2 && v.Pd2 < Lho)))
    return 1;
  if ((Theirs < Me || v.ICanRuff) && v.Pd2 < Rho && v.Their2 < v.Pd2 &&
      (v.RhoLen > 2 || (v.RhoLen == 2 && v.My2 < Rho)))
    return -1;
  if ((Rho | v.Lho2) >= v.My2 || Lho >= Pd) return 0;
  return 1;
}

void AnalyseSuit(Position& p, TSuit suit) {
  SuitView& v = ViewSuit(p, p.seat, suit);
  v.SuitTricks = v.MyWins = v.PdWins = v.LhoWins = v.RhoWins = 0;
  v.RuffCount = v.ExtraA = v.ExtraB = 0;
  v.PdTopsThem = v.PdCards > v.TheirCards;
  v.LeadVerdict = LeadVerdict(p, v);
  v.SecondVerdict = SecondVerdict(p, v);
  const bool nt = p.trump == NT;
  const Holding Me = v.MyCards, Pd = v.PdCards, Lho = v.LhoCards, Rho = v.RhoCards;

  if (v.OppCanRuff && v.OurCards < v.TheirCards) {
    v.SuitTricks = v.Their2 > v.OurCards ? -2 : -1;
    (v.RhoCanRuff ? v.RhoWins : v.LhoWins) = -v.SuitTricks;
  } else if (!nt && (v.TheirMaxLen == 0 ||
                     (v.TheirMaxLen == 1 && v.OurCards > v.TheirCards && !v.OppCanRuff))) {
    if (v.LhoTrumpLen > 0 || v.RhoTrumpLen > 0) {
      if (v.RhoTrumpLen > 0) v.SuitTricks = v.RhoLen;
      if (v.LhoTrumpLen > 0) v.SuitTricks = std::min(v.SuitTricks, v.LhoLen);
    } else {
      v.SuitTricks = v.OurMaxLen;
      if (Pd > v.MyLow) v.PdWins = 1;
      if (Me > v.PdLow) v.MyWins = 1;
    }
  } else if (v.OurMaxLen == 0 || (v.OurMaxLen == 1 && v.OurCards < v.TheirCards)) {
    v.SuitTricks = -v.TheirMaxLen;
    (Lho >= Rho ? v.LhoWins : v.RhoWins) += 1;
    (v.Lho2 < v.Rho2 ? v.RhoWins : v.LhoWins) += -v.SuitTricks - 1;
  } else {
    SuitCopies c = CopiesOf(p, v);
    if (v.LeadVerdict > 0 && Pd < Lho) {
      PlayLow(c.me);
      PlayLow(c.pd);
      PlayHigh(c.lho);
      PlayLow(c.rho);
      v.SuitTricks = -1;
      v.RhoWins += 1;
      v.ExtraA = CashUs(p, c);
      v.ExtraB = -CashThem(p, c);
    } else if ((Lho | Rho) < v.OurCards) {
      v.SuitTricks = RunCount(p, v, v.LeadVerdict, c);
      (Pd < Me ? v.MyWins : v.PdWins) = v.SuitTricks;
      if ((c.lho.len > 0 || OpponentEntryRho(p, suit)) && (c.rho.len > 0 || OpponentEntryLho(p, suit))) {
        p.viewSuit = suit;
        v.ExtraA = -CashThem(p, c);
        v.ExtraB = CashUs(p, c);
      }
      if (p.pos != 1 && Rho < Me && Lho < v.My2 && v.SuitTricks - v.ExtraA < v.MyLen) {
        v.ExtraA -= 1;
        v.ExtraB += 1;
      }
    } else {
      v.SuitTricks = -CashThem(p, c);
      v.ExtraA = CashUs(p, c);
      // The opponent holding the top card takes the tricks counted.
      (Lho < Rho ? v.RhoWins : v.LhoWins) = -v.SuitTricks;
      if (v.ExtraA > 0 && v.SuitTricks == -1) {
        if (v.Their2 < Me) v.MyWins += 1;
        if (v.Their2 < Pd) v.PdWins += 1;
        v.ExtraB = -CashThem(p, c);
      }
    }
  }
  v.SuitValue = v.SuitTricks + v.RuffCount + v.ExtraA + v.ExtraB;
  if (v.OppCanRuff && v.SuitTricks > 0) v.SuitTricks = 0;
  v.SuitRuns = v.SuitTricks >= v.OurMaxLen;
  v.Surplus = v.SuitTricks - v.PdLen;
  p.viewSeat = p.seat;
  p.viewSuit = suit;
}

}  // namespace quorval::engine
