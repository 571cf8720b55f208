// The table and the player's preferences: File > Preferences and what the
// table does once the dialog closes, the colour skin on the table window,
// and the About window of the Help menu.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>

#include "data/date_time.h"
#include "table/bidding_box.h"
#include "table/desktop.h"
#include "ui/about_box.h"
#include "ui/bridge_grid.h"
#include "ui/colour_ref.h"
#include "ui/hands_view.h"
#include "ui/setup_options.h"
#include "ui/skin.h"

namespace quorval {
namespace {

const QColor kCloth(0, 110, 50);   // the green of the table

}  // namespace

// Which skin colour each panel of the table takes; the cloth keeps its green.
void TDeskTop::TagPanels() {
  SetTag(table_, kKeepColourTag);
  table_->setAutoFillBackground(true);
  QPalette cloth = table_->palette();
  cloth.setColor(QPalette::Window, kCloth);
  table_->setPalette(cloth);
  for (QWidget* w : std::initializer_list<QWidget*>{dupBd_, playPanel_, hcpPanel_}) {
    SetTag(w, 6);
    w->setAutoFillBackground(true);
  }
  SetTag(reviewPanel_, 5);
  SetTag(scorePad_, 5);
  // The bidding box is coloured as a whole; its buttons keep their own colours.
  bidBox_->setProperty("skinKind", "coloured");
  SetTag(bidBox_, 1);
}

void TDeskTop::ApplySkin() {
  ApplySkinToWindow(this, Opt().SkinColors, true);
  bidReview_->SetColor(FromColourRef(uint32_t(Opt().SkinColors[5])));
  scorePadGrid_->SetColor(FromColourRef(uint32_t(Opt().SkinColors[5])));
  for (TBridgeGrid* grid : strata_) grid->SetColor(FromColourRef(uint32_t(Opt().SkinColors[5])));
  DupBoard();
}

void TDeskTop::SetupOptions1Click() {
  if (computerThinking_) return;
  // The stored options hold the table's own state (board counter, event,
  // system) before the dialog reads or reloads them.
  SaveSettings();
  const std::string before = Opt().CurrentPlayer;
  if (!prefs_) prefs_ = new TSetupOptions(this, files_.options, Opt(), machineLanguage_);
  prefs_->SetLanguage(language_);
  prefs_->SetNoPlayerMessage(Text("LabelNewPlayerMessage"));
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
    cards_->SetBacks(Opt().BackDesign, Opt().BackColor);
    SetCaption();
    cards_->SetupTricksRow();
    if (game_.phase() == Phase::Playing || game_.phase() == Phase::BoardOver) ShowTricksWon();
    // The interface language is the player's own again (also after a run
    // started in another language), and every text follows it.
    language_ = Opt().Language;
    ApplyLanguage();
    // Face up or down as the seat masks say; during the play the play's own
    // flags also hold the dummy laid down.
    if (game_.phase() == Phase::Playing) ApplyFaceUp();
    else cards_->ApplyFaceUpMask(game_.State().FaceUpSeats);
    QApplication::restoreOverrideCursor();
  }
  // The player in the chair may have another choice of computer.
  ShowHonestChoice();
  // A skin only previewed in the dialog is undone here.
  ApplyColorSkin(Opt(), Opt().ColorSkin);
  ApplySkin();
  const Phase phase = game_.phase();
  if (phase == Phase::BiddingOver || phase == Phase::Playing || phase == Phase::BoardOver) DrawContract();
  if (phase != Phase::NoBoard) cards_->RedisplayAll();
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

void TDeskTop::ClearBoardFromTable() {
  game_.ClearBoard();
  cards_->Context() = TPlayContext{};
  cards_->ClearTable();
  cards_->ShowWonTricks({});
  cards_->LoadAll();
  cards_->RedisplayAll();
  CloseBidReviewClick();
  ShowNoBoardPanels();
}

// What the table offers before a board is dealt: "Play Next Hand" alone.
void TDeskTop::ShowNoBoardPanels() {
  HideBoardPanels();
  reviewPanel_->hide();
  bidBox_->hide();
  hcpPanel_->hide();
  endofScoring_->show();
  endofScoring_->raise();
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

}  // namespace quorval
