// Where the shipped files are read from: the working folder's own copy wins
// over the installed one, and a file that is in neither place is looked for in
// the working folder (where the store then starts empty).
#include <gtest/gtest.h>

#include "data/program_folder.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;

TEST(ShippedFiles, WorkingFolderCopyThenInstalledCopyThenWorkingFolder) {
  TempFolder working, installed;
  installed.Write("Lisk2005.ini", "[Imp01.01]\n");
  installed.Write("Results2005.ini", "[Imp01.01]\n");
  working.Write("Results2005.ini", "[Imp01.02]\n");
  SetProgramFolder(working.Path());
  SetShippedFolder(installed.Path());
  EXPECT_EQ(ResolveShippedFile("Lisk2005.ini"), installed.File("Lisk2005.ini"));
  EXPECT_EQ(ResolveShippedFile("Results2005.ini"), working.File("Results2005.ini"));
  EXPECT_EQ(ResolveShippedFile("English.html"), working.File("English.html"));
  // A name with a folder part is taken as it stands.
  EXPECT_EQ(ResolveShippedFile("/elsewhere/Lisk2005.ini"), "/elsewhere/Lisk2005.ini");

  // A program run from its build has no installed folder.
  SetShippedFolder("");
  EXPECT_EQ(ResolveShippedFile("Lisk2005.ini"), working.File("Lisk2005.ini"));
  SetProgramFolder("");
}
