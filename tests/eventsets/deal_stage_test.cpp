// The deal stage: dealer and vulnerability by board number, event lists,
// and the par the solver's table leads to.

#include <gtest/gtest.h>

#include "eventsets/board_facts.h"
#include "eventsets/dd_analysis.h"

namespace quorval::eventgen {
namespace {

TEST(DealStage, DealerAndVulnerabilityFollowTheClubCycle) {
  // Board: dealer, vulnerability (0 none, 1 NS, 2 EW, 3 both).
  const struct { int board; Seat dealer; Vulnerability vul; } rows[] = {
      {1, North, 0}, {2, East, 1},  {3, South, 2}, {4, West, 3},  {5, North, 1},  {6, East, 2},
      {7, South, 3}, {8, West, 0},  {9, North, 2}, {10, East, 3}, {11, South, 0}, {12, West, 1},
      {13, North, 3}, {14, East, 0}, {15, South, 1}, {16, West, 2}, {17, North, 0}, {27, South, 0},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(BoardDealer(r.board), r.dealer) << r.board;
    EXPECT_EQ(BoardVulnerability(r.board), r.vul) << r.board;
  }
  EXPECT_EQ(BoardKey("Imp01", 5), "Imp01.05");
  EXPECT_EQ(BoardKey("Par18", 27), "Par18.27");
}

TEST(DealStage, EventLists) {
  std::vector<std::string> events;
  std::string error;
  ASSERT_TRUE(ParseEventList("Imp01-Imp09,Par01-Par18", events, error));
  EXPECT_EQ(events, AllEvents());
  ASSERT_TRUE(ParseEventList("Par03,Imp02-Imp03,Par03", events, error));
  EXPECT_EQ(events, (std::vector<std::string>{"Imp02", "Imp03", "Par03"}));
  for (const char* bad : {"", "Imp10", "Par19", "Imp00", "Imp03-Par04", "Imp05-Imp02", "Imp01,", "imp01", "Imp1"})
    EXPECT_FALSE(ParseEventList(bad, events, error)) << bad;
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

// A table with one number per strain for each side; partners alike.
DdTable Table(std::array<int, 5> ns, std::array<int, 5> ew) {
  DdTable t;
  for (tAllTrump s = 0; s < 5; ++s) {
    t.tricks[s][North] = t.tricks[s][South] = ns[s];
    t.tricks[s][East] = t.tricks[s][West] = ew[s];
  }
  return t;
}

TEST(Par, GameSacrificeAndPassOut) {
  // North-South make ten tricks in spades, East-West nine in hearts.
  const DdTable t = Table({5, 5, 4, 10, 8}, {6, 6, 9, 3, 5});
  const ParInfo game = ComputePar(Table({5, 5, 4, 10, 8}, {6, 6, 5, 3, 5}), North, 0);
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

  const ParInfo none = ComputePar(Table({6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}), East, 3);
  EXPECT_TRUE(none.passedOut);
  EXPECT_EQ(none.scoreNS, 0);
  EXPECT_TRUE(none.contract.PassedOut());
}

TEST(Par, DeclarerIsThePartnerWhoTakesMoreTricks) {
  DdTable t = Table({5, 5, 4, 9, 7}, {4, 4, 4, 4, 4});
  t.tricks[Spade][South] = 10;
  const ParInfo par = ComputePar(t, North, 0);
  EXPECT_EQ(par.contract.bid, MakeBid(4, Spade));
  EXPECT_EQ(par.contract.declarer, South);
}

}  // namespace
}  // namespace quorval::eventgen
