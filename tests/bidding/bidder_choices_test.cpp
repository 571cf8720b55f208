// The calls the bidder weighs beside its own choice, which the library offers
// the user: the second opening a real player might choose, a light
// competitive bid, and never a call that misdescribes the hand.
#include <gtest/gtest.h>

#include <algorithm>

#include "bidding/bidder.h"
#include "bidding/hand.h"
#include "bidding/library.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

using testing::MakeDeal;

// North deals; after the given calls (with plain natural meanings for bids),
// the candidates of the seat to act.
std::vector<Candidate> CandidatesAfter(const std::array<std::string, 4>& hands, System system,
                                       const std::vector<std::pair<const char*, Meaning>>& steps,
                                       Vulnerability vul = 0) {
  const Deal deal = MakeDeal(hands);
  EXPECT_TRUE(DealIsComplete(deal));
  View view(system, North, vul);
  for (const auto& [call, meaning] : steps) EXPECT_TRUE(view.Push(ParseCall(call), meaning)) << call;
  return Candidates(deal, view);
}

std::string Tokens(const std::vector<Candidate>& cands) {
  std::string text;
  for (const Candidate& c : cands) text += CallToken(c.call) + " ";
  return text;
}

// The bidder's own call and whether the other call is among its candidates.
struct Offer {
  std::string first;
  bool offered = false;
};

Offer OfferOf(const std::vector<Candidate>& cands, const char* other) {
  Offer o;
  o.first = CallToken(cands.front().call);
  o.offered = std::any_of(cands.begin() + 1, cands.end(),
                          [&](const Candidate& c) { return CallToken(c.call) == other; });
  return o;
}

TEST(BidderChoices, SecondOpenings) {
  struct Row {
    const char* north;
    System system;
    const char* first;
    const char* other;
    bool offered;
  };
  const Row rows[] = {
      // 5-4-2-2 with 15 high-card points: one of the long suit, 1NT beside it.
      {"AK.QJ.KJ876.Q432", System::DanishBasic, "1D", "1N", true},
      // The same shape two points short of the range: no 1NT.
      {"AK.QJ.QJ876.J432", System::DanishBasic, "1D", "1N", false},
      // A six-card minor with two doubletons in the weak no-trump range.
      {"AT.T72.AKQT72.43", System::ModernBasic, "1D", "1N", true},
      // A six-card major stays a major.
      {"AKQT72.T72.AT.43", System::ModernBasic, "1S", "1N", false},
      // Four-four in the minors beside a four-card major where majors promise five: 1D, or 1C.
      {"KQ32.2.AQ32.K432", System::ModernStandard, "1D", "1C", true},
      // Four-card majors and both majors: 1H, or 1S.
      {"KQ32.AJ32.K432.2", System::ModernBasic, "1H", "1S", true},
      // A four-card major may not be opened where majors promise five.
      {"KQ32.AJ32.K432.2", System::ModernStandard, "1D", "1S", false},
  };
  for (const Row& r : rows) {
    const std::vector<Candidate> cands = CandidatesAfter({r.north, "", "", ""}, r.system, {});
    const Offer o = OfferOf(cands, r.other);
    EXPECT_EQ(o.first, r.first) << r.north << " " << Definition(r.system).name << ": " << Tokens(cands);
    EXPECT_EQ(o.offered, r.offered) << r.north << " " << Definition(r.system).name << ": " << Tokens(cands);
  }
}

TEST(BidderChoices, LightCompetition) {
  const Meaning strongNt = Meaning{}.Pts(15, 17).Balanced().Strain(NT);
  // Over their 1NT: a five-card major with a singleton is worth a try, yet the
  // bidder itself still passes, so the field and the main line stay quiet.
  Offer o = OfferOf(CandidatesAfter({"AQ3.AJ4.KQ2.J743", "KJ854.KQ983.43.2", "", ""}, System::DanishBasic,
                                    {{"1N", strongNt}}),
                    "2S");
  EXPECT_EQ(o.first, "P");
  EXPECT_TRUE(o.offered);
  // A flat hand with the same points keeps out.
  o = OfferOf(CandidatesAfter({"AQ3.AJ4.KQ2.J743", "KJ854.KQ9.T43.Q2", "", ""}, System::DanishBasic,
                              {{"1N", strongNt}}),
              "2S");
  EXPECT_FALSE(o.offered);
  // Straight over a strong 2C, a good six-card suit not vulnerable; vulnerable, nothing.
  const Meaning strong = Meaning{}.Pts(22, 37).As(Conv::Strong2C).Forcing(Force::OneRound);
  const std::array<std::string, 4> hands{"A72.AKQ4.AK32.AK", "KQJ954.32.Q54.43", "", ""};
  o = OfferOf(CandidatesAfter(hands, System::ModernStandard, {{"2C", strong}}), "2S");
  EXPECT_EQ(o.first, "P");
  EXPECT_TRUE(o.offered);
  o = OfferOf(CandidatesAfter(hands, System::ModernStandard, {{"2C", strong}}, ParseVulnerability("Both")), "2S");
  EXPECT_FALSE(o.offered);
}

// Shuffled boards, every system: the user's alternatives at the first call
// never pass partner's one-level suit opening with an opening hand, and where a
// player would weigh another call the library mostly offers one.
TEST(BidderChoices, FirstCallAlternativesAreSound) {
  int weighed = 0, withAlternative = 0;
  TableReading reading;
  for (int i = 0; i < 300; ++i) {
    const LibraryBoard b = testing::ShuffledLibraryBoard(77, "Imp02", "Choices", i);
    const Seat user = b.UserSeat();
    const HandFacts hand = Evaluate(b.deal, user);
    for (System s : kAllSystems) {
      const std::vector<LibraryLine> lines = SectionLines(b, s, reading);
      ASSERT_FALSE(lines.empty());
      int first = 0;
      while (((b.dealer + first) & 3) != user) ++first;
      View table(s, b.dealer, b.vul);
      ASSERT_TRUE(reading.ReadAuction({lines.front().calls.begin(), lines.front().calls.begin() + first}, table));
      const bool choice = !WeighedCalls(HandOf(b.deal, user), table).empty();
      bool alternative = false;
      for (size_t l = 1; l < lines.size(); ++l) {
        const std::vector<CallCode>& calls = lines[l].calls;
        ASSERT_GT(calls.size(), static_cast<size_t>(first));
        if (calls[first] != lines.front().calls[first]) alternative = true;
        // Partner opened one of a suit and the right-hand opponent passed.
        const int partnerIndex = first - 2;
        const bool partnerOpened = partnerIndex >= 0 && IsBid(calls[partnerIndex]) &&
                                   LevelOf(calls[partnerIndex]) == 1 && StrainOf(calls[partnerIndex]) != NT &&
                                   calls[first - 1] == Pass &&
                                   std::all_of(calls.begin(), calls.begin() + partnerIndex,
                                               [](CallCode c) { return c == Pass; });
        if (partnerOpened && hand.hcp >= 13) {
          EXPECT_NE(calls[first], Pass) << b.key << " " << Definition(s).name << " " << AuctionText(calls);
        }
      }
      if (choice) ++weighed;
      if (choice && alternative) ++withAlternative;
    }
  }
  // Where a player of the system would weigh another first call, the library
  // offers one on most boards (the others fail the meaning by more than a point).
  EXPECT_GE(withAlternative * 10, weighed * 7) << withAlternative << " of " << weighed;
}

}  // namespace
}  // namespace quorval::bidder
