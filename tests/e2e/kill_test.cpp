// Results survive kill -9 at any moment. An automated play of the fixture
// events is killed again and again at random points of its run; after every
// kill the options file is whole, no board filed before is missing, and every
// filed line agrees with a recomputation from the board and its field
// results. Each new run takes over the lock the killed one left behind.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <signal.h>

#include "tests/e2e/filed_lines.h"
#include "tests/e2e/run_program.h"

namespace {

using namespace quorval::testing;

const char* const kBoards = "Imp01.01,Imp01.02,Imp01.03,Imp01.04,Imp01.05,Imp01.06,Par01.01,Par01.02,Par01.03,Par01.04";

class KillNine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CopyFixtureEvents(dir_.path())); }

  // Starts a run; kills it after `killAfterMs` unless it ended before.
  // Returns the exit code, or -9 when it was killed.
  int Play(int seed, int killAfterMs) {
    QProcess p;
    p.start(QUORVAL_EXE, {"-platform", "offscreen", "--dir", dir_.path(), "--player", "K", "--seed",
                          QString::number(seed), "--autoplay", kBoards});
    if (!p.waitForStarted()) return -1;
    if (p.waitForFinished(killAfterMs)) return p.exitCode();
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    p.waitForFinished();
    return -9;
  }

  // The options file is whole and every line filed agrees with the field;
  // gives the boards filed.
  std::set<std::string> CheckFiled() {
    QFile f(dir_.filePath("Options.INI"));
    if (!f.exists()) return {};
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.endsWith("\r\n\r\n")) << "a whole file ends with an empty line";
    const IniFile options = ReadIni(dir_.filePath("Options.INI"));
    const IniFile boards = ReadIni(dir_.filePath("Lisk2005.ini"));
    const IniFile results = ReadIni(dir_.filePath("Results2005.ini"));
    std::set<std::string> filed;
    if (!options.count("K")) return filed;
    for (const auto& [key, line] : options.at("K")) {
      if (!boards.count(key)) continue;
      SCOPED_TRACE(key);
      CheckFiledLine(key, line, boards.at(key), results.at(key));
      filed.insert(key);
    }
    return filed;
  }

  QTemporaryDir dir_;
};

TEST_F(KillNine, EveryFiledLineSurvivesWholeAndRight) {
  // One whole run sets the span that the kills fall in.
  QElapsedTimer clock;
  clock.start();
  ASSERT_EQ(Play(1, 120000), 0);
  const int span = static_cast<int>(clock.elapsed());
  std::set<std::string> filed = CheckFiled();
  ASSERT_EQ(filed.size(), 10u);

  std::mt19937 rng(20051209);
  std::uniform_int_distribution<int> at(0, span);
  int killed = 0;
  for (int round = 2; round < 10; ++round) {
    SCOPED_TRACE(round);
    const int code = Play(round, at(rng));
    // A run that ended by itself was not refused by the lock a killed run left.
    if (code != -9) EXPECT_EQ(code, 0);
    else ++killed;
    const std::set<std::string> now = CheckFiled();
    for (const std::string& key : filed) EXPECT_TRUE(now.count(key)) << key << " was lost";
    filed = now;
  }
  RecordProperty("killed", killed);
  EXPECT_EQ(Play(99, 120000), 0) << "the last lock left behind is taken over";
  EXPECT_EQ(CheckFiled().size(), 10u);
  // Nothing half saved is left beside the files, nor the lock.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files, QDir::Name).join(' ').toStdString(),
            "Lisk2005.ini Options.INI Plays2005.ini Results2005.ini SEQ2005.txt");
}

}  // namespace
