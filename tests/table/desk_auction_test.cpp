// The auction at the table window: the box, the keyboard, hint, make bid,
// take back, the review grid and the end of the auction. The rules of the
// auction are the game's (tests/game/game_auction_test.cpp).
#include <QAction>
#include <QLabel>

#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/colour_ref.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

using Tokens = std::vector<std::string>;

TEST_F(DeskTest, TheBoxMakesAllowedCallsAndRefusesOthersWithASound) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();   // P 1C, South to call
  const int sounds = SoundCount();
  desk.BidButClick("N2");   // 2NT: legal bridge, not in the library
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(Calls().size(), 2u);
  desk.BidButClick("S1");
  // West and North answer at once, and the box waits for South again.
  EXPECT_EQ(Calls().size(), 6u);
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_TRUE(desk.Panels().bidBox->isVisible());
}

TEST_F(DeskTest, KeyboardBidsLevelThenStrain) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  // The level typed shows at once: its bids stand pressed in the box.
  Key(Qt::Key_1);
  EXPECT_EQ(desk.Panels().bidBox->TypedLevel(), 1);
  EXPECT_TRUE(desk.Panels().bidBox->BidButton(1, Spade)->Sunk());
  EXPECT_FALSE(desk.Panels().bidBox->BidButton(2, Spade)->Sunk());
  Key(Qt::Key_S);
  ASSERT_EQ(Calls().size(), 6u);
  EXPECT_EQ(desk.Panels().bidBox->TypedLevel(), 0);
  EXPECT_FALSE(desk.Panels().bidBox->BidButton(1, Spade)->Sunk());
  // Strain first, then the level, does nothing.
  Key(Qt::Key_S);
  Key(Qt::Key_4);
  EXPECT_EQ(Calls().size(), 6u);
  EXPECT_EQ(desk.Panels().bidBox->TypedLevel(), 4);
  // A refused call clears the level shown.
  Key(Qt::Key_7);
  Key(Qt::Key_C);
  EXPECT_EQ(Calls().size(), 6u);
  EXPECT_EQ(desk.Panels().bidBox->TypedLevel(), 0);
  Key(Qt::Key_4);
  Key(Qt::Key_S);
  EXPECT_EQ(desk.Game().State().phase, Phase::BiddingOver);
  EXPECT_EQ(desk.Game().Auction().auction.Result().bid, MakeBid(4, Spade));
  EXPECT_EQ(desk.Game().Auction().auction.Result().declarer, South);
  // Keys while the end-of-auction panel is up do nothing.
  Key(Qt::Key_P);
  EXPECT_EQ(Calls().size(), 10u);
  EXPECT_EQ(desk.Game().State().phase, Phase::BiddingOver);
}

TEST_F(DeskTest, XDoublesOrRedoublesByState) {
  // South doubles 1H, then redoubles West's double of South's 2S.
  UseLibrary("[Imp01.01.D]\r\nP,1H,X,P,2S,X,XX,P,P,P,Lead,8C,100\r\n");
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  Key(Qt::Key_X);
  EXPECT_EQ(Calls(), (Tokens{"P", "1H", "X", "P", "2S", "X"}));
  Key(Qt::Key_X);
  EXPECT_EQ(desk.Game().Auction().auction.Result().DoubledCount, 2);
  EXPECT_EQ(desk.Game().State().phase, Phase::BiddingOver);
}

TEST_F(DeskTest, AKeyThatIsNoBiddingKeySounds) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  const int sounds = SoundCount();
  Key(Qt::Key_Z);
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(Calls().size(), 2u);
}

TEST_F(DeskTest, MakeBidMakesTheCallTheHintHighlights) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");
  desk.ButHelpBidClick();
  // The library's lines after P 1C 1S P 2S P go on with 4S (the main line),
  // Pass and 3S: the box shows 4S as the suggestion (yellow with navy text)
  // and Pass and 3S as the alternatives (pale yellow); other calls keep
  // their own colours.
  const TBidBoxEuro& box = *desk.Panels().bidBox;
  const QColor suggested(255, 255, 0), alternative(255, 252, 196);
  EXPECT_EQ(box.BidButton(4, Spade)->Face(), suggested);
  EXPECT_EQ(box.BidButton(4, Spade)->TextColour(), QColor(0, 0, 128));
  EXPECT_EQ(box.ActionButton(baPass)->Face(), alternative);
  EXPECT_EQ(box.BidButton(3, Spade)->Face(), alternative);
  EXPECT_EQ(box.BidButton(3, NT)->Face(), QColor(178, 178, 178));
  EXPECT_EQ(box.BidButton(5, Club)->Face(), QColor(100, 255, 178));
  Key(Qt::Key_M);
  ASSERT_EQ(Calls().size(), 10u);
  EXPECT_EQ(desk.Game().Auction().Calls[6], "4S");
  EXPECT_EQ(desk.Game().State().phase, Phase::BiddingOver);
}

