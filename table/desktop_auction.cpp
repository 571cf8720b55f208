// The auction at the table: the computer seats' calls from the library, the
// user's calls from the bidding box and the keyboard, hint, make bid, take
// back, the bidding review and the end of the auction.
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QStringList>

#include "core/messages.h"
#include "table/bidding_box.h"
#include "table/desktop.h"
#include "ui/bridge_grid.h"
#include "ui/hands_view.h"
#include "ui/symbol_text.h"

namespace quorval {
// Pass, Dbl and ReDbl in the interface language (the captions of the hidden
// labels).
QString TDeskTop::ReviewCallText(CallCode c) const {
  QString text;
  if (IsBid(c)) text = QString::fromStdString(CallDisplayText(c));
  else if (c == Redouble) text = Text("LabelRedbl");
  else if (c == Double) text = Text("LabelDbl");
  else if (c == Pass) text = Text("LabelPass");
  else if (c == NoCall) text = QString(3, QChar(0x2014)) + " ";
  else text = "????";
  return text.left(6);
}

void TDeskTop::ResetBids() {
  ClearReviewGrid();
  InitEachBid();
}

void TDeskTop::InitEachBid() { ReadyPad(); }

void TDeskTop::ReadyPad() {
  const Auction& auction = game_.Auction().auction;
  const Seat toAct = auction.SeatToAct();
  bidBox_->SetMakeBidEnabled(toAct == South);
  bidBox_->PrepareFromAuction(auction, SeatName(toAct));
  for (Seat s = North; s <= West; ++s) {
    QLabel* heading = seatHeadings_[ReviewColumn(s)];
    heading->setText(SeatName(s));
    heading->setStyleSheet(s == toAct && !auction.Over() ? "background: yellow; color: black;"
                                                                  : "color: black;");
  }
  pendingEntry_.clear();
  typedStrain_ = typedLevel_ = 0;
  HideHintMeanings();
  bidBox_->update();
}

void TDeskTop::ClearReviewGrid() {
  bidReview_->ClearCells();
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) bidReview_->SetCell(c, r, " ");
  bidReview_->SetRowCount(3);
}

void TDeskTop::AddBid(CallCode c, int index) {
  const auto [row, column] = ReviewCell(game_.State().Dealer, index);
  if (row + 1 > bidReview_->RowCount()) bidReview_->SetRowCount(row + 1);
  if (column == 0) {
    for (int col = 0; col < 4; ++col) bidReview_->SetCell(col, row, " ");
  } else if (index == 0) {
    for (int col = 0; col < column; ++col) bidReview_->SetCell(col, 0, QString(" ") + QString(2, QChar(0x2014)));
  }
  bidReview_->SetCell(column, row, ReviewCallText(c));
  bidReview_->SetRowCount(row + 1);
  bidReview_->verticalScrollBar()->setValue(bidReview_->verticalScrollBar()->maximum());
  bidReview_->viewport()->update();
}

void TDeskTop::MakeBid(CallCode c) {
  const int index = game_.Auction().CallCount();
  if (game_.PushCall(c)) ShowCall(c, index);
}

void TDeskTop::ShowCall(CallCode c, int index) {
  AddBid(c, index);
  InitEachBid();
  Action("RebidHand")->setEnabled(true);
  Panel("RebidHand2")->setEnabled(true);
}

void TDeskTop::BidToHuman() {
  while (game_.ComputerToCall()) {
    const double started = Now();
    const CallCode c = game_.LibraryCall();
    WaitSeconds(game_.State().BidPause, started);
    const int before = game_.Auction().CallCount();
    MakeBid(c);
    if (game_.Auction().CallCount() == before) MakeBid(Pass);  // never stall on a faulty line
    if (game_.Auction().CallCount() == before) break;
  }
}

void TDeskTop::AcceptBid() {
  BidToHuman();
  if (game_.Auction().auction.Over()) AfterBidding();
}

void TDeskTop::BadKey() {
  pendingEntry_.clear();
  typedStrain_ = typedLevel_ = 0;
  PlaySound(Sound::Asterisk);
}

void TDeskTop::ProcessHumanBid() {
  const CallCode c = EntryToCall(pendingEntry_, game_.Auction().auction.DoubledCount);
  const int index = game_.Auction().CallCount();
  if (game_.UserCall(c)) {
    ShowCall(c, index);
    AcceptBid();
    bidBox_->ResetColours();
  } else {
    BadKey();
  }
  pendingEntry_.clear();
  typedStrain_ = typedLevel_ = 0;
}

void TDeskTop::BidButClick(const QString& code) {
  if (game_.phase() != Phase::Bidding) return;
  pendingEntry_ = code.left(2).toStdString();
  if (pendingEntry_ == "Hi") ButHelpBidClick();
  else if (pendingEntry_ == "Ta") ButTakeBackBidClick();
  else if (pendingEntry_ == "Ma") ButMakeBidClick();
  else if (!pendingEntry_.empty()) ProcessHumanBid();
  pendingEntry_.clear();
}

