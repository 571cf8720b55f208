// A save merges with what is on disk: lines that another program or a hand
// edit added since the store was loaded survive it, and a failed save keeps
// the store's own changes, named, for the next try or another file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/messages.h"
#include "data/ini_store.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const TBigIniFile& ini, const std::string& section) {
  std::vector<std::string> lines;
  ini.ReadSectionValues(section, lines);
  return lines;
}

}  // namespace

TEST(IniStoreMerge, TwoStoresOnOneFileBothKeepTheirResults) {
  TempFolder dir;
  dir.Write("Options.INI", "[Ann]\r\nBidSys=1\r\nLastHandPlayed=3\r\n");
  TMyINI first(dir.File("Options.INI"));
  TMyINI second(dir.File("Options.INI"));
  first.WriteString("Ann", "Imp01.01", "N,4~S,10,620");
  first.WriteString("Ann", "LastHandPlayed", "1");
  ASSERT_TRUE(first.UpdateFile());
  second.WriteString("Ann", "Par01.01", "S,3~N,9,400");
  second.WriteString("Ann", "LastHandPlayed", "1");
  second.WriteString("Bob", "BidSys", "2");
  ASSERT_TRUE(second.UpdateFile());

  EXPECT_EQ(dir.Read("Options.INI"),
            "[Ann]\r\nBidSys=1\r\nLastHandPlayed=1\r\nImp01.01=N,4~S,10,620\r\nPar01.01=S,3~N,9,400\r\n\r\n"
            "[Bob]\r\nBidSys=2\r\n\r\n");
  // The store that saved last now also holds the other's line.
  EXPECT_EQ(second.ReadString("Ann", "Imp01.01", "nope"), "N,4~S,10,620");
  EXPECT_FALSE(second.Modified());
  EXPECT_TRUE(second.PendingChanges().empty());
}

TEST(IniStoreMerge, HandEditsSurviveAndTheStoresOwnChangesWin) {
  TempFolder dir;
  dir.Write("o.ini", "[P]\r\nSkill=8\r\nColour=red\r\nOld=1\r\n[Gone]\r\nk=1\r\n");
  TMyINI ini(dir.File("o.ini"));
  ini.WriteString("P", "Skill", "3");
  ini.DeleteKey("P", "Old");
  ini.EraseSection("Gone");
  ini.WriteString("P", "Skill", "4");
  // Meanwhile by hand: a value the store does not touch changed, one it sets
  // changed, a line and a section added, the erased section grown.
  dir.Write("o.ini", "[P]\r\nSkill=9\r\nColour=blue\r\nOld=1\r\nNote=mine\r\n[Gone]\r\nk=1\r\nk2=2\r\n[Added]\r\na=1\r\n");
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(dir.Read("o.ini"), "[Added]\r\na=1\r\n\r\n[P]\r\nSkill=4\r\nColour=blue\r\nNote=mine\r\n\r\n");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Added", "P"}));
  EXPECT_EQ(ini.ReadString("P", "Colour", ""), "blue");
}

// Another program adds a player while a long run saves its results: the
// line it appends after the save has read the file, before the save's final
// check, is kept (the save merges again); a file that keeps changing is
// merged a bounded number of times and then saved all the same.
TEST(IniStoreMerge, ALineAddedByHandDuringASaveSurvivesIt) {
  TempFolder dir;
  dir.Write("Options.INI", "[P]\r\nImp01.01=S,4~S,10,420\r\n");
  TMyINI ini(dir.File("Options.INI"));
  ini.WriteString("P", "Par01.04", "N,3~H,9,140");
  int calls = 0;
  ini.SetBeforeFinalCheck([&] {
    if (++calls > 1) return;
    std::ofstream(dir.File("Options.INI"), std::ios::binary | std::ios::app)
        << "[Hand]\r\nImp01.01=N,4~S,10,420\r\n";
  });
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(dir.Read("Options.INI"),
            "[Hand]\r\nImp01.01=N,4~S,10,420\r\n\r\n[P]\r\nImp01.01=S,4~S,10,420\r\nPar01.04=N,3~H,9,140\r\n\r\n");
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(ini.ReadString("Hand", "Imp01.01", ""), "N,4~S,10,420");

  ini.WriteString("P", "Par01.05", "S,2~S,8,110");
  calls = 0;
  ini.SetBeforeFinalCheck([&] {
    if (++calls <= 50) std::ofstream(dir.File("Options.INI"), std::ios::binary | std::ios::app) << "x" << calls << "=1\r\n";
  });
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_LE(calls, 10) << "a file that never stops changing is merged a bounded number of times";
  EXPECT_EQ(ini.ReadString("P", "x1", ""), "1");   // appended to the last section
  EXPECT_EQ(ini.ReadString("P", "Par01.05", ""), "S,2~S,8,110");
  EXPECT_EQ(dir.FileCount(), 1) << "no temporary file is left beside the file";
}

