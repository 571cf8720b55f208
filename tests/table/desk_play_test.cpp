// The play at the table window: cards by click (the table message) and by
// keyboard, take back, finish play, replay and the end of the board. The
// rules of the play are the game's (tests/game/game_play_test.cpp).
#include <QAction>
#include <QLabel>
#include <QStatusBar>

#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/table_message.h"

namespace quorval {
namespace {

class DeskPlayTest : public DeskTest {
 protected:
  // Imp01.01 bid to 4S by South; West is on lead.
  TDeskTop& FourSpades() {
    TDeskTop& desk = Desk();
    desk.NewHandClick();
    desk.BidButClick("S1");
    desk.BidButClick("S4");
    EXPECT_EQ(desk.Game().State().phase, Phase::BiddingOver);
    return desk;
  }
  // Imp01.06 bid to 2H by East; South is on lead.
  TDeskTop& TwoHeartsByEast() {
    TDeskTop& desk = Desk("Imp", 6);
    desk.NewHandClick();
    while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
    EXPECT_EQ(desk.Game().Auction().auction.Result().declarer, East);
    return desk;
  }
  bool SendCard(CardCode card) {
    TableMessage message(card);
    return QCoreApplication::sendEvent(desk_.get(), &message);
  }
  // Plays the user's cards by the table message until the board ends or
  // `cards` have been played.
  void PlayOn(int cards = 52) {
    for (int guard = 0; guard < 200 && desk_->Game().State().phase == Phase::Playing &&
                        (desk_->Game().Play().CardsPlayed < cards || cards == 52); ++guard) {
      if (desk_->Panel("ButClearTable")->isEnabled()) Click("ButClearTable");
      else SendCard(DefaultCard(desk_->Game().Play()));
    }
  }
};

TEST_F(DeskPlayTest, ABoardPlayedCardByCardEndsWithTheScore) {
  TDeskTop& desk = FourSpades();
  Click("EOBStart");
  EXPECT_EQ(desk.Game().State().phase, Phase::Playing);
  // West has led; North, the dummy, lies face up on the table.
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 1);
  EXPECT_NE(desk.Panels().cards->Hand(West).CardOnTable(), 0);
  EXPECT_FALSE(desk.Panels().cards->Hand(North).Card(1)->ShowBack());
  EXPECT_TRUE(desk.Action("ReplayHand")->isEnabled());
  PlayOn();
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  EXPECT_TRUE(desk.Game().ResultFiled());
  EXPECT_TRUE(desk.Panel("ScorePad")->isVisible());
  EXPECT_TRUE(desk.Panels().scorePages->isVisible());
  EXPECT_TRUE(desk.Panel("ButReplayHand")->isEnabled());
  // All four hands face up.
  for (Seat s = North; s <= West; ++s) EXPECT_FALSE(desk.Panels().cards->Hand(s).Card(1)->ShowBack()) << s;
}

TEST_F(DeskPlayTest, RefusedCardsSoundAndChangeNothing) {
  TDeskTop& desk = FourSpades();
  Click("EOBStart");
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 1);
  ASSERT_EQ(desk.Game().Play().ToPlay, North);
  // The card West led, played again.
  int sounds = SoundCount();
  SendCard(desk.Game().Play().PlayLog[0].card);
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(desk.Game().Play().CardsPlayed, 1);
  // North (Q963.QT2.QJ976.T) can follow the lead of 8C or 3H, so the queen
  // of diamonds is a revoke.
  sounds = SoundCount();
  SendCard(ParseCard("QD"));
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(desk.Game().Play().CardsPlayed, 1);
  // A card of South's while North is to play.
  sounds = SoundCount();
  SendCard(ParseCard("KS"));
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(desk.Game().Play().CardsPlayed, 1);
}

TEST_F(DeskPlayTest, KeyboardPlaysRankThenSuit) {
  TDeskTop& desk = FourSpades();
  Click("EOBStart");
  const CardCode card = DefaultCard(desk.Game().Play());
  const std::string text = CardText(card);
  const int sounds = SoundCount();
  Key(static_cast<Qt::Key>(text[0]));
  Key(static_cast<Qt::Key>(text[1]));
  EXPECT_EQ(desk.Game().Play().PlayLog[1].card, card);
  EXPECT_GE(desk.Game().Play().CardsPlayed, 2);
  EXPECT_EQ(SoundCount(), sounds);
  // Enter plays the pre-selected card once South is to play.
  // North's card was the second of the trick and East has followed, so South
  // is to play the fourth card with the trick still on the table.
  const int before = desk.Game().Play().CardsPlayed;
  ASSERT_EQ(before, 3);
  ASSERT_EQ(desk.Game().Play().ToPlay, South);
  ASSERT_FALSE(desk.Panel("ButClearTable")->isEnabled());
  const CardCode preselected = desk.Panels().cards->CurrentCard();
  Key(Qt::Key_Return);
  ASSERT_EQ(desk.Game().Play().CardsPlayed, before + 1);
  EXPECT_EQ(desk.Game().Play().PlayLog[before].card, preselected);
}

