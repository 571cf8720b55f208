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
#include "ui/hands_view.h"

namespace quorval {

namespace {

bool IsHuman(const PlayState& st, Seat s) { return st.Hands[s & 3].HumanControlled; }

}  // namespace

void TDeskTop::EOBStartClick() {
  if (game_.phase() != Phase::BiddingOver || game_.FinalContract().PassedOut()) return;
  CloseBidReviewClick();
  playPanel_->show();
  StartPlay();
  PlayTrickToHuman();
}

void TDeskTop::SkipBtnClick() {
  if (game_.phase() != Phase::BiddingOver || game_.FinalContract().PassedOut()) return;
  StartPlay();
  CloseBidReviewClick();
  playPanel_->show();
  TPPClaimClick();
}

void TDeskTop::StartPlay() {
  if (game_.StartPlay()) ShowPlayStart();
}

void TDeskTop::ShowPlayStart() {
  const Contract contract = game_.FinalContract();
  selectedCard_ = 0;
  rankKey_.clear();
  suitKey_.clear();
  endOfBidding_->hide();
  endofScoring_->hide();
  scorePad_->hide();
  scorePages_->hide();
  cards_->ClearTable();
  cards_->ShowWonTricks({});
  cards_->SetDecidingStrain(contract.strain() < Spade ? contract.strain() : Spade);
  cards_->SetShowAllHands(game_.State().ShowAllHands);
  cards_->LoadAll();
  ApplyFaceUp();
  PrintWonTricks();
  Action("ShowHands")->setEnabled(game_.State().FaceUpSeats != kAllFour);
  Action("HideHands")->setEnabled(game_.State().FaceUpSeats == kAllFour);
  playPad_->show();
  playPad_->raise();
  HintButton(false);
  BeforeEachPlay();
}

void TDeskTop::ApplyFaceUp() {
  cards_->SetShowAllHands(game_.State().ShowAllHands);
  for (Seat s = North; s <= West; ++s) {
    cards_->Hand(s).SetSeen(game_.Play().Hands[s].FaceUp);
    cards_->Hand(s).Redisplay(false);
  }
  cards_->RedisplayAll();
}

void TDeskTop::PlayTrickToHuman() {
  if (game_.phase() != Phase::Playing) return;
  const PlayState& play = game_.Play();
  const int limit = game_.FinishMode() ? 13 : play.TrickNo;
  while (play.TrickNo <= limit && game_.ComputerToPlay()) {
    const double started = Now();
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
    table_->setEnabled(false);
  }
  computerThinking_ = true;
  BeginBusy();   // a language chosen meanwhile waits for the card
  // The engine thinks on a thread of its own so the window keeps painting.
  const CardCode card = game_.ComputerCard(computerTurn_);
  computerThinking_ = false;
  if (lock) {
    menuBar()->setEnabled(true);
    table_->setEnabled(true);
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
    playPad_->show();
    cards_->Hand(seat).PlayCard(card);
    HintButton(false);
  }
  if (play.TrickPos == 1) PrintWonTricks();
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
  ReadyforHuman();
}

void TDeskTop::ReadyforHuman() {
  if (game_.TrickOnTable()) BeforeEachPlay();
  else PlayTrickToHuman();
}

void TDeskTop::BeforeEachPlay() {
  if (game_.phase() != Phase::Playing) return;
  const PlayState& play = game_.Play();
  const bool human = game_.UserToPlay();
  TPlayContext& context = cards_->Context();
  context.blocked = !human || computerThinking_ || (game_.TrickOnTable() && play.Over());
  context.toPlay = play.ToPlay;
  context.suitLed = play.TrickPos == 1 ? -1 : play.SuitLed;
  context.winningSuit = play.CardsPlayed == 0 ? -1 : SuitOf(play.WinCard);
  for (Seat s = North; s <= West; ++s) cards_->Hand(s).EnableForPlay(false);
  if (human) cards_->Hand(play.ToPlay).EnableForPlay(true);
  Panel("TPPBackup")->setEnabled(play.CardsPlayed > 0);
  Panel("ButClearTable")->setEnabled(game_.TrickOnTable());
  // The card Enter plays, except in the last trick where there is no choice.
  if (human && play.TrickNo < 12) {
    selectedCard_ = DefaultCard(play);
    cards_->SetCurrentCard(selectedCard_);
  }
}

bool TDeskTop::UserPlays(CardCode card) {
  const bool ok = !computerThinking_ && !game_.FinishMode() && game_.UserToPlay() && game_.IsLegal(card);
  if (!ok) {
    PlaySound(Sound::Warning);
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
  nsTricks_->setText(QString::number(nsDeclare ? declarerSide : other));
  ewTricks_->setText(QString::number(nsDeclare ? other : declarerSide));
  ShowTricksWon();
}

void TDeskTop::ShowTricksWon() {
  std::vector<Seat> winners;
  for (int t = 0; t < game_.Play().TrickNo; ++t) winners.push_back(TrickWinner(game_.Play(), t));
  cards_->ShowWonTricks(winners);
}

void TDeskTop::CleanTable() {
  cards_->ClearTable();
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
  cards_->SetCurrentCard(card);
  const Seat seat = game_.Play().ToPlay;
  THands& hand = game_.HandsOnTable()[seat];
  if (hand.FaceUp || game_.State().ShowAllHands) {
    for (auto& suit : hand.Suits) suit.HighlightMask = 0;
    hand.Suits[SuitOf(card)].HighlightMask = card & ~3;
    cards_->Hand(seat).Redisplay(true);
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
  cards_->SetCurrentCard(selectedCard_);
  HintButton(false);
}

void TDeskTop::TPPBackupClick() {
  if (game_.phase() != Phase::Playing || game_.Play().CardsPlayed == 0) {
    PlaySound(Sound::Information);
    return;
  }
  HintButton(false);
  // Back to the start of the trick the removed card belonged to (or of the
  // trick before when it was a lead), then the remaining cards of that trick
  // are played again so the table shows them.
  const TakeBackSteps steps = game_.RewindForTakeBack();
  cards_->ClearTable();
  cards_->LoadAll();
  ApplyFaceUp();
  for (const CardCode card : steps.again) MakePlay(card);
  PrintWonTricks();
  selectedCard_ = steps.removed;
  cards_->SetCurrentCard(selectedCard_);
  setFocus();
  BeforeEachPlay();
  selectedCard_ = steps.removed;
  cards_->SetCurrentCard(selectedCard_);
}

void TDeskTop::TPPClaimClick() {
  if (game_.phase() != Phase::Playing) return;
  HintButton(false);
  CleanTable();
  game_.BeginFinishPlay();
  endOfBidding_->hide();
  endofScoring_->hide();
  PlayTrickToHuman();
}

void TDeskTop::EOSReplayClick() {
  if (!game_.LastAuctionHadContract() || game_.FinalContract().PassedOut()) return;
  if (game_.phase() != Phase::Playing && game_.phase() != Phase::BoardOver) return;
  endofScoring_->hide();
  scorePad_->hide();
  scorePages_->hide();
  hcpPanel_->hide();
  if (!game_.Replay()) return;
  ShowPlayStart();
  PlayTrickToHuman();
}

void TDeskTop::ShowHandsClick() {
  game_.ShowAllFourHands();
  cards_->ShowHandsClick();
  Action("ShowHands")->setEnabled(false);
  Action("HideHands")->setEnabled(true);
}

void TDeskTop::HideHandsClick() {
  game_.HideHands();
  const bool playing = game_.phase() == Phase::Playing;
  const PlayState& play = game_.Play();
  cards_->HideHandsClick(playing && play.CardsPlayed > 0, playing ? play.Dummy : -1);
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
        // After a take back a computer seat may be to play: Enter plays the
        // selected card for it again.
        if (!IsHuman(play, seat) && game_.IsLegal(selectedCard_)) {
          SelectACard(selectedCard_);
        } else {
          PlaySound(Sound::Warning);
          selectedCard_ = DefaultCard(play);
          cards_->SetCurrentCard(selectedCard_);
        }
      }
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (!IsHuman(play, seat) || play.Over()) return;
      cards_->SetCurrentCard(selectedCard_);
      THandView& hand = cards_->Hand(seat);
      if (key == Qt::Key_Left) hand.SelectPrevious();
      else if (key == Qt::Key_Right) hand.SelectNext();
      else if (key == Qt::Key_Up) hand.SelectPreviousSuit();
      else hand.SelectNextSuit();
      selectedCard_ = cards_->CurrentCard();
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
    const QString letter = Text(names[s]);
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
    selectedCard_ = card;
    MakePlay(card);
    ReadyforHuman();
  } else {
    badKey();
  }
}

void TDeskTop::EndOfHand() {
  const bool finished = game_.FinishMode();
  // The result is made and filed here, once; the panels below only show it.
  game_.EndBoard();
  playPad_->hide();
  endOfBidding_->hide();
  if (!finished) cards_->ClearTable();
  cards_->Context() = TPlayContext{};
  cards_->SetShowAllHands(true);
  cards_->LoadAll();
  cards_->RedisplayAll();
  ShowTricksWon();
  SetUpResultGrids();
  HandActions(true);
  Action("ShowHands")->setEnabled(false);
  Action("HideHands")->setEnabled(false);
  ShowTheScore();
  Panel("EOSNewHand")->setFocus();
  if (game_.ResultFiled() && !game_.ResultWritten()) OfferUnsavedResults(false);
}

}  // namespace quorval
