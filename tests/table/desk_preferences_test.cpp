// The table and the Preferences dialog: what the table does once the dialog
// closes (new backs and skin, a previewed skin undone, another player taking
// over, the last card taken back mid-play), the About window, and the table
// fitting what it shows at its own size.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/hands_view.h"
#include "ui/result_summary.h"
#include "ui/session_results.h"
#include "ui/setup_options.h"
#include "ui/skin.h"
#include "ui/table_message.h"

namespace quorval {
namespace {

class DeskPreferencesTest : public DeskTest {
 protected:
  static void Press(TSetupOptions& d, const char* button) { d.findChild<QPushButton*>(button)->click(); }
  bool SendCard(CardCode card) {
    TableMessage message(card);
    return QCoreApplication::sendEvent(desk_.get(), &message);
  }
  QColor Ground(const char* panel) const { return desk_->Panel(panel)->palette().color(QPalette::Window); }
  // Imp01.01 bid to 4S by South and the play started: West has led.
  TDeskTop& FourSpadesLed() {
    TDeskTop& desk = Desk();
    desk.NewHandClick();
    desk.BidButClick("S1");
    desk.BidButClick("S4");
    Click("EOBStart");
    EXPECT_EQ(desk.Game().Play().CardsPlayed, 1);
    return desk;
  }
  bool Human(Seat s) const { return desk_->Game().Play().Hands[s].HumanControlled; }
};

TEST_F(DeskPreferencesTest, MidPlayTheLastCardIsTakenBackAndPlayedOnToTheUser) {
  TDeskTop& desk = FourSpadesLed();
  ASSERT_EQ(desk.Game().Play().ToPlay, North);
  ASSERT_TRUE(SendCard(DefaultCard(desk.Game().Play())));   // North; East answers; South's turn
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 3);
  ASSERT_EQ(desk.Game().Play().ToPlay, South);
  const CardCode south = DefaultCard(desk.Game().Play());
  ASSERT_TRUE(SendCard(south));
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 4);   // the trick lies complete on the table

  // South's own card was the last: it goes back to the hand, and South is
  // to play again.
  Preferences([](TSetupOptions& d) { d.findChild<QScrollBar*>("SkillSlide")->setValue(2); });
  EXPECT_EQ(Option.ComputerSkill, 2);
  EXPECT_EQ(desk.Game().State().phase, Phase::Playing);
  EXPECT_EQ(desk.Game().Play().CardsPlayed, 3);
  EXPECT_EQ(desk.Game().Play().ToPlay, South);
  EXPECT_TRUE(desk.Game().Play().Hands[South].Holds(south));
  EXPECT_TRUE(desk.Game().Play().Hands[North].FaceUp) << "the dummy stays on the table";
  EXPECT_NE(desk.Panels().cards->Hand(East).CardOnTable(), 0) << "the trick so far is shown again";

  // Played on until a computer seat's card is the last before the user's turn.
  for (int guard = 0; guard < 60; ++guard) {
    const PlayState& p = desk.Game().Play();
    if (Human(p.ToPlay) && p.CardsPlayed > 4 && !Human(p.PlayLog[p.CardsPlayed - 1].seat) &&
        !desk.Panel("ButClearTable")->isEnabled())
      break;
    if (desk.Panel("ButClearTable")->isEnabled()) Click("ButClearTable");
    else SendCard(DefaultCard(p));
  }
  const int played = desk.Game().Play().CardsPlayed;
  const Seat last = desk.Game().Play().PlayLog[played - 1].seat;
  const Seat user = desk.Game().Play().ToPlay;
  ASSERT_FALSE(Human(last));
  ASSERT_TRUE(Human(user));
  // Cancel too: the computer's card is taken back and the computer plays
  // again, so the user is to play as before.
  Preferences([](TSetupOptions&) {}, false);
  EXPECT_EQ(desk.Game().Play().CardsPlayed, played);
  EXPECT_EQ(desk.Game().Play().PlayLog[played - 1].seat, last);
  EXPECT_EQ(desk.Game().Play().ToPlay, user);
  EXPECT_TRUE(IsLegalCard(desk.Game().Play(), DefaultCard(desk.Game().Play())));
}

