// The later rounds: find the partnership's strain and level from what partner
// has shown, then bid it, invite, ask for aces, compete or pass. A forcing
// situation always finds a descriptive bid.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {
namespace {

bool IsGame(CallCode c) {
  const int l = LevelOf(c);
  const tAllTrump s = StrainOf(c);
  return (s == NT && l >= 3) || ((s == Heart || s == Spade) && l >= 4) || l >= 5;
}

int GameLevel(tAllTrump s) { return s == NT ? 3 : (s >= Heart ? 4 : 5); }

// Our best trump suit: eight cards together, majors first.
int FitSuit(const Ctx& c) {
  const Knowledge& p = c.Partner();
  int best = -1, bestTotal = 0;
  for (TSuit s = 0; s < 4; ++s) {
    // The two cards a balanced hand promises make no fit by themselves.
    const int total = c.h.len[s] + (p.minLen[s] >= 3 ? p.minLen[s] : 0);
    if (total < 8) continue;
    const bool better = best < 0 || (s >= Heart && best < Heart) ||
                        ((s >= Heart) == (best >= Heart) && total > bestTotal);
    if (better) {
      best = s;
      bestTotal = total;
    }
  }
  return best;
}

bool StoppedAll(const Ctx& c) {
  if (c.Partner().balanced) return true;  // partner's no trump promised the stoppers
  for (TSuit s = 0; s < 4; ++s)
    if (c.TheyBid(s) && !c.h.Stopper(s) && c.Partner().minLen[s] < 4) return false;
  return true;
}

// A descriptive bid for a forcing situation with no fit: a new suit, no trump,
// preference to partner's suit, or the own suit again.
void ForcedBid(Ctx& c, int maxLevel) {
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  const Knowledge& mine = c.v.know[c.me];
  for (TSuit s = 0; s < 4; ++s)
    if (h.len[s] >= 4 && mine.minLen[s] < 4 && p.minLen[s] < 4 && !c.TheyBid(s) &&
        LevelOf(c.Cheapest(s)) <= maxLevel)
      c.Add(c.Cheapest(s), Meaning{}.Len(s, 4).Strain(s), kMain - 5);
  if (StoppedAll(c) && h.semiBalanced) c.Add(c.Cheapest(NT), Meaning{}.Strain(NT), kMain - 4);
  TSuit pref = -1;
  for (TSuit s = 0; s < 4; ++s)
    if (p.minLen[s] >= 4 && h.len[s] >= 2 && (pref < 0 || h.len[s] + p.minLen[s] > h.len[pref] + p.minLen[pref])) pref = s;
  if (pref >= 0) c.Add(c.Cheapest(pref), Meaning{}.Strain(pref), kMain - 3);
  c.Add(c.Cheapest(h.longest), Meaning{}.Len(h.longest, 5).Strain(h.longest), kMain - 6);
  c.Add(c.Cheapest(NT), Meaning{}.Strain(NT), kMain - 8);
}

}  // namespace

