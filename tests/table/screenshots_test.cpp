// Pictures of the table at its main moments. The test checks that the window
// draws and that each moment looks different from the one before; with
// QUORVAL_SCREENSHOTS set the pictures are kept in that folder.
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QPixmap>
#include <QSet>

#include "tests/table/desk_fixture.h"
#include "ui/help_window.h"

namespace quorval {
namespace {

QImage Shot(QWidget& w, const char* name) {
  QApplication::processEvents();   // the menu bar lays out its items
  const QPixmap picture = w.grab();
  EXPECT_EQ(picture.size(), w.size()) << name;
  const QImage image = picture.toImage();
  // A drawn table has panels, cards and texts: far more than a few colours.
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 30) << name;
  const QByteArray folder = qgetenv("QUORVAL_SCREENSHOTS");
  if (!folder.isEmpty()) picture.save(QString(folder) + "/" + name + ".png");
  return image;
}

// The part of a window picture that a named panel covers.
QImage Part(const QImage& picture, TDeskTop& desk, const char* panel) {
  QWidget* w = desk.Panel(panel);
  EXPECT_NE(w, nullptr) << panel;
  if (!w) return {};
  return picture.copy(QRect(w->mapTo(&desk, QPoint(0, 0)), w->size()));
}

TEST_F(DeskTest, PicturesOfABoardFromDealToScore) {
  TDeskTop& desk = Desk("Imp", 1);
  const QImage start = Shot(desk, "start");
  desk.NewHandClick();
  const QImage auction = Shot(desk, "auction");
  EXPECT_TRUE(Part(auction, desk, "BidBox") != Part(start, desk, "BidBox")) << "the bidding box came up";
  desk.ShowHandsClick();
  const QImage allHands = Shot(desk, "all_hands");
  EXPECT_TRUE(Part(allHands, desk, "HandNorth") != Part(auction, desk, "HandNorth")) << "North's cards face up";
  desk.HideHandsClick();
  EXPECT_TRUE(Part(desk.grab().toImage(), desk, "HandNorth") == Part(auction, desk, "HandNorth"))
      << "North's cards face down again";
  while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
  ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
  const QImage endOfAuction = Shot(desk, "end_of_auction");
  EXPECT_TRUE(endOfAuction != auction) << "the auction's end is shown";
  Click("EOBStart");
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 1);   // West's opening lead
  for (int i = 0; i < 6 && desk.Game().State().phase == Phase::Playing; ++i) Key(Qt::Key_Return);
  // Enter played the pre-selected cards of North and South and cleared the
  // tricks; the board is still being played.
  EXPECT_EQ(desk.Game().State().phase, Phase::Playing);
  EXPECT_GE(desk.Game().Play().CardsPlayed, 5);
  const QImage play = Shot(desk, "play");
  EXPECT_TRUE(play != endOfAuction) << "cards on the table";
  Click("TPPFast");
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  const QImage score = Shot(desk, "score");
  EXPECT_TRUE(Part(score, desk, "ScorePad") != Part(play, desk, "ScorePad")) << "the score pad came up";
}

// The help window on the shipped pages: the user guide in English, further
// down, in Danish, and a bidding-system summary, each looking different.
TEST_F(DeskTest, PicturesOfTheHelpWindow) {
  // The help pages and their pictures, as the build puts them beside the program.
  const QDir help(QUORVAL_SOURCE_DIR "/resources/help");
  QDirIterator files(help.path(), QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString relative = help.relativeFilePath(files.next());
    QDir(dir_.path()).mkpath(QFileInfo(relative).path());
    ASSERT_TRUE(QFile::copy(help.filePath(relative), dir_.filePath(relative))) << relative.toStdString();
  }
  TDeskTop& desk = Desk("Imp", 1);
  desk.UserGuideHelp(2);
  ASSERT_NE(desk.Help().Window(), nullptr);
  THelpWindow& window = *desk.Help().Window();
  const QImage english = Shot(window, "help_english");
  window.ShowHeading(4);
  const QImage bidding = Shot(window, "help_english_bidding");
  EXPECT_TRUE(bidding != english) << "the page scrolled to the heading";
  desk.UserGuideHelp(1);
  const QImage danish = Shot(window, "help_danish");
  EXPECT_TRUE(danish != english) << "the Danish guide";
  desk.BidSysHelp(4);
  const QImage summary = Shot(window, "help_swedish_summary");
  EXPECT_TRUE(summary != danish) << "the Swedish summary";
  EXPECT_EQ(MessageCount(), 0);
}

}  // namespace
}  // namespace quorval
