// The program installed like a desktop program into a folder of the test's
// own: the files in their places, and the installed program keeping the
// player's files in the user's data folder while it reads the event files
// from the installed data folder (unless the working folder has its own).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/e2e/run_program.h"

namespace {

struct Outcome {
  int code = -1;
  QString err;
};

// Runs `exe` headless with HOME and the user's data folder inside `home`.
Outcome Start(const QString& exe, const QString& home, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", home);
  env.insert("XDG_DATA_HOME", home + "/data");
  env.insert("XDG_CONFIG_HOME", home + "/config");
  p.setProcessEnvironment(env);
  p.setWorkingDirectory(home);
  p.start(exe, QStringList{"-platform", "offscreen"} + args);
  Outcome run;
  if (!p.waitForFinished(quorval::testing::kProgramRunLimitMs)) return run;
  run.code = p.exitCode();
  run.err = QString::fromUtf8(p.readAllStandardError());
  return run;
}

QString Text(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Width and height from a PNG file's header.
QSize PngSize(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray head = f.read(24);
  if (head.size() < 24 || !head.startsWith("\x89PNG")) return {};
  auto be = [&](int at) {
    return (uchar(head[at]) << 24) | (uchar(head[at + 1]) << 16) | (uchar(head[at + 2]) << 8) | uchar(head[at + 3]);
  };
  return QSize(be(16), be(20));
}

bool Replace(const QString& from, const QString& to) {
  QFile::remove(to);
  return QFile::copy(from, to);
}

TEST(Install, TheInstalledProgramWorksInTheUsersDataFolder) {
  QTemporaryDir prefix, home;
  ASSERT_TRUE(prefix.isValid() && home.isValid());
  QProcess install;
  install.start(QUORVAL_CMAKE, {"--install", QUORVAL_BINARY_DIR, "--prefix", prefix.path()});
  ASSERT_TRUE(install.waitForFinished(quorval::testing::kProgramRunLimitMs));
  ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

  // The files in the standard places.
  const QString exe = prefix.filePath("bin/quorval");
  const QString shipped = prefix.filePath("share/quorval");
  EXPECT_TRUE(QFileInfo(exe).isExecutable());
  for (const char* f : {"Lisk2005.ini", "Results2005.ini"})
    EXPECT_GT(QFileInfo(shipped + "/" + f).size(), 1000) << f;
  EXPECT_FALSE(QDir(shipped).entryList({"*.html"}).isEmpty()) << "the help pages";
  const QString entry = Text(prefix.filePath("share/applications/quorval.desktop"));
  for (const char* line : {"[Desktop Entry]", "\nType=Application\n", "\nName=ORVENDAL QUORVAL 2005\n",
                           "\nExec=quorval\n", "\nIcon=quorval\n", "\nCategories=Game;CardGame;\n"})
    EXPECT_TRUE(entry.contains(line)) << line;
  // What Debian's checker asks of a package: the copyright file, the
  // changelog and the manual pages compressed.
  for (const char* file : {"share/doc/quorval/copyright", "share/doc/quorval/changelog.gz",
                           "share/man/man1/quorval.1.gz", "share/man/man1/quorval-eventgen.1.gz"})
    EXPECT_GT(QFileInfo(prefix.filePath(file)).size(), 100) << file;
  EXPECT_TRUE(Text(prefix.filePath("share/doc/quorval/copyright")).contains("License: GPL-3.0-or-later"));
  for (const int size : {16, 32, 48, 64, 128, 256})
    EXPECT_EQ(PngSize(prefix.filePath(QString("share/icons/hicolor/%1x%1/apps/quorval.png").arg(size))),
              QSize(size, size));

  // The installed event files are this test's own small set, so that what
  // the program reads can be told.
  for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"})
    ASSERT_TRUE(Replace(QString(QUORVAL_FIXTURES "/events/") + f, shipped + "/" + f)) << f;

  const QString user = home.filePath("data/quorval");
  Outcome run = Start(exe, home.path(), {"--quit-after-start"});
  ASSERT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_TRUE(QFile::exists(user + "/Options.INI"));
  EXPECT_FALSE(QFile::exists(prefix.filePath("bin/Options.INI"))) << "nothing is written beside the program";
  EXPECT_FALSE(QFile::exists(user + "/Lisk2005.ini")) << "the installed board file was found";

  // A board of the installed event files is played and filed for the player.
  run = Start(exe, home.path(), {"--autoplay", "Imp01.02", "--seed", "1"});
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_TRUE(Text(user + "/Options.INI").contains("\nImp01.02=")) << "the result is filed in the user's folder";

  // The working folder's own board file wins over the installed one: this
  // one has no Imp01.03, so that board cannot be played.
  QFile own(user + "/Lisk2005.ini");
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("[Imp09.27]\r\nDealer=N\r\n");
  own.close();
  run = Start(exe, home.path(), {"--autoplay", "Imp01.03", "--seed", "1"});
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(run.err.contains("Imp01.03")) << run.err.toStdString();

  // --dir wins over both.
  const QString before = Text(user + "/Options.INI");
  QTemporaryDir elsewhere;
  run = Start(exe, home.path(), {"--dir", elsewhere.path(), "--quit-after-start"});
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_TRUE(QFile::exists(elsewhere.filePath("Options.INI")));
  EXPECT_EQ(Text(user + "/Options.INI"), before);
}

}  // namespace
