// Pictures of the table at its main moments. The test checks that the window
// draws; with QUORVAL_SCREENSHOTS set the pictures are kept in that folder.
#include <QDir>
#include <QDirIterator>
#include <QPixmap>

#include "tests/table/desk_fixture.h"
#include "ui/help_window.h"

namespace quorval {
namespace {

void Shot(QWidget& w, const char* name) {
  const QPixmap picture = w.grab();
  EXPECT_FALSE(picture.isNull());
  const QByteArray folder = qgetenv("QUORVAL_SCREENSHOTS");
  if (!folder.isEmpty()) picture.save(QString(folder) + "/" + name + ".png");
}

TEST_F(DeskTest, PicturesOfABoardFromDealToScore) {
  TDeskTop& desk = Desk("Imp", 1);
  Shot(desk, "start");
  desk.NewHandClick();
  Shot(desk, "auction");
  desk.ShowHandsClick();
  Shot(desk, "all_hands");
  desk.HideHandsClick();
  while (desk.State().phase == Phase::Bidding) desk.ButMakeBidClick();
  Shot(desk, "end_of_auction");
  Click("EOBStart");
  for (int i = 0; i < 6 && desk.State().phase == Phase::Playing; ++i) Key(Qt::Key_Return);
  Shot(desk, "play");
  Click("TPPFast");
  Shot(desk, "score");
}

// The help window on the shipped pages, the user guide in English and in
// Danish and a bidding-system summary.
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
  ASSERT_NE(desk.HelpWindow(), nullptr);
  Shot(*desk.HelpWindow(), "help_english");
  desk.HelpWindow()->ShowHeading(4);
  Shot(*desk.HelpWindow(), "help_english_bidding");
  desk.UserGuideHelp(1);
  Shot(*desk.HelpWindow(), "help_danish");
  desk.BidSysHelp(4);
  Shot(*desk.HelpWindow(), "help_swedish_summary");
  EXPECT_EQ(MessageCount(), 0);
}

}  // namespace
}  // namespace quorval
