// The engine's own opening lead: the attacking factor, the suit scores and the
// card that each lead convention picks.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "play/engine/opening_lead.h"
#include "tests/play/follow_suit_fixture.h"

namespace quorval::engine {
namespace {

// "KQT4" -> rank bits.
Holding H(const std::string& text) {
  Holding h = 0;
  for (char c : text) {
    const std::string ranks = "23456789TJQKA";
    const auto pos = ranks.find(c);
    if (pos != std::string::npos) h |= RankBit(static_cast<int>(pos) + 2);
  }
  return h;
}

int RankOfLead(LeadConvention conv, const std::string& suit, bool nt) {
  const Holding h = H(suit);
  int n = LeadCardIndex(conv, h, nt);
  for (int r = Ace; r >= 2; --r)
    if ((h & RankBit(r)) && --n == 0) return r;
  return 0;
}

// West leads against South; hands as clubs, diamonds, hearts, spades.
OpeningLeadInput MakeInput(tAllTrump trump) {
  OpeningLeadInput in;
  in.leader = West;
  in.trump = trump;
  in.target = 9;
  // Every seat gets 13 cards; individual tests overwrite what they need.
  in.hands[West] = {H("J432"), H("843"), H("T72"), H("962")};
  in.hands[North] = {H("T98"), H("QJ2"), H("J983"), H("J87")};
  in.hands[East] = {H("765"), H("T95"), H("Q654"), H("T54")};
  in.hands[South] = {H("AKQ"), H("AK76"), H("AK"), H("AKQ3")};
  return in;
}

struct ConventionRow {
  LeadConvention conv;
  const char* suit;
  bool nt;
  int rank;
};

TEST(LeadConventionCard, EachConventionPicksItsCard) {
  const ConventionRow rows[] = {
      // Broken top sequence leads the top card.
      {LeadConvention::Standard, "KQT4", true, King},
      // Fourth highest from a long weak suit at no trump.
      {LeadConvention::Norwegian, "J8642", true, 4},
      // Interior run: the third highest in basic.
      {LeadConvention::Basic, "KJT5", false, Ten},
      // Standard leads the second card of an interior run.
      {LeadConvention::Standard, "KJT5", false, Jack},
      // Low from a weak suit in standard is the lowest; Norwegian leads
      // third from an odd length and second lowest from an even one.
      {LeadConvention::Standard, "Q752", true, 2},
      {LeadConvention::Norwegian, "Q75", false, 5},
      {LeadConvention::Norwegian, "Q753", false, 5},
      // Ace-king doubleton: standard leads the ace, Norwegian and basic the king.
      {LeadConvention::Standard, "AK", false, Ace},
      {LeadConvention::Norwegian, "AK", false, King},
      {LeadConvention::Basic, "AK", false, King},
      // At a suit contract the ace of an ace-headed suit.
      {LeadConvention::Basic, "A942", false, Ace},
      // But at no trump a basic leader goes low from A-9-4-2 (length 4: third).
      {LeadConvention::Basic, "A942", true, 4},
      // Top pair at no trump without a third touching card: standard keeps the
      // top card, Norwegian leads its fourth highest.
      {LeadConvention::Standard, "KQ62", true, King},
      {LeadConvention::Norwegian, "KQ652", true, 5},
  };
  for (const ConventionRow& row : rows) {
    EXPECT_EQ(RankOfLead(row.conv, row.suit, row.nt), row.rank)
        << row.suit << " convention " << static_cast<int>(row.conv) << " nt " << row.nt;
  }
}

TEST(LeadConventionCard, PlayStyleSelectsConvention) {
  EXPECT_EQ(LeadConventionFor(3), LeadConvention::Standard);
  EXPECT_EQ(LeadConventionFor(6), LeadConvention::Standard);
  EXPECT_EQ(LeadConventionFor(5), LeadConvention::Norwegian);
  EXPECT_EQ(LeadConventionFor(7), LeadConvention::Basic);
}

TEST(OpeningAggression, OpponentsElevenPointsGivesTwoTenths) {
  // m = -min(3, 14 - 11) - 0 = -3.
  EXPECT_NEAR(Aggression(11, 8, 8, 6), 0.2, 1e-12);
  // Strong opponents push the factor up, capped at 1.0.
  EXPECT_NEAR(Aggression(30, 8, 8, 10), 1.0, 1e-12);
  // A strong right-hand opponent keeps the leader passive.
  EXPECT_NEAR(Aggression(30, 8, 8, 15), 0.2, 1e-12);
  // A leader much stronger than partner is passive, clamped at 0.0.
  EXPECT_NEAR(Aggression(10, 20, 0, 9), 0.0, 1e-12);
  // The strength difference is divided truncating toward zero: (2 - 9) / 4 = -1.
  EXPECT_NEAR(Aggression(11, 2, 9, 6), 0.3, 1e-12);
}

TEST(OpeningAggression, PointsIncludeLongSuitsAndVoids) {
  EXPECT_EQ(TotalPoints({H("AKQJ32"), H("5432"), H("2"), H("2")}), 10 + 2);
  // A void counts at least two.
  EXPECT_EQ(TotalPoints({H("AK5432"), H("5432"), H("32"), 0}), 7 + 2);
  EXPECT_EQ(AceRuns({H("AKQ"), H("A32"), H("K32"), H("QJ")}), 4);
}

TEST(OpeningSuitScore, HalfRoundsToEven) {
  OpeningLeadInput in = MakeInput(Spade);
  in.hands[West][Heart] = H("A72");  // side suit, ace with second card below the jack
  OpeningLeadContext ctx = MakeOpeningLeadContext(in);
  ctx.aggression = 0.5;
  // (4 - 1) x 0.5 + 1 = 2.5 -> 2.
  EXPECT_EQ(OpeningSuitScore(ctx, Heart), 2);
  // With the trick target at 13 an ace-headed suit scores a flat 50.
  in.target = 13;
  EXPECT_EQ(OpeningSuitScore(ctx, Heart), 50);
}

TEST(OpeningSuitScore, SingletonKingWithTrumps) {
  OpeningLeadInput in = MakeInput(Spade);
  in.hands[West] = {H("K"), H("8743"), H("T7652"), H("962")};
  for (double aggr : {0.0, 0.2, 0.5, 0.8, 1.0}) {
    OpeningLeadContext ctx = MakeOpeningLeadContext(in);
    ctx.aggression = aggr;
    const double exact = 4 * aggr + 1;
    EXPECT_EQ(OpeningSuitScore(ctx, Club), static_cast<int>(std::nearbyint(exact))) << aggr;
  }
  // A small singleton is a ruffing lead only while the leader holds trumps.
  in.hands[West] = {H("7"), H("8743"), H("T7652"), H("962")};
  OpeningLeadContext ctx = MakeOpeningLeadContext(in);
  ctx.aggression = 1.0;
  EXPECT_EQ(OpeningSuitScore(ctx, Club), 13);
  in.hands[West] = {H("7"), H("87432"), H("T7652"), 0};
  ctx = MakeOpeningLeadContext(in);
  ctx.aggression = 1.0;
  EXPECT_EQ(OpeningSuitScore(ctx, Club), 5);
}

TEST(OpeningSuitScore, TrumpSuitAdjustments) {
  OpeningLeadInput in = MakeInput(Spade);
  in.hands[West][Spade] = H("K62");
  OpeningLeadContext ctx = MakeOpeningLeadContext(in);
  // Never lead from a trump king or queen.
  EXPECT_EQ(OpeningSuitScore(ctx, Spade), -10);
  // Small trumps: three or more cards lose one point per card beyond three.
  in.hands[West][Spade] = H("9642");
  ctx = MakeOpeningLeadContext(in);
  ctx.aggression = 0.5;
  EXPECT_EQ(OpeningSuitScore(ctx, Spade), 5 - 1);
}

TEST(OpeningLeadChoice, EqualScoresLeadTheHigherSuit) {
  OpeningLeadInput in = MakeInput(NT);
  // Identical small doubletons in clubs and spades score best and alike.
  in.hands[West] = {H("32"), H("8754"), H("8654"), H("32")};
  in.hands[North] = {H("T987"), H("QJ2"), H("QJ2"), H("J87")};
  in.hands[East] = {H("654"), H("T96"), H("T97"), H("T953")};
  in.hands[South] = {H("AKQJ"), H("AK3"), H("AK3"), H("AKQ")};
  const OpeningLeadContext ctx = MakeOpeningLeadContext(in);
  ASSERT_EQ(OpeningSuitScore(ctx, Club), OpeningSuitScore(ctx, Spade));
  ASSERT_GT(OpeningSuitScore(ctx, Spade), OpeningSuitScore(ctx, Heart));
  ASSERT_GT(OpeningSuitScore(ctx, Spade), OpeningSuitScore(ctx, Diamond));
  EXPECT_EQ(ChooseOpeningLeadCard(in), MakeCard(3, Spade));
}

TEST(OpeningLeadChoice, LeadsOnlyACardTheLeaderHolds) {
  OpeningLeadInput in = MakeInput(Heart);
  in.hands[West] = {H("KQJ52"), 0, H("A7"), H("T98642")};
  const CardCode c = ChooseOpeningLeadCard(in);
  ASSERT_NE(c, 0);
  EXPECT_TRUE(HoldsCard(in.hands[West][SuitOf(c)], c));
  // King-queen-jack at a suit contract is a strong attacking lead: the king.
  EXPECT_EQ(c, MakeCard(King, Club));
  in.hands[West] = {0, 0, 0, 0};
  EXPECT_EQ(ChooseOpeningLeadCard(in), 0);
}

TEST(OpeningLeadChoice, DispatcherOffersTheOneCardAtTheOpeningLead) {
  // West on lead against four hearts with a king-queen-jack sequence.
  Position p = testing::MakePosition("AKQ.KQJT.AKQJ.A3", "J753.9865.T98.76", "...",
                                     "T98642.A7..KQJ52", Heart, West);
  const std::vector<std::string> c = testing::CandidatesAt(p);
  EXPECT_EQ(c, (std::vector<std::string>{"KC"}));
}

}  // namespace
}  // namespace quorval::engine
