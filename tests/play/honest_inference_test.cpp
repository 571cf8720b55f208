// What the honest computer reads from the auction and the play, and the
// layouts it draws from that.
#include <gtest/gtest.h>

#include <set>

#include "play/honest/auction_inference.h"
#include "play/honest/knowledge.h"
#include "play/honest/layout_sampler.h"
#include "tests/play/engine_test_util.h"
#include "tests/play/honest_test_util.h"

namespace quorval::honest {
namespace {

using testutil::Facts;

HandRange Balanced(int lo, int hi) { return HandRange{}.Hcp(lo, hi).Balanced(); }

TEST(AuctionInference, OpeningsByTheSystem) {
  // 1NT follows each system's range.
  EXPECT_EQ(InferHands(Facts(North, {"1N", "P", "P", "P"}, 'D'))[North], Balanced(15, 17));
  EXPECT_EQ(InferHands(Facts(North, {"1N", "P", "P", "P"}, 'N'))[North], Balanced(14, 16));
  EXPECT_EQ(InferHands(Facts(North, {"1N", "P", "P", "P"}, 'S'))[North], Balanced(12, 14));
  // A major opening promises five cards, or four in Modern Basic.
  EXPECT_EQ(InferHands(Facts(East, {"1H", "P", "P", "P"}, 'M'))[East].minLen[Heart], 5);
  EXPECT_EQ(InferHands(Facts(East, {"1H", "P", "P", "P"}, 'S'))[East].minLen[Heart], 4);
  // With five-card majors a minor opening denies one.
  const HandRange minor = InferHands(Facts(East, {"1D", "P", "P", "P"}, 'D'))[East];
  EXPECT_EQ(minor.maxLen[Spade], 4);
  EXPECT_EQ(minor.maxLen[Heart], 4);
  EXPECT_EQ(minor.minHcp, 11);
}

TEST(AuctionInference, PreemptsAndPasses) {
  // West deals and opens 3S: seven spades, 5-10 points, no side suit longer than four.
  const auto hands = InferHands(Facts(West, {"3S", "P", "P", "P"}));
  EXPECT_EQ(hands[West].minLen[Spade], 7);
  EXPECT_EQ(hands[West].maxHcp, 10);
  for (TSuit s : {Club, Diamond, Heart}) EXPECT_EQ(hands[West].maxLen[s], 4);
  // The others passed: North over the preempt says nothing, East and South
  // passed after it (East is the preempter's partner: no answer read).
  EXPECT_TRUE(hands[North].Open());
  // Passing first in hand limits the points; in fourth seat a little more.
  const auto passes = InferHands(Facts(North, {"P", "P", "P", "1S", "P", "P", "P"}));
  EXPECT_EQ(passes[North].maxHcp, 12);
  EXPECT_EQ(passes[South].maxHcp, 12);
  // A preempt in fourth seat is read as nothing special.
  EXPECT_TRUE(InferHands(Facts(North, {"P", "P", "P", "3C", "P", "P", "P"}))[West].minHcp == 0);
}

TEST(AuctionInference, AnswersOvercallsAndRebids) {
  // Transfers where the system plays them; weak take-outs otherwise.
  EXPECT_EQ(InferHands(Facts(North, {"1N", "P", "2D", "P", "2H", "P", "P", "P"}, 'M'))[South].minLen[Heart], 5);
  const HandRange weak = InferHands(Facts(North, {"1N", "P", "2D", "P", "P", "P"}, 'D'))[South];
  EXPECT_EQ(weak.minLen[Diamond], 5);
  EXPECT_EQ(weak.maxHcp, 7);
  // Partner's pass of one of a suit: a poor hand.
  EXPECT_EQ(InferHands(Facts(North, {"1C", "P", "P", "P"}))[South].maxHcp, 6);
  // An overcall at the one level: a five-card suit, 8-17; a jump: weak, six cards.
  const auto over = InferHands(Facts(North, {"1D", "1H", "P", "P", "P"}));
  EXPECT_EQ(over[East].minLen[Heart], 5);
  EXPECT_EQ(over[East].minHcp, 8);
  const auto jump = InferHands(Facts(North, {"1D", "2S", "P", "P", "P"}));
  EXPECT_EQ(jump[East].minLen[Spade], 6);
  EXPECT_EQ(jump[East].maxHcp, 10);
  // Opener rebids the suit at the two level: six cards.
  const auto rebid = InferHands(Facts(North, {"1H", "P", "1S", "P", "2H", "P", "P", "P"}));
  EXPECT_EQ(rebid[North].minLen[Heart], 6);
  EXPECT_EQ(rebid[South].minLen[Spade], 4);
}

TEST(AuctionInference, LaterCallsNarrowAndCorrect) {
  HandRange r = HandRange{}.Hcp(11, 21);
  r.Narrow(HandRange{}.Hcp(15, 17));
  EXPECT_EQ(r.minHcp, 15);
  EXPECT_EQ(r.maxHcp, 17);
  // A later call that cannot agree with the earlier picture replaces it.
  r.Narrow(HandRange{}.Hcp(0, 7));
  EXPECT_EQ(r.minHcp, 0);
  EXPECT_EQ(r.maxHcp, 7);
}

// Meanings from the event data take the place of the plain reading.
class FixedMeanings : public CallMeanings {
 public:
  std::optional<HandRange> MeaningOf(const AuctionFacts& a, size_t index) const override {
    if (a.calls[index] == ParseCall("1N")) return HandRange{}.Hcp(10, 12);
    return std::nullopt;
  }
};

TEST(AuctionInference, EventMeaningsComeFirst) {
  const FixedMeanings meanings;
  const auto hands = InferHands(Facts(North, {"1N", "P", "P", "P"}), &meanings);
  EXPECT_EQ(hands[North].minHcp, 10);
  EXPECT_EQ(hands[North].maxHcp, 12);
  EXPECT_EQ(hands[North].minLen[Club], 0);   // not the plain reading's balanced shape
  // Calls it does not know keep their plain reading.
  EXPECT_EQ(InferHands(Facts(North, {"1H", "P", "P", "P"}, 'M'), &meanings)[North].minLen[Heart], 5);
}

// ---- what a seat knows ------------------------------------------------------

PlayState Started(const char* deal, const char* contract, Seat declarer) {
  PlayState st;
  StartPlay(st, testutil::DealFrom(deal), Contract{ParseCall(contract), 0, declarer});
  return st;
}

void Play(PlayState& st, std::initializer_list<const char*> cards) {
  for (const char* c : cards) ASSERT_TRUE(PlayCard(st, ParseCard(c))) << c;
}

constexpr const char* kFlat = "N:AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ";
// West holds no hearts.
constexpr const char* kWestVoid = "N:AKQJ.T98.765.432 T98.AKQJ765.2.76 765.432.AKQJ.T98 432..T9843.AKQJ5";

TEST(SeatKnowledge, DummyIsSeenOnceTheLeadIsMade) {
  PlayState st = Started(kFlat, "4S", South);   // West leads
  SeatKnowledge k = KnowledgeOf(st);
  EXPECT_EQ(k.viewer, West);
  EXPECT_EQ(k.visible, (std::array<bool, 4>{false, false, false, true}));
  EXPECT_EQ(k.unseen[Club], testutil::H("23456789T"));   // West holds AKQJ of clubs
  EXPECT_EQ(k.remaining[North][Spade], 0);
  Play(st, {"AC"});
  k = KnowledgeOf(st);
  // Dummy North to play: declarer South decides, seeing North and South.
  EXPECT_EQ(k.toPlay, North);
  EXPECT_EQ(k.viewer, South);
  EXPECT_EQ(k.visible, (std::array<bool, 4>{true, false, true, false}));
  EXPECT_EQ(k.remaining[North][Spade], testutil::H("AKQJ"));
  EXPECT_EQ(k.remaining[West][Club], 0);
  EXPECT_EQ(k.played[West][Club], testutil::H("A"));
  EXPECT_EQ(k.unseen[Club], testutil::H("567KQJ"));
  EXPECT_EQ(k.cardsLeft, (std::array<int, 4>{13, 13, 13, 12}));
}

TEST(SeatKnowledge, ShowOutsAreRemembered) {
  PlayState st = Started(kWestVoid, "4S", North);   // East leads, South is dummy
  Play(st, {"AH", "2H", "3D", "8H"});
  const SeatKnowledge k = KnowledgeOf(st);   // East to lead again: East's view
  EXPECT_EQ(k.viewer, East);
  EXPECT_TRUE(k.showedOut[West][Heart]);
  EXPECT_FALSE(k.showedOut[West][Diamond]);
  EXPECT_FALSE(k.showedOut[North][Heart]);
  // East sees its own hand and dummy South; North's two hearts are out.
  EXPECT_EQ(k.unseen[Heart], testutil::H("T9"));
}

// ---- the layouts --------------------------------------------------------------

int Weight(const SampleSet& s) {
  int w = 0;
  for (int x : s.weights) w += x;
  return w;
}

TEST(LayoutSampler, EveryLayoutHoldsTheHiddenCardsOnceAndRepeatsWithItsSeed) {
  PlayState st = Started(kFlat, "4S", South);
  Play(st, {"AC"});
  const SeatKnowledge k = KnowledgeOf(st);
  const SampleSet a = SampleLayouts(k, {}, 24, 7);
  ASSERT_EQ(Weight(a), 24);
  EXPECT_EQ(a.layouts.size(), a.weights.size());
  for (const SeatHoldings& l : a.layouts) {
    for (Seat s : {North, South}) EXPECT_EQ(l[s], k.remaining[s]);
    for (TSuit u = 0; u < 4; ++u) {
      EXPECT_EQ(l[East][u] & l[West][u], 0);
      EXPECT_EQ(l[East][u] | l[West][u], k.unseen[u]);
    }
    int east = 0, west = 0;
    for (TSuit u = 0; u < 4; ++u) east += CardCount(l[East][u]), west += CardCount(l[West][u]);
    EXPECT_EQ(east, 13);
    EXPECT_EQ(west, 12);
  }
  const SampleSet again = SampleLayouts(k, {}, 24, 7);
  EXPECT_EQ(again.layouts, a.layouts);
  EXPECT_EQ(again.weights, a.weights);
  EXPECT_NE(SampleLayouts(k, {}, 24, 8).layouts, a.layouts);
}

TEST(LayoutSampler, FewWaysAreTakenOnceEach) {
  // Two cards left in each hand: the two hidden hands hold four cards
  // between them, which can lie in at most six ways.
  std::mt19937 rng(3);
  for (int board = 0; board < 5; ++board) {
    PlayState st;
    StartPlay(st, testutil::RandomDeal(rng), Contract{ParseCall("3N"), 0, South});
    while (st.CardsPlayed < 44) ASSERT_TRUE(PlayCard(st, testutil::RandomLegal(st, rng)));
    const SampleSet few = SampleLayouts(KnowledgeOf(st), {}, 200, 1);
    const std::set<SeatHoldings> distinct(few.layouts.begin(), few.layouts.end());
    EXPECT_EQ(distinct.size(), few.layouts.size());
    EXPECT_GE(few.layouts.size(), 1u);
    EXPECT_LE(few.layouts.size(), 6u);
    for (int w : few.weights) EXPECT_EQ(w, 1);
  }
}

TEST(LayoutSampler, RangesThatCannotBeMetAreSetAside) {
  PlayState st = Started(kFlat, "4S", South);
  Play(st, {"AC"});
  const SeatKnowledge k = KnowledgeOf(st);
  std::array<HandRange, 4> ranges{};
  ranges[East].Hcp(30, 37);   // more than the hidden cards hold
  const SampleSet s = SampleLayouts(k, ranges, 10, 5, 2000);
  EXPECT_EQ(s.relaxed, 2);
  EXPECT_EQ(Weight(s), 10);
  // Ranges that can be met are kept.
  ranges[East] = HandRange{}.Hcp(0, 37).Len(Heart, 5);
  const SampleSet kept = SampleLayouts(k, ranges, 10, 5);
  EXPECT_EQ(kept.relaxed, 0);
  ASSERT_EQ(Weight(kept), 10);
  for (const SeatHoldings& l : kept.layouts) EXPECT_GE(CardCount(l[East][Heart]), 5);
}

// The inferences as the honest computer sees them in its layouts.

TEST(HonestInference, TheNotrumpOpenerHoldsTheMissingQueenMoreOften) {
  // East opens 1NT (15-17) and plays it; South leads, West is dummy. North
  // and West hold 20 points between them, so the opener holds most of the
  // rest: the queen of diamonds, seen from North, is with East or South.
  PlayState st = Started(kFlat, "1N", East);
  Play(st, {"5S", "4S"});
  const SeatKnowledge k = KnowledgeOf(st);
  ASSERT_EQ(k.viewer, North);
  const auto share = [&](const std::array<HandRange, 4>& ranges) {
    const SampleSet s = SampleLayouts(k, ranges, 400, 11);
    double east = 0, total = 0;
    for (size_t i = 0; i < s.layouts.size(); ++i) {
      total += s.weights[i];
      if (s.layouts[i][East][Diamond] & RankBit(Queen)) east += s.weights[i];
    }
    return east / total;
  };
  AuctionFacts auction;
  auction.dealer = East;
  for (const char* c : {"1N", "P", "P", "P"}) auction.calls.push_back(ParseCall(c));
  const double withAuction = share(InferHands(auction));
  const double without = share({});
  EXPECT_GT(withAuction, without + 0.1);
  EXPECT_GT(withAuction, 0.6);
}

TEST(HonestInference, APreemptersSideSuitIsShort) {
  // West opens 3S and plays it; North leads the ace of hearts, dummy East
  // follows. South sees its own hand and dummy: the hearts left are with
  // North and West.
  PlayState st = Started("N:A5.AK98.AQ5.AK54 T4.QJT.KJT9.QJT9 32.76432.876.876 KQJ9876.5.432.32", "3S", West);
  Play(st, {"AH", "TH"});
  const SeatKnowledge k = KnowledgeOf(st);
  ASSERT_EQ(k.viewer, South);
  AuctionFacts auction;
  auction.dealer = West;
  for (const char* c : {"3S", "P", "P", "P"}) auction.calls.push_back(ParseCall(c));
  // West's hearts on average, with and without the auction.
  const auto westHearts = [&](const std::array<HandRange, 4>& ranges) {
    const SampleSet s = SampleLayouts(k, ranges, 300, 3);
    EXPECT_EQ(s.relaxed, 0);
    double hearts = 0, total = 0;
    for (size_t i = 0; i < s.layouts.size(); ++i) {
      hearts += s.weights[i] * CardCount(s.layouts[i][West][Heart]);
      total += s.weights[i];
    }
    return hearts / total;
  };
  const SampleSet s = SampleLayouts(k, InferHands(auction), 100, 3);
  for (const SeatHoldings& l : s.layouts) {
    EXPECT_GE(CardCount(l[West][Spade]), 7);
    EXPECT_LE(CardCount(l[West][Heart]), 4);
  }
  // Four hearts are out (K, 9, 8 and 5): West, with 13 of the 25 hidden
  // cards, would hold about two of them; as a preempter, far fewer.
  const double preempter = westHearts(InferHands(auction));
  const double anyone = westHearts({});
  EXPECT_GT(anyone, 1.8);
  EXPECT_LT(preempter, anyone - 0.4);
}

TEST(HonestInference, APlayerWhoShowedOutHoldsNone) {
  PlayState st = Started(kWestVoid, "4S", North);   // East leads, South is dummy
  Play(st, {"AH", "2H", "3D", "8H", "KH"});
  // South (dummy) to play: North decides and has seen West show out.
  const SeatKnowledge k = KnowledgeOf(st);
  ASSERT_EQ(k.viewer, North);
  ASSERT_TRUE(k.showedOut[West][Heart]);
  const SampleSet s = SampleLayouts(k, {}, 100, 9);
  ASSERT_FALSE(s.layouts.empty());
  for (const SeatHoldings& l : s.layouts) {
    EXPECT_EQ(l[West][Heart], 0);
    EXPECT_EQ(l[East][Heart], testutil::H("QJ765"));
  }
}

}  // namespace
}  // namespace quorval::honest
