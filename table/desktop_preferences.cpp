// The table and the player's preferences: File > Preferences and what the
// table does once the dialog closes (another player taking over), the colour
// skin on the table window, the honest computer of the Play Options menu,
// and the About window of the Help menu.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>

#include "data/date_time.h"
#include "table/bidding_box.h"
#include "table/desktop.h"
#include "table/result_saving.h"
#include "table/table_panels.h"
#include "ui/about_box.h"
#include "ui/bridge_grid.h"
#include "ui/colour_ref.h"
#include "ui/hands_view.h"
#include "ui/setup_options.h"
#include "ui/skin.h"

namespace quorval {
void TDeskTop::ApplySkin() {
  ApplySkinToWindow(this, Opt().SkinColors, true);
  panels_->ColourGrids(FromColourRef(uint32_t(Opt().SkinColors[5])));
  DupBoard();
}

void TDeskTop::SetupOptions1Click() {
  if (computerThinking_) return;
  // The stored options hold the table's own state (board counter, event,
  // system) before the dialog reads or reloads them.
  saving_->SaveSettings();
  const std::string before = Opt().CurrentPlayer;
  if (!prefs_) prefs_ = new TSetupOptions(this, files_.options, Opt(), machineLanguage_);
  prefs_->SetPlayerChangeCheck([this] { return ConfirmLeaveBoard(); });
  prefs_->SetLanguage(language_);
  prefs_->SetNoPlayerMessage(Word("LabelNewPlayerMessage"));
  const bool ok = prefs_->exec() == QDialog::Accepted;
  AfterPreferences(ok, before);
}

void TDeskTop::AfterPreferences(bool ok, const std::string& playerBefore) {
  // Another player has sat down at the table: the board of the one before
  // goes, and the table takes the new player's event, board and system.
  const bool otherPlayer = !SameName(Opt().CurrentPlayer, playerBefore);
  if (otherPlayer) TakeOverPlayer();
  if (ok || otherPlayer) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TCardTable& cards = *panels_->cards;
    cards.SetBacks(Opt().BackDesign, Opt().BackColor);
    SetCaption();
    cards.SetupTricksRow();
    if (game_.phase() == Phase::Playing || game_.phase() == Phase::BoardOver) ShowTricksWon();
    // The interface language is the player's own again (also after a run
    // started in another language), and every text follows it.
    language_ = Opt().Language;
    ApplyLanguage();
    // Face up or down as the seat masks say; during the play the play's own
    // flags also hold the dummy laid down.
    if (game_.phase() == Phase::Playing) ApplyFaceUp();
    else cards.ApplyFaceUpMask(game_.State().FaceUpSeats);
    QApplication::restoreOverrideCursor();
  }
  // The player in the chair may have another choice of computer.
  ShowHonestChoice();
  ShowFreeBiddingChoice();
  // A skin only previewed in the dialog is undone here.
  ApplyColorSkin(Opt(), Opt().ColorSkin);
  ApplySkin();
  const Phase phase = game_.phase();
  if (phase == Phase::BiddingOver || phase == Phase::Playing || phase == Phase::BoardOver) DrawContract();
  if (phase != Phase::NoBoard) panels_->cards->RedisplayAll();
  // During the play the last card is taken back and the computer plays on
  // to the user's turn with the settings now in force.
  if (phase == Phase::Playing && game_.Play().CardsPlayed > 0) {
    TPPBackupClick();
    PlayTrickToHuman();
  }
}

void TDeskTop::TakeOverPlayer() {
  // The new player's event, board and system; the board of the one before goes.
  game_.TakeOverPlayer();
  Action(QString("BS%1").arg(game_.State().BidSystem))->setChecked(true);
  ClearBoardFromTable();
}

// No board on the table (at start, and when another player sits down): the
// table offers "Play Next Hand" alone.
void TDeskTop::ClearBoardFromTable() {
  game_.ClearBoard();
  TablePanels& p = *panels_;
  p.cards->Context() = TPlayContext{};
  p.cards->ClearTable();
  p.cards->ShowWonTricks({});
  p.cards->LoadAll();
  p.cards->RedisplayAll();
  CloseBidReviewClick();
  for (QWidget* w : std::initializer_list<QWidget*>{p.playPad, p.endOfBidding, p.scorePad, p.playPanel, p.scorePages,
                                                     p.reviewPanel, p.bidBox, p.hcpPanel})
    w->hide();
  p.endofScoring->show();
  p.endofScoring->raise();
  Action("PriorHand1")->setEnabled(game_.State().BoardNo > 1);
  for (const char* name : {"RebidHand", "ReplayHand", "PrintHandMenu", "PrintPreviewMenu", "SavePdfMenu", "ShowHands",
                           "HideHands", "ReviewBidding"})
    Action(name)->setEnabled(false);
  Panel("ButReplayHand")->setEnabled(false);
  Panel("RebidHand2")->setEnabled(false);
  Panel("ReviewHand")->setEnabled(false);
  DupBoard();
}

void TDeskTop::AboutBridgeClassClick() {
  TAboutBox about(this);
  about.SetLanguage(language_);
  ApplySkinToWindow(&about, Opt().SkinColors, false);
  about.exec();
}

void TDeskTop::ShowHonestChoice() {
  QAction* a = Action("HonestComputer");
  if (!a) return;
  a->setChecked(game_.Honest());
  // Chosen for this run on the command line: it stays on until the end.
  a->setEnabled(!game_.HonestOverride());
}

void TDeskTop::SetHonestOverride(bool on) {
  game_.SetHonestOverride(on);
  ShowHonestChoice();
}

void TDeskTop::HonestComputerClick() {
  QAction* a = Action("HonestComputer");
  Opt().HonestComputer = a ? a->isChecked() : !Opt().HonestComputer;
  saving_->SaveSettings();
}

void TDeskTop::ShowFreeBiddingChoice() {
  QAction* a = Action("FreeBidding");
  if (!a) return;
  a->setChecked(game_.FreeBidding());
  // Chosen for this run on the command line: it stays on until the end.
  a->setEnabled(!game_.FreeBiddingOverride());
}

void TDeskTop::SetFreeBiddingOverride(bool on) {
  game_.SetFreeBiddingOverride(on);
  ShowFreeBiddingChoice();
}

void TDeskTop::FreeBiddingClick() {
  QAction* a = Action("FreeBidding");
  Opt().FreeBidding = a ? a->isChecked() : !Opt().FreeBidding;
  saving_->SaveSettings();
}

}  // namespace quorval
