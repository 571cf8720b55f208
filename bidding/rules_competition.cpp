// Defensive bidding: overcalls, takeout doubles, the 1NT overcall, Michaels and
// the unusual 2NT where the system plays them, balancing, and the advancer's
// answers. Vulnerability sets how much an overcall needs.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {
namespace {

bool Balancing(const Ctx& c) {
  const int n = c.v.Size();
  return n >= 3 && c.v.calls()[n - 1] == Pass && c.v.calls()[n - 2] == Pass && IsBid(c.v.calls()[n - 3]);
}

bool StoppedAll(const Ctx& c) {
  for (TSuit s = 0; s < 4; ++s)
    if (c.TheyBid(s) && !c.h.Stopper(s)) return false;
  return true;
}

}  // namespace

void Overcalls(Ctx& c) {
  const HandFacts& h = c.h;
  const View& v = c.v;
  const int fi = v.FirstBidIndex();
  const CallCode open = v.calls()[fi];
  const Meaning& om = v.meanings[fi];
  const CallCode last = v.auction.lastBid;
  const int level = LevelOf(last);
  const bool balancing = Balancing(c);
  const bool direct = v.LastBidder() == c.rho;
  const int pts = c.pts + (balancing ? 3 : 0);
  const bool vul = c.WeVul();
  if (om.conv == Conv::Strong2C || level >= 4 || v.auction.DoubledCount > 0) {
    c.Add(Pass, {}, kMain);
    // Straight over their strong two clubs, a good six-card suit gets in the
    // way of their slam auction; not vulnerable, many players take the room.
    if (om.conv == Conv::Strong2C && direct && level == 2 && !vul)
      for (TSuit s = Spade; s >= Diamond; --s)
        if (h.len[s] >= 6 && h.GoodSuit(s) && c.pts >= 5 && c.pts <= 10 && c.Legal(MakeBid(2, s))) {
          c.Add(MakeBid(2, s), Meaning{}.Pts(5, 10).Len(s, 6).Strain(s), kAlternative - 12);
          break;
        }
    return;
  }
  const TSuit theirs = StrainOf(last);
  // Over their no trump: a penalty double or a long suit.
  if (theirs == NT) {
    if (pts >= 15 && level == 1) c.Add(Double, Meaning{}.Pts(15, 37).As(Conv::PenaltyDouble), kMain);
    for (TSuit s = Spade; s >= Club; --s)
      if (h.len[s] >= 6 && pts >= 9 && (!vul || h.GoodSuit(s)) && LevelOf(c.Cheapest(s)) <= 3)
        c.Add(c.Cheapest(s), Meaning{}.Pts(9, 16).Len(s, 6).Strain(s), c.out.empty() ? kMain : kAlternative);
    c.Add(Pass, {}, c.out.empty() ? kMain : kAlternative);
    // A five-card major with a side singleton or a four-card side suit
    // competes over their one no trump: the part score is worth a fight.
    if (level == 1 && !h.balanced)
      for (TSuit s = Spade; s >= Heart; --s)
        if (h.len[s] == 5 && pts >= 8 && pts <= 14 && (!vul || h.GoodSuit(s)) && c.Legal(MakeBid(2, s))) {
          c.Add(MakeBid(2, s), Meaning{}.Pts(8, 14).Len(s, 5).Strain(s), kAlternative - 12);
          break;
        }
    return;
  }
  const bool theirOneSuit = LevelOf(open) == 1 && v.meanings[fi].conv == Conv::Natural;
  // Takeout double: short in their suits, support for the others.
  {
    bool shape = true;
    int shortUnbid = 0;
    for (TSuit s = 0; s < 4; ++s) {
      if (c.TheyBid(s)) {
        if (h.len[s] > 2) shape = false;
      } else if (h.len[s] < 3) {
        if (s >= Heart || h.len[s] < 2) shape = false;
        ++shortUnbid;
      }
    }
    if (shortUnbid > 1) shape = false;
    const int need = (level >= 3 ? 13 : 12) + (shortUnbid > 0 ? 1 : 0);
    if ((shape && pts >= need) || pts >= 18)
      c.Add(Double, Meaning{}.Pts(pts >= 18 ? 18 : need - (balancing ? 3 : 0), 37).As(Conv::TakeoutDouble).Forcing(Force::OneRound),
            kMain);
  }
  // 1NT overcall: balanced, stoppers; the balancing seat shows less.
  if (level == 1 && StoppedAll(c) && h.balanced) {
    if (balancing && c.pts >= 11 && c.pts <= 14)
      c.Add(MakeBid(1, NT), Meaning{}.Pts(11, 14).Balanced().Strain(NT), kMain + 1);
    else if (direct && c.sys.ntOvercall && c.pts >= 15 && c.pts <= 18)
      c.Add(MakeBid(1, NT), Meaning{}.Pts(15, 18).Balanced().Strain(NT), kMain + 1);
  }
  if (level == 2 && direct && StoppedAll(c) && h.balanced && c.pts >= 15 && c.pts <= 18)
    c.Add(MakeBid(2, NT), Meaning{}.Pts(15, 18).Balanced().Strain(NT), kMain + 1);
  if (level == 3 && StoppedAll(c) && h.semiBalanced && c.pts >= 16 && c.pts <= 20)
    c.Add(MakeBid(3, NT), Meaning{}.Pts(16, 20).Strain(NT), kMain + 1);
  // Two-suited cue bids and the unusual 2NT, direct over a one-level opening.
  if (theirOneSuit && direct && v.Size() == fi + 1 && c.pts >= 8 && c.pts <= 16) {
    const TSuit o = StrainOf(open);
    if (c.sys.michaels) {
      if (o < Heart && h.len[Heart] >= 5 && h.len[Spade] >= 5)
        c.Add(MakeBid(2, o), Meaning{}.Pts(8, 16).Len(Heart, 5).Len(Spade, 5).As(Conv::Michaels), kMain + 2);
      if (o >= Heart) {
        const TSuit other = Heart + Spade - o;
        if (h.len[other] >= 5 && std::max(h.len[Club], h.len[Diamond]) >= 5)
          c.Add(MakeBid(2, o), Meaning{}.Pts(8, 16).Len(other, 5).As(Conv::Michaels).Strain(other), kMain + 2);
      }
    }
    if (c.sys.unusual2NT) {
      TSuit a = -1, b = -1;
      for (TSuit s = 0; s < 4 && b < 0; ++s)
        if (s != o) (a < 0 ? a : b) = s;
      if (h.len[a] >= 5 && h.len[b] >= 5)
        c.Add(MakeBid(2, NT), Meaning{}.Pts(8, 16).Len(a, 5).Len(b, 5).As(Conv::Unusual2NT), kMain + 2);
    }
  }
  // Suit overcalls; vulnerable ones need more.
  for (TSuit s = Spade; s >= Club; --s) {
    if (c.TheyBid(s) || h.len[s] < 5) continue;
    const CallCode cheap = c.Cheapest(s);
    const int l = LevelOf(cheap);
    int need = l == 1 ? 8 : (l == 2 ? 10 : 12);
    if (vul) need += l == 1 ? 1 : 2;
    if (balancing) need -= 2;
    const bool quality = h.len[s] >= 6 || h.GoodSuit(s) || l == 1;
    if (l <= 3 && pts >= need && pts <= 17 && quality && (l < 3 || h.len[s] >= 6)) {
      c.Add(cheap, Meaning{}.Pts(need, 17).Len(s, 5).Strain(s), kMain - 1);
      continue;
    }
    // Weak jump overcall: six cards, little strength, a good suit when vulnerable.
    if (direct && !balancing && h.len[s] >= 6 && c.pts >= 5 && c.pts <= 10 && (!vul || h.GoodSuit(s)) && l <= 2 &&
        c.Legal(MakeBid(l + 1, s)))
      c.Add(MakeBid(l + 1, s), Meaning{}.Pts(5, 10).Len(s, 6).Strain(s), kMain - 2);
  }
  // Light overcalls: a five-card suit at the one level, or a weak jump.
  for (TSuit s = Spade; s >= Club; --s) {
    if (c.TheyBid(s) || h.len[s] < 5 || c.v.auction.DoubledCount) continue;
    const CallCode cheap = c.Cheapest(s);
    if (LevelOf(cheap) == 1 && pts >= 6 && pts <= 8 && h.GoodSuit(s))
      c.Add(cheap, Meaning{}.Pts(6, 17).Len(s, 5).Strain(s), kAlternative - 12);
    if (direct && h.len[s] >= 6 && pts >= 4 && pts <= 10 && LevelOf(cheap) <= 2 && c.Legal(MakeBid(LevelOf(cheap) + 1, s)) &&
        (!vul || h.GoodSuit(s)))
      c.Add(MakeBid(LevelOf(cheap) + 1, s), Meaning{}.Pts(4, 10).Len(s, 6).Strain(s), kAlternative - 12);
  }
  // A takeout double with both majors and three cards in their suit, and a
  // two-level overcall on a plain five-card suit: both common.
  if (level <= 2 && pts >= 12 && theirs < NT && h.len[theirs] <= 3) {
    bool majors = true;
    for (TSuit s = Heart; s <= Spade; ++s)
      if (!c.TheyBid(s) && h.len[s] < 4) majors = false;
    if (majors) c.Add(Double, Meaning{}.Pts(12, 37).As(Conv::TakeoutDouble).Forcing(Force::OneRound), kAlternative - 8);
  }
  for (TSuit s = Spade; s >= Club; --s) {
    const CallCode cheap = c.Cheapest(s);
    if (!c.TheyBid(s) && h.len[s] >= 5 && LevelOf(cheap) == 2 && pts >= 10 && pts <= 15 && !h.GoodSuit(s))
      c.Add(cheap, Meaning{}.Pts(10, 17).Len(s, 5).Strain(s), kAlternative - 12);
  }
  // A marginal action: passing is what many players do.
  const bool marginal = c.out.empty() || pts <= 10 || (pts <= 12 && level >= 2);
  c.Add(Pass, Meaning{}.Pts(0, 17), c.out.empty() ? kMain : (marginal ? kAlternative : kPossible));
}

