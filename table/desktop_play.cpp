// The play of the cards at the table: the computer's turn with its pauses,
// the user's cards by click and keyboard, hint, take back, finish play,
// replay, and the end of the board.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <chrono>

#include "core/messages.h"
#include "play/engine/engine.h"
#include "play/library_lead.h"
#include "table/desktop.h"
#include "ui/hands_view.h"

namespace quorval {

namespace {

bool IsHuman(const PlayState& st, Seat s) { return st.Hands[s & 3].HumanControlled; }

std::string JoinLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  return line;
}

}  // namespace

void TDeskTop::EOBStartClick() {
  if (state_.phase != Phase::BiddingOver || auction_.auction.Result().PassedOut()) return;
  CloseBidReviewClick();
  playPanel_->show();
  StartPlay();
  PlayTrickToHuman();
}

void TDeskTop::SkipBtnClick() {
  if (state_.phase != Phase::BiddingOver || auction_.auction.Result().PassedOut()) return;
  StartPlay();
  CloseBidReviewClick();
  playPanel_->show();
  TPPClaimClick();
}

void TDeskTop::StartPlay() {
  const Contract contract = auction_.auction.Result();
  RestoreDeal(play_.Hands);
  for (auto& hand : play_.Hands) {
    hand.HumanControlled = state_.HumanSeats & SeatBit(hand.HandSeat);
    hand.FaceUp = state_.FaceUpSeats & SeatBit(hand.HandSeat);
  }
  quorval::StartPlay(play_, play_.Hands, contract);
  finishMode_ = false;
  trickOnTable_ = false;
  selectedCard_ = 0;
  rankKey_.clear();
  suitKey_.clear();
  state_.phase = Phase::Playing;
  endOfBidding_->hide();
  endofScoring_->hide();
  scorePad_->hide();
  scorePages_->hide();
  cards_->ClearTable();
  cards_->ShowWonTricks({});
  cards_->SetDecidingStrain(contract.strain() < Spade ? contract.strain() : Spade);
  cards_->SetShowAllHands(state_.ShowAllHands);
  cards_->LoadAll();
  ApplyFaceUp();
  PrintWonTricks();
  Action("ShowHands")->setEnabled(state_.FaceUpSeats != kAllFour);
  Action("HideHands")->setEnabled(state_.FaceUpSeats == kAllFour);
  playPad_->show();
  playPad_->raise();
  HintButton(false);
  BeforeEachPlay();
}

void TDeskTop::ApplyFaceUp() {
  cards_->SetShowAllHands(state_.ShowAllHands);
  for (Seat s = North; s <= West; ++s) {
    cards_->Hand(s).SetSeen(play_.Hands[s].FaceUp);
    cards_->Hand(s).Redisplay(false);
  }
  cards_->RedisplayAll();
}

void TDeskTop::PlayTrickToHuman() {
  if (state_.phase != Phase::Playing) return;
  const int limit = finishMode_ ? 13 : play_.TrickNo;
  while (play_.TrickNo <= limit && !play_.Over() && !IsHuman(play_, play_.ToPlay)) {
    const double started = Now();
    const CardCode card = GetLisk2000Card();
    WaitSeconds(PauseSeconds(play_, finishMode_), started);
    MakePlay(card);
    if (state_.phase != Phase::Playing) return;   // stopped by a logic error
  }
  if (play_.Over() && finishMode_) {
    EndOfHand();
    return;
  }
  BeforeEachPlay();
}