TEST_F(DeskTest, TakeBackFromTheBoxAndBackspace) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");
  ASSERT_EQ(Calls().size(), 6u);
  desk.BidButClick("Ta");
  EXPECT_EQ(Calls().size(), 2u);
  EXPECT_EQ(desk.Panels().bidReview->Cell(3, 0), " ");   // South's 1S is gone from the review
  // With two calls there is nothing to take back.
  const int sounds = SoundCount();
  Key(Qt::Key_Backspace);
  EXPECT_EQ(SoundCount(), sounds + 1);
  EXPECT_EQ(Calls().size(), 2u);
}

TEST_F(DeskTest, TakeBackAfterTheAuctionEndedOffersTheBoxAgain) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");
  desk.BidButClick("S4");
  ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
  desk.ButTakeBackBidClick();
  EXPECT_EQ(desk.Game().State().phase, Phase::Bidding);
  EXPECT_EQ(Calls().size(), 6u);
  EXPECT_TRUE(desk.Panels().bidBox->isVisible());
  EXPECT_FALSE(desk.Panel("EndOfBidding")->isVisible());
}

TEST_F(DeskTest, WestDealersReviewStartsInWestsColumn) {
  TDeskTop& desk = Desk("Imp", 4);   // Imp01.04: dealer West, three passes
  desk.NewHandClick();
  // The review starts in the West column of row 0.
  EXPECT_EQ(desk.Panels().bidReview->Cell(0, 0), "Pass");
  EXPECT_EQ(desk.Panels().bidReview->Cell(2, 0), "Pass");
  EXPECT_EQ(desk.Panels().bidReview->Cell(3, 0), " ");
}

TEST_F(DeskTest, ReviewGridWithNorthDealing) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");
  TBridgeGrid* grid = desk.Panels().bidReview;
  EXPECT_EQ(grid->Cell(0, 0), QString(" ") + QString(2, QChar(0x2014)));
  EXPECT_EQ(grid->Cell(1, 0), "Pass");
  EXPECT_EQ(grid->Cell(2, 0), "1~C");
  EXPECT_EQ(grid->Cell(3, 0), "1~S");
  EXPECT_EQ(grid->Cell(0, 1), "Pass");
  EXPECT_EQ(grid->Cell(1, 1), "2~S");
  EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(DeskTest, APassedOutAuctionEndsTheBoardAtOnce) {
  UseLibrary("[Imp01.01.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.ButMakeBidClick();
  EXPECT_EQ(desk.Game().State().phase, Phase::BoardOver);
  EXPECT_FALSE(desk.Panel("EOBStart")->isEnabled());
  EXPECT_FALSE(desk.Action("ReplayHand")->isEnabled());
  EXPECT_TRUE(desk.Panel("ScorePad")->isVisible());
}

TEST_F(DeskTest, SkipPlayOnlyWhenEastOrWestDeclares) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");
  desk.BidButClick("Pa");   // 2S by South, who bid spades first
  ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
  EXPECT_FALSE(desk.Panel("SkipBtn")->isEnabled());
  EXPECT_TRUE(desk.Panel("EOBStart")->isEnabled());
  EXPECT_EQ(desk.Panel("ContractImg")->property("contractText").toString(), QStringLiteral("2~S by South"));
  // The contract is in view while the user chooses to play or not.
  EXPECT_FALSE(desk.Panel("PlayPanel")->isHidden());
  EXPECT_EQ(desk.findChild<QLabel*>("PlayPanelNSTrks")->text(), "0");
}

