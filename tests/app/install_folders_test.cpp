// Which folder the program works in: --dir first, then its own folder when it
// runs from its build, else the user's data folder; and where an installed
// program's shipped files are.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/install_folders.h"

namespace quorval {
namespace {

TEST(InstallFolders, TheWorkingFolderIsChosenInOrder) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QString program = root.filePath("prefix/bin"), user = root.filePath("home/data/quorval");
  ASSERT_TRUE(QDir().mkpath(program));
  // --dir wins over everything.
  EXPECT_EQ(ChooseWorkingFolder("elsewhere", program, root.filePath("prefix/share/quorval"), user), "elsewhere");
  // Run from its build: its own folder, which it can write.
  EXPECT_EQ(ChooseWorkingFolder("", program, "", user), program);
  EXPECT_FALSE(QDir(user).exists());
  // A folder it cannot write sends it to the user's data folder, made for it.
  EXPECT_EQ(ChooseWorkingFolder("", root.filePath("no/such/folder"), "", user), user);
  EXPECT_TRUE(QDir(user).exists());
  // Installed: the user's data folder even where the program's own folder
  // could be written (as by the administrator).
  EXPECT_EQ(ChooseWorkingFolder("", program, root.filePath("prefix/share/quorval"), user), user);
}

TEST(InstallFolders, AnInstallationIsKnownByItsShippedBoardFile) {
  QTemporaryDir root;
  const QString program = root.filePath("bin"), shipped = root.filePath("share/quorval");
  ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(shipped));
  EXPECT_TRUE(InstalledDataFolder(program).isEmpty()) << "a data folder without the board file";
  QFile board(shipped + "/Lisk2005.ini");
  ASSERT_TRUE(board.open(QIODevice::WriteOnly));
  board.close();
  EXPECT_EQ(InstalledDataFolder(program), QDir::cleanPath(shipped));
  EXPECT_TRUE(InstalledDataFolder(shipped).isEmpty());
}

}  // namespace
}  // namespace quorval
