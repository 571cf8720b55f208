#include "play/engine/opening_lead.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "play/engine/candidates.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {

// The n-th highest rank held (1 = highest), 0 when there are fewer cards.
int NthRank(Holding h, int n) {
  for (int r = Ace; r >= 2; --r) {
    if (h & RankBit(r)) {
      if (--n == 0) return r;
    }
  }
  return 0;
}

bool Holds(Holding h, int rank) { return (h & RankBit(rank)) != 0; }

}  // namespace

LeadConvention LeadConventionFor(int playStyle) {
  if (playStyle == 5) return LeadConvention::Norwegian;
  if (playStyle == 7) return LeadConvention::Basic;
  return LeadConvention::Standard;
}

SuitShape ShapeOf(Holding h) {
  SuitShape s;
  s.Length = CardCount(h);
  s.Top1 = std::max(2, NthRank(h, 1));
  s.Top2 = std::max(2, NthRank(h, 2));
  s.Top3 = std::max(2, NthRank(h, 3));
  s.Top4 = std::max(2, NthRank(h, 4));
  s.MyLowRank = s.Length > 0 ? LowestRank(h) : 2;
  s.MyHcp = HighCardPoints(h);
  return s;
}

bool TopPair(const SuitShape& s) { return s.Top1 >= Ten && s.Top1 == s.Top2 + 1; }

bool BrokenTop(const SuitShape& s) { return TopPair(s) && s.Top3 >= s.Top2 - 2; }

bool InteriorRun(const SuitShape& s) {
  if (s.Top2 != s.Top3 + 1) return false;
  return (s.Top1 >= Queen && s.Top1 == s.Top2 + 2) || (s.Top1 >= King && s.Top1 == s.Top2 + 3) ||
         (s.Top1 == Ace && s.Top1 == s.Top2 + 4);
}

int TotalPoints(const std::array<Holding, 4>& hand) {
  int hcp = 0, dist = 0;
  bool voidSuit = false;
  for (Holding h : hand) {
    hcp += HighCardPoints(h);
    const int len = CardCount(h);
    if (len > 4) dist += len - 4;
    if (len == 0) voidSuit = true;
  }
  if (voidSuit) dist = std::max(dist, 2);
  return hcp + dist;
}

int AceRuns(const std::array<Holding, 4>& hand) {
  int runs = 0;
  for (Holding h : hand)
    for (int r = Ace; r >= 2 && Holds(h, r); --r) ++runs;
  return runs;
}

double Aggression(int theirTotalPoints, int leaderHcp, int partnerTotalPoints,
                  int rhoTotalPoints) {
  // Integer division in C++ truncates toward zero, as the factor wants.
  int m = -std::min(3, 14 - theirTotalPoints) - (leaderHcp - partnerTotalPoints) / 4;
  if (rhoTotalPoints > 11) m = std::min(-3, m / 2);
  m = std::clamp(m, -5, 5);
  return m * 0.1 + 0.5;
}

OpeningLeadContext MakeOpeningLeadContext(const OpeningLeadInput& in) {
  OpeningLeadContext ctx;
  ctx.input = &in;
  const Seat lho = NextSeat(in.leader), pd = PartnerOf(in.leader), rho = PrevSeat(in.leader);
  const int theirPoints = TotalPoints(in.hands[lho]) + TotalPoints(in.hands[rho]);
  ctx.leaderHcp = 0;
  for (Holding h : in.hands[in.leader]) ctx.leaderHcp += HighCardPoints(h);
  ctx.rhoTotalPoints = TotalPoints(in.hands[rho]);
  ctx.aggression = Aggression(theirPoints, ctx.leaderHcp, TotalPoints(in.hands[pd]),
                              ctx.rhoTotalPoints);
  ctx.aceRuns = AceRuns(in.hands[in.leader]);
  ctx.leaderHoldsTrumps = in.trump < NT && in.hands[in.leader][in.trump] != 0;
  return ctx;
}

int ScoreFrom(const OpeningLeadContext& ctx, TSuit suit, int attack, int passive) {
  const OpeningLeadInput& in = *ctx.input;
  const SuitShape s = ShapeOf(in.hands[in.leader][suit]);
  if (s.Top1 == Ace && in.target == 13) return 50;

  // Rounded to the nearest integer, an exact half to the even one.
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  int score = static_cast<int>(std::nearbyint((attack - passive) * ctx.aggression + passive));
  std::fesetround(saved);

  if (suit == in.trump) {
    if (s.Top1 == Queen || s.Top1 == King) {
      score = -10;
    } else if (s.Length >= 3) {
      score += 3 - s.Length;
    } else {
      score = s.Top2 > Ten ? 1 : std::max(score, passive + 3);
    }
  }
  if (s.Top1 == Jack && s.Length > 2) score -= 3;
  if (in.trump == NT) {
    if (ctx.leaderHcp > 13) score += 1;
    if (s.Length >= 5 && score > 0) score += s.Length + s.MyHcp;
  }
  return score;
}

