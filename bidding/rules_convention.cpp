// Answers to partner's conventional calls and the asker's next step: Stayman,
// transfers, the quantitative 4NT, Blackwood and the key-card asks, Jacoby 2NT,
// the 2NT asks over weak twos, the multi, the 2C waiting bid, negative doubles.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {
namespace {

int KeyCardTotal(tAllTrump trump) { return trump < NT ? 5 : 4; }

bool HasTrumpQueen(const Ctx& c, tAllTrump trump) { return trump < NT && c.h.Holds(trump, Queen); }

// The answer step (0 = 5C .. 3 = 5S) for a count of aces or key cards.
CallCode AceAnswer(const Ctx& c, tAllTrump trump) {
  const SlamAsk style = trump < NT ? c.sys.slam : SlamAsk::Blackwood;
  const int n = style == SlamAsk::Blackwood ? c.h.Aces() : c.h.KeyCards(trump);
  int step = 0;
  switch (style) {
    case SlamAsk::Blackwood: step = n % 4; break;
    case SlamAsk::KeyCard1430:
      step = (n == 1 || n == 4) ? 0 : (n == 0 || n == 3) ? 1 : (HasTrumpQueen(c, trump) ? 3 : 2);
      break;
    case SlamAsk::KeyCard3014:
      step = (n == 0 || n == 3) ? 0 : (n == 1 || n == 4) ? 1 : (HasTrumpQueen(c, trump) ? 3 : 2);
      break;
  }
  if (n == 5) step = (style == SlamAsk::KeyCard3014) ? 0 : 1;  // five key cards read as two less
  return MakeBid(5, step);
}

// The asker reads the answer: the number of aces or key cards partner holds,
// choosing between the two counts a step stands for by partner's known strength.
int DecodeAnswer(const Ctx& c, CallCode answer, tAllTrump trump, bool& queen) {
  const SlamAsk style = trump < NT ? c.sys.slam : SlamAsk::Blackwood;
  const int step = StrainOf(answer);
  const int mine = style == SlamAsk::Blackwood ? c.h.Aces() : c.h.KeyCards(trump);
  const int total = style == SlamAsk::Blackwood ? 4 : KeyCardTotal(trump);
  queen = false;
  int low = 0, high = 0;
  switch (style) {
    case SlamAsk::Blackwood: low = step; high = step == 0 ? 4 : step; break;
    case SlamAsk::KeyCard1430:
      if (step == 0) { low = 1; high = 4; } else if (step == 1) { low = 0; high = 3; } else { low = high = 2; queen = step == 3; }
      break;
    case SlamAsk::KeyCard3014:
      if (step == 0) { low = 0; high = 3; } else if (step == 1) { low = 1; high = 4; } else { low = high = 2; queen = step == 3; }
      break;
  }
  if (mine + high > total) return low;
  if (mine + low < total - 2 && c.Partner().minPts >= 4 * high - 2) return high;
  // Partner's strength decides: an opening hand with few aces is rare.
  return c.Partner().minPts >= 3 * high + 3 ? high : low;
}

// Cheapest bid in the strain at or above the level.
CallCode AtLeast(const Ctx& c, tAllTrump strain, int level) {
  const CallCode cheap = c.Cheapest(strain);
  if (cheap == NoCall) return NoCall;
  return LevelOf(cheap) >= level ? cheap : MakeBid(level, strain);
}

void AnswerMulti(Ctx& c, CallCode pdCall, const Meaning& pm) {
  const TSuit mine = c.h.len[Spade] >= 6 ? Spade : Heart;
  Meaning m;
  m.Pts(5, 10).Len(mine, 6).Strain(mine);
  if (pm.conv == Conv::FeatureAsk) {
    const bool max = c.pts >= 8;
    c.Add(MakeBid(max ? 4 : 3, mine), Meaning(m).Pts(max ? 8 : 5, max ? 10 : 7), kMain);
    return;
  }
  // Pass or correct.
  if (StrainOf(pdCall) == mine) c.Add(Pass, m, kMain);
  else c.Add(c.Cheapest(mine), m, kMain);
}

void AnswerNegativeDouble(Ctx& c, TSuit opened) {
  const HandFacts& h = c.h;
  const CallCode theirs = c.LastCallOf(c.lho);
  const tAllTrump their = IsBid(theirs) ? StrainOf(theirs) : NT;
  for (TSuit t = Spade; t >= Heart; --t)
    if (t != opened && t != their && h.len[t] >= 4) {
      const CallCode bid = c.Cheapest(t);
      const bool jump = c.pts >= 16 && LevelOf(bid) < 3;
      c.Add(jump ? MakeBid(LevelOf(bid) + 1, t) : bid,
            Meaning{}.Pts(jump ? 16 : 11, jump ? 19 : 15).Len(t, 4).Strain(t), kMain);
      return;
    }
  if (h.len[opened] >= 6) c.Add(c.Cheapest(opened), Meaning{}.Pts(11, 15).Len(opened, 6).Strain(opened), kMain);
  if (their < NT && h.Stopper(their) && h.semiBalanced)
    c.Add(c.Cheapest(NT), Meaning{}.Pts(11, 14).Strain(NT), c.out.empty() ? kMain : kAlternative);
  for (TSuit t = 0; t < 4; ++t)
    if (t != opened && t != their && h.len[t] >= 4 && LevelOf(c.Cheapest(t)) <= 2)
      c.Add(c.Cheapest(t), Meaning{}.Pts(11, 15).Len(t, 4).Strain(t), c.out.empty() ? kMain - 1 : kPossible);
  c.Add(c.Cheapest(opened), Meaning{}.Pts(11, 15).Strain(opened), c.out.empty() ? kMain - 2 : kPossible);
}

}  // namespace

