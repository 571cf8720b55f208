#include <gtest/gtest.h>

#include "core/calls.h"

using namespace quorval;

TEST(Calls, CodesLevelsAndStrains) {
  EXPECT_EQ(MakeBid(1, Club), 3);
  EXPECT_EQ(MakeBid(1, NT), 7);
  EXPECT_EQ(MakeBid(7, NT), 37);
  EXPECT_EQ(LevelOf(8), 2);
  EXPECT_EQ(StrainOf(8), Club);
  EXPECT_EQ(LevelOf(Pass), 0);
  EXPECT_EQ(StrainOf(Double), NT);
}

TEST(Calls, ParseCallReadsLibraryAndDisplayForms) {
  struct Row { const char* text; CallCode code; };
  const Row rows[] = {
      {"1N", 7}, {"1~N", 7}, {"1n", 7}, {"7N", 37}, {"D", 1}, {"Dbl", 1}, {"X", 1},
      {"XX", 0}, {"RDbl", 0}, {"P", 2}, {"Pass", 2}, {"", 2}, {"Lead", 38}, {"XR", 38},
      {"(2S)", 11}, {"(2S", 38}, {"2S(alert)", 11}, {"S", 38}, {"xS", MakeBid(1, Spade)}, {"9C", 38},
      {"0C", 38}, {"2Z", 38}, {"4\xC3", MakeBid(4, Spade)},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseCall(row.text), row.code) << row.text;
}

TEST(Calls, TextsReadBackAsTheSameCode) {
  for (CallCode c = 0; c <= 37; ++c) {
    EXPECT_EQ(ParseCall(CallToken(c)), c);
    EXPECT_EQ(ParseCall(CallDisplayText(c)), c);
  }
  EXPECT_EQ(CallToken(NoCall), "??");
  EXPECT_EQ(CallDisplayText(3), "1~C");
  EXPECT_EQ(CallDisplayText(99), "????");
}

TEST(Calls, ContractTexts) {
  const CallCode threeNT = MakeBid(3, NT);
  EXPECT_EQ(CallLongText(threeNT, 2), "3~NXX");
  EXPECT_EQ(ContractText({threeNT, 2, North}, false), "3NXX");
  EXPECT_EQ(ContractText({MakeBid(4, Spade), 1, North}, true), "4~SX");
  EXPECT_EQ(CallLongText(NoCall, 0), "No Bid");
  EXPECT_EQ(CallLongText(Redouble, 0), "ReDbl");
}

TEST(Auction, DeclarerIsFirstOfTheSideToNameTheStrain) {
  Auction a(North);
  for (CallCode c : {MakeBid(1, Heart), Pass, MakeBid(2, Heart), Pass, Pass, Pass}) ASSERT_TRUE(a.Make(c));
  EXPECT_TRUE(a.Over());
  EXPECT_EQ(a.Result().declarer, North);

  Auction b(North);
  for (CallCode c : {MakeBid(1, Heart), MakeBid(1, Spade), Pass, MakeBid(2, Spade)}) ASSERT_TRUE(b.Make(c));
  EXPECT_EQ(b.declarer, East);
}

TEST(Auction, EndsAfterFourPassesOrABidAndThreePasses) {
  Auction a(East);
  for (int i = 0; i < 3; ++i) a.Make(Pass);
  EXPECT_FALSE(a.Over());
  a.Make(Pass);
  EXPECT_TRUE(a.Over());
  EXPECT_TRUE(a.Result().PassedOut());
  EXPECT_FALSE(a.Make(Pass));

  Auction b(East);
  for (CallCode c : {MakeBid(1, Club), Pass, Pass, Pass}) b.Make(c);
  EXPECT_TRUE(b.Over());
  EXPECT_EQ(b.Result().declarer, East);
}

TEST(Auction, DoubleAndRedoubleFollowTheSideOfTheLastBid) {
  Auction a(North);
  EXPECT_FALSE(a.IsLegal(Double));
  a.Make(MakeBid(1, NT));           // North
  EXPECT_TRUE(a.IsLegal(Double));   // East doubles an opponent
  EXPECT_FALSE(a.IsLegal(Redouble));
  EXPECT_FALSE(a.IsLegal(MakeBid(1, Spade)));
  EXPECT_TRUE(a.IsLegal(MakeBid(2, Club)));
  a.Make(Pass);                     // East
  EXPECT_FALSE(a.IsLegal(Double));  // South may not double partner
  a.Make(Pass);
  a.Make(Double);                   // West
  EXPECT_EQ(a.DoubledCount, 1);
  EXPECT_TRUE(a.IsLegal(Redouble)); // North redoubles
  EXPECT_FALSE(a.IsLegal(Double));
  a.Make(Redouble);
  EXPECT_EQ(a.DoubledCount, 2);
  EXPECT_FALSE(a.IsLegal(Double));
  EXPECT_FALSE(a.IsLegal(Redouble));
  a.Make(MakeBid(2, Club));         // East bids: the doubles are gone
  EXPECT_EQ(a.DoubledCount, 0);
  EXPECT_EQ(a.declarer, East);
  EXPECT_FALSE(a.Make(NoCall));
}
