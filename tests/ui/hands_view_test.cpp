// The hands around the table: suit order, face-up and face-down layout, the
// card on the table, hiding and showing hands, mouse and keyboard selection.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include "core/messages.h"
#include "tests/ui/ui_test_app.h"
#include "ui/hands_view.h"
#include "ui/table_message.h"

namespace quorval {
namespace {

using testing::UiTest;

// West AKQ / JT9 / 876 / 5432, North JT98 / AKQ / 5432 / 76,
// East 765 / 8765 / AKQ / JT9, South 432 / 432 / JT9 / AKQ8.
const std::string kDeal = "W:AKQ.JT9.876.5432 JT98.AKQ.5432.76 765.8765.AKQ.JT9 432.432.JT9.AKQ8";

// The window the table messages reach.
class TableWindow : public QWidget {
 public:
  std::vector<CardCode> received;

 protected:
  void customEvent(QEvent* e) override {
    if (e->type() == kTableMessageType) received.push_back(static_cast<TableMessage*>(e)->card());
  }
};

TEST(SuitDisplayOrder, FollowsTheDecidingStrainAndWestReadsItBackwards) {
  struct Row {
    tAllTrump strain;
    std::array<TSuit, 4> order;
  };
  const Row rows[] = {{Club, {Club, Heart, Spade, Diamond}},
                      {Diamond, {Diamond, Spade, Heart, Club}},
                      {Heart, {Heart, Spade, Diamond, Club}},
                      {Spade, {Spade, Heart, Club, Diamond}},
                      {NT, {Spade, Heart, Club, Diamond}}};
  for (const Row& row : rows) {
    EXPECT_EQ(SuitDisplayOrder(row.strain, South), row.order) << row.strain;
    auto reversed = row.order;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(SuitDisplayOrder(row.strain, West), reversed) << row.strain;
  }
}

const QRect kTable(176, 104, 241, 203);
const QRect kNorthPanel(116, 5, 324, 99), kEastPanel(423, 104, 189, 205), kSouthPanel(82, 311, 339, 104),
    kWestPanel(4, 104, 160, 205);

TEST(HandLayout, ThirteenSpadesInEastMakeOneRowEightPixelsApart) {
  const auto at = FaceUpPositions(East, {13, 0, 0, 0}, kTable, kEastPanel);
  ASSERT_EQ(at.size(), 13u);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(at[i], QPoint(kEastPanel.left() + 8 * i, kEastPanel.top()));
}

TEST(HandLayout, EastAndWestStartARowPerSuitButNotForAVoid) {
  const auto at = FaceUpPositions(West, {5, 0, 4, 4}, kTable, kWestPanel);
  ASSERT_EQ(at.size(), 13u);
  EXPECT_EQ(at[4], QPoint(kWestPanel.left() + 4 * 18, kWestPanel.top()));
  EXPECT_EQ(at[5], QPoint(kWestPanel.left(), kWestPanel.top() + 35));   // the void added no row
  EXPECT_EQ(at[9], QPoint(kWestPanel.left(), kWestPanel.top() + 70));
}

TEST(HandLayout, AWideNorthOrSouthHandIsPlacedFromTheTableRight) {
  // Thirteen cards in four suits take 12 x 18 + 3 x 17 + 70 = 337 pixels,
  // more than the table's 241 (176 to 417).
  const auto south = FaceUpPositions(South, {4, 3, 3, 3}, kTable, kSouthPanel);
  ASSERT_EQ(south.size(), 13u);
  // South's last card ends at the table's right edge: 417 - 70 = 347, so
  // the hand starts at 347 - 267 = 80.
  EXPECT_EQ(south[0], QPoint(80, kSouthPanel.top()));
  EXPECT_EQ(south[12].x(), 347);
  EXPECT_EQ(south[1].x() - south[0].x(), 18);   // within a suit
  EXPECT_EQ(south[4].x() - south[3].x(), 35);   // a new suit adds 17
  // North would start 12 pixels further right, at 92, but never more than
  // 10 pixels left of its panel (116): 106.
  const auto north = FaceUpPositions(North, {4, 3, 3, 3}, kTable, kNorthPanel);
  EXPECT_EQ(north[0], QPoint(106, kNorthPanel.top()));
}

TEST(HandLayout, ANarrowHandIsCentredAndAVoidAddsNoGap) {
  // Five cards in two suits: 4 x 18 + 17 + 70 = 159 pixels, centred on the
  // 241-pixel table: 41 pixels free on either side.
  const auto at = FaceUpPositions(South, {3, 0, 2, 0}, kTable, kSouthPanel);
  ASSERT_EQ(at.size(), 5u);
  EXPECT_EQ(at[0].x(), 217);
  EXPECT_EQ(at[4].x(), 306);
  EXPECT_EQ(at[0].x() - kTable.left(), kTable.left() + kTable.width() - (at[4].x() + 70));
}

TEST(HandLayout, FaceDownCardsAndTableTargets) {
  // Thirteen backs 10 pixels apart, 191 pixels in all, centred over the table.
  const auto north = FaceDownPositions(North, 13, kTable, kNorthPanel);
  EXPECT_EQ(north[0], QPoint(201, kNorthPanel.top()));
  EXPECT_EQ(north[12].x(), 321);
  // West's backs hang 77 pixels left of the table, 9 pixels apart downwards.
  const auto west = FaceDownPositions(West, 13, kTable, kWestPanel);
  EXPECT_EQ(west[0], QPoint(99, kWestPanel.top()));
  EXPECT_EQ(west[12], QPoint(99, kWestPanel.top() + 108));
  // The played cards: North and South centred across the table 5 pixels
  // from its top and bottom; East and West 5 pixels from its sides, halfway
  // down (the card is 71 x 95).
  EXPECT_EQ(TableTarget(North, kTable), QPoint(261, 109));
  EXPECT_EQ(TableTarget(South, kTable), QPoint(261, 207));
  EXPECT_EQ(TableTarget(East, kTable), QPoint(341, 158));
  EXPECT_EQ(TableTarget(West, kTable), QPoint(181, 158));
}

class HandsViewTest : public UiTest {
 protected:
  void SetUp() override {
    window.resize(1000, 700);
    tablePanel = new QWidget(&window);
    tablePanel->setGeometry(kTable);
    const QRect rects[4] = {kNorthPanel, kEastPanel, kSouthPanel, kWestPanel};
    for (Seat s = North; s <= West; ++s) {
      panels[s] = new QWidget(&window);
      panels[s]->setGeometry(rects[s]);
    }
    tricks = new QWidget(&window);
    tricks->setGeometry(80, 412, 428, 126);
    Deal deal;
    std::vector<std::string> errors;
    ASSERT_TRUE(ParseDeal(kDeal, deal, errors));
    DealToHands(deal, hands);
    cards = std::make_unique<TCardTable>(&window, tablePanel, panels, tricks, &hands);
    cards->LoadAll();
    cards->RedisplayAll();
    window.show();
    CardDeck::SetClock([this] { return now; });
    ResetMessageCounts();
  }
  void TearDown() override { CardDeck::SetClock(nullptr); }

