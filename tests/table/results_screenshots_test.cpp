// Pictures of the session results and the result summary after a played
// session. The test checks that the windows draw; with QUORVAL_SCREENSHOTS
// set the pictures are kept in that folder, and with QUORVAL_SCREENSHOT_EVENTS
// the session is played on the event files of that folder.
#include <QPixmap>

#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/result_summary.h"
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
  TDeskTop& desk = Desk("Imp", 1);
  const int boards = events.isEmpty() ? 6 : 12;
  for (int b = 1; b <= boards; ++b) ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", b)) << b;
  ASSERT_TRUE(desk.AutoPlayBoard("Par", "01", 2));

  const auto session = desk.MakeSessionResults();
  session->EventRGClick(0);
  session->show();
  session->SelectRow(4);
  QCoreApplication::processEvents();
  EXPECT_EQ(session->Grid()->RowCount(), boards + 4);
  Keep(*session, "session_results");

  const auto summary = desk.MakeResultSummary();
  summary->show();
  summary->resize(summary->width(), 260);
  QCoreApplication::processEvents();
  EXPECT_EQ(summary->Grid()->RowCount(), 4);
  Keep(*summary, "result_summary");
}

}  // namespace
}  // namespace quorval