namespace {

int NoTrumpScore(const OpeningLeadContext& ctx, TSuit suit, const SuitShape& s) {
  const OpeningLeadInput& in = *ctx.input;
  const int len = s.Length;
  const int d = 2 * len;
  if (s.Top1 == Ace && ctx.aceRuns > 7) return len + 25;
  if (s.Top1 == Ace && (s.Top2 == Jack || s.Top2 == Ten) && s.Top3 == s.Top2 - 1)
    return ScoreFrom(ctx, suit, d + 2, d - 3);
  if (s.Top1 == Ace && s.Top2 == Queen && s.Top3 == Jack) {
    // A tenace into a strong right-hand opponent is led only with an entry.
    if (ctx.rhoTotalPoints > 14 && !in.reachInOtherSuit[suit]) return 3;
    return ScoreFrom(ctx, suit, d + 2, d);
  }
  if (s.Top1 == Ace && s.Top2 == King &&
      (s.Top3 == Queen || s.Top3 == Jack || s.Top4 == 9))
    return ScoreFrom(ctx, suit, 4 * len, 5 * len);
  if (s.Top2 == s.Top1 - 1 && s.Top3 == s.Top2 - 1)
    return ScoreFrom(ctx, suit, 4 * len, 5 * len);
  const Seat lho = NextSeat(in.leader), rho = PrevSeat(in.leader);
  int t = 2 * (3 + len - CardCount(in.hands[rho][suit]) - CardCount(in.hands[lho][suit])) +
          s.MyHcp - 3;
  if ((s.Top1 == Ace && s.Top2 == Queen) || (s.Top1 == King && s.Top2 == Jack)) t -= 3;
  return ScoreFrom(ctx, suit, t, t + 4);
}

int ShortSuitScore(const OpeningLeadContext& ctx, TSuit suit, const SuitShape& s) {
  const bool nt = ctx.input->trump == NT;
  const bool weak = nt || !ctx.leaderHoldsTrumps;
  int b;
  if (s.Length == 2 && s.Top1 == Ace && s.Top2 == King) {
    b = 20;
  } else if (s.Length == 1) {
    if (s.Top1 == Ace) b = 4;
    else if (s.Top1 == King || s.Top1 == Queen) b = 14 - s.Top1;
    else b = 9;
    if (weak) b -= 4;
  } else if (s.Top1 == Ace) {
    b = 3;
  } else if (s.Top1 == King) {
    b = 0;
  } else {
    b = 14 - s.Top1;
  }
  if (weak) b = std::max(1, b - 6);
  return ScoreFrom(ctx, suit, b + 4, b);
}

int ThreeCardScore(const OpeningLeadContext& ctx, TSuit suit, const SuitShape& s) {
  const bool nt = ctx.input->trump == NT;
  if (s.Top1 < Ten) return ScoreFrom(ctx, suit, 2, 8);
  if (s.Top1 == Ace) {
    if (s.Top2 < Jack) return ScoreFrom(ctx, suit, 4, 1);
    if (!nt && (s.Top2 == Jack || s.Top2 == Queen)) return ScoreFrom(ctx, suit, 10, 1);
    const int score = nt ? NoTrumpScore(ctx, suit, s) : 0;
    if (score > 24) return score;
    if (s.Top2 == Jack) return ScoreFrom(ctx, suit, 3, 1);
    if (s.Top2 == Queen) return ScoreFrom(ctx, suit, 4, 1);
    return ScoreFrom(ctx, suit, 15, 12);
  }
  if (s.Top2 == s.Top1 - 1 && s.MyLowRank >= s.Top2 - 2) return ScoreFrom(ctx, suit, s.Top1, s.Top1);
  switch (s.Top1) {
    case Ten: return ScoreFrom(ctx, suit, 3, 5);
    case Jack: return ScoreFrom(ctx, suit, 1, 0);
    case Queen: return ScoreFrom(ctx, suit, 6, 6);
    default: return ScoreFrom(ctx, suit, 10, 5);
  }
}

int LongSuitScore(const OpeningLeadContext& ctx, TSuit suit, const SuitShape& s) {
  if (ctx.input->trump == NT) return NoTrumpScore(ctx, suit, s);
  const int len = s.Length;
  if (s.Top1 < Ten) return ScoreFrom(ctx, suit, 5, 5);
  if (s.Top1 == Ace) {
    if (s.Top2 == King) {
      if (s.Top3 == Queen) return ScoreFrom(ctx, suit, 25, 18);
      if (len > 5) return ScoreFrom(ctx, suit, 25 - len, 24 - len);
      return ScoreFrom(ctx, suit, 25, 25);
    }
    return s.Top2 == Queen ? ScoreFrom(ctx, suit, 3, 0) : ScoreFrom(ctx, suit, 7, 1);
  }
  if (s.Top2 == s.Top1 - 1 && s.Top3 >= s.Top2 - 2)
    return ScoreFrom(ctx, suit, s.Top1 + 4, s.Top1) + 12;
  const bool q109 = s.Top1 == Queen && s.Top2 == Ten && s.Top3 == 9;
  const bool k109 = s.Top1 == King && s.Top2 == Ten && s.Top3 == 9;
  const bool kj10 = s.Top1 == King && s.Top2 == Jack && s.Top3 == Ten;
  if (q109 || k109 || kj10) return ScoreFrom(ctx, suit, 15, 1);
  if (s.Top1 == King && s.Top2 == Queen) return ScoreFrom(ctx, suit, 13, 2);
  const int v = (s.Top1 - s.Top2 == 2) ? s.MyHcp + 1 : 4 * std::max(len - 4, 0) + s.MyHcp;
  switch (s.Top1) {
    case Ten: return ScoreFrom(ctx, suit, v, 1);
    case Jack: return ScoreFrom(ctx, suit, v + 1, v + 1);
    case Queen: return ScoreFrom(ctx, suit, v + 5, v + 1);
    default: return ScoreFrom(ctx, suit, v + 4, v + 2);
  }
}

}  // namespace

