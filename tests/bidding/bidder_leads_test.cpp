// Opening leads for the library: the card each convention takes from a suit,
// the percentages and the leader's own preference.
#include <gtest/gtest.h>

#include <numeric>

#include "bidding/leads.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

Holding Suit(const std::string& ranks) {
  Deal d;
  return testing::ParseSuit(ranks, Spade, d, North);
}

TEST(ConventionalLead, CardByConvention) {
  struct Row {
    const char* holding;
    bool noTrump;
    LeadStyle style;
    const char* card;
  };
  const Row rows[] = {
      {"KQT4", true, LeadStyle::Standard, "KS"},    // broken top: the king
      {"J8642", true, LeadStyle::Norwegian, "4S"},  // fourth highest at no trump
      {"KJT5", false, LeadStyle::Basic, "TS"},      // interior run: third highest
      {"KJT5", false, LeadStyle::Standard, "JS"},   // interior run: second highest
      {"AK", false, LeadStyle::Norwegian, "KS"},    // ace-king doubleton: the king
      {"AK", false, LeadStyle::Standard, "AS"},
      {"K842", true, LeadStyle::Standard, "2S"},    // lowest from an honour
      {"K842", true, LeadStyle::Basic, "4S"},       // even length: one above the lowest
      {"98642", true, LeadStyle::Standard, "9S"},   // top of nothing
      {"A842", false, LeadStyle::Standard, "AS"},   // the ace at a suit contract
      {"Q7", false, LeadStyle::Basic, "QS"},
      {"5", true, LeadStyle::Norwegian, "5S"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(CardText(ConventionalLead(Suit(r.holding), Spade, r.noTrump, r.style)), r.card)
        << r.holding << " " << LeadStyleName(r.style);
  EXPECT_EQ(ConventionalLead(0, Spade, true, LeadStyle::Standard), 0);
}

TEST(Percentages, WholeNumbersAddingToOneHundred) {
  const std::vector<std::vector<int>> cases = {{1}, {3, 1}, {1, 1, 1}, {97, 1, 1, 1}, {0, 0}, {1000, 1, 1}, {5, 5, 5, 5}};
  for (const auto& w : cases) {
    const std::vector<int> p = Percentages(w);
    ASSERT_EQ(p.size(), w.size());
    EXPECT_EQ(std::accumulate(p.begin(), p.end(), 0), 100);
    for (int x : p) EXPECT_GE(x, 1);
  }
  EXPECT_EQ(Percentages({3, 1}), (std::vector<int>{75, 25}));
}

TEST(ChooseLeads, TheLeadersOwnPreferenceWithPercentagesToOneHundred) {
  // Against no trump the top of a five-card sequence is the lead most players
  // choose; the other suits share what is left.
  Hand west{};
  Deal scratch;
  west[Spade] = testing::ParseSuit("KQJT3", Spade, scratch, West);
  west[Heart] = testing::ParseSuit("842", Heart, scratch, West);
  west[Diamond] = testing::ParseSuit("953", Diamond, scratch, West);
  west[Club] = testing::ParseSuit("J7", Club, scratch, West);
  const std::vector<WeightedLead> leads = ChooseLeads(west, NT, LeadStyle::Standard, {});
  ASSERT_FALSE(leads.empty());
  ASSERT_LE(leads.size(), 4u);
  int total = 0;
  for (const WeightedLead& l : leads) {
    EXPECT_TRUE(HoldsCard(west[SuitOf(l.card)], l.card)) << CardText(l.card);
    EXPECT_GE(l.percent, 5) << CardText(l.card);
    total += l.percent;
  }
  EXPECT_EQ(total, 100);
  EXPECT_EQ(CardText(leads.front().card), "KS");
  EXPECT_GT(leads.front().percent, 50);
}

TEST(ChooseLeads, PartnersSuitIsLed) {
  const Deal deal = testing::MakeDeal({"", "", "", "K42.8643.J52.Q97"});
  LeadHints hints;
  hints.partnerSuit[Heart] = true;
  const std::vector<WeightedLead> leads = ChooseLeads(HandOf(deal, West), NT, LeadStyle::Standard, hints);
  EXPECT_EQ(SuitOf(leads.front().card), Heart);
}

}  // namespace
}  // namespace quorval::bidder
