// A sample of the lead base-score rows, across the tables. Each case lays
// out a position whose shape selects the row, then sets the suit estimate
// the row reads.

#include <gtest/gtest.h>

#include "play/engine/lead_tables.h"
#include "tests/play/follow_suit_fixture.h"

namespace quorval::engine {
namespace {

using testing::MakePosition;

// The leader's view of a suit with the estimate fields set by hand.
SuitView& Estimate(Position& p, TSuit suit, int tricks, int verdict, int value) {
  SuitView& v = p.hands[p.seat].Views[suit];
  v.SuitTricks = tricks;
  v.LeadVerdict = verdict;
  v.SuitValue = value;
  v.SecondVerdict = 0;
  v.ExtraA = v.ExtraB = 0;
  v.SuitRuns = false;
  v.PdTopsThem = v.PdCards > v.TheirCards;
  return v;
}

LeadWide Quiet() {
  LeadWide w;
  w.StillNeeded = 5;   // far from the defence's last trick
  w.MyEntries = 1;
  return w;
}

TEST(DefenderSideSuit, BothOpponentsRuffPartnerCannot) {
  // Hearts are trumps; North and South are void in spades and hold hearts,
  // East (West's partner) holds spades but cannot ruff.
  Position p = MakePosition(".AKQ.AKQ.AKQ", "JT98.2.65.65", ".JT9.JT9.JT9", "AKQ2.3.432.432",
                            Heart, West);
  Estimate(p, Spade, -1, 0, 0);
  LeadWide w = Quiet();
  LeadTable t(p, w, Spade);
  EXPECT_EQ(t.DefenderSideSuit(), 10);
  // When the tricks in sight are enough to beat the contract it gains 300.
  w.OurSuitTricks = 5;
  EXPECT_EQ(t.DefenderSideSuit(), 310);
}

TEST(CommonScore, RuffingSuitStartsAt480) {
  // Hearts trumps; East is void in clubs with trumps, West holds clubs and
  // as many trumps: partner can ruff the suit West leads.
  Position p = MakePosition("K2.K2.K2.K2", "Q3.Q3.Q3.", "A4.A4.A4.A4", "J5.J5.J5.QJ5", Heart,
                            West);
  Estimate(p, Club, 0, 0, 0);
  LeadWide w = Quiet();
  w.ShortLast = 2;
  LeadTable t(p, w, Club);
  ASSERT_TRUE(t.RuffingSuit());
  EXPECT_EQ(t.CommonScore(), 480);
  // Then only the final adjustments: a wrong-side second verdict costs 10.
  p.hands[West].Views[Club].SecondVerdict = -1;
  EXPECT_EQ(LeadTable(p, w, Club).CommonScore(), 470);
}

TEST(CommonScore, RunningSuitAtNoTrumpStartsAt900) {
  // West's A-K-Q of spades runs; partner has two, the opponents three.
  Position p = MakePosition("J98.2.2.2", "54.3.3.3", "T76.4.4.4", "AKQ.5.5.5", NT, West);
  SuitView& v = Estimate(p, Spade, 3, 0, 0);
  v.SuitRuns = true;
  LeadWide w = Quiet();
  EXPECT_EQ(LeadTable(p, w, Spade).CommonScore(), 900);
  // Against a wrong-side lead verdict the running suit is kept for later.
  v.LeadVerdict = -1;
  EXPECT_EQ(LeadTable(p, w, Spade).CommonScore(), 120 - 10);
}

struct LastResortRow {
  int verdict;
  int expected;
};

TEST(LastResort, VerdictHalvesOrAddsTwenty) {
  Position p = MakePosition("K2.K2.K2.K2", "Q3.Q3.Q3.Q3", "A4.A4.A4.A4", "J5.J5.J5.J5", NT, West);
  const LastResortRow rows[] = {{-1, 55}, {0, 110}, {1, 130}};
  for (const LastResortRow& row : rows) {
    Estimate(p, Spade, -2, row.verdict, 0);
    LeadWide w = Quiet();
    EXPECT_EQ(LeadTable(p, w, Spade).LastResort(), row.expected) << row.verdict;
  }
}

TEST(DeclarerTrumpScore, NoTrumpsOutAgainstUs) {
  // North on lead for declarer South with spades trumps; the opponents have
  // none left. Drawing trumps is pointless: 2.
  Position p = MakePosition("AK32.2.2.", "5.K3.Q3.3", "QJ.A4.A4.", "4.Q5.J5.5", Spade, West,
                            {"4S", "AS", "5S", "JS"});
  ASSERT_EQ(p.seat, North);
  Estimate(p, Spade, 3, 0, 3);
  LeadWide w = Quiet();
  EXPECT_EQ(LeadTable(p, w, Spade).DeclarerTrumpScore(), 2);
}

struct TrumpAdjustRow {
  const char* northSpades;
  const char* southSpades;
  int x;
  int expected;
};

TEST(TrumpAdjust, PartnersShortTrumpsMakeARuffWorthMore) {
  // North leads a heart; spades are trumps. Partner (South) shorter in
  // trumps: +150; one trump only: a further -10; +10 always.
  const TrumpAdjustRow rows[] = {
      {"AK32", "QJ", 100, 260},
      {"AK32", "Q", 100, 250},
  };
  for (const TrumpAdjustRow& row : rows) {
    Position p = MakePosition(std::string(row.northSpades) + ".A2..", "T98.K3.3.",
                              std::string(row.southSpades) + ".Q4.4.", "765.J5.5.", Spade, East);
    ASSERT_EQ(p.seat, East);
    // Look from North's side: make North the seat to score for.
    p.seat = North;
    Estimate(p, Heart, 1, 0, 1);
    LeadWide w = Quiet();
    EXPECT_EQ(LeadTable(p, w, Heart).TrumpAdjust(row.x), row.expected) << row.southSpades;
  }
}

}  // namespace
}  // namespace quorval::engine
