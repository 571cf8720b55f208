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
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/refused_call_note.h"
#include "table/table_panels.h"
#include "ui/bridge_grid.h"
#include "ui/hands_view.h"
#include "ui/meaning_tip.h"
#include "ui/symbol_text.h"

namespace quorval {

// The review grid emptied and the box ready for the dealer's call (the game
// has reset the auction).
void TDeskTop::ResetBids() {
  panels_->ClearReviewGrid();
  ReadyPad();
}

void TDeskTop::ReadyPad() {
  const Auction& auction = game_.Auction().auction;
  const Seat toAct = auction.SeatToAct();
  TBidBoxEuro* box = panels_->bidBox;
  box->SetMakeBidEnabled(toAct == South);
  box->PrepareFromAuction(auction, SeatName(toAct));
  for (Seat s = North; s <= West; ++s) {
    QLabel* heading = panels_->seatHeadings[ReviewColumn(s)];
    heading->setText(SeatName(s));
    heading->setStyleSheet(s == toAct && !auction.Over() ? "background: yellow; color: black;"
                                                                  : "color: black;");
  }
  pendingEntry_.clear();
  typedStrain_ = typedLevel_ = 0;
  tips_->HideHintMeanings();
  refusedNote_->hide();
  box->update();
}

// Records a call (the user's only where a stored auction goes on) and
// shows it in the review; the next seat's box follows.
bool TDeskTop::MakeBid(CallCode c, bool user) {
  const int index = game_.Auction().CallCount();
  if (!(user ? game_.UserCall(c) : game_.PushCall(c))) return false;
  panels_->AddBid(game_.State().Dealer, index, ReviewCallText(c));
  ReadyPad();
  Action("RebidHand")->setEnabled(true);
  Panel("RebidHand2")->setEnabled(true);
  return true;
}

void TDeskTop::BidToHuman() {
  while (game_.ComputerToCall()) {
    const double started = TableClockSeconds();
    const CallCode c = game_.NextCall();
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
  panels_->bidBox->ShowTypedLevel(0);
  PlaySound(Sound::Asterisk);
}

void TDeskTop::ProcessHumanBid() {
  const CallCode c = EntryToCall(pendingEntry_, game_.Auction().auction.DoubledCount);
  if (MakeBid(c, true)) {
    AcceptBid();
    panels_->bidBox->ResetColours();
  } else {
    NoteRefusedCall(c);
    BadKey();
  }
  pendingEntry_.clear();
  typedStrain_ = typedLevel_ = 0;
}

void TDeskTop::NoteRefusedCall(CallCode c) {
  // Only a call bridge allows at South's turn is refused for the library's
  // sake; the sound alone tells of the rest.
  if (c == NoCall || !game_.UserToCall() || !game_.Auction().auction.IsLegal(c)) return;
  // The suit as its symbol: the line is plain text, not the auction's marks.
  const QString call = IsBid(c) ? QString::number(LevelOf(c)) + StrainGlyph(QChar(StrainLetter(StrainOf(c))), language_)
                                : ReviewCallText(c);
  refusedNote_->ShowNote(panels_->bidBox->RefusedCallText(call), panels_->handPanels[South]->geometry().left(),
                         *panels_->bidBox, panels_->hintMeanings);
}

bool TDeskTop::MakeListedCall(CallCode c) {
  const Auction& auction = game_.Auction().auction;
  if (!game_.UserToCall() || !auction.IsLegal(c)) {
    const std::string after = auction.calls.empty() ? "as the first call" : "after " + CallToken(auction.calls.back());
    ShowMessage("Board " + game_.Board().Key + ": South's call " + CallToken(c) + " is not allowed " + after);
    return false;
  }
  pendingEntry_ = CallToEntry(c);
  ProcessHumanBid();
  return true;
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
    panels_->bidBox->ShowTypedLevel(key - Qt::Key_0);
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
  panels_->bidBox->MarkAlternatives(codes);
  panels_->bidBox->HighlightCall(game_.NextCall());
  tips_->ShowHintMeanings();
}

void TDeskTop::ButMakeBidClick() {
  if (!game_.UserToCall()) return;
  const CallCode c = game_.NextCall();
  panels_->bidBox->HighlightCall(c);
  pendingEntry_ = CallToEntry(c);
  ProcessHumanBid();
}

void TDeskTop::ButTakeBackBidClick() {
  // Back to before South's last call, so that South calls again.
  if (!game_.TakeBackCalls()) {
    BadKey();
    return;
  }
  TablePanels& p = *panels_;
  for (QWidget* w : std::initializer_list<QWidget*>{p.playPad, p.endOfBidding, p.endofScoring, p.playPanel,
                                                     p.scorePad, p.scorePages})
    w->hide();
  AddAllBids();
  p.reviewPanel->show();
  p.reviewPanel->raise();
  p.bidBox->show();
  p.bidBox->raise();
  ReadyPad();
}

void TDeskTop::AfterBidding() {
  TablePanels& p = *panels_;
  p.bidBox->hide();
  tips_->HideHintMeanings();
  for (QLabel* heading : p.seatHeadings) heading->setStyleSheet("color: black;");
  DrawContract();
  HintButton(false);
  Action("ReviewBidding")->setEnabled(true);
  p.playPad->hide();
  p.endofScoring->hide();
  game_.EndAuction();
  const Contract contract = game_.FinalContract();
  Panel("SkipBtn")->setEnabled(!contract.PassedOut() && (contract.declarer == East || contract.declarer == West));
  p.endOfBidding->show();
  p.endOfBidding->raise();
  // The contract stays in view while the user decides to play or skip; no
  // trick has been played yet, whatever the last board's counts were.
  p.nsTricks->setText("0");
  p.ewTricks->setText("0");
  p.playPanel->show();
  if (contract.PassedOut()) {
    Panel("EOBStart")->setEnabled(false);
    p.reviewPanel->hide();
    EndOfHand();
  } else {
    Panel("EOBStart")->setEnabled(true);
    Panel("EOBStart")->setFocus();
  }
}

void TDeskTop::ReviewBiddingClick() {
  panels_->cards->TableCardsBehind(true);
  panels_->reviewPanel->show();
  panels_->reviewPanel->raise();
  panels_->closeReview->show();
  Action("ReviewBidding")->setEnabled(true);
}

void TDeskTop::CloseBidReviewClick() {
  panels_->cards->TableCardsBehind(false);
  panels_->reviewPanel->hide();
  panels_->closeReview->hide();
}

void TDeskTop::AddAllBids() {
  const std::vector<std::string> calls = game_.Auction().Calls;
  panels_->ClearReviewGrid();
  for (size_t i = 0; i < calls.size(); ++i)
    panels_->AddBid(game_.State().Dealer, static_cast<int>(i), ReviewCallText(ParseCall(calls[i])));
}

}  // namespace quorval
