#include <gtest/gtest.h>

#include "core/types.h"

using namespace quorval;

TEST(Seats, NeighboursPartnersAndSides) {
  EXPECT_EQ(NextSeat(West), North);
  EXPECT_EQ(PrevSeat(North), West);
  EXPECT_EQ(PartnerOf(East), West);
  EXPECT_EQ(SideOf(North), 1);
  EXPECT_EQ(SideOf(West), 2);
  EXPECT_TRUE(SameSide(North, South));
  EXPECT_FALSE(SameSide(South, West));
}

TEST(Seats, ParseSeatLettersDigitsAndFallback) {
  EXPECT_EQ(ParseSeat("w"), West);
  EXPECT_EQ(ParseSeat("2"), South);
  EXPECT_EQ(ParseSeat("South"), South);
  EXPECT_EQ(ParseSeat("x", North), West);
  EXPECT_EQ(ParseSeat("", North), West);
  EXPECT_EQ(ParseSeat("", East), North);
  EXPECT_EQ(ParseSeat("4", South), East);
}

TEST(Cards, CodesAndTexts) {
  EXPECT_EQ(MakeCard(2, Club), 4);
  EXPECT_EQ(MakeCard(Ten, Diamond), 1025);
  EXPECT_EQ(MakeCard(Ace, Spade), 16387);
  EXPECT_EQ(CardText(16387), "AS");
  EXPECT_EQ(ParseCard("TC"), 1024);
  EXPECT_EQ(ParseCard("1C"), 0);
  EXPECT_EQ(ParseCard("XS"), 0);
  EXPECT_EQ(ParseCard("A"), 0);
  EXPECT_EQ(ParseCard("Ax"), 0);
  for (TSuit s = 0; s < 4; ++s)
    for (TRank r = 2; r <= Ace; ++r) {
      const CardCode c = MakeCard(r, s);
      EXPECT_EQ(RankOf(c), r);
      EXPECT_EQ(SuitOf(c), s);
      EXPECT_EQ(ParseCard(CardText(c)), c);
    }
  EXPECT_EQ(RankOf(1), 0);
}

TEST(Holdings, CountsPointsAndTexts) {
  const Holding akt52 = RankBit(Ace) | RankBit(King) | RankBit(Ten) | RankBit(5) | RankBit(2);
  EXPECT_EQ(CardCount(akt52), 5);
  EXPECT_EQ(HoldingText(Spade, akt52, HoldingForm::Bare), "AKT52");
  EXPECT_EQ(HoldingText(Spade, akt52, HoldingForm::Colon), "S:AKT52");
  EXPECT_EQ(HoldingText(Spade, akt52, HoldingForm::Symbol), "~S AKT52");
  EXPECT_EQ(HoldingText(Club, 0, HoldingForm::Colon), "C:");
  EXPECT_EQ(HoldingText(Spade, kRankMask, HoldingForm::Symbol), "~S AKQJT98765432");
  const Holding akqjt = RankBit(Ace) | RankBit(King) | RankBit(Queen) | RankBit(Jack) | RankBit(Ten);
  EXPECT_EQ(HighCardPoints(akqjt), 10);
  EXPECT_EQ(HighCardPoints(RankBit(9) | RankBit(2) | RankBit(Ten)), 0);
  EXPECT_TRUE(HoldsCard(akt52, MakeCard(King, Spade)));
  EXPECT_FALSE(HoldsCard(akt52, MakeCard(Queen, Spade)));
  EXPECT_EQ(HighestRank(akt52), Ace);
  EXPECT_EQ(LowestRank(akt52), 2);
  EXPECT_EQ(HighestRank(0), 0);
}

TEST(Markup, GlyphsAndColours) {
  EXPECT_EQ(SuitGlyph('N', 1).code, 0xB8);
  EXPECT_EQ(SuitGlyph('N', 0).code, 0xC8);
  EXPECT_EQ(SuitGlyph('N', 5).code, 0xB6);
  EXPECT_TRUE(SuitGlyph('N', 0).ccwriter);
  EXPECT_EQ(SuitGlyph('X', 0).code, '~');
  EXPECT_EQ(SuitGlyph('S', 0).code, 0xAA);
  EXPECT_EQ(MarkupColour('H'), 0x0000FFu);
  EXPECT_EQ(MarkupColour('N'), 0x800000u);
  EXPECT_EQ(MarkupColour('C'), 0u);
}
