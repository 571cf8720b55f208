// The program's command line as a user meets it: a refused option stops the
// program before it touches any file, with exit code 2 and the reason on
// standard error; keys of an automated run that name no board are reported
// (exit code 1) while the good ones are played, whatever their case; and a
// relative --dir is taken from the folder the program was started in.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

TEST(CommandLine, ARefusedOptionStopsTheProgramWithCodeTwo) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const struct {
    QStringList args;
    const char* message;
  } rows[] = {
      {{"--seed", "x"}, "--seed takes a whole number"},
      {{"--seed", "-3"}, "--seed takes a whole number"},
      {{"--seed", "4294967296"}, "--seed takes a whole number"},
      {{"--skill", "0"}, "--skill takes 1 to 10"},
      {{"--frobnicate"}, "unknown option --frobnicate"},
      {{"--player"}, "--player needs a value"},
  };
  for (const auto& row : rows) {
    const QStringList args = QStringList{"--dir", dir.path(), "--quit-after-start"} + row.args;
    QString err;
    EXPECT_EQ(RunProgram(args, &err), 2) << args.join(' ').toStdString();
    EXPECT_TRUE(err.contains(row.message)) << row.message << " / " << err.toStdString();
    // Nothing was started: no options file, no data files.
    EXPECT_FALSE(QFile::exists(dir.filePath("Options.INI"))) << args.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("Lisk2005.ini"))) << args.join(' ').toStdString();
  }
}

TEST(CommandLine, KeysThatNameNoBoardAreReportedAndTheOthersPlayed) {
  QTemporaryDir dir;
  ASSERT_TRUE(CopyFixtureEvents(dir.path()));
  QString err;
  // Nine IMP and eighteen pairs sessions of 27 boards: Imp10, Par19, board 28
  // and session 00 are none of them. Keys are read without regard to case.
  EXPECT_EQ(RunProgram({"--dir", dir.path(), "--player", "P", "--autoplay",
                        "Imp10,Par19,Imp01.28,Imp00.01,Par01.1,imp01.01,PAR01.02"},
                       &err),
            1);
  for (const char* bad : {"Imp10", "Par19", "Imp01.28", "Imp00.01", "Par01.1"})
    EXPECT_TRUE(err.contains(QString("Not a board or event: ") + bad)) << bad << " / " << err.toStdString();
  EXPECT_FALSE(err.contains("imp01.01")) << err.toStdString();
  const QString options = ReadText(dir.filePath("Options.INI"));
  EXPECT_TRUE(options.contains("\nImp01.01=S,4~S,")) << options.toStdString();
  EXPECT_TRUE(options.contains("\nPar01.02=N,3~D,")) << options.toStdString();
  EXPECT_EQ(options.count(QRegularExpression("\\n(Imp|Par)\\d\\d\\.\\d\\d=")), 2) << options.toStdString();
}

TEST(CommandLine, ARelativeFolderIsTakenFromWhereTheProgramStarts) {
  QTemporaryDir parent;
  ASSERT_TRUE(QDir(parent.path()).mkdir("club"));
  ASSERT_TRUE(CopyFixtureEvents(parent.filePath("club")));
  QString err;
  EXPECT_EQ(RunProgram({"--dir", "club", "--player", "P", "--autoplay", "Imp01.01"}, &err, parent.path()), 0)
      << err.toStdString();
  EXPECT_TRUE(ReadText(parent.filePath("club/Options.INI")).contains("\nImp01.01=S,4~S,")) << err.toStdString();
  EXPECT_FALSE(QDir(parent.filePath("club/club")).exists());
  // A folder that is not there is refused by its name.
  EXPECT_EQ(RunProgram({"--dir", "nowhere", "--quit-after-start"}, &err, parent.path()), 2);
  EXPECT_TRUE(err.contains("No such folder")) << err.toStdString();
  EXPECT_TRUE(err.contains("nowhere")) << err.toStdString();
}

}  // namespace