CardCode TDeskTop::GettheBestCard() {
  const bool lock = !finishMode_;
  if (lock) {
    menuBar()->setEnabled(false);
    table_->setEnabled(false);
  }
  computerThinking_ = true;
  BeginBusy();   // a language chosen meanwhile waits for the card
  EngineOptions options;
  options.skill = skillOverride_ > 0 ? skillOverride_ : Opt().ComputerSkill;
  options.playStyle = state_.PlayStyle;
  CardCode card = 0;
  if (noPauses_) {
    card = ChooseCard(play_, options, play_.EngineTarget);
  } else {
    // The engine thinks on a thread of its own so the window keeps painting;
    // input stays shut out until its card is back.
    auto pending = ChooseCardAsync(play_, options, play_.EngineTarget);
    while (pending.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    const EngineAnswer answer = pending.get();
    if (!answer.message.empty()) ShowMessage(answer.message);
    play_.EngineTarget = answer.target;
    card = answer.card;
  }
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
  if (play_.CardsPlayed > 0) return GettheBestCard();
  EngineOptions options;
  options.skill = skillOverride_ > 0 ? skillOverride_ : Opt().ComputerSkill;
  options.playStyle = state_.PlayStyle;
  selectedCard_ = quorval::GetLisk2000Card(play_, JoinLine(auction_.CurrentLine), random_, options,
                                           play_.EngineTarget);
  return selectedCard_;
}

void TDeskTop::LogicError() {
  ShowMessage("Logic Error!" + std::to_string(play_.CardsPlayed) + " Hand Number " +
              std::to_string(state_.BoardNo));
  state_.phase = Phase::NoBoard;
  QCoreApplication::exit(3);
}

void TDeskTop::MakePlay(CardCode card) {
  const Seat seat = play_.ToPlay;
  if (!finishMode_) {
    CloseBidReviewClick();
    if (play_.TrickPos == 1) CleanTable();
  }
  if (!PlayCard(play_, card)) {
    LogicError();
    return;
  }
  if (!finishMode_) {
    playPad_->show();
    cards_->Hand(seat).PlayCard(card);
    HintButton(false);
  }
  if (play_.TrickPos == 1) PrintWonTricks();
  trickOnTable_ = play_.TrickPos == 1 && !finishMode_;
  rankKey_.clear();
  suitKey_.clear();
  if (play_.CardsPlayed == 1) {
    Action("ReplayHand")->setEnabled(true);
    ExposeDummy();
  }
  BeforeEachPlay();
}

void TDeskTop::ExposeDummy() {
  THands& declarer = play_.Hands[play_.Declarer];
  THands& dummy = play_.Hands[play_.Dummy];
  if (declarer.HumanControlled) dummy.HumanControlled = true;
  dummy.FaceUp = true;
  if (dummy.HumanControlled) {
    declarer.HumanControlled = true;
    const THands& lho = play_.Hands[NextSeat(play_.Declarer)];
    const THands& rho = play_.Hands[PrevSeat(play_.Declarer)];
    const bool hiddenOpponent = (lho.HumanControlled && !lho.FaceUp) || (rho.HumanControlled && !rho.FaceUp);
    if (!hiddenOpponent) declarer.FaceUp = true;
  }
  if (!finishMode_) ApplyFaceUp();
}

void TDeskTop::SelectACard(CardCode card) {
  selectedCard_ = card;
  MakePlay(card);
  ReadyforHuman();
}

void TDeskTop::ReadyforHuman() {
  if (trickOnTable_) BeforeEachPlay();
  else PlayTrickToHuman();
}

void TDeskTop::BeforeEachPlay() {
  if (state_.phase != Phase::Playing) return;
  const bool human = !play_.Over() && IsHuman(play_, play_.ToPlay);
  TPlayContext& context = cards_->Context();
  context.blocked = !human || computerThinking_ || (trickOnTable_ && play_.Over());
  context.toPlay = play_.ToPlay;
  context.suitLed = play_.TrickPos == 1 ? -1 : play_.SuitLed;
  context.winningSuit = play_.CardsPlayed == 0 ? -1 : SuitOf(play_.WinCard);
  for (Seat s = North; s <= West; ++s) cards_->Hand(s).EnableForPlay(false);
  if (human) cards_->Hand(play_.ToPlay).EnableForPlay(true);
  Panel("TPPBackup")->setEnabled(play_.CardsPlayed > 0);
  Panel("ButClearTable")->setEnabled(trickOnTable_);
  // The card Enter plays, except in the last trick where there is no choice.
  if (human && play_.TrickNo < 12) {
    selectedCard_ = DefaultCard(play_);
    cards_->SetCurrentCard(selectedCard_);
  }
}

bool TDeskTop::UserPlays(CardCode card) {
  const bool ok = state_.phase == Phase::Playing && !computerThinking_ && !finishMode_ && !play_.Over() &&
                  IsHuman(play_, play_.ToPlay) && IsLegalCard(play_, card);
  if (!ok) {
    PlaySound(Sound::Warning);
    return false;
  }
  SelectACard(card);
  return true;
}

void TDeskTop::PrintWonTricks() {
  const int declarerSide = play_.DeclarerTricks;
  const int other = play_.TrickNo - play_.DeclarerTricks;
  const bool nsDeclare = SideOf(play_.Declarer) == 1;
  nsTricks_->setText(QString::number(nsDeclare ? declarerSide : other));
  ewTricks_->setText(QString::number(nsDeclare ? other : declarerSide));
  ShowTricksWon();
}

void TDeskTop::ShowTricksWon() {
  std::vector<Seat> winners;
  for (int t = 0; t < play_.TrickNo; ++t) winners.push_back(TrickWinner(play_, t));
  cards_->ShowWonTricks(winners);
}

void TDeskTop::CleanTable() {
  cards_->ClearTable();
  trickOnTable_ = false;
  ShowTricksWon();
}

void TDeskTop::ClearPlay() {
  if (!trickOnTable_ || state_.phase != Phase::Playing) return;
  CleanTable();
  if (play_.TrickNo == 13) {
    EndOfHand();
    return;
  }
  PlayTrickToHuman();
}

void TDeskTop::HintButton(bool showPlayHint) {
  auto* hint = Panel("ButHint");
  auto* playHint = Panel("ButPlayHint");
  hint->setVisible(!showPlayHint);
  hint->setEnabled(play_.CardsPlayed < 52);
  playHint->setVisible(showPlayHint);
}

void TDeskTop::ButHintClick() {
  if (state_.phase != Phase::Playing || play_.Over() || trickOnTable_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const CardCode card = GetLisk2000Card();
  QApplication::restoreOverrideCursor();
  cards_->SetCurrentCard(card);
  THands& hand = play_.Hands[play_.ToPlay];
  if (hand.FaceUp || state_.ShowAllHands) {
    for (auto& suit : hand.Suits) suit.HighlightMask = 0;
    hand.Suits[SuitOf(card)].HighlightMask = card & ~3;
    cards_->Hand(play_.ToPlay).Redisplay(true);
  }
  HintButton(true);
}

void TDeskTop::ButPlayHintClick() {
  if (state_.phase == Phase::Playing && IsHuman(play_, play_.ToPlay) && IsLegalCard(play_, selectedCard_)) {
    HintButton(false);
    SelectACard(selectedCard_);
    return;
  }
  PlaySound(Sound::Warning);
  selectedCard_ = DefaultCard(play_);
  cards_->SetCurrentCard(selectedCard_);
  HintButton(false);
}

void TDeskTop::TPPBackupClick() {
  if (state_.phase != Phase::Playing || play_.CardsPlayed == 0) {
    PlaySound(Sound::Information);
    return;
  }
  HintButton(false);
  // Back to the start of the trick the removed card belonged to (or of the
  // trick before when it was a lead), then the remaining cards of that trick
  // are played again so the table shows them.
  const auto log = play_.PlayLog;
  const int target = play_.CardsPlayed - 1;
  const int start = target == 0 ? 0 : (target % 4 == 0 ? target - 4 : target - target % 4);
  ReplayPlays(play_, start);
  finishMode_ = false;
  trickOnTable_ = false;
  cards_->ClearTable();
  cards_->LoadAll();
  ApplyFaceUp();
  for (int i = start; i < target; ++i) MakePlay(log[i].card);
  PrintWonTricks();
  selectedCard_ = log[target].card;
  cards_->SetCurrentCard(selectedCard_);
  setFocus();
  BeforeEachPlay();
  selectedCard_ = log[target].card;
  cards_->SetCurrentCard(selectedCard_);
}

void TDeskTop::TPPClaimClick() {
  if (state_.phase != Phase::Playing) return;
  HintButton(false);
  CleanTable();
  finishMode_ = true;
  for (auto& hand : play_.Hands) hand.HumanControlled = false;
  state_.ShowAllHands = true;
  endOfBidding_->hide();
  endofScoring_->hide();
  ReplayPlays(play_, play_.CardsPlayed);
  PlayTrickToHuman();
}

void TDeskTop::EOSReplayClick() {
  if (!lastAuctionHadContract_ || auction_.auction.Result().PassedOut()) return;
  if (state_.phase != Phase::Playing && state_.phase != Phase::BoardOver) return;
  endofScoring_->hide();
  scorePad_->hide();
  scorePages_->hide();
  hcpPanel_->hide();
  state_.ShowAllHands = false;
  resultFiled_ = false;
  StartPlay();
  PlayTrickToHuman();
}

void TDeskTop::ShowHandsClick() {
  state_.FaceUpSeats = kAllFour;
  for (auto& hand : play_.Hands) hand.FaceUp = true;
  cards_->ShowHandsClick();
  Action("ShowHands")->setEnabled(false);
  Action("HideHands")->setEnabled(true);
}

void TDeskTop::HideHandsClick() {
  const bool playing = state_.phase == Phase::Playing;
  state_.FaceUpSeats = playing ? kNorthSouth : kSouthOnly;
  for (auto& hand : play_.Hands) hand.FaceUp = hand.HandSeat == South;
  if (playing && play_.CardsPlayed > 0) {
    play_.Hands[play_.Dummy].FaceUp = true;
    if (play_.Dummy == South) play_.Hands[North].FaceUp = true;
  }
  cards_->HideHandsClick(playing && play_.CardsPlayed > 0, playing ? play_.Dummy : -1);
  Action("HideHands")->setEnabled(false);
  Action("ShowHands")->setEnabled(true);
}

void TDeskTop::PlayKeyDown(int key, const QString& text) {
  if (computerThinking_) return;
  const Seat seat = play_.ToPlay;
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
      if (trickOnTable_) {
        ClearPlay();
      } else if (IsHuman(play_, seat) && IsLegalCard(play_, selectedCard_)) {
        SelectACard(selectedCard_);
      } else if (!play_.Over()) {
        // After a take back a computer seat may be to play: Enter plays the
        // selected card for it again.
        if (!IsHuman(play_, seat) && IsLegalCard(play_, selectedCard_)) {
          SelectACard(selectedCard_);
        } else {
          PlaySound(Sound::Warning);
          selectedCard_ = DefaultCard(play_);
          cards_->SetCurrentCard(selectedCard_);
        }
      }
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (!IsHuman(play_, seat) || play_.Over()) return;
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
  if (card >= 4 && IsHuman(play_, seat) && IsLegalCard(play_, card)) {
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
  state_.phase = Phase::BoardOver;
  playPad_->hide();
  endOfBidding_->hide();
  play_.LastTrickWinner = play_.Leader;
  const bool finished = finishMode_;
  finishMode_ = false;
  trickOnTable_ = false;
  if (!finished) cards_->ClearTable();
  RestoreDeal(play_.Hands);
  for (auto& hand : play_.Hands) {
    hand.HumanControlled = state_.HumanSeats & SeatBit(hand.HandSeat);
    hand.FaceUp = state_.FaceUpSeats & SeatBit(hand.HandSeat);
  }
  state_.ShowAllHands = true;
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
}

}  // namespace quorval
