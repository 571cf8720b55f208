#include <gtest/gtest.h>

#include "play/engine/engine.h"
#include "play/engine/position.h"
#include "tests/play/engine_test_util.h"

namespace quorval::engine {
namespace {

using testutil::H;

TEST(CardSets, FunctionsOnHoldings) {
  EXPECT_EQ(Lowest(0), 0);
  EXPECT_EQ(Lowest(H("AQ5")), H("5"));
  EXPECT_EQ(Highest(0), 1);   // beaten by any card
  EXPECT_EQ(Highest(H("AQ5")), H("A"));
  EXPECT_EQ(NthHighest(2, H("AQ5")), H("Q"));
  EXPECT_EQ(NthHighest(3, H("AQ5")), H("5"));
  EXPECT_EQ(NthHighest(4, H("AQ5")), 0);
  EXPECT_EQ(NthHighest(0, H("AQ5")), 0);
  EXPECT_EQ(NthHighestRank(H("AQ5"), 2), 12);
  EXPECT_EQ(NthHighestRank(H("AQ5"), 4), 2);
  EXPECT_EQ(NthHighestRank(H("AQ5"), 0), 14);
  EXPECT_EQ(TopOfLowestRun(H("K8543")), H("5"));
  EXPECT_EQ(TopOfLowestRun(H("2")), H("2"));
  EXPECT_EQ(TopOfLowestRun(0), 0);
  EXPECT_EQ(RaiseThroughRun(H("J"), H("KQJ9")), H("K"));
  EXPECT_EQ(RaiseThroughRun(H("9"), H("KQJ9")), H("9"));
  EXPECT_EQ(Points(H("AKQJT")), 10);
  EXPECT_EQ(Count(H("AKQJT")), 5);
}

TEST(EngineViews, SecondCardsWithSingletons) {
  // Partner's singleton ace: our second card is my second card, the queen.
  const Position p = testutil::SuitPosition(H("KQ5"), H("A"), H("J9"), H("T8"));
  const SuitView& v = p.hands[South].Views[Spade];
  EXPECT_EQ(v.Our2, H("Q"));
  EXPECT_EQ(v.Their2, H("T"));
  // A singleton on the right: their second card is the left's second card.
  const Position q = testutil::SuitPosition(H("AK"), H("Q2"), H("J9"), H("T"));
  EXPECT_EQ(q.hands[South].Views[Spade].Their2, H("9"));
  // I hold one card: our second card is partner's second card.
  const Position r = testutil::SuitPosition(H("A"), H("KJ7"), H("Q9"), H("T8"));
  EXPECT_EQ(r.hands[South].Views[Spade].Our2, H("J"));
}

PlayState Started(const Deal& d, tAllTrump trump, Seat declarer) {
  PlayState st;
  StartPlay(st, d, Contract{MakeBid(2, trump), 0, declarer});
  return st;
}

const char* kDeal = "N:2.AKQJT987.6543. 3.65432.AKQJT98. 654..72.98765432 AKQJT987...AKQJT";

TEST(EngineReplay, NoCardsPlayedStopsAtTheOpeningLeader) {
  Position p;
  p.in = EngineInputFrom(Started(testutil::DealFrom(kDeal), NT, South), {}, 14);
  SetUpPosition(p);
  ASSERT_TRUE(ReplayActualPlay(p));
  EXPECT_EQ(p.seat, West);
  EXPECT_EQ(p.trick, 0);
  EXPECT_EQ(p.pos, 1);
  EXPECT_EQ(p.declarer, South);
  EXPECT_EQ(p.hands[North].DistPoints, 4);   // eight hearts; the void adds nothing above 2
  EXPECT_EQ(p.hands[East].DistPoints, 1 + 3);
  EXPECT_EQ(p.hands[South].DistPoints, 4);
}

TEST(EngineReplay, CardsOfTheTrickSoFarLeaveTheirHands) {
  // North leads its singleton spade; in third position South sees partner
  // void in spades while the frame still shows the card.
  PlayState st = Started(testutil::DealFrom(kDeal), NT, West);
  ASSERT_TRUE(PlayCard(st, ParseCard("2S")));
  ASSERT_TRUE(PlayCard(st, ParseCard("3S")));
  Position p;
  p.in = EngineInputFrom(st, {}, 14);
  SetUpPosition(p);
  ASSERT_TRUE(ReplayActualPlay(p));
  EXPECT_EQ(p.seat, South);
  EXPECT_EQ(p.pos, 3);
  LoadNodeHands(p);
  EXPECT_EQ(p.hands[North].Len(Spade), 0);
  EXPECT_EQ(p.hands[South].Views[Spade].PdLen, 0);
  EXPECT_EQ(p.frame().winCard, ParseCard("3S"));
  EXPECT_EQ(p.frame().winSeat, East);
}

TEST(EngineReplay, RefusesAPlayedCardTheSeatNeverHeld) {
  PlayState st = Started(testutil::DealFrom(kDeal), NT, South);
  Position p;
  p.in = EngineInputFrom(st, {}, 14);
  p.in.played[West][0] = ParseCard("2H");   // West holds no hearts
  SetUpPosition(p);
  EXPECT_FALSE(ReplayActualPlay(p));
}

}  // namespace
}  // namespace quorval::engine
