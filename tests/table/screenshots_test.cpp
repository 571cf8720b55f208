// Pictures of the table at its main moments. The test checks that the window
// draws; with QUORVAL_SCREENSHOTS set the pictures are kept in that folder.
#include <QPixmap>

#include "tests/table/desk_fixture.h"

namespace quorval {
namespace {

void Shot(QWidget& w, const char* name) {
  QApplication::processEvents();
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

}  // namespace
}  // namespace quorval
