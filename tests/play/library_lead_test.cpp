#include "play/library_lead.h"

#include <gtest/gtest.h>

#include "core/messages.h"

namespace quorval {
namespace {

TEST(LibraryLead, ItemsAfterTheLeadKeyword) {
  EXPECT_EQ(LeadItems("P,1S,P,2H,P,2S,P,P,P,Lead,5C,75,QD,25"),
            (std::vector<std::string>{"5C", "75", "QD", "25"}));
  EXPECT_TRUE(LeadItems("P,1S,P,P,P").empty());
  EXPECT_TRUE(LeadItems("P,1S,P,P,P,Lead,").empty());
  EXPECT_TRUE(LeadItems("P,1S,P,P,P,Lead").empty());
}

struct DrawRow {
  const char* list;
  int r;
  const char* card;
};

TEST(LibraryLead, DrawFollowsRunningPercentages) {
  const DrawRow rows[] = {
      {"Lead,KC,100", 0, "KC"},  {"Lead,KC,100", 98, "KC"},
      {"Lead,6H,80,KD,20", 0, "6H"}, {"Lead,6H,80,KD,20", 79, "6H"},
      {"Lead,6H,80,KD,20", 80, "KD"}, {"Lead,6H,80,KD,20", 98, "KD"},
      {"Lead,5C,75,QD,25", 74, "5C"}, {"Lead,5C,75,QD,25", 75, "QD"},
      {"Lead,AS,10,TD,10,2C,10", 95, "2C"},   // weights short of 99: last card
  };
  for (const auto& row : rows) {
    const LeadDraw d = DrawLead(LeadItems(row.list), row.r);
    EXPECT_EQ(d.card, ParseCard(row.card)) << row.list << " r=" << row.r;
    EXPECT_TRUE(d.badItem.empty());
  }
}

TEST(LibraryLead, MalformedItemStopsTheDraw) {
  EXPECT_EQ(DrawLead({"5C", "50", "ZD", "50"}, 70).badItem, "ZD");
  EXPECT_EQ(DrawLead({"X", "100"}, 0).badItem, "X");
  EXPECT_EQ(LeadCardOf("5X"), 0);
  EXPECT_EQ(LeadCardOf("TC"), MakeCard(10, Club));
}

PlayState WestToLead() {
  Deal d;
  std::vector<std::string> errors;
  EXPECT_TRUE(ParseDeal("N:AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ",
                        d, errors));
  PlayState st;
  StartPlay(st, d, Contract{MakeBid(1, NT), 0, South});
  return st;
}

TEST(LibraryLead, OpeningLeadIsDrawnButNeverACardTheLeaderLacks) {
  const PlayState st = WestToLead();
  std::mt19937 rng(1);
  int target = 14;
  ResetMessageCounts();
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(GetLisk2000Card(st, "1N,P,P,P,Lead,KC,100", rng, {}, target), ParseCard("KC"));
  EXPECT_EQ(MessageCount(), 0);

  // West does not hold the ace of hearts: the engine's card is led instead.
  const CardCode c = GetLisk2000Card(st, "1N,P,P,P,Lead,AH,100", rng, {}, target);
  EXPECT_TRUE(IsLegalCard(st, c));

  const CardCode none = GetLisk2000Card(st, "1N,P,P,P", rng, {}, target);
  EXPECT_TRUE(IsLegalCard(st, none));
  EXPECT_EQ(LastMessage(), "No Lead for this sequence");

  const CardCode bad = GetLisk2000Card(st, "1N,P,P,P,Lead,ZZ,100", rng, {}, target);
  EXPECT_TRUE(IsLegalCard(st, bad));
  EXPECT_EQ(LastMessage(), "Bad Lead ZZ");
}

TEST(LibraryLead, BothCardsOfASplitListAreDrawn) {
  const PlayState st = WestToLead();
  std::mt19937 rng(42);
  int target = 14, jacks = 0, eights = 0;
  for (int i = 0; i < 200; ++i) {
    const CardCode c = GetLisk2000Card(st, "Lead,JC,50,8D,50", rng, {}, target);
    jacks += c == ParseCard("JC");
    eights += c == ParseCard("8D");
  }
  EXPECT_EQ(jacks + eights, 200);
  EXPECT_GT(jacks, 50);
  EXPECT_GT(eights, 50);
}

}  // namespace
}  // namespace quorval