// In Danish a card is typed with the Danish suit letters (klør K, ruder R),
// K after a rank reads as clubs, and the English letters still work.
TEST_F(DeskPlayTest, KeyboardTakesTheSuitLettersOfTheLanguage) {
  TDeskTop& desk = Desk("Imp", 1, 1);
  desk.NewHandClick();
  desk.BidButClick("S1");
  desk.BidButClick("S4");
  Click("EOBStart");
  const char* danish = "KRHS";
  const char* english = "CDHS";
  for (int round = 0; round < 4 && desk.Game().State().phase == Phase::Playing; ++round) {
    if (desk.Panel("ButClearTable")->isEnabled()) Click("ButClearTable");
    const CardCode card = DefaultCard(desk.Game().Play());
    const std::string text = CardText(card);
    const int suit = SuitOf(card);
    const int played = desk.Game().Play().CardsPlayed;
    const int sounds = SoundCount();
    Key(static_cast<Qt::Key>(text[0]));
    Key(static_cast<Qt::Key>((round % 2 ? english : danish)[suit]));
    ASSERT_GT(desk.Game().Play().CardsPlayed, played) << text << " round " << round;
    EXPECT_EQ(desk.Game().Play().PlayLog[played].card, card) << text;
    EXPECT_EQ(SoundCount(), sounds);
  }
  // The king read as a rank, then K as the suit: the king of clubs, which
  // this hand cannot play now, so the keys are refused with a sound.
  if (desk.Panel("ButClearTable")->isEnabled()) Click("ButClearTable");
  const int played = desk.Game().Play().CardsPlayed;
  const int sounds = SoundCount();
  ASSERT_FALSE(IsLegalCard(desk.Game().Play(), ParseCard("KC")));
  Key(Qt::Key_K);
  Key(Qt::Key_K);
  EXPECT_EQ(desk.Game().Play().CardsPlayed, played);
  EXPECT_EQ(SoundCount(), sounds + 1);
}

TEST_F(DeskPlayTest, TakeBackOfALeadShowsThePreviousTrickAgain) {
  TDeskTop& desk = FourSpades();
  Click("EOBStart");
  PlayOn(5);
  ASSERT_GE(desk.Game().Play().CardsPlayed, 5);
  while (desk.Game().Play().CardsPlayed > 5) Click("TPPBackup");
  const CardCode lead = desk.Game().Play().PlayLog[4].card;
  const Seat leader = desk.Game().Play().PlayLog[4].seat;
  Click("TPPBackup");
  EXPECT_EQ(desk.Game().Play().CardsPlayed, 4);
  // The lead is the card Enter would play again.
  EXPECT_EQ(desk.Panels().cards->CurrentCard(), lead) << CardText(lead);
  // The four cards of the first trick lie on the table again.
  for (Seat s = North; s <= West; ++s) EXPECT_NE(desk.Panels().cards->Hand(s).CardOnTable(), 0) << s;
  EXPECT_TRUE(desk.Panel("ButClearTable")->isEnabled());
  EXPECT_TRUE(desk.Panel("TPPBackup")->isEnabled());
  Key(Qt::Key_Return);   // clears the trick; the play goes on
  EXPECT_FALSE(desk.Panel("ButClearTable")->isEnabled());
  // The winner of trick one leads to trick two again: a computer seat at
  // once, the user's seats by waiting for the user.
  if (leader == East || leader == West) {
    ASSERT_GE(desk.Game().Play().CardsPlayed, 5);
    EXPECT_EQ(desk.Game().Play().PlayLog[4].seat, leader);
  } else {
    EXPECT_EQ(desk.Game().Play().CardsPlayed, 4);
    EXPECT_EQ(desk.Game().Play().ToPlay, leader);
  }
}