bool ConventionAnswer(Ctx& c) {
  const int pi = c.v.LastCallOf(c.pd);
  if (pi < 0) return false;
  const Meaning& pm = c.v.meanings[pi];
  const CallCode pdCall = c.v.calls()[pi];
  const HandFacts& h = c.h;
  if (pm.conv == Conv::Natural || !c.RhoPassed()) return false;
  const Knowledge& mine = c.v.know[c.me];
  switch (pm.conv) {
    case Conv::SignOff:
      c.Add(Pass, {}, kMain);
      return true;
    case Conv::Stayman: {
      const int up = LevelOf(pdCall) - 2;
      if (h.len[Heart] >= 4) c.Add(MakeBid(2 + up, Heart), Meaning{}.Len(Heart, 4).As(Conv::StaymanAnswer).Strain(Heart), kMain);
      else if (h.len[Spade] >= 4)
        c.Add(MakeBid(2 + up, Spade), Meaning{}.Len(Spade, 4).Len(Heart, 0, 3).As(Conv::StaymanAnswer).Strain(Spade), kMain);
      else c.Add(MakeBid(2 + up, Diamond), Meaning{}.Len(Heart, 0, 3).Len(Spade, 0, 3).As(Conv::StaymanAnswer), kMain);
      return true;
    }
    case Conv::Transfer: {
      const TSuit s = pm.strain;
      const bool super = LevelOf(pdCall) == 2 && h.len[s] >= 4 && c.pts >= mine.maxPts - 1;
      c.Add(super ? MakeBid(3, s) : c.Cheapest(s), Meaning{}.Len(s, super ? 4 : 2).Strain(s).As(Conv::TransferComplete), kMain);
      return true;
    }
    case Conv::Quantitative:
      c.Add(c.pts * 2 >= mine.minPts + mine.maxPts ? MakeBid(6, NT) : Pass, Meaning{}.As(Conv::SignOff), kMain);
      return true;
    case Conv::AceAsk:
      c.Add(AceAnswer(c, pm.strain), Meaning{}.As(Conv::AceAnswer).Strain(pm.strain), kMain);
      return true;
    case Conv::Jacoby2NT:
    case Conv::GameRaise2NT: {
      const TSuit s = c.v.know[c.me].minLen[Spade] >= 4 && StrainOf(c.v.calls()[c.v.FirstBidIndex()]) == Spade ? Spade
                                                                                                                : StrainOf(c.v.calls()[c.v.FirstBidIndex()]);
      Meaning m;
      m.Strain(s).Forcing(Force::Game);
      if (pm.conv == Conv::Jacoby2NT && c.pts <= 17)
        for (TSuit t = 0; t < 4; ++t)
          if (t != s && h.len[t] <= 1) {
            c.Add(MakeBid(3, t), Meaning(m).Len(t, 0, 1).Pts(12, 17), kMain);
            return true;
          }
      if (c.pts >= 15) c.Add(MakeBid(3, s), Meaning(m).Pts(15, 21), kMain);
      else c.Add(MakeBid(4, s), Meaning(m).Pts(11, 14).As(Conv::SignOff).Forcing(Force::None), kMain);
      return true;
    }
    case Conv::FeatureAsk: {
      const int fi = c.v.FirstBidIndex();
      if (c.v.meanings[fi].conv == Conv::Multi) {
        AnswerMulti(c, pdCall, pm);
        return true;
      }
      const TSuit s = StrainOf(c.v.calls()[fi]);
      const bool max = c.pts >= 8;
      Meaning m;
      m.Strain(s).Pts(max ? 8 : 5, max ? 10 : 7);
      if (!max) c.Add(MakeBid(3, s), m, kMain);
      else if (s >= Heart) c.Add(MakeBid(4, s), m, kMain);
      else c.Add(MakeBid(3, NT), m, kMain);
      return true;
    }
    case Conv::MinorAsk: {
      const TSuit m = h.len[Diamond] > h.len[Club] ? Diamond : Club;
      c.Add(c.Cheapest(m), Meaning{}.Len(m, 5).Strain(m), kMain);
      return true;
    }
    case Conv::PassOrCorrect:
      AnswerMulti(c, pdCall, pm);
      return true;
    case Conv::Waiting: {
      if (h.balanced && c.pts <= 24) {
        c.Add(MakeBid(2, NT), Meaning{}.Pts(22, 24).Balanced().Strain(NT), kMain);
      } else if (h.balanced && c.pts <= 27) {
        c.Add(MakeBid(3, NT), Meaning{}.Pts(25, 27).Balanced().Strain(NT), kMain);
      } else {
        TSuit best = h.longest;
        c.Add(c.Cheapest(best), Meaning{}.Pts(22, 37).Len(best, 5).Strain(best).Forcing(Force::Game), kMain);
      }
      return true;
    }
    case Conv::NegativeDouble: {
      const int fi = c.v.FirstBidIndex();
      if (c.v.SeatOf(fi) != c.me) return false;
      AnswerNegativeDouble(c, StrainOf(c.v.calls()[fi]));
      return true;
    }
    default:
      return false;
  }
}

