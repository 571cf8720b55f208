#include "eventsets/field_chooser.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "scoring/contract_score.h"

namespace quorval::eventgen {

namespace {

int HandHcp(const Deal& deal, Seat s) {
  int hcp = 0;
  for (TSuit suit = 0; suit < 4; ++suit) hcp += HighCardPoints(deal.at(s, suit));
  return hcp;
}

int Length(const Deal& deal, Seat s, TSuit suit) { return CardCount(deal.at(s, suit)); }

Seat FirstSeatOf(Side side) { return side == 1 ? North : East; }
Side OtherSide(Side side) { return side == 1 ? 2 : 1; }

// The partner who would declare: the longer trumps, else the stronger hand,
// else the one who speaks first after the dealer.
Seat NaturalDeclarer(const Deal& deal, Side side, tAllTrump strain, Seat dealer) {
  const Seat a = FirstSeatOf(side), b = PartnerOf(a);
  if (strain != NT) {
    const int la = Length(deal, a, strain), lb = Length(deal, b, strain);
    if (la != lb) return la > lb ? a : b;
  }
  const int ha = HandHcp(deal, a), hb = HandHcp(deal, b);
  if (ha != hb) return ha > hb ? a : b;
  return ((a - dealer + 4) & 3) < ((b - dealer + 4) & 3) ? a : b;
}

// The declaring side's own score (positive when it gains).
int SideScore(Side side, CallCode bid, int doubled, Seat declarer, Vulnerability vul, int tricks) {
  const int ns = ContractScore(bid, doubled, declarer, SideVulnerable(vul, side), std::clamp(tricks, 0, 13));
  return side == 1 ? ns : -ns;
}

// A pair's estimate of its tricks in one strain, in tenths.
struct StrainView {
  tAllTrump strain = NT;
  Seat declarer = North;
  int fit = 0;     // combined trumps (0 for no-trump)
  int est = 0;     // tenths of a trick
  int points = 0;  // the side's high cards, plus two for each trump beyond eight
};

// Auctions are bid on points, not on double-dummy tricks: the least a side
// holds before it bids a game, small slam or grand slam in this strain.
int PointsNeeded(int level, tAllTrump strain) {
  if (level == 7) return strain == NT ? 37 : 35;
  if (level == 6) return strain == NT ? 33 : 31;
  if (level == 5) return strain == NT ? 30 : 26;  // five of a minor; 5NT is a slam try
  if (level == 4) return strain == NT ? 28 : strain >= Heart ? 23 : 0;
  if (level == 3) return strain == NT ? 24 : 0;
  return 0;
}

struct Plan {
  StrainView view;
  int level = 0;
  int value = 0;  // the side's score as the pair judges it
  bool Valid() const { return level > 0; }
  CallCode bid() const { return MakeBid(level, view.strain); }
};

int Spread(Rng& rng, int s) { return rng.Between(-s, s); }

// Game or slam: the bid's trick score reaches 100 undoubled.
bool GameLevel(int level, tAllTrump strain) {
  return level * (strain >= Heart ? 30 : 20) + (strain == NT ? 10 : 0) >= 100;
}

std::vector<StrainView> StrainViews(const BoardFacts& f, Side side, int noise, Rng& rng) {
  const Seat a = FirstSeatOf(side), b = PartnerOf(a);
  const int common = Spread(rng, noise) + Spread(rng, noise);
  // A weaker pair also misjudges its points by up to two.
  const int hcp = HandHcp(f.deal, a) + HandHcp(f.deal, b) + Spread(rng, noise / 6);
  std::vector<StrainView> views;
  for (tAllTrump strain = Club; strain <= NT; ++strain) {
    StrainView v;
    v.strain = strain;
    if (strain != NT) {
      const int la = Length(f.deal, a, strain), lb = Length(f.deal, b, strain);
      v.fit = la + lb;
      // Real auctions settle in eight-card fits, or in a long suit of one hand.
      if (v.fit < 8 && !(v.fit >= 7 && std::max(la, lb) >= 6)) continue;
    }
    v.declarer = NaturalDeclarer(f.deal, side, strain, f.dealer);
    v.points = hcp + (strain == NT ? 0 : 2 * std::max(0, v.fit - 8));
    v.est = f.dd.at(strain, v.declarer) * 10 + common + Spread(rng, noise);
    views.push_back(v);
  }
  return views;
}

// The tricks a pair counts on: rounded, so half a trick of doubt is enough.
int Counted(int est) { return std::clamp((est + 5) / 10, 0, 13); }

// The best contract a side believes in, levels settled as a table would: games
// and slams at their level, partscores at the level auctions usually stop.
Plan BestPlan(const BoardFacts& f, Side side, const std::vector<StrainView>& views, const SkillProfile& p,
              int sideHcp, Rng& rng) {
  Plan best;
  int bestRank = -100000;
  for (const StrainView& v : views) {
    const int r = Counted(v.est);
    for (int level = 1; level <= 7 && level + 6 <= r; ++level) {
      if (level == 6 && v.est < 120) continue;
      if (level == 7 && v.est < 130 + p.grandCaution) continue;
      if (v.points < PointsNeeded(level, v.strain)) continue;
      const int value = SideScore(side, MakeBid(level, v.strain), 0, v.declarer, f.vul, r);
      int rank = value;
      if ((v.strain == Heart || v.strain == Spade) && v.fit >= 8) rank += 15;  // majors first
      if ((v.strain == Club || v.strain == Diamond) && level == 5) rank -= 40; // 3NT before 5m
      if (rank > bestRank || (rank == bestRank && level < best.level)) {
        bestRank = rank;
        best = {v, level, value};
      }
    }
  }
  if (!best.Valid()) return best;
  // A partscore: level by the auction's habits rather than by the count.
  if (!GameLevel(best.level, best.view.strain)) {
    if (best.view.strain == NT) {
      best.level = sideHcp <= 24 ? 1 : 2;
    } else {
      best.level = rng.Chance(200) ? 1 : 2;
      if (best.view.strain <= Diamond && best.view.fit >= 9 && rng.Chance(300)) best.level = 3;
    }
  }
  return best;
}

// The lowest level at which `strain` outbids `bid`.
int LevelAbove(CallCode bid, tAllTrump strain) {
  for (int level = 1; level <= 7; ++level)
    if (MakeBid(level, strain) > bid) return level;
  return 8;
}

// The other side's best suit to compete in, if it has one and the values.
std::optional<StrainView> CompetingSuit(const std::vector<StrainView>& views, int hcp) {
  std::optional<StrainView> best;
  for (const StrainView& v : views) {
    if (v.strain == NT) continue;
    if (hcp < 15 && !(v.fit >= 9 && hcp >= 11)) continue;
    if (!best || v.fit > best->fit || (v.fit == best->fit && v.est > best->est)) best = v;
  }
  return best;
}

bool WorthPassingOut(const BoardFacts& f) {
  for (Seat s = 0; s < 4; ++s) {
    if (HandHcp(f.deal, s) >= 12) return false;
    for (TSuit suit = 0; suit < 4; ++suit)
      if (Length(f.deal, s, suit) >= 6 && HighCardPoints(f.deal.at(s, suit)) >= 4) return false;
  }
  return true;
}

// The side's longest trump fit of eight cards or more, the higher suit of
// two alike, with the partner who would declare it.
std::optional<StrainView> LongestFit(const BoardFacts& f, Side side) {
  const Seat a = FirstSeatOf(side), b = PartnerOf(a);
  std::optional<StrainView> best;
  for (tAllTrump suit = Club; suit <= Spade; ++suit) {
    const int fit = Length(f.deal, a, suit) + Length(f.deal, b, suit);
    if (fit < 8 || (best && fit < best->fit)) continue;
    StrainView v;
    v.strain = suit;
    v.fit = fit;
    v.declarer = NaturalDeclarer(f.deal, side, suit, f.dealer);
    best = v;
  }
  return best;
}

// The tricks a pair counts declarer to take: double dummy seen through its judgement.
int JudgedTricks(const BoardFacts& f, const Contract& c, const SkillProfile& p, Rng& rng) {
  return Counted(f.dd.at(c.strain(), c.declarer) * 10 + Spread(rng, p.judgementNoise) +
                 Spread(rng, p.judgementNoise));
}

int SideHcp(const Deal& deal, Side side) {
  const Seat a = FirstSeatOf(side);
  return HandHcp(deal, a) + HandHcp(deal, PartnerOf(a));
}

// What a penalty double rests on at the table: the balance of the high cards,
// or a defender sitting with four trumps and two of the top five.
bool DoubleHasGrounds(const Deal& deal, const Contract& c) {
  const Side defenders = OtherSide(SideOf(c.declarer));
  if (SideHcp(deal, defenders) >= 22) return true;
  if (c.strain() == NT) return false;
  for (const Seat s : {NextSeat(c.declarer), PrevSeat(c.declarer)}) {
    const Holding trumps = deal.at(s, c.strain());
    if (CardCount(trumps) >= 4 && CardCount(trumps & 0x7C00) >= 2) return true;
  }
  return false;
}

}  // namespace

Contract ClubTableEnd(const BoardFacts& f, const TableSetting& table, const Contract& reached, Rng& rng) {
  if (!IsBid(reached.bid) || reached.DoubledCount > 0) return reached;
  Contract c = reached;
  bool contested = false, saved = false;
  const Side owners = SideOf(reached.declarer), rivals = OtherSide(owners);
  const SkillProfile& op = ProfileOf(table.SkillOf(owners));
  const SkillProfile& rp = ProfileOf(table.SkillOf(rivals));
  const std::optional<StrainView> fit = LongestFit(f, rivals);
  const int level = fit ? LevelAbove(reached.bid, fit->strain) : 8;
  if (fit && fit->strain != reached.strain() && level <= 7) {
    const Contract save{MakeBid(level, fit->strain), 0, fit->declarer};
    if (GameLevel(reached.level(), reached.strain())) {
      // A save: going down doubled looks cheaper than their game or slam.
      const int theirs = JudgedTricks(f, reached, rp, rng);
      const int value = SideScore(owners, reached.bid, 0, reached.declarer, f.vul, theirs);
      const int cost = -SideScore(rivals, save.bid, 1, save.declarer, f.vul, JudgedTricks(f, save, rp, rng));
      saved = contested = level <= fit->fit - 4 && theirs >= reached.level() + 6 && cost < value &&
                          rng.Chance(rp.sacrifices);
    } else {
      // A partscore battle: the rivals bid their fit once more, up to a
      // level the fit allows and sometimes one beyond.
      const int hcp = SideHcp(f.deal, rivals);
      contested = level <= fit->fit - 5 && (hcp >= 15 || (fit->fit >= 9 && hcp >= 11)) && rng.Chance(rp.pushes);
    }
    if (contested) {
      c = save;
      // The owners, outbid, bid on when they count the tricks for it.
      const int on = LevelAbove(save.bid, reached.strain());
      const Contract again{MakeBid(std::min(on, 7), reached.strain()), 0, reached.declarer};
      if (on <= 7 && JudgedTricks(f, again, op, rng) >= on + 6 && rng.Chance(op.competes)) c = again;
    }
  }
  // The defenders double what they expect to beat.
  const SkillProfile& dp = ProfileOf(table.SkillOf(OtherSide(SideOf(c.declarer))));
  const int down = c.level() + 6 - JudgedTricks(f, c, dp, rng);
  int chance = 0;
  if (down >= 1 && (contested || DoubleHasGrounds(f.deal, c)))
    chance = saved       ? dp.doublesSave
             : contested ? dp.doublesContest
             : down >= 2 ? dp.doubleWhenDown2
             : GameLevel(c.level(), c.strain()) ? dp.doubleWhenDown1 : 0;
  if (rng.Chance(chance)) c.DoubledCount = 1;
  return c;
}

Contract StatisticalChooser::Choose(const BoardFacts& f, const TableSetting& table, Rng& rng) const {
  if (WorthPassingOut(f) && rng.Chance(f.par.passedOut ? 900 : 600)) return Contract{};

  const int hcp[3] = {0, HandHcp(f.deal, North) + HandHcp(f.deal, South),
                      HandHcp(f.deal, East) + HandHcp(f.deal, West)};
  std::vector<StrainView> views[3];
  Plan plans[3];
  for (Side side = 1; side <= 2; ++side) {
    const SkillProfile& p = ProfileOf(table.SkillOf(side));
    views[side] = StrainViews(f, side, p.judgementNoise, rng);
    plans[side] = BestPlan(f, side, views[side], p, hcp[side], rng);
  }

  // The side with the better prospects buys the contract.
  Side owner = 1;
  if (!plans[1].Valid() && !plans[2].Valid()) {
    owner = hcp[1] != hcp[2] ? (hcp[1] > hcp[2] ? 1 : 2) : SideOf(f.dealer);
    // Nobody expects seven tricks: the stronger side opens and is left there.
    const StrainView& v = views[owner].back();  // no-trump is always last
    plans[owner] = {v, 1, 0};
  } else if (!plans[1].Valid()) {
    owner = 2;
  } else if (plans[2].Valid() && plans[2].value > plans[1].value) {
    owner = 2;
  }
  const Side other = OtherSide(owner);
  const Plan& own = plans[owner];
  Contract c{own.bid(), 0, own.view.declarer};

  const SkillProfile& op = ProfileOf(table.SkillOf(other));
  const std::optional<StrainView> rival = CompetingSuit(views[other], hcp[other]);
  const bool ownerAtGame = GameLevel(own.level, own.view.strain);

  if (rival && !ownerAtGame && rng.Chance(op.competes)) {
    // A partscore battle: the rivals bid their fit up to the level the fit
    // allows; the owners outbid them when they think it costs at most a trick.
    const int lp = LevelAbove(c.bid, rival->strain);
    const int capP = std::max(2, rival->fit - 6);
    if (lp <= 7 && (lp <= capP || (lp == capP + 1 && rng.Chance(op.judgementNoise * 8)))) {
      const CallCode rivalBid = MakeBid(lp, rival->strain);
      const int lo = LevelAbove(rivalBid, own.view.strain);
      const int capO = own.view.strain == NT ? Counted(own.view.est) - 6 : std::max(2, own.view.fit - 6);
      if (lo <= 7 && lo <= capO && lo <= Counted(own.view.est) - 5) {
        c = {MakeBid(lo, own.view.strain), 0, own.view.declarer};
      } else {
        c = {rivalBid, 0, rival->declarer};
      }
    }
  } else if (rival && ownerAtGame && rng.Chance(op.sacrifices)) {
    // Save over a game or slam when going down doubled costs less than it.
    const int lp = LevelAbove(c.bid, rival->strain);
    if (lp <= 7 && lp <= rival->fit - 6 + 2) {
      const int cost = -SideScore(other, MakeBid(lp, rival->strain), 1, rival->declarer, f.vul, Counted(rival->est));
      if (cost > 0 && cost < own.value) c = {MakeBid(lp, rival->strain), 1, rival->declarer};
    }
  }

  // The defenders double a contract they expect to beat.
  if (c.DoubledCount == 0 && IsBid(c.bid)) {
    const Side defenders = OtherSide(SideOf(c.declarer));
    const SkillProfile& dp = ProfileOf(table.SkillOf(defenders));
    const int est = f.dd.at(c.strain(), c.declarer) * 10 + Spread(rng, dp.judgementNoise) +
                    Spread(rng, dp.judgementNoise);
    const int down = c.level() + 6 - Counted(est);
    const bool game = GameLevel(c.level(), c.strain());
    if ((down >= 2 && rng.Chance(dp.doubleWhenDown2)) || (down == 1 && game && rng.Chance(dp.doubleWhenDown1)))
      c.DoubledCount = 1;
  }
  return c;
}

}  // namespace quorval::eventgen
