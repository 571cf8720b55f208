// The table window on the fixture events: dealing boards and moving between
// them. Which board comes and how it is read and turned is the game's
// (tests/game/game_auction_test.cpp).
#include <QAction>
#include <QRadioButton>

#include "tests/table/desk_fixture.h"
#include "ui/board_chooser.h"
#include "ui/bridge_grid.h"
#include "ui/skin.h"

namespace quorval {
namespace {

TEST_F(DeskTest, StartOffersPlayNextHandWithTheBoardCommandsDisabled) {
  TDeskTop& desk = Desk();
  EXPECT_EQ(desk.Game().State().phase, Phase::NoBoard);
  EXPECT_TRUE(desk.Panel("EndofScoring")->isVisible());
  EXPECT_EQ(desk.focusWidget(), desk.Panel("EOSNewHand"));
  for (const char* name : {"PriorHand1", "RebidHand", "ReplayHand", "PrintHandMenu", "ShowHands", "HideHands",
                           "ReviewBidding"})
    EXPECT_FALSE(desk.Action(name)->isEnabled()) << name;
  EXPECT_EQ(desk.Action("NewHandMenu")->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(desk.Action("HideHands")->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_TRUE(desk.Action("BS0")->isChecked());
}

TEST_F(DeskTest, PlayNextHandDealsBoardOneWithOnlySouthFaceUp) {
  TDeskTop& desk = Desk();
  Click("EOSNewHand");
  EXPECT_EQ(desk.Game().State().BoardNo, 1);
  EXPECT_EQ(desk.Game().State().phase, Phase::Bidding);
  EXPECT_EQ(desk.Game().Board().Key, "Imp01.01");
  // South's cards are shown face up, the other hands' backs.
  EXPECT_FALSE(desk.Panels().cards->Hand(South).Card(1)->ShowBack());
  for (Seat s : {North, East, West}) EXPECT_TRUE(desk.Panels().cards->Hand(s).Card(1)->ShowBack()) << s;
  EXPECT_TRUE(desk.Panels().bidBox->isVisible());
  // North passed and East opened 1C before South's turn.
  EXPECT_EQ(desk.Panels().bidReview->Cell(2, 0), "1~C");
}

TEST_F(DeskTest, PriorHandOnBoardOneDealsItAgain) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");   // the auction moves on: P 1C 1S P 2S P
  ASSERT_EQ(Calls().size(), 6u);
  desk.PriorHand1Click();
  EXPECT_EQ(desk.Game().State().BoardNo, 1);
  EXPECT_EQ(desk.Game().Board().Key, "Imp01.01");
  // Dealt afresh: the auction is back at South's first turn.
  EXPECT_EQ(Calls(), (std::vector<std::string>{"P", "1C"}));
  EXPECT_EQ(desk.Game().State().phase, Phase::Bidding);
}

TEST_F(DeskTest, PastBoard27TheChooserOpensAndCancelLeavesBoard28) {
  TDeskTop& desk = Desk("Imp", 28);
  int opened = 0;
  desk.SetBoardChooser([&](std::string&, std::string&, int&) { ++opened;
    return false; });
  desk.NewHandClick();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(desk.Game().State().BoardNo, 28);
  desk.NewHandClick();
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(desk.Game().State().phase, Phase::NoBoard);

  desk.SetBoardChooser([](std::string& event, std::string& session, int& board) {
    event = "Par";
    session = "01";
    board = 2;
    return true;
  });
  desk.NewHandClick();
  EXPECT_EQ(desk.Game().Board().Key, "Par01.02");
  EXPECT_EQ(desk.Game().State().BoardNo, 2);
}

TEST_F(DeskTest, AMissingBoardKeepsTheTableAndGoesPastIt) {
  TDeskTop& desk = Desk("Imp", 6);
  desk.NewHandClick();
  ASSERT_EQ(desk.Game().Board().Key, "Imp01.06");
  desk.NewHandClick();   // Imp01.07 is not in the fixture files
  EXPECT_EQ(LastMessage(), "Hand Not Found");
  EXPECT_EQ(desk.Game().Board().Key, "Imp01.06");
  EXPECT_TRUE(desk.Panels().bidBox->isVisible());
}

TEST_F(DeskTest, ABoardWithoutStoredAuctionsIsNotDealt) {
  UseLibrary("[Imp01.02.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  TDeskTop& desk = Desk();
  const int messages = MessageCount();
  desk.NewHandClick();
  // The game says why; the table adds no "Hand Not Found".
  EXPECT_EQ(MessageCount(), messages + 1);
  EXPECT_EQ(LastMessage(), "No stored auctions for board Imp01.01 in Danish Basic");
  EXPECT_EQ(desk.Game().State().phase, Phase::NoBoard);
  desk.NewHandClick();   // and the next board still comes
  EXPECT_EQ(desk.Game().Board().Key, "Imp01.02");
}

TEST_F(DeskTest, ChangingTheSystemDealsTheSameBoardAgain) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.ButMakeBidClick();
  desk.BidSysClick(2);
  EXPECT_EQ(desk.Game().State().BoardNo, 1);
  EXPECT_EQ(Calls().size(), 2u);
  EXPECT_TRUE(desk.Action("BS2")->isChecked());
  EXPECT_EQ(Option.BidSys, 2);
}

// A board in the auction or the play is never dropped without a word: every
// way off it asks first, and "no" leaves it as it stands. A board not yet
// begun or already over is left without a question.
TEST_F(DeskTest, LeavingABoardUnfinishedAsksFirst) {
  std::vector<std::string> asked;
  bool yes = false;
  SetQuestionSink([&](const std::string& text) {
    asked.push_back(text);
    return yes;
  });
  struct Restore {
    ~Restore() { SetQuestionSink({}); }
  } restore;
  TDeskTop& desk = Desk("Imp", 2);
  desk.SetBoardChooser([](std::string& event, std::string& session, int& board) {
    event = "Imp";
    session = "01";
    board = 5;
    return true;
  });
  desk.NewHandClick();
  EXPECT_TRUE(asked.empty()) << "no board on the table yet";
  ASSERT_EQ(desk.Game().Board().Key, "Imp01.02");
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"Next Hand", [&] { desk.Action("NewHandMenu")->trigger(); }},
      {"Prior Hand", [&] { desk.Action("PriorHand1")->trigger(); }},
      {"Go to Hand", [&] { desk.Action("GotoHand1")->trigger(); }},
      {"Rebid", [&] { desk.Action("RebidHand")->trigger(); }},
      {"system", [&] { desk.Action("BS2")->trigger(); }},
      {"Open Event Set", [&] { desk.Action("OpenEventSet1")->trigger(); }},
      {"close", [&] { EXPECT_FALSE(desk.close()); }}};
  for (const bool playing : {false, true}) {
    if (playing) {
      while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
      ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
      Click("EOBStart");
    }
    const Phase phase = desk.Game().State().phase;
    const size_t calls = Calls().size();
    const int cards = desk.Game().Play().CardsPlayed;
    for (const auto& [name, way] : ways) {
      SCOPED_TRACE(std::string(name) + (playing ? " in the play" : " in the auction"));
      asked.clear();
      way();
      ASSERT_EQ(asked.size(), 1u);
      EXPECT_EQ(asked[0], "Leave board 2 unfinished?");
      EXPECT_EQ(desk.Game().Board().Key, "Imp01.02");
      EXPECT_EQ(desk.Game().State().phase, phase);
      EXPECT_EQ(Calls().size(), calls);
      EXPECT_EQ(desk.Game().Play().CardsPlayed, cards);
      EXPECT_TRUE(desk.Action("BS0")->isChecked());
      EXPECT_TRUE(desk.isVisible());
    }
  }
  // Yes: the board goes and the next one comes.
  yes = true;
  asked.clear();
  desk.NewHandClick();
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(desk.Game().Board().Key, "Imp01.03");
  // Over: nothing to ask.
  while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
  if (desk.Game().State().phase == Phase::BiddingOver) {
    Click("EOBStart");
    Click("TPPFast");
  }
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  asked.clear();
  desk.NewHandClick();
  EXPECT_TRUE(asked.empty());
  // In the language of the table.
  yes = false;
  desk.LanguageClick(1);
  desk.NewHandClick();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "Forlade spil 4 uden at spille det færdigt?");
}

