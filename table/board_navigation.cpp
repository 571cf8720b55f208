// Choosing, reading and dealing boards; the board information panel.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "core/board_key.h"
#include "core/messages.h"
#include "data/board_file.h"
#include "table/bidding_box.h"
#include "table/board_picture.h"
#include "table/desktop.h"
#include "table/table_learner.h"
#include "table/result_saving.h"
#include "table/table_panels.h"
#include "ui/board_chooser.h"
#include "ui/hands_view.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {
namespace {

QColor FromRef(unsigned ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

}  // namespace

void TDeskTop::NewHandClick() {
  if (ConfirmLeaveBoard()) NextHand();
}

void TDeskTop::NextHand() {
  if (!game_.NextBoard()) {
    ChooseBoard(false);
    return;
  }
  if (ReadHand()) StartNewHand();
  else if (!game_.NoAuctions()) ShowMessage("Hand Not Found");
}

void TDeskTop::PriorHand1Click() {
  if (!ConfirmLeaveBoard()) return;
  game_.StepBack(2);
  NextHand();
}

void TDeskTop::RebidHandClick() {
  if (ConfirmLeaveBoard()) StartNewHand();
}

QString TDeskTop::UnfinishedBoardQuestion() const {
  const Phase phase = game_.phase();
  const bool unfinished = phase == Phase::Bidding || phase == Phase::BiddingOver ||
                          (phase == Phase::Playing && !game_.FinishMode());
  return unfinished ? Word("LeaveBoardQuestion").arg(game_.State().BoardNo) : QString();
}

bool TDeskTop::ConfirmLeaveBoard() {
  const QString question = UnfinishedBoardQuestion();
  return question.isEmpty() || AskQuestion(question.toStdString());
}

void TDeskTop::GotoHand1Click() { ChooseBoard(true); }

void TDeskTop::ChooseBoard(bool ask) {
  std::string event = game_.State().EventType, session = game_.State().Session;
  int board = 0;
  bool chosen = false;
  if (chooser_) {
    chosen = chooser_(event, session, board);
  } else {
    auto played = [this](const std::string& e, const std::string& s, int b) {
      return files_.PlayerValue(BoardKey{e, s, b}.Text(), "nope") != "nope";
    };
    // Events the board file does not hold are not offered; a short event
    // offers its boards only.
    auto boards = [this](const std::string& e, const std::string& s) {
      return EventLength(files_.boards, e, s) > 0 ? files_.EventLength(e, s) : 0;
    };
    TGetHand dialog(this, event, session, played, FromRef(Opt().SkinColors[4]), boards);
    dialog.SetLanguage(language_);
    ApplySkinToWindow(&dialog, Opt().SkinColors, false);
    chosen = dialog.exec() == QDialog::Accepted && dialog.ChosenBoard() > 0;
    event = dialog.ChosenEvent();
    session = dialog.ChosenSession();
    board = dialog.ChosenBoard();
  }
  if (!chosen || (ask && !ConfirmLeaveBoard()) || !game_.GoToBoard(event, session, board)) return;
  NextHand();
}

void TDeskTop::BidSysClick(int system) {
  if (!ConfirmLeaveBoard()) {
    // The menu keeps its mark on the system in use.
    Action(QString("BS%1").arg(game_.State().BidSystem))->setChecked(true);
    return;
  }
  game_.SetBidSystem(system);
  Action(QString("BS%1").arg(game_.State().BidSystem))->setChecked(true);
  saving_->SaveSettings();
  DupBoard();
  game_.StepBack(1);
  NextHand();
}

bool TDeskTop::ReadHand() { return game_.ReadHand(); }

void TDeskTop::StartNewHand() {
  if (!game_.Deal()) return;   // nothing read yet
  learner_->HideClaimLine();
  TablePanels& p = *panels_;
  for (QWidget* w : std::initializer_list<QWidget*>{p.playPad, p.endOfBidding, p.endofScoring, p.scorePad,
                                                     p.playPanel, p.scorePages, p.hcpPanel})
    w->hide();
  Action("ReviewBidding")->setEnabled(false);
  CloseBidReviewClick();
  SetCaption();
  p.dupBd->show();
  DupBoard();
  p.contractImg->clear();
  p.reviewPanel->show();
  p.reviewPanel->raise();
  p.bidBox->show();
  p.bidBox->raise();
  ResetBids();
  p.cards->ClearTable();
  p.cards->ShowWonTricks({});
  HandActions(game_.State().BoardNo > 1);
  // North, East and West go face down; the hands are laid out afresh.
  p.cards->SetDecidingStrain(Spade);
  p.cards->SetShowAllHands(false);
  p.cards->Context() = TPlayContext{};
  p.cards->LoadAll();
  p.cards->HideHandsClick(false, -1);
  Action("HideHands")->setEnabled(false);
  Action("ShowHands")->setEnabled(true);
  p.ShowSouthPoints(game_.Play().Hands[South].Hcp, Word("LabelHCP"));
  p.hcpPanel->show();
  ShowTurn();
  AcceptBid();
}

void TDeskTop::HandActions(bool enable) {
  Action("PriorHand1")->setEnabled(game_.State().BoardNo > 1);
  Action("RebidHand")->setEnabled(enable);
  Panel("RebidHand2")->setEnabled(enable);
  for (const char* print : {"PrintHandMenu", "PrintPreviewMenu", "SavePdfMenu"}) Action(print)->setEnabled(enable);
  const bool replay = game_.LastAuctionHadContract();
  Action("ReplayHand")->setEnabled(replay);
  Panel("ButReplayHand")->setEnabled(replay);
  Panel("ReviewHand")->setEnabled(game_.phase() == Phase::BoardOver);
}

void TDeskTop::DupBoard() {
  const TableState& state = game_.State();
  const bool played = state.BoardNo >= 1 && state.BoardNo <= 27 &&
                      files_.PlayerValue(game_.Key(), "nope") != "nope";
  const bool onTable = state.phase != Phase::NoBoard;
  panels_->dup->Show(onTable ? state.BoardNo : 0, onTable ? SeatName(state.Dealer).left(1) : QString(),
             onTable ? state.Dealer : -1, onTable ? state.Vul : 0,
             onTable ? Word(qPrintable(QString("vul%1").arg(state.Vul & 3))) : QString(),
             FromRef(Opt().SkinColors[played && onTable ? 4 : 2]));
  // The system's name is its menu item's caption without the accelerator.
  panels_->bidSysLabel->setText(WithoutAccelerator(Action(QString("BS%1").arg(state.BidSystem))->text()));
  panels_->sessionLab->setText(QString("%1 - %2").arg(QString::fromStdString(state.EventType),
                                              QString::fromStdString(state.Session)));
}

}  // namespace quorval
