// Following suit: second, third and fourth hand, each shown on a small
// position that makes the reason for the card plain.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "play/engine/leads.h"
#include "tests/play/follow_suit_fixture.h"

namespace quorval::engine {
namespace {

using testing::CandidatesAt;
using testing::MakePosition;
using Cards = std::vector<std::string>;

// ---- a single run of equal cards -------------------------------------------

TEST(FollowRun, DeclarerSidePlaysTopOfTouchingCards) {
  // North (dummy) in second hand with Q-J-10: the ten raised through its run.
  Position p = MakePosition("QJT...", "K43...", "A65...", "972...", NT, West, {"2S"});
  EXPECT_EQ(CandidatesAt(p), (Cards{"QS"}));
}

TEST(FollowRun, ThirdHandDefenderPlaysBottomOfTouchingCards) {
  // East in third hand with Q-J-10 shows partner the bottom of the run.
  Position p = MakePosition("543...", "QJT...", "AK6...", "972...", NT, West, {"2S", "3S"});
  EXPECT_EQ(CandidatesAt(p), (Cards{"TS"}));
}

// ---- count signal -----------------------------------------------------------

TEST(FollowCountSignal, ThreeSmallCardsShowTheMiddleOne) {
  // Partner's king wins; East cannot beat it and shows three cards with the five.
  Position p = MakePosition("A43...", "852...", "T96...", "KQJ...", NT, West, {"KS", "3S"});
  EXPECT_EQ(CandidatesAt(p), (Cards{"5S"}));
}

TEST(FollowCountSignal, DoubletonAndTrumpsKeepTheLowestCard) {
  Position doubleton =
      MakePosition("A43...", "82..2.", "T96...", "KQJ...", NT, West, {"KS", "3S"});
  EXPECT_EQ(CandidatesAt(doubleton), (Cards{"2S"}));
  // In the trump suit no count is shown.
  Position trumps = MakePosition("A43...", "852...", "T96...", "KQJ...", Spade, West, {"KS", "3S"});
  EXPECT_EQ(CandidatesAt(trumps), (Cards{"2S"}));
}

TEST(FollowCountSignal, FourCardsShowNoCount) {
  Position p = MakePosition("A43...", "8652...", "T96...", "KQJ...", NT, West, {"KS", "3S"});
  EXPECT_EQ(CandidatesAt(p), (Cards{"2S"}));
}

// ---- second hand ------------------------------------------------------------

TEST(FollowSecondHand, NoCoverWhenDummysSingletonAceWins) {
  // South wins the heart and leads a spade towards North's bare ace: West
  // keeps the king.
  Position p = MakePosition("A.3.QJ.QJ", "QJ9.4.T9.T9", "T543.A.A.A", "K72.2.K6.K6", NT, West,
                            {"2H", "3H", "4H", "AH", "3S"});
  ASSERT_EQ(p.seat, West);
  EXPECT_EQ(CandidatesAt(p), (Cards{"2S"}));
}

TEST(FollowSecondHand, PartnersSingletonAceWillWin) {
  // West has K-7-2 and East the bare ace behind North's Q-J: West plays low
  // and leaves the trick to partner.
  Position p = MakePosition("QJ.3.AK.A", "A.4.QJ.KQ", "T983.A.T.J", "K72.2.98.T", NT, West,
                            {"2H", "3H", "4H", "AH", "3S"});
  ASSERT_EQ(p.seat, West);
  EXPECT_EQ(CandidatesAt(p), (Cards{"2S"}));
}

// ---- third hand, the opponents winning ----------------------------------------

TEST(FollowThirdHand, BeatsDummysHonourWithTheLowerOfEquals) {
  // West leads a spade, dummy's queen wins for now; East with A-K-5 takes it
  // with the king (a defender shows the lower of touching honours).
  Position p = MakePosition("Q32...", "AK5...", "T9...", "J8764...", NT, West, {"4S", "QS"});
  ASSERT_EQ(p.seat, East);
  EXPECT_EQ(CandidatesAt(p), (Cards{"KS"}));
}

// ---- third hand at trick one --------------------------------------------------

TEST(FollowThirdHand, FirstTrickAtNoTrumpSkipsUnblocking) {
  // Partner's ace wins; at no trump in trick one East just plays low.
  Position nt = MakePosition("8643.2..", "K2.543..", "75.AKQ..", "AQJT9...", NT, West,
                             {"AS", "3S"});
  EXPECT_EQ(CandidatesAt(nt), (Cards{"2S"}));
}

TEST(FollowThirdHand, UnblocksUnderPartnersLongSuitLater) {
  // The same cards at a suit contract: the king is offered as the second
  // card, so that partner's queen-jack can run.
  Position suit = MakePosition("8643.2..", "K2.543..", "75.AKQ..", "AQJT9...", Heart, West,
                               {"AS", "3S"});
  EXPECT_EQ(CandidatesAt(suit), (Cards{"2S", "KS"}));
}

// ---- fourth hand ----------------------------------------------------------------

TEST(FollowFourthHand, BeatsTheOpponentsWithTheCheapestWinner) {
  // East's jack is winning; South wins with the queen, not the ace.
  Position p = MakePosition("982...", "JT3...", "AQ7...", "K54...", Heart, West,
                            {"4S", "2S", "JS"});
  EXPECT_EQ(CandidatesAt(p), (Cards{"QS"}));
}

TEST(FollowFourthHand, EarlyNoTrumpKeepsTheLowCardAsSecondChoice) {
  // At no trump in the first tricks a hold-up stays open to the search.
  Position p = MakePosition("982...", "JT3...", "AQ7...", "K54...", NT, West,
                            {"4S", "2S", "JS"});
  EXPECT_EQ(CandidatesAt(p), (Cards{"QS", "7S"}));
}

TEST(FollowFourthHand, PartnerWinningStaysLow) {
  // North's king holds the trick; South does not overtake.
  Position p = MakePosition("K82...", "JT3...", "A97...", "654...", Heart, West,
                            {"4S", "KS", "3S"});
  const Cards c = CandidatesAt(p);
  ASSERT_FALSE(c.empty());
  EXPECT_EQ(c[0], "7S");
}

// ---- every rule proposes only legal cards ------------------------------------------

// Deals at random, plays a random legal prefix, and checks that every
// candidate at the next position is a card the seat holds and may play.
TEST(FollowLegality, CandidatesAreAlwaysLegalCards) {
  std::mt19937 rng(20051);
  int checked = 0;
  for (int deal = 0; deal < 300; ++deal) {
    std::vector<int> cards(52);
    for (int i = 0; i < 52; ++i) cards[i] = i;
    std::shuffle(cards.begin(), cards.end(), rng);
    std::array<std::array<Holding, 4>, 4> hands{};
    for (int i = 0; i < 52; ++i) hands[i / 13][cards[i] / 13] |= RankBit(cards[i] % 13 + 2);
    const tAllTrump trump = static_cast<tAllTrump>(rng() % 5);
    const Seat leader = static_cast<Seat>(rng() % 4);
    const int prefix = static_cast<int>(rng() % 52);

    Position p;
    p.in.dealt = hands;
    p.in.trump = trump;
    p.in.openingLeader = leader;
    p.in.skill = 1 + static_cast<int>(rng() % 10);
    auto left = hands;
    Seat seat = leader;
    TrickFrame f;
    for (int n = 0; n < prefix; ++n) {
      const int trick = n / 4, pos = n % 4;
      std::vector<CardCode> legal;
      for (TSuit u = 0; u < 4; ++u) {
        if (pos > 0 && u != f.suitLed && left[seat][f.suitLed]) continue;
        for (int r = 2; r <= Ace; ++r)
          if (left[seat][u] & RankBit(r)) legal.push_back(MakeCard(r, u));
      }
      const CardCode c = legal[rng() % legal.size()];
      left[seat][SuitOf(c)] &= ~CardBits(c);
      p.in.played[seat][trick] = c;
      UpdateTrickWinner(f, trump, c, pos, seat);
      seat = NextSeat(seat);
      if (pos == 3) {
        seat = f.winSeat;
        f = TrickFrame{};
      }
    }
    p.in.cardsPlayed = prefix;
    SetUpPosition(p);
    ASSERT_TRUE(ReplayActualPlay(p));
    ASSERT_EQ(p.seat, seat);
    LoadNodeHands(p);
    p.Target = 7;
    p.OtherNeed = 6;
    GenerateCandidates(p);
    ASSERT_NE(p.Candidates[0], 0) << "deal " << deal;
    const bool following = p.pos > 1;
    const TSuit led = following ? p.frame().suitLed : 0;
    for (CardCode c : p.Candidates) {
      if (!c) break;
      const TSuit u = SuitOf(c);
      EXPECT_TRUE(left[seat][u] & CardBits(c))
          << "deal " << deal << " seat " << seat << " card " << CardText(c);
      if (following && left[seat][led]) {
        EXPECT_EQ(u, led) << "deal " << deal;
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 300);
}

}  // namespace
}  // namespace quorval::engine
