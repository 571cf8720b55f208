// The printing runs of the real program on the fixture events: the PDF
// files they write, page by page, and their exit codes.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/e2e/run_program.h"

namespace {

using quorval::testing::CopyFixtureEvents;
using quorval::testing::RunProgram;

// Pages of a PDF file as its page objects count them (0 for no file).
int PdfPages(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  return int(f.readAll().count("/Type /Page\n"));
}

class PrintRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFixtureEvents(dir_.path()));
    QString err;
    ASSERT_EQ(RunProgram({"--dir", dir_.path(), "--player", "Ann", "--seed", "2", "--autoplay",
                          "Imp01.01,Imp01.02,Imp01.05", "--print-to", dir_.filePath("boards.pdf")},
                         &err),
              0)
        << err.toStdString();
  }
  QString File(const char* name) const { return dir_.filePath(name); }
  int Run(const QStringList& args, QString* err = nullptr) {
    return RunProgram(QStringList{"--dir", dir_.path(), "--player", "Ann"} + args, err);
  }
  QTemporaryDir dir_;
};

TEST_F(PrintRun, AutoplayPrintsAPagePerBoardAndKeepsEveryPlay) {
  EXPECT_EQ(PdfPages(File("boards.pdf")), 3);
  QFile plays(File("Plays2005.ini"));
  ASSERT_TRUE(plays.open(QIODevice::ReadOnly));
  const QByteArray text = plays.readAll();
  for (const char* key : {"Imp01.01", "Imp01.02", "Imp01.05"})
    EXPECT_TRUE(text.contains(QByteArray(key) + ".Play=")) << key;
}

TEST_F(PrintRun, SessionListAndFiledHandsArePrinted) {
  QString err;
  EXPECT_EQ(Run({"--print-session", "Imp01", "--print-to", File("session.pdf")}, &err), 0) << err.toStdString();
  EXPECT_EQ(PdfPages(File("session.pdf")), 1);
  EXPECT_EQ(Run({"--print-hands", "Imp01", "--print-to", File("hands.pdf")}, &err), 0) << err.toStdString();
  EXPECT_EQ(PdfPages(File("hands.pdf")), 3);
  // A session with no filed board still has its list; its hands are none.
  EXPECT_EQ(Run({"--print-session", "Par01", "--print-to", File("empty.pdf")}), 0);
  EXPECT_EQ(PdfPages(File("empty.pdf")), 1);
  EXPECT_EQ(Run({"--print-hands", "Par01", "--print-to", File("none.pdf")}, &err), 1);
  EXPECT_TRUE(err.contains("Nothing to print")) << err.toStdString();
}

TEST_F(PrintRun, ANamedBoardWithoutResultOrADamagedPlayGivesExitCodeOne) {
  QString err;
  EXPECT_EQ(Run({"--print-hands", "Imp01.02,Par01.03,Imp01.05", "--print-to", File("two.pdf")}, &err), 1);
  EXPECT_TRUE(err.contains("No filed result for Par01.03")) << err.toStdString();
  EXPECT_EQ(PdfPages(File("two.pdf")), 2);

  // Imp01.02's play cut after a few cards: printed without its play, and said.
  QFile plays(File("Plays2005.ini"));
  ASSERT_TRUE(plays.open(QIODevice::ReadOnly));
  QByteArray text = plays.readAll();
  plays.close();
  const int at = text.indexOf("Imp01.02.Play=");
  ASSERT_GE(at, 0);
  text.remove(at + 30, text.indexOf('\r', at) - at - 30);
  ASSERT_TRUE(plays.open(QIODevice::WriteOnly | QIODevice::Truncate));
  plays.write(text);
  plays.close();
  EXPECT_EQ(Run({"--print-hands", "Imp01", "--print-to", File("cut.pdf")}, &err), 1);
  EXPECT_TRUE(err.contains("The kept play of Imp01.02 cannot be used")) << err.toStdString();
  EXPECT_EQ(PdfPages(File("cut.pdf")), 3);

  EXPECT_EQ(Run({"--print-hands", "Imp01", "--print-to", "/nonexistent/folder/x.pdf"}, &err), 1);
  EXPECT_TRUE(err.contains("Could not write")) << err.toStdString();
  EXPECT_EQ(Run({"--print-hands", "Imp01"}), 2);
}

// Output files are named from the folder the program was started in, as
// --dir is, never from the working folder it moves to.
TEST_F(PrintRun, RelativeOutputFilesAreTakenFromTheStartingFolder) {
  QTemporaryDir start;
  ASSERT_TRUE(start.isValid());
  QString err;
  const QString dir = QDir(start.path()).relativeFilePath(dir_.path());
  EXPECT_EQ(RunProgram({"--dir", dir, "--player", "Ann", "--print-session", "Imp01", "--print-to", "rel.pdf"}, &err,
                       start.path()),
            0)
      << err.toStdString();
  EXPECT_EQ(PdfPages(QDir(start.path()).filePath("rel.pdf")), 1);
  EXPECT_FALSE(QFile::exists(File("rel.pdf")));
  EXPECT_EQ(RunProgram({"--dir", dir, "--show", "table", "--screenshot", "rel.png"}, &err, start.path()), 0)
      << err.toStdString();
  EXPECT_TRUE(QFile::exists(QDir(start.path()).filePath("rel.png")));
  EXPECT_FALSE(QFile::exists(File("rel.png")));
}

}  // namespace
