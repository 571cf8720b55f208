// The card control: deck cells, highlight, backs and their recolouring,
// sideways backs, localised honour letters and quick click versus drag.

#include <QTest>
#include <QWidget>

#include "tests/ui/ui_test_app.h"
#include "ui/card_control.h"
#include "ui/colour_ref.h"

namespace quorval {
namespace {

using testing::UiTest;

class CardControlTest : public UiTest {
 protected:
  // The clock and the honour letters are shared by every card: put them back
  // even when a test stops half-way.
  void TearDown() override {
    CardDeck::SetClock(nullptr);
    CardDeck::LocaliseHonours(0);
  }
  QWidget owner;
};

TEST_F(CardControlTest, DeckHasSeventyFiveCellsWithWhiteFacesAndColouredBacks) {
  ASSERT_TRUE(CardDeck::IsLoaded());
  for (int i = 0; i < kDeckCells; ++i) {
    const QImage& cell = CardDeck::DeckCell(i);
    ASSERT_EQ(cell.size(), QSize(kCardWidth, kCardHeight)) << "cell " << i;
    if (i < kFirstBackCell) {
      // Highlighting depends on the face ground being pure white.
      EXPECT_EQ(cell.pixel(35, 2), qRgb(255, 255, 255)) << "face " << i;
    } else {
      EXPECT_NE(cell.pixel(10, 3), qRgb(255, 255, 255)) << "back " << i;
    }
  }
  // Pixel (10, 3) holds the ground that recolouring replaces: the same colour
  // fills the margins of the design.
  for (int d = 0; d < kBackDesigns; ++d) {
    const QImage& back = CardDeck::DeckCell(60 + d);
    EXPECT_EQ(back.pixel(3, 45), back.pixel(10, 3)) << CardDeck::BackDesignName(d);
    EXPECT_EQ(back.pixel(60, 3), back.pixel(10, 3)) << CardDeck::BackDesignName(d);
  }
  for (int d = 0; d < kBackDesigns; ++d)
    for (int e = d + 1; e < kBackDesigns; ++e)
      EXPECT_NE(CardDeck::DeckCell(60 + d), CardDeck::DeckCell(60 + e)) << d << " " << e;
  EXPECT_STREQ(CardDeck::BackDesignName(8), "Denmark");
  EXPECT_STREQ(CardDeck::BackDesignName(14), "Traffic Light");
}

TEST_F(CardControlTest, NewCardIsHiddenAndShowsTheTwoOfClubs) {
  TCard card(&owner);
  EXPECT_TRUE(card.isHidden());
  EXPECT_EQ(card.size(), QSize(71, 95));
  EXPECT_EQ(card.BackDesign(), 14);
  EXPECT_EQ(card.BackColor(), -1);
  EXPECT_EQ(card.Picture(), CardDeck::Face(15 * Club + 2));
}

TEST_F(CardControlTest, HighlightReplacesOnlyPureWhite) {
  TCard card(&owner);
  card.SetSuit(Heart);
  card.SetRank(Queen);
  const QImage plain = card.Picture();
  card.SetHilite(true);
  const QImage lit = card.Picture();
  int changed = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) == qRgb(255, 255, 255)) {
        ASSERT_EQ(lit.pixel(x, y), qRgb(170, 195, 230));
        ++changed;
      } else {
        ASSERT_EQ(lit.pixel(x, y), plain.pixel(x, y));
      }
    }
  EXPECT_GT(changed, 1000);
}

TEST_F(CardControlTest, BackColourReplacesTheGroundInsideTheBorderAndCanBeUndone) {
  TCard card(&owner);
  card.SetShowBack(true);
  card.SetBackDesign(8);
  const QImage own = card.BackImage();
  const QRgb ground = own.pixel(10, 3);
  const uint32_t blue = 0x00FF0000;   // 0x00BBGGRR
  card.SetBackColor(blue);
  const QImage recoloured = card.BackImage();
  for (int y = 0; y < own.height(); ++y)
    for (int x = 0; x < own.width(); ++x) {
      const bool inside = x >= 1 && y >= 1 && x <= own.width() - 2 && y <= own.height() - 2;
      const QRgb want = inside && own.pixel(x, y) == ground ? qRgb(0, 0, 255) : own.pixel(x, y);
      ASSERT_EQ(recoloured.pixel(x, y), want) << x << "," << y;
    }
  EXPECT_EQ(card.BackColor(), int64_t(blue));
  card.SetBackColor(-1);
  EXPECT_EQ(card.BackImage(), own);
}

