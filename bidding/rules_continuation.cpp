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

// The length partner has shown in a suit: what the calls promised, and five
// when partner has bid the suit twice.
int PartnerLength(const Ctx& c, TSuit s) {
  int bids = 0;
  for (int i = 0; i < c.v.Size(); ++i)
    if (c.v.SeatOf(i) == c.pd && IsBid(c.v.calls()[i]) && StrainOf(c.v.calls()[i]) == s &&
        c.v.meanings[i].conv == Conv::Natural)
      ++bids;
  return std::max(c.Partner().minLen[s], bids >= 2 ? 5 : 0);
}

// The least points a bid at `level` in `strain` states: slam, grand slam or
// game values by the level.
int BandMin(int level, tAllTrump strain, int gameMin, int slamMin, int grandMin) {
  if (level >= 7) return std::max(0, grandMin);
  if (level >= 6) return std::max(0, slamMin);
  return level >= GameLevel(strain) ? std::max(0, gameMin) : 0;
}

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
  c.Add(c.Cheapest(h.longest), Meaning{}.Len(h.longest, std::min(5, h.len[h.longest])).Strain(h.longest), kMain - 6);
  c.Add(c.Cheapest(NT), Meaning{}.Strain(NT), kMain - 8);
}

// The side suit for a help-suit game try: three or more cards with at most
// one of the top three honours, the one with the fewest high cards; -1 none.
TSuit HelpSuit(const Ctx& c, TSuit trump) {
  TSuit best = -1;
  for (TSuit t = 0; t < 4; ++t) {
    if (t == trump || c.h.len[t] < 3 || c.TheyBid(t) || !c.Legal(MakeBid(3, t)) || MakeBid(3, t) > MakeBid(3, trump))
      continue;
    const int tops = c.h.Holds(t, Ace) + c.h.Holds(t, King) + c.h.Holds(t, Queen);
    if (tops <= 1 && (best < 0 || c.h.Hcp(t) < c.h.Hcp(best))) best = t;
  }
  return best;
}

// Partner's game try in a side suit after our single raise (an invitation
// in another suit with our major agreed): game with the top of the raise, or
// with the middle of it and help in the suit tried (the ace or king, or a
// singleton or void). True when handled.
bool AnswerHelpSuitTry(Ctx& c) {
  const Meaning* pm = c.LastMeaningOf(c.pd);
  const int mi = c.v.LastActionOf(c.me);
  const CallCode pdCall = c.LastCallOf(c.pd);
  if (!pm || pm->conv != Conv::Invite || !IsBid(pdCall) || mi < 0 || !c.RhoPassed()) return false;
  const TSuit trump = c.v.meanings[mi].strain;
  const tAllTrump t = StrainOf(pdCall);
  if (trump < Heart || trump > Spade || pm->strain != trump || t == trump || t == NT || c.Partner().minLen[trump] < 4)
    return false;
  const int sp = c.pts - c.h.hcp + c.h.Points(trump);
  const bool help = c.h.Holds(t, Ace) || c.h.Holds(t, King) || c.h.len[t] <= 1;
  const int top = c.v.know[c.me].maxPts, mid = (c.v.know[c.me].minPts + top + 1) / 2;
  const bool accept = sp >= top || (help && sp >= mid);
  Meaning m;
  m.Strain(trump);
  c.Add(accept ? MakeBid(4, trump) : c.Cheapest(trump), accept ? m.Points(mid, 37) : m.Points(0, top), kMain);
  return true;
}

