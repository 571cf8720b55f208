#include "table/table_learner.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "core/messages.h"
#include "data/ini_store.h"
#include "data/program_folder.h"
#include "play/claim.h"
#include "progress/progress.h"
#include "table/bidding_box.h"
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/table_panels.h"
#include "ui/claim_dialog.h"
#include "ui/hands_view.h"
#include "ui/progress_window.h"
#include "ui/skin.h"

namespace quorval {

namespace {

constexpr Side kUserSide = 1;   // the user sits South

}  // namespace

QString TTableLearner::ClaimLineText() const { return claimLine_ && claimLine_->isVisible() ? claimLine_->text() : QString(); }

void TTableLearner::ShowClaimLine(const QString& text) {
  // Over the lower part of the table, above the cards on it and the score
  // pad, until the next card.
  if (!claimLine_) {
    claimLine_ = new QLabel(desk_.panels_->desk);
    claimLine_->setObjectName("ClaimLine");
    claimLine_->setWordWrap(true);
    claimLine_->setAlignment(Qt::AlignCenter);
    claimLine_->setStyleSheet("QLabel { color: black; background: #fff8c0; border: 1px solid #806000; padding: 3px; }");
  }
  const TablePanels& p = *desk_.panels_;
  const QRect table(p.table->mapTo(p.desk, QPoint(0, 0)), p.table->size());
  claimLine_->setGeometry(table.left() + 6, table.bottom() - 66, table.width() - 12, 60);
  claimLine_->setText(text);
  claimLine_->show();
  claimLine_->raise();
}

void TTableLearner::HideClaimLine() {
  if (claimLine_) claimLine_->hide();
}

// The tricks of the board's result in the play panel: those a claim gave
// as well as those played.
void TTableLearner::ShowResultTricks() {
  const auto& result = desk_.game_.Result();
  if (!result || result->contract.PassedOut()) return;
  const bool nsDeclare = SideOf(result->contract.declarer) == 1;
  const int declarer = result->declarerTricks, defence = 13 - result->declarerTricks;
  desk_.panels_->nsTricks->setText(QString::number(nsDeclare ? declarer : defence));
  desk_.panels_->ewTricks->setText(QString::number(nsDeclare ? defence : declarer));
}

void TTableLearner::ClaimClick() {
  if (!desk_.game_.CanClaim() || desk_.computerThinking_) {
    PlaySound(Sound::Information);
    return;
  }
  HideClaimLine();
  const int left = TricksLeft(desk_.game_.Play());
  const std::optional<int> tricks = claimAsker_ ? claimAsker_(left) : TClaimDialog::Ask(&desk_, left, desk_.language_);
  if (!tricks || desk_.game_.phase() != Phase::Playing) return;
  const ClaimVerdict verdict = desk_.game_.Claim(kUserSide, *tricks);
  if (verdict.accepted) {
    desk_.EndOfHand();
    ShowResultTricks();
    return;
  }
  PlaySound(Sound::Warning);
  ShowClaimLine(verdict.judged ? desk_.Word("ClaimRefused").arg(*tricks).arg(verdict.ddTricks)
                               : desk_.Word("ClaimNotJudged"));
}

bool TTableLearner::ComputerClaims() {
  if (!desk_.game_.ComputerClaimDue()) return false;
  const PlayState& play = desk_.game_.Play();
  const int left = TricksLeft(play);
  const Seat declarer = play.Declarer;
  if (!AskQuestion(desk_.Word("ClaimComputer").arg(desk_.SeatName(declarer)).arg(left).toStdString())) return false;
  if (!desk_.game_.Claim(SideOf(declarer), left).accepted) return false;
  desk_.EndOfHand();
  ShowResultTricks();
  return true;
}

// The play as the game holds it, laid out on the table: the hands, the
// tricks won, the cards of the trick in progress.
void TTableLearner::LayOutPlayOnTable() {
  const Contract contract = desk_.game_.FinalContract();
  desk_.selectedCard_ = 0;
  desk_.rankKey_.clear();
  desk_.suitKey_.clear();
  TablePanels& p = *desk_.panels_;
  for (QWidget* w : std::initializer_list<QWidget*>{p.endOfBidding, p.endofScoring, p.scorePad, p.scorePages,
                                                     p.bidBox, p.hcpPanel})
    w->hide();
  desk_.CloseBidReviewClick();
  desk_.tips_->HideHintMeanings();
  p.dupBd->show();
  desk_.DupBoard();
  desk_.DrawContract();
  p.playPanel->show();
  p.cards->Context() = TPlayContext{};
  p.cards->ClearTable();
  p.cards->ShowWonTricks({});
  p.cards->SetDecidingStrain(contract.strain() < Spade ? contract.strain() : Spade);
  // The trick in progress is played again so that its cards lie on the table.
  const TakeBackSteps steps =
      desk_.game_.Play().TrickPos != 1 ? desk_.game_.RewindForTakeBack() : TakeBackSteps{};
  p.cards->SetShowAllHands(desk_.game_.State().ShowAllHands);
  p.cards->LoadAll();
  desk_.ApplyFaceUp();
  desk_.PrintWonTricks();
  p.playPad->show();
  p.playPad->raise();
  for (const CardCode card : steps.again) desk_.MakePlay(card);
  if (steps.removed) desk_.MakePlay(steps.removed);
  desk_.Action("ShowHands")->setEnabled(desk_.game_.State().FaceUpSeats != kAllFour);
  desk_.Action("HideHands")->setEnabled(desk_.game_.State().FaceUpSeats == kAllFour);
  desk_.Action("ReplayHand")->setEnabled(false);
  desk_.HintButton(false);
  desk_.BeforeEachPlay();
}

bool TTableLearner::PlayFromHere(const std::string& key, const KeptPlay& kept, int cards) {
  if (desk_.computerThinking_) return false;
  const Phase phase = desk_.game_.phase();
  const bool inPlay = phase == Phase::Bidding || phase == Phase::BiddingOver || phase == Phase::Playing;
  if (inPlay && !desk_.ConfirmLeaveBoard()) return false;
  HideClaimLine();
  if (!desk_.game_.BeginTry(key, kept, cards)) {
    PlaySound(Sound::Warning);
    return false;
  }
  LayOutPlayOnTable();
  desk_.PlayTrickToHuman();
  return true;
}

void TTableLearner::EndOfTry() {
  const auto outcome = desk_.game_.EndTry();
  // Back to where the table was: the board over as it ended, the board in
  // play laid out again (a left auction starts again), or no board.
  switch (desk_.game_.phase()) {
    case Phase::BoardOver:
      desk_.EndOfHand();
      ShowResultTricks();
      break;
    case Phase::Playing:
      LayOutPlayOnTable();
      break;
    case Phase::Bidding:
    case Phase::BiddingOver:
      desk_.StartNewHand();
      break;
    default:
      desk_.ClearBoardFromTable();
      break;
  }
  if (!outcome) return;
  const QString dd = outcome->ddFromStart >= 0 ? QString::number(outcome->ddFromStart) : QStringLiteral("?");
  const QString text = desk_.Word("TryOutcome").arg(outcome->tricks).arg(dd).arg(outcome->firstAttempt);
  ShowClaimLine(text);
  ShowMessage(text.toStdString());
}

// "My Progress": the player's course in charts, its double-dummy figures
// worked out in the window's background and kept in "Progress2005.ini".
std::unique_ptr<TProgressWindow> TTableLearner::MakeProgressWindow() {
  const TBigIniFile& options = desk_.Files().options;
  const TBigIniFile* plays = desk_.Files().plays;
  const std::string player = desk_.Files().PlayerName();
  // A run that writes nothing (its plays a copy in memory) reads the kept
  // figures into memory as well.
  const bool copyOnly = plays && plays->FileName().empty();
  auto compute = [&options, plays, player, copyOnly](const ProgressRun& run) {
    if (!plays) return PlayerProgress{};
    const std::string path = ResolveInProgramFolder(kProgressFileName);
    TMyINI cache(copyOnly ? std::string() : path);
    if (copyOnly) {
      std::ifstream file(path, std::ios::binary);
      cache.LoadLines(SplitIniText(std::string(std::istreambuf_iterator<char>(file), {})));
    }
    return ComputeProgress(options, *plays, &cache, player, run);
  };
  auto window = std::make_unique<TProgressWindow>(&desk_, compute, desk_.Opt().MPScoringSys, desk_.language_);
  ApplySkinToWindow(window.get(), desk_.Opt().SkinColors, false);
  return window;
}

void TTableLearner::MyProgressClick() {
  if (desk_.computerThinking_) return;
  MakeProgressWindow()->exec();
}

}  // namespace quorval