void Advances(Ctx& c) {
  const HandFacts& h = c.h;
  const View& v = c.v;
  const int pi = v.LastActionOf(c.pd);
  const Meaning& pm = v.meanings[pi];
  const CallCode pdCall = v.calls()[pi];
  const bool free = c.RhoPassed();
  const int pts = c.pts;
  if (pm.conv == Conv::TakeoutDouble) {
    // The answer is owed only straight after the double; later it is ordinary
    // competition on what partner has shown.
    if (pi != v.Size() - 2 && pi != v.Size() - 1) {
      Continuation(c);
      return;
    }
    if (!free && pts < 6) {
      c.Add(Pass, {}, kMain);
      return;
    }
    const CallCode last = v.auction.lastBid;
    const TSuit theirs = StrainOf(last);
    // A long strong holding in their suit at the one level: leave the double in.
    if (free && theirs < NT && LevelOf(last) == 1 && h.len[theirs] >= 5 && h.Hcp(theirs) >= 6)
      c.Add(Pass, Meaning{}.Len(theirs, 5).As(Conv::PenaltyDouble), kMain + 1);
    TSuit best = -1;
    for (TSuit s = Spade; s >= Club; --s) {
      if (c.TheyBid(s)) continue;
      const int bonus = s >= Heart ? 1 : 0;
      if (best < 0 || h.len[s] + bonus > h.len[best] + (best >= Heart ? 1 : 0)) best = s;
    }
    if (best < 0) {
      c.Add(Pass, {}, kMain);
      return;
    }
    const CallCode cheap = c.Cheapest(best);
    if (pts >= 12 && best >= Heart && h.len[best] >= 5)
      c.Add(MakeBid(4, best), Meaning{}.Pts(12, 37).Len(best, 5).Strain(best), kMain);
    else if (pts >= 12 && theirs < NT && h.Stopper(theirs) && h.semiBalanced && c.Legal(MakeBid(3, NT)))
      c.Add(MakeBid(3, NT), Meaning{}.Pts(12, 37).Strain(NT), kMain);
    else if (pts >= 12 && theirs < NT)
      c.Add(c.Cheapest(theirs), Meaning{}.Pts(12, 37).As(Conv::CueRaise).Forcing(Force::OneRound), kMain);
    else if (pts >= 9 && LevelOf(cheap) <= 2)
      c.Add(MakeBid(LevelOf(cheap) + 1, best), Meaning{}.Pts(9, 11).Len(best, 4).Strain(best), kMain);
    else c.Add(cheap, Meaning{}.Pts(0, 8).Len(best, 4).Strain(best), kMain);
    if (theirs < NT && h.Stopper(theirs) && h.semiBalanced && pts >= 6 && pts <= 10 && h.len[Heart] < 4 && h.len[Spade] < 4)
      c.Add(c.Cheapest(NT), Meaning{}.Pts(6, 10).Strain(NT), kAlternative);
    if (!free) c.Add(Pass, {}, kAlternative);
    return;
  }
  if (pm.conv == Conv::Michaels || pm.conv == Conv::Unusual2NT) {
    if (!free) {
      c.Add(Pass, {}, kMain);
      return;
    }
    std::vector<TSuit> shown;
    for (TSuit s = 0; s < 4; ++s)
      if (pm.minLen[s] >= 5) shown.push_back(s);
    if (pm.conv == Conv::Michaels && shown.size() == 1) {
      const TSuit m = shown[0];
      if (h.len[m] >= 3) {
        const bool game = h.SupportPoints(m) >= 12;
        c.Add(game ? MakeBid(4, m) : c.Cheapest(m), Meaning{}.Len(m, 3).Strain(m).As(game ? Conv::SignOff : Conv::Natural),
              kMain);
      } else {
        c.Add(c.Cheapest(NT), Meaning{}.As(Conv::MinorAsk).Forcing(Force::OneRound), kMain);
      }
      return;
    }
    TSuit best = shown.empty() ? Club : shown[0];
    for (TSuit s : shown)
      if (h.len[s] > h.len[best]) best = s;
    const bool game = best >= Heart && h.len[best] >= 3 && h.SupportPoints(best) >= 12;
    c.Add(game ? MakeBid(4, best) : c.Cheapest(best), Meaning{}.Len(best, 3).Strain(best).As(game ? Conv::SignOff : Conv::Natural),
          kMain);
    return;
  }
  if (pm.conv == Conv::PenaltyDouble) {
    c.Add(Pass, {}, kMain);
    return;
  }
  // Partner overcalled in a suit.
  if (IsBid(pdCall) && pm.strain >= 0 && pm.strain < NT) {
    const TSuit s = pm.strain;
    const int fit = h.len[s] + pm.minLen[s];
    if (fit >= 8) {
      const int sp = c.pts - h.hcp + h.SupportPoints(s);
      const CallCode last = v.auction.lastBid;
      const TSuit theirs = StrainOf(v.calls()[v.FirstBidIndex()]);
      if (sp >= 13 && s >= Heart) c.Add(MakeBid(4, s), Meaning{}.Pts(13, 37).Len(s, 3).Strain(s), kMain);
      else if (sp >= 10 && theirs < NT && IsBid(last) && c.Legal(c.Cheapest(theirs)) &&
               c.Cheapest(theirs) < MakeBid(3, s))
        c.Add(c.Cheapest(theirs), Meaning{}.Pts(10, 37).Len(s, 3).Strain(s).As(Conv::CueRaise).Forcing(Force::OneRound), kMain);
      const int lott = std::min(fit - 6, s >= Heart ? 4 : 5);
      if (sp >= 6 && LevelOf(c.Cheapest(s)) <= std::max(2, lott))
        c.Add(c.Cheapest(s), Meaning{}.Pts(6, 9).Len(s, 3).Strain(s), c.out.empty() ? kMain : kAlternative);
      if (sp < 9 && fit >= 9 && lott >= 3 && c.Legal(MakeBid(lott, s)) && (!c.WeVul() || c.TheyVul()))
        c.Add(MakeBid(lott, s), Meaning{}.Pts(0, 8).Len(s, 4).Strain(s), c.out.empty() ? kMain : kAlternative);
    }
    if (StoppedAll(c) && pts >= 8 && h.semiBalanced) {
      const CallCode nt = c.Cheapest(NT);
      if (LevelOf(nt) == 1 && pts <= 11) c.Add(nt, Meaning{}.Pts(8, 11).Strain(NT), c.out.empty() ? kMain : kAlternative);
      else if (LevelOf(nt) == 2 && pts >= 11 && pts <= 13)
        c.Add(nt, Meaning{}.Pts(11, 13).Strain(NT), c.out.empty() ? kMain : kAlternative);
      else if (pts >= 14 && c.Legal(MakeBid(3, NT))) c.Add(MakeBid(3, NT), Meaning{}.Pts(14, 37).Strain(NT), kMain);
    }
    for (TSuit t = Spade; t >= Club; --t)
      if (t != s && !c.TheyBid(t) && h.len[t] >= 6 && h.GoodSuit(t) && pts >= 9 && LevelOf(c.Cheapest(t)) <= 2)
        c.Add(c.Cheapest(t), Meaning{}.Pts(9, 16).Len(t, 6).Strain(t), c.out.empty() ? kMain : kAlternative);
    c.Add(Pass, {}, c.out.empty() ? kMain : kPossible);
    return;
  }
  Continuation(c);
}

}  // namespace quorval::bidder
