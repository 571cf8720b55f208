// The real program with --language and --show: a picture of the named window
// is saved, a picture changes no file of the working folder, a language for
// one run leaves the player's option alone, and every wrong use is refused
// with exit code 2.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

// Every file of a folder with its bytes.
std::map<QString, QByteArray> Snapshot(const QString& folder) {
  std::map<QString, QByteArray> files;
  for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
    QFile f(info.filePath());
    files[info.fileName()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
  }
  return files;
}

// The width of a PNG picture from its header; 0 when the file is no PNG.
int PngWidth(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QByteArray head = f.read(24);
  if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR") return 0;
  const auto byte = [&](int i) { return int(static_cast<unsigned char>(head[i])); };
  return byte(16) << 24 | byte(17) << 16 | byte(18) << 8 | byte(19);
}

class ShowRun : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"})
      ASSERT_TRUE(QFile::copy(QString(QUORVAL_FIXTURES "/events/") + f, dir_.filePath(f)));
  }
  int Run(const QStringList& args, QString* err = nullptr) {
    QProcess p;
    p.start(QUORVAL_EXE, QStringList{"-platform", "offscreen", "--dir", dir_.path(), "--player", "Shot"} + args);
    if (!p.waitForFinished(120000)) return -1;
    if (err) *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
  }
  // The player's stored Language code.
  QString StoredLanguage() const {
    QFile f(dir_.filePath("Options.INI"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : f.readAll().split('\n'))
      if (line.startsWith("Language=")) return QString::fromUtf8(line.mid(9)).trimmed();
    return {};
  }
  QTemporaryDir dir_;
  QTemporaryDir pictures_;
};

// The pictures are taken on a copy of the player's state: however far the
// steps go (a board played out and filed, the board counter moved on), no
// file of the working folder changes. The help pages come with the program:
// the working folder holds none.
TEST_F(ShowRun, EachWindowOfTheRegistryIsSavedAsAPictureAndNoFileChanges) {
  ASSERT_EQ(Run({"--autoplay", "Imp01.01", "--skill", "3"}), 0);
  const auto before = Snapshot(dir_.path());
  ASSERT_TRUE(before.count("Options.INI") && before.count("Plays2005.ini"));
  for (const char* window : {"table", "bidding", "auction", "play", "score", "chooser", "session", "summary", "help",
                             "review", "export"}) {
    SCOPED_TRACE(window);
    const QString file = pictures_.filePath(QString(window) + ".png");
    EXPECT_EQ(Run({"--show", window, "--screenshot", file}), 0);
    EXPECT_TRUE(Snapshot(dir_.path()) == before);
    const int width = PngWidth(file);
    ASSERT_GT(width, 0);
    // The table fills the screen; the chooser, the session results and the
    // help are windows of their own.
    const QString name(window);
    if (name == "chooser") EXPECT_LT(width, 600);
    else if (name == "session" || name == "summary" || name == "help" || name == "review" || name == "export")
      EXPECT_NE(width, 800);
    else EXPECT_GE(width, 600);
  }
  // Nor is a player or an options file made for a picture.
  QTemporaryDir fresh;
  for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"})
    ASSERT_TRUE(QFile::copy(dir_.filePath(f), fresh.filePath(f)));
  const auto empty = Snapshot(fresh.path());
  QProcess p;
  p.start(QUORVAL_EXE, {"-platform", "offscreen", "--dir", fresh.path(), "--show", "score", "--screenshot",
                        pictures_.filePath("fresh.png")});
  ASSERT_TRUE(p.waitForFinished(120000));
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_TRUE(Snapshot(fresh.path()) == empty);
}

TEST_F(ShowRun, ALanguageForOneRunLeavesThePlayersOptionAlone) {
  ASSERT_EQ(Run({"--quit-after-start"}), 0);
  EXPECT_EQ(StoredLanguage(), "en");
  const QString file = pictures_.filePath("sw.png");
  EXPECT_EQ(Run({"--language", "sw", "--show", "score", "--screenshot", file}), 0);
  EXPECT_GT(PngWidth(file), 0);
  EXPECT_EQ(StoredLanguage(), "en");
}

TEST_F(ShowRun, WrongUsesAreRefused) {
  QString err;
  EXPECT_EQ(Run({"--show", "nowhere", "--screenshot", pictures_.filePath("x.png")}, &err), 2);
  EXPECT_TRUE(err.contains("table, bidding")) << err.toStdString();
  EXPECT_EQ(Run({"--show", "table"}), 2);
  EXPECT_EQ(Run({"--screenshot", pictures_.filePath("x.png")}), 2);
  EXPECT_EQ(Run({"--language", "fr", "--quit-after-start"}), 2);
  EXPECT_EQ(Run({"--language", "dl", "--quit-after-start"}), 2);
  // A picture that cannot be written is a failed run, not a success.
  EXPECT_EQ(Run({"--show", "table", "--screenshot", "/nonexistent/folder/x.png"}), 1);
  EXPECT_FALSE(QFile::exists(pictures_.filePath("x.png")));
}

}  // namespace
