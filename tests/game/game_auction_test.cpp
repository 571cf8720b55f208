// Boards dealt and bid through the game, with no window: which board comes,
// how it is turned, the computer seats calling from the library, the user's
// calls only where a stored auction goes on, take back of calls, and the end
// of the auction (a passed-out board ending at once).
#include "scoring/field_results.h"
#include "tests/game/game_fixture.h"

namespace quorval {
namespace {

Holding Held(const TableGame& game, Seat s, TSuit suit) {
  return game.Play().Hands[s].Suits[suit].CurrentHolding & kRankMask;
}
std::string HeldText(const TableGame& game, Seat s, TSuit suit) {
  return HoldingText(suit, Held(game, s, suit), HoldingForm::Bare);
}

TEST_F(GameTest, BoardOneIsDealtWithOnlySouthFaceUpAndTheComputerCallsToSouth) {
  ASSERT_TRUE(DealBoard(1));
  const TableGame& game = *game_;
  EXPECT_EQ(game.State().BoardNo, 1);
  EXPECT_EQ(game.phase(), Phase::Bidding);
  EXPECT_EQ(game.Board().Key, "Imp01.01");
  // Stored South: KJ852.AK.5.Q9743 (Site 0, nothing turned).
  EXPECT_EQ(HeldText(game, South, Spade), "KJ852");
  EXPECT_EQ(HeldText(game, South, Club), "Q9743");
  EXPECT_TRUE(game.Play().Hands[South].FaceUp);
  for (Seat s : {North, East, West}) EXPECT_FALSE(game.Play().Hands[s].FaceUp);
  // North passed and East opened 1C before South's turn.
  EXPECT_EQ(Calls(), (Tokens{"P", "1C"}));
  EXPECT_EQ(game.SeatToCall(), South);
  EXPECT_TRUE(game.UserToCall());
  EXPECT_FALSE(game.ComputerToCall());
}

TEST_F(GameTest, SiteTurnsTheDealAndTheFieldResults) {
  ASSERT_TRUE(DealBoard(3));   // Imp01.03, Site 2
  const TableGame& game = *game_;
  // The stored North hand (62.987.K6.AKJ972) now sits South, dealer N.
  EXPECT_EQ(HeldText(game, South, Spade), "62");
  EXPECT_EQ(HeldText(game, South, Club), "AKJ972");
  EXPECT_EQ(HeldText(game, North, Spade), "985");
  EXPECT_EQ(game.State().Dealer, North);
  EXPECT_EQ(game.State().Vul, 2);   // E-W stays E-W
  // 05=N,4CX,9,-100 reads S, score unchanged.
  const auto r5 = LookUpFieldResult(game.Board().BoardValues, 5, North, "Passed out");
  EXPECT_EQ(r5, (std::vector<std::string>{"S", "4CX", "9", "-100"}));

  // Back to Imp01.02, Site 1: scores change sign.
  game_->StepBack(2);
  ASSERT_TRUE(game_->NextBoard() && game_->ReadHand() && game_->Deal());
  EXPECT_EQ(game.Board().Key, "Imp01.02");
  const auto r1 = LookUpFieldResult(game.Board().BoardValues, 1, game.State().Dealer, "Passed out");
  EXPECT_EQ(r1, (std::vector<std::string>{"E", "4S", "10", "-620"}));
}

TEST_F(GameTest, ThePriorBoardOfBoardOneIsBoardOneDealtAfresh) {
  ASSERT_TRUE(DealBoard(1));
  ASSERT_TRUE(Call("1S"));   // the auction moves on: P 1C 1S P 2S P
  ASSERT_EQ(Calls().size(), 6u);
  game_->StepBack(2);
  ASSERT_TRUE(game_->NextBoard() && game_->ReadHand() && game_->Deal());
  ComputerCalls();
  EXPECT_EQ(game_->State().BoardNo, 1);
  EXPECT_EQ(game_->Board().Key, "Imp01.01");
  // Dealt afresh: the auction is back at South's first turn.
  EXPECT_EQ(Calls(), (Tokens{"P", "1C"}));
  EXPECT_EQ(game_->phase(), Phase::Bidding);
}

TEST_F(GameTest, TheCounterStopsPastTheEventsLastBoardAndGoesOnlyToBoardsThatExist) {
  TableGame& game = Game();
  ASSERT_TRUE(game.GoToBoard("Imp", "01", 27));
  EXPECT_TRUE(game.NextBoard());
  EXPECT_FALSE(game.NextBoard());   // board 28: the table opens the chooser
  EXPECT_EQ(game.State().BoardNo, 28);
  EXPECT_FALSE(game.GoToBoard("Imp", "01", 28));
  EXPECT_FALSE(game.GoToBoard("Par", "01", 0));
  EXPECT_EQ(game.State().BoardNo, 28);
  ASSERT_TRUE(game.GoToBoard("Par", "01", 2));
  ASSERT_TRUE(game.NextBoard() && game.ReadHand() && game.Deal());
  EXPECT_EQ(game.Board().Key, "Par01.02");
  EXPECT_EQ(game.State().BoardNo, 2);
}

TEST_F(GameTest, ABoardThatCannotBeReadLeavesTheOneOnTheTable) {
  ASSERT_TRUE(DealBoard(6));
  ASSERT_EQ(game_->Board().Key, "Imp01.06");
  ASSERT_TRUE(game_->NextBoard());
  EXPECT_FALSE(game_->ReadHand());   // Imp01.07 is not in the fixture files
  EXPECT_FALSE(game_->NoAuctions());
  EXPECT_EQ(game_->State().BoardNo, 7);
  EXPECT_EQ(game_->Board().Key, "Imp01.06");
  EXPECT_EQ(game_->phase(), Phase::Bidding);
}

TEST_F(GameTest, ABoardWithoutStoredAuctionsIsNotDealt) {
  UseLibrary("[Imp01.02.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  EXPECT_FALSE(DealBoard(1));
  EXPECT_EQ(LastMessage(), "No stored auctions for board Imp01.01 in Danish Basic");
  EXPECT_TRUE(game_->NoAuctions());
  EXPECT_EQ(game_->phase(), Phase::NoBoard);
  EXPECT_FALSE(game_->Deal());
  // And the next board still comes.
  ASSERT_TRUE(game_->NextBoard() && game_->ReadHand() && game_->Deal());
  EXPECT_EQ(game_->Board().Key, "Imp01.02");
}

TEST_F(GameTest, AnotherSystemDealsTheSameBoardAgainFromItsOwnLines) {
  ASSERT_TRUE(DealBoard(1));
  ASSERT_TRUE(Call("1S"));
  game_->SetBidSystem(2);
  game_->StepBack(1);
  ASSERT_TRUE(game_->NextBoard() && game_->ReadHand() && game_->Deal());
  ComputerCalls();
  EXPECT_EQ(game_->State().BoardNo, 1);
  EXPECT_EQ(game_->State().BidSystemLetter, 'N');
  EXPECT_EQ(game_->Auction().SequenceLines.size(), 1u);
  EXPECT_EQ(Calls(), (Tokens{"P", "1C"}));
}

TEST_F(GameTest, TheUserCallsOnlyWhereAStoredAuctionGoesOnAndTheComputerAnswers) {
  ASSERT_TRUE(DealBoard(1));   // P 1C, South to call
  EXPECT_FALSE(game_->UserCall(MakeBid(2, NT)));   // legal bridge, not in the library
  EXPECT_FALSE(game_->UserCall(NoCall));
  EXPECT_EQ(Calls(), (Tokens{"P", "1C"}));
  ASSERT_TRUE(Call("1S"));
  // West and North answer at once: P 2S P, South to call again.
  EXPECT_EQ(Calls(), (Tokens{"P", "1C", "1S", "P", "2S", "P"}));
  EXPECT_EQ(game_->SeatToCall(), South);
  // The library's lines go on with 4S (the main line), Pass and 3S; the
  // hint lists them all and Make Bid makes the main line's.
  EXPECT_EQ(game_->HintCalls(), (std::vector<CallCode>{MakeBid(4, Spade), Pass, MakeBid(3, Spade)}));
  EXPECT_EQ(game_->LibraryCall(), MakeBid(4, Spade));
  BidOut();
  ASSERT_EQ(Calls().size(), 10u);
  EXPECT_EQ(Calls()[6], "4S");
  EXPECT_EQ(game_->phase(), Phase::BiddingOver);
  EXPECT_EQ(game_->FinalContract().bid, MakeBid(4, Spade));
  EXPECT_EQ(game_->FinalContract().declarer, South);
  EXPECT_TRUE(game_->LastAuctionHadContract());
  // The auction is over: no call from anyone.
  EXPECT_FALSE(game_->UserToCall());
  EXPECT_FALSE(game_->ComputerToCall());
  EXPECT_FALSE(game_->UserCall(Pass));
  EXPECT_EQ(Calls().size(), 10u);
}

TEST_F(GameTest, TakeBackReturnsToSouthsPreviousTurn) {
  ASSERT_TRUE(DealBoard(1));
  ASSERT_TRUE(Call("1S"));
  ASSERT_EQ(Calls().size(), 6u);
  // South's 1S and the three calls after it go; North's and East's first
  // calls stay.
  EXPECT_TRUE(game_->TakeBackCalls());
  EXPECT_EQ(Calls(), (Tokens{"P", "1C"}));
  EXPECT_EQ(game_->SeatToCall(), South);
  // With two calls there is nothing to take back.
  EXPECT_FALSE(game_->TakeBackCalls());
  EXPECT_EQ(Calls().size(), 2u);
  // South calls again, another line this time.
  ASSERT_TRUE(Call("1S"));
  ASSERT_TRUE(Call("P"));
  EXPECT_EQ(Calls(), (Tokens{"P", "1C", "1S", "P", "2S", "P", "P", "P"}));
  EXPECT_EQ(game_->FinalContract().bid, MakeBid(2, Spade));
}

TEST_F(GameTest, TakeBackAfterTheAuctionEndedLetsSouthCallAgain) {
  ASSERT_TRUE(DealBoard(1));
  ASSERT_TRUE(Call("1S"));
  ASSERT_TRUE(Call("4S"));
  ASSERT_EQ(game_->phase(), Phase::BiddingOver);
  EXPECT_TRUE(game_->TakeBackCalls());
  EXPECT_EQ(game_->phase(), Phase::Bidding);
  EXPECT_EQ(Calls().size(), 6u);
  EXPECT_EQ(game_->SeatToCall(), South);
  EXPECT_TRUE(game_->UserToCall());
}

TEST_F(GameTest, WestDealerWithThreePassesLeavesSouthToCall) {
  ASSERT_TRUE(DealBoard(4));   // Imp01.04: dealer West
  EXPECT_EQ(game_->State().Dealer, West);
  EXPECT_EQ(Calls(), (Tokens{"P", "P", "P"}));
  EXPECT_EQ(game_->SeatToCall(), South);
}

TEST_F(GameTest, APassedOutAuctionEndsTheBoardAtOnceAndFilesItWithoutCards) {
  UseLibrary("[Imp01.01.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  ASSERT_TRUE(DealBoard(1));
  ASSERT_TRUE(Call(CallToken(game_->LibraryCall())));
  EXPECT_EQ(game_->phase(), Phase::BoardOver);
  EXPECT_FALSE(game_->LastAuctionHadContract());
  // Nothing to play, nothing to replay.
  EXPECT_FALSE(game_->StartPlay());
  EXPECT_FALSE(game_->Replay());
  EXPECT_EQ(game_->phase(), Phase::BoardOver);
  EXPECT_TRUE(game_->ResultFiled());
  ASSERT_TRUE(game_->Result());
  EXPECT_EQ(game_->Result()->score, 0);
  EXPECT_EQ(Filed("Imp01.01").substr(0, 11), "W,Pass,0,0,");
  const KeptPlayRead kept = ReadKeptPlay(*plays_, "Tester", "Imp01.01");
  ASSERT_TRUE(kept.Sound()) << kept.fault;
  EXPECT_EQ(kept.play->calls, (std::vector<CallCode>{Pass, Pass, Pass, Pass}));
  EXPECT_TRUE(kept.play->cards.empty());
  EXPECT_EQ(filing_->results, 1);
  EXPECT_EQ(filing_->plays, 1);
}

}  // namespace
}  // namespace quorval
