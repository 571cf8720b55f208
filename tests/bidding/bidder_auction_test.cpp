// The bidder's calls on hand-made deals, and auction properties over many
// shuffled deals in all four systems: legal and complete, no forcing call
// passed, no slam without the values, key-card answers read correctly; and
// the bidder's meanings survive a replay of its own auctions.
#include <gtest/gtest.h>

#include "bidding/bidder.h"
#include "core/prng.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

using testing::MakeDeal;

CallCode FirstCall(const std::string& hand, System system, Seat dealer = North, Vulnerability vul = 0) {
  std::array<std::string, 4> hands{};
  hands[dealer] = hand;
  const Deal deal = MakeDeal(hands);
  View view(system, dealer, vul);
  return ChooseCall(deal, view);
}

struct OpeningRow {
  const char* hand;
  System system;
  Vulnerability vul;
  const char* expected;
};

TEST(BidderOpenings, FollowEachSystem) {
  const OpeningRow rows[] = {
      // 1NT ranges: 15-17, 15-17, 14-16, 12-14.
      {"KQ2.AJ3.K432.Q32", System::DanishBasic, 0, "1N"},      // 15
      {"KQ2.AJ3.K432.J32", System::StdNorwegian, 0, "1N"},     // 14
      {"KQ2.AJ3.K432.J32", System::DanishBasic, 0, "1D"},      // 14: too weak for 1NT
      {"Q32.AJ3.K432.Q32", System::ModernBasic, 0, "1N"},      // 12
      // Five-card majors against four-card majors.
      {"AK32.K432.Q32.32", System::ModernStandard, 0, "1D"},
      {"AK32.K432.32.AQ2", System::ModernBasic, 0, "1H"},      // 16: above its 1NT
      {"AKJ32.K432.32.32", System::DanishBasic, 0, "1S"},
      // Strong 2C, 2NT opening.
      {"AKQ2.AKQ3.AK3.32", System::ModernStandard, 0, "2C"},
      {"AK2.KQ3.AQ32.Q32", System::DanishBasic, 0, "2N"},
      // Weak twos, the multi and the two-suited twos.
      {"32.KQJ932.432.32", System::DanishBasic, 0, "2H"},
      {"32.KQJ932.432.32", System::StdNorwegian, 0, "2D"},
      {"32.KQJ93.Q432.32", System::StdNorwegian, 0, "2H"},
      {"32.32.KQT9832.32", System::ModernStandard, 0, "3D"},
      // Vulnerable, a preempt on a poor suit is a pass.
      {"32.Q98632.K32.32", System::DanishBasic, 0, "2H"},
      {"32.Q98632.K32.32", System::DanishBasic, 1, "P"},
      // Nothing to open.
      {"J32.Q32.J432.Q32", System::ModernStandard, 0, "P"},
  };
  for (const OpeningRow& r : rows)
    EXPECT_EQ(CallToken(FirstCall(r.hand, r.system, North, r.vul)), r.expected)
        << r.hand << " in " << Definition(r.system).name;
}

TEST(BidderOpenings, FourthSeatNeedsSpadesForALightOpening) {
  // Eleven points in fourth seat: open with four spades, pass with one.
  for (const auto& [hand, expected] : {std::pair{"KJ32.A32.K432.32", "1D"}, std::pair{"2.A32.KQ432.Q432", "P"}}) {
    const Deal deal = MakeDeal({"T98.T98.T98.T987", "", "", hand});
    ASSERT_TRUE(DealIsComplete(deal));
    View view(System::ModernStandard, North, 0);
    for (int i = 0; i < 3; ++i) view.Push(Pass, {});
    EXPECT_EQ(CallToken(ChooseCall(deal, view)), expected) << hand;
  }
}

// Plays the calls into a view with the meanings the bidder itself gives them.
View Replayed(const Deal& deal, System system, Seat dealer, const std::vector<std::string>& calls) {
  View view(system, dealer, 0);
  std::vector<CallCode> codes;
  for (const std::string& c : calls) codes.push_back(ParseCall(c));
  EXPECT_TRUE(Replay(deal, codes, view));
  return view;
}

