// Results survive kill -9 at any moment. An automated play of the fixture
// events is killed again and again at points drawn from a fixed seed: after
// a given number of boards filed and a few milliseconds more, so the kills
// fall in the saving of a board as well as in the play of the next one, on a
// fast machine or a loaded one. After every kill the options file is whole,
// no board filed before is missing, and every filed line agrees with a
// recomputation from the board and its field results. Each new run takes
// over the lock the killed one left behind.
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
constexpr int kBoardCount = 10;

class KillNine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CopyFixtureEvents(dir_.path())); }

  // Runs the boards for `player`. With `killAfter`, once the options file
  // shows that many of its boards filed, waits `moreMs` and kills the run,
  // unless it ended before. Returns the exit code, or -9 when it was killed.
  int Play(const std::string& player, int seed, int killAfter = -1, int moreMs = 0) {
    QProcess p;
    p.start(QUORVAL_EXE, {"-platform", "offscreen", "--dir", dir_.path(), "--player", QString::fromStdString(player),
                          "--seed", QString::number(seed), "--autoplay", kBoards});
    if (!p.waitForStarted()) return -1;
    if (killAfter < 0) return p.waitForFinished(quorval::testing::kProgramRunLimitMs) ? p.exitCode() : -1;
    QElapsedTimer clock;
    clock.start();
    while (Filed(player) < killAfter) {
      if (p.waitForFinished(2)) return p.exitCode();
      if (clock.elapsed() > 120000) return -1;
    }
    if (p.waitForFinished(moreMs)) return p.exitCode();
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    p.waitForFinished();
    return -9;
  }

  // How many boards the options file holds for `player`.
  int Filed(const std::string& player) const {
    const IniFile options = ReadIni(dir_.filePath("Options.INI"));
    const auto section = options.find(player);
    if (section == options.end()) return 0;
    int n = 0;
    for (const auto& line : section->second) n += line.first.size() == 8 && line.first[5] == '.';
    return n;
  }

  // The options file is whole and every line filed agrees with the field;
  // gives the boards filed, as "player key".
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
    for (const auto& [player, lines] : options) {
      for (const auto& [key, line] : lines) {
        if (!boards.count(key)) continue;
        SCOPED_TRACE(player + " " + key);
        CheckFiledLine(key, line, boards.at(key), results.at(key));
        filed.insert(player + " " + key);
      }
    }
    return filed;
  }

  QTemporaryDir dir_;
};

TEST_F(KillNine, EveryFiledLineSurvivesWholeAndRight) {
  ASSERT_EQ(Play("K", 1), 0);
  std::set<std::string> filed = CheckFiled();
  ASSERT_EQ(filed.size(), 10u);

  // Each round a new player, so that the boards filed show how far the run
  // got; the kill falls after 0 to 7 of its 10 boards.
  std::mt19937 rng(20051209);
  std::uniform_int_distribution<int> boards(0, kBoardCount - 3), more(0, 60);
  int killed = 0;
  for (int round = 2; round < 10; ++round) {
    SCOPED_TRACE(round);
    const int after = boards(rng), ms = more(rng);
    const int code = Play("K" + std::to_string(round), round, after, ms);
    // A run that ended by itself was not refused by the lock a killed run left.
    if (code != -9) EXPECT_EQ(code, 0) << "after " << after << " boards and " << ms << " ms";
    else ++killed;
    const std::set<std::string> now = CheckFiled();
    for (const std::string& key : filed) EXPECT_TRUE(now.count(key)) << key << " was lost";
    filed = now;
  }
  EXPECT_EQ(killed, 8) << "every run is killed with boards still to play";
  EXPECT_EQ(Play("K", 99), 0) << "the last lock left behind is taken over";
  EXPECT_EQ(Filed("K"), 10);
  // Nothing half saved is left beside the files, nor the lock.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files, QDir::Name).join(' ').toStdString(),
            "Lisk2005.ini Options.INI Plays2005.ini Results2005.ini SEQ2005.txt");
}

}  // namespace
