// The engine's own opening lead: the attacking factor, the suit scores and the
// card that each lead convention picks.

#include <gtest/gtest.h>

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
  // The worked example: opponents with 11 points, leader's high cards equal
  // to partner's points.
  EXPECT_NEAR(Aggression(11, 8, 8, 6), 0.2, 1e-12);
}

// The factor of whole deals, points counted by hand: West leads, North is
// the left-hand opponent, East partner, South the right-hand opponent.
TEST(OpeningAggression, FromTheFourHands) {
  struct Row {
    const char* what;
    std::array<std::array<const char*, 4>, 4> hands;   // N, E, S, W; clubs .. spades
    double aggression;
  };
  const Row rows[] = {
      // North 5, South 32 points: the strong right-hand opponent keeps West
      // passive although the opponents hold 37.
      {"strong right-hand opponent",
       {{{"T98", "QJ2", "J983", "J87"}, {"765", "T95", "Q654", "T54"}, {"AKQ", "AK76", "AK", "AKQ3"},
         {"J432", "843", "T72", "962"}}},
       0.2},
      // The same with North and South swapped: 37 points on the left, and the
      // weak hand on the right, make West as bold as he gets.
      {"strong left-hand opponent",
       {{{"AKQ", "AK76", "AK", "AKQ3"}, {"765", "T95", "Q654", "T54"}, {"T98", "QJ2", "J983", "J87"},
         {"J432", "843", "T72", "962"}}},
       1.0},
      // West holds 32, partner nothing, the opponents 8: as passive as can be.
      {"leader far stronger than partner",
       {{{"JT98", "QJ8", "QJT", "J98"}, {"765", "T95", "8654", "T54"}, {"432", "432", "9732", "762"},
         {"AKQ", "AK76", "AK", "AKQ3"}}},
       0.0},
      // West 2, partner 27, the opponents 11 (all on the left). The point
      // difference -25 counts as -6 quarters (toward zero, not -7):
      // -3 + 6 = 3 steps above the middle.
      {"weak leader, strong partner",
       {{{"T98", "T98", "QJT9", "AKJ"}, {"AKQ2", "AKQ", "AK2", "Q32"}, {"765", "7652", "876", "T98"},
         {"J43", "J43", "543", "7654"}}},
       0.8},
  };
  for (const Row& row : rows) {
    OpeningLeadInput in;
    in.leader = West;
    in.trump = Spade;
    for (Seat s = North; s <= West; ++s)
      for (TSuit suit = Club; suit <= Spade; ++suit) in.hands[s][suit] = H(row.hands[s][suit]);
    int cards = 0;
    for (const auto& hand : in.hands)
      for (const Holding h : hand) cards += CardCount(h);
    ASSERT_EQ(cards, 52) << row.what;
    EXPECT_NEAR(MakeOpeningLeadContext(in).aggression, row.aggression, 1e-12) << row.what;
  }
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
  // Passive 1, attacking 5: 1 + 4 x factor, to the nearest whole number and
  // an exact half to the even one.
  const struct {
    double aggression;
    int score;
  } rows[] = {{0.0, 1}, {0.1, 1}, {0.2, 2}, {0.3, 2}, {0.4, 3}, {0.5, 3}, {0.6, 3},
              {0.7, 4}, {0.8, 4}, {0.9, 5}, {1.0, 5}, {0.375, 2}, {0.625, 4}};
  for (const auto& row : rows) {
    OpeningLeadContext ctx = MakeOpeningLeadContext(in);
    ctx.aggression = row.aggression;
    EXPECT_EQ(OpeningSuitScore(ctx, Club), row.score) << row.aggression;
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
