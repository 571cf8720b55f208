// Choosing, reading and dealing boards; the board information panel.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "core/messages.h"
#include "table/bidding_box.h"
#include "table/board_picture.h"
#include "table/desktop.h"
#include "ui/board_chooser.h"
#include "ui/hands_view.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {
namespace {

const char* const kSystemNames[4] = {"Danish Basic", "Modern Standard", "Std Norwegian", "Modern Basic"};

QColor FromRef(unsigned ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

}  // namespace

void TDeskTop::NewHandClick() {
  ++state_.BoardNo;
  if (state_.BoardNo >= 28) {
    GotoHand1Click();
    return;
  }
  if (ReadHand()) StartNewHand();
  else if (!noAuctions_) ShowMessage("Hand Not Found");
}

void TDeskTop::PriorHand1Click() {
  state_.BoardNo = std::max(0, state_.BoardNo - 2);
  NewHandClick();
}

void TDeskTop::GotoHand1Click() {
  std::string event = state_.EventType, session = state_.Session;
  int board = 0;
  bool chosen = false;
  if (chooser_) {
    chosen = chooser_(event, session, board);
  } else {
    auto played = [this](const std::string& e, const std::string& s, int b) {
      return files_.PlayerValue(BoardKeyOf(e, s, b), "nope") != "nope";
    };
    TGetHand dialog(this, state_.EventType, state_.Session, played, FromRef(Opt().SkinColors[4]));
    dialog.SetLanguage(language_);
    ApplySkinToWindow(&dialog, Opt().SkinColors, false);
    chosen = dialog.exec() == QDialog::Accepted && dialog.ChosenBoard() > 0;
    event = dialog.ChosenEvent();
    session = dialog.ChosenSession();
    board = dialog.ChosenBoard();
  }
  if (!chosen || board < 1 || board > 27) return;
  state_.EventType = event;
  state_.Session = session;
  state_.BoardNo = board - 1;
  NewHandClick();
}

void TDeskTop::BidSysClick(int system) {
  state_.SetBidSystem(system);
  Action(QString("BS%1").arg(state_.BidSystem))->setChecked(true);
  SaveSettings();
  DupBoard();
  state_.BoardNo = std::max(0, state_.BoardNo - 1);
  NewHandClick();
}

bool TDeskTop::ReadHand() {
  // The board is read into a record of its own: a board that cannot be
  // played leaves the one on the table whole, so a rebid or replay of it
  // never mixes two boards.
  noAuctions_ = false;
  BoardOnTable next = board_;
  const std::string key = BoardKeyOf(state_.EventType, state_.Session, state_.BoardNo);
  if (!ReadBoard(files_, key, state_.BidSystemLetter, "Passed out", next)) return false;
  if (next.SequenceLines.empty()) {
    ShowMessage("No stored auctions for board " + key + " in " + kSystemNames[state_.BidSystem]);
    noAuctions_ = true;
    return false;
  }
  board_ = std::move(next);
  state_.Dealer = board_.Dealer;
  state_.Vul = board_.Vul;
  state_.BoardDeal = board_.BoardDeal;
  return true;
}

void TDeskTop::HideBoardPanels() {
  playPad_->hide();
  endOfBidding_->hide();
  endofScoring_->hide();
  scorePad_->hide();
  playPanel_->hide();
  scorePages_->hide();
  Action("ReviewBidding")->setEnabled(false);
}

void TDeskTop::StartNewHand() {
  if (board_.SequenceLines.empty()) return;   // nothing dealt yet
  HideBoardPanels();
  auction_.SequenceLines = board_.SequenceLines;
  auction_.CurrentLine = SplitLibraryLine(auction_.SequenceLines.front());
  CloseBidReviewClick();
  DealToHands(state_.BoardDeal, play_.Hands);
  play_.CardsPlayed = 0;
  play_.TrickNo = 0;
  play_.TrickPos = 1;
  play_.DeclarerTricks = 0;
  SetCaption();
  state_.phase = Phase::Bidding;
  dupBd_->show();
  DupBoard();
  contractImg_->clear();
  reviewPanel_->show();
  reviewPanel_->raise();
  for (auto& hand : play_.Hands) {
    hand.HumanControlled = state_.HumanSeats & SeatBit(hand.HandSeat);
    hand.FaceUp = state_.FaceUpSeats & SeatBit(hand.HandSeat);
  }
  bidBox_->show();
  bidBox_->raise();
  state_.ShowAllHands = false;
  finishMode_ = trickOnTable_ = false;
  resultFiled_ = false;
  ResetBids();
  cards_->ClearTable();
  cards_->ShowWonTricks({});
  hcpPanel_->hide();
  RestoreDeal(play_.Hands);
  HandActions(state_.BoardNo > 1);
  // North, East and West go face down; the hands are laid out afresh.
  cards_->SetDecidingStrain(Spade);
  cards_->SetShowAllHands(false);
  cards_->Context() = TPlayContext{};
  cards_->LoadAll();
  cards_->HideHandsClick(false, -1);
  Action("HideHands")->setEnabled(false);
  Action("ShowHands")->setEnabled(true);
  ShowSouthPoints();
  hcpPanel_->show();
  AcceptBid();
}

void TDeskTop::HandActions(bool enable) {
  Action("PriorHand1")->setEnabled(state_.BoardNo > 1);
  Action("RebidHand")->setEnabled(enable);
  Panel("RebidHand2")->setEnabled(enable);
  for (const char* print : {"PrintHandMenu", "PrintPreviewMenu", "SavePdfMenu"}) Action(print)->setEnabled(enable);
  const bool replay = lastAuctionHadContract_;
  Action("ReplayHand")->setEnabled(replay);
  Panel("ButReplayHand")->setEnabled(replay);
  Panel("ReviewHand")->setEnabled(state_.phase == Phase::BoardOver);
}

void TDeskTop::DupBoard() {
  const std::string key = BoardKeyOf(state_.EventType, state_.Session, state_.BoardNo);
  const bool played = state_.BoardNo >= 1 && state_.BoardNo <= 27 &&
                      files_.PlayerValue(key, "nope") != "nope";
  const bool onTable = state_.phase != Phase::NoBoard;
  dup_->Show(onTable ? state_.BoardNo : 0, onTable ? SeatName(state_.Dealer).left(1) : QString(),
             onTable ? state_.Dealer : -1, onTable ? state_.Vul : 0,
             onTable ? Text(qPrintable(QString("vul%1").arg(state_.Vul & 3))) : QString(),
             FromRef(Opt().SkinColors[played && onTable ? 4 : 2]));
  // The system's name is its menu item's caption without the accelerator.
  bidSysLabel_->setText(WithoutAccelerator(Action(QString("BS%1").arg(state_.BidSystem))->text()));
  sessionLab_->setText(QString("%1 - %2").arg(QString::fromStdString(state_.EventType),
                                              QString::fromStdString(state_.Session)));
}

}  // namespace quorval