TEST_F(CardControlTest, SettingTheSameDesignKeepsTheColour) {
  TCard card(&owner);
  card.SetBackDesign(3);
  card.SetBackColor(0x0000FF00);
  card.SetBackDesign(3);
  EXPECT_EQ(card.BackColor(), 0x0000FF00);
  card.SetBackDesign(4);
  EXPECT_EQ(card.BackColor(), -1);
  EXPECT_EQ(card.BackImage(), CardDeck::DeckCell(64));
}

TEST_F(CardControlTest, SidewaysCardShowsTheBackTurnedAndTheFaceUpright) {
  TCard card(&owner);
  card.SetBackDesign(11);
  card.SetOrientation(poLandscape);
  EXPECT_EQ(card.size(), QSize(95, 71));
  const QImage& old = CardDeck::DeckCell(60 + 11);
  const QImage& turned = card.BackImage();
  ASSERT_EQ(turned.size(), QSize(95, 71));
  for (int i = 0; i < 95; i += 7)
    for (int j = 0; j < 71; j += 5) ASSERT_EQ(turned.pixel(i, j), old.pixel(j, 94 - i)) << i << "," << j;
  EXPECT_EQ(card.Picture().size(), QSize(71, 95));   // the face stays upright
  card.SetOrientation(poPortrait);
  EXPECT_EQ(card.size(), QSize(71, 95));
  EXPECT_EQ(card.BackImage(), old);
}

TEST_F(CardControlTest, HonourLettersFollowTheLanguageInTheSuitsInk) {
  TCard card(&owner);
  const QImage englishJack = CardDeck::Face(15 * Heart + Jack);
  card.SetLanguage(1);
  EXPECT_EQ(CardDeck::HonourLanguage(), 1);
  const QRgb ink = CardDeck::Face(15 * Heart + 4).pixel(4, 9);
  EXPECT_NE(ink, qRgb(255, 255, 255));
  for (TRank r = Jack; r <= Ace; ++r) {
    const QImage face = CardDeck::Face(15 * Heart + r);
    int inked = 0;
    for (int y = 3; y <= 18; ++y)
      for (int x = 2; x <= 11; ++x) {
        const QRgb c = face.pixel(x, y);
        ASSERT_TRUE(c == ink || c == qRgb(255, 255, 255)) << "rank " << r << " at " << x << "," << y;
        inked += c == ink;
      }
    EXPECT_GT(inked, 10) << "rank " << r;
    // The same letter turned half a turn in the opposite corner.
    EXPECT_EQ(face.pixel(70 - 5, 95 - 10), face.pixel(5, 10));
  }
  EXPECT_NE(CardDeck::Face(15 * Heart + Jack), englishJack);   // "B", not "J"
  // Backs never change with the language.
  EXPECT_EQ(CardDeck::DeckCell(60 + 8), CardDeck::Face(60 + 8));
}

TEST_F(CardControlTest, QuickPressIsAClickAndASlowOneIsNot) {
  owner.resize(200, 200);
  owner.show();
  TCard card(&owner);
  card.show();
  int64_t now = 1000;
  CardDeck::SetClock([&] { return now; });
  const int threshold = CardDeck::QuickClickMs();

  QTest::mousePress(&card, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(card.Dragging());
  now += threshold - 1;
  QTest::mouseRelease(&card, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(card.Clicked());
  EXPECT_FALSE(card.Dragging());

  QTest::mousePress(&card, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(card.Clicked());
  now += threshold;
  QTest::mouseRelease(&card, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(card.Clicked());
}

TEST_F(CardControlTest, RightPressTurnsOnlyATurnableCard) {
  TCard card(&owner);
  QTest::mousePress(&card, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_FALSE(card.ShowBack());
  card.SetTurnable(true);
  QTest::mousePress(&card, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_TRUE(card.ShowBack());
  EXPECT_FALSE(card.Dragging());
}

TEST_F(CardControlTest, LoadingRejectsAStripOfTheWrongSize) {
  EXPECT_FALSE(CardDeck::LoadFrom(QImage(71 * 74, 95, QImage::Format_RGB32), QImage(43, 121, QImage::Format_RGB32)));
  EXPECT_TRUE(CardDeck::IsLoaded());   // the loaded deck stays
  EXPECT_EQ(CardDeck::Face(-1).size(), QSize(71, 95));
  EXPECT_EQ(CardDeck::Face(75).size(), QSize(71, 95));
}

}  // namespace
}  // namespace quorval
