// The review run of the real program (--review) on boards it has just
// played and filed: the form of every line, the summary against the filed
// result, and the exit codes for a board with no kept play and a kept play
// that breaks off.
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/e2e/run_program.h"

namespace {

using quorval::testing::CopyFixtureEvents;
using quorval::testing::RunProgram;

class ReviewRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFixtureEvents(dir_.path()));
    QString err;
    ASSERT_EQ(RunProgram({"--dir", dir_.path(), "--player", "Ann", "--seed", "3", "--autoplay", "Imp01.01,Imp01.02"}, &err),
              0)
        << err.toStdString();
  }
  int Review(const QString& keys, QString& out, QString& err) {
    return RunProgram({"--dir", dir_.path(), "--player", "Ann", "--review", keys}, &err, {}, &out);
  }
  // The filed result line of a board (declarer, contract, tricks, score ...).
  QStringList Filed(const QString& key) const {
    QFile f(dir_.filePath("Options.INI"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(f.readAll());
    const auto m = QRegularExpression("^" + QRegularExpression::escape(key) + "=(.*)$",
                                      QRegularExpression::MultilineOption).match(text);
    return m.hasMatch() ? m.captured(1).trimmed().split(',') : QStringList{};
  }
  QTemporaryDir dir_;
};

const QRegularExpression kCardLine(R"(^(Imp01\.0[12]) trick (\d+) ([NESW]) ([2-9TJQKA][CDHS]) costs ([1-9]\d*) best( [2-9TJQKA][CDHS])+$)");
const QRegularExpression kSummary(
    R"(^(Imp01\.0[12]) contract (P|[1-7][CDHSN]X{0,2}) by ([NESW-]) tricks (\d+) dd_after_lead (\d+|-) par (-?\d+) (P|[1-7][CDHSN]X?-[NESW](,[1-7][CDHSN]X?-[NESW])*)$)");

TEST_F(ReviewRun, EveryLineInItsFormAndTheSummaryAgreesWithTheFiledResult) {
  QString out, err;
  ASSERT_EQ(Review("Imp01.01,Imp01.02", out, err), 0) << err.toStdString();
  QStringList summaries;
  for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
    const auto card = kCardLine.match(line);
    const auto summary = kSummary.match(line);
    ASSERT_TRUE(card.hasMatch() || summary.hasMatch()) << line.toStdString();
    if (card.hasMatch()) {
      EXPECT_GE(card.captured(2).toInt(), 1);
      EXPECT_LE(card.captured(2).toInt(), 13);
      continue;
    }
    summaries << summary.captured(1);
    const QStringList filed = Filed(summary.captured(1));
    ASSERT_GE(filed.size(), 4) << line.toStdString();
    if (summary.captured(2) == "P") continue;
    EXPECT_EQ(summary.captured(3), filed[0]) << line.toStdString();
    EXPECT_EQ(summary.captured(2), QString(filed[1]).remove(QChar(0x7E)).replace("NT", "N")) << line.toStdString();
    EXPECT_EQ(summary.captured(4), filed[2]) << line.toStdString();
  }
  EXPECT_EQ(summaries, (QStringList{"Imp01.01", "Imp01.02"}));
}

TEST_F(ReviewRun, ASessionReviewsItsPlayedBoardsAndANamedBoardNeedsAKeptPlay) {
  QString out, err;
  EXPECT_EQ(Review("Imp01", out, err), 0) << err.toStdString();
  EXPECT_EQ(out.count(" contract "), 2);
  EXPECT_EQ(Review("Imp01.02,Imp01.03", out, err), 1);
  EXPECT_TRUE(err.contains("no kept play for Imp01.03")) << err.toStdString();
  EXPECT_EQ(out.count(" contract "), 1);
  EXPECT_EQ(Review("Par02", out, err), 1);
  EXPECT_TRUE(err.contains("No kept play in Par02")) << err.toStdString();
}

TEST_F(ReviewRun, APlayThatBreaksOffIsReviewedUpToThereAndSaid) {
  QFile plays(dir_.filePath("Plays2005.ini"));
  ASSERT_TRUE(plays.open(QIODevice::ReadOnly));
  QByteArray text = plays.readAll();
  plays.close();
  // Card 6 of Imp01.01 replaced by a card nobody can play there.
  const int at = text.indexOf("Imp01.01.Play=");
  ASSERT_GE(at, 0);
  const int sixth = at + int(strlen("Imp01.01.Play=X:")) + 5 * 3;
  text.replace(sixth, 2, "ZZ");
  ASSERT_TRUE(plays.open(QIODevice::WriteOnly | QIODevice::Truncate));
  plays.write(text);
  plays.close();
  QString out, err;
  EXPECT_EQ(Review("Imp01.01", out, err), 1);
  EXPECT_TRUE(err.contains("the kept play of Imp01.01 stops after card 5")) << err.toStdString();
  const auto summary = QRegularExpression(R"(Imp01\.01 contract \S+ by \S tricks (\d+) )").match(out);
  ASSERT_TRUE(summary.hasMatch()) << out.toStdString();
  EXPECT_LE(summary.captured(1).toInt(), 1);   // one complete trick at most
  for (const auto& line : out.split('\n', Qt::SkipEmptyParts))
    if (line.contains(" trick ")) EXPECT_LE(line.section(' ', 2, 2).toInt(), 2) << line.toStdString();
}

}  // namespace
