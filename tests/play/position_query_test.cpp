// A position as players write it: contracts and cards in either order of
// rank and suit, and the card the engine and the honest computer play next.
#include "play/position_query.h"

#include <gtest/gtest.h>

namespace quorval {
namespace {

TEST(PositionQuery, ContractsAndCardsAsPlayersWriteThem) {
  Contract c;
  ASSERT_TRUE(ParseContractText("4S", South, c));
  EXPECT_EQ(c.bid, MakeBid(4, Spade));
  EXPECT_EQ(c.DoubledCount, 0);
  EXPECT_EQ(c.declarer, South);
  ASSERT_TRUE(ParseContractText("3nt", East, c));
  EXPECT_EQ(c.bid, MakeBid(3, NT));
  ASSERT_TRUE(ParseContractText("2HX", West, c));
  EXPECT_EQ(c.DoubledCount, 1);
  ASSERT_TRUE(ParseContractText("6NXX", North, c));
  EXPECT_EQ(c.DoubledCount, 2);
  for (const char* bad : {"", "4", "8S", "0S", "4Z", "4SXXX", "4SD", "NT"}) EXPECT_FALSE(ParseContractText(bad, South, c)) << bad;
  EXPECT_EQ(ParsePlayedCard("HK"), MakeCard(King, Heart));
  EXPECT_EQ(ParsePlayedCard("KH"), MakeCard(King, Heart));
  EXPECT_EQ(ParsePlayedCard("c2"), MakeCard(2, Club));
  EXPECT_EQ(ParsePlayedCard("T"), 0);
  EXPECT_EQ(ParsePlayedCard("HX"), 0);
  EXPECT_EQ(ParsePlayedCard("KHS"), 0);
}

// Four cards left in 4NT: North led the two of hearts, East the four. West
// holds the king alone; the honest computer cannot know it and finesses.
const PositionQuery kFinesse{"N:KQJ.J7632.KQ.JT9 T98.T54.J986.876 A765.AQ9.A54.543 432.K8.T732.AKQ2", "4NT", "S",
                             "AC,9C,6C,3C,KC,TC,7C,4C,QC,JC,8C,5C,8H,JH,TH,9H,KD,6D,4D,2D,QD,JD,5D,3D,"
                             "KS,8S,5S,2S,QS,9S,6S,3S,JS,TS,7S,4S,H2,H4"};

TEST(PositionQuery, TheNextCardOfTheEngineAndOfTheHonestComputer) {
  EngineOptions o;
  o.skill = 10;
  PositionProblem problem;
  EXPECT_EQ(PositionCard(kFinesse, o, problem), MakeCard(Ace, Heart));
  o.honest = true;
  EXPECT_EQ(PositionCard(kFinesse, o, problem), MakeCard(Queen, Heart));
  // Without cards played: the opening lead, a card of West's.
  PositionQuery lead = kFinesse;
  lead.played.clear();
  const CardCode card = PositionCard(lead, o, problem);
  EXPECT_EQ(problem.part, PositionPart::None);
  Deal deal;
  std::vector<std::string> errors;
  ASSERT_TRUE(ParseDeal(kFinesse.deal, deal, errors));
  EXPECT_TRUE(card >= 4 && HoldsCard(deal.at(West, SuitOf(card)), card)) << CardText(card);
}

}  // namespace
}  // namespace quorval
