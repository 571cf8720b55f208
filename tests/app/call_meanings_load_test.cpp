// Where the table's meanings of the calls come from: beside a library of the
// working folder, or compiled in with the shipped library; a missing or
// damaged file is refused with its reason.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/program.h"
#include "data/program_folder.h"

static void InitProgramResources() { Q_INIT_RESOURCE(quorval); }

namespace quorval {
namespace {

void Write(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
  QFile f(dir.filePath(name));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

TEST(LoadCallMeanings, BesideTheWorkingFoldersLibraryOrCompiledIn) {
  InitProgramResources();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  SetProgramFolder(dir.path().toStdString() + "/");
  SetShippedFolder("");
  CallMeanings meanings;
  std::string problem;
  // No library of its own: the shipped meanings, compiled in.
  ASSERT_TRUE(LoadCallMeanings(meanings, problem)) << problem;
  EXPECT_GT(meanings.Size(), 1000u);
  ASSERT_NE(meanings.Find('D', "1N"), nullptr);
  EXPECT_EQ(meanings.Find('D', "1N")->minPts, 15);

  // A library of its own without meanings: none, never another set's.
  Write(dir, "SEQ2005.txt", "[Imp01.01.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  EXPECT_FALSE(LoadCallMeanings(meanings, problem));
  EXPECT_EQ(problem, "no Meanings2005.txt");

  // Truncated: refused whole, with the reason.
  Write(dir, "Meanings2005.txt", "[Meanings]\r\nEntries=2\r\n[D]\r\nP=Natural\r\n");
  EXPECT_FALSE(LoadCallMeanings(meanings, problem));
  EXPECT_EQ(problem.rfind("Meanings2005.txt: ", 0), 0u) << problem;
  EXPECT_TRUE(meanings.Empty());

  Write(dir, "Meanings2005.txt", "[Meanings]\r\nEntries=1\r\n[D]\r\nP=Natural,0-11\r\n");
  ASSERT_TRUE(LoadCallMeanings(meanings, problem)) << problem;
  EXPECT_EQ(meanings.Size(), 1u);
}

}  // namespace
}  // namespace quorval
