// The real program with --language and --show: a picture of the named window
// is saved, a picture changes no file of the working folder, a language for
// one run leaves the player's option alone, and every wrong use is refused
// with exit code 2.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/e2e/run_program.h"

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

// How many colours a picture holds.
int Colours(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  std::set<QRgb> seen;
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) seen.insert(rgb.pixel(x, y));
  return int(seen.size());
}

// The fixture events and a meaning for every system's first pass so that the meaning tip has
// something to show.
bool FillFolder(const QString& folder) {
  for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"})
    if (!QFile::copy(QString(QUORVAL_FIXTURES "/events/") + f, folder + "/" + f)) return false;
  QFile meanings(folder + "/Meanings2005.txt");
  if (!meanings.open(QIODevice::WriteOnly)) return false;
  meanings.write("[Meanings]\r\nEntries=4\r\n");
  for (const char* system : {"D", "M", "N", "S"}) meanings.write(QByteArray("[") + system + "]\r\nP=Natural,0-11\r\n");
  return true;
}

class ShowRun : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FillFolder(dir_.path())); }
  int Run(const QStringList& args, QString* err = nullptr, const QString& folder = {}) {
    QProcess p;
    p.start(QUORVAL_EXE, QStringList{"-platform", "offscreen", "--dir", folder.isEmpty() ? dir_.path() : folder,
                                     "--player", "Shot"} +
                             args);
    if (!p.waitForFinished(quorval::testing::kProgramRunLimitMs)) return -1;
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

// Every window of the registry, each from a fresh folder (the steps that
// play a board move the player on): a picture with something drawn on it,
// the table's size for the views of the table and a size of their own for
// the windows that open, and no two pictures alike, so that every window's
// steps did what they say.
TEST_F(ShowRun, EachWindowOfTheRegistryIsSavedAsAPicture) {
  const struct {
    const char* window;
    bool ownWindow;
  } windows[] = {{"table", false},      {"bidding", false},   {"all_hands", false}, {"hint", false},
                 {"meaning", false},    {"auction", false},   {"play", false},      {"score", false},
                 {"chooser", true},     {"help", true},       {"preferences", true}, {"about", true},
                 {"splash", true},      {"session", true},    {"summary", true},    {"review", true},
                 {"review_end", true},  {"export", true},     {"new_events", true}, {"bidding_box", true},
                 {"board_panel", true}};
  std::map<QString, QImage> pictures;
  QSize table;
  for (const auto& w : windows) {
    SCOPED_TRACE(w.window);
    QTemporaryDir dir;
    ASSERT_TRUE(FillFolder(dir.path()));
    const QString file = pictures_.filePath(QString(w.window) + ".png");
    const auto before = Snapshot(dir.path());
    ASSERT_EQ(Run({"--show", w.window, "--screenshot", file}, nullptr, dir.path()), 0);
    // The steps run on a copy of the player's state: no file is made or changed.
    EXPECT_TRUE(Snapshot(dir.path()) == before);
    const QImage picture(file, "PNG");
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(Colours(picture), 8) << "a blank picture";
    if (!table.isValid()) table = picture.size();
    // The score pages widen the table; every other view is the table as it is.
    if (!w.ownWindow && QString(w.window) != "score") EXPECT_EQ(picture.size(), table);
    // The strata pages need more room than the table's first size: the window
    // grows to hold them (it was left at the screen's width, the pages cut off).
    if (QString(w.window) == "score") EXPECT_GT(picture.width(), table.width());
    if (w.ownWindow) EXPECT_NE(picture.size(), table) << "the table, not a window of its own";
    for (const auto& [other, seen] : pictures) EXPECT_NE(picture, seen) << "the same picture as " << other.toStdString();
    pictures[w.window] = picture;
  }
  EXPECT_EQ(pictures.size(), std::size(windows));

  // A window that does not open (no board left to play for the review) is
  // a failed run, not a picture of the table.
  QString err;
  ASSERT_EQ(Run({"--quit-after-start"}), 0);
  QFile options(dir_.filePath("Options.INI"));
  ASSERT_TRUE(options.open(QIODevice::ReadOnly));
  const QByteArray text = options.readAll().replace("LastHandPlayed=0", "LastHandPlayed=6");
  options.close();
  ASSERT_TRUE(options.open(QIODevice::WriteOnly | QIODevice::Truncate));
  options.write(text);
  options.close();
  EXPECT_EQ(Run({"--show", "review", "--screenshot", pictures_.filePath("none.png")}, &err), 1);
  EXPECT_TRUE(err.contains("--show review: the window did not open")) << err.toStdString();
}

// A player who has filed a board: however far a window's steps go (a board
// played out and filed, the board counter moved on), the working folder's
// files stay as they were.
TEST_F(ShowRun, APicturesStepsLeaveThePlayersFilesAlone) {
  ASSERT_EQ(Run({"--autoplay", "Imp01.01", "--skill", "3"}), 0);
  const auto before = Snapshot(dir_.path());
  ASSERT_TRUE(before.count("Options.INI") && before.count("Plays2005.ini"));
  for (const char* window : {"score", "review"}) {
    SCOPED_TRACE(window);
    EXPECT_EQ(Run({"--show", window, "--screenshot", pictures_.filePath(QString(window) + ".png")}), 0);
    EXPECT_TRUE(Snapshot(dir_.path()) == before);
  }
}

TEST_F(ShowRun, ALanguageForOneRunLeavesThePlayersOptionAlone) {
  ASSERT_EQ(Run({"--quit-after-start"}), 0);
  EXPECT_EQ(StoredLanguage(), "en");
  const QString file = pictures_.filePath("sw.png");
  EXPECT_EQ(Run({"--language", "sw", "--show", "score", "--screenshot", file}), 0);
  EXPECT_FALSE(QImage(file, "PNG").isNull());
  EXPECT_EQ(StoredLanguage(), "en");
}

// --size: the picture has the window's size, the table fills it (the green
// cloth grows with it), and with a screen scale of 2 twice the pixels.
TEST_F(ShowRun, APictureAtAGivenSizeHasTheTableFillingIt) {
  auto clothWidth = [](const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    int widest = 0;
    for (int y = 0; y < rgb.height(); y += 4) {
      int run = 0;
      for (int x = 0; x < rgb.width(); ++x) {
        run = rgb.pixel(x, y) == qRgb(0, 110, 50) ? run + 1 : 0;
        widest = std::max(widest, run);
      }
    }
    return widest;
  };
  const QString own = pictures_.filePath("own.png"), large = pictures_.filePath("large.png");
  ASSERT_EQ(Run({"--show", "play", "--screenshot", own, "--size", "700x600"}), 0);
  ASSERT_EQ(Run({"--show", "play", "--screenshot", large, "--size", "1600x1000"}), 0);
  EXPECT_EQ(QImage(large).size(), QSize(1600, 1000));
  EXPECT_GT(clothWidth(QImage(large)), clothWidth(QImage(own)) * 14 / 10);
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_SCALE_FACTOR", "2");
  p.setProcessEnvironment(env);
  const QString twice = pictures_.filePath("twice.png");
  p.start(QUORVAL_EXE, {"-platform", "offscreen", "--dir", dir_.path(), "--player", "Shot", "--show", "play",
                        "--screenshot", twice, "--size", "800x600"});
  ASSERT_TRUE(p.waitForFinished(120000));
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_EQ(QImage(twice).size(), QSize(1600, 1200));
}

TEST_F(ShowRun, WrongUsesAreRefused) {
  QString err;
  EXPECT_EQ(Run({"--show", "nowhere", "--screenshot", pictures_.filePath("x.png")}, &err), 2);
  EXPECT_TRUE(err.contains("table, bidding")) << err.toStdString();
  EXPECT_EQ(Run({"--show", "table"}), 2);
  EXPECT_EQ(Run({"--screenshot", pictures_.filePath("x.png")}), 2);
  EXPECT_EQ(Run({"--language", "fr", "--quit-after-start"}), 2);
  EXPECT_EQ(Run({"--language", "dl", "--quit-after-start"}), 2);
  EXPECT_EQ(Run({"--show", "table", "--screenshot", pictures_.filePath("x.png"), "--size", "90x600"}), 2);
  EXPECT_EQ(Run({"--size", "800x600", "--quit-after-start"}), 2);
  // A picture that cannot be written is a failed run, not a success.
  EXPECT_EQ(Run({"--show", "table", "--screenshot", "/nonexistent/folder/x.png"}), 1);
  EXPECT_FALSE(QFile::exists(pictures_.filePath("x.png")));
}

}  // namespace
