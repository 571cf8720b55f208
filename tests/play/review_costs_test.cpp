// The review's card costs on endings worked out by hand, and the review of
// a whole play: every card in order, a solver failure marked on its card
// only, and the lines of the command line.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "play/play_state.h"
#include "play/review/board_review.h"
#include "play/review/play_review.h"
#include "tests/play/engine_test_util.h"

namespace quorval::review {
namespace {

using testutil::H;

CardCode C(const char* text) { return ParseCard(text); }

// An ending: holdings per seat as "spades.hearts.diamonds.clubs".
Deal Ending(const std::array<const char*, 4>& hands) {
  Deal d;
  for (Seat s = 0; s < 4; ++s) {
    const std::string text = hands[size_t(s)];
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
      const size_t dot = text.find('.', start);
      const std::string ranks = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
      d.at(s, Spade - part) = H(ranks);
      start = dot == std::string::npos ? text.size() : dot + 1;
    }
  }
  return d;
}

PlayToReview PlayOf(const Deal& deal, tAllTrump strain, Seat declarer, const std::vector<const char*>& cards) {
  PlayToReview p;
  p.deal = deal;
  p.contract = Contract{MakeBid(1, strain), 0, declarer};
  for (const char* c : cards) p.cards.push_back(C(c));
  return p;
}

TEST(ReviewCosts, AFinesseTakenTheWrongWay) {
  // Spades only, no-trump, South on lead. The queen sits with East, behind
  // North's jack: the jack loses it; the king and a finesse of the ten
  // through East take all three.
  const Deal d = Ending({"KJ2...", "Q54...", "AT3...", "987..."});
  const PlayToReview play = PlayOf(d, NT, East, {"3S", "7S", "JS"});
  const CardReview jack = ReviewCard(play, 2);
  ASSERT_TRUE(jack.analysed);
  EXPECT_EQ(jack.seat, North);
  EXPECT_EQ(jack.trick, 1);
  EXPECT_EQ(jack.cost, 1);
  EXPECT_EQ(jack.best, std::vector<CardCode>{C("KS")});
  // East declares: it had no trick before the jack and gets one with it.
  EXPECT_EQ(jack.declarerBefore, 0);
  EXPECT_EQ(jack.declarerAfter, 1);
  // South must lead the three: the ace or the ten gives up the ten's
  // finesse through East later.
  const CardReview lead = ReviewCard(play, 0);
  EXPECT_EQ(lead.cost, 0);
  EXPECT_EQ(lead.best, std::vector<CardCode>{C("3S")});
  const CardReview ace = ReviewCard(PlayOf(d, NT, East, {"AS"}), 0);
  EXPECT_EQ(ace.cost, 1);
  EXPECT_EQ(ace.best, std::vector<CardCode>{C("3S")});
}

TEST(ReviewCosts, ARuffNotTaken) {
  // Hearts are trumps; West leads the ace of spades. Dummy (North) ruffs
  // and crosses to South's clubs for two tricks; the club discard leaves
  // only the later ruff.
  const Deal d = Ending({".2..2", "43...", "...AK", "AK..."});
  const PlayToReview play = PlayOf(d, Heart, South, {"AS", "2C"});
  const CardReview discard = ReviewCard(play, 1);
  ASSERT_TRUE(discard.analysed);
  EXPECT_EQ(discard.cost, 1);
  EXPECT_EQ(discard.best, std::vector<CardCode>{C("2H")});
  EXPECT_EQ(discard.declarerBefore, 2);
  EXPECT_EQ(discard.declarerAfter, 1);
}

TEST(ReviewCosts, ADiscardOfAWinner) {
  // No-trump; West cashes the ace of diamonds and South, void, must keep
  // the ace of spades for West's king that follows.
  const Deal d = Ending({".A.2.", "Q..3.", "A...2", "K..A."});
  const PlayToReview play = PlayOf(d, NT, South, {"AD", "2D", "3D", "AS"});
  const CardReview ace = ReviewCard(play, 3);
  ASSERT_TRUE(ace.analysed);
  EXPECT_EQ(ace.seat, South);
  EXPECT_EQ(ace.cost, 1);
  EXPECT_EQ(ace.best, std::vector<CardCode>{C("2C")});
  // West's lead was its best: the king of spades first would give South
  // both tricks.
  const CardReview lead = ReviewCard(play, 0);
  EXPECT_EQ(lead.cost, 0);
  EXPECT_EQ(lead.best, std::vector<CardCode>{C("AD")});
}

TEST(ReviewCosts, EqualCardsAreAllBestHighestFirst) {
  const std::vector<CardCode> given{C("2C"), C("KH"), C("AS"), C("AH"), C("TD")};
  std::vector<CardCode> sorted = given;
  SortBest(sorted);
  EXPECT_EQ(sorted, (std::vector<CardCode>{C("AS"), C("AH"), C("KH"), C("TD"), C("2C")}));
}

TEST(ReviewCosts, CardsOutsideThePlayOrOfAHandTooShortAreNotAnalysed) {
  const Deal d = Ending({"KJ2...", "Q54...", "AT3...", "987..."});
  const PlayToReview play = PlayOf(d, NT, East, {"3S"});
  EXPECT_FALSE(ReviewCard(play, 1).analysed);
  EXPECT_FALSE(ReviewCard(play, -1).analysed);
  // West a card short: not handed to the solver at all.
  const CardReview uneven = ReviewCard(PlayOf(Ending({"KJ2...", "Q54...", "AT3...", "98..."}), NT, East, {"3S"}), 0);
  EXPECT_FALSE(uneven.analysed);
  EXPECT_EQ(uneven.status, 0);
}

TEST(ReviewPlay, EveryCardOnceInPlayingOrderWhateverThreadDidIt) {
  const Deal d = Ending({"KJ2...", "Q54...", "AT3...", "987..."});
  const PlayToReview play = PlayOf(d, NT, East, {"3S", "7S", "JS", "QS", "4S", "TS", "8S", "KS", "2S", "5S", "AS", "9S"});
  std::vector<int> reported;
  const auto reviews = ReviewPlay(play, [&](const CardReview& r) { reported.push_back(r.index); });
  ASSERT_EQ(reviews.size(), 12u);
  EXPECT_EQ(reported.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(reviews[size_t(i)].index, i);
    EXPECT_EQ(reviews[size_t(i)].card, play.cards[size_t(i)]);
    EXPECT_TRUE(reviews[size_t(i)].analysed) << i;
  }
}

TEST(ReviewPlay, TheDoubleDummyValueChainsFromCardToCardOverAWholeDeal) {
  // A whole deal played at random: what each card leaves is what the next
  // position is worth, a card's cost is the value it gave away, and the
  // last card leaves the tricks declarer took.
  std::mt19937 rng(11);
  PlayToReview play;
  play.deal = testutil::RandomDeal(rng);
  play.contract = Contract{MakeBid(3, Heart), 0, West};
  PlayState st;
  StartPlay(st, play.deal, play.contract);
  while (!st.Over()) {
    play.cards.push_back(testutil::RandomLegal(st, rng));
    PlayCard(st, play.cards.back());
  }
  const auto reviews = ReviewPlay(play);
  ASSERT_EQ(reviews.size(), 52u);
  int costly = 0;
  for (size_t i = 0; i < 52; ++i) {
    const CardReview& r = reviews[i];
    ASSERT_TRUE(r.analysed) << i;
    const bool declarerSide = SameSide(r.seat, West);
    EXPECT_EQ(r.cost, declarerSide ? r.declarerBefore - r.declarerAfter : r.declarerAfter - r.declarerBefore) << i;
    EXPECT_EQ(r.cost == 0, std::find(r.best.begin(), r.best.end(), r.card) != r.best.end()) << i;
    if (i + 1 < 52) EXPECT_EQ(r.declarerAfter, reviews[i + 1].declarerBefore) << i;
    costly += r.cost > 0 ? 1 : 0;
  }
  EXPECT_EQ(reviews.back().declarerAfter, st.DeclarerTricks);
  EXPECT_GT(costly, 0);   // random cards give tricks away
}

TEST(ReviewPlay, ACancelledReviewStopsWithWhatIsDone) {
  const Deal d = Ending({"KJ2...", "Q54...", "AT3...", "987..."});
  const PlayToReview play = PlayOf(d, NT, East, {"3S", "7S", "JS", "QS"});
  std::atomic<bool> cancel{true};
  EXPECT_TRUE(ReviewPlay(play, {}, &cancel).empty());
}

// A whole board reviewed with stand-in answers: the opening lead is sound,
// card 6 cost two tricks, and the solver fails on card 9.
BoardReview StandInReview() {
  BoardReview b;
  b.key = "Imp03.05";
  b.dealer = West;
  b.deal = testutil::DealFrom("N:AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ");
  PlayState st;
  const Contract contract{MakeBid(4, Spade), 1, South};
  StartPlay(st, b.deal, contract);
  std::vector<CardCode> cards;
  std::mt19937 rng(5);
  while (!st.Over()) {
    cards.push_back(testutil::RandomLegal(st, rng));
    PlayCard(st, cards.back());
  }
  b.SetPlay(contract, cards);
  ReviewSolvers solvers;
  solvers.table = [](const Deal&, DdTable& t, std::string&) {
    t.at(Spade, South) = 10;
    t.at(Spade, North) = 10;
    return true;
  };
  solvers.card = [](const PlayToReview& p, int index, int) {
    CardReview r;
    r.index = index;
    r.trick = index / 4 + 1;
    r.card = p.cards[size_t(index)];
    PlayState st;
    StartPlay(st, p.deal, p.contract);
    for (int i = 0; i < index; ++i) PlayCard(st, p.cards[size_t(i)]);
    r.seat = st.ToPlay;
    r.status = index == 9 ? -4 : 1;
    r.analysed = index != 9;
    r.cost = index == 6 ? 2 : 0;
    if (index == 6) r.best = {C("AH"), C("KH")};
    r.declarerBefore = 10;
    r.declarerAfter = 10;
    return r;
  };
  ReviewWholeBoard(b, solvers);
  return b;
}

TEST(BoardReviewLines, CostlyCardsThenTheSummaryLine) {
  const BoardReview b = StandInReview();
  ASSERT_TRUE(b.Finished());
  const auto lines = CommandLineLines(b);
  ASSERT_EQ(lines.size(), 3u);
  const std::string seat6(1, SeatLetter(b.cardReviews[6]->seat)), seat9(1, SeatLetter(b.cardReviews[9]->seat));
  EXPECT_EQ(lines[0], "Imp03.05 trick 2 " + seat6 + " " + CardText(b.cards[6]) + " costs 2 best AH KH");
  EXPECT_EQ(lines[1], "Imp03.05 trick 3 " + seat9 + " " + CardText(b.cards[9]) + " analysis not available");
  // 4S doubled by South; the par of the stand-in table is four spades by
  // either partner, not vulnerable: 420.
  EXPECT_EQ(lines[2], "Imp03.05 contract 4SX by S tricks " + std::to_string(b.DeclarerTricks()) +
                          " dd_after_lead 10 par 420 4S-N,4S-S");
}

TEST(BoardReviewLines, APassedOutBoardHasOnlyItsSummary) {
  BoardReview b;
  b.key = "Par01.01";
  b.SetPlay(Contract{}, {C("AS")});
  SolveDeal(b, [](const Deal&, DdTable&, std::string&) { return true; });
  EXPECT_TRUE(b.cards.empty());
  EXPECT_EQ(CommandLineLines(b), std::vector<std::string>{"Par01.01 contract P by - tricks 0 dd_after_lead - par 0 P"});
}

TEST(BoardReviewLines, AFailedTableLeavesParUnknown) {
  BoardReview b;
  b.key = "Par01.02";
  b.SetPlay(Contract{MakeBid(3, NT), 0, North}, {});
  SolveDeal(b, [](const Deal&, DdTable&, std::string& e) {
    e = "Cards duplicated";
    return false;
  });
  EXPECT_TRUE(b.tableDone);
  EXPECT_FALSE(b.tableKnown);
  EXPECT_EQ(CommandLineLines(b).back(), "Par01.02 contract 3N by N tricks 0 dd_after_lead - par - -");
}

TEST(BoardReviewFacts, TheUsersCostlyCardsComeFirst) {
  BoardReview b;
  b.contract = Contract{MakeBid(2, Heart), 0, East};
  b.cards.assign(8, 0);
  b.cardReviews.assign(8, std::nullopt);
  const Seat seats[8] = {South, West, North, East, West, North, East, South};
  const int costs[8] = {1, 0, 1, 0, 1, 0, 2, 1};
  for (int i = 0; i < 8; ++i) {
    CardReview r;
    r.index = i;
    r.seat = seats[i];
    r.analysed = true;
    r.cost = costs[i];
    b.cardReviews[size_t(i)] = r;
  }
  // East declares: only South's cards are the user's; the lead is left out.
  EXPECT_EQ(b.CostlyCards(), (std::vector<int>{7, 2, 4, 6}));
  b.contract.declarer = North;   // now the user plays North too
  EXPECT_EQ(b.CostlyCards(), (std::vector<int>{2, 7, 4, 6}));
}

}  // namespace
}  // namespace quorval::review
