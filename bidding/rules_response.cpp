// Responder's first call after partner's opening: raises (simple, limit,
// Jacoby 2NT, splinters, the 2NT game raise), new suits, no trump, answers to
// 2C and to preempts, and the same with an opponent's overcall or double.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {
namespace {

// Cards of support that make a fit with partner's promised length.
int SupportNeeded(const Knowledge& p, TSuit s) { return std::max(2, 8 - p.minLen[s]); }

void StrongTwoAnswers(Ctx& c) {
  const HandFacts& h = c.h;
  if (!c.RhoPassed()) {
    c.Add(Pass, Meaning{}.Pts(0, 7), kMain);
    return;
  }
  for (TSuit s = Spade; s >= Club; --s)
    if (c.pts >= 8 && h.len[s] >= 5 && h.GoodSuit(s)) {
      Meaning m;
      m.Pts(8, 37).Len(s, 5).Strain(s).Forcing(Force::Game);
      c.Add(c.Cheapest(s), m, kMain);
      Meaning w;
      w.Pts(0, 37).As(Conv::Waiting).Forcing(Force::OneRound);
      c.Add(MakeBid(2, Diamond), w, kAlternative);
      return;
    }
  if (c.pts >= 8 && h.balanced) {
    Meaning m;
    m.Pts(8, 37).Balanced().Strain(NT).Forcing(Force::Game);
    c.Add(MakeBid(2, NT), m, kMain);
  }
  Meaning w;
  w.Pts(0, 37).As(Conv::Waiting).Forcing(Force::OneRound);
  c.Add(MakeBid(2, Diamond), w, c.out.empty() ? kMain : kAlternative);
}

// Partner opened with a weak two, the multi or a preempt.
void PreemptAnswers(Ctx& c, CallCode open, const Meaning& om) {
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  if (om.conv == Conv::Multi) {
    if (!c.RhoPassed()) {
      c.Add(Pass, {}, kMain);
      return;
    }
    if (c.pts >= 16) {
      Meaning m;
      m.Pts(16, 37).As(Conv::FeatureAsk).Forcing(Force::OneRound);
      c.Add(MakeBid(2, NT), m, kMain);
    }
    Meaning m;
    m.Pts(0, 15).As(Conv::PassOrCorrect);
    c.Add(MakeBid(2, Heart), m, c.out.empty() ? kMain : kPossible);
    // With a spade fit and no hearts, bid spades to play at once.
    if (c.pts < 16 && h.len[Spade] >= 3 && h.len[Heart] <= 1)
      c.Add(MakeBid(2, Spade), Meaning{}.Pts(0, 15).Len(Spade, 3).As(Conv::PassOrCorrect), kAlternative);
    return;
  }
  const TSuit s = StrainOf(open);
  const int fit = h.len[s] + p.minLen[s];
  const int support = fit >= 8 ? h.SupportPoints(s) : h.hcp;
  const int lo = support + c.pts - h.hcp + p.minPts, hi = support + c.pts - h.hcp + p.maxPts;
  const bool major = s >= Heart;
  if (fit >= 8 && lo >= 25 && major) {
    if (!TrySlamAsk(c, s, lo, kMain)) c.Add(MakeBid(4, s), Meaning{}.Pts(15, 37).Strain(s).As(Conv::SignOff), kMain);
    return;
  }
  if (lo >= 25 && !major) {
    bool stoppers = true;
    for (TSuit t = 0; t < 4; ++t)
      if (t != s && !h.Stopper(t)) stoppers = false;
    if (stoppers || (fit >= 8 && h.Holds(s, Ace)))
      c.Add(MakeBid(3, NT), Meaning{}.Pts(16, 37).Strain(NT).As(Conv::SignOff), kMain);
  }
  if (LevelOf(open) == 2 && hi >= 25 && c.RhoPassed()) {
    Meaning m;
    m.Pts(15, 37).As(Conv::FeatureAsk).Forcing(Force::OneRound);
    c.Add(MakeBid(2, NT), m, kMain - 2);
  }
  // A fit raises the preempt by the number of trumps held together.
  if (fit >= 9 && c.pts < 15) {
    const int level = std::min(fit - 6, major ? 4 : 5);
    if (level > LevelOf(open) && c.Legal(MakeBid(level, s)))
      c.Add(MakeBid(level, s), Meaning{}.Pts(0, 14).Len(s, 3).Strain(s).As(Conv::SignOff),
            c.TheyVul() || !c.WeVul() ? kMain - 3 : kAlternative);
  }
  // A long suit of our own, strong enough to insist on it.
  for (TSuit t = Spade; t >= Club; --t)
    if (t != s && h.len[t] >= 6 && c.pts >= 14 && h.GoodSuit(t) && h.len[s] <= 1)
      c.Add(c.Cheapest(t), Meaning{}.Pts(14, 37).Len(t, 6).Strain(t).Forcing(Force::OneRound), kAlternative + 5);
  c.Add(Pass, Meaning{}.Pts(0, 15), kMain - 5);
}

// The major raises of the system when responder holds a fit for partner's major.
void MajorRaises(Ctx& c, TSuit s, bool passedHand) {
  const HandFacts& h = c.h;
  const int sp = c.pts - h.hcp + h.SupportPoints(s);
  const bool four = h.len[s] >= 4;
  Meaning base;
  base.Len(s, c.sys.majorLength == 5 ? 3 : 4).Strain(s);
  if (sp >= 6 && sp <= 9) {
    c.Add(MakeBid(2, s), Meaning(base).Pts(6, 9), kMain);
    if (h.len[s] >= 5 && c.pts <= 7 && !c.WeVul())
      c.Add(MakeBid(4, s), Meaning(base).Pts(0, 9).As(Conv::SignOff), kAlternative);
    return;
  }
  if (sp >= 10 && sp <= 12) {
    c.Add(MakeBid(3, s), Meaning(base).Pts(10, 12).As(Conv::LimitRaise), kMain);
    c.Add(MakeBid(2, s), Meaning(base).Pts(6, 9), kAlternative);
    return;
  }
  if (sp < 13) return;
  Meaning gf = base;
  gf.Pts(13, 37).Forcing(Force::Game);
  if (passedHand) {
    c.Add(MakeBid(4, s), Meaning(base).Pts(11, 13), kMain);
    return;
  }
  switch (c.sys.raises) {
    case MajorRaiseStyle::JacobySplinters:
      if (four) {
        // A singleton or void opposite a minimum-range game raise: splinter.
        for (TSuit t = 0; t < 4; ++t)
          if (t != s && h.len[t] <= 1 && sp <= 16 && !(t == Spade && s == Heart && false)) {
            const int level = (t > s) ? 3 : 4;
            if (level == 3 && t == Spade && s == Heart) {
              c.Add(MakeBid(3, Spade), Meaning(gf).Len(t, 0, 1).As(Conv::Splinter), kMain);
              break;
            }
            if (t < s) {
              c.Add(MakeBid(4, t), Meaning(gf).Len(t, 0, 1).As(Conv::Splinter), kMain);
              break;
            }
          }
        c.Add(MakeBid(2, NT), Meaning(gf).Len(s, 4).As(Conv::Jacoby2NT), c.out.empty() ? kMain : kAlternative);
      }
      break;
    case MajorRaiseStyle::LimitWith2NTGameRaise:
      if (four) c.Add(MakeBid(2, NT), Meaning(gf).Len(s, 4).As(Conv::GameRaise2NT), kMain);
      break;
    case MajorRaiseStyle::Limit:
      break;
  }
  if (!c.out.empty()) {
    // A natural new suit first is what many players bid with a game raise.
    for (TSuit t = 0; t < 4; ++t)
      if (t != s && h.len[t] >= 4 && LevelOf(c.Cheapest(t)) <= 2 && (LevelOf(c.Cheapest(t)) == 1 || c.pts >= 12)) {
        c.Add(c.Cheapest(t), Meaning{}.Pts(12, 37).Len(t, 4).Strain(t).Forcing(Force::OneRound), kAlternative);
        break;
      }
    return;
  }
  // Otherwise a new suit first, to raise to game (or look for slam) next time.
  for (TSuit t = 0; t < 4; ++t) {
    if (t == s || h.len[t] < 4) continue;
    const CallCode bid = c.Cheapest(t);
    if (LevelOf(bid) == 2 || (LevelOf(bid) == 1)) {
      c.Add(bid, Meaning{}.Pts(13, 37).Len(t, 4).Strain(t).Forcing(Force::OneRound), kMain);
      break;
    }
  }
  c.Add(MakeBid(4, s), Meaning(base).Pts(13, 15), c.out.empty() ? kMain : kAlternative);
}

// Natural responses: new suits, no trump and minor raises.
void NaturalResponses(Ctx& c, TSuit opened, bool passedHand, bool interference) {
  const HandFacts& h = c.h;
  const Knowledge& p = c.Partner();
  const int pts = c.pts;
  const bool gf21 = c.sys.twoOverOneGameForcing && !passedHand && !interference;
  // One-level suits: the longest, or up the line with four-card suits; a weak
  // hand shows a major before a longer minor.
  std::vector<TSuit> order;
  for (TSuit t = 0; t < 4; ++t)
    if (t != opened && h.len[t] >= 4) order.push_back(t);
  std::stable_sort(order.begin(), order.end(), [&](TSuit a, TSuit b) {
    if (h.len[a] >= 5 || h.len[b] >= 5) {
      if (h.len[a] != h.len[b]) return h.len[a] > h.len[b];
      return a > b;
    }
    return a < b;
  });
  bool first = true;
  for (TSuit t : order) {
    if (c.TheyBid(t)) continue;
    const CallCode bid = c.Cheapest(t);
    const int level = LevelOf(bid);
    Meaning m;
    m.Len(t, level >= 2 && interference ? 5 : 4).Strain(t);
    if (level == 1) {
      if (pts < 6) continue;
      if (t < Heart && pts <= 10 && (h.len[Heart] >= 4 || h.len[Spade] >= 4) && h.len[t] < 6 &&
          opened < t)
        continue;  // weak: the major first
      m.Pts(6, 37).Forcing(passedHand ? Force::None : Force::OneRound);
      c.Add(bid, m, first ? kMain : kAlternative);
      first = false;
    } else if (level == 2) {
      const int need = gf21 ? 12 : (interference ? 10 : 10);
      if (pts < need) continue;
      if (t == Heart && opened == Spade && h.len[t] < 5) continue;
      m.Pts(need, 37).Forcing(gf21 ? Force::Game : (passedHand ? Force::None : Force::OneRound));
      c.Add(bid, m, first ? kMain - 1 : kAlternative);
      first = false;
    } else if (level == 3 && pts >= 11 && h.len[t] >= 6) {
      m.Pts(11, 37).Len(t, 6).Forcing(Force::OneRound);
      c.Add(bid, m, first ? kMain - 2 : kAlternative);
      first = false;
    }
  }
  // Minor raises.
  if (opened < Heart && h.len[opened] >= std::max(4, SupportNeeded(p, opened)) && h.len[Heart] < 4 && h.len[Spade] < 4) {
    if (pts >= 6 && pts <= 9) c.Add(c.Cheapest(opened), Meaning{}.Pts(6, 9).Len(opened, 4).Strain(opened), kMain - 3);
    if (pts >= 10 && pts <= 12)
      c.Add(MakeBid(3, opened), Meaning{}.Pts(10, 12).Len(opened, 4).Strain(opened).As(Conv::LimitRaise),
            kMain - 3);
  }
  // No trump: balanced-ish, with the opponents' suit stopped after an overcall.
  bool stopped = true;
  for (TSuit t = 0; t < 4; ++t)
    if (c.TheyBid(t) && !h.Stopper(t)) stopped = false;
  const bool ntShape = h.balanced || (h.semiBalanced && h.len[opened] <= 2);
  const int oneNtMax = (c.sys.twoOverOneGameForcing && !passedHand) ? 11 : 10;
  if (stopped) {
    const CallCode one = c.Cheapest(NT);
    if (LevelOf(one) == 1 && pts >= 6 && pts <= oneNtMax && !(interference && pts < 8))
      c.Add(one, Meaning{}.Pts(interference ? 8 : 6, oneNtMax).Strain(NT), c.out.empty() ? kMain : kAlternative);
    const bool twoNtFree = opened < Heart || c.sys.raises == MajorRaiseStyle::Limit || interference;
    // Balanced without a major to show: no trump comes before a minor suit.
    const bool noMajor = h.len[Heart] < 4 && h.len[Spade] < 4;
    const int ntScore = noMajor && h.balanced ? kMain : kMain - 4;
    if (ntShape && pts >= 11 && pts <= 12 && twoNtFree && !passedHand)
      c.Add(MakeBid(2, NT), Meaning{}.Pts(11, 12).Balanced().Strain(NT), ntScore);
    if (ntShape && pts >= 13 && pts <= 15 && noMajor)
      c.Add(MakeBid(3, NT), Meaning{}.Pts(13, 15).Balanced().Strain(NT), ntScore);
  }
  // A strong hand with nothing natural to say bids a three-card minor, forcing.
  if (pts >= 13 && first) {
    const TSuit m = (opened != Club && h.len[Club] >= 3) ? Club : (opened != Diamond ? Diamond : Club);
    c.Add(c.Cheapest(m), Meaning{}.Pts(13, 37).Len(m, 3).Strain(m).Forcing(gf21 ? Force::Game : Force::OneRound),
          c.out.empty() ? kMain : kAlternative);
  }
}

// Partner opened one of a suit and the right-hand opponent doubled or bid.
void CompetitiveResponses(Ctx& c, TSuit opened) {
  const HandFacts& h = c.h;
  const CallCode rhoCall = c.LastCallOf(c.rho);
  const int pts = c.pts;
  if (rhoCall == Double) {
    if (pts >= 10) c.Add(Redouble, Meaning{}.Pts(10, 37).As(Conv::Redouble), kMain - 6);
    return;
  }
  if (!IsBid(rhoCall)) return;
  const TSuit theirs = StrainOf(rhoCall);
  const int level = LevelOf(rhoCall);
  // A good raise by the cue bid of their suit.
  if (opened != NT && theirs != NT && h.len[opened] + c.Partner().minLen[opened] >= 8 &&
      h.SupportPoints(opened) >= 11 && c.Legal(c.Cheapest(theirs)) && c.Cheapest(theirs) < MakeBid(4, opened))
  {
    c.Add(c.Cheapest(theirs), Meaning{}.Pts(11, 37).Len(opened, 3).Strain(opened).As(Conv::CueRaise).Forcing(Force::OneRound),
          kMain);
    if (opened >= Heart && h.SupportPoints(opened) >= 13)
      c.Add(c.Cheapest(opened) <= MakeBid(4, opened) ? MakeBid(4, opened) : Pass,
            Meaning{}.Pts(13, 37).Len(opened, 3).Strain(opened), kAlternative);
  }
  if (c.sys.negativeDoubles && theirs != NT && level <= 3) {
    int unbidMajors = 0, held = 0;
    for (TSuit t = Heart; t <= Spade; ++t)
      if (t != opened && t != theirs) {
        ++unbidMajors;
        if (h.len[t] >= 4) ++held;
      }
    const int need = level == 1 ? 6 : (level == 2 ? 8 : 11);
    if (unbidMajors > 0 && held > 0 && pts >= need) {
      Meaning m;
      m.Pts(need, 37).As(Conv::NegativeDouble).Forcing(Force::OneRound);
      if (unbidMajors == 1)
        for (TSuit t = Heart; t <= Spade; ++t)
          if (t != opened && t != theirs) m.Len(t, 4);
      c.Add(Double, m, kMain - 1);
    }
  } else if (theirs != NT && level <= 2 && h.len[theirs] >= 4 && h.Hcp(theirs) >= 4 && pts >= 10) {
    c.Add(Double, Meaning{}.Pts(10, 37).Len(theirs, 4).As(Conv::PenaltyDouble), kMain - 1);
  }
  if (theirs == NT && pts >= 9)
    c.Add(Double, Meaning{}.Pts(9, 37).As(Conv::PenaltyDouble), kMain);
}

}  // namespace

