// The learner's moves at the table: the user's claim ("Claim..." in the Play
// Options menu and the play pad), the computer declarer's claim, and "Play
// from here", a try of a reviewed board from any of its cards. The rules are
// the game's (game/table_game.h); the window asks, shows and lays out.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "core/messages.h"
#include "play/claim.h"
#include "table/bidding_box.h"
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/table_panels.h"
#include "ui/claim_dialog.h"
#include "ui/hands_view.h"

namespace quorval {

namespace {

constexpr Side kUserSide = 1;   // the user sits South

}  // namespace

QString TDeskTop::ClaimLineText() const { return claimLine_ && claimLine_->isVisible() ? claimLine_->text() : QString(); }

void TDeskTop::ShowClaimLine(const QString& text) {
  // Over the lower part of the table, above the cards on it and the score
  // pad, until the next card.
  if (!claimLine_) {
    claimLine_ = new QLabel(panels_->desk);
    claimLine_->setObjectName("ClaimLine");
    claimLine_->setWordWrap(true);
    claimLine_->setAlignment(Qt::AlignCenter);
    claimLine_->setStyleSheet("QLabel { color: black; background: #fff8c0; border: 1px solid #806000; padding: 3px; }");
  }
  const QRect table(panels_->table->mapTo(panels_->desk, QPoint(0, 0)), panels_->table->size());
  claimLine_->setGeometry(table.left() + 6, table.bottom() - 66, table.width() - 12, 60);
  claimLine_->setText(text);
  claimLine_->show();
  claimLine_->raise();
}

void TDeskTop::HideClaimLine() {
  if (claimLine_) claimLine_->hide();
}

// The tricks of the board's result in the play panel: those a claim gave
// as well as those played.
void TDeskTop::ShowResultTricks() {
  const auto& result = game_.Result();
  if (!result || result->contract.PassedOut()) return;
  const bool nsDeclare = SideOf(result->contract.declarer) == 1;
  panels_->nsTricks->setText(QString::number(nsDeclare ? result->declarerTricks : 13 - result->declarerTricks));
  panels_->ewTricks->setText(QString::number(nsDeclare ? 13 - result->declarerTricks : result->declarerTricks));
}

void TDeskTop::ClaimClick() {
  if (!game_.CanClaim() || computerThinking_) {
    PlaySound(Sound::Information);
    return;
  }
  HideClaimLine();
  const int left = TricksLeft(game_.Play());
  const std::optional<int> tricks = claimAsker_ ? claimAsker_(left) : TClaimDialog::Ask(this, left, language_);
  if (!tricks || game_.phase() != Phase::Playing) return;
  const ClaimVerdict verdict = game_.Claim(kUserSide, *tricks);
  if (verdict.accepted) {
    EndOfHand();
    ShowResultTricks();
    return;
  }
  PlaySound(Sound::Warning);
  ShowClaimLine(verdict.judged ? Word("ClaimRefused").arg(*tricks).arg(verdict.ddTricks) : Word("ClaimNotJudged"));
}

bool TDeskTop::ComputerClaims() {
  if (!game_.ComputerClaimDue()) return false;
  const PlayState& play = game_.Play();
  const int left = TricksLeft(play);
  const Seat declarer = play.Declarer;
  if (!AskQuestion(Word("ClaimComputer").arg(SeatName(declarer)).arg(left).toStdString())) return false;
  if (!game_.Claim(SideOf(declarer), left).accepted) return false;
  EndOfHand();
  ShowResultTricks();
  return true;
}

// The play as the game holds it, laid out on the table: the hands, the
// tricks won, the cards of the trick in progress.
void TDeskTop::LayOutPlayOnTable() {
  const Contract contract = game_.FinalContract();
  selectedCard_ = 0;
  rankKey_.clear();
  suitKey_.clear();
  TablePanels& p = *panels_;
  for (QWidget* w : std::initializer_list<QWidget*>{p.endOfBidding, p.endofScoring, p.scorePad, p.scorePages,
                                                     p.bidBox, p.hcpPanel})
    w->hide();
  CloseBidReviewClick();
  tips_->HideHintMeanings();
  p.dupBd->show();
  DupBoard();
  DrawContract();
  p.playPanel->show();
  p.cards->Context() = TPlayContext{};
  p.cards->ClearTable();
  p.cards->ShowWonTricks({});
  p.cards->SetDecidingStrain(contract.strain() < Spade ? contract.strain() : Spade);
  // The trick in progress is played again so that its cards lie on the table.
  const TakeBackSteps steps =
      game_.Play().TrickPos != 1 ? game_.RewindForTakeBack() : TakeBackSteps{};
  p.cards->SetShowAllHands(game_.State().ShowAllHands);
  p.cards->LoadAll();
  ApplyFaceUp();
  PrintWonTricks();
  p.playPad->show();
  p.playPad->raise();
  for (const CardCode card : steps.again) MakePlay(card);
  if (steps.removed) MakePlay(steps.removed);
  Action("ShowHands")->setEnabled(game_.State().FaceUpSeats != kAllFour);
  Action("HideHands")->setEnabled(game_.State().FaceUpSeats == kAllFour);
  Action("ReplayHand")->setEnabled(false);
  HintButton(false);
  BeforeEachPlay();
}

bool TDeskTop::PlayFromHere(const std::string& key, const KeptPlay& kept, int cards) {
  if (computerThinking_) return false;
  const Phase phase = game_.phase();
  const bool inPlay = phase == Phase::Bidding || phase == Phase::BiddingOver || phase == Phase::Playing;
  if (inPlay && !ConfirmLeaveBoard()) return false;
  HideClaimLine();
  if (!game_.BeginTry(key, kept, cards)) {
    PlaySound(Sound::Warning);
    return false;
  }
  LayOutPlayOnTable();
  PlayTrickToHuman();
  return true;
}

void TDeskTop::EndOfTry() {
  const auto outcome = game_.EndTry();
  // Back to where the table was: the board over as it ended, the board in
  // play laid out again (a left auction starts again), or no board.
  switch (game_.phase()) {
    case Phase::BoardOver:
      EndOfHand();
      ShowResultTricks();
      break;
    case Phase::Playing:
      LayOutPlayOnTable();
      break;
    case Phase::Bidding:
    case Phase::BiddingOver:
      StartNewHand();
      break;
    default:
      ClearBoardFromTable();
      break;
  }
  if (!outcome) return;
  const QString dd = outcome->ddFromStart >= 0 ? QString::number(outcome->ddFromStart) : QStringLiteral("?");
  const QString text = Word("TryOutcome").arg(outcome->tricks).arg(dd).arg(outcome->firstAttempt);
  ShowClaimLine(text);
  ShowMessage(text.toStdString());
}

}  // namespace quorval