void Continuation(Ctx& c) {
  const HandFacts& h = c.h;
  const View& v = c.v;
  const Knowledge& p = c.Partner();
  const Knowledge& mine = c.v.know[c.me];
  const CallCode last = v.auction.lastBid;
  const Seat bidder = v.LastBidder();
  const bool ours = bidder >= 0 && SameSide(bidder, c.me);
  const bool pdActed = v.ActionsOf(c.pd) > 0;
  const Meaning* pm = c.LastMeaningOf(c.pd);
  const bool forced = (pm && pm->force != Force::None && c.RhoPassed() && c.LastCallOf(c.pd) != Pass) ||
                      v.GameForced(c.me);
  const bool askedAces = v.SideUsed(c.me, Conv::AceAsk);

  if (ours && v.auction.DoubledCount > 0) {
    c.Add(Pass, {}, kMain);
    return;
  }
  // After our invitation partner has decided: a game is played, a part score
  // below game is the refusal. Either way the inviter passes.
  const int mi = v.LastActionOf(c.me);
  if (mi >= 0 && (v.meanings[mi].conv == Conv::Invite || v.meanings[mi].conv == Conv::LimitRaise) && ours &&
      bidder == c.pd && !forced && !askedAces) {
    c.Add(Pass, {}, kMain);
    return;
  }

  const int fit = FitSuit(c);
  int myPts = c.pts;
  if (fit >= 0) myPts = c.pts - h.hcp + std::max(h.SupportPoints(fit), h.LengthPoints());
  else myPts = c.pts - h.hcp + h.LengthPoints();
  const int pMax = std::min(p.maxPts, p.minPts + 10);
  const int lo = myPts + (pdActed ? p.minPts : 0), hi = myPts + (pdActed ? pMax : std::min(p.maxPts, 11));

  // Choose the strain.
  tAllTrump strain = -1;
  const bool ntShape = h.semiBalanced || p.balanced;
  if (fit >= Heart) strain = fit;
  else if (fit >= 0) strain = (ntShape && StoppedAll(c) && lo < 29) ? NT : fit;
  else if (ntShape && StoppedAll(c) && pdActed) strain = NT;
  else if (h.len[h.longest] >= 6 && mine.minLen[h.longest] >= 5) strain = h.longest;
  else if (h.len[h.longest] >= 7) strain = h.longest;

  // Slam: ask for aces with a fit, bid it directly in no trump.
  if (strain >= 0 && strain < NT && lo >= 33 && !askedAces && pdActed && TrySlamAsk(c, strain, lo, kMain)) return;

  if (!ours && bidder >= 0) {
    // The opponents hold the contract: compete by the number of trumps, bid a
    // game we can make, or double when the hand is ours and they are too high.
    const tAllTrump theirStrain = StrainOf(last);
    const int theirLevel = LevelOf(last);
    if (strain >= 0 && strain < NT && pdActed) {
      const int total = h.len[strain] + p.minLen[strain];
      int allowed = total - 6;
      if (c.WeVul() && !c.TheyVul()) allowed -= 1;
      if (lo >= 25) allowed = std::max(allowed, GameLevel(strain));
      if (lo < 16) allowed = std::min(allowed, 2);
      const CallCode cheap = c.Cheapest(strain);
      if (cheap != NoCall && LevelOf(cheap) <= allowed) {
        const CallCode bid = (lo >= 25 && LevelOf(cheap) < GameLevel(strain)) ? MakeBid(GameLevel(strain), strain) : cheap;
        c.Add(bid, Meaning{}.Len(strain, std::max(0, 8 - p.minLen[strain])).Strain(strain), kMain);
        c.Add(Pass, {}, kAlternative);
        return;
      }
    }
    if (strain == NT && pdActed && lo >= 25 && c.Legal(MakeBid(3, NT)) && theirLevel <= 2) {
      c.Add(MakeBid(3, NT), Meaning{}.Strain(NT), kMain);
      return;
    }
    const bool trumpTricks = theirStrain == NT || (h.len[theirStrain] >= 3 && h.Hcp(theirStrain) >= 3) || h.len[theirStrain] >= 4;
    if (pdActed && v.auction.DoubledCount == 0 && trumpTricks &&
        ((lo >= 24 && theirLevel >= 3) || (lo >= 22 && IsGame(last)))) {
      c.Add(Double, Meaning{}.As(Conv::PenaltyDouble), kMain - 2);
    }
    if (forced) ForcedBid(c, 3);
    c.Add(Pass, {}, forced ? 0 : kMain - 1);
    return;
  }

  // Our contract (or nobody's yet).
  const tAllTrump curStrain = StrainOf(last);
  const int curLevel = LevelOf(last);
  if (strain < 0) {
    // No strain yet: keep describing if we must, otherwise settle.
    if (forced || (lo >= 25 && !IsGame(last))) {
      ForcedBid(c, forced && v.GameForced(c.me) ? 4 : 3);
      if (lo >= 25 && c.Legal(MakeBid(3, NT)) && StoppedAll(c))
        c.Add(MakeBid(3, NT), Meaning{}.Strain(NT), kMain - 2);
      return;
    }
    // Preference to partner's first suit when it fits better than the last.
    TSuit pref = -1;
    for (TSuit s = 0; s < 4; ++s)
      if (p.minLen[s] >= 4 && h.len[s] + p.minLen[s] >= 7 && (pref < 0 || h.len[s] > h.len[pref])) pref = s;
    if (pref >= 0 && pref != curStrain && bidder == c.pd && LevelOf(c.Cheapest(pref)) <= 2 &&
        h.len[curStrain] + p.minLen[curStrain] < h.len[pref] + p.minLen[pref])
      c.Add(c.Cheapest(pref), Meaning{}.Pts(0, 24 - p.minPts).Strain(pref), kMain);
    c.Add(Pass, {}, c.out.empty() ? kMain : kAlternative);
    return;
  }

  // Target level.
  int target;
  bool invite = false;
  if (strain == NT) target = lo >= 37 ? 7 : lo >= 33 ? 6 : lo >= 25 ? 3 : 2;
  else if (strain >= Heart) target = lo >= 37 ? 7 : lo >= 33 ? 6 : lo >= 25 ? 4 : 2;
  else target = lo >= 37 ? 7 : lo >= 33 ? 6 : lo >= 28 ? 5 : 3;
  if (askedAces) target = std::min(target, std::max(curLevel, 5));
  if (target < GameLevel(strain) && hi >= (strain < Heart ? 28 : 25) && pdActed) invite = true;
  if (strain >= Heart && fit < 0) target = std::min(target, 3);  // our own long suit: partscore or game only
  if (strain < NT && fit < 0 && lo >= 25 && strain >= Heart && h.len[strain] >= 7) target = 4;
  if (!pdActed) target = std::min(target, curLevel < 1 ? 1 : curLevel + 1);

  const CallCode cheap = c.Cheapest(strain);
  Meaning m;
  m.Strain(strain);
  if (strain == fit) m.Len(fit, std::max(2, 8 - p.minLen[fit]));
  if (curStrain == strain && bidder >= 0 && SameSide(bidder, c.me)) {
    if (curLevel >= target || (target < GameLevel(strain) && !invite)) {
      if (invite && curLevel < GameLevel(strain) && curLevel + 1 <= GameLevel(strain) - 1 && bidder == c.pd &&
          !v.SideUsed(c.me, Conv::LimitRaise) && mine.maxPts > lo - p.minPts - 1) {
        // One invitation, then partner decides.
        c.Add(cheap, Meaning(m).Pts(std::max(mine.minPts, 25 - pMax), std::max(mine.minPts, 24 - p.minPts)).As(Conv::Invite), kMain);
        c.Add(Pass, {}, kAlternative);
        return;
      }
      if (forced && !IsGame(last) && v.GameForced(c.me)) {
        c.Add(MakeBid(GameLevel(strain), strain), m, kMain);
        return;
      }
      if (forced) {
        ForcedBid(c, 3);
        c.Add(cheap, m, kMain - 2);
        return;
      }
      c.Add(Pass, {}, kMain);
      return;
    }
    c.Add(MakeBid(target, strain), Meaning(m).Pts(std::max(mine.minPts, (target >= GameLevel(strain) ? 25 : 0) - p.minPts), 37),
          kMain);
    if (target == GameLevel(strain) && lo <= 26 && cheap != MakeBid(target, strain)) c.Add(cheap, m, kAlternative);
    return;
  }
  // A different strain from the current contract.
  if (cheap == NoCall) {
    c.Add(Pass, {}, kMain);
    return;
  }
  const int cheapLevel = LevelOf(cheap);
  int bidLevel = std::max(cheapLevel, target);
  if (invite && target < GameLevel(strain)) bidLevel = std::max(cheapLevel, std::min(GameLevel(strain) - 1, target + 1));
  const bool within = cheapLevel <= std::max(target, invite ? GameLevel(strain) - 1 : target);
  if (!within) {
    // Too high for our values: pass partner's bid, or describe when forced.
    if (forced) {
      ForcedBid(c, 4);
      c.Add(cheap, m, kMain - 1);
    } else {
      c.Add(Pass, {}, kMain);
    }
    return;
  }
  // A jump below game invites; a game bid shows the values for it.
  const int minP = bidLevel >= GameLevel(strain) ? std::max(0, 25 - p.minPts)
                                                 : (invite ? std::max(mine.minPts, 25 - pMax) : mine.minPts);
  const int maxP = bidLevel >= GameLevel(strain) ? 37 : std::max(mine.minPts, 24 - p.minPts);
  if (fit < 0 && strain < NT) m.Len(strain, std::min(6, h.len[strain]));
  Meaning chosen = Meaning(m).Pts(minP, maxP);
  if (invite && bidLevel < GameLevel(strain) && bidLevel > cheapLevel - 0 && target < GameLevel(strain)) chosen.As(Conv::Invite);
  c.Add(MakeBid(bidLevel, strain), chosen, kMain);
  if (bidLevel > cheapLevel && bidLevel < GameLevel(strain)) c.Add(cheap, Meaning(m).Pts(0, maxP), kAlternative);
  if (!forced && bidder == c.pd && !IsGame(MakeBid(bidLevel, strain)) && curLevel >= 2)
    c.Add(Pass, {}, kAlternative - 10);
}

}  // namespace quorval::bidder
