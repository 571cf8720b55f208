// The review's summary in plain words, from a board review filled by hand.
#include <gtest/gtest.h>

#include "play/play_state.h"
#include "play/review/review_words.h"
#include "tests/play/engine_test_util.h"

namespace quorval::review {
namespace {

CardCode C(const char* text) { return ParseCard(text); }

CardReview Card(int index, Seat seat, const char* card, int cost, std::vector<CardCode> best = {}) {
  CardReview r;
  r.index = index;
  r.trick = index / 4 + 1;
  r.seat = seat;
  r.card = C(card);
  r.analysed = true;
  r.status = 1;
  r.cost = cost;
  r.best = std::move(best);
  return r;
}

// Four spades by South, played by taking the highest card every time; the
// reviews are made by hand: the opening lead gave a trick, South's five of
// hearts, West's three of clubs and North's seven of diamonds cost one, two
// and one. Par 620 for four spades by South; the board scored -100.
BoardReview FourSpadesDown() {
  BoardReview b;
  b.key = "Imp03.05";
  b.deal = testutil::DealFrom("N:AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ");
  const Contract contract{MakeBid(4, Spade), 0, South};
  PlayState st;
  StartPlay(st, b.deal, contract);
  std::vector<CardCode> cards;
  while (!st.Over()) {
    const auto legal = LegalHoldings(st);
    CardCode best = 0;
    for (TSuit u = 0; u < 4; ++u)
      if (legal[size_t(u)] && MakeCard(HighestRank(legal[size_t(u)]), u) > best) best = MakeCard(HighestRank(legal[size_t(u)]), u);
    cards.push_back(best);
    PlayCard(st, best);
  }
  b.SetPlay(contract, cards);
  for (int i = 0; i < 52; ++i) b.cardReviews[size_t(i)] = Card(i, (West + i) & 3, "2C", 0);
  b.cardReviews[0] = Card(0, West, "QD", 1, {C("AS"), C("2C")});
  b.cardReviews[0]->declarerAfter = 10;
  b.cardReviews[13] = Card(13, South, "5H", 1, {C("AH"), C("KH")});
  b.cardReviews[22] = Card(22, West, "3C", 2, {C("KC")});
  b.cardReviews[30] = Card(30, North, "7D", 1, {C("QD"), C("TD"), C("8D")});
  b.tableDone = b.tableKnown = true;
  b.par.known = true;
  b.par.scoreNS = 620;
  ParContract p;
  p.contract = Contract{MakeBid(4, Spade), 0, South};
  b.par.contracts = {p};
  b.scoreKnown = true;
  b.scoreNS = -100;
  return b;
}

TEST(ReviewWords, CardsAndTheBestCardsInPlainWords) {
  const ReviewWords en;
  EXPECT_EQ(CardWords(C("5H"), en), "the 5 of hearts");
  EXPECT_EQ(CardWords(C("TC"), en), "the 10 of clubs");
  EXPECT_EQ(CardWords(C("JS"), en), "the jack of spades");
  EXPECT_EQ(BestWords({C("AH"), C("KH")}, C("5H"), en), "the ace or king");
  EXPECT_EQ(BestWords({C("QH"), C("9H"), C("8H")}, C("5H"), en), "the queen, 9 or 8");
  EXPECT_EQ(BestWords({C("AS"), C("2C")}, C("QD"), en), "the ace of spades or the 2 of clubs");
  // Several suits: grouped suit by suit, the suit of the highest card first.
  EXPECT_EQ(BestWords({C("JD"), C("9D"), C("9C"), C("5H"), C("5C"), C("2D")}, C("AC"), en),
            "the jack, 9 or 2 of diamonds, the 9 or 5 of clubs or the 5 of hearts");
  ReviewWords da;
  da.cardName = "%2 %1";
  da.ranksOnly = "%1";
  da.orWord = "eller";
  da.suits = {"klør", "ruder", "hjerter", "spar"};
  da.honours = {"knægt", "dame", "konge", "es"};
  EXPECT_EQ(CardWords(C("5H"), da), "hjerter 5");
  EXPECT_EQ(BestWords({C("AH"), C("KH")}, C("5H"), da), "es eller konge");
  EXPECT_EQ(BestWords({C("AS"), C("KH"), C("QH")}, C("5H"), da), "spar es eller hjerter konge eller dame");
}

TEST(ReviewWords, TheUsersCostlyCardsFirstThenTheOthersWithTheirSeats) {
  const BoardReview b = FourSpadesDown();
  const auto text = SummaryParagraphs(b, ReviewWords{});
  ASSERT_GE(text.size(), 5u);
  EXPECT_EQ(text[0], "The contract was 4~S by South: -100 for North-South.");
  // text[1] compares the tricks taken with the value after the lead.
  EXPECT_EQ(text[2], "The opening lead, the queen of diamonds by West, cost a trick; the ace of spades or the 2 of clubs kept it.");
  EXPECT_EQ(text[3],
            "Your cards that cost tricks:\n"
            "Trick 4: the 5 of hearts cost a trick; the ace or king kept it.\n"
            "Trick 8: the 7 of diamonds cost a trick; the queen, 10 or 8 kept it.");
  EXPECT_EQ(text[4], "The other cards that cost tricks:\nTrick 6, West: the 3 of clubs cost 2 tricks; the king kept them.");
  EXPECT_EQ(text[5], "Par is +620 for North-South: 4~S by South. That is 720 less than par.");
}

TEST(ReviewWords, TricksAgainstTheValueAfterTheLead) {
  BoardReview b = FourSpadesDown();
  const int took = b.DeclarerTricks();
  ASSERT_GE(took, 1);
  const std::string tricks = std::to_string(took);
  b.cardReviews[0]->declarerAfter = took;
  EXPECT_EQ(SummaryParagraphs(b, {})[1],
            "Declarer took " + tricks + " tricks, all that double dummy allows after the opening lead.");
  b.cardReviews[0]->declarerAfter = took + 2;
  EXPECT_EQ(SummaryParagraphs(b, {})[1],
            "Declarer took " + tricks + " tricks; after the opening lead " + std::to_string(took + 2) +
                " were there double dummy.");
  b.cardReviews[0]->declarerAfter = took - 1;
  EXPECT_EQ(SummaryParagraphs(b, {})[1], "Declarer took " + tricks + " tricks; after the opening lead double dummy allows only " +
                                              std::to_string(took - 1) + ".");
}

TEST(ReviewWords, NoCostlyCardOfTheUserAndAPositionNotAnalysed) {
  BoardReview b = FourSpadesDown();
  b.cardReviews[13]->cost = 0;
  b.cardReviews[30]->cost = 0;
  b.cardReviews[40]->analysed = false;
  const auto text = SummaryParagraphs(b, {});
  EXPECT_NE(std::find(text.begin(), text.end(), "None of your cards cost a trick."), text.end());
  EXPECT_NE(std::find(text.begin(), text.end(), "Cards the solver could not analyse: 1."), text.end());
}

TEST(ReviewWords, ParAndTheFieldsContracts) {
  BoardReview b = FourSpadesDown();
  b.scoreNS = 620;
  b.par.contracts.push_back(b.par.contracts[0]);
  b.par.contracts[0].contract.declarer = North;
  const Contract fourSpadesN{MakeBid(4, Spade), 0, North}, threeNT{MakeBid(3, NT), 0, South};
  const Contract fiveHeartsX{MakeBid(5, Heart), 1, East};
  b.field = {{fourSpadesN, 620}, {threeNT, 600}, {fourSpadesN, 650}, {Contract{}, 0}, {fiveHeartsX, 300}, {fourSpadesN, 620}};
  const auto text = SummaryParagraphs(b, {});
  EXPECT_EQ(text[text.size() - 2], "Par is +620 for North-South: 4~S by North-South. That is par.");
  EXPECT_EQ(text.back(),
            "3 of the 6 pairs in the field played the same contract. Your score beat 3 and tied 2 of the 6 field "
            "results. The field's contracts: North-South: 3 \u00d7 4~S, 1 \u00d7 3~N; East-West: 1 \u00d7 5~HX; "
            "1 \u00d7 passed out.");
}

TEST(ReviewWords, APassedOutBoardAndAPlayThatBreaksOff) {
  BoardReview passed;
  passed.SetPlay(Contract{}, {});
  passed.tableDone = passed.par.known = true;
  auto text = SummaryParagraphs(passed, {});
  ASSERT_EQ(text.size(), 2u);
  EXPECT_EQ(text[0], "The board was passed out.");
  EXPECT_EQ(text[1], "Par is to pass the board out.");

  BoardReview broken = FourSpadesDown();
  broken.cards.resize(17);
  broken.cardReviews.resize(17);
  broken.playStopsAfter = 17;
  text = SummaryParagraphs(broken, {});
  EXPECT_EQ(text[0], "The kept play stops after card 17: the rest does not fit the deal. The review ends there.");
  // No comparison of tricks for a play that did not finish.
  for (const std::string& line : text) EXPECT_EQ(line.find("Declarer took"), std::string::npos) << line;
}

TEST(ReviewWords, PlacesAreFilledOnlyWhereThereIsAnArgument) {
  EXPECT_EQ(FillIn("%2 %1 %3 100%", {"a", "b"}), "b a %3 100%");
  EXPECT_EQ(SignedScore(620), "+620");
  EXPECT_EQ(SignedScore(-50), "-50");
  EXPECT_EQ(SignedScore(0), "0");
}

}  // namespace
}  // namespace quorval::review
