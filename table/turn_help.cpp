// Whose turn it is in the play and what the play waits for: the seat to play
// marked on the cloth, a refused card said in the status line, the computer
// seat left to play by a take back let play on ("Continue", Enter or a click
// on the table), and the take back to the user's own last card.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "core/messages.h"
#include "table/desktop.h"
#include "table/table_panels.h"
#include "ui/hands_view.h"

namespace quorval {

bool TDeskTop::ComputerWaits() const {
  return game_.phase() == Phase::Playing && !game_.FinishMode() && !game_.TrickOnTable() &&
         game_.ComputerToPlay() && !computerThinking_;
}

void TDeskTop::ShowTurn() {
  const bool playing = game_.phase() == Phase::Playing && !game_.FinishMode() && !game_.Play().Over();
  const Seat seat = game_.Play().ToPlay;
  panels_->MarkTurn(playing ? seat : -1, SeatName(seat));
  const bool waits = ComputerWaits();
  if (QWidget* next = Panel("ButContinue")) {
    next->setVisible(waits);
    if (waits) Panel("ButHint")->hide();
    else if (!Panel("ButPlayHint")->isVisible()) Panel("ButHint")->show();
  }
  Action("TakeBackToMyLastCard")->setEnabled(game_.phase() == Phase::Playing && game_.Play().CardsPlayed > 0);
  if (waits) statusBar()->showMessage(Word("PlayComputerWaits").arg(SeatName(seat)));
  else statusBar()->clearMessage();
}

void TDeskTop::SayRefusedCard(CardCode card) {
  PlaySound(Sound::Warning);
  if (game_.phase() != Phase::Playing || game_.FinishMode() || computerThinking_) return;
  const PlayState& play = game_.Play();
  const Seat seat = play.ToPlay;
  // A card of the seat to play that does not follow suit, or a card out of
  // turn; while a computer seat waits, how to let it play.
  const bool follow = !game_.TrickOnTable() && game_.UserToPlay() && play.Hands[seat].Holds(card);
  const QString text = ComputerWaits() ? Word("PlayComputerWaits")
                       : follow        ? Word("PlayFollowSuit")
                                       : Word("PlayTurnOf");
  statusBar()->showMessage(text.arg(SeatName(seat)));
}

void TDeskTop::ContinueClick() {
  if (!ComputerWaits()) return;
  // The card the seat played before the take back, as Enter plays it; the
  // engine's choice when that card is not to be had.
  if (game_.IsLegal(selectedCard_)) SelectACard(selectedCard_);
  else PlayTrickToHuman();
}

void TDeskTop::TakeBackToMyLastCardClick() {
  if (computerThinking_ || game_.phase() != Phase::Playing) return;
  const int back = game_.CardsBackToUsersLastCard();
  if (back == 0) {
    PlaySound(Sound::Information);
    return;
  }
  for (int i = 0; i < back; ++i) TakeBackOne();
  AfterTakeBack();
}

}  // namespace quorval
