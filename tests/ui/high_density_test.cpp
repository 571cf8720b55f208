// On a screen of device pixel ratio 2 a card is drawn at the screen's own
// pixels: the picture the deck painter draws at twice the size, pixel for
// pixel, sharp (not each pixel of the small picture made four), at the
// card's own proportions.
#include <QImage>

#include "tests/ui/ui_test_app.h"
#include "ui/card_control.h"

namespace quorval {
namespace {

class HighDensityTest : public testing::UiTest {};

TEST_F(HighDensityTest, ACardIsDrawnPixelForPixelAtTwiceTheSize) {
  for (const bool back : {false, true}) {
    TCard card(nullptr);
    card.SetSuit(Heart);
    card.SetRank(12);
    card.SetBackDesign(5);
    card.SetShowBack(back);
    const QImage picture = card.PictureAt(2.0).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(2 * kCardWidth, 2 * kCardHeight));
    QImage dense(2 * kCardWidth, 2 * kCardHeight, QImage::Format_RGB32);
    dense.setDevicePixelRatio(2);
    dense.fill(Qt::black);
    card.render(&dense);
    EXPECT_EQ(dense.deviceIndependentSize().toSize(), QSize(kCardWidth, kCardHeight));
    int checked = 0;
    // The rounded corners are cut by the card's outline; the rest is the picture.
    for (int y = 3; y < kCardHeight - 3; ++y)
      for (int x = 3; x < kCardWidth - 3; ++x) {
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx)
            if (dense.pixel(2 * x + dx, 2 * y + dy) != picture.pixel(2 * x + dx, 2 * y + dy)) {
              ADD_FAILURE() << (back ? "back" : "face") << " pixel " << x << "," << y;
              return;
            }
        ++checked;
      }
    EXPECT_EQ(checked, (kCardWidth - 6) * (kCardHeight - 6));
    // Sharp: more than the small picture's pixels doubled would show.
    EXPECT_NE(picture, card.Picture().scaled(picture.size()).convertToFormat(QImage::Format_RGB32));
  }
}

}  // namespace
}  // namespace quorval
