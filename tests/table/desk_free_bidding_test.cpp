// Free bidding at the table: the Play Options item kept with the player's
// options and the run's choice from the command line; with it off a call no
// stored auction goes on with is refused with a line on the table saying why,
// with it on the same call is made and answered, and its meaning is told.
#include <QAction>

#include "table/refused_call_note.h"
#include "tests/table/desk_fixture.h"

namespace quorval {
namespace {

using DeskFreeBiddingTest = DeskTest;

TEST_F(DeskFreeBiddingTest, TheMenuItemIsThePlayersSettingAndTheCommandLineChoosesItForOneRun) {
  TDeskTop& desk = Desk();
  QAction* item = desk.Action("FreeBidding");
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->isCheckable());
  EXPECT_FALSE(item->isChecked());
  item->trigger();
  EXPECT_TRUE(Option.FreeBidding);
  EXPECT_EQ(TMyINI(kOptionsFileName).ReadString("Tester", "FreeBidding", "absent"), "1");
  item->trigger();
  EXPECT_FALSE(Option.FreeBidding);
  EXPECT_EQ(TMyINI(kOptionsFileName).ReadString("Tester", "FreeBidding", "absent"), "absent");

  desk.SetFreeBiddingOverride(true);
  EXPECT_TRUE(item->isChecked());
  EXPECT_FALSE(item->isEnabled());
  EXPECT_TRUE(desk.Game().FreeBidding());
  EXPECT_FALSE(Option.FreeBidding);
}

TEST_F(DeskFreeBiddingTest, ACallOffTheStoredAuctionsIsRefusedWithALineOffAndMadeOn) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();   // Imp01.01: P 1C, the stored auctions go on with 1S
  ASSERT_EQ(Calls(), (std::vector<std::string>{"P", "1C"}));
  TRefusedCallNote* note = desk.RefusedCallNote();
  desk.BidButClick("H2");
  EXPECT_EQ(Calls(), (std::vector<std::string>{"P", "1C"}));
  ASSERT_TRUE(note->isVisible());
  EXPECT_EQ(note->text(), QString::fromUtf8("2♥ is not among the stored auctions of this board: Hint shows the "
                                            "calls you can make; Free Bidding lets you make any call"));
  EXPECT_GE(note->geometry().top(), desk.Panels().bidBox->geometry().bottom());
  // In the interface language; a call bridge forbids has only the sound.
  desk.LanguageClick(1);
  desk.BidButClick("D2");
  EXPECT_TRUE(note->text().startsWith(QString::fromUtf8("2♦ er ikke blandt de gemte meldeforløb"))) << note->text().toStdString();
  note->hide();
  desk.BidButClick("C1");
  EXPECT_FALSE(note->isVisible());
  desk.LanguageClick(0);
  // The stored call goes through and the line is gone.
  desk.BidButClick("S1");
  EXPECT_EQ(Calls().at(2), "1S");

  // With free bidding the call is made and the computer answers it.
  desk.Action("FreeBidding")->trigger();
  desk.NewHandClick();
  desk.PriorHand1Click();
  ASSERT_EQ(Calls(), (std::vector<std::string>{"P", "1C"}));
  desk.BidButClick("H2");
  ASSERT_GE(Calls().size(), 3u);
  EXPECT_EQ(Calls()[2], "2H");
  EXPECT_FALSE(note->isVisible());
  EXPECT_TRUE(desk.Game().UserToCall() || desk.Game().phase() != Phase::Bidding);
  // Its meaning is told though the event set has no meanings file.
  EXPECT_FALSE(desk.Tips().CallMeaningText(2).isEmpty());
}

}  // namespace
}  // namespace quorval