TEST(BidderNoTrump, StaymanTransfersAndSignOffs) {
  const std::string opener = "KQ2.AJ3.K432.Q32";
  struct Row {
    const char* responder;
    System system;
    const char* expected;
  };
  const Row rows[] = {
      {"A543.K654.Q5.J54", System::DanishBasic, "2C"},     // Stayman with 10 points
      {"J8765.654.65.654", System::ModernStandard, "2H"},  // transfer to spades
      {"J8765.654.65.654", System::DanishBasic, "2S"},     // weak take-out, no transfers
      {"A54.K54.AJ5.J654", System::DanishBasic, "3N"},
      {"J54.K54.A65.T654", System::DanishBasic, "2N"},     // invitation
  };
  for (const Row& r : rows) {
    const Deal deal = MakeDeal({opener, "", r.responder, ""});
    ASSERT_TRUE(DealIsComplete(deal)) << r.responder;
    const View view = Replayed(deal, r.system, North, {"1N", "P"});
    EXPECT_EQ(CallToken(ChooseCall(deal, view)), r.expected) << r.responder;
  }
  // The opener answers Stayman with a four-card major and completes a transfer.
  const Deal withHearts = MakeDeal({"K2.AQJ3.K432.Q32", "", "A543.K654.Q5.J54", ""});
  EXPECT_EQ(CallToken(ChooseCall(withHearts, Replayed(withHearts, System::DanishBasic, North, {"1N", "P", "2C", "P"}))), "2H");
  const Deal transfer = MakeDeal({opener, "", "J8765.654.65.654", ""});
  EXPECT_EQ(CallToken(ChooseCall(transfer, Replayed(transfer, System::ModernStandard, North, {"1N", "P", "2H", "P"}))), "2S");
}

// North opened 1S, South raised, North asked with 4NT: South's answer by system.
TEST(BidderSlam, KeyCardAnswersFollowTheSystem) {
  // Key cards counted for spades: the four aces and the king of spades.
  const struct {
    const char* south;
    System system;
    const char* answer;
  } table[] = {
      {"Q432.A32.K32.432", System::ModernStandard, "5C"},  // 1 key card: 5C in 1430
      {"Q432.A32.K32.432", System::StdNorwegian, "5D"},    // 1 key card: 5D in 3014
      {"Q432.A32.K32.432", System::DanishBasic, "5D"},     // Blackwood: one ace
      {"K432.A32.A32.432", System::ModernStandard, "5D"},  // 3 key cards: 5D in 1430
      {"K432.A32.A32.432", System::StdNorwegian, "5C"},    // 3 key cards: 5C in 3014
      {"KQ32.A32.432.432", System::ModernStandard, "5S"},  // 2 with the queen
      {"K432.A32.432.432", System::ModernStandard, "5H"},  // 2 without the queen
      {"K432.A32.432.432", System::DanishBasic, "5D"},     // Blackwood counts the ace only
  };
  for (const auto& r : table) {
    const Deal deal = MakeDeal({"AJ9876.KQ.Q.AKQ", "", r.south, ""});
    View view(r.system, North, 0);
    view.Push(MakeBid(1, Spade), Meaning{}.Pts(11, 21).Len(Spade, 5).Strain(Spade));
    view.Push(Pass, {});
    view.Push(MakeBid(3, Spade), Meaning{}.Pts(10, 12).Len(Spade, 4).Strain(Spade).As(Conv::LimitRaise));
    view.Push(Pass, {});
    view.Push(MakeBid(4, NT), Meaning{}.As(Conv::AceAsk).Strain(Spade).Forcing(Force::OneRound));
    view.Push(Pass, {});
    EXPECT_EQ(CallToken(ChooseCall(deal, view)), r.answer) << r.south << " " << Definition(r.system).name;
  }
}

TEST(BidderSlam, AskerReadsTheAnswer) {
  // North holds three key cards; South's 5C (1430) can only mean one: bid six.
  // South's 5D then means none: two key cards are missing, stop in five.
  struct Row {
    const char* south;
    const char* expected;
  };
  for (const Row& r : {Row{"Q432.K32.A32.432", "6S"}, Row{"Q432.KQ2.KJ2.432", "5S"}}) {
    const Deal deal = MakeDeal({"AKJ987.K4.Q4.AKQ", "", r.south, ""});
    View asked(System::ModernStandard, North, 0);
    asked.Push(MakeBid(1, Spade), Meaning{}.Pts(11, 21).Len(Spade, 5).Strain(Spade));
    asked.Push(Pass, {});
    asked.Push(MakeBid(3, Spade), Meaning{}.Pts(10, 12).Len(Spade, 4).Strain(Spade).As(Conv::LimitRaise));
    asked.Push(Pass, {});
    asked.Push(MakeBid(4, NT), Meaning{}.As(Conv::AceAsk).Strain(Spade).Forcing(Force::OneRound));
    asked.Push(Pass, {});
    const std::vector<Candidate> answer = Candidates(deal, asked);
    asked.Push(answer.front().call, answer.front().meaning);
    asked.Push(Pass, {});
    EXPECT_EQ(CallToken(ChooseCall(deal, asked)), r.expected) << r.south << " answered " << CallToken(answer.front().call);
  }
}