int OpeningSuitScore(const OpeningLeadContext& ctx, TSuit suit) {
  const SuitShape s = ShapeOf(ctx.input->hands[ctx.input->leader][suit]);
  if (s.Length <= 2) return ShortSuitScore(ctx, suit, s);
  if (s.Length == 3) return ThreeCardScore(ctx, suit, s);
  return LongSuitScore(ctx, suit, s);
}

int LeadCardIndex(LeadConvention convention, Holding h, bool noTrump) {
  const SuitShape s = ShapeOf(h);
  const int len = s.Length;
  const int oddOrEven = (len % 2 == 1) ? len : len - 1;
  switch (convention) {
    case LeadConvention::Standard:
      if (len <= 2 || s.Top1 < Ten || (!noTrump && s.Top1 == Ace) || BrokenTop(s)) return 1;
      if (InteriorRun(s)) return 2;
      if (TopPair(s)) return 1;
      return len;
    case LeadConvention::Norwegian:
      if (len == 2 && s.Top1 == Ace && s.Top2 == King) return 2;
      if (len <= 2 || s.Top1 < Ten || (!noTrump && s.Top1 == Ace) || BrokenTop(s)) return 1;
      if (InteriorRun(s)) return 2;
      if (!noTrump && TopPair(s)) return 1;
      if (noTrump && len > 3) return 4;
      return oddOrEven;
    case LeadConvention::Basic:
      if (len == 2 && s.Top2 == King) return 2;
      if (len <= 2 || (!noTrump && s.Top1 == Ace) || BrokenTop(s)) return 1;
      if (InteriorRun(s)) return 3;
      if (!noTrump && TopPair(s)) return 1;
      return oddOrEven;
  }
  return 1;
}

CardCode ChooseOpeningLeadCard(const OpeningLeadInput& in) {
  const OpeningLeadContext ctx = MakeOpeningLeadContext(in);
  int bestSuit = -1;
  int bestScore = 0;
  for (TSuit suit = Club; suit <= Spade; ++suit) {
    if (in.hands[in.leader][suit] == 0) continue;
    const int score = OpeningSuitScore(ctx, suit);
    // Later suits win ties, so equal scores lead the higher-ranking suit.
    if (bestSuit < 0 || score >= bestScore) {
      bestSuit = suit;
      bestScore = score;
    }
  }
  if (bestSuit < 0) return 0;
  const Holding h = in.hands[in.leader][bestSuit];
  const int rank = NthRank(h, LeadCardIndex(in.convention, h, in.trump == NT));
  return MakeCard(rank, bestSuit);
}

void ChooseOpeningLead(Position& p) {
  OpeningLeadInput in;
  in.hands = p.in.dealt;
  in.leader = p.seat;
  in.trump = p.trump;
  in.target = p.Target;
  in.convention = LeadConventionFor(p.in.playStyle);
  for (TSuit u = Club; u <= Spade; ++u) in.reachInOtherSuit[u] = ReachInOtherSuit(p, p.seat, u);
  p.Candidates = {};
  p.AddCandidate(ChooseOpeningLeadCard(in));
}

}  // namespace quorval::engine