TEST_F(DeskPreferencesTest, APreviewedSkinIsUndoneByCancelAndKeptByOK) {
  Desk();
  const TSkinColors teal = SkinColorsFor("Teal"), olive = SkinColorsFor("Olive");
  EXPECT_EQ(Ground("Desk"), QColor(192, 192, 192));
  Preferences([&](TSetupOptions& d) {
    Press(d, "Olive");
    EXPECT_EQ(Option.SkinColors, olive);
  }, false);
  EXPECT_EQ(Option.ColorSkin, "Teal");
  EXPECT_EQ(Option.SkinColors, teal);
  EXPECT_EQ(Ground("Desk"), QColor(192, 192, 192));

  Preferences([&](TSetupOptions& d) { Press(d, "Olive"); });
  EXPECT_EQ(Option.ColorSkin, "Olive");
  EXPECT_EQ(Ground("Desk"), QColor(195, 202, 169));
  EXPECT_EQ(Ground("DupBd"), QColor(234, 226, 178)) << "colour 6";
  EXPECT_EQ(Ground("BidBox"), QColor(116, 134, 94)) << "colour 1";
  EXPECT_EQ(Ground("Table"), QColor(0, 110, 50)) << "the cloth keeps its green";
  auto* panel = qobject_cast<TGradientPanel*>(desk_->Panel("EndofScoring"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->StartColor(), QColor(234, 226, 178));
  EXPECT_EQ(panel->EndColor(), QColor(170, 125, 91));
  EXPECT_EQ(options_->ReadString("Tester", "ColorSkin", ""), "Olive");
}

TEST_F(DeskPreferencesTest, NewBacksAndCaptionAfterOK) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  Preferences([](TSetupOptions& d) {
    auto* design = d.findChild<QComboBox*>("CardBackDesign");
    design->setCurrentIndex(3);
    emit design->activated(3);
  });
  EXPECT_EQ(Option.BackDesign, 3);
  THandView& north = desk.Panels().cards->Hand(North);
  EXPECT_TRUE(north.Card(1)->ShowBack());
  EXPECT_EQ(north.Card(1)->BackDesign(), 3);
  EXPECT_EQ(north.Card(1)->BackImage(), CardDeck::DeckCell(kFirstBackCell + 3));
  EXPECT_EQ(desk.Panels().cards->TrickCard(1)->BackDesign(), 3);
  EXPECT_EQ(desk.Game().State().phase, Phase::Bidding) << "the board stays on the table";
  EXPECT_TRUE(desk.windowTitle().endsWith("Tester"));
}

TEST_F(DeskPreferencesTest, AnotherPlayerTakesOverWithHisOwnBoardCounter) {
  options_->WriteString("Other", "Event", "Par");
  options_->WriteString("Other", "Session", "01");
  options_->WriteInteger("Other", "LastHandPlayed", 2);
  options_->WriteInteger("Other", "BidSys", 1);
  TDeskTop& desk = Desk("Imp", 4);
  desk.NewHandClick();
  ASSERT_EQ(desk.Game().State().BoardNo, 4);
  ASSERT_EQ(desk.Game().State().phase, Phase::Bidding);
  Preferences([](TSetupOptions& d) {
    auto* list = d.findChild<QComboBox*>("NewPlayer");
    const int at = list->findText("Other");
    list->setCurrentIndex(at);
    emit list->activated(at);
  }, false);   // even with Cancel the player picked stays
  EXPECT_EQ(Option.CurrentPlayer, "Other");
  EXPECT_EQ(desk.Game().State().phase, Phase::NoBoard);
  EXPECT_EQ(desk.Game().State().EventType, "Par");
  EXPECT_EQ(desk.Game().State().Session, "01");
  EXPECT_EQ(desk.Game().State().BoardNo, 2);
  EXPECT_EQ(desk.Game().State().BidSystem, 1);
  EXPECT_TRUE(desk.Action("BS1")->isChecked());
  EXPECT_FALSE(desk.Panels().bidBox->isVisible());
  EXPECT_TRUE(desk.Panel("EndofScoring")->isVisible());
  EXPECT_FALSE(desk.Action("RebidHand")->isEnabled());
  EXPECT_FALSE(desk.Panels().cards->Hand(South).Card(1)->isVisible()) << "the old board's cards are gone";
  EXPECT_TRUE(desk.windowTitle().endsWith("Other"));
  // The player before kept his own board counter.
  EXPECT_EQ(options_->ReadInteger("Tester", "LastHandPlayed", -1), 4);
  // The new player's next board is his own.
  desk.NewHandClick();
  EXPECT_EQ(desk.Game().State().phase, Phase::Bidding);
  EXPECT_EQ(desk.Game().State().BoardNo, 3);
  EXPECT_EQ(desk.Game().State().EventType, "Par");
}

