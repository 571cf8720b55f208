// The card images the deck tool draws: the sizes and the cell order the card
// control reads (15 cells per suit, clubs to spades, rank 0 "Void" and 1 "x"
// before the two to the ace, then fifteen backs), the honour letters of every
// language, and the shipped images being what the tool draws.
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/ui/ui_test_app.h"
#include "ui/card_control.h"
#include "painters/deck_painter.h"

namespace quorval::painters {
namespace {

class DeckPainterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    quorval::testing::TestApp();
    deck_ = new QImage(DrawDeck().convertToFormat(QImage::Format_RGB32));
  }
  static void TearDownTestSuite() {
    delete deck_;
    deck_ = nullptr;
  }
  static QImage Cell(int i) { return deck_->copy(kCellW * i, 0, kCellW, kCellH); }
  static QImage* deck_;
};
QImage* DeckPainterTest::deck_ = nullptr;

// The same picture, but for the faint edge shading that text may get
// differently from one drawing to the next (a few levels of grey).
bool SameCard(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  if (x.size() != y.size()) return false;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      if (std::abs(qRed(p) - qRed(q)) > 16 || std::abs(qGreen(p) - qGreen(q)) > 16 ||
          std::abs(qBlue(p) - qBlue(q)) > 16)
        return false;
    }
  return true;
}

// Pixels of a card's middle, away from the corner indexes, that carry a
// suit's ink: red for diamonds and hearts, black for clubs and spades.
struct Ink {
  int red = 0, black = 0;
};
Ink MiddleInk(const QImage& card) {
  Ink ink;
  for (int y = 8; y <= 87; ++y)
    for (int x = 17; x <= 53; ++x) {
      const QColor c = card.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++ink.red;
      else if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++ink.black;
    }
  return ink;
}

TEST_F(DeckPainterTest, SizesAreWhatTheCardControlLoads) {
  EXPECT_EQ(deck_->size(), QSize(71 * 75, 95));
  EXPECT_EQ(DrawHonours().size(), QSize(43, 121));
  EXPECT_EQ(DrawFace(2, 14).size(), QSize(71, 95));
  EXPECT_EQ(DrawBack(0).size(), QSize(71, 95));
}

TEST_F(DeckPainterTest, CellsRunBySuitThenRankThenTheBacks) {
  for (int suit = 0; suit < 4; ++suit) {
    const bool red = suit == 1 || suit == 2;   // diamonds, hearts
    int lastPips = 0;
    for (int rank = 0; rank <= 14; ++rank) {
      const QImage cell = Cell(15 * suit + rank);
      EXPECT_TRUE(SameCard(cell, DrawFace(suit, rank))) << "suit " << suit << " rank " << rank;
      // Faces are white where the control looks for the face ground.
      EXPECT_EQ(cell.pixel(35, 2), qRgb(255, 255, 255)) << "suit " << suit << " rank " << rank;
      const Ink ink = MiddleInk(cell);
      if (rank >= 2 && rank <= 10) {
        // The number cards: only the suit's colour, more pips for each rank.
        const int pips = red ? ink.red : ink.black;
        EXPECT_EQ(red ? ink.black : ink.red, 0) << "suit " << suit << " rank " << rank;
        EXPECT_GT(pips, lastPips) << "suit " << suit << " rank " << rank;
        lastPips = pips;
      }
    }
  }
  for (int d = 0; d < 15; ++d) {
    const QImage back = Cell(60 + d);
    EXPECT_TRUE(SameCard(back, DrawBack(d))) << "design " << d;
    // The ground colour the control recolours is read at (10, 3).
    EXPECT_EQ(back.pixel(10, 3) & 0xFFFFFF, BackGround(d) & 0xFFFFFF) << "design " << d;
    EXPECT_NE(back.pixel(10, 3) & 0xFFFFFF, 0xFFFFFFu) << "design " << d;
    if (d > 0) {
      EXPECT_FALSE(SameCard(back, Cell(60 + d - 1))) << "design " << d;
    }
  }
}

