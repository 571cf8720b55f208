// Opening bids: one of a suit, the no-trump ranges, the strong 2C, weak twos
// (or the multi and the two-suited twos) and preempts, with the seat and the
// vulnerability deciding how light a hand may open.
#include <algorithm>

#include "bidding/rules.h"

namespace quorval::bidder {
namespace {

// The suit a one-level opening names.
TSuit OneLevelSuit(const Ctx& c) {
  const HandFacts& h = c.h;
  const int need = c.sys.majorLength;
  const int longest = *std::max_element(h.len.begin(), h.len.end());
  if (need == 4) {
    // Four-card majors: the longest suit, the higher of two five- or six-card
    // suits, hearts with both four-card majors, a major before a minor.
    if (longest >= 5) {
      for (TSuit s = 3; s >= 0; --s)
        if (h.len[s] == longest) return s;
    }
    if (h.len[Heart] == 4) return Heart;
    if (h.len[Spade] == 4) return Spade;
    return h.len[Diamond] >= 4 ? Diamond : Club;
  }
  // Five-card majors: the longer major; a longer minor comes first.
  const int major = std::max(h.len[Heart], h.len[Spade]);
  const int minor = std::max(h.len[Club], h.len[Diamond]);
  if (major >= 5 && major >= minor) return h.len[Spade] >= h.len[Heart] ? Spade : Heart;
  if (major >= 5 && minor == major + 1 && major >= 5 && minor >= 6 && c.pts < 16)
    return h.len[Diamond] >= h.len[Club] ? Diamond : Club;
  if (major >= 5) return h.len[Spade] >= h.len[Heart] ? Spade : Heart;
  if (h.len[Diamond] > h.len[Club]) return Diamond;
  if (h.len[Club] > h.len[Diamond]) return Club;
  return h.len[Club] == 3 ? Club : Diamond;  // 3-3 minors open 1C, 4-4 or 5-5 open 1D
}

Meaning OneSuitMeaning(const Ctx& c, TSuit s) {
  int promised = 3;
  if (s >= Heart) promised = c.sys.majorLength;
  else if (s == Diamond && c.sys.majorLength == 5) promised = 4;
  if (s == Diamond && c.h.len[Diamond] == 3) promised = 3;
  Meaning m;
  m.Pts(11, 21).Len(s, promised).Strain(s);
  return m;
}

void PreemptCandidates(Ctx& c, int passes) {
  const HandFacts& h = c.h;
  if (passes >= 3) return;  // nobody preempts in fourth seat
  const bool vul = c.WeVul();
  const int minPts = vul ? 7 : 5;
  const int maxPts = 10;
  if (c.pts < minPts - (passes == 2 ? 1 : 0) || c.pts > maxPts) return;
  const TSuit s = h.longest;
  const int len = h.len[s];
  // Vulnerable, a preempt needs a suit that plays well opposite nothing.
  if (vul && !h.GoodSuit(s)) return;
  // No preempt with four cards in an unbid major beside a long minor, first or second seat.
  if (s < Heart && passes < 2 && (h.len[Heart] >= 4 || h.len[Spade] >= 4)) return;
  const bool multi = c.sys.twos == TwoLevelStyle::MultiAndTwoSuiters;
  Meaning m;
  m.Pts(minPts, maxPts).Strain(s);
  if (len == 6 && s != Club) {
    if (!multi) {
      m.Len(s, 6, 6);
      c.Add(MakeBid(2, s), m, kMain);
    } else if (s >= Heart) {
      Meaning mm;
      mm.Pts(minPts, maxPts).As(Conv::Multi).Forcing(Force::OneRound);
      c.Add(MakeBid(2, Diamond), mm, kMain);
    }
    return;
  }
  if (len == 7) {
    m.Len(s, 7);
    c.Add(MakeBid(3, s), m, kMain);
    return;
  }
  if (len >= 8 && s >= Heart) {
    m.Len(s, 8);
    c.Add(MakeBid(4, s), m, kMain);
  } else if (len >= 8) {
    m.Len(s, 8);
    c.Add(MakeBid(3, s), m, kMain);
  }
}

// Std Norwegian: 2H/2S show five of the major and four or more of a minor.
void TwoSuitedTwo(Ctx& c, int passes) {
  if (c.sys.twos != TwoLevelStyle::MultiAndTwoSuiters || passes >= 3) return;
  const HandFacts& h = c.h;
  const int minPts = c.WeVul() ? 7 : 5;
  if (c.pts < minPts || c.pts > 10) return;
  for (TSuit s = Spade; s >= Heart; --s)
    if (h.len[s] == 5 && std::max(h.len[Club], h.len[Diamond]) >= 4 && h.len[Heart + Spade - s] <= 3) {
      Meaning m;
      m.Pts(minPts, 10).Len(s, 5, 5).Strain(s);
      c.Add(MakeBid(2, s), m, kMain);
      return;
    }
}

}  // namespace

void Openings(Ctx& c) {
  const HandFacts& h = c.h;
  const int passes = c.v.Size();
  std::array<int, 4> shape = h.len;
  std::sort(shape.begin(), shape.end(), std::greater<>());
  const int rule20 = c.pts + shape[0] + shape[1];
  const int pts = c.pts;

  if (pts >= 22 || (pts >= 19 && h.LosingTrickCount() <= 3)) {
    if (h.balanced && pts >= c.sys.nt2Min && pts <= c.sys.nt2Max) {
      // 20-21 balanced is 2NT; stronger balanced hands start with 2C.
    } else {
      Meaning m;
      m.Pts(22, 37).As(Conv::Strong2C).Forcing(Force::OneRound);
      c.Add(MakeBid(2, Club), m, kMain);
      return;
    }
  }
  if (h.balanced && pts >= c.sys.nt2Min && pts <= c.sys.nt2Max) {
    Meaning m;
    m.Pts(c.sys.nt2Min, c.sys.nt2Max).Balanced().Strain(NT);
    c.Add(MakeBid(2, NT), m, kMain);
    return;
  }

  // A balanced hand a point outside the no-trump range: some players open 1NT.
  if (h.balanced && passes < 3 && (pts == c.sys.ntMin - 1 || pts == c.sys.ntMax + 1))
    c.Add(MakeBid(1, NT), Meaning{}.Pts(c.sys.ntMin, c.sys.ntMax).Balanced().Strain(NT), kAlternative - 5);
  // Fourth seat opens when the spades give the side a fair share of the part score.
  bool open = pts >= 12 || (pts >= 11 && rule20 >= 20);
  // Borderline: one point short of the rule, or a flat twelve without tens.
  bool borderline = (pts == 11 && rule20 >= 19) || (pts == 12 && rule20 < 20 && !h.balanced) ||
                    (pts == 12 && shape[0] == 4 && shape[3] == 3);
  if (passes == 2) {
    open = open || (pts >= 10 && rule20 >= 19);
    borderline = borderline || pts == 10;
  }
  if (passes == 3) {
    open = pts >= 11 && pts + h.len[Spade] >= 15;
    borderline = pts >= 10 && pts + h.len[Spade] == 14;
  }

  if (open || borderline) {
    const int score = open ? kMain : kAlternative - 5;
    if (h.balanced && pts >= c.sys.ntMin && pts <= c.sys.ntMax) {
      Meaning m;
      m.Pts(c.sys.ntMin, c.sys.ntMax).Balanced().Strain(NT);
      c.Add(MakeBid(1, NT), m, score);
      // A five-card major may be opened instead.
      const TSuit s = OneLevelSuit(c);
      if (h.len[s] >= 5) c.Add(MakeBid(1, s), OneSuitMeaning(c, s), kAlternative);
    } else {
      const TSuit s = OneLevelSuit(c);
      c.Add(MakeBid(1, s), OneSuitMeaning(c, s), score);
      // Two long suits, or two or three four-card suits with nothing longer:
      // some players open the other one.
      for (TSuit t = 0; t < 4; ++t)
        if (t != s && h.len[t] >= 4 && h.len[t] == h.len[s] && (h.len[t] >= 5 || shape[0] == 4) &&
            (t < Heart || c.sys.majorLength <= h.len[t]))
          c.Add(MakeBid(1, t), OneSuitMeaning(c, t), kAlternative - 10);
      // A 5-4-2-2 hand, or a six-card minor with two doubletons, in the
      // no-trump range: many players open 1NT to show the strength at once.
      // The shape is the stretch, so the high cards themselves must fit.
      const bool longMinorOnly = shape[0] == 6 && h.len[Heart] < 6 && h.len[Spade] < 6;
      const auto inRange = [&](int p) { return p >= c.sys.ntMin && p <= c.sys.ntMax; };
      if (h.semiBalanced && (shape[0] == 5 || longMinorOnly) && inRange(pts) && inRange(h.hcp) && passes < 3)
        c.Add(MakeBid(1, NT), Meaning{}.Pts(c.sys.ntMin, c.sys.ntMax).Balanced().Strain(NT), kAlternative - 5);
    }
    if (open) {
      // An opening hand that is also a sound weak two or preempt: never both.
      c.Add(Pass, Meaning{}.Pts(0, 11), borderline ? kAlternative : 0);
      return;
    }
  }

  PreemptCandidates(c, passes);
  TwoSuitedTwo(c, passes);
  // Light actions some players take with a long suit: an opening one short of
  // the count, or a weak two on a good five-card major outside fourth seat.
  if (passes < 3) {
    const TSuit s = h.longest;
    if (pts >= 9 && h.len[s] >= 5 && rule20 >= 18 && !(open || borderline))
      c.Add(MakeBid(1, s), OneSuitMeaning(c, s), kAlternative - 12);
    if (s >= Heart && h.len[s] == 5 && h.GoodSuit(s) && pts >= 6 && pts <= 10 && !c.WeVul() &&
        c.sys.twos == TwoLevelStyle::WeakTwos)
      c.Add(MakeBid(2, s), Meaning{}.Pts(6, 10).Len(s, 5).Strain(s), kAlternative - 12);
    if (h.len[s] == 6 && s != Club && pts >= 4 && pts <= 10 && c.out.empty() && c.sys.twos == TwoLevelStyle::WeakTwos)
      c.Add(MakeBid(2, s), Meaning{}.Pts(4, 10).Len(s, 6).Strain(s), kAlternative - 12);
  }
  // Pass is the choice without an opening, the alternative to a borderline one.
  c.Add(Pass, Meaning{}.Pts(0, passes == 3 ? 14 : 12), borderline ? kMain - 1 : (c.out.empty() ? kMain : kAlternative));
}

}  // namespace quorval::bidder