// The contract picture lies on the play panel (skin colour 6) and is filled
// with that colour, not with the window's colour 0, in every skin.
TEST_F(DeskTest, TheContractPictureTakesThePlayPanelsGround) {
  for (const char* skin : {"Olive", "Teal"}) {
    ApplyColorSkin(Option, skin);
    Option.ColorSkin = skin;
    TDeskTop& desk = Desk();
    desk.NewHandClick();
    desk.BidButClick("S1");
    desk.BidButClick("Pa");
    ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
    const QImage picture = static_cast<QLabel*>(desk.Panel("ContractImg"))->pixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    const QColor panel = desk.Panel("PlayPanel")->palette().color(QPalette::Window);
    EXPECT_EQ(panel, FromColourRef(uint32_t(Option.SkinColors[6]))) << skin;
    EXPECT_EQ(QColor(picture.pixel(picture.width() - 1, picture.height() - 1)), panel) << skin;
  }
}

TEST_F(DeskTest, NextBoardsContractPanelDoesNotCarryTheLastBoardsTricks) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");
  desk.BidButClick("Pa");
  desk.EOBStartClick();
  Click("TPPFast");   // Finish Play: all thirteen tricks
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  desk.NewHandClick();
  while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
  // Imp01.02's main line ends in 4S.
  ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
  ASSERT_EQ(desk.Game().Auction().auction.Result().bid, MakeBid(4, Spade));
  EXPECT_FALSE(desk.Panel("PlayPanel")->isHidden());
  EXPECT_EQ(desk.findChild<QLabel*>("PlayPanelNSTrks")->text(), "0");
  EXPECT_EQ(desk.findChild<QLabel*>("PlayPanelEWTrks")->text(), "0");
}

}  // namespace
}  // namespace quorval

namespace quorval {
namespace {

// Tests that change the language: the notrump mark of the suit texts is
// shared by every window, so it goes back to English even when a test fails.
class DeskLanguageTest : public DeskTest {
 protected:
  void TearDown() override {
    SetSymbolLanguage(0);
    DeskTest::TearDown();
  }
};

TEST_F(DeskTest, ReviewBiddingOpensOverTheTableAndCloses) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  EXPECT_FALSE(desk.Action("ReviewBidding")->isEnabled());
  desk.BidButClick("S1");
  desk.BidButClick("S4");
  desk.EOBStartClick();
  EXPECT_FALSE(desk.Panel("BidReviewPanel")->isVisible());
  desk.Action("ReviewBidding")->trigger();
  EXPECT_TRUE(desk.Panel("BidReviewPanel")->isVisible());
  EXPECT_EQ(desk.Panels().bidReview->Cell(3, 1), "4~S");
  Click("CloseBidReview");
  EXPECT_FALSE(desk.Panel("BidReviewPanel")->isVisible());
}

TEST_F(DeskLanguageTest, LanguageChangesTheBiddingKeys) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.Action("Danish")->trigger();
  EXPECT_EQ(Option.Language, 1);
  Key(Qt::Key_1);
  Key(Qt::Key_S);   // spades in Danish too
  EXPECT_EQ(Calls().size(), 6u);
  Key(Qt::Key_4);
  Key(Qt::Key_U);   // "U" is no-trump in Danish: 4NT is not in the library
  EXPECT_EQ(Calls().size(), 6u);
  EXPECT_EQ(desk.Panels().bidReview->Cell(3, 0), "1~S");
}

}  // namespace
}  // namespace quorval

namespace quorval {
namespace {

// A language for this run only (--language) gives the bidding keys too,
// while the stored option stays English: J is the Danish hint key.
TEST_F(DeskLanguageTest, TheRunsLanguageGivesTheBiddingKeys) {
  TDeskTop& desk = Desk("Imp", 1, 1);
  desk.NewHandClick();
  EXPECT_EQ(Option.Language, 0);
  const int sounds = SoundCount();
  Key(Qt::Key_J);
  EXPECT_EQ(SoundCount(), sounds);
  Key(Qt::Key_I);   // the English hint key is no Danish bidding key
  EXPECT_EQ(SoundCount(), sounds + 1);
  Key(Qt::Key_1);
  Key(Qt::Key_S);
  EXPECT_EQ(desk.Panels().bidReview->Cell(3, 0), "1~S");
}

// Choosing Danish turns the notrump mark into the Danish abbreviation on the
// bidding box and in the contract; back in English it reads NT again.
TEST_F(DeskLanguageTest, LanguageChangesTheNotrumpMark) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.LanguageClick(1);
  EXPECT_EQ(desk.Panels().bidBox->BidButton(3, NT)->Caption(), QStringLiteral("3UT"));
  desk.LanguageClick(0);
  EXPECT_EQ(desk.Panels().bidBox->BidButton(3, NT)->Caption(), QStringLiteral("3NT"));
}

}  // namespace
}  // namespace quorval
