// Opener's rebid after partner's new-suit response: raise, a second suit
// (reverses need extra strength), the no-trump rebids of the system, or the
// own suit again.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {
namespace {

// After partner's 1NT answer (no fit, about 6-10): a minimum rebids a six-card
// suit or shows a second suit below the first, a balanced minimum passes, and
// extra values invite or bid game. A higher second suit (a reverse) needs a
// good hand, a jump in a new suit forces to game.
void RebidOverOneNT(Ctx& c, TSuit opened) {
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  const int pts = c.pts;
  const int pdMid = (p.minPts + std::min(p.maxPts, p.minPts + 5)) / 2;
  const int shown = c.v.know[c.me].minLen[opened];  // the length the opening promised
  // The second suit: the longest other suit of four or more, the lower of equals.
  TSuit second = -1;
  for (TSuit u = 0; u < 4; ++u)
    if (u != opened && h.len[u] >= 4 && !c.TheyBid(u) && (second < 0 || h.len[u] > h.len[second])) second = u;
  const bool six = h.len[opened] >= 6;
  const bool major = opened >= Heart;
  if (pts >= 19) {
    if (six && major) c.Add(MakeBid(4, opened), Meaning{}.Pts(19, 37).Len(opened, 6).Strain(opened).As(Conv::SignOff), kMain);
    else if (second >= 0 && !h.semiBalanced && c.Legal(MakeBid(3, second)))
      c.Add(MakeBid(3, second), Meaning{}.Pts(19, 37).Len(second, 4).Strain(second).Forcing(Force::Game), kMain);
    else if (six) c.Add(MakeBid(3, opened), Meaning{}.Pts(16, 37).Len(opened, 6).Strain(opened).As(Conv::Invite), kMain);
    c.Add(MakeBid(3, NT), Meaning{}.Pts(19, 37).Strain(NT), c.out.empty() ? kMain : kAlternative);
    return;
  }
  if (six && pts >= 16) {
    c.Add(MakeBid(3, opened), Meaning{}.Pts(16, 18).Len(opened, 6).Strain(opened).As(Conv::Invite), kMain);
    return;
  }
  // Five-five or a long second suit speaks before the six-card suit again.
  const bool fiveFive = second >= 0 && h.len[second] >= 5;
  if (second >= 0 && (!six || fiveFive)) {
    const bool reverse = second > opened;
    if (!reverse) {
      c.Add(MakeBid(2, second), Meaning{}.Pts(10, 18).Len(second, 4).Len(opened, shown).Strain(second),
            h.balanced && pts <= 14 && h.len[second] == 4 ? kAlternative : kMain);
    } else if (pts >= 16) {
      c.Add(MakeBid(2, second), Meaning{}.Pts(16, 18).Len(second, 4).Len(opened, shown).Strain(second).Forcing(Force::OneRound),
            kMain);
    }
  }
  if (six) c.Add(MakeBid(2, opened), Meaning{}.Pts(10, 15).Len(opened, 6).Strain(opened), kMain);
  // Balanced: invite with the values for game opposite partner's middle.
  if (h.semiBalanced && pts + pdMid >= 24 && pts + p.minPts < 25)
    c.Add(MakeBid(2, NT), Meaning{}.Pts(25 - pdMid - 1, 18).Strain(NT).As(Conv::Invite), kMain);
  c.Add(Pass, Meaning{}.Pts(0, 18), c.out.empty() ? kMain : kAlternative);
}

}  // namespace

