// What a deal is worth: the trick tables of deals whose figures were worked
// out by hand, par from hand-made tables (a game, a sacrifice, a board to
// pass out) with the one contract a board is made for, and the solver asked
// from several threads at once.
#include "play/dd_solver.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/prng.h"
#include "play/review/dd_facts.h"
#include "tests/play/engine_test_util.h"

namespace quorval {
namespace {

using testutil::H;

// North all the spades, West all the clubs; South the ace of hearts and the
// diamonds down to the three; East the other hearts and the two of
// diamonds. In no-trump only East's lead lets North-South in, so North
// makes thirteen tricks and South none. In hearts North-South keep the ace
// and, when East must lead, one diamond trick (East has to follow to the
// first diamond); with South declaring, East throws the two of diamonds on
// West's club lead and ruffs every diamond.
Deal LopsidedDeal() {
  Deal d;
  d.at(North, Spade) = H("AKQJT98765432");
  d.at(East, Heart) = H("KQJT98765432");
  d.at(East, Diamond) = H("2");
  d.at(South, Heart) = H("A");
  d.at(South, Diamond) = H("AKQJT9876543");
  d.at(West, Club) = H("AKQJT98765432");
  return d;
}

TEST(DdTable, AHandWorkedDealStrainByStrainAndSeatBySeat) {
  DdTable t;
  std::string error;
  ASSERT_TRUE(AnalyseDeal(LopsidedDeal(), t, error)) << error;
  DdTable expected;
  //                      N   E   S   W
  expected.tricks[NT] = {13, 0, 0, 0};
  expected.tricks[Spade] = {13, 0, 13, 0};
  expected.tricks[Heart] = {2, 11, 1, 11};
  expected.tricks[Diamond] = {13, 0, 13, 0};
  expected.tricks[Club] = {0, 13, 0, 13};
  EXPECT_EQ(t, expected);
}

TEST(DdTable, ADealThatIsNotThirteenCardsAHandIsRefusedBeforeTheSolver) {
  // The solver itself would read past its arrays on such a deal.
  Deal shortHand = LopsidedDeal();
  shortHand.at(West, Club) = H("AKQJT9876543");   // one card short
  Deal twice = LopsidedDeal();
  twice.at(North, Heart) = H("K");                 // East's king as well, a spade too many
  for (const Deal& d : {shortHand, twice, Deal{}}) {
    DdTable t;
    std::string error;
    EXPECT_FALSE(AnalyseDeal(d, t, error));
    EXPECT_EQ(error, "the deal is not 13 cards in each hand");
  }
}

// Each hand holds one whole suit: North spades, East hearts, South diamonds,
// West clubs. Every side makes a grand slam in its suit and nothing in
// no-trump against the opening leader's suit.
Deal SuitPerHand() {
  Deal d;
  d.at(North, Spade) = d.at(East, Heart) = d.at(South, Diamond) = d.at(West, Club) = 0x7FFC;
  return d;
}

TEST(Solver, TricksOfAOneSuitPerHandDeal) {
  DdTable t;
  std::string error;
  ASSERT_TRUE(AnalyseDeal(SuitPerHand(), t, error)) << error;
  EXPECT_EQ(t.at(Spade, North), 13);
  EXPECT_EQ(t.at(Spade, South), 13);
  EXPECT_EQ(t.at(Heart, East), 13);
  EXPECT_EQ(t.at(NT, North), 0);  // East leads and runs the hearts
  EXPECT_EQ(t.at(NT, West), 0);   // North leads and runs the spades
  EXPECT_EQ(t.SideBest(Diamond, 1), 13);
}

// One figure per strain for each side, partners alike.
DdTable SideTable(std::array<int, 5> ns, std::array<int, 5> ew) {
  DdTable t;
  for (tAllTrump s = 0; s < 5; ++s) {
    t.at(s, North) = t.at(s, South) = ns[size_t(s)];
    t.at(s, East) = t.at(s, West) = ew[size_t(s)];
  }
  return t;
}

TEST(Par, GameSacrificeAndPassOut) {
  // North-South make ten tricks in spades, East-West nine in hearts.
  const DdTable t = SideTable({5, 5, 4, 10, 8}, {6, 6, 9, 3, 5});
  const ParInfo game = ComputePar(SideTable({5, 5, 4, 10, 8}, {6, 6, 5, 3, 5}), North, 0);
  EXPECT_FALSE(game.passedOut);
  EXPECT_EQ(game.scoreNS, 420);
  EXPECT_EQ(game.contract.bid, MakeBid(4, Spade));
  EXPECT_EQ(game.contract.declarer, North);  // partners alike: the one nearer the dealer
  EXPECT_FALSE(game.sacrifice);

  // NS vulnerable: five hearts doubled two down (300) is cheaper than 620.
  const ParInfo save = ComputePar(t, North, 1);
  EXPECT_TRUE(save.sacrifice);
  EXPECT_EQ(save.scoreNS, 300);
  EXPECT_EQ(save.contract.bid, MakeBid(5, Heart));
  EXPECT_EQ(save.contract.DoubledCount, 1);
  EXPECT_EQ(SideOf(save.contract.declarer), 2);

  const ParInfo none = ComputePar(SideTable({6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}), East, 3);
  EXPECT_TRUE(none.passedOut);
  EXPECT_EQ(none.scoreNS, 0);
  EXPECT_TRUE(none.contract.PassedOut());
}

TEST(Par, DeclarerIsThePartnerWhoTakesMoreTricks) {
  DdTable t = SideTable({5, 5, 4, 9, 7}, {4, 4, 4, 4, 4});
  t.tricks[Spade][South] = 10;
  const ParInfo par = ComputePar(t, North, 0);
  EXPECT_EQ(par.contract.bid, MakeBid(4, Spade));
  EXPECT_EQ(par.contract.declarer, South);
}

TEST(Par, ASacrificeAgainstAGame) {
  // North-South make ten tricks in spades (420), East-West nine in hearts:
  // five hearts doubled two down costs them only 300, and five spades
  // would go down.
  const ParInfo par = ComputePar(SideTable({5, 5, 4, 10, 8}, {6, 6, 9, 3, 5}), North, 0);
  ASSERT_TRUE(par.known);
  EXPECT_EQ(par.scoreNS, 300);
  ASSERT_EQ(par.contracts.size(), 2u);
  for (const ParContract& c : par.contracts) {
    EXPECT_EQ(c.contract.bid, MakeBid(5, Heart));
    EXPECT_EQ(c.contract.DoubledCount, 1);
    EXPECT_EQ(c.underTricks, 2);
  }
  EXPECT_EQ(review::ParContractsText(par), "5HX-E,5HX-W");
}

TEST(Par, AVulnerableSacrificeDoesNotPay) {
  // The same tricks with East-West vulnerable: two down doubled is 500.
  const ParInfo par = ComputePar(SideTable({5, 5, 4, 10, 8}, {6, 6, 9, 3, 5}), North, 2);
  EXPECT_EQ(par.scoreNS, 420);
  EXPECT_EQ(review::ParContractsText(par), "4S-N,4S-S");
}

TEST(Par, OnlyOnePartnerMakesIt) {
  DdTable t = SideTable({6, 6, 6, 9, 9}, {4, 4, 4, 4, 4});
  t.at(NT, South) = 8;   // only North makes three no-trump
  const ParInfo par = ComputePar(t, West, 1);
  EXPECT_EQ(par.scoreNS, 600);
  EXPECT_EQ(review::ParContractsText(par), "3N-N");
}

TEST(Par, NothingMakesSoThePassIsPar) {
  const ParInfo par = ComputePar(SideTable({6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}), East, 3);
  EXPECT_TRUE(par.known);
  EXPECT_EQ(par.scoreNS, 0);
  EXPECT_TRUE(par.contracts.empty());
  EXPECT_EQ(review::ParContractsText(par), "P");
}

TEST(Par, EastWestGamesScoreForThemWithTheirDeclarer) {
  const ParInfo par = ComputePar(SideTable({4, 4, 4, 4, 4}, {6, 6, 10, 6, 6}), South, 3);
  EXPECT_EQ(par.scoreNS, -620);
  EXPECT_EQ(review::ParContractsText(par), "4H-E,4H-W");
}

// Six cards of each hand of a deal, the lowest clubs first: a late position
// the solver answers quickly.
SolverPosition LatePosition(const Deal& deal) {
  SolverPosition pos;
  pos.trump = Heart;
  pos.first = West;
  for (Seat s = 0; s < 4; ++s) {
    int kept = 0;
    for (TSuit u = 0; u < 4; ++u)
      for (TRank r = 2; r <= Ace && kept < 6; ++r)
        if (HoldsCard(deal.at(s, u), MakeCard(r, u))) {
          pos.remain[s][u] |= RankBit(r);
          ++kept;
        }
  }
  return pos;
}

// Two threads ask for whole tables while two others solve positions on the
// same thread index: each gets the answer it gets alone.
TEST(Solver, CallersOnSeveralThreadsGetTheAnswersTheyGetAlone) {
  const std::vector<Deal> tableDeals = {LopsidedDeal(), SuitPerHand()};
  const std::vector<Deal> deals = {ShuffledDeal(29, "a"), ShuffledDeal(29, "b")};
  std::vector<DdTable> tables(tableDeals.size());
  std::vector<SolverResult> alone(deals.size());
  for (size_t i = 0; i < deals.size(); ++i) {
    std::string error;
    ASSERT_TRUE(AnalyseDeal(tableDeals[i], tables[i], error)) << error;
    alone[i] = SolveWith(LatePosition(deals[i]), -1, 3, 0);
    ASSERT_EQ(alone[i].status, 1);
  }
  std::vector<int> wrong(4, 0);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < 2; ++t)
    threads.emplace_back([&, t] {
      for (size_t round = 0; round < 2; ++round) {
        const size_t i = (t + round) % tableDeals.size();
        DdTable table;
        std::string error;
        if (!AnalyseDeal(tableDeals[i], table, error) || !(table == tables[i])) ++wrong[t];
      }
    });
  for (size_t t = 2; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (size_t round = 0; round < 20; ++round) {
        const size_t i = (t + round) % deals.size();
        const SolverResult r = SolveWith(LatePosition(deals[i]), -1, 3, 0);
        if (r.status != 1 || r.cards != alone[i].cards || r.card != alone[i].card || r.score != alone[i].score)
          ++wrong[t];
      }
    });
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace quorval
