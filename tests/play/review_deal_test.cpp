// What a deal is worth: the makeable-contract table of deals whose figures
// were worked out by hand, and par from hand-made tables (a game, a
// sacrifice, a board to pass out).
#include <gtest/gtest.h>

#include "play/review/dd_facts.h"
#include "tests/play/engine_test_util.h"

namespace quorval::review {
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

TEST(MakeableTable, AHandWorkedDealStrainByStrainAndSeatBySeat) {
  MakeableTable t;
  std::string error;
  ASSERT_TRUE(SolveMakeableTable(LopsidedDeal(), t, error)) << error;
  MakeableTable expected;
  //                      N   E   S   W
  expected.tricks[NT] = {13, 0, 0, 0};
  expected.tricks[Spade] = {13, 0, 13, 0};
  expected.tricks[Heart] = {2, 11, 1, 11};
  expected.tricks[Diamond] = {13, 0, 13, 0};
  expected.tricks[Club] = {0, 13, 0, 13};
  EXPECT_EQ(t, expected);
}

TEST(MakeableTable, ADealThatIsNotThirteenCardsAHandIsRefusedBeforeTheSolver) {
  // The solver itself would read past its arrays on such a deal.
  Deal shortHand = LopsidedDeal();
  shortHand.at(West, Club) = H("AKQJT9876543");   // one card short
  Deal twice = LopsidedDeal();
  twice.at(North, Heart) = H("K");                 // East's king as well, a spade too many
  for (const Deal& d : {shortHand, twice, Deal{}}) {
    MakeableTable t;
    std::string error;
    EXPECT_FALSE(SolveMakeableTable(d, t, error));
    EXPECT_EQ(error, "the deal is not 13 cards in each hand");
  }
}

// One figure per strain for each side, partners alike.
MakeableTable SideTable(std::array<int, 5> ns, std::array<int, 5> ew) {
  MakeableTable t;
  for (tAllTrump s = 0; s < 5; ++s) {
    t.at(s, North) = t.at(s, South) = ns[size_t(s)];
    t.at(s, East) = t.at(s, West) = ew[size_t(s)];
  }
  return t;
}

TEST(Par, ASacrificeAgainstAGame) {
  // North-South make ten tricks in spades (420), East-West nine in hearts:
  // five hearts doubled two down costs them only 300, and five spades
  // would go down.
  const ParResult par = ParOf(SideTable({5, 5, 4, 10, 8}, {6, 6, 9, 3, 5}), North, 0);
  ASSERT_TRUE(par.known);
  EXPECT_EQ(par.scoreNS, 300);
  ASSERT_EQ(par.contracts.size(), 2u);
  for (const ParContract& c : par.contracts) {
    EXPECT_EQ(c.contract.bid, MakeBid(5, Heart));
    EXPECT_EQ(c.contract.DoubledCount, 1);
    EXPECT_EQ(c.underTricks, 2);
  }
  EXPECT_EQ(ParContractsText(par), "5HX-E,5HX-W");
}

TEST(Par, AVulnerableSacrificeDoesNotPay) {
  // The same tricks with East-West vulnerable: two down doubled is 500.
  const ParResult par = ParOf(SideTable({5, 5, 4, 10, 8}, {6, 6, 9, 3, 5}), North, 2);
  EXPECT_EQ(par.scoreNS, 420);
  EXPECT_EQ(ParContractsText(par), "4S-N,4S-S");
}

TEST(Par, OnlyOnePartnerMakesIt) {
  MakeableTable t = SideTable({6, 6, 6, 9, 9}, {4, 4, 4, 4, 4});
  t.at(NT, South) = 8;   // only North makes three no-trump
  const ParResult par = ParOf(t, West, 1);
  EXPECT_EQ(par.scoreNS, 600);
  EXPECT_EQ(ParContractsText(par), "3N-N");
}

TEST(Par, NothingMakesSoThePassIsPar) {
  const ParResult par = ParOf(SideTable({6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}), East, 3);
  EXPECT_TRUE(par.known);
  EXPECT_EQ(par.scoreNS, 0);
  EXPECT_TRUE(par.contracts.empty());
  EXPECT_EQ(ParContractsText(par), "P");
}

TEST(Par, EastWestGamesScoreForThemWithTheirDeclarer) {
  const ParResult par = ParOf(SideTable({4, 4, 4, 4, 4}, {6, 6, 10, 6, 6}), South, 3);
  EXPECT_EQ(par.scoreNS, -620);
  EXPECT_EQ(ParContractsText(par), "4H-E,4H-W");
}

}  // namespace
}  // namespace quorval::review
