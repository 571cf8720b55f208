// The engine's leads after the opening lead: which suits are offered and the
// card chosen within a suit.

#include <gtest/gtest.h>

#include <set>

#include "play/engine/leads.h"
#include "tests/play/follow_suit_fixture.h"

namespace quorval::engine {
namespace {

using testing::CandidatesAt;
using testing::MakePosition;

struct OfferRow {
  std::array<int, 4> scores;   // clubs, diamonds, hearts, spades
  int skill;
  std::vector<TSuit> offered;
};

TEST(LeadSuitOrder, SkillWidensTheSuitsOffered) {
  const OfferRow rows[] = {
      // A suit trailing by 100: only at a skill where 50 x skill reaches it.
      {{0, 0, 100, 200}, 1, {Spade}},
      {{0, 0, 100, 200}, 2, {Spade, Heart}},
      {{0, 0, 100, 200}, 10, {Spade, Heart}},
      // A suit scoring 250 or more is always offered.
      {{0, 0, 300, 900}, 1, {Spade, Heart}},
      // Below 3 the list ends, whatever the skill.
      {{2, 0, 2, 600}, 10, {Spade}},
      // Equal scores: spades, hearts, diamonds, clubs.
      {{100, 100, 100, 100}, 1, {Spade, Heart, Diamond, Club}},
      {{120, 120, 5, 5}, 10, {Diamond, Club, Spade, Heart}},
      // A suit the leader does not hold is never offered.
      {{-1000, -1000, 50, -1000}, 10, {Heart}},
  };
  for (const OfferRow& row : rows) {
    EXPECT_EQ(SuitsToOffer(row.scores, row.skill), row.offered)
        << row.scores[3] << "/" << row.scores[2] << " skill " << row.skill;
  }
}

TEST(LeadCardInSuit, SingletonAndUncontestedSuitsHaveOneCard) {
  // West on lead holds a singleton heart and the only clubs left.
  Position p = MakePosition("AK4.KQ.AK..", "QJ3.J2.QJ..", "T98.A4.T9..", "765.5.87.AQ3", NT, West);
  LeadWide w;
  EXPECT_EQ(CardInSuit(p, w, Heart, true), std::make_pair(testing::Card("5H"), CardCode{0}));
  EXPECT_EQ(CardInSuit(p, w, Club, true), std::make_pair(testing::Card("AC"), CardCode{0}));
}

TEST(LeadCardInSuit, UnderPartnersCardsDefenderShowsEvenLength) {
  // Every spade West holds is below East's lowest. Holding two (an even
  // number) a defender leads the higher; North on declarer's side the lower.
  Position defender = MakePosition("32.2.AK.", "KQJ.Q.Q.", "A54.A.J.", "76.K3.4.", NT, West);
  LeadWide w;
  EXPECT_EQ(CardInSuit(defender, w, Spade, true).first, testing::Card("7S"));

  // North wins trick one and leads from 3-2 under South's A-5-4.
  Position declarer = MakePosition("A32.2.AK.", "KQJ.Q.Q.", "T54.A.J.", "876.K3.4.", NT, West,
                                   {"8S", "AS", "JS", "4S"});
  ASSERT_EQ(declarer.seat, North);
  EXPECT_EQ(CardInSuit(declarer, w, Spade, true).first, testing::Card("2S"));
}

TEST(LeadCardInSuit, UnderPartnersSingletonLeadsLow) {
  // East holds one spade above all of West's: West leads low even as a defender.
  Position p = MakePosition("AKJ.2.AK.", "Q.QJ.Q2.", "T54.A.J3.", "76.K3.4.", NT, West);
  LeadWide w;
  EXPECT_EQ(CardInSuit(p, w, Spade, true).first, testing::Card("6S"));
}

TEST(LeadCandidates, DefenderEarlyLeadsOneCardPerSuit) {
  // West wins trick one with the spade ace and leads again at trick two.
  Position p = MakePosition("K32.Q32.Q32.Q32", "J54.J54.J54.J54", "QT6.AK6.AK6.AK6",
                            "A987.T987.T987.T", Heart, West, {"AS", "2S", "4S", "6S"});
  ASSERT_EQ(p.seat, West);
  const std::vector<std::string> c = CandidatesAt(p);
  ASSERT_FALSE(c.empty());
  std::set<char> suits;
  for (const std::string& card : c) suits.insert(card[1]);
  EXPECT_EQ(suits.size(), c.size());
}

TEST(LeadCandidates, EveryCandidateIsALeaderCard) {
  // Declarer on lead at trick two with suits of all kinds.
  Position p = MakePosition("AK32.Q2.KJ32.A32", "QJ5.KJ54.Q54.J54", "T76.A9876.A6.K76",
                            "984.T3.T987.QT98", Spade, West, {"TD", "2D", "QD", "AD"});
  ASSERT_EQ(p.seat, South);
  const std::vector<std::string> c = CandidatesAt(p);
  ASSERT_FALSE(c.empty());
  for (const std::string& card : c) {
    const CardCode code = testing::Card(card);
    EXPECT_TRUE(p.hands[South].Cards(SuitOf(code)) & CardBits(code)) << card;
  }
}

}  // namespace
}  // namespace quorval::engine
