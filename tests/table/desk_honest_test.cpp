// The honest computer at the table: the Play Options item saved with the
// player's options, the run-only choice of the command line, and the cards
// the computer and the hint then take from it.
#include <QAction>

#include "data/call_meanings.h"
#include "play/honest/file_meanings.h"
#include "play/honest/honest_engine.h"
#include "tests/table/desk_fixture.h"

namespace quorval {
namespace {

class DeskHonestTest : public DeskTest {
 protected:
  // The honest card at the start of the play of the desk's contract: what
  // the table must have played (or hinted) first.
  CardCode HonestFirstCard(const TDeskTop& desk, const CallMeanings* meanings = nullptr) {
    PlayState start = desk.Game().Play();
    EXPECT_TRUE(ReplayPlays(start, 0));
    honest::BoardContext board;
    board.auction = {desk.Game().Auction().auction.dealer, desk.Game().Auction().auction.calls, 'D'};
    board.contract = desk.Game().Auction().auction.Result();
    board.seed = 7;   // the fixture seeds the table with 7
    board.meanings = honest::MeaningsOf(meanings);
    return honest::ChooseHonestCard(start, board, Option.ComputerSkill, desk.Game().State().PlayStyle).card;
  }

  // Imp01.01 bid by South to 4S (the stored lead is the ace of trumps), and
  // the play started: West has made the opening lead.
  void BidImp0101ToTheLead(TDeskTop& desk) {
    UseLibrary("[Imp01.01.D]\nP,1C,1S,P,2S,P,4S,P,P,P,Lead,AS,100\n");
    desk.NewHandClick();
    desk.BidButClick("S1");
    desk.BidButClick("S4");
    Click("EOBStart");
  }
};

TEST_F(DeskHonestTest, TheMenuItemIsThePlayersSettingKeptInTheOptionsFile) {
  TDeskTop& desk = Desk();
  QAction* item = desk.Action("HonestComputer");
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->isCheckable());
  EXPECT_TRUE(item->isEnabled());
  EXPECT_FALSE(item->isChecked());
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(Option.HonestComputer);
  TMyINI written(kOptionsFileName);
  EXPECT_EQ(written.ReadString("Tester", "HonestComputer", "absent"), "1");
  item->trigger();
  EXPECT_FALSE(Option.HonestComputer);
  TMyINI again(kOptionsFileName);
  EXPECT_EQ(again.ReadString("Tester", "HonestComputer", "absent"), "absent");
}

TEST_F(DeskHonestTest, ThePlayersSettingShowsOnTheMenuAtStart) {
  Option.HonestComputer = true;
  TDeskTop& desk = Desk();
  EXPECT_TRUE(desk.Action("HonestComputer")->isChecked());
}

TEST_F(DeskHonestTest, AnotherPlayerInThePreferencesBringsHisOwnChoice) {
  TDeskTop& desk = Desk();
  ASSERT_FALSE(desk.Action("HonestComputer")->isChecked());
  options_->WriteString("Other", "HonestComputer", "1");
  Option.CurrentPlayer = "Other";
  LoadOptions(*options_, Option);
  desk.AfterPreferences(true, "Tester");
  EXPECT_TRUE(desk.Action("HonestComputer")->isChecked());
}

TEST_F(DeskHonestTest, TheCommandLineChoosesItForThisRunOnly) {
  TDeskTop& desk = Desk();
  desk.SetHonestOverride(true);
  QAction* item = desk.Action("HonestComputer");
  EXPECT_TRUE(item->isChecked());
  EXPECT_FALSE(item->isEnabled());
  EXPECT_FALSE(Option.HonestComputer);
  // West's opening lead is the honest computer's, not the stored lead (the
  // ace of trumps from A-4).
  BidImp0101ToTheLead(desk);
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 1);
  EXPECT_NE(desk.Game().Play().PlayLog[0].card, ParseCard("AS"));
  EXPECT_EQ(desk.Game().Play().PlayLog[0].card, HonestFirstCard(desk));
  TMyINI written(kOptionsFileName);
  EXPECT_EQ(written.ReadString("Tester", "HonestComputer", "absent"), "absent");
}

TEST_F(DeskHonestTest, TheComputerReadsTheStoredCallsByTheEventSetsMeanings) {
  Option.HonestComputer = true;
  // East's 1C of Imp01.01 is, by this event set's meanings, a strong hand
  // with long diamonds and no clubs; West, on lead against 4S, reads it so.
  CallMeaning strong;
  strong.minPts = 16;
  strong.minLen[Diamond] = 6;
  strong.maxLen[Club] = 1;
  strong.convention = CallConvention::Strong2C;
  CallMeanings meanings;
  ASSERT_TRUE(meanings.Load(MeaningsFileText({{'D', {{"P,1C", strong}}}})));
  files_->meanings = &meanings;
  TDeskTop& desk = Desk();
  BidImp0101ToTheLead(desk);
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 1);
  const CardCode lead = desk.Game().Play().PlayLog[0].card;
  files_->meanings = nullptr;
  EXPECT_EQ(lead, HonestFirstCard(desk, &meanings));
  EXPECT_NE(lead, HonestFirstCard(desk)) << "the meanings should change West's lead here";
}

TEST_F(DeskHonestTest, TheHintComesFromTheHonestComputerWhileItIsOn) {
  Option.HonestComputer = true;
  // Imp01.06 to 2H by East: South is on lead and asks for a hint.
  TDeskTop& desk = Desk("Imp", 6);
  desk.NewHandClick();
  while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
  ASSERT_EQ(desk.Game().Auction().auction.Result().declarer, East);
  Click("EOBStart");
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 0);
  Click("ButHint");
  Click("ButPlayHint");
  ASSERT_GE(desk.Game().Play().CardsPlayed, 1);
  EXPECT_EQ(desk.Game().Play().PlayLog[0].seat, South);
  EXPECT_EQ(desk.Game().Play().PlayLog[0].card, HonestFirstCard(desk));
}

}  // namespace
}  // namespace quorval
