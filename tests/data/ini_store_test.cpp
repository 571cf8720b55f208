#include <gtest/gtest.h>

#include <filesystem>

#include "core/messages.h"
#include "data/date_time.h"
#include "data/ini_store.h"
#include "data/program_folder.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;

namespace {

const char kBoardFile[] =
    "; written by hand\r\n"
    "orphan=dropped\r\n"
    "[Imp01.01]\r\n"
    "Dealer=N\r\n"
    "Deal\r\n"
    "Vulnerable=None\r\n"
    "Note=a=b\r\n"
    "\r\n"
    "\x1A\r\n"
    "[imp01.01]\r\n"
    "Dealer=E\r\n"
    "[Imp01.02]\n"
    "Dealer=E\n"
    "[Par01.01\n";

}  // namespace

TEST(IniStoreLoad, KeepsFirstOfDuplicateSectionsAndRewritesWithoutThem) {
  TempFolder dir;
  dir.Write("b.ini", kBoardFile);
  {
    TBigIniFile ini(dir.File("b.ini"));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Imp01.01", "Imp01.02"}));
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(ini.ReadString("IMP01.01", "dealer", "?"), "N");
    // "[Par01.01" without its bracket is a plain line of the section above.
    std::vector<std::string> lines;
    ini.ReadSectionValues("Imp01.02", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Dealer=E", "[Par01.01"}));
    EXPECT_TRUE(ini.UpdateFile());
    EXPECT_FALSE(ini.Modified());
  }
  EXPECT_EQ(dir.Read("b.ini"),
            "[Imp01.01]\r\nDealer=N\r\nDeal\r\nVulnerable=None\r\nNote=a=b\r\n\r\n"
            "[Imp01.02]\r\nDealer=E\r\n[Par01.01\r\n\r\n");
  EXPECT_EQ(dir.FileCount(), 1) << "no temporary file is left behind";
}

TEST(IniStoreLoad, ByteOrderMarkDoesNotHideFirstSection) {
  TempFolder dir;
  dir.Write("bom.ini", "\xEF\xBB\xBF[Ann]\r\nBidSys=2\r\n");
  TMyINI ini(dir.File("bom.ini"));
  EXPECT_EQ(ini.ReadInteger("Ann", "BidSys", 0), 2);
}

TEST(IniStoreLoad, LongLinesAreCutAt255Characters) {
  TempFolder dir;
  const std::string value(1000, 'v');
  dir.Write("l.ini", "[S]\r\nkey=" + value + "\r\nnext=1\r\n");
  TBigIniFile ini(dir.File("l.ini"));
  EXPECT_EQ(ini.ReadString("S", "key", ""), value.substr(0, 251));
  EXPECT_EQ(ini.ReadInteger("S", "next", 0), 1);
}

TEST(IniStoreLoad, MissingOrUnreadableFileGivesEmptyStoreWithoutCrash) {
  TempFolder dir;
  TBigIniFile missing(dir.File("none.ini"));
  EXPECT_TRUE(missing.SectionNames().empty());

  // A folder in place of the file cannot be read; it must not be replaced.
  std::filesystem::create_directory(dir.File("folder.ini"));
  ResetMessageCounts();
  TBigIniFile odd(dir.File("folder.ini"));
  EXPECT_EQ(MessageCount(), 1);
  odd.WriteString("S", "k", "v");
  EXPECT_FALSE(odd.UpdateFile());
  EXPECT_TRUE(odd.Modified());
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.ini")));
}

TEST(IniStoreRead, KeysAreFoundByNameOnly) {
  TBigIniFile ini("");
  ini.LoadLines({"[Imp01.01]", "Dealer=N", "Deal", "=empty name", "Dealer=S"});
  EXPECT_EQ(ini.ReadString("imp01.01", "DEALER", "?"), "N") << "first line with the name wins";
  EXPECT_EQ(ini.ReadString("Imp01.01", "Deal", "?"), "?") << "a line without = has no name";
  EXPECT_EQ(ini.ReadString("Imp01.02", "Dealer", "?"), "?");
  EXPECT_EQ(ini.ReadString("Imp01.01", "", "?"), "empty name");
}

TEST(IniStoreRead, SearchFindsEverySectionFromAnyCursor) {
  TBigIniFile ini("");
  ini.LoadLines({"[a]", "k=1", "[b]", "k=2", "[c]", "k=3"});
  const char* order[] = {"c", "a", "b", "a", "c", "b"};
  for (const char* name : order)
    EXPECT_EQ(ini.ReadInteger(name, "k", 0), std::string("abc").find(name[0]) + 1) << name;
}

TEST(IniStoreRead, ReadIntegerAcceptsDecimalAndHexOnly) {
  const struct {
    const char* value;
    int expected;
  } rows[] = {
      {"0x1F", 31}, {"0X1f", 31}, {"12abc", -7}, {"42", 42},        {"-12", -12},          {"+3", 3},
      {"", -7},     {"0x", -7},   {"0xG1", -7},  {"0xFFFFFFFF", -1}, {"2147483648", -7},   {"-2147483648", INT32_MIN},
      {" 5", -7},   {"5 ", -7},   {"-", -7},     {"0x123456789", -7},
  };
  for (const auto& row : rows) {
    TBigIniFile ini("");
    ini.LoadLines({"[S]", std::string("k=") + row.value});
    EXPECT_EQ(ini.ReadInteger("S", "k", -7), row.expected) << row.value;
  }
}

TEST(IniStoreRead, ReadSectionValuesAppendsOrReplacesByKindOfStore) {
  TempFolder dir;
  dir.Write("x.ini", "[S]\r\na=1\r\nb\r\n");
  std::vector<std::string> target{"kept"};
  TBigIniFile plain(dir.File("x.ini"));
  plain.ReadSectionValues("s", target);
  EXPECT_EQ(target, (std::vector<std::string>{"kept", "a=1", "b"}));
  TMyINI sorted(dir.File("x.ini"));
  sorted.ReadSectionValues("missing", target);
  EXPECT_TRUE(target.empty());
}

TEST(IniStoreWrite, SameValueLeavesFileUntouched) {
  TempFolder dir;
  const std::string text = "[S]\nkey=value\n";  // LF only: a rewrite would show
  dir.Write("s.ini", text);
  {
    TBigIniFile ini(dir.File("s.ini"));
    ini.WriteString("s", "key", "value");
    EXPECT_FALSE(ini.Modified());
    EXPECT_TRUE(ini.UpdateFile());
  }
  EXPECT_EQ(dir.Read("s.ini"), text);
}

TEST(IniStoreWrite, ReplacesAppendsAndWritesEmptyValueAsBareKey) {
  TBigIniFile ini("");
  ini.LoadLines({"[S]", "a=1", "a=2"});
  ini.WriteString("S", "a", "3");
  ini.WriteString("S", "b", "");
  ini.WriteInteger("T", "n", -4);
  std::vector<std::string> lines;
  ini.ReadSectionValues("S", lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"a=3", "a=2", "b"}));
  EXPECT_EQ(ini.ReadInteger("T", "n", 0), -4);
  EXPECT_EQ(ini.SectionNames().back(), "T") << "a plain store appends new sections";
}