// Doubles of the opponents' bids that are not about our own strain: their
// sacrifice over our game or slam, the opener's re-opening double when their
// overcall comes round to him, and partner's re-opening double left in with
// their suit held. The other calls of the hand stay its alternatives.
void AddPenaltyAndReopeningDoubles(Ctx& c, int lo) {
  const View& v = c.v;
  const HandFacts& h = c.h;
  const CallCode last = v.auction.lastBid;
  const tAllTrump theirs = StrainOf(last);
  const int n = v.Size();
  const int fi = v.FirstBidIndex();
  // Partner's re-opening double over their suit: pass it with their suit held.
  const Meaning* pm = c.LastMeaningOf(c.pd);
  if (pm && pm->conv == Conv::TakeoutDouble && c.LastCallOf(c.pd) == Double && c.RhoPassed() && theirs < NT &&
      LevelOf(last) <= 2 && v.SeatOf(fi) == c.pd && h.len[theirs] >= 4 && h.Hcp(theirs) >= 4) {
    c.Add(Pass, Meaning{}.Len(theirs, 4).As(Conv::PenaltyDouble), kMain + 1);
    return;
  }
  if (v.auction.DoubledCount > 0) return;
  CallCode ourLast = NoCall;
  for (int i = n - 1; i >= 0 && ourLast == NoCall; --i)
    if (IsBid(v.calls()[i]) && SameSide(v.SeatOf(i), c.me)) ourLast = v.calls()[i];
  // A sacrifice: our game or slam was bid on values, theirs on shape.
  if (IsBid(ourLast) && IsGame(ourLast) && v.ActionsOf(c.pd) > 0 && (lo >= 22 || LevelOf(last) >= 6)) {
    const bool flat = h.Shortest() >= 2 && h.len[h.longest] <= 5;
    c.Add(Double, Meaning{}.As(Conv::PenaltyDouble), flat || LevelOf(last) >= 6 ? kMain + 1 : kAlternative);
    return;
  }
  // Opener, their overcall passed round: short in it, double for take-out
  // (partner may be waiting with their suit to pass it).
  if (c.sys.negativeDoubles && v.SeatOf(fi) == c.me && LevelOf(v.calls()[fi]) == 1 && n >= 3 && v.calls()[n - 1] == Pass && v.calls()[n - 2] == Pass &&
      IsBid(v.calls()[n - 3]) && v.SeatOf(n - 3) == c.lho && v.ActionsOf(c.pd) == 0 && theirs < NT &&
      LevelOf(last) <= 2 && h.len[theirs] <= 1)
    c.Add(Double, Meaning{}.Pts(10, 37).Len(theirs, 0, 1).As(Conv::TakeoutDouble).Forcing(Force::OneRound), kMain + 1);
}