  // The South card showing this card code.
  TMateCard* SouthCard(const char* text) { return cards->Hand(South).FindCard(ParseCard(text)); }
  void LetSouthPlay(int suitLed = -1) {
    cards->Context() = TPlayContext{false, South, suitLed, suitLed};
    cards->Hand(South).EnableForPlay(true);
  }
  void Click(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(10, 10));
    now += 10;
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::sendPostedEvents(&window, kTableMessageType);
  }
  void Drag(QWidget* w, QPoint by) {
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(10 + by.x(), 10 + by.y()), w->mapToGlobal(QPointF(10, 10) + by),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
    now += 1000;
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::sendPostedEvents(&window, kTableMessageType);
  }

  TableWindow window;
  QWidget* tablePanel = nullptr;
  std::array<QWidget*, 4> panels{};
  QWidget* tricks = nullptr;
  std::array<THands, 4> hands{THands(North), THands(East), THands(South), THands(West)};
  std::unique_ptr<TCardTable> cards;
  int64_t now = 5000;
};

TEST_F(HandsViewTest, SouthIsDealtFaceUpInSuitOrderAndTheOthersFaceDown) {
  THandView& south = cards->Hand(South);
  std::vector<std::string> shown;
  for (int n = 1; n <= 13; ++n) {
    TMateCard* card = south.Card(n);
    EXPECT_FALSE(card->ShowBack());
    EXPECT_TRUE(card->isVisible());
    shown.push_back(CardText(card->Tag()));
  }
  const std::vector<std::string> want = {"4S", "3S", "2S", "4H", "3H", "2H", "AC", "KC",
                                         "QC", "8C", "JD", "TD", "9D"};
  EXPECT_EQ(shown, want);
  const auto at = FaceUpPositions(South, {3, 3, 4, 3}, kTable, kSouthPanel);
  for (int n = 1; n <= 13; ++n) EXPECT_EQ(south.Card(n)->pos(), at[n - 1]);
  for (Seat s : {North, East, West})
    for (int n = 1; n <= 13; ++n) EXPECT_TRUE(cards->Hand(s).Card(n)->ShowBack());
  EXPECT_TRUE(south.Card(14)->isHidden());
}

TEST_F(HandsViewTest, WestShowsTheSuitsReversed) {
  cards->ShowHandsClick();
  EXPECT_EQ(cards->FaceUpSeats(), 30);
  THandView& west = cards->Hand(West);
  EXPECT_EQ(CardText(west.Card(1)->Tag()), "8D");   // diamonds first, spades last
  EXPECT_EQ(CardText(west.Card(13)->Tag()), "QS");
  for (Seat s = North; s <= West; ++s) EXPECT_FALSE(cards->Hand(s).Card(1)->ShowBack());
}

TEST_F(HandsViewTest, AQuickClickOnAPlayableCardReachesTheTableWindow) {
  LetSouthPlay();
  Click(SouthCard("AC"));
  ASSERT_EQ(window.received.size(), 1u);
  EXPECT_EQ(window.received[0], ParseCard("AC"));
  EXPECT_EQ(cards->CurrentCard(), ParseCard("AC"));
}

TEST_F(HandsViewTest, CardsThatMayNotBePlayedSendNothing) {
  // While the table blocks play.
  cards->Hand(South).EnableForPlay(true);
  cards->Context().blocked = true;
  Click(SouthCard("AC"));
  // Another seat's turn.
  LetSouthPlay();
  cards->Context().toPlay = West;
  Click(SouthCard("AC"));
  // Not following the suit led while holding it.
  LetSouthPlay(Heart);
  Click(SouthCard("AC"));
  EXPECT_TRUE(window.received.empty());
  Click(SouthCard("2H"));
  EXPECT_EQ(window.received, std::vector<CardCode>{ParseCard("2H")});
}

TEST_F(HandsViewTest, ACardDroppedOutsideTheTableGoesBackAndOneDroppedOnItIsPlayed) {
  LetSouthPlay();
  TMateCard* card = SouthCard("KC");
  const QPoint home = card->pos();
  Drag(card, QPoint(0, 150));   // below the hand, away from the table
  EXPECT_TRUE(window.received.empty());
  EXPECT_EQ(card->pos(), home);
  Drag(card, QPoint(0, -120));   // up onto the table panel
  EXPECT_EQ(window.received, std::vector<CardCode>{ParseCard("KC")});
}

TEST_F(HandsViewTest, PlayingACardPutsItOnTheTableAndClosesTheHand) {
  THandView& south = cards->Hand(South);
  ASSERT_TRUE(south.PlayCard(ParseCard("QC")));
  TMateCard* played = south.Card(south.CardOnTable());
  EXPECT_EQ(played->Tag(), ParseCard("QC"));
  EXPECT_EQ(played->pos(), TableTarget(South, kTable));
  EXPECT_TRUE(played->Played());
  EXPECT_FALSE(played->ShowBack());
  const auto at = FaceUpPositions(South, {3, 3, 3, 3}, kTable, kSouthPanel);
  EXPECT_EQ(SouthCard("8C")->pos(), at[8]);
  EXPECT_FALSE(south.PlayCard(ParseCard("QC")));   // already gone

  cards->ClearTable();
  EXPECT_TRUE(played->isHidden());
  EXPECT_EQ(south.CardOnTable(), 0);
}

TEST_F(HandsViewTest, HidingHandsDuringPlayKeepsTheDummyInView) {
  struct Row {
    bool playing;
    int dummy;
    std::array<bool, 4> faceUp;
    int mask;
  };
  const Row rows[] = {{false, -1, {false, false, true, false}, 8},
                      {true, North, {true, false, true, false}, 10},
                      {true, South, {true, false, true, false}, 10},
                      {true, East, {false, true, true, false}, 10}};
  for (const Row& row : rows) {
    cards->ShowHandsClick();
    cards->HideHandsClick(row.playing, row.dummy);
    EXPECT_EQ(cards->FaceUpSeats(), row.mask);
    for (Seat s = North; s <= West; ++s) {
      EXPECT_EQ(hands[s].FaceUp, row.faceUp[s]) << "dummy " << row.dummy << " seat " << s;
      EXPECT_EQ(cards->Hand(s).Card(1)->ShowBack(), !row.faceUp[s]);
    }
  }
}

TEST_F(HandsViewTest, KeyboardSelectionWalksThePlayableCards) {
  THandView& south = cards->Hand(South);
  LetSouthPlay(Heart);
  // Nothing selected yet: a beep and the lowest card of the suit led.
  south.SelectNext();
  EXPECT_EQ(SoundCount(), 1);
  EXPECT_EQ(CardText(cards->CurrentCard()), "2H");
  EXPECT_TRUE(SouthCard("2H")->Hilite());
  // Only hearts may be played: the walk wraps round within them.
  south.SelectNext();
  EXPECT_EQ(CardText(cards->CurrentCard()), "4H");
  EXPECT_TRUE(SouthCard("4H")->Hilite());
  EXPECT_FALSE(SouthCard("2H")->Hilite());
  south.SelectPrevious();
  EXPECT_EQ(CardText(cards->CurrentCard()), "2H");
  // No playable card of another suit: the start stays selected.
  south.SelectNextSuit();
  EXPECT_EQ(CardText(cards->CurrentCard()), "2H");
  // At a lead every card may be chosen; the next suit starts with clubs.
  LetSouthPlay();
  south.SelectNextSuit();
  EXPECT_EQ(CardText(cards->CurrentCard()), "AC");
  south.SelectPreviousSuit();
  EXPECT_EQ(CardText(cards->CurrentCard()), "2H");
}

TEST_F(HandsViewTest, KeyboardPlayIsCheckedAgainstTheSuitLed) {
  THandView& south = cards->Hand(South);
  LetSouthPlay(Diamond);
  cards->SetCurrentCard(ParseCard("AC"));
  EXPECT_FALSE(south.CheckCurrentCard());
  EXPECT_EQ(SoundCount(), 1);
  EXPECT_EQ(CardText(cards->CurrentCard()), "9D");
  EXPECT_TRUE(south.CheckCurrentCard());
  cards->SetCurrentCard(ParseCard("AS"));   // West's card
  EXPECT_FALSE(south.CheckCurrentCard());
}

TEST_F(HandsViewTest, WonAndLostTricksLieUprightOrSideways) {
  cards->SetBacks(8, -1);
  cards->SetupTricksRow();
  cards->ShowWonTricks({North, East, South});
  for (int n = 1; n <= 3; ++n) {
    TCard* c = cards->TrickCard(n);
    EXPECT_TRUE(c->isVisibleTo(tricks));
    EXPECT_TRUE(c->ShowBack());
    EXPECT_EQ(c->x(), 25 * (n - 1));
  }
  EXPECT_EQ(cards->TrickCard(1)->geometry(), QRect(0, 1, 71, 95));
  EXPECT_EQ(cards->TrickCard(2)->geometry(), QRect(25, 15, 95, 71));
  EXPECT_EQ(cards->TrickCard(2)->BackDesign(), 8);
  EXPECT_FALSE(cards->TrickCard(4)->isVisibleTo(tricks));
}

}  // namespace
}  // namespace quorval