TEST_F(DeskPlayTest, TakeBackOfTheVeryFirstCard) {
  TDeskTop& desk = TwoHeartsByEast();
  Click("EOBStart");
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 0);   // the user is on lead
  EXPECT_FALSE(desk.Panel("TPPBackup")->isEnabled());
  // The hint on lead comes from the library's list: KS or 4H.
  Click("ButHint");
  EXPECT_TRUE(desk.Panel("ButPlayHint")->isVisible());
  Click("ButPlayHint");
  EXPECT_GE(desk.Game().Play().CardsPlayed, 1);
  EXPECT_FALSE(desk.Panel("ButPlayHint")->isVisible());
  while (desk.Game().Play().CardsPlayed > 0) Click("TPPBackup");
  EXPECT_FALSE(desk.Panel("TPPBackup")->isEnabled());
  EXPECT_TRUE(desk.Panel("ButHint")->isEnabled());
}

// The seat to play is marked in yellow on its side of the cloth, and a card
// clicked out of turn or against the suit led is refused with a word in the
// status line.
TEST_F(DeskPlayTest, TheSeatToPlayIsMarkedAndARefusedClickSaysWhy) {
  TDeskTop& desk = FourSpades();
  Click("EOBStart");
  ASSERT_EQ(desk.Game().Play().ToPlay, North);
  auto* mark = desk.findChild<QLabel*>("TurnMark");
  ASSERT_NE(mark, nullptr);
  const int half = desk.Panel("Table")->height() / 2;
  EXPECT_TRUE(mark->isVisible());
  EXPECT_EQ(mark->text(), "North");
  EXPECT_LT(mark->geometry().center().y(), half);
  // East's hidden cards: not East's turn.
  int sounds = SoundCount();
  QTest::mouseClick(desk.Panels().cards->Hand(East).Card(1), Qt::LeftButton);
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(desk.statusBar()->currentMessage(), "North to play");
  // A card of dummy's in another suit than the one led, while dummy can follow.
  const PlayState& play = desk.Game().Play();
  TMateCard* revoke = nullptr;
  for (int n = 1; n <= 13 && !revoke; ++n)
    if (!desk.Game().IsLegal(desk.Panels().cards->Hand(North).Card(n)->Tag()))
      revoke = desk.Panels().cards->Hand(North).Card(n);
  ASSERT_NE(revoke, nullptr);
  sounds = SoundCount();
  QTest::mouseClick(revoke, Qt::LeftButton);
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(play.CardsPlayed, 1);
  EXPECT_EQ(desk.statusBar()->currentMessage(), "North must follow suit");
  // Dummy plays, East follows at once, and the mark goes to South's side.
  SendCard(DefaultCard(play));
  ASSERT_EQ(play.ToPlay, South);
  EXPECT_EQ(mark->text(), "South");
  EXPECT_GT(mark->geometry().center().y(), half);
  EXPECT_TRUE(desk.statusBar()->currentMessage().isEmpty());
  Click("TPPFast");
  EXPECT_FALSE(mark->isVisible());
}

// Take back that leaves a computer seat to play: the table says so, and
// Continue, a click on the table or Enter lets it play. Shift+Take Back and
// "Take Back to My Last Card" go back to the user's own last card at once.
TEST_F(DeskPlayTest, AfterTakeBackTheComputerSeatIsLetPlayAndTheUsersCardIsOnePressAway) {
  TDeskTop& desk = FourSpades();
  Click("EOBStart");
  const PlayState& play = desk.Game().Play();
  SendCard(DefaultCard(play));   // dummy's card; East follows
  ASSERT_EQ(play.CardsPlayed, 3);
  const CardCode eastCard = play.PlayLog[2].card;
  auto* next = desk.Panel("ButContinue");
  ASSERT_NE(next, nullptr);
  EXPECT_FALSE(next->isVisible());
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    Click("TPPBackup");
    ASSERT_EQ(play.CardsPlayed, 2);
    ASSERT_EQ(play.ToPlay, East);
    EXPECT_TRUE(next->isVisible());
    EXPECT_FALSE(desk.Panel("ButHint")->isVisible());
    EXPECT_EQ(desk.statusBar()->currentMessage(), "East to play: press Enter or click Continue");
    if (way == 0) Click("ButContinue");
    else if (way == 1) QTest::mouseClick(desk.Panel("Table"), Qt::LeftButton);
    else Key(Qt::Key_Return);
    ASSERT_EQ(play.CardsPlayed, 3);
    EXPECT_EQ(play.PlayLog[2].card, eastCard);
    EXPECT_EQ(play.ToPlay, South);
    EXPECT_FALSE(next->isVisible());
    EXPECT_TRUE(desk.Panel("ButHint")->isVisible());
    EXPECT_TRUE(desk.statusBar()->currentMessage().isEmpty());
  }
  // Shift+Take Back: East's card and dummy's in one press; dummy to play
  // again with its card selected.
  const CardCode dummyCard = play.PlayLog[1].card;
  QTest::mouseClick(desk.Panel("TPPBackup"), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(play.CardsPlayed, 1);
  EXPECT_EQ(play.ToPlay, North);
  EXPECT_EQ(desk.Panels().cards->CurrentCard(), dummyCard);
  EXPECT_FALSE(next->isVisible());
  // The menu item, some tricks later: the cards after the user's last one go
  // with it, and the user is to play that card's turn again.
  PlayOn(14);
  int mine = play.CardsPlayed - 1;
  while (mine >= 0 && !play.Hands[play.PlayLog[mine].seat].HumanControlled) --mine;
  ASSERT_GE(mine, 1);
  const PlayLogEntry last = play.PlayLog[mine];
  desk.Action("TakeBackToMyLastCard")->trigger();
  EXPECT_EQ(play.CardsPlayed, mine);
  EXPECT_EQ(play.ToPlay, last.seat);
  EXPECT_EQ(desk.Panels().cards->CurrentCard(), last.card);
}

