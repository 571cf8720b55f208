// Whole boards played through the game, with no window: the opening lead
// from the library, who plays which seat once the dummy is down, refused
// cards, take back of cards, finish play, skip play and replay, and the
// board scored and filed once at its end.
#include <map>

#include "tests/game/game_fixture.h"

namespace quorval {
namespace {

class GamePlayTest : public GameTest {
 protected:
  // Imp01.01 bid to 4S by South; West is on lead.
  void FourSpades() {
    ASSERT_TRUE(DealBoard(1));
    ASSERT_TRUE(Call("1S"));
    ASSERT_TRUE(Call("4S"));
    ASSERT_EQ(game_->phase(), Phase::BiddingOver);
  }
  // Imp01.06 bid to 2H by East; South is on lead.
  void TwoHeartsByEast() {
    ASSERT_TRUE(DealBoard(6));
    BidOut();
    ASSERT_EQ(game_->phase(), Phase::BiddingOver);
    ASSERT_EQ(game_->FinalContract().declarer, East);
  }
  const PlayState& Play() const { return game_->Play(); }
};

TEST_F(GamePlayTest, ABoardPlayedCardByCardIsScoredAndFiledOnce) {
  FourSpades();
  ASSERT_TRUE(game_->StartPlay());
  EXPECT_EQ(game_->phase(), Phase::Playing);
  ComputerCards();
  // West's library lead is one of its stored cards; then North, the dummy,
  // is face up and the user's to play.
  ASSERT_EQ(Play().CardsPlayed, 1);
  const CardCode lead = Play().PlayLog[0].card;
  EXPECT_TRUE(lead == ParseCard("8C") || lead == ParseCard("3H"));
  EXPECT_TRUE(Play().Hands[North].FaceUp);
  EXPECT_TRUE(Play().Hands[North].HumanControlled);
  EXPECT_EQ(Play().ToPlay, North);
  EXPECT_TRUE(game_->UserToPlay());
  PlayOn();
  ASSERT_EQ(game_->phase(), Phase::BoardOver);
  EXPECT_EQ(Play().CardsPlayed, 52);
  EXPECT_TRUE(game_->ResultFiled());
  EXPECT_EQ(Filed("Imp01.01").rfind("S,4~S," + std::to_string(Play().DeclarerTricks) + ",", 0), 0u)
      << Filed("Imp01.01");
  // All four hands face up with their thirteen cards again.
  EXPECT_TRUE(game_->State().ShowAllHands);
  for (const auto& hand : Play().Hands) EXPECT_EQ(hand.CardsLeftTotal(), 13);
  EXPECT_EQ(filing_->results, 1);
  EXPECT_EQ(filing_->plays, 1);
}

TEST_F(GamePlayTest, RefusedCardsChangeNothing) {
  FourSpades();
  ASSERT_TRUE(game_->StartPlay());
  ComputerCards();
  ASSERT_EQ(Play().CardsPlayed, 1);
  ASSERT_EQ(Play().ToPlay, North);
  // The card West led, played again.
  EXPECT_FALSE(game_->UserCard(Play().PlayLog[0].card));
  EXPECT_EQ(Play().CardsPlayed, 1);
  // North (Q963.QT2.QJ976.T) can follow the lead of 8C or 3H, so the queen
  // of diamonds is a revoke.
  const CardCode revoke = ParseCard("QD");
  ASSERT_TRUE(HoldsCard(Play().Hands[North].Suits[Diamond].CurrentHolding, revoke));
  ASSERT_NE(Play().SuitLed, Diamond);
  EXPECT_FALSE(game_->IsLegal(revoke));
  EXPECT_FALSE(game_->UserCard(revoke));
  EXPECT_FALSE(game_->PushCard(revoke));
  EXPECT_EQ(Play().CardsPlayed, 1);
  EXPECT_EQ(Play().ToPlay, North);
  EXPECT_TRUE(HoldsCard(Play().Hands[North].Suits[Diamond].CurrentHolding, revoke));
  // A card of South's while North is to play.
  EXPECT_FALSE(game_->UserCard(ParseCard("KS")));
  EXPECT_EQ(Play().CardsPlayed, 1);
}

TEST_F(GamePlayTest, TakeBackOfALeadLaysThePreviousTrickOnTheTableAgain) {
  FourSpades();
  ASSERT_TRUE(game_->StartPlay());
  PlayOn(5);
  ASSERT_GE(Play().CardsPlayed, 5);
  while (Play().CardsPlayed > 5) game_->PopCard();
  const CardCode lead = Play().PlayLog[4].card;
  const Seat leader = Play().PlayLog[4].seat;
  const int declarerTricks = Play().DeclarerTricks;
  EXPECT_EQ(game_->PopCard(), lead);
  EXPECT_EQ(Play().CardsPlayed, 4);
  EXPECT_EQ(Play().TrickNo, 1);
  EXPECT_EQ(Play().DeclarerTricks, declarerTricks);   // trick one still counts
  // The lead is back in its owner's hand, and that seat is to lead again.
  EXPECT_TRUE(HoldsCard(Play().Hands[leader].Suits[SuitOf(lead)].CurrentHolding, lead)) << CardText(lead);
  EXPECT_EQ(Play().ToPlay, leader);
  // The four cards of the first trick lie on the table again.
  EXPECT_TRUE(game_->TrickOnTable());
  // Taken back in steps: back to the start of trick one, its three cards
  // to play again, and the fourth taken back.
  const TakeBackSteps steps = game_->RewindForTakeBack();
  EXPECT_EQ(steps.removed, Play().PlayLog[3].card);
  ASSERT_EQ(steps.again.size(), 3u);
  EXPECT_EQ(Play().CardsPlayed, 0);
  for (const CardCode card : steps.again) ASSERT_TRUE(game_->PushCard(card));
  EXPECT_EQ(Play().CardsPlayed, 3);
  EXPECT_FALSE(game_->TrickOnTable());
}

TEST_F(GamePlayTest, TakeBackOfTheVeryFirstCard) {
  TwoHeartsByEast();
  ASSERT_TRUE(game_->StartPlay());
  ASSERT_EQ(Play().CardsPlayed, 0);   // the user is on lead
  EXPECT_TRUE(game_->UserToPlay());
  // The hint on lead comes from the library's list: KS or 4H.
  ASSERT_TRUE(game_->LibraryLeadNext());
  const CardCode hint = game_->ComputerCard(chooser_);
  EXPECT_TRUE(hint == ParseCard("KS") || hint == ParseCard("4H")) << CardText(hint);
  ASSERT_TRUE(game_->UserCard(hint));
  EXPECT_FALSE(game_->LibraryLeadNext());
  ComputerCards();
  EXPECT_GE(Play().CardsPlayed, 1);
  while (Play().CardsPlayed > 0) game_->PopCard();
  EXPECT_EQ(game_->PopCard(), 0);   // nothing more to take back
  EXPECT_EQ(Play().ToPlay, South);
  EXPECT_EQ(game_->phase(), Phase::Playing);
  EXPECT_TRUE(game_->UserToPlay());
}

TEST_F(GamePlayTest, FinishPlayInTrickOnePlaysAllFourHandsAndFilesTheBoardOnce) {
  TwoHeartsByEast();
  ASSERT_TRUE(game_->StartPlay());
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  EXPECT_EQ(game_->phase(), Phase::BoardOver);
  EXPECT_EQ(Play().CardsPlayed, 52);
  EXPECT_FALSE(game_->FinishMode());
  EXPECT_TRUE(game_->ResultFiled());
  EXPECT_EQ(Filed("Imp01.06").rfind("E,2~H,", 0), 0u) << Filed("Imp01.06");
  // All four hands as dealt, each seat back to its own player.
  for (const auto& hand : Play().Hands) EXPECT_EQ(hand.CardsLeftTotal(), 13);
  EXPECT_TRUE(Play().Hands[South].HumanControlled);
  EXPECT_FALSE(Play().Hands[East].HumanControlled);
  EXPECT_EQ(SideTricks(Play(), 1) + SideTricks(Play(), 2), 13);
  EXPECT_EQ(filing_->results, 1);
  EXPECT_EQ(filing_->plays, 1);
  EXPECT_FALSE(game_->FinishPlay(chooser_));   // the board is over
  EXPECT_EQ(filing_->results, 1);
}

TEST_F(GamePlayTest, SkipPlayGivesTheStandardResult) {
  TwoHeartsByEast();
  ASSERT_TRUE(game_->StartPlay());
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  EXPECT_EQ(game_->phase(), Phase::BoardOver);
  EXPECT_TRUE(game_->ResultFiled());
  EXPECT_EQ(Play().CardsPlayed, 52);
  // East (AJT4.KQJT72.J93.-) opposite West (76.53.KT8.T85432) loses about
  // two spades, the ace of hearts and two diamonds: the field made eight and
  // nine tricks, and the engine takes nine. Two hearts by vulnerable
  // East-West, scored from North-South's side: down one -> +100, eight
  // tricks -> -110, nine -> -140, ten -> -170.
  const int tricks = Play().DeclarerTricks;
  EXPECT_EQ(tricks, 9);
  const std::map<int, int> scores = {{7, 100}, {8, -110}, {9, -140}, {10, -170}};
  ASSERT_TRUE(scores.count(tricks)) << tricks << " tricks";
  ASSERT_TRUE(game_->Result());
  EXPECT_EQ(game_->Result()->score, scores.at(tricks));
  EXPECT_EQ(game_->Result()->declarerTricks, tricks);
  EXPECT_EQ(SideTricks(Play(), 2), tricks);
  EXPECT_EQ(SideTricks(Play(), 1), 13 - tricks);
  EXPECT_EQ(Filed("Imp01.06").rfind("E,2~H," + std::to_string(tricks) + "," + std::to_string(scores.at(tricks)) + ",", 0),
            0u)
      << Filed("Imp01.06");
}

TEST_F(GamePlayTest, ReplayStartsThePlayOfTheSameContractAgainAndFilesItsNewResult) {
  TwoHeartsByEast();
  ASSERT_TRUE(game_->StartPlay());
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  ASSERT_EQ(game_->phase(), Phase::BoardOver);
  ASSERT_TRUE(game_->Replay());
  EXPECT_EQ(game_->phase(), Phase::Playing);
  EXPECT_EQ(Play().CardsPlayed, 0);
  EXPECT_FALSE(game_->State().ShowAllHands);
  EXPECT_FALSE(game_->Result().has_value());
  EXPECT_EQ(game_->FinalContract().bid, MakeBid(2, Heart));
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  EXPECT_EQ(filing_->results, 2);
  EXPECT_EQ(filing_->plays, 2);
}

// "Show All 4 Hands" and "Hide N, E, and W Hands": while bidding only South
// stays up; during the play the dummy stays up as well.
TEST_F(GamePlayTest, ShowingAndHidingTheHands) {
  FourSpades();
  game_->ShowAllFourHands();
  EXPECT_EQ(game_->State().FaceUpSeats, kAllFour);
  for (const auto& hand : Play().Hands) EXPECT_TRUE(hand.FaceUp);
  game_->HideHands();
  EXPECT_EQ(game_->State().FaceUpSeats, kSouthOnly);
  for (const auto& hand : Play().Hands) EXPECT_EQ(hand.FaceUp, hand.HandSeat == South);
  ASSERT_TRUE(game_->StartPlay());
  ComputerCards();   // West leads; North goes down
  game_->HideHands();
  EXPECT_EQ(game_->State().FaceUpSeats, kNorthSouth);
  EXPECT_TRUE(Play().Hands[North].FaceUp);
  EXPECT_FALSE(Play().Hands[West].FaceUp);
}

}  // namespace
}  // namespace quorval
