// The progress run of the real program (--progress-csv) after an automated
// run of two events: one line per board, its tricks lost and opening lead
// as the review run (--review) gives them, and the figures kept beside the
// plays for the next run.
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/e2e/run_program.h"

namespace {

using quorval::testing::CopyFixtureEvents;
using quorval::testing::RunProgram;

struct Lost {
  int declarer = 0, defenders = 0, leadKept = 1;
  QString contract, declarerSeat;
};

// The tricks lost per board as the review's lines tell them: a card of
// declarer's side, or of a defender after the opening lead, that cost.
QHash<QString, Lost> FromReview(const QString& out) {
  static const QRegularExpression card(R"(^(\S+) trick (\d+) ([NESW]) \S+ costs (\d+) best)");
  static const QRegularExpression summary(R"(^(\S+) contract (\S+) by ([NESW-]) )");
  QHash<QString, Lost> lost;
  struct Card {
    QString key, seat;
    int trick, cost;
  };
  QList<Card> cards;
  for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
    if (const auto m = card.match(line); m.hasMatch()) cards.append({m.captured(1), m.captured(3), m.captured(2).toInt(), m.captured(4).toInt()});
    if (const auto m = summary.match(line); m.hasMatch()) {
      lost[m.captured(1)].contract = m.captured(2);
      lost[m.captured(1)].declarerSeat = m.captured(3);
    }
  }
  const QString seats = "NESW";
  for (const Card& c : cards) {
    Lost& l = lost[c.key];
    const int declarer = seats.indexOf(l.declarerSeat);
    const int seat = seats.indexOf(c.seat);
    if (c.trick == 1 && seat == (declarer + 1) % 4) l.leadKept = 0;   // the leader plays once to trick 1
    else if ((seat - declarer + 4) % 2 == 0) l.declarer += c.cost;
    else l.defenders += c.cost;
  }
  for (Lost& l : lost)
    if (l.contract == "P") l.leadKept = -1;
  return lost;
}

TEST(ProgressRun, TheFiguresOfTwoEventsAgreeWithTheReview) {
  QTemporaryDir dir;
  ASSERT_TRUE(CopyFixtureEvents(dir.path()));
  // The fixture's events end early: Imp01 after board 6, Par01 after board 4.
  QFile note(dir.filePath("SEED"));
  ASSERT_TRUE(note.open(QIODevice::WriteOnly));
  note.write("Seed=1\nEvents=Imp01,Par01\nShort=Imp01.06,Par01.04\n");
  note.close();
  QString err, out;
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "Ann", "--seed", "5", "--skill", "2", "--autoplay", "Imp01,Par01"},
                       &err),
            0)
      << err.toStdString();
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "Ann", "--review", "Imp01,Par01"}, &err, {}, &out), 0)
      << err.toStdString();
  const QHash<QString, Lost> review = FromReview(out);
  ASSERT_EQ(review.size(), 10);

  const QString csv = dir.filePath("progress.csv");
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "Ann", "--progress-csv", csv}, &err), 0) << err.toStdString();
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  file.close();
  const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 11) << text.toStdString();
  EXPECT_TRUE(lines[0].startsWith("date,key,scoring,contract,declarer,"));
  int lostSomewhere = 0;
  for (int i = 1; i < lines.size(); ++i) {
    const QStringList f = lines[i].split(',');
    ASSERT_EQ(f.size(), 15) << lines[i].toStdString();
    ASSERT_TRUE(review.contains(f[1])) << lines[i].toStdString();
    const Lost& r = review[f[1]];
    EXPECT_EQ(f[3], r.contract) << lines[i].toStdString();
    EXPECT_EQ(f[4], r.declarerSeat) << lines[i].toStdString();
    EXPECT_EQ(f[11].toInt(), r.declarer) << lines[i].toStdString();
    EXPECT_EQ(f[12].toInt(), r.defenders) << lines[i].toStdString();
    EXPECT_EQ(f[13], r.leadKept < 0 ? QString() : QString::number(r.leadKept)) << lines[i].toStdString();
    // Every board carries its filing time, and they come in that order.
    EXPECT_EQ(f[0].size(), 19) << lines[i].toStdString();
    if (i > 1) EXPECT_LE(lines[i - 1].split(',')[0], f[0]);
    lostSomewhere += r.declarer + r.defenders;
  }
  EXPECT_GT(lostSomewhere, 0);   // the engine at skill 2 gives tricks away: the sums are tried

  // The next run takes the kept figures and writes the same lines.
  EXPECT_TRUE(QFile::exists(dir.filePath("Progress2005.ini")));
  ASSERT_EQ(RunProgram({"--dir", dir.path(), "--player", "Ann", "--progress-csv", csv}, &err), 0) << err.toStdString();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()), text);
}

}  // namespace