TEST_F(DeskTest, RebidIsEnabledByTheFirstCallOfBoardOne) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  // The computer's calls during dealing already enable it; Print stays off.
  EXPECT_TRUE(desk.Action("RebidHand")->isEnabled());
  EXPECT_FALSE(desk.Action("PriorHand1")->isEnabled());
  desk.NewHandClick();
  EXPECT_TRUE(desk.Action("PriorHand1")->isEnabled());
}

}  // namespace
}  // namespace quorval

namespace quorval {
namespace {

TEST_F(DeskTest, FunctionKeysReachTheMenuBeforeTheBiddingKeys) {
  TDeskTop& desk = Desk();
  desk.activateWindow();
  desk.NewHandClick();
  ASSERT_EQ(desk.Game().State().phase, Phase::Bidding);
  const int sounds = SoundCount();
  // F3 is "Next Hand", never a bidding key (which would sound).
  QApplication::setActiveWindow(&desk);
  QTest::keyClick(&desk, Qt::Key_F3);
  EXPECT_EQ(desk.Game().Board().Key, "Imp01.02");
  EXPECT_EQ(SoundCount(), sounds);
  // Keys with Ctrl held go nowhere.
  QTest::keyClick(&desk, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(SoundCount(), sounds);
}

// The board chooser of an IMP event, opened from the table in the player's
// skin: sessions 10 to 18 are disabled, and their numbers stay readable on
// the group's grey.
TEST_F(DeskTest, TheChoosersDisabledSessionNumbersStayReadable) {
  for (const char* skin : {"Teal", "Silver", "Olive"}) {
    ApplyColorSkin(Option, skin);
    TDeskTop& desk = Desk();
    TGetHand chooser(&desk, "Imp", "01", nullptr, QColor(145, 200, 200));
    chooser.SetLanguage(0);
    ApplySkinToWindow(&chooser, Option.SkinColors, false);
    chooser.show();
    QApplication::processEvents();
    for (const int s : {10, 18}) {
      QRadioButton* b = chooser.SessionButton(s);
      ASSERT_FALSE(b->isEnabled());
      // The button as it shows on its group, and the group's ground.
      const QImage group = b->parentWidget()->grab().toImage();
      const QRect r = b->geometry();
      const QColor ground = group.pixelColor(r.right() - 1, r.top() + 1);
      // Pixels right of the round indicator that stand out from the ground:
      // the number's ink.
      int ink = 0;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left() + r.width() / 2; x <= r.right(); ++x)
          if (std::abs(group.pixelColor(x, y).lightness() - ground.lightness()) > 40) ++ink;
      EXPECT_GT(ink, 10) << skin << " session " << s;
    }
  }
}

}  // namespace
}  // namespace quorval
