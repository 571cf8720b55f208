#include <gtest/gtest.h>

#include "core/deal.h"

using namespace quorval;

namespace {
const std::string kDeal =
    "W:AKQ.JT9.876.5432 JT98.AKQ.5432.76 765.8765.AKQ.JT9 432.432.JT9.AKQ8";
}

TEST(Vulnerability, ParsesTheFileForms) {
  EXPECT_EQ(ParseVulnerability("ns"), 1);
  EXPECT_EQ(ParseVulnerability("N-S"), 1);
  EXPECT_EQ(ParseVulnerability("e-w"), 2);
  EXPECT_EQ(ParseVulnerability("both"), 3);
  EXPECT_EQ(ParseVulnerability("None"), 0);
  EXPECT_EQ(ParseVulnerability("All"), 0);
  EXPECT_TRUE(SideVulnerable(3, 2));
  EXPECT_TRUE(SideVulnerable(1, 1));
  EXPECT_FALSE(SideVulnerable(1, 2));
  EXPECT_FALSE(SideVulnerable(0, 1));
}

TEST(DealText, FirstHandGoesToTheNamedSeat) {
  Deal deal;
  std::vector<std::string> errors;
  ASSERT_EQ(kDeal.size(), kDealTextLength);
  ASSERT_TRUE(ParseDeal(kDeal, deal, errors));
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(HoldingText(Spade, deal.at(West, Spade), HoldingForm::Bare), "AKQ");
  EXPECT_EQ(HoldingText(Club, deal.at(West, Club), HoldingForm::Bare), "5432");
  EXPECT_EQ(HoldingText(Heart, deal.at(North, Heart), HoldingForm::Bare), "AKQ");
  EXPECT_TRUE(DealIsComplete(deal));
  EXPECT_EQ(DealText(deal, West), kDeal);
}

TEST(DealText, BrokenTextsLeaveThePreviousDeal) {
  Deal deal;
  std::vector<std::string> errors;
  ASSERT_TRUE(ParseDeal(kDeal, deal, errors));
  const Deal before = deal;
  EXPECT_FALSE(ParseDeal(kDeal.substr(0, 68), deal, errors));
  EXPECT_FALSE(ParseDeal("w" + kDeal.substr(1), deal, errors));
  EXPECT_FALSE(ParseDeal("", deal, errors));
  EXPECT_EQ(deal, before);
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0].rfind(" 52 cards not dealt : ", 0), 0u);
  EXPECT_EQ(errors[1].rfind("Deal does not start with N,E,S, or  W : ", 0), 0u);
}

TEST(DealText, OddCharactersNeverCrash) {
  Deal deal;
  std::vector<std::string> errors;
  EXPECT_TRUE(ParseDeal("N:" + std::string(67, '.'), deal, errors));
  EXPECT_TRUE(ParseDeal("N:" + std::string(67, '?'), deal, errors));
  EXPECT_FALSE(DealIsComplete(deal));
}

TEST(Rotation, TurnsHandsDealerAndVulnerability) {
  Deal deal;
  std::vector<std::string> errors;
  ParseDeal(kDeal, deal, errors);
  const Deal original = deal;
  Seat dealer = North;
  Vulnerability vul = 1;
  RotateDeal(2, dealer, vul, deal);
  EXPECT_EQ(dealer, South);
  EXPECT_EQ(vul, 1);
  EXPECT_EQ(deal.at(North, Spade), original.at(South, Spade));
  RotateDeal(1, dealer, vul, deal);
  EXPECT_EQ(dealer, West);
  EXPECT_EQ(vul, 2);
  RotateDeal(-3, dealer, vul, deal);  // a negative count is taken modulo 4
  EXPECT_EQ(dealer, North);
  EXPECT_EQ(vul, 1);
  EXPECT_EQ(deal, original);
}

TEST(Hands, DealCountRemoveAndRestore) {
  Deal deal;
  std::vector<std::string> errors;
  ParseDeal(kDeal, deal, errors);
  std::array<THands, 4> hands{THands(North), THands(East), THands(South), THands(West)};
  DealToHands(deal, hands);
  int hcp = 0;
  for (const auto& h : hands) {
    EXPECT_EQ(h.CardsLeftTotal(), 13);
    hcp += h.Hcp;
  }
  EXPECT_EQ(hcp, 40);
  EXPECT_EQ(hands[West].Hcp, 10);
  EXPECT_TRUE(hands[West].RemoveCard(MakeCard(Ace, Spade)));
  EXPECT_FALSE(hands[West].RemoveCard(MakeCard(Ace, Spade)));
  EXPECT_EQ(hands[West].Hcp, 6);
  hands[West].Suits[Spade].HighlightMask = MakeCard(King, Spade);
  RestoreDeal(hands);
  EXPECT_EQ(hands[West].Hcp, 10);
  EXPECT_EQ(hands[West].Suits[Spade].HighlightMask, 0);
  EXPECT_EQ(hands[East].LeftOpponent, South);
  EXPECT_EQ(hands[East].OpponentSide, 1);
}
