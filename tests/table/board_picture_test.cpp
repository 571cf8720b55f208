// The duplicate board on the board panel: the number, the dealer's initial
// and the vulnerability as text, and the four bars around them (red for a
// vulnerable side, grey otherwise, a white outline at the dealer's seat).
#include <QImage>

#include "table/board_picture.h"
#include "tests/table/desk_fixture.h"

namespace quorval {
namespace {

const QColor kRed(255, 0, 0), kGrey(128, 128, 128), kWhite(255, 255, 255);

// Dark pixels (text) inside a rectangle of the picture.
int InkIn(const QImage& img, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = img.pixelColor(x, y);
      n += c.red() < 90 && c.green() < 90 && c.blue() < 90;
    }
  return n;
}

class BoardPictureTest : public ::testing::Test {
 protected:
  BoardPictureTest() : app_(TestApp()), picture(&holder) {}
  QImage Draw(int board, const char* dealer, Seat dealerSeat, Vulnerability vul, const char* vulText) {
    picture.Show(board, dealer, dealerSeat, vul, vulText, QColor(166, 202, 240));
    return picture.grab().toImage();
  }
  QApplication& app_;
  QWidget holder;
  TBoardPicture picture;
};

// The middle of each seat's bar and its top-left corner, where the dealer's
// outline runs (the picture is 38 x 67, as on the board panel).
const QPoint kBarMiddle[4] = {{18, 7}, {31, 33}, {18, 61}, {7, 33}};
const QPoint kBarCorner[4] = {{8, 3}, {27, 24}, {8, 57}, {3, 24}};

TEST_F(BoardPictureTest, BarsShowTheVulnerableSidesAndTheDealer) {
  picture.setGeometry(5, 2, 38, 67);
  struct Row {
    Vulnerability vul;
    const char* text;
    Seat dealer;
    std::array<bool, 4> red;   // N, E, S, W
  };
  const Row rows[] = {{0, "None", North, {false, false, false, false}},
                      {1, "N-S", East, {true, false, true, false}},
                      {2, "E-W", South, {false, true, false, true}},
                      {3, "Both", West, {true, true, true, true}}};
  for (const Row& row : rows) {
    const QImage img = Draw(5, "X", row.dealer, row.vul, row.text);
    for (Seat s = North; s <= West; ++s) {
      const QColor bar = row.red[s] ? kRed : kGrey;
      EXPECT_EQ(picture.BarColour(s), bar) << row.text << " seat " << s;
      EXPECT_EQ(img.pixelColor(kBarMiddle[s]), bar) << row.text << " seat " << s;
      EXPECT_EQ(img.pixelColor(kBarCorner[s]), s == row.dealer ? kWhite : bar) << row.text << " seat " << s;
    }
    EXPECT_EQ(picture.Dealer(), row.dealer);
    EXPECT_EQ(picture.VulText(), row.text);
  }
}

TEST_F(BoardPictureTest, NumberDealerAndVulnerabilityAreWritten) {
  picture.setGeometry(5, 2, 38, 67);
  const QRect numberBox(11, 13, 15, 11), dealerBox(12, 29, 15, 13), vulBox(4, 43, 30, 12);
  const QImage seven = Draw(7, "N", North, 0, "None");
  EXPECT_EQ(picture.BoardNo(), 7);
  EXPECT_EQ(picture.DealerText(), "N");
  EXPECT_GT(InkIn(seven, numberBox), 5);
  EXPECT_GT(InkIn(seven, dealerBox), 5);
  EXPECT_GT(InkIn(seven, vulBox), 5);
  // Another number, dealer and vulnerability text change those places only.
  const QImage twelve = Draw(12, "W", North, 0, "Both");
  EXPECT_NE(seven.copy(numberBox), twelve.copy(numberBox));
  EXPECT_NE(seven.copy(dealerBox), twelve.copy(dealerBox));
  EXPECT_NE(seven.copy(vulBox), twelve.copy(vulBox));
  EXPECT_EQ(seven.copy(0, 0, 38, 12), twelve.copy(0, 0, 38, 12));
  // Before a board is dealt the picture shows no number and no texts.
  const QImage empty = Draw(0, "", -1, 0, "");
  EXPECT_EQ(InkIn(empty, numberBox), 0);
  EXPECT_EQ(InkIn(empty, dealerBox), 0);
  EXPECT_EQ(InkIn(empty, vulBox), 0);
  // No bar carries the dealer's outline then.
  for (Seat s = North; s <= West; ++s) EXPECT_EQ(empty.pixelColor(kBarCorner[s]), kGrey) << s;
}

// The table deals Imp01.03 (stored dealer South, E-W vulnerable, turned by
// two seats): the board shows 3, North as dealer and E-W still vulnerable.
TEST_F(DeskTest, TheBoardPanelShowsTheTurnedBoard) {
  TDeskTop& desk = Desk("Imp", 3);
  auto* picture = desk.findChild<TBoardPicture*>("Dup");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->BoardNo(), 0);   // nothing dealt yet
  desk.NewHandClick();
  EXPECT_EQ(picture->BoardNo(), 3);
  EXPECT_EQ(picture->DealerText(), "N");
  EXPECT_EQ(picture->Dealer(), North);
  EXPECT_EQ(picture->VulText(), "E-W");
  EXPECT_EQ(picture->BarColour(East), kRed);
  EXPECT_EQ(picture->BarColour(West), kRed);
  EXPECT_EQ(picture->BarColour(North), kGrey);
  // Imp01.02 turned by one seat: dealer South, N-S vulnerability becomes E-W.
  desk.PriorHand1Click();
  EXPECT_EQ(picture->BoardNo(), 2);
  EXPECT_EQ(picture->DealerText(), "S");
  EXPECT_EQ(picture->VulText(), "E-W");
  EXPECT_EQ(picture->BarColour(South), kGrey);
}

}  // namespace
}  // namespace quorval
