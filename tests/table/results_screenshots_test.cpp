// Pictures of the session results and the result summary after a played
// session, and of the review window in the middle of a board's play and at
// its end with the summary. The tests check that the windows draw; with
// QUORVAL_SCREENSHOTS set the pictures are kept in that folder, and with
// QUORVAL_SCREENSHOT_EVENTS the boards are played on the event files of that
// folder (QUORVAL_REVIEW_BOARD names the reviewed board, default board 1,
// and QUORVAL_REVIEW_STEP the cards shown played, default 18).
#include <QPixmap>

#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/result_summary.h"
#include "ui/review_window.h"
#include "ui/session_results.h"

namespace quorval {
namespace {

void Keep(QWidget& w, const char* name) {
  const QPixmap picture = w.grab();
  EXPECT_FALSE(picture.isNull());
  const QByteArray folder = qgetenv("QUORVAL_SCREENSHOTS");
  if (!folder.isEmpty()) picture.save(QString(folder) + "/" + name + ".png");
}

TEST_F(DeskTest, PicturesOfTheSessionResultsAndTheSummary) {
  const QByteArray events = qgetenv("QUORVAL_SCREENSHOT_EVENTS");
  if (!events.isEmpty()) UseEventFiles(QString(events));
  TDeskTop& desk = Desk("Imp", 1);
  const int boards = events.isEmpty() ? 6 : 12;
  for (int b = 1; b <= boards; ++b) ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", b)) << b;
  ASSERT_TRUE(desk.AutoPlayBoard("Par", "01", 2));

  const auto session = desk.Printing().MakeSessionResults();
  session->EventRGClick(0);
  session->show();
  session->SelectRow(4);
  QCoreApplication::processEvents();
  EXPECT_EQ(session->Grid()->RowCount(), boards + 4);
  Keep(*session, "session_results");

  const auto summary = desk.Printing().MakeResultSummary();
  summary->show();
  summary->resize(summary->width(), 260);
  QCoreApplication::processEvents();
  EXPECT_EQ(summary->Grid()->RowCount(), 4);
  Keep(*summary, "result_summary");
}

TEST_F(DeskTest, PicturesOfTheReviewInThePlayAndAtItsEnd) {
  const QByteArray events = qgetenv("QUORVAL_SCREENSHOT_EVENTS");
  if (!events.isEmpty()) UseEventFiles(QString(events));
  const int board = qEnvironmentVariableIntValue("QUORVAL_REVIEW_BOARD");
  TDeskTop& desk = Desk("Imp", 1);
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", board > 0 ? board : 1));
  const auto review = desk.Review().MakeCurrentReview();
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