TEST(IniStoreWrite, EmptyKeyErasesSection) {
  TBigIniFile ini("");
  ini.LoadLines({"[S]", "a=1", "[T]", "b=2"});
  ini.WriteString("S", "", "");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"T"}));
}

TEST(IniStoreWrite, LineEndsInValuesCannotOpenNewSections) {
  TempFolder dir;
  {
    TBigIniFile ini(dir.File("o.ini"));
    ini.WriteString("Player\r\n[Other]", "Name", "x\r\n[Evil]\r\nk=v");
    EXPECT_TRUE(ini.UpdateFile());
  }
  TBigIniFile back(dir.File("o.ini"));
  EXPECT_EQ(back.SectionNames().size(), 1u);
  EXPECT_EQ(back.ReadString("Player  [Other]", "Name", ""), "x  [Evil]  k=v");
}

TEST(IniStoreWrite, SectionWithoutLinesIsNotWritten) {
  TempFolder dir;
  dir.Write("d.ini", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
  {
    TBigIniFile ini(dir.File("d.ini"));
    ini.DeleteKey("a", "K");
    EXPECT_TRUE(ini.Modified());
  }  // closing the store writes it
  EXPECT_EQ(dir.Read("d.ini"), "[B]\r\nk=2\r\n\r\n");
}

TEST(IniStoreWrite, DeleteOrEraseOfAbsentNamesChangesNothing) {
  TBigIniFile ini("");
  ini.LoadLines({"[A]", "k=1"});
  ini.DeleteKey("A", "other");
  ini.DeleteKey("B", "k");
  ini.EraseSection("B");
  EXPECT_FALSE(ini.Modified());
}

TEST(IniStoreWrite, FailedSaveKeepsChangesForNextTry) {
  TempFolder dir;
  const std::string sub = dir.File("later");
  TBigIniFile ini(sub + "/p.ini");
  ini.WriteString("P", "k", "v");
  ResetMessageCounts();
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_NE(LastMessage().find("p.ini"), std::string::npos);
  EXPECT_TRUE(ini.Modified());
  std::filesystem::create_directory(sub);
  EXPECT_TRUE(ini.UpdateFile());
  EXPECT_EQ(dir.Read("later/p.ini"), "[P]\r\nk=v\r\n\r\n");
}

TEST(MyIni, SectionsStaySortedWithoutRegardToCase) {
  TempFolder dir;
  dir.Write("o.ini", "[b]\r\nk=1\r\n[a]\r\nk=2\r\n[C]\r\nk=3\r\n");
  {
    TMyINI ini(dir.File("o.ini"));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"a", "b", "C"}));
    ini.WriteString("B2", "k", "4");
    ini.WriteString("0", "k", "5");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"0", "a", "b", "B2", "C"}));
  }
  EXPECT_EQ(dir.Read("o.ini"),
            "[0]\r\nk=5\r\n\r\n[a]\r\nk=2\r\n\r\n[b]\r\nk=1\r\n\r\n[B2]\r\nk=4\r\n\r\n[C]\r\nk=3\r\n\r\n");
}