void TDeskTop::BidKeyDown(int key, const QString& text) {
  if (pendingEntry_.size() >= 2) pendingEntry_.clear();
  if (key == Qt::Key_Backspace) {
    ButTakeBackBidClick();
    return;
  }
  if (key >= Qt::Key_1 && key <= Qt::Key_7) {
    typedLevel_ = static_cast<char>('0' + (key - Qt::Key_0));
    return;
  }
  if (key == Qt::Key_X) {
    pendingEntry_ = "X";
  } else {
    char ch = 0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) ch = static_cast<char>('A' + (key - Qt::Key_A));
    else if (!text.isEmpty()) ch = text.at(0).toUpper().toLatin1();
    const int pos = ch ? BidKeyPosition(language_, ch, typedLevel_ != 0) : -1;
    if (pos >= 0 && pos <= 4) {
      typedStrain_ = "CDHSN"[pos];
    } else if (pos == 5) {
      typedStrain_ = 'P';
      typedLevel_ = 'a';
    } else if (pos == 6) {
      ButMakeBidClick();
      return;
    } else if (pos == 7) {
      ButHelpBidClick();
      return;
    } else if (pos == 8) {
      ButTakeBackBidClick();
      return;
    } else {
      BadKey();
      return;
    }
    pendingEntry_ = std::string(1, typedStrain_);
    if (typedLevel_) pendingEntry_ += typedLevel_;
  }
  if (pendingEntry_.size() == 2 || pendingEntry_ == "X") ProcessHumanBid();
}

void TDeskTop::ButHelpBidClick() {
  if (game_.phase() != Phase::Bidding || game_.Auction().auction.Over()) return;
  QStringList codes;
  for (const CallCode c : game_.HintCalls()) codes << QString::number(c);
  bidBox_->MarkAlternatives(codes);
  bidBox_->HighlightCall(game_.LibraryCall());
  ShowHintMeanings();
}

void TDeskTop::ButMakeBidClick() {
  if (!game_.UserToCall()) return;
  const CallCode c = game_.LibraryCall();
  bidBox_->HighlightCall(c);
  pendingEntry_ = CallToEntry(c);
  ProcessHumanBid();
}

void TDeskTop::ButTakeBackBidClick() {
  // Back to before South's last call, so that South calls again.
  if (!game_.TakeBackCalls()) {
    BadKey();
    return;
  }
  playPad_->hide();
  endOfBidding_->hide();
  endofScoring_->hide();
  playPanel_->hide();
  scorePad_->hide();
  scorePages_->hide();
  ResetBids();
  AddAllBids();
  reviewPanel_->show();
  reviewPanel_->raise();
  bidBox_->show();
  bidBox_->raise();
  ReadyPad();
}

void TDeskTop::DrawContract() {
  const QString text = ContractCaption();
  // Drawn in the screen's own pixels, so that it stays sharp on a
  // high-density screen.
  const qreal ratio = devicePixelRatioF();
  QPixmap picture(contractImg_->size() * ratio);
  picture.setDevicePixelRatio(ratio);
  // The picture lies on the play panel and takes its ground (skin colour 6),
  // so no block of the window's colour shows around the text.
  picture.fill(playPanel_->palette().color(QPalette::Window));
  QPainter p(&picture);
  QFont f = font();
  f.setPointSize(screen() && screen()->logicalDotsPerInch() > 100 ? 9 : 10);
  f.setBold(true);
  p.setFont(f);
  DrawSymbolText(p, 1, 0, 0, text);
  p.end();
  contractImg_->setPixmap(picture);
  contractImg_->setProperty("contractText", text);
  contractImg_->show();
}

void TDeskTop::AfterBidding() {
  bidBox_->hide();
  HideHintMeanings();
  for (QLabel* heading : seatHeadings_) heading->setStyleSheet("color: black;");
  DrawContract();
  HintButton(false);
  Action("ReviewBidding")->setEnabled(true);
  playPad_->hide();
  endofScoring_->hide();
  game_.EndAuction();
  const Contract contract = game_.FinalContract();
  Panel("SkipBtn")->setEnabled(!contract.PassedOut() && (contract.declarer == East || contract.declarer == West));
  endOfBidding_->show();
  endOfBidding_->raise();
  // The contract stays in view while the user decides to play or skip; no
  // trick has been played yet, whatever the last board's counts were.
  nsTricks_->setText("0");
  ewTricks_->setText("0");
  playPanel_->show();
  if (contract.PassedOut()) {
    Panel("EOBStart")->setEnabled(false);
    reviewPanel_->hide();
    EndOfHand();
  } else {
    Panel("EOBStart")->setEnabled(true);
    Panel("EOBStart")->setFocus();
  }
}

void TDeskTop::ReviewBiddingClick() {
  cards_->TableCardsBehind(true);
  reviewPanel_->show();
  reviewPanel_->raise();
  closeReview_->show();
  Action("ReviewBidding")->setEnabled(true);
}

void TDeskTop::CloseBidReviewClick() {
  cards_->TableCardsBehind(false);
  reviewPanel_->hide();
  closeReview_->hide();
}

void TDeskTop::AddAllBids() {
  const std::vector<std::string> calls = game_.Auction().Calls;
  ClearReviewGrid();
  for (size_t i = 0; i < calls.size(); ++i) AddBid(ParseCall(calls[i]), static_cast<int>(i));
}

}  // namespace quorval
