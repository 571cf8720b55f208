// The monkey (--monkey): random user actions on the real program over the
// fixture events, the files it leaves checked here as well, and a wrong line
// on disk seen to fail the run.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/e2e/filed_lines.h"
#include "tests/e2e/run_program.h"

namespace {

using namespace quorval::testing;

// The fixture events with the note that ends Imp01 after board 6 and Par01
// after board 4, as the set of a hand record would have it: "Next Hand" at
// an event's end offers the board chooser.
void MakeSet(const QTemporaryDir& dir) {
  ASSERT_TRUE(CopyFixtureEvents(dir.path()));
  QFile note(dir.filePath("SEED"));
  ASSERT_TRUE(note.open(QIODevice::WriteOnly));
  note.write("Short=Imp01.06,Par01.04\n");
}

QString Signature(const QString& err) {
  return QRegularExpression("signature ([0-9a-f]+)").match(err).captured(1);
}

// 2,000 actions leave every filed line right: the program's own check passes
// (exit code 0), and the IMP lines agree with the figures worked out here
// from the field alone (the pairs lines may be of any match-point method the
// monkey chose in Preferences).
TEST(MonkeyRun, TwoThousandActionsLeaveEveryFiledLineRight) {
  QTemporaryDir dir;
  MakeSet(dir);
  QString err;
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "Monkey", "--monkey", "2000", "--seed", "2", "--skill", "1"},
                       &err),
            0)
      << err.toStdString();
  EXPECT_TRUE(err.contains("Monkey: seed 2, 2000 actions")) << err.toStdString();
  const IniFile options = ReadIni(dir.filePath("Options.INI"));
  const IniFile boards = ReadIni(dir.filePath("Lisk2005.ini"));
  const IniFile results = ReadIni(dir.filePath("Results2005.ini"));
  int filed = 0;
  for (const auto& [key, line] : options.at("Monkey")) {
    if (key.size() != 8 || key[5] != '.') continue;
    ++filed;
    if (key.rfind("Imp", 0) == 0) CheckFiledLine(key, line, boards.at(key), results.at(key));
  }
  EXPECT_GE(filed, 3);
}

TEST(MonkeyRun, TheSameSeedGivesTheSameActions) {
  QTemporaryDir first, second;
  MakeSet(first);
  MakeSet(second);
  QString a, b, c;
  ASSERT_EQ(RunProgram({"--dir", first.path(), "--monkey", "150", "--seed", "5", "--skill", "1"}, &a), 0);
  ASSERT_EQ(RunProgram({"--dir", second.path(), "--monkey", "150", "--seed", "5", "--skill", "1"}, &b), 0);
  EXPECT_FALSE(Signature(a).isEmpty()) << a.toStdString();
  EXPECT_EQ(Signature(a), Signature(b));
  QTemporaryDir third;
  MakeSet(third);
  ASSERT_EQ(RunProgram({"--dir", third.path(), "--monkey", "150", "--seed", "6", "--skill", "1"}, &c), 0);
  EXPECT_NE(Signature(a), Signature(c));
}

// A line on disk that is not right fails the run, named with its board.
TEST(MonkeyRun, AWrongFiledLineFailsTheRun) {
  QTemporaryDir dir;
  MakeSet(dir);
  QFile fixture(QUORVAL_FIXTURES "/options/Options.INI");
  ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
  QByteArray text = fixture.readAll();
  ASSERT_TRUE(text.contains("Imp01.01=S,4~S,10,420,"));
  text.replace("Imp01.01=S,4~S,10,420,", "Imp01.01=S,4~S,10,450,");
  QFile options(dir.filePath("Options.INI"));
  ASSERT_TRUE(options.open(QIODevice::WriteOnly));
  options.write(text);
  options.close();
  QString err;
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "Ann", "--monkey", "1"}, &err), 1);
  EXPECT_TRUE(err.contains("Imp01.01: the score 450 should be 420")) << err.toStdString();
}

}  // namespace
