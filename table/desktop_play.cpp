// The play of the cards at the table: the computer's turn with its pauses,
// the user's cards by click and keyboard, hint, take back, finish play,
// replay, and the end of the board.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "core/messages.h"
#include "table/desktop.h"
#include "table/table_learner.h"
#include "table/result_saving.h"
#include "table/table_panels.h"
#include "ui/hands_view.h"

namespace quorval {

namespace {

bool IsHuman(const PlayState& st, Seat s) { return st.Hands[s & 3].HumanControlled; }

}  // namespace

void TDeskTop::EOBStartClick() {
  if (game_.phase() != Phase::BiddingOver || game_.FinalContract().PassedOut()) return;
  CloseBidReviewClick();
  panels_->playPanel->show();
  StartPlay();
  PlayTrickToHuman();
}

void TDeskTop::SkipBtnClick() {
  if (game_.phase() != Phase::BiddingOver || game_.FinalContract().PassedOut()) return;
  StartPlay();
  CloseBidReviewClick();
  panels_->playPanel->show();
  TPPClaimClick();
}

// The play of the contract starts (or starts again for a replay) and the
// table lays it out.
void TDeskTop::StartPlay(bool replay) {
  if (!(replay ? game_.Replay() : game_.StartPlay())) return;
  const Contract contract = game_.FinalContract();
  selectedCard_ = 0;
  rankKey_.clear();
  suitKey_.clear();
  panels_->endOfBidding->hide();
  panels_->endofScoring->hide();
  panels_->scorePad->hide();
  panels_->scorePages->hide();
  panels_->cards->ClearTable();
  panels_->cards->ShowWonTricks({});
  panels_->cards->SetDecidingStrain(contract.strain() < Spade ? contract.strain() : Spade);
  panels_->cards->SetShowAllHands(game_.State().ShowAllHands);
  panels_->cards->LoadAll();
  ApplyFaceUp();
  PrintWonTricks();
  Action("ShowHands")->setEnabled(game_.State().FaceUpSeats != kAllFour);
  Action("HideHands")->setEnabled(game_.State().FaceUpSeats == kAllFour);
  panels_->playPad->show();
  panels_->playPad->raise();
  HintButton(false);
  BeforeEachPlay();
}

void TDeskTop::ApplyFaceUp() {
  panels_->cards->SetShowAllHands(game_.State().ShowAllHands);
  for (Seat s = North; s <= West; ++s) {
    panels_->cards->Hand(s).SetSeen(game_.Play().Hands[s].FaceUp);
    panels_->cards->Hand(s).Redisplay(false);
  }
  panels_->cards->RedisplayAll();
}

void TDeskTop::PlayTrickToHuman() {
  if (game_.phase() != Phase::Playing) return;
  const PlayState& play = game_.Play();
  const int limit = game_.FinishMode() ? 13 : play.TrickNo;
  while (play.TrickNo <= limit && game_.ComputerToPlay()) {
    if (learner_->ComputerClaims()) return;
    const double started = TableClockSeconds();
    const CardCode card = GetLisk2000Card();
    WaitSeconds(PauseSeconds(play, game_.FinishMode()), started);
    MakePlay(card);
    if (game_.phase() != Phase::Playing) return;   // stopped by a logic error
  }
  if (play.Over() && game_.FinishMode()) {
    EndOfHand();
    return;
  }
  BeforeEachPlay();
}

CardCode TDeskTop::GettheBestCard() {
  const bool lock = !game_.FinishMode();
  if (lock) {
    menuBar()->setEnabled(false);
    panels_->table->setEnabled(false);
  }
  computerThinking_ = true;
  ++busy_;   // a language chosen meanwhile waits for the card
  // The engine thinks on a thread of its own so the window keeps painting.
  const CardCode card = game_.ComputerCard(computerTurn_);
  computerThinking_ = false;
  if (lock) {
    menuBar()->setEnabled(true);
    panels_->table->setEnabled(true);
  }
  selectedCard_ = card;
  EndBusy();
  return card;
}

CardCode TDeskTop::GetLisk2000Card() {
  // The opening lead drawn from the library is there at once; the engine
  // (and the honest computer, which leads its own card) takes its time.
  if (!game_.LibraryLeadNext()) return GettheBestCard();
  selectedCard_ = game_.ComputerCard(computerTurn_);
  return selectedCard_;
}

void TDeskTop::LogicError() {
  ShowMessage("Logic Error!" + std::to_string(game_.Play().CardsPlayed) + " Hand Number " +
              std::to_string(game_.State().BoardNo));
  game_.Stop();
  QCoreApplication::exit(3);
}

void TDeskTop::MakePlay(CardCode card) {
  const PlayState& play = game_.Play();
  const Seat seat = play.ToPlay;
  const bool finishing = game_.FinishMode();
  if (!finishing) {
    CloseBidReviewClick();
    if (play.TrickPos == 1) CleanTable();
  }
  if (!game_.PushCard(card)) {
    LogicError();
    return;
  }
  if (!finishing) {
    panels_->playPad->show();
    panels_->cards->Hand(seat).PlayCard(card);
    HintButton(false);
  }
  if (play.TrickPos == 1) PrintWonTricks();
  learner_->HideClaimLine();
  rankKey_.clear();
  suitKey_.clear();
  if (play.CardsPlayed == 1) {
    // The dummy goes down with the opening lead.
    Action("ReplayHand")->setEnabled(true);
    if (!finishing) ApplyFaceUp();
  }
  BeforeEachPlay();
}

void TDeskTop::SelectACard(CardCode card) {
  selectedCard_ = card;
  MakePlay(card);
  // ReadyforHuman: a trick on the table waits to be cleared.
  if (game_.TrickOnTable()) BeforeEachPlay();
  else PlayTrickToHuman();
}

void TDeskTop::BeforeEachPlay() {
  if (game_.phase() != Phase::Playing) return;
  const PlayState& play = game_.Play();
  const bool human = game_.UserToPlay();
  TPlayContext& context = panels_->cards->Context();
  context.blocked = !human || computerThinking_ || (game_.TrickOnTable() && play.Over());
  context.toPlay = play.ToPlay;
  context.suitLed = play.TrickPos == 1 ? -1 : play.SuitLed;
  context.winningSuit = play.CardsPlayed == 0 ? -1 : SuitOf(play.WinCard);
  for (Seat s = North; s <= West; ++s) panels_->cards->Hand(s).EnableForPlay(false);
  if (human) panels_->cards->Hand(play.ToPlay).EnableForPlay(true);
  Panel("TPPBackup")->setEnabled(play.CardsPlayed > 0);
  Panel("ButClearTable")->setEnabled(game_.TrickOnTable());
  // The card Enter plays, except in the last trick where there is no choice.
  if (human && play.TrickNo < 12) {
    selectedCard_ = DefaultCard(play);
    panels_->cards->SetCurrentCard(selectedCard_);
  }
  ShowTurn();
}

bool TDeskTop::UserPlays(CardCode card) {
  const bool ok = !computerThinking_ && !game_.FinishMode() && game_.UserToPlay() && game_.IsLegal(card);
  if (!ok) {
    SayRefusedCard(card);
    return false;
  }
  SelectACard(card);
  return true;
}

void TDeskTop::PrintWonTricks() {
  const PlayState& play = game_.Play();
  const int declarerSide = play.DeclarerTricks;
  const int other = play.TrickNo - play.DeclarerTricks;
  const bool nsDeclare = SideOf(play.Declarer) == 1;
  panels_->nsTricks->setText(QString::number(nsDeclare ? declarerSide : other));
  panels_->ewTricks->setText(QString::number(nsDeclare ? other : declarerSide));
  ShowTricksWon();
}

void TDeskTop::ShowTricksWon() {
  std::vector<Seat> winners;
  for (int t = 0; t < game_.Play().TrickNo; ++t) winners.push_back(TrickWinner(game_.Play(), t));
  panels_->cards->ShowWonTricks(winners);
}

void TDeskTop::CleanTable() {
  panels_->cards->ClearTable();
  game_.ClearTrick();
  ShowTricksWon();
}

void TDeskTop::ClearPlay() {
  if (!game_.TrickOnTable() || game_.phase() != Phase::Playing) return;
  CleanTable();
  if (game_.Play().TrickNo == 13) {
    EndOfHand();
    return;
  }
  PlayTrickToHuman();
}

void TDeskTop::HintButton(bool showPlayHint) {
  auto* hint = Panel("ButHint");
  auto* playHint = Panel("ButPlayHint");
  hint->setVisible(!showPlayHint);
  hint->setEnabled(game_.Play().CardsPlayed < 52);
  playHint->setVisible(showPlayHint);
}

void TDeskTop::ButHintClick() {
  if (game_.phase() != Phase::Playing || game_.Play().Over() || game_.TrickOnTable()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const CardCode card = GetLisk2000Card();
  QApplication::restoreOverrideCursor();
  panels_->cards->SetCurrentCard(card);
  const Seat seat = game_.Play().ToPlay;
  THands& hand = game_.HandsOnTable()[seat];
  if (hand.FaceUp || game_.State().ShowAllHands) {
    for (auto& suit : hand.Suits) suit.HighlightMask = 0;
    hand.Suits[SuitOf(card)].HighlightMask = card & ~3;
    panels_->cards->Hand(seat).Redisplay(true);
  }
  HintButton(true);
}

void TDeskTop::ButPlayHintClick() {
  if (game_.phase() == Phase::Playing && IsHuman(game_.Play(), game_.Play().ToPlay) && game_.IsLegal(selectedCard_)) {
    HintButton(false);
    SelectACard(selectedCard_);
    return;
  }
  PlaySound(Sound::Warning);
  selectedCard_ = DefaultCard(game_.Play());
  panels_->cards->SetCurrentCard(selectedCard_);
  HintButton(false);
}

void TDeskTop::TPPBackupClick() {
  if (game_.phase() != Phase::Playing || game_.Play().CardsPlayed == 0) {
    PlaySound(Sound::Information);
    return;
  }
  if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
    TakeBackToMyLastCardClick();
    return;
  }
  TakeBackOne();
  AfterTakeBack();
}

void TDeskTop::TakeBackOne() {
  HintButton(false);
  // Back to the start of the trick the removed card belonged to (or of the
  // trick before when it was a lead), then the remaining cards of that trick
  // are played again so the table shows them.
  const TakeBackSteps steps = game_.RewindForTakeBack();
  panels_->cards->ClearTable();
  panels_->cards->LoadAll();
  ApplyFaceUp();
  for (const CardCode card : steps.again) MakePlay(card);
  PrintWonTricks();
  selectedCard_ = steps.removed;
}

void TDeskTop::AfterTakeBack() {
  // The card taken back is the one Enter (or Continue) plays again.
  const CardCode removed = selectedCard_;
  panels_->cards->SetCurrentCard(removed);
  setFocus();
  BeforeEachPlay();
  selectedCard_ = removed;
  panels_->cards->SetCurrentCard(removed);
}

void TDeskTop::TPPClaimClick() {
  if (game_.phase() != Phase::Playing) return;
  HintButton(false);
  CleanTable();
  game_.BeginFinishPlay();
  panels_->endOfBidding->hide();
  panels_->endofScoring->hide();
  PlayTrickToHuman();
}

void TDeskTop::EOSReplayClick() {
  if (!game_.LastAuctionHadContract() || game_.FinalContract().PassedOut()) return;
  if (game_.phase() != Phase::Playing && game_.phase() != Phase::BoardOver) return;
  panels_->endofScoring->hide();
  panels_->scorePad->hide();
  panels_->scorePages->hide();
  panels_->hcpPanel->hide();
  StartPlay(true);
  PlayTrickToHuman();
}

void TDeskTop::ShowHandsClick() {
  game_.ShowAllFourHands();
  panels_->cards->ShowHandsClick();
  Action("ShowHands")->setEnabled(false);
  Action("HideHands")->setEnabled(true);
}

void TDeskTop::HideHandsClick() {
  game_.HideHands();
  const bool playing = game_.phase() == Phase::Playing;
  const PlayState& play = game_.Play();
  panels_->cards->HideHandsClick(playing && play.CardsPlayed > 0, playing ? play.Dummy : -1);
  Action("HideHands")->setEnabled(false);
  Action("ShowHands")->setEnabled(true);
}

void TDeskTop::PlayKeyDown(int key, const QString& text) {
  if (computerThinking_) return;
  const PlayState& play = game_.Play();
  const Seat seat = play.ToPlay;
  auto badKey = [this] {
    rankKey_.clear();
    suitKey_.clear();
    PlaySound(Sound::Information);
  };
  switch (key) {
    case Qt::Key_Backspace:
      if (Panel("TPPBackup")->isEnabled()) TPPBackupClick();
      else badKey();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (game_.TrickOnTable()) {
        ClearPlay();
      } else if (IsHuman(play, seat) && game_.IsLegal(selectedCard_)) {
        SelectACard(selectedCard_);
      } else if (!play.Over()) {
        // After a take back a computer seat may be to play: Enter lets it
        // play the selected card again.
        if (ComputerWaits()) {
          ContinueClick();
        } else {
          PlaySound(Sound::Warning);
          selectedCard_ = DefaultCard(play);
          panels_->cards->SetCurrentCard(selectedCard_);
        }
      }
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (!IsHuman(play, seat) || play.Over()) return;
      panels_->cards->SetCurrentCard(selectedCard_);
      THandView& hand = panels_->cards->Hand(seat);
      if (key == Qt::Key_Left) hand.SelectPrevious();
      else if (key == Qt::Key_Right) hand.SelectNext();
      else if (key == Qt::Key_Up) hand.SelectPreviousSuit();
      else hand.SelectNextSuit();
      selectedCard_ = panels_->cards->CurrentCard();
      return;
    }
    default:
      break;
  }
  const QChar ch = text.isEmpty() ? QChar() : text.at(0).toUpper();
  if (key == Qt::Key_Alt || ch == 'I') return;
  const char c = ch.toLatin1();
  // The suit letters of the interface language (Danish K R H S), with the
  // English ones where they do not name another suit.
  std::string letters;
  const char* const names[4] = {"SC0", "SC1", "SC2", "SC3"};
  for (int s = 0; s < 4; ++s) {
    const QString letter = Word(names[s]);
    letters += letter.isEmpty() ? "CDHS"[s] : letter.at(0).toUpper().toLatin1();
  }
  const int suit = SuitOfKey(letters, c);
  if (!rankKey_.empty() && suit >= 0) {
    suitKey_ = std::string(1, "CDHS"[suit]);
  } else if (c == '0' && rankKey_ == "1") {
    rankKey_ = "T";
    return;
  } else if (c == '1') {
    rankKey_ = "1";
    return;
  } else if (c && std::string("23456789AJKQT").find(c) != std::string::npos) {
    rankKey_ = std::string(1, c);
    return;
  } else {
    rankKey_.clear();
    suitKey_.clear();
    return;
  }
  const std::string rank = rankKey_ == "1" ? "T" : rankKey_;
  const CardCode card = ParseCard(rank + suitKey_);
  if (card >= 4 && IsHuman(play, seat) && game_.IsLegal(card)) {
    rankKey_.clear();
    suitKey_.clear();
    SelectACard(card);
  } else {
    badKey();
  }
}

void TDeskTop::EndOfHand() {
  const bool finished = game_.FinishMode();
  // The result is made and filed here, once (a claim has made it already);
  // the panels below only show it. A try from the review ends on its own.
  if (game_.phase() != Phase::BoardOver) game_.EndBoard();
  if (game_.TryingAgain()) return learner_->EndOfTry();
  panels_->playPad->hide();
  panels_->endOfBidding->hide();
  if (!finished) panels_->cards->ClearTable();
  panels_->cards->Context() = TPlayContext{};
  panels_->cards->SetShowAllHands(true);
  panels_->cards->LoadAll();
  panels_->cards->RedisplayAll();
  ShowTricksWon();
  SetUpResultGrids();
  HandActions(true);
  Action("ShowHands")->setEnabled(false);
  Action("HideHands")->setEnabled(false);
  ShowTheScore();
  ShowTurn();
  Panel("EOSNewHand")->setFocus();
  if (game_.ResultFiled() && !game_.ResultWritten()) saving_->OfferUnsavedResults(false);
}

}  // namespace quorval
