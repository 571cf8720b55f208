#include "play/engine/suit_analysis.h"

#include <gtest/gtest.h>

#include "tests/play/engine_test_util.h"

namespace quorval::engine {
namespace {

using testutil::H;
using testutil::SuitPosition;

CountHand Hand(Holding h, bool trump = false) { return {h, Count(h), trump}; }

TEST(CashCount, SingletonAceInPartnerThenMyRun) {
  CountHand me = Hand(H("KQJ")), pd = Hand(H("A")), lho = Hand(H("9876")), rho = Hand(H("5432"));
  EXPECT_EQ(CashCount(me, pd, lho, rho, true), 3);
  EXPECT_EQ(pd.len, 0);   // the ace went first, unblocking
  EXPECT_EQ(me.len, 0);
}

struct CashRow {
  const char* x;
  const char* y;
  const char* b1;
  const char* b2;
  bool trumpsOrNT;
  bool b1Trump;
  int tricks;
};

TEST(CashCount, Table) {
  const CashRow rows[] = {
      {"AK", "32", "QJ", "T9", true, false, 2},
      {"AKQ", "", "J4", "T9", true, false, 3},
      {"AQ", "32", "KJ", "T9", true, false, 1},      // the king stops the run
      {"K", "Q", "A2", "3", true, false, 0},
      {"AKQ", "32", "", "JT9", false, true, 0},      // a void opponent with a trump
      {"AKQ", "32", "", "JT9", true, true, 3},       // at no trump the void is harmless
      {"", "", "A", "", true, false, 0},
  };
  for (const auto& r : rows) {
    CountHand x = Hand(H(r.x)), y = Hand(H(r.y)), b1 = Hand(H(r.b1), r.b1Trump), b2 = Hand(H(r.b2));
    EXPECT_EQ(CashCount(x, y, b1, b2, r.trumpsOrNT), r.tricks) << r.x << "/" << r.y;
  }
}

TEST(RunCount, CountsOurTricksAndTheRuffsApart) {
  Position p = SuitPosition(H("AKQ"), H("J2"), H("543"), H("T98"));
  SuitView& v = p.view();
  SuitCopies c = CopiesOf(p, v);
  EXPECT_EQ(RunCount(p, v, 0, c), 3);
  EXPECT_EQ(v.RuffCount, 0);

  // Hearts trumps; West holds a trump and no spade: our winners are ruffed.
  Position q = SuitPosition(H("AKQ"), H("J2"), 0, H("T98"), Spade, Heart);
  q.hands[West].Suits[Heart].Current = H("2");
  q.hands[West].Suits[Heart].Length = 1;
  RefreshViews(q);
  SuitView& w = q.view();
  SuitCopies d = CopiesOf(q, w);
  EXPECT_EQ(RunCount(q, w, 0, d), 0);
  EXPECT_EQ(w.RuffCount, 3);
}

TEST(LeadVerdict, RuleFiveGivesMinusTwo) {
  // K2 opposite 876: the ace on my right, the queen-jack on my left.
  Position p = SuitPosition(H("K2"), H("876"), H("QJ9"), H("A5"));
  p.seat = South;
  p.pos = 1;
  AnalyseSuit(p, Spade);
  EXPECT_EQ(p.hands[South].Views[Spade].LeadVerdict, -2);
}

TEST(LeadVerdict, ZeroWhenNotOnLeadOrOneSideHoldsAllTheTops) {
  Position p = SuitPosition(H("K2"), H("876"), H("QJ9"), H("A5"));
  p.pos = 2;
  EXPECT_EQ(LeadVerdict(p, p.view()), 0);
  Position q = SuitPosition(H("AKQ"), H("J2"), H("543"), H("T98"));
  EXPECT_EQ(LeadVerdict(q, q.view()), 0);
}

struct EstimateRow {
  const char* me;
  const char* pd;
  const char* lho;
  const char* rho;
  tAllTrump trump;
  int suitTricks;
  int surplus;   // tricks beyond partner's length: what partner can discard on
};

TEST(AnalyseSuit, TrickEstimates) {
  const EstimateRow rows[] = {
      {"AKQ", "32", "", "", NT, 3, 1},             // both opponents void at no trump
      {"AKQ", "32", "", "", Heart, 3, 1},          // and without trumps in a suit contract
      {"AKQ", "J2", "543", "T98", NT, 3, 1},       // all the top cards
      {"32", "54", "AKQ", "JT9", NT, -3, -5},      // theirs
      {"", "", "AK", "QJ", NT, -2, -2},            // we hold nothing
      {"AKQJ", "T9876", "5", "432", NT, 5, 0},     // every card of partner's five wins
  };
  for (const auto& r : rows) {
    Position p = SuitPosition(H(r.me), H(r.pd), H(r.lho), H(r.rho), Spade, r.trump);
    AnalyseSuit(p, Spade);
    const SuitView& v = p.hands[South].Views[Spade];
    EXPECT_EQ(v.SuitTricks, r.suitTricks) << r.me << " " << r.pd << " " << r.lho << " " << r.rho;
    EXPECT_EQ(v.Surplus, r.surplus) << r.me << " " << r.pd;
  }
}

TEST(AnalyseSuit, RunningCountLeavesLessForTheCashingCounts) {
  // We cash three tricks; the opponents keep their jack for later, which the
  // cashing count after the run must not count twice.
  Position p = SuitPosition(H("AKQ"), H("32"), H("J654"), H("T9"));
  AnalyseSuit(p, Spade);
  const SuitView& v = p.hands[South].Views[Spade];
  EXPECT_EQ(v.SuitTricks, 3);
  EXPECT_LE(v.SuitValue, 4);
}

}  // namespace
}  // namespace quorval::engine
