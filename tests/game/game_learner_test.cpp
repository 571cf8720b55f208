// The learner's moves through the game: a claim judged double dummy that
// ends the board (filed once, kept, reviewed and exported with its claim) or
// leaves play going on, the computer declarer's claim offered once, and a
// try from the review that files nothing and brings the board back.
#include "data/date_time.h"
#include "game/pbn_export.h"
#include "play/review/kept_review.h"
#include "play/review/review_words.h"
#include "scoring/player_results.h"
#include "tests/game/game_fixture.h"

namespace quorval {
namespace {

class LearnerTest : public GameTest {
 protected:
  // Board 1 of Imp01 bid to 4S by South and played to `cards` cards.
  void PlayFourSpades(int cards) {
    ASSERT_TRUE(DealBoard(1));
    ASSERT_TRUE(Call("1S"));
    ASSERT_TRUE(Call("4S"));
    ASSERT_TRUE(game_->StartPlay());
    PlayOn(cards);
    if (game_->TrickOnTable()) game_->ClearTrick();
    ASSERT_EQ(game_->Play().CardsPlayed, cards);
  }
};

TEST_F(LearnerTest, AClaimOfOneTrickTooManyIsRefusedAndTheDoubleDummyClaimEndsTheBoardFiledKeptAndExported) {
  PlayFourSpades(36);
  const int before = game_->Play().DeclarerTricks;
  const int dd = SideTricksLeft(game_->Play(), 1);
  ASSERT_GE(dd, 0);
  ASSERT_LT(dd, 4) << "the fixture's defence keeps a trick";

  // One more than best play gives: refused, nothing moves, nothing is filed.
  const ClaimVerdict refused = game_->Claim(1, dd + 1);
  EXPECT_TRUE(refused.judged);
  EXPECT_FALSE(refused.accepted);
  EXPECT_EQ(refused.ddTricks, dd);
  EXPECT_EQ(game_->phase(), Phase::Playing);
  EXPECT_EQ(game_->Play().CardsPlayed, 36);
  EXPECT_FALSE(game_->ClaimAtTable());
  EXPECT_EQ(filing_->results, 0);

  // Exactly what is there: the board ends with the claimed tricks.
  const ClaimVerdict accepted = game_->Claim(1, dd);
  EXPECT_TRUE(accepted.accepted);
  EXPECT_EQ(game_->phase(), Phase::BoardOver);
  ASSERT_TRUE(game_->Result() && game_->Result()->Built());
  EXPECT_EQ(game_->Result()->declarerTricks, before + dd);
  EXPECT_EQ(filing_->results, 1);
  EXPECT_EQ(filing_->plays, 1);
  // A claim at the end of the board is no move: it is refused without the
  // solver and files nothing more.
  EXPECT_FALSE(game_->Claim(1, 0).judged);
  EXPECT_EQ(filing_->results, 1);

  // Filed with the claimed tricks, the play kept with its claim and the time.
  const auto filed = ReadFiledResult(Filed("Imp01.01"));
  ASSERT_TRUE(filed);
  EXPECT_EQ(filed->tricks(), std::to_string(before + dd));
  const KeptPlayRead kept = ReadKeptPlay(*plays_, "Tester", "Imp01.01");
  ASSERT_TRUE(kept.Sound()) << kept.fault;
  EXPECT_EQ(kept.play->cards.size(), 36u);
  ASSERT_TRUE(kept.play->claim);
  EXPECT_EQ(*kept.play->claim, (KeptClaim{1, dd}));
  EXPECT_EQ(KeptDeclarerTricks(*kept.play), before + dd);
  const auto when = ReadFiledTime(*plays_, "Tester", "Imp01.01");
  ASSERT_TRUE(when);
  EXPECT_LT(std::abs(*when - NowDateTime()), 1.0 / 24);

  // The review counts the claimed tricks and finds no trick given away.
  std::string problem;
  auto review = review::ReviewFromKeptPlay("Imp01.01", kept, problem);
  ASSERT_TRUE(review) << problem;
  review::SolveClaim(*review);
  EXPECT_EQ(review->DeclarerTricks(), before + dd);
  EXPECT_EQ(review->claimDdDeclarerTricks, dd);
  EXPECT_EQ(review->ClaimCostToDeclarer() + review->ClaimCostToDefenders(), 0);
  std::string summary;
  for (const std::string& p : review::SummaryParagraphs(*review, review::ReviewWords{})) summary += p + "\n";
  EXPECT_NE(summary.find("At trick 10 North-South claimed " + std::to_string(dd) + " of the 4 tricks left; with best play "
                         "declarer's side had " + std::to_string(dd) + " of them."),
            std::string::npos)
      << summary;

  // The export writes the cards before the claim and the claim after them.
  const PbnExportResult pbn = ExportFiledBoards(*files_, {"Imp01.01"});
  ASSERT_EQ(pbn.boards, 1) << (pbn.notes.empty() ? "" : pbn.notes[0]);
  EXPECT_NE(pbn.text.find("{NS claim " + std::to_string(dd) + " of the 4 tricks left}\r\n*"), std::string::npos)
      << pbn.text;
  EXPECT_NE(pbn.text.find("[Result \"" + std::to_string(before + dd) + "\"]"), std::string::npos);

  // Played again, the board has no claim until one is made.
  ASSERT_TRUE(game_->Replay());
  EXPECT_FALSE(game_->ClaimAtTable());
  EXPECT_FALSE(game_->PlayAtTable().claim);
}

TEST_F(LearnerTest, TheComputerDeclarerClaimsOnlyForItselfOnlyWithTopCardsAndOncePerBoard) {
  // South declares: the computer never claims for the user.
  PlayFourSpades(44);
  EXPECT_FALSE(game_->ComputerClaimDue());

  // East-West's contract played to the point where the computer declarer
  // leads from top cards: it claims once, and not again after a refusal.
  int offers = 0;
  for (int board = 1; board <= 6 && offers == 0; ++board) {
    game_.reset();
    Game();
    ASSERT_TRUE(DealBoard(board));
    BidOut();
    if (!game_->StartPlay() || game_->Play().Hands[game_->Play().Declarer].HumanControlled) continue;
    while (game_->phase() == Phase::Playing && offers == 0) {
      if (game_->TrickOnTable()) game_->ClearTrick();
      if (game_->ComputerClaimDue()) {
        ++offers;
        EXPECT_TRUE(TopCardsTakeTheRest(game_->Play()));
        EXPECT_FALSE(game_->ComputerClaimDue()) << "offered once per board";
        break;
      }
      if (game_->UserToPlay()) ASSERT_TRUE(game_->UserCard(DefaultCard(game_->Play())));
      else ASSERT_TRUE(game_->PushCard(game_->ComputerCard(chooser_)));
      if (game_->Play().Over()) game_->EndBoard();
    }
  }
  ASSERT_EQ(offers, 1) << "no fixture board with East-West declaring reached a claim";
  // Accepted, the computer's side takes every trick left.
  const int before = game_->Play().DeclarerTricks, left = TricksLeft(game_->Play());
  EXPECT_TRUE(game_->Claim(SideOf(game_->Play().Declarer), left).accepted);
  EXPECT_EQ(game_->Result()->declarerTricks, before + left);
}

TEST_F(LearnerTest, PlayFromHereFilesNothingAndBringsTheFirstResultBack) {
  PlayFourSpades(52);
  ASSERT_TRUE(game_->ResultFiled());
  const TableResult first = *game_->Result();
  const std::string optionsLine = Filed("Imp01.01");
  const std::string keptPlay = KeptPlayToText(first.play).play;
  filing_->results = filing_->plays = 0;

  // Before card 21: the board is on the table again with 20 cards played.
  EXPECT_FALSE(game_->BeginTry("Imp01.01", first.play, 52));
  ASSERT_TRUE(game_->BeginTry("Imp01.01", first.play, 20));
  EXPECT_TRUE(game_->TryingAgain());
  EXPECT_EQ(game_->phase(), Phase::Playing);
  EXPECT_EQ(game_->Play().CardsPlayed, 20);
  EXPECT_FALSE(game_->Replay());
  // Finish Play to the end (a claim would end it the same way).
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  const auto outcome = game_->EndTry();
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->firstAttempt, first.declarerTricks);
  EXPECT_GE(outcome->ddFromStart, 0);
  EXPECT_LE(outcome->ddFromStart, 13);

  // Nothing filed; the board and its result are as they were.
  EXPECT_EQ(filing_->results + filing_->plays, 0);
  EXPECT_FALSE(game_->TryingAgain());
  EXPECT_EQ(game_->phase(), Phase::BoardOver);
  EXPECT_EQ(game_->Result()->line, first.line);
  EXPECT_EQ(Filed("Imp01.01"), optionsLine);
  EXPECT_EQ(KeptPlayToText(ReadKeptPlay(*plays_, "Tester", "Imp01.01").play.value()).play, keptPlay);

  // A try left for another board is dropped: that board files as ever.
  ASSERT_TRUE(game_->BeginTry("Imp01.01", first.play, 8));
  ASSERT_TRUE(DealBoard(2));
  EXPECT_FALSE(game_->TryingAgain());
  BidOut();
  ASSERT_TRUE(game_->StartPlay());
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  EXPECT_EQ(filing_->results, 1);
}

}  // namespace
}  // namespace quorval