void OpenerRebid(Ctx& c) {
  const View& v = c.v;
  const int fi = v.FirstBidIndex();
  const TSuit opened = StrainOf(v.calls()[fi]);
  const int pi = v.LastActionOf(c.pd);
  const Meaning& pm = v.meanings[pi];
  const CallCode pdCall = v.calls()[pi];
  if (pdCall == MakeBid(1, NT) && pm.conv == Conv::Natural && c.RhoPassed()) {
    RebidOverOneNT(c, opened);
    return;
  }
  if (!IsBid(pdCall) || pm.conv != Conv::Natural || pm.strain == opened || pm.strain == NT || pm.strain < 0) {
    Continuation(c);
    return;
  }
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  const TSuit t = pm.strain;
  const int pts = c.pts;
  const bool twoLevelResponse = LevelOf(pdCall) >= 2;
  const int shown = c.v.know[c.me].minLen[opened];  // the length the opening promised

  // A raise of partner's suit with four cards (three opposite a five-card suit).
  if (h.len[t] + p.minLen[t] >= 8) {
    // The raise counts points: high cards and the short suits beside the fit.
    const int sp = c.pts - h.hcp + h.Points(t);
    Meaning m;
    m.Len(t, 8 - p.minLen[t]).Strain(t);
    if (sp + p.minPts >= 33 && TrySlamAsk(c, t, sp + p.minPts, kMain)) return;
    if (sp <= 15) c.Add(c.Cheapest(t), Meaning(m).Points(10, 15), t >= Heart ? kMain : kMain - 3);
    else if (sp <= 18 || (t < Heart && !(pts >= 18 && h.semiBalanced)))
      c.Add(MakeBid(LevelOf(c.Cheapest(t)) + 1, t), Meaning(m).Points(16, t >= Heart ? 18 : 37), t >= Heart ? kMain : kMain - 3);
    else if (t >= Heart) c.Add(MakeBid(4, t), Meaning(m).Points(19, 37), kMain);
    else c.Add(MakeBid(3, NT), Meaning{}.Pts(18, 21).Strain(NT), kMain - 3);
  }
  // A new suit: at the one level, or one level higher (the jump shift) with
  // the values for game.
  bool secondSuit = false;  // a four-card suit to show without reversing
  for (TSuit u = 0; u < 4; ++u) {
    if (u == opened || u == t || h.len[u] < 4 || c.TheyBid(u)) continue;
    const int level = LevelOf(c.Cheapest(u));
    if (level == 1 || (level == 2 && u < opened)) secondSuit = true;
    if (pts >= 19 && !h.balanced && h.len[t] + p.minLen[t] < 8 && level <= 2 && c.Legal(MakeBid(level + 1, u)))
      c.Add(MakeBid(level + 1, u), Meaning{}.Pts(19, 21).Len(u, 4).Strain(u).Forcing(Force::Game), kMain + 1);
  }
  for (TSuit u = t + 1; u <= Spade && pts <= 19; ++u)
    if (u != opened && h.len[u] >= 4 && LevelOf(c.Cheapest(u)) == 1 && !c.TheyBid(u)) {
      c.Add(c.Cheapest(u), Meaning{}.Pts(10, 19).Len(u, 4).Strain(u), kMain - 1);
      break;
    }
  // No trump with a balanced hand; five-four only with no second suit to show.
  if (h.balanced || (h.semiBalanced && h.len[opened] <= 5 && h.len[t] >= 2 && !secondSuit)) {
    bool stopped = true;
    for (TSuit x = 0; x < 4; ++x)
      if (c.TheyBid(x) && !h.Stopper(x)) stopped = false;
    if (stopped) {
      Meaning nt;
      nt.Strain(NT).Balanced();
      if (!twoLevelResponse) {
        // The system's 1NT rebid: the weak range from the lightest opening on,
        // or (after a weak no-trump opening) the range above it.
        const int ntLo = c.sys.rebid1NTMax < c.sys.ntMin ? 10 : c.sys.rebid1NTMin;
        // The jump to 2NT: above both the 1NT opening and the 1NT rebid.
        const int jumpNtMin = std::max(c.sys.rebid1NTMax, c.sys.ntMax) + 1;
        if (pts >= ntLo && pts <= c.sys.rebid1NTMax && LevelOf(c.Cheapest(NT)) == 1)
          c.Add(c.Cheapest(NT), Meaning(nt).Pts(ntLo, c.sys.rebid1NTMax), kMain - 2);
        else if (pts >= jumpNtMin && pts < c.sys.nt2Min)
          c.Add(MakeBid(2, NT), Meaning(nt).Pts(jumpNtMin, c.sys.nt2Min - 1), kMain - 2);
      } else {
        // Opposite a two-level response 2NT is the minimum; with more the
        // values for game are there, so opener bids it.
        if (pts <= 14) c.Add(c.Cheapest(NT), Meaning(nt).Pts(10, 14), kMain - 2);
        else c.Add(MakeBid(3, NT), Meaning(nt).Pts(15, 21), kMain - 2);
      }
    }
  }
  // Own suit again with six cards: a jump with 15 or more, the six cards
  // making up for the point a minimum lacks.
  if (h.len[opened] >= 6) {
    const CallCode cheap = c.Cheapest(opened);
    if (pts <= 14) c.Add(cheap, Meaning{}.Pts(10, 14).Len(opened, 6).Strain(opened), kMain - 1);
    else if (LevelOf(cheap) <= 2)
      c.Add(MakeBid(LevelOf(cheap) + 1, opened), Meaning{}.Pts(15, 21).Len(opened, 6).Strain(opened).Forcing(Force::OneRound),
            kMain - 1);
    else c.Add(cheap, Meaning{}.Pts(15, 21).Len(opened, 6).Strain(opened), kMain - 1);
  }
  // A second suit: lower-ranking at the two level, or a reverse with extras.
  for (TSuit u = Spade; u >= Club; --u) {
    if (u == opened || u == t || h.len[u] < 4 || c.TheyBid(u)) continue;
    const CallCode cheap = c.Cheapest(u);
    if (LevelOf(cheap) == 1) continue;  // handled above
    const bool reverse = u > opened && LevelOf(cheap) == 2;
    if (LevelOf(cheap) > 3) continue;
    if (reverse && pts < 16) continue;
    if (!reverse && pts > 18) continue;  // the jump shift instead
    const bool threeLevel = LevelOf(cheap) == 3 && !twoLevelResponse;
    if (threeLevel && pts < 15) continue;
    Meaning m;
    m.Pts(reverse ? 16 : threeLevel ? 15 : 10, reverse ? 21 : 18).Len(u, 4).Len(opened, shown).Strain(u);
    if (reverse) m.Forcing(Force::OneRound);
    c.Add(cheap, m, kMain - 3);
    break;
  }
  // Nothing else fits: the own suit, or a raise on three cards.
  if (pts <= 16) c.Add(c.Cheapest(opened), Meaning{}.Pts(10, 16).Len(opened, shown).Strain(opened), kMain - 6);
  else if (LevelOf(c.Cheapest(opened)) <= 2)
    c.Add(MakeBid(LevelOf(c.Cheapest(opened)) + 1, opened),
          Meaning{}.Pts(17, 21).Len(opened, shown).Strain(opened).Forcing(Force::OneRound), kMain - 6);
  if (h.len[t] >= 3) c.Add(c.Cheapest(t), Meaning{}.Pts(10, 21).Len(t, 3).Strain(t), kMain - 7);
}

}  // namespace quorval::bidder