TEST_F(DeskPlayTest, FinishPlayInTrickOneScoresTheBoardOnce) {
  TDeskTop& desk = TwoHeartsByEast();
  EXPECT_TRUE(desk.Panel("SkipBtn")->isEnabled());
  Click("EOBStart");
  // Filing the board writes the options file. With a folder standing where
  // the file goes every write fails with one message, so the messages count
  // the filings.
  QFile::remove(dir_.filePath("Options.INI"));
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Options.INI"));
  std::vector<std::string> messages;
  {
    SetMessageSink([&](const std::string& text) { messages.push_back(text); });
    struct Restore {
      ~Restore() { SetMessageSink({}); }
    } restore;
    Click("TPPFast");
  }
  EXPECT_EQ(messages.size(), 1u);
  for (const std::string& m : messages) EXPECT_EQ(m.rfind("Could not save the file", 0), 0u) << m;
  ASSERT_TRUE(QDir(dir_.path()).rmdir("Options.INI"));
  EXPECT_EQ(desk.Game().State().phase, Phase::BoardOver);
  EXPECT_TRUE(desk.Game().ResultFiled());
  EXPECT_FALSE(desk.Game().ResultWritten());
  EXPECT_EQ(desk.Game().Play().DeclarerTricks + std::stoi(desk.Panel("PlayPanelNSTrks")->property("text").toString().toStdString()), 13);
}

// The standard result itself is the game's; the table shows it.
TEST_F(DeskPlayTest, SkipPlayShowsTheStandardResult) {
  TDeskTop& desk = TwoHeartsByEast();
  Click("SkipBtn");
  EXPECT_EQ(desk.Game().State().phase, Phase::BoardOver);
  EXPECT_TRUE(desk.Game().ResultFiled());
  const int tricks = desk.Game().Play().DeclarerTricks;
  EXPECT_EQ(desk.findChild<QLabel*>("PlayPanelEWTrks")->text().toInt(), tricks);
  EXPECT_EQ(desk.findChild<QLabel*>("PlayPanelNSTrks")->text().toInt(), 13 - tricks);
  const auto* pad = static_cast<TBridgeLab*>(desk.Panel("ScorePadResults"));
  EXPECT_TRUE(pad->Caption().contains(QString::number(BoardScore()))) << pad->Caption().toStdString();
}

TEST_F(DeskPlayTest, ReplayStartsThePlayOfTheSameContractAgain) {
  TDeskTop& desk = TwoHeartsByEast();
  Click("SkipBtn");
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  Click("ButReplayHand");
  EXPECT_EQ(desk.Game().State().phase, Phase::Playing);
  EXPECT_FALSE(desk.Panel("ScorePad")->isVisible());
  EXPECT_FALSE(desk.Panels().scorePages->isVisible());
  EXPECT_TRUE(desk.Panel("ThePlayPad")->isVisible());
}

TEST_F(DeskPlayTest, TheStrataPageSeenLastOpensNextTime) {
  TDeskTop& desk = TwoHeartsByEast();
  Click("SkipBtn");
  desk.Panels().scorePages->setCurrentIndex(1);
  EXPECT_EQ(Option.LastStrataSeen, 1);
  desk.NewHandClick();
  desk.PriorHand1Click();
  while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
  Click("SkipBtn");
  EXPECT_EQ(desk.Panels().scorePages->currentIndex(), 1);
}

}  // namespace
}  // namespace quorval