bool ConventionFollowUp(Ctx& c) {
  const int mi = c.v.LastCallOf(c.me);
  const int pi = c.v.LastCallOf(c.pd);
  if (mi < 0 || pi < 0 || pi < mi || !c.RhoPassed()) return false;
  const Meaning& myAsk = c.v.meanings[mi];
  const Meaning& pm = c.v.meanings[pi];
  const CallCode pdCall = c.v.calls()[pi];
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  if (myAsk.conv == Conv::AceAsk && pm.conv == Conv::AceAnswer) {
    const tAllTrump trump = myAsk.strain;
    bool queen = false;
    const int theirs = DecodeAnswer(c, pdCall, trump, queen);
    const SlamAsk style = trump < NT ? c.sys.slam : SlamAsk::Blackwood;
    const int mineCount = style == SlamAsk::Blackwood ? h.Aces() : h.KeyCards(trump);
    const int total = style == SlamAsk::Blackwood ? 4 : KeyCardTotal(trump);
    const int missing = total - mineCount - theirs;
    const int lo = c.pts - h.hcp + h.SupportPoints(trump) + p.minPts;
    Meaning m;
    m.As(Conv::SignOff).Strain(trump);
    CallCode bid;
    if (missing >= 2) {
      // Stop at five: pass an answer in the trump suit, or play 5NT when five
      // of the trump suit is already gone.
      bid = AtLeast(c, trump, 5);
      if (StrainOf(pdCall) == trump) bid = Pass;
      else if (bid == NoCall || LevelOf(bid) > 5) bid = c.Legal(MakeBid(5, NT)) ? MakeBid(5, NT) : AtLeast(c, trump, 6);
    } else if (missing == 1) bid = AtLeast(c, trump, 6);
    else bid = (lo >= 36 && (style == SlamAsk::Blackwood || queen || HasTrumpQueen(c, trump))) ? MakeBid(7, trump)
                                                                                          : AtLeast(c, trump, 6);
    if (bid == NoCall) bid = Pass;
    c.Add(bid, m, kMain);
    return true;
  }
  if (myAsk.conv == Conv::Stayman && pm.conv == Conv::StaymanAnswer) {
    const int up = LevelOf(pdCall) - 2;
    const int lo = c.pts + p.minPts, hi = c.pts + p.maxPts;
    const tAllTrump shown = pm.strain;
    const bool fit = shown >= Heart && h.len[shown] >= 4;
    if (fit) {
      const int sp = c.pts - h.hcp + h.SupportPoints(shown) + p.minPts;
      if (TrySlamAsk(c, shown, sp, kMain)) return true;
      if (sp >= 25) c.Add(MakeBid(4, shown), Meaning{}.As(Conv::SignOff).Strain(shown), kMain);
      else if (up == 0) c.Add(MakeBid(3, shown), Meaning{}.Pts(25 - p.maxPts, 24 - p.minPts).Len(shown, 4).Strain(shown).As(Conv::Invite), kMain);
      else c.Add(MakeBid(4, shown), Meaning{}.As(Conv::SignOff).Strain(shown), kMain);
      return true;
    }
    // No fit: with four spades opposite hearts, bid no trump naturally; spades may still fit.
    Meaning nt;
    nt.Strain(NT);
    if (lo >= 33) c.Add(MakeBid(6, NT), Meaning(nt).As(Conv::SignOff), kMain);
    else if (lo >= 25 || up == 1) c.Add(MakeBid(3, NT), Meaning(nt).Pts(25 - p.minPts, 32).Len(Spade, h.len[Spade] >= 4 ? 4 : 0), kMain);
    else if (hi >= 25) c.Add(MakeBid(2, NT), Meaning(nt).Pts(25 - p.maxPts, 24 - p.minPts).Len(Spade, h.len[Spade] >= 4 ? 4 : 0).As(Conv::Invite), kMain);
    else c.Add(Pass, {}, kMain);
    return true;
  }
  if (myAsk.conv == Conv::Transfer && pm.conv == Conv::TransferComplete) {
    const TSuit s = myAsk.strain;
    const int len = h.len[s];
    const int up = LevelOf(pdCall) - 2;
    int pts = c.pts + std::max(0, len - 5);
    const int lo = pts + p.minPts + (LevelOf(pdCall) == 3 && up == 0 ? 2 : 0), hi = pts + p.maxPts;
    Meaning m;
    m.Len(s, len >= 6 ? 6 : 5).Strain(s);
    if (len >= 6 && lo >= 31 && TrySlamAsk(c, s, lo + 2, kMain)) return true;
    if (hi < 25 || (LevelOf(pdCall) >= 3 && lo < 25)) c.Add(Pass, m, kMain);
    else if (lo >= 25) {
      if (len >= 6) c.Add(MakeBid(4, s), Meaning(m).As(Conv::SignOff), kMain);
      else c.Add(AtLeast(c, NT, 3), Meaning(m).Pts(25 - p.minPts, 32 - p.minPts), kMain);
      if (len == 5 && h.Shortest() <= 1) c.Add(MakeBid(4, s), Meaning(m).As(Conv::SignOff), kAlternative);
    } else {
      if (len >= 6) c.Add(MakeBid(3, s), Meaning(m).Pts(25 - p.maxPts, 24 - p.minPts).As(Conv::Invite), kMain);
      else c.Add(MakeBid(2, NT), Meaning(m).Pts(25 - p.maxPts, 24 - p.minPts).As(Conv::Invite), kMain);
      c.Add(Pass, m, kAlternative);
    }
    return true;
  }
  return false;
}

bool TrySlamAsk(Ctx& c, tAllTrump trump, int lowTotal, int score) {
  if (lowTotal < 33 || trump >= NT) return false;
  if (c.v.SideUsed(c.me, Conv::AceAsk)) return false;
  if (!c.Legal(MakeBid(4, NT))) return false;
  // With clubs as trumps an answer may pass five clubs: ask only holding aces.
  if (trump == Club && c.h.Aces() < 2) return false;
  if (trump == Diamond && c.h.Aces() < 1) return false;
  Meaning m;
  m.As(Conv::AceAsk).Strain(trump).Forcing(Force::OneRound);
  c.Add(MakeBid(4, NT), m, score);
  return true;
}

}  // namespace quorval::bidder