// After a redouble. The side that doubled escapes from the redoubled
// contract into its longest suit; the side that redoubled doubles the escape
// with length in the suit, and the opener leaves the next move to the
// redoubler. True when handled.
bool RedoubleFollowUp(Ctx& c) {
  const HandFacts& h = c.h;
  const View& v = c.v;
  const CallCode last = v.auction.lastBid;
  if (v.auction.DoubledCount == 2) {
    TSuit best = -1;
    for (TSuit s = 0; s < 4; ++s)
      if (!c.TheyBid(s) && (best < 0 || h.len[s] > h.len[best])) best = s;
    if (best < 0 || c.Cheapest(best) == NoCall) return false;
    c.Add(c.Cheapest(best), Meaning{}.Len(best, std::min(4, h.len[best])).Strain(best), kMain);
    return true;
  }
  if (!v.SideUsed(c.me, Conv::Redouble) || v.auction.DoubledCount > 0) return false;
  const tAllTrump theirs = StrainOf(last);
  if (LevelOf(last) > 2 || theirs == NT) return false;
  if (h.len[theirs] >= 4 || (h.len[theirs] >= 3 && h.Hcp(theirs) >= 3)) {
    c.Add(Double, Meaning{}.Len(theirs, 3).As(Conv::PenaltyDouble), kMain + 1);
    return false;  // the natural calls stay the alternatives
  }
  // The opener, right after partner's redouble: pass and let partner decide.
  const int pi = v.LastActionOf(c.pd);
  if (pi >= 0 && v.meanings[pi].conv == Conv::Redouble && v.LastActionOf(c.me) < pi && h.len[h.longest] < 6) {
    c.Add(Pass, {}, kMain);
    return true;
  }
  return false;
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
  if (!ours && bidder >= 0 && RedoubleFollowUp(c)) return;
  if (ours && AnswerHelpSuitTry(c)) return;
  // After our invitation partner has decided: a game is played, a part score
  // below game is the refusal. Either way the inviter passes.
  const int mi = v.LastActionOf(c.me);
  if (mi >= 0 && (v.meanings[mi].conv == Conv::Invite || v.meanings[mi].conv == Conv::LimitRaise) && ours &&
      bidder == c.pd && !forced && !askedAces) {
    c.Add(Pass, {}, kMain);
    return;
  }

  const int fit = FitSuit(c);
  // Partner's range as the valuation counts it: from its bottom, its middle
  // (a wide range counts ten points above its bottom at most) and its top.
  const int pMax = std::min(p.maxPts, p.minPts + 10);
  const int pLow = pdActed ? p.minPts : 0, pHigh = pdActed ? pMax : std::min(p.maxPts, 11);
  const int pMid = (pLow + pHigh) / 2;
  // My points (high cards and shape) with the fit, or our first guess, as trumps.
  int myPts = c.pts - h.hcp + h.Points(fit >= 0 ? fit : NT);
  int lo = myPts + pLow, hi = myPts + pHigh;

  // Choose the strain.
  tAllTrump strain = -1;
  const bool ntShape = h.semiBalanced || p.balanced;
  if (fit >= Heart) strain = fit;
  // A minor fit: no trump when partner is already there, or when game is in
  // view and the minor game too far.
  else if (fit >= 0)
    strain = (ntShape && StoppedAll(c) && (lo + hi >= 48 || (ours && StrainOf(last) == NT)) && lo < 29) ? NT : fit;
  // A six-card suit, shown or not, comes before no trump.
  else if (h.len[h.longest] >= 6 && !h.balanced) strain = h.longest;
  else if (ntShape && StoppedAll(c) && pdActed) strain = NT;
  else if (h.len[h.longest] >= 7) strain = h.longest;
  // The points of the hand with the strain chosen, as its bid states them.
  if (strain >= 0) {
    myPts = c.pts - h.hcp + h.Points(strain);
    lo = myPts + pLow;
    hi = myPts + pHigh;
  }

  // Slam: ask for aces with a fit, bid it directly in no trump.
  // Slam is worth exploring when it is likely even if not certain: two points
  // short of it with partner's range still reaching well past it.
  const int slamValue = lo >= 33 || lo < 31 || (lo + hi) / 2 < 33 ? lo : 33;
  if (strain >= 0 && strain < NT && slamValue >= 33 && !askedAces && pdActed && TrySlamAsk(c, strain, slamValue, kMain))
    return;

  if (!ours && bidder >= 0) {
    // The opponents hold the contract: compete by the number of trumps, bid a
    // game we can make, or double when the hand is ours and they are too high.
    const tAllTrump theirStrain = StrainOf(last);
    const int theirLevel = LevelOf(last);
    AddPenaltyAndReopeningDoubles(c, lo);
    // The opener whose partner has passed throughout competes alone with a
    // six-card suit.
    if (!pdActed && v.SeatOf(v.FirstBidIndex()) == c.me && h.len[h.longest] >= 6 && mine.minLen[h.longest] >= 3 &&
        !c.TheyBid(h.longest)) {
      const CallCode own = c.Cheapest(h.longest);
      const bool jump = c.pts >= 17 && own != NoCall && LevelOf(own) <= 2;
      if (jump)
        c.Add(MakeBid(LevelOf(own) + 1, h.longest), Meaning{}.Pts(17, 21).Len(h.longest, 6).Strain(h.longest), kMain);
      else if (own != NoCall && LevelOf(own) <= 2)
        c.Add(own, Meaning{}.Pts(10, 16).Len(h.longest, 6).Strain(h.longest), kMain);
      else if (own != NoCall && LevelOf(own) == 3 && (h.len[h.longest] >= 7 || c.pts >= 15))
        c.Add(own, Meaning{}.Pts(10, 21).Len(h.longest, 6).Strain(h.longest), kMain);
    }
    if (strain >= 0 && strain < NT && pdActed) {
      const int total = h.len[strain] + p.minLen[strain];
      int allowed = total - 6;
      if (c.WeVul() && !c.TheyVul()) allowed -= 1;
      if (lo >= 25) allowed = std::max(allowed, GameLevel(strain));
      if (lo < 16) allowed = std::min(allowed, 2);
      const CallCode cheap = c.Cheapest(strain);
      if (cheap != NoCall && LevelOf(cheap) <= allowed) {
        const CallCode bid = (lo >= 25 && LevelOf(cheap) < GameLevel(strain)) ? MakeBid(GameLevel(strain), strain) : cheap;
        c.Add(bid, Meaning{}.Len(strain, fit >= 0 ? std::max(0, 8 - p.minLen[strain]) : std::min(6, h.len[strain])).Strain(strain),
              kMain);
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

  // Target level. Game on the middle of partner's range when that range is
  // narrow, from its bottom when it is wide; an invitation when the middle
  // comes within a point of game and the top reaches it. My points bands
  // follow: the bids below state them.
  const int gameNeed = strain < Heart ? 28 : 25;
  const int pGame = pdActed && p.maxPts - p.minPts <= 6 ? pMid : pLow;
  const int gameMin = gameNeed - pGame;  // my least points for game
  const int inviteMin = std::min(gameMin, std::max(gameNeed - 1 - pMid, gameNeed - pHigh));
  const int slamMin = 33 - pLow, grandMin = 37 - pLow;
  int target;
  bool invite = false;
  if (strain == NT) target = myPts >= grandMin ? 7 : myPts >= slamMin ? 6 : myPts >= gameMin ? 3 : 2;
  else if (strain >= Heart) target = myPts >= grandMin ? 7 : myPts >= slamMin ? 6 : myPts >= gameMin ? 4 : 2;
  else target = myPts >= grandMin ? 7 : myPts >= slamMin ? 6 : myPts >= gameMin ? 5 : 3;
  if (askedAces) target = std::min(target, std::max(curLevel, 5));
  if (target < GameLevel(strain) && myPts >= inviteMin && pdActed) invite = true;
  // Our own long major without a fit: with game values a jump to three
  // invites, and a seven-card suit or a good six-card one bids game.
  bool capped = false;  // game values held back to an invitation: no upper bound
  if ((strain == Heart || strain == Spade) && fit < 0) {
    if (target >= GameLevel(strain) && pdActed) invite = capped = true;
    target = std::min(target, 3);
    if (lo >= 25 && (h.len[strain] >= 7 || (h.len[strain] >= 6 && h.GoodSuit(strain)))) {
      target = 4;
      capped = false;
    }
  }
  if (!pdActed) target = std::min(target, curLevel < 1 ? 1 : curLevel + 1);

  const CallCode cheap = c.Cheapest(strain);
  Meaning m;
  m.Strain(strain);
  if (strain == fit) m.Len(fit, std::max(2, 8 - p.minLen[fit]));
  if (curStrain == strain && bidder >= 0 && SameSide(bidder, c.me)) {
    if (curLevel >= target || (target < GameLevel(strain) && !invite)) {
      if (invite && curLevel < GameLevel(strain) && curLevel + 1 <= GameLevel(strain) - 1 && bidder == c.pd &&
          !v.SideUsed(c.me, Conv::LimitRaise) && mine.maxPts > lo - p.minPts - 1) {
        // One invitation, then partner decides: after a single raise of a
        // major, in the side suit that most needs help.
        const Meaning inv = Meaning(m).Points(inviteMin, capped ? 37 : gameMin - 1).As(Conv::Invite);
        const TSuit help = strain >= Heart && curLevel == 2 && p.maxPts <= 10 ? HelpSuit(c, strain) : -1;
        if (help >= 0) c.Add(MakeBid(3, help), Meaning(inv).Len(help, 3), kMain);
        else c.Add(cheap, inv, kMain);
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
    c.Add(MakeBid(target, strain), Meaning(m).Points(BandMin(target, strain, gameMin, slamMin, grandMin), 37), kMain);
    if (target == GameLevel(strain) && lo <= 26 && cheap != MakeBid(target, strain)) c.Add(cheap, m, kAlternative);
    return;
  }
  // A different strain from the current contract.
  if (cheap == NoCall) {
    c.Add(Pass, {}, kMain);
    return;
  }
  const int cheapLevel = LevelOf(cheap);
  // No fit and no game in view: partner's own suit with seven cards between
  // us is as good a part score as any, so leave it there.
  // With two suits from partner, preference to the first when it is as long
  // between us.
  if (!forced && !invite && fit < 0 && bidder == c.pd && curStrain < NT && target < GameLevel(strain) &&
      c.pts <= mine.minPts + 5) {
    for (TSuit s = 0; s < 4; ++s)
      if (s != curStrain && PartnerLength(c, s) >= 5 && h.len[s] >= 2 && LevelOf(c.Cheapest(s)) <= 2 &&
          h.len[s] + p.minLen[s] >= h.len[curStrain] + p.minLen[curStrain]) {
        c.Add(c.Cheapest(s), Meaning{}.Pts(0, inviteMin - 1).Len(s, 2).Strain(s), kMain);
        c.Add(Pass, {}, kAlternative);
        return;
      }
    // Seven cards between us are enough for a part score; a four-three fit
    // only where no trump would take us to the two level.
    const int theirLen = PartnerLength(c, curStrain);
    if (theirLen + h.len[curStrain] >= 7 && (theirLen >= 5 || (strain == NT && cheapLevel >= 2))) {
      c.Add(Pass, {}, kMain);
      return;
    }
  }
  // A part score is bid as cheaply as it goes; only an invitation jumps.
  int bidLevel = target < GameLevel(strain) ? cheapLevel : std::max(cheapLevel, target);
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
  const int minP = bidLevel >= GameLevel(strain) ? BandMin(bidLevel, strain, gameMin, slamMin, grandMin)
                                                 : (invite ? inviteMin : 0);
  const int maxP = bidLevel >= GameLevel(strain) || capped ? 37 : invite ? gameMin - 1 : inviteMin - 1;
  if (fit < 0 && strain < NT) m.Len(strain, std::min(6, h.len[strain]));
  Meaning chosen = Meaning(m).Points(minP, maxP);
  if (invite && bidLevel < GameLevel(strain) && bidLevel > cheapLevel - 0 && target < GameLevel(strain)) chosen.As(Conv::Invite);
  c.Add(MakeBid(bidLevel, strain), chosen, kMain);
  if (bidLevel > cheapLevel && bidLevel < GameLevel(strain)) c.Add(cheap, Meaning(m).Points(0, maxP), kAlternative);
  if (!forced && bidder == c.pd && !IsGame(MakeBid(bidLevel, strain)) && curLevel >= 2)
    c.Add(Pass, {}, kAlternative - 10);
}

}  // namespace quorval::bidder