void Responses(Ctx& c) {
  const View& v = c.v;
  const int first = v.FirstBidIndex();
  const CallCode open = v.calls()[first];
  const Meaning& om = v.meanings[first];
  const bool passedHand = c.IPassedBefore();
  if (om.conv == Conv::Strong2C) {
    StrongTwoAnswers(c);
    return;
  }
  if (StrainOf(open) == NT) {
    // Our no trump with an opponent's call over it: natural competition.
    Continuation(c);
    return;
  }
  if (LevelOf(open) >= 2 || om.conv == Conv::Multi) {
    PreemptAnswers(c, open, om);
    return;
  }
  const TSuit s = StrainOf(open);
  const bool interference = !c.RhoPassed();
  const Knowledge& p = c.Partner();
  const int pts = c.pts;
  if (interference) CompetitiveResponses(c, s);
  if (s >= Heart && c.h.len[s] >= SupportNeeded(p, s) && c.h.len[s] >= (c.sys.majorLength == 5 ? 3 : 4)) {
    if (!interference || c.Legal(MakeBid(2, s))) MajorRaises(c, s, passedHand);
    if (interference && !c.out.empty()) {
      // Over an overcall the raise stays natural: no conventional 2NT.
      c.out.erase(std::remove_if(c.out.begin(), c.out.end(),
                                 [](const Candidate& x) {
                                   return x.meaning.conv == Conv::Jacoby2NT || x.meaning.conv == Conv::GameRaise2NT ||
                                          x.meaning.conv == Conv::Splinter;
                                 }),
                  c.out.end());
    }
    // A four-card spade suit is an alternative to a simple raise of hearts.
    if (s == Heart && c.h.len[Spade] >= 4 && pts >= 6 && pts <= 9 && c.Legal(MakeBid(1, Spade)))
      c.Add(MakeBid(1, Spade), Meaning{}.Pts(6, 37).Len(Spade, 4).Strain(Spade).Forcing(Force::OneRound), kAlternative);
  }
  if (c.out.empty() || c.out.front().score < kMain - 3) NaturalResponses(c, s, passedHand, interference);
  // A near-response that many players make with four or five points.
  if (pts >= 4 && pts <= 5 && !interference) {
    if (s >= Heart && c.h.len[s] >= 3 + (c.sys.majorLength == 4 ? 1 : 0))
      c.Add(MakeBid(2, s), Meaning{}.Pts(4, 9).Len(s, 3).Strain(s), kAlternative - 12);
    for (TSuit t = Spade; t > s; --t)
      if (c.h.len[t] >= 5) {
        c.Add(MakeBid(1, t), Meaning{}.Pts(4, 37).Len(t, 4).Strain(t).Forcing(Force::OneRound), kAlternative - 12);
        break;
      }
  }
  if (pts < 6) c.Add(Pass, Meaning{}.Pts(0, 5), kMain);
  else c.Add(Pass, Meaning{}.Pts(0, interference ? 9 : 5), interference ? kMain - 8 : kPossible);
}

}  // namespace quorval::bidder
