// The hand reports of `quorval --print-hands`: the boards a list of sessions
// and board keys names, each page the report of its own board, in the
// order asked; a named board without a result is a fault, a session's
// boards never played are passed over.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/print_runs.h"
#include "core/messages.h"
#include "data/board_file.h"
#include "data/kept_play.h"
#include "data/options.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "table/desktop.h"
#include "tests/print/recording_device.h"
#include "tests/ui/ui_test_app.h"
#include "ui/card_control.h"

namespace quorval {
namespace {

// The title and the hands of a printed page, as one text.
QString PageText(const PageDrawer& page) {
  testing::RecordingDevice device;
  QPainter painter(&device);
  page(painter);
  painter.end();
  return device.AllText();
}

TEST(FiledHandPages, EachPageIsTheReportOfTheBoardAskedForInTheOrderAsked) {
  testing::TestApp();
  InitUiResources();
  CardDeck::Load();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* f : {"events/Lisk2005.ini", "events/Results2005.ini", "options/Options.INI", "plays/Plays2005.ini"})
    ASSERT_TRUE(QFile::copy(QString(QUORVAL_FIXTURES "/") + f, dir.filePath(QString(f).section('/', 1))));
  SetProgramFolder(dir.path().toStdString() + "/");
  // Ann has filed Imp01.01, Imp01.02 and Par01.01, and has a kept play of each.
  Option = TOption{};
  Option.CurrentPlayer = "Ann";
  TMyINI options(kOptionsFileName), plays(kKeptPlayFileName);
  TBridgeINI boards(kBoardFileName), results(kResultsFileName);
  SequenceLibrary library;
  TableFiles files{options, boards, results, library.Store(), Option, &plays};
  TableState state;
  state.MarkerFilePresent = true;
  ResetMessageCounts();
  TDeskTop desk(files, state);

  int faults = 0;
  const std::vector<PageDrawer> pages = FiledHandPages(desk, "Par01,Imp01.02,Imp01.05,Imp01", faults);
  // Two faults: Imp01.05 is named but Ann never played it, and the kept
  // play of Par01.01 (ten tricks) is not that of its filed result (nine),
  // so its page comes without the play.
  EXPECT_EQ(faults, 2);
  // The session, the board number and North's spades tell the pages apart.
  const struct {
    const char* session;
    const char* board;
    const char* northSpades;
  } expected[] = {{"Par - 01", "1", "KQ7"}, {"Imp - 01", "2", "A107"}, {"Imp - 01", "1", "Q963"}, {"Imp - 01", "2", "A107"}};
  ASSERT_EQ(pages.size(), std::size(expected));
  for (size_t i = 0; i < pages.size(); ++i) {
    const QString text = PageText(pages[i]);
    SCOPED_TRACE(text.toStdString());
    EXPECT_TRUE(text.contains(QString("Session ") + expected[i].session)) << i;
    EXPECT_TRUE(text.contains(QString("Deal: ") + expected[i].board + " ")) << i;
    EXPECT_TRUE(text.contains(QString("North \u2660  ") + expected[i].northSpades + " ")) << i;
  }
}

}  // namespace
}  // namespace quorval