// The windows the table opens are painted in the skin in force.
TEST_F(DeskPreferencesTest, TheTablesOtherWindowsTakeTheSkin) {
  TDeskTop& desk = Desk();
  Preferences([](TSetupOptions& d) { Press(d, "Silver"); });
  const QColor ground(128, 128, 128), main(0, 64, 128);   // Navy's colours 0 and 1
  const auto session = desk.Printing().MakeSessionResults();
  EXPECT_EQ(session->palette().color(QPalette::Window), ground);
  EXPECT_EQ(session->findChild<QWidget*>("Panel6")->palette().color(QPalette::Window), main);
  const auto summary = desk.Printing().MakeResultSummary();
  EXPECT_EQ(summary->findChild<QWidget*>("Panel6")->palette().color(QPalette::Window), main);
  QColor chooser;
  QTimer::singleShot(0, [&] {
    QWidget* w = QApplication::activeModalWidget();
    ASSERT_NE(w, nullptr);
    chooser = w->palette().color(QPalette::Window);
    qobject_cast<QDialog*>(w)->reject();
  });
  desk.Action("GotoHand1")->trigger();
  EXPECT_EQ(chooser, ground);
}

TEST_F(DeskPreferencesTest, AboutOpensFromTheHelpMenu) {
  Desk();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* about = QApplication::activeModalWidget();
    ASSERT_NE(about, nullptr);
    seen = about->objectName() == "AboutBox";
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(192, 192, 192));
    about->findChild<QPushButton*>("OKBtn")->click();
  });
  desk_->Action("AboutBridgeClass")->trigger();
  EXPECT_TRUE(seen);
}

// At the window's own size the end of a board shows the strata pages whole,
// all seven columns, beside East's hand and inside the window.
TEST_F(DeskPreferencesTest, TheEndOfABoardFitsTheWindowsOwnSize) {
  for (const char* event : {"Imp", "Par"}) {
    TDeskTop& desk = Desk(event, 1);
    desk.resize(desk.sizeHint());
    EXPECT_EQ(desk.size(), desk.sizeHint());
    ASSERT_TRUE(desk.AutoPlayBoard(event, "01", 1));
    ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
    QApplication::processEvents();
    QTabWidget* pages = desk.Panels().scorePages;
    ASSERT_TRUE(pages->isVisible());
    const QRect inWindow(pages->mapTo(&desk, QPoint(0, 0)), pages->size());
    EXPECT_TRUE(desk.rect().contains(inWindow)) << event;
    const QRect east(desk.Panel("HandEast")->mapTo(&desk, QPoint(0, 0)), desk.Panel("HandEast")->size());
    EXPECT_FALSE(inWindow.intersects(east)) << event;
    for (int s = 0; s < 3; ++s) {
      TBridgeGrid* grid = desk.Panels().strata[s];
      pages->setCurrentIndex(s);
      QApplication::processEvents();
      EXPECT_EQ(grid->Cell(6, 0), event == std::string("Imp") ? "IMP" : "MP");
      EXPECT_LE(grid->CellRect(6, 0).right(), grid->viewport()->width()) << event << " stratum " << s;
      EXPECT_GE(grid->ColWidth(6), grid->MeasuredTextWidth(6, 1)) << event;
    }
    TBridgeGrid* pad = desk.Panels().scorePadGrid;
    EXPECT_LE(pad->CellRect(3, 0).right(), pad->viewport()->width());
  }
}

}  // namespace
}  // namespace quorval
