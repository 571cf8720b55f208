// The logo and the icon the deck tool draws: their sizes, a see-through ground
// where the picture has none, the two aces of the icon in their colours, and
// the shipped files being what the tool draws.
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/ui/ui_test_app.h"
#include "painters/art_painter.h"

namespace quorval::painters {
namespace {

// Equal but for a few levels of edge shading, see-through parts included.
bool SamePicture(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
  if (x.size() != y.size()) return false;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      for (int shift : {0, 8, 16, 24})
        if (std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)) > 16) return false;
    }
  return true;
}

int Count(const QImage& img, bool (*match)(const QColor&)) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += match(img.pixelColor(x, y)) ? 1 : 0;
  return n;
}
bool Red(const QColor& c) { return c.alpha() == 255 && c.red() > 150 && c.green() < 60 && c.blue() < 60; }
bool Black(const QColor& c) { return c.alpha() == 255 && c.red() < 50 && c.green() < 50 && c.blue() < 50; }

class ArtPainterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { quorval::testing::TestApp(); }
};

TEST_F(ArtPainterTest, LogoIsAPictureOnASeeThroughGround) {
  const QImage logo = DrawLogo().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(logo.size(), QSize(475, 264));
  for (const QPoint corner : {QPoint(0, 0), QPoint(474, 0), QPoint(0, 263)})
    EXPECT_EQ(qAlpha(logo.pixel(corner)), 0) << corner.x() << "," << corner.y();
  EXPECT_EQ(qAlpha(logo.pixel(118, 134)), 255) << "the board in the middle of its half";
  EXPECT_GT(Count(logo, Red), 500) << "the red aces and the vulnerable bars";
  EXPECT_GT(Count(logo, Black), 500) << "the black aces";
}

TEST_F(ArtPainterTest, IconInEveryShippedSize) {
  ASSERT_FALSE(IconSizes().empty());
  for (const int size : IconSizes()) {
    const QImage icon = DrawIcon(size).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "rounded corner, size " << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    if (size >= 32) {
      EXPECT_GT(Count(icon, Red), size * size / 200) << "the ace of hearts, size " << size;
      EXPECT_GT(Count(icon, Black), size * size / 200) << "the ace of spades, size " << size;
    }
  }
}

TEST_F(ArtPainterTest, TheShippedPicturesAreTheDrawnOnes) {
  const QString folder = QStringLiteral(QUORVAL_SOURCE_DIR "/resources/art/");
  const QImage logo(folder + "logo.png");
  ASSERT_FALSE(logo.isNull());
  EXPECT_TRUE(SamePicture(logo, DrawLogo())) << "run quorval-deckgen --art";
  for (const int size : IconSizes()) {
    const QImage icon(folder + QString("icon-%1.png").arg(size));
    ASSERT_FALSE(icon.isNull()) << size;
    EXPECT_TRUE(SamePicture(icon, DrawIcon(size))) << "run quorval-deckgen --art, size " << size;
  }
}

}  // namespace
}  // namespace quorval::painters
