// Boards in and out of the real program: the export run of the command line,
// the results of another event set kept apart, and a short event's last board.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/e2e/run_program.h"

namespace {

using quorval::testing::CopyFixtureEvents;
using quorval::testing::RunProgram;

QString ReadText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool WriteText(const QString& path, const QString& text) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

TEST(ExportRun, FiledBoardsGoIntoOnePbnFileAndTheOthersAreNoted) {
  QTemporaryDir dir;
  ASSERT_TRUE(CopyFixtureEvents(dir.path()));
  QString err;
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "Åse", "--autoplay", "Imp01.01,Imp01.02", "--skill", "3"}, &err),
            0)
      << err.toStdString();
  const QString out = dir.filePath("åse.pbn");
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "Åse", "--export-pbn", "Imp01", "--out", out}, &err), 0)
      << err.toStdString();
  const QString pbn = ReadText(out);
  EXPECT_TRUE(pbn.startsWith("% PBN 2.1\r\n% EXPORT\r\n")) << pbn.left(80).toStdString();
  EXPECT_EQ(pbn.count("[Event \""), 2);
  EXPECT_TRUE(pbn.contains("[South \"Åse\"]"));
  EXPECT_TRUE(pbn.contains("[Event \"Imp01.02\"]"));
  EXPECT_TRUE(err.contains("Imp01.03: no filed result, skipped")) << err.toStdString();

  // A relative file name is taken from where the program was started, not
  // from the working folder.
  QTemporaryDir started;
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "Åse", "--export-pbn", "Imp01.01", "--out", "mine.pbn"}, &err,
                       started.path()),
            0)
      << err.toStdString();
  EXPECT_TRUE(QFile::exists(started.filePath("mine.pbn")));
  EXPECT_FALSE(QFile::exists(dir.filePath("mine.pbn")));

  // Nothing filed for the player asked for: no file, exit code 1.
  const QString none = dir.filePath("none.pbn");
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "Bo", "--export-pbn", "Imp01", "--out", none}, &err), 1);
  EXPECT_FALSE(QFile::exists(none));
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "Åse", "--export-pbn", "Imp11", "--out", none}, &err), 1);
  EXPECT_TRUE(err.contains("Not a board or event: Imp11")) << err.toStdString();
}

TEST(EventSets, AResultOfOneSetNeitherShowsNorCountsInAnother) {
  QTemporaryDir dir;
  ASSERT_TRUE(CopyFixtureEvents(dir.path()));
  QString err;
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "P", "--autoplay", "Imp01.01", "--skill", "3"}, &err), 0);
  const QString first = ReadText(dir.filePath("Options.INI"));
  ASSERT_TRUE(first.contains("\nImp01.01=")) << first.toStdString();
  ASSERT_TRUE(first.contains("\nEventSet=")) << first.toStdString();

  // Another set in the same folder: Imp01.01 dealt differently (its first
  // two hands change places).
  const QString boards = ReadText(dir.filePath("Lisk2005.ini"));
  const int deal = boards.indexOf("Deal=", boards.indexOf("[Imp01.01]")) + 7;
  const int split = boards.indexOf(' ', deal);
  const int end = boards.indexOf(' ', split + 1);
  QString swapped = boards;
  swapped.replace(deal, end - deal, boards.mid(split + 1, end - split - 1) + " " + boards.mid(deal, split - deal));
  ASSERT_NE(swapped, boards);
  ASSERT_TRUE(WriteText(dir.filePath("Lisk2005.ini"), swapped));
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "P", "--quit-after-start"}, &err), 0);
  const QString second = ReadText(dir.filePath("Options.INI"));
  EXPECT_FALSE(second.contains("\nImp01.01=")) << second.toStdString();
  EXPECT_TRUE(second.contains(":Imp01.01=")) << second.toStdString();
  // Exporting the board finds no result for it in this set.
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "P", "--export-pbn", "Imp01.01", "--out",
                        dir.filePath("x.pbn")},
                       &err),
            1);

  // The first set back: its result is there again, line for line.
  ASSERT_TRUE(WriteText(dir.filePath("Lisk2005.ini"), boards));
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "P", "--quit-after-start"}, &err), 0);
  const QString third = ReadText(dir.filePath("Options.INI"));
  const int at = first.indexOf("\nImp01.01=");
  EXPECT_TRUE(third.contains(first.mid(at, first.indexOf('\n', at + 1) - at))) << third.toStdString();
}

TEST(EventSets, AShortEventEndsAtItsLastBoard) {
  QTemporaryDir dir;
  ASSERT_TRUE(CopyFixtureEvents(dir.path()));
  // The fixture's pairs event holds four boards; the note says it ends there.
  ASSERT_TRUE(WriteText(dir.filePath("SEED"), "Seed=1\nEvents=Imp01,Par01\nShort=Imp01.06,Par01.04\n"));
  QString err;
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "P", "--autoplay", "Par01", "--skill", "3"}, &err), 0)
      << err.toStdString();
  const QString options = ReadText(dir.filePath("Options.INI"));
  for (const char* key : {"Par01.01", "Par01.02", "Par01.03", "Par01.04"})
    EXPECT_TRUE(options.contains(QString("\n") + key + "=")) << key;
}

}  // namespace
