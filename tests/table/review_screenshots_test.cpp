// Pictures of the review window: in the middle of the play and at its end
// with the summary. The test checks that the window draws a played board
// whole; with QUORVAL_SCREENSHOTS set the pictures are kept in that folder,
// and with QUORVAL_SCREENSHOT_EVENTS the board comes from the event files of
// that folder (QUORVAL_REVIEW_BOARD names it, default board 1).
#include <QPixmap>

#include "tests/table/desk_fixture.h"
#include "ui/review_window.h"

namespace quorval {
namespace {

void Keep(QWidget& w, const char* name) {
  const QPixmap picture = w.grab();
  EXPECT_FALSE(picture.isNull());
  const QByteArray folder = qgetenv("QUORVAL_SCREENSHOTS");
  if (!folder.isEmpty()) picture.save(QString(folder) + "/" + name + ".png");
}

TEST_F(DeskTest, PicturesOfTheReviewInThePlayAndAtItsEnd) {
  const QByteArray events = qgetenv("QUORVAL_SCREENSHOT_EVENTS");
  if (!events.isEmpty()) {
    for (const char* f : {"Lisk2005.ini", "Results2005.ini"}) {
      QFile::remove(dir_.filePath(f));
      QFile::copy(QString(events) + "/" + f, dir_.filePath(f));
    }
    boards_ = std::make_unique<TBridgeINI>(kBoardFileName);
    results_ = std::make_unique<TBridgeINI>(kResultsFileName);
    QFile seq(QString(events) + "/SEQ2005.txt");
    seq.open(QIODevice::ReadOnly);
    library_.LoadSequenceLibrary(seq.readAll().toStdString());
    files_ = std::make_unique<TableFiles>(TableFiles{*options_, *boards_, *results_, library_.Store(), Option});
  }
  const int board = qEnvironmentVariableIntValue("QUORVAL_REVIEW_BOARD");
  TDeskTop& desk = Desk("Imp", 1);
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", board > 0 ? board : 1));
  const auto review = desk.MakeCurrentReview();
  ASSERT_NE(review, nullptr);
  review->show();
  review->WaitForAnalysis();
  ASSERT_TRUE(review->AnalysisDone());
  const int step = qEnvironmentVariableIntValue("QUORVAL_REVIEW_STEP");
  review->StepTo(step > 0 ? step : 18);
  QCoreApplication::processEvents();
  Keep(*review, "review_play");
  review->LastClick();
  QCoreApplication::processEvents();
  EXPECT_FALSE(review->SummaryText().isEmpty());
  Keep(*review, "review_summary");
}

}  // namespace
}  // namespace quorval