// Properties of every auction the bidder makes on shuffled deals.
TEST(BidderAuctions, SoundOnShuffledDeals) {
  int slams = 0;
  for (int i = 0; i < 150; ++i) {
    const Deal deal = ShuffledDeal(20051209, "Test" + std::to_string(i));
    const Seat dealer = i & 3;
    const Vulnerability vul = (i / 4) & 3;
    for (System system : kAllSystems) {
      View view(system, dealer, vul);
      Complete(deal, view);
      const std::string text = AuctionText(view.calls());
      ASSERT_TRUE(view.auction.Over()) << text;
      for (int k = 0; k < view.Size(); ++k) {
        // A pass straight after partner's forcing call (opponent silent) is the fault players hate.
        if (view.calls()[k] != Pass || k < 2) continue;
        const Meaning& partner = view.meanings[k - 2];
        const bool rhoPassed = view.calls()[k - 1] == Pass;
        const CallCode last = view.auction.lastBid;
        const bool belowGame = LevelOf(last) < (StrainOf(last) == NT ? 3 : StrainOf(last) >= Heart ? 4 : 5);
        const bool forcing = partner.force == Force::OneRound || (partner.force == Force::Game && belowGame);
        if (forcing && rhoPassed && view.calls()[k - 2] != Pass)
          ADD_FAILURE() << Definition(system).name << " passes a forcing call: " << text << " at call " << k + 1;
      }
      const Contract c = view.auction.Result();
      if (!c.PassedOut() && c.level() >= 6) {
        ++slams;
        const int hcp = Evaluate(deal, c.declarer).hcp + Evaluate(deal, PartnerOf(c.declarer)).hcp;
        EXPECT_GE(hcp, 26) << "slam without the values: " << text;
      }
      // The auction never wanders past the level the partnership's points support.
      if (!c.PassedOut() && c.level() >= 5 && c.DoubledCount == 0) {
        const int hcp = Evaluate(deal, c.declarer).hcp + Evaluate(deal, PartnerOf(c.declarer)).hcp;
        EXPECT_GE(hcp, 20) << "five-level contract on " << hcp << " points: " << text;
      }
    }
  }
  EXPECT_GT(slams, 0);
}

TEST(BidderAuctions, VulnerabilityChangesCompetitiveActions) {
  // A thin two-level overcall: taken not vulnerable, passed vulnerable.
  const Deal deal = MakeDeal({"", "32.KJ9.AQ765.432", "", ""});
  for (const auto& [vul, expected] : {std::pair{0, "2D"}, std::pair{2, "P"}}) {
    View view(System::DanishBasic, North, vul);
    view.Push(MakeBid(1, Spade), Meaning{}.Pts(11, 21).Len(Spade, 5).Strain(Spade));
    EXPECT_EQ(CallToken(ChooseCall(deal, view)), expected) << "vulnerability " << vul;
  }
}

TEST(BidderAuctions, JudgementShiftsBorderlineDecisions) {
  // Eleven points, a balanced hand: the bidder passes, an optimist opens.
  const Deal deal = MakeDeal({"K32.Q32.KJ32.Q32", "", "", ""});
  View view(System::ModernStandard, North, 0);
  EXPECT_EQ(ChooseCall(deal, view), Pass);
  Judgement optimist;
  optimist.optimism[North] = 2;
  EXPECT_EQ(CallToken(ChooseCall(deal, view, optimist)), "1D");
}

TEST(BidderReplay, MeaningsSurviveAReplay) {
  for (int i = 0; i < 40; ++i) {
    const Deal deal = ShuffledDeal(99, "Replay" + std::to_string(i));
    const System system = kAllSystems[i % 4];
    View bid(system, i & 3, (i / 4) & 3);
    Complete(deal, bid);
    View again(system, i & 3, (i / 4) & 3);
    ASSERT_TRUE(Replay(deal, bid.calls(), again));
    ASSERT_EQ(again.Size(), bid.Size());
    for (int k = 0; k < bid.Size(); ++k) {
      EXPECT_EQ(again.meanings[k].conv, bid.meanings[k].conv) << AuctionText(bid.calls()) << " call " << k + 1;
      EXPECT_EQ(again.meanings[k].minPts, bid.meanings[k].minPts) << AuctionText(bid.calls()) << " call " << k + 1;
    }
  }
  // An illegal call is refused.
  View view(System::DanishBasic, North, 0);
  EXPECT_FALSE(Replay(Deal{}, {MakeBid(1, Spade), MakeBid(1, Heart)}, view));
}

}  // namespace
}  // namespace quorval::bidder
