#include "play/engine/solver.h"

#include <gtest/gtest.h>

#include "tests/play/engine_test_util.h"

namespace quorval::engine {
namespace {

PlayState Started() {
  PlayState st;
  StartPlay(st, testutil::DealFrom("N:AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ"),
            Contract{MakeBid(4, Spade), 0, North});
  return st;
}

TEST(SolverPosition, SecondCardOfATrickHasOnePlaceFilled) {
  PlayState st = Started();   // East leads
  ASSERT_TRUE(PlayCard(st, ParseCard("KH")));
  const SolverPosition pos = BuildSolverPosition(st);
  EXPECT_EQ(pos.trump, Spade);
  EXPECT_EQ(pos.first, East);
  EXPECT_EQ(pos.trick[0], ParseCard("KH"));
  EXPECT_EQ(pos.trick[1], 0);
  EXPECT_EQ(pos.trick[2], 0);
  EXPECT_EQ(pos.remain[East][Heart], testutil::H("AQJ"));   // the king is on the table
  EXPECT_EQ(pos.remain[North][Club], testutil::H("432"));
}

TEST(SolverResults, DeclarerTotalFromTheSideToPlay) {
  PlayState st = Started();
  SolverResult r;
  r.cards = 1;
  r.score[0] = 3;
  st.DeclarerTricks = 7;
  st.TrickNo = 9;
  st.ToPlay = North;   // declarer's side
  EXPECT_EQ(DeclarerTotal(st, r), 10);
  st.ToPlay = East;    // defenders with 3 more: 2 won, 3 to come
  EXPECT_EQ(DeclarerTotal(st, r), 8);
  r.score[0] = -1;
  EXPECT_EQ(DeclarerTotal(st, r), -1);
}

TEST(SolverResults, EqualLowerCardsCountAsSolverCards) {
  SolverResult r;
  r.cards = 1;
  r.card[0] = ParseCard("KH");
  r.equals[0] = testutil::H("QJ");
  EXPECT_TRUE(IsSolverCard(r, ParseCard("KH")));
  EXPECT_TRUE(IsSolverCard(r, ParseCard("JH")));
  EXPECT_FALSE(IsSolverCard(r, ParseCard("TH")));
  EXPECT_FALSE(IsSolverCard(r, ParseCard("KS")));
}

TEST(SolverResults, ChoiceSetsTheTargetAndPrefersACandidate) {
  PlayState st = Started();
  ASSERT_TRUE(PlayCard(st, ParseCard("KH")));
  int target = 14;
  // South's 432 of hearts are equals: the first candidate is a solver card.
  EXPECT_EQ(SolverChoice(st, {ParseCard("2H"), ParseCard("4H"), 0, 0}, target), ParseCard("2H"));
  // A candidate that is no solver card gives way to the solver's own card.
  const CardCode c = SolverChoice(st, {ParseCard("AS"), 0, 0, 0}, target);
  EXPECT_NE(c, ParseCard("AS"));
  EXPECT_EQ(SuitOf(c), Heart);
  // East-West cash three hearts and West's three clubs; the rest is
  // North-South's: four spades make seven tricks.
  EXPECT_EQ(target, 7);
  EXPECT_EQ(SolverStatusText(-4), std::string("Duplicated cards"));
  EXPECT_EQ(SolverStatusText(-77), std::string("Unknown error in DLL"));
}

}  // namespace
}  // namespace quorval::engine
