// Opener's rebid after partner's new-suit response: raise, a second suit
// (reverses need extra strength), the no-trump rebids of the system, or the
// own suit again.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {

void OpenerRebid(Ctx& c) {
  const View& v = c.v;
  const int fi = v.FirstBidIndex();
  const TSuit opened = StrainOf(v.calls()[fi]);
  const int pi = v.LastActionOf(c.pd);
  const Meaning& pm = v.meanings[pi];
  const CallCode pdCall = v.calls()[pi];
  if (!IsBid(pdCall) || pm.conv != Conv::Natural || pm.strain == opened || pm.strain == NT || pm.strain < 0) {
    Continuation(c);
    return;
  }
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  const TSuit t = pm.strain;
  const int pts = c.pts + std::max(0, h.len[opened] - 5);
  const bool twoLevelResponse = LevelOf(pdCall) >= 2;

  // A raise of partner's suit with four cards (three opposite a five-card suit).
  if (h.len[t] + p.minLen[t] >= 8) {
    const int sp = c.pts - h.hcp + h.SupportPoints(t);
    Meaning m;
    m.Len(t, std::max(3, 8 - p.minLen[t])).Strain(t);
    if (sp + p.minPts >= 33 && TrySlamAsk(c, t, sp + p.minPts, kMain)) return;
    if (sp <= 15) c.Add(c.Cheapest(t), Meaning(m).Pts(11, 15), t >= Heart ? kMain : kMain - 3);
    else if (sp <= 18) c.Add(MakeBid(LevelOf(c.Cheapest(t)) + 1, t), Meaning(m).Pts(16, 18), t >= Heart ? kMain : kMain - 3);
    else if (t >= Heart) c.Add(MakeBid(4, t), Meaning(m).Pts(19, 21), kMain);
    else c.Add(MakeBid(3, NT), Meaning{}.Pts(19, 21).Strain(NT), kMain - 3);
  }
  // A new suit at the one level.
  for (TSuit u = t + 1; u <= Spade; ++u)
    if (u != opened && h.len[u] >= 4 && LevelOf(c.Cheapest(u)) == 1 && !c.TheyBid(u)) {
      c.Add(c.Cheapest(u), Meaning{}.Pts(11, 18).Len(u, 4).Strain(u), kMain - 1);
      break;
    }
  // No trump with a balanced hand.
  if (h.balanced || (h.semiBalanced && h.len[opened] <= 5 && h.len[t] >= 2)) {
    bool stopped = true;
    for (TSuit x = 0; x < 4; ++x)
      if (c.TheyBid(x) && !h.Stopper(x)) stopped = false;
    if (stopped) {
      Meaning nt;
      nt.Strain(NT).Balanced();
      if (!twoLevelResponse) {
        // A balanced hand above the range but below 2NT strength still rebids
        // 1NT; an unbalanced one only within the range.
        if (pts <= (h.balanced ? std::max(c.sys.rebid1NTMax, 17) : c.sys.rebid1NTMax) && LevelOf(c.Cheapest(NT)) == 1)
          c.Add(c.Cheapest(NT), Meaning(nt).Pts(c.sys.rebid1NTMin, c.sys.rebid1NTMax), kMain - 2);
        else if (pts >= 18 && pts <= 19) c.Add(MakeBid(2, NT), Meaning(nt).Pts(18, 19), kMain - 2);
      } else {
        // Opposite a two-level response 2NT is the minimum; with more the
        // values for game are there, so opener bids it.
        if (pts <= 14) c.Add(c.Cheapest(NT), Meaning(nt).Pts(11, 14), kMain - 2);
        else c.Add(MakeBid(3, NT), Meaning(nt).Pts(15, 19), kMain - 2);
      }
    }
  }
  // Own suit again with six cards.
  if (h.len[opened] >= 6) {
    const CallCode cheap = c.Cheapest(opened);
    if (pts <= 15) c.Add(cheap, Meaning{}.Pts(11, 15).Len(opened, 6).Strain(opened), kMain - 1);
    else if (LevelOf(cheap) <= 2)
      c.Add(MakeBid(LevelOf(cheap) + 1, opened), Meaning{}.Pts(16, 18).Len(opened, 6).Strain(opened).Forcing(Force::OneRound),
            kMain - 1);
    else c.Add(cheap, Meaning{}.Pts(16, 21).Len(opened, 6).Strain(opened), kMain - 1);
  }
  // A second suit: lower-ranking at the two level, or a reverse with extras.
  for (TSuit u = Spade; u >= Club; --u) {
    if (u == opened || u == t || h.len[u] < 4 || c.TheyBid(u)) continue;
    const CallCode cheap = c.Cheapest(u);
    if (LevelOf(cheap) == 1) continue;  // handled above
    const bool reverse = u > opened && LevelOf(cheap) == 2;
    if (LevelOf(cheap) > 3) continue;
    if (reverse && pts < 17) continue;
    if (LevelOf(cheap) == 3 && pts < 15 && !twoLevelResponse) continue;
    Meaning m;
    m.Pts(reverse ? 17 : 11, reverse ? 21 : 18).Len(u, 4).Len(opened, 5).Strain(u);
    if (reverse) m.Forcing(Force::OneRound);
    c.Add(cheap, m, kMain - 3);
    break;
  }
  // Nothing else fits: the own suit, or a raise on three cards.
  c.Add(c.Cheapest(opened), Meaning{}.Pts(11, 15).Len(opened, 5).Strain(opened), kMain - 6);
  if (h.len[t] >= 3) c.Add(c.Cheapest(t), Meaning{}.Pts(11, 15).Len(t, 3).Strain(t), kMain - 7);
  if (c.Partner().minLen[t] == 0) return;
}

}  // namespace quorval::bidder