TEST(MyIni, BareNameIsTakenFromProgramFolder) {
  TempFolder dir;
  dir.Write("Options.INI", "[Ann]\r\nBidSys=2\r\n");
  SetProgramFolder(dir.Path());
  {
    TMyINI ini("Options.INI");
    EXPECT_EQ(ini.FileName(), dir.File("Options.INI"));
    EXPECT_EQ(ini.ReadInteger("ann", "bidsys", 0), 2);
  }
  SetProgramFolder("");
}

TEST(DateTime, TextReadsBackToSameValue) {
  const struct {
    int y, mo, d, h, mi, s, ms;
    const char* text;
  } rows[] = {
      {1899, 12, 30, 0, 0, 0, 0, "1899-12-30 00:00:00"},
      {2026, 12, 9, 5, 31, 45, 0, "2026-12-09 05:31:45"},
      {2000, 2, 29, 23, 59, 59, 999, "2000-02-29 23:59:59.999"},
      {1850, 1, 1, 12, 0, 0, 0, "1850-01-01 12:00:00"},
  };
  for (const auto& row : rows) {
    double value = -1;
    ASSERT_TRUE(EncodeDateTime(row.y, row.mo, row.d, row.h, row.mi, row.s, row.ms, value)) << row.text;
    EXPECT_EQ(DateTimeText(value), row.text);
    double back = -1;
    ASSERT_TRUE(ParseDateTime(row.text, back));
    EXPECT_EQ(back, value) << row.text;
  }
  double v = 0;
  EncodeDateTime(1900, 1, 1, 18, 0, 0, 0, v);
  EXPECT_DOUBLE_EQ(v, 2.75);
  const double now = NowDateTime();
  ParseDateTime(DateTimeText(now), v);
  EXPECT_EQ(v, now);
}

TEST(DateTime, RejectsWhatIsNotADate) {
  for (const char* text : {"", "yesterday", "2026-13-01", "2026-02-29", "2026-12-09 24:00", "2026-1-09",
                           "2026-12-09 05:31:45x", "2026-12-09 05:31:45.", "09.12.2026 05:31:45"}) {
    double v = 7;
    EXPECT_FALSE(ParseDateTime(text, v)) << text;
    EXPECT_EQ(v, 7);
  }
  TBigIniFile ini("");
  ini.LoadLines({"[P]", "LastPlayed=garbage", "Empty="});
  EXPECT_EQ(ini.ReadDateTime("P", "LastPlayed", 5), 0);
  EXPECT_EQ(ini.ReadDateTime("P", "Empty", 5), 5);
  EXPECT_EQ(ini.ReadDateTime("P", "Absent", 5), 5);
}