// A save keeps the permissions the user gave the file.
TEST(IniStoreMerge, ASaveKeepsTheFilesPermissions) {
  TempFolder dir;
  dir.Write("o.ini", "[A]\r\nk=1\r\n");
  for (const auto perms : {fs::perms::owner_read | fs::perms::owner_write,
                           fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                               fs::perms::group_write | fs::perms::others_read}) {
    fs::permissions(dir.File("o.ini"), perms);
    TBigIniFile ini(dir.File("o.ini"));
    ini.WriteString("A", "k", std::to_string(static_cast<int>(perms)));
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(fs::status(dir.File("o.ini")).permissions(), perms);
  }
}

// The file on disk may be gone when the store saves (it is then written
// whole again) or may have turned into something that cannot be read (it is
// then left alone).
TEST(IniStoreMerge, AFileGoneIsWrittenWholeAndOneTurnedUnreadableIsLeftAlone) {
  TempFolder dir;
  dir.Write("o.ini", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
  TBigIniFile ini(dir.File("o.ini"));
  ini.WriteString("B", "k", "3");
  std::filesystem::remove(dir.File("o.ini"));
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(dir.Read("o.ini"), "[A]\r\nk=1\r\n\r\n[B]\r\nk=3\r\n\r\n");

  ini.WriteString("A", "k", "2");
  std::filesystem::remove(dir.File("o.ini"));
  std::filesystem::create_directory(dir.File("o.ini"));
  ResetMessageCounts();
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(MessageCount(), 1) << "the same failure is told once";
  EXPECT_EQ(LastMessage(), ini.LastError());
  EXPECT_NE(ini.LastError().find("o.ini"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("o.ini")));
  std::filesystem::remove(dir.File("o.ini"));
}

// A save that fails names what is not on disk; a copy can go to another
// file; the next good save writes everything and clears the list.
TEST(IniStoreMerge, FailedSaveNamesPendingKeysUntilAGoodSave) {
  TempFolder dir;
  const std::string sub = dir.File("later");
  TMyINI ini(sub + "/Options.INI");
  ini.WriteString("Ann", "Imp01.01", "a");
  ini.WriteString("Ann", "Imp01.02", "b");
  ini.WriteString("Ann", "imp01.01", "c");
  ini.WriteString("Bob", "Imp01.03", "d");
  ini.WriteString("Ann", "Gone", "x");
  ini.DeleteKey("Ann", "Gone");
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_NE(ini.LastError().find("Options.INI"), std::string::npos);
  EXPECT_EQ(ini.PendingKeys("ann"), (std::vector<std::string>{"Imp01.01", "Imp01.02"}));
  EXPECT_EQ(ini.PendingKeys("Bob"), (std::vector<std::string>{"Imp01.03"}));

  ASSERT_TRUE(ini.SaveCopyAs(dir.File("copy.ini")));
  EXPECT_EQ(dir.Read("copy.ini"), "[Ann]\r\nimp01.01=c\r\nImp01.02=b\r\n\r\n[Bob]\r\nImp01.03=d\r\n\r\n");
  EXPECT_TRUE(ini.Modified()) << "a copy elsewhere is not the options file";
  EXPECT_FALSE(ini.SaveCopyAs(dir.File("no/such/folder.ini")));

  std::filesystem::create_directory(sub);
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_TRUE(ini.LastError().empty());
  EXPECT_TRUE(ini.PendingKeys("Ann").empty());
  EXPECT_EQ(dir.Read("later/Options.INI"), dir.Read("copy.ini"));
}

TEST(IniStoreMerge, ErasingASectionDropsItsPendingKeys) {
  TBigIniFile ini("");
  ini.WriteString("S", "a", "1");
  ini.WriteString("S", "", "x");   // an empty key erases the section
  ini.WriteString("S", "b", "2");
  EXPECT_EQ(ini.PendingKeys("S"), (std::vector<std::string>{"b"}));
  EXPECT_EQ(Lines(ini, "S"), (std::vector<std::string>{"b=2"}));
}

TEST(IniStoreMerge, SavesLeftUnfinishedByAKilledProgramAreRemoved) {
  TempFolder dir;
  dir.Write("Options.INI", "[A]\r\nk=1\r\n");
  dir.Write("Options.INI.saving-a1B2c3", "[A]\r\nk=");     // killed while writing
  dir.Write("Options.INI.saving-x", "not ours: too short");
  dir.Write("Options.INI.backup", "the user's own copy");
  dir.Write("Other.ini.saving-a1B2c3", "another file's");
  EXPECT_EQ(RemoveUnfinishedSaves(dir.File("Options.INI")), 1);
  EXPECT_FALSE(dir.Exists("Options.INI.saving-a1B2c3"));
  EXPECT_EQ(dir.FileCount(), 4);
  {
    TBigIniFile ini(dir.File("Options.INI"));
    ini.WriteString("A", "k", "2");
    ASSERT_TRUE(ini.UpdateFile());
  }
  EXPECT_EQ(dir.FileCount(), 4) << "a good save leaves nothing beside the file";
}
