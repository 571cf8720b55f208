// The real program on one folder: a second copy is refused while the first
// runs, a lock left by a killed copy is taken over, and a folder where
// nothing can be written still opens but an automated run that cannot save
// its results or its kept plays fails with code 4 and says what was lost.
// (A line added to the options file while a save writes it is kept: see
// the store's own tests, where the moment can be chosen.)
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "tests/e2e/run_program.h"

namespace {

constexpr const char* kRefused = "ORVENDAL QUORVAL 2005 is already running on this folder";

struct Ran {
  int code = -1;
  QString err;
};

// Runs the program headless; `prefix` runs it through a shell that sets a
// limit first.
Ran RunQuorval(const QStringList& args, const QString& shellPrefix = {}) {
  QProcess p;
  const QStringList all = QStringList{"-platform", "offscreen"} + args;
  if (shellPrefix.isEmpty()) {
    p.start(QUORVAL_EXE, all);
  } else {
    p.start("/bin/sh", QStringList{"-c", shellPrefix + "; exec \"$0\" \"$@\"", QUORVAL_EXE} + all);
  }
  if (!p.waitForFinished(quorval::testing::kProgramRunLimitMs)) return {};
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > 60000) return false;
    QThread::msleep(20);
  }
  return true;
}

class Folder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(quorval::testing::CopyFixtureEvents(dir_.path())); }
  QString Path(const char* name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(Folder, ASecondProgramIsRefusedAndALockLeftByAKilledOneIsTakenOver) {
  // The first program stays at its table (no pauses with the marker file).
  QFile(Path("ZVQ.CDA")).open(QIODevice::WriteOnly);
  QProcess first;
  first.start(QUORVAL_EXE, {"-platform", "offscreen", "--dir", dir_.path(), "--player", "One"});
  ASSERT_TRUE(WaitFor([&] { return QFile::exists(Path("quorval.lock")) && QFile::exists(Path("Options.INI")); }));
  const QByteArray before = ReadAll(Path("Options.INI"));

  for (const QStringList& second : {QStringList{"--quit-after-start"}, QStringList{"--autoplay", "Imp01.01"}}) {
    const Ran r = RunQuorval(QStringList{"--dir", dir_.path(), "--player", "Two"} + second);
    EXPECT_EQ(r.code, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(kRefused)) << r.err.toStdString();
  }
  EXPECT_EQ(ReadAll(Path("Options.INI")), before) << "the refused program wrote nothing";
  // In the language of the player who would have started.
  const Ran danish = RunQuorval({"--dir", dir_.path(), "--player", "Two", "--language", "dk", "--quit-after-start"});
  EXPECT_EQ(danish.code, 3);
  EXPECT_TRUE(danish.err.contains("ORVENDAL QUORVAL 2005 kører allerede i denne mappe")) << danish.err.toStdString();

  ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
  first.waitForFinished();
  ASSERT_TRUE(QFile::exists(Path("quorval.lock"))) << "a killed program leaves its lock";
  const Ran after = RunQuorval({"--dir", dir_.path(), "--player", "Two", "--autoplay", "Imp01.01"});
  EXPECT_EQ(after.code, 0) << after.err.toStdString();
  EXPECT_TRUE(ReadAll(Path("Options.INI")).contains("Imp01.01="));
  EXPECT_FALSE(QFile::exists(Path("quorval.lock"))) << "released at the end";
}

// A full disk: no file may grow, which holds for any user, root included.
TEST_F(Folder, ResultsThatCannotBeWrittenFailTheRunAndAreNamed) {
  ASSERT_EQ(RunQuorval({"--dir", dir_.path(), "--player", "P", "--autoplay", "Par01.01"}).code, 0);
  const QByteArray before = ReadAll(Path("Options.INI"));
  const Ran r = RunQuorval({"--dir", dir_.path(), "--player", "P", "--autoplay", "Imp01.01,Imp01.02"},
                    "trap '' XFSZ; ulimit -f 0");
  EXPECT_EQ(r.code, 4) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("Results not saved: P: Imp01.01, Imp01.02")) << r.err.toStdString();
  EXPECT_EQ(ReadAll(Path("Options.INI")), before);
}

// A read-only folder still opens (no lock can be made there) and fails the
// same way. Root may write anywhere, so root runs the program as "nobody"
// when that user can reach it.
TEST_F(Folder, AReadOnlyFolderStillOpensAndItsResultsAreNamedAsNotSaved) {
  QString asUser;
  if (::geteuid() == 0) {
    asUser = "exec setpriv --reuid=65534 --regid=65534 --clear-groups \"$0\" \"$@\"; :";
    if (QProcess::execute("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "test", "-x", QUORVAL_EXE}) != 0)
      GTEST_SKIP() << "root writes into read-only folders, and nobody cannot run the program here";
  }
  const QByteArray folder = dir_.path().toLocal8Bit();
  ASSERT_EQ(::chmod(folder.constData(), 0777), 0);
  ASSERT_EQ(RunQuorval({"--dir", dir_.path(), "--player", "P", "--quit-after-start"}, asUser).code, 0);
  ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
  const Ran r = RunQuorval({"--dir", dir_.path(), "--player", "P", "--autoplay", "Imp01.03"}, asUser);
  ::chmod(folder.constData(), 0755);
  EXPECT_EQ(r.code, 4) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("Results not saved: P: Imp01.03")) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("quorval.lock")));
}

// The kept plays cannot be written (a folder has taken their name): the
// results are still filed, and the run fails with code 4 and says why.
TEST_F(Folder, KeptPlaysThatCannotBeSavedFailTheRun) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Plays2005.ini"));
  const Ran r = RunQuorval({"--dir", dir_.path(), "--player", "P", "--autoplay", "Imp01.01"});
  EXPECT_EQ(r.code, 4) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("The kept plays were not saved.")) << r.err.toStdString();
  EXPECT_TRUE(ReadAll(Path("Options.INI")).contains("\r\nImp01.01=")) << "the result itself is filed";
}

TEST(CommandLineWithoutAScreen, AWordThatIsNeitherOursNorQtsIsRefusedBeforeQtStarts) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(var);
  const QStringList cases[] = {{"--frob"},
                               {"-platform", "offscreen", "--frob"},
                               {"-style=fusion", "-reverse", "--qwindowtitle", "x", "--frob"}};
  for (const QStringList& args : cases) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QUORVAL_EXE, args);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << args.join(' ').toStdString();
    EXPECT_EQ(p.exitCode(), 2) << args.join(' ').toStdString();
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), "quorval: unknown option --frob (see quorval --help)\n");
  }
}

}  // namespace