TEST_F(DeckPainterTest, HonourLettersOfEveryLanguageInTheirBoxes) {
  const QImage honours = DrawHonours().convertToFormat(QImage::Format_RGB32);
  const int widths[4] = {10, 10, 10, 13};
  for (int language = 0; language < 8; ++language)
    for (int k = 0; k < 4; ++k) {
      int inked = 0;
      for (int y = 15 * language; y < 15 * language + 15; ++y)
        for (int x = 10 * k; x < 10 * k + widths[k] && x < 43; ++x) inked += qGray(honours.pixel(x, y)) < 128;
      EXPECT_GT(inked, 8) << "language " << language << " letter " << k;
    }
  // The Danish jack is a "B", the English one a "J".
  EXPECT_NE(honours.copy(0, 0, 10, 15), honours.copy(0, 15, 10, 15));
  // A letter two languages share is drawn alike: the English and the
  // Swedish king are both "K".
  EXPECT_EQ(honours.copy(20, 0, 10, 15), honours.copy(20, 60, 10, 15));
}

TEST_F(DeckPainterTest, TheCardControlTakesTheDrawnImages) {
  ASSERT_TRUE(quorval::CardDeck::LoadFrom(*deck_, DrawHonours()));
  // The control's cell of the ace of hearts (15 x hearts + 14) is the drawn one.
  EXPECT_EQ(quorval::CardDeck::DeckCell(15 * quorval::Heart + quorval::Ace), Cell(44));
  EXPECT_EQ(quorval::CardDeck::Face(15 * quorval::Club + 2), Cell(2));
  EXPECT_EQ(quorval::CardDeck::DeckCell(60), Cell(60));
}

// A card drawn at twice its pixels (a 200% screen, or a table twice as large)
// is the same card, only sharper: shrunk back it matches the card at its own
// size in every cell, and its honours carry the letters of the language.
TEST_F(DeckPainterTest, CardsDrawnAtMorePixelsAreTheSameCards) {
  auto difference = [](const QImage& sharp, const QImage& plain) {
    const QImage shrunk = sharp.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    const QImage base = plain.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < base.height(); ++y)
      for (int x = 0; x < base.width(); ++x) sum += std::abs(qGray(shrunk.pixel(x, y)) - qGray(base.pixel(x, y)));
    return sum / (base.width() * base.height());
  };
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 0; rank <= 14; ++rank) {
      const QImage sharp = DrawFaceAt(suit, rank, 2.0, 0);
      ASSERT_EQ(sharp.size(), QSize(142, 190));
      EXPECT_LT(difference(sharp, Cell(15 * suit + rank)), 12.0) << "suit " << suit << " rank " << rank;
    }
  for (int d = 0; d < 15; ++d) {
    const QImage sharp = DrawBackAt(d, 1.5);
    EXPECT_EQ(sharp.size(), QSize(107, 143));
    EXPECT_EQ(sharp.pixel(15, 5) & 0xFFFFFF, BackGround(d) & 0xFFFFFF) << "design " << d;
    EXPECT_LT(difference(sharp, Cell(60 + d)), 35.0) << "design " << d;
  }
  // The Danish jack ("B") differs from the English one ("J") in the corner.
  EXPECT_NE(DrawFaceAt(0, 11, 2.0, 1).copy(0, 0, 30, 40), DrawFaceAt(0, 11, 2.0, 0).copy(0, 0, 30, 40));
  // The card control paints from these at its own pixels.
  quorval::CardDeck::LoadFrom(*deck_, DrawHonours());
  EXPECT_EQ(quorval::CardDeck::FaceAt(15 * 2 + 14, 2.0), DrawFaceAt(2, 14, 2.0, 0));
  EXPECT_EQ(&quorval::CardDeck::FaceAt(3, 1.0), &quorval::CardDeck::Face(3));
}

// The images compiled into the program are the tool's own output, so the
// artwork and the program never drift apart.
TEST_F(DeckPainterTest, TheShippedImagesAreTheDrawnOnes) {
  const QImage shippedDeck(QStringLiteral(QUORVAL_SOURCE_DIR "/resources/cards/deck.png"));
  const QImage shippedHonours(QStringLiteral(QUORVAL_SOURCE_DIR "/resources/cards/honors.png"));
  ASSERT_FALSE(shippedDeck.isNull());
  ASSERT_FALSE(shippedHonours.isNull());
  EXPECT_TRUE(SameCard(shippedDeck, *deck_)) << "run quorval-deckgen";
  EXPECT_TRUE(SameCard(shippedHonours, DrawHonours())) << "run quorval-deckgen";
}

}  // namespace
}  // namespace quorval::painters
