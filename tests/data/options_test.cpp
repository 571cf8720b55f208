#include <gtest/gtest.h>

#include "data/date_time.h"
#include "data/options.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;

namespace {

double Day(int d, int h = 12) {
  double v = 0;
  EncodeDateTime(2026, 12, d, h, 0, 0, 0, v);
  return v;
}

TOption LoadFrom(const std::vector<std::string>& lines, const LanguageSource& machine = {}) {
  TBigIniFile ini("");
  std::vector<std::string> all{"[P]"};
  all.insert(all.end(), lines.begin(), lines.end());
  ini.LoadLines(all);
  TOption o;
  o.CurrentPlayer = "P";
  LoadOptions(ini, o, machine);
  return o;
}

std::vector<std::string> KeysOf(const TBigIniFile& ini, const std::string& section) {
  std::vector<std::string> lines, keys;
  ini.ReadSectionValues(section, lines);
  for (const auto& l : lines) keys.push_back(l.substr(0, l.find('=')));
  return keys;
}

}  // namespace

TEST(StartPlayer, LatestLastPlayedWinsAndTiesGoAlphabetically) {
  TempFolder dir;
  const std::string a = DateTimeText(Day(3)), b = DateTimeText(Day(5));
  dir.Write("Options.INI", "[zed]\r\nLastPlayed=" + b + "\r\n[Bob]\r\nLastPlayed=" + b + "\r\n[ann]\r\nLastPlayed=" +
                               a + "\r\n");
  TMyINI ini(dir.File("Options.INI"));
  EXPECT_EQ(ChooseStartPlayer(ini, "me"), "Bob");
}

TEST(StartPlayer, NoDateAboveZeroGivesOptionsAndEmptyFileTheDefaultName) {
  TBigIniFile ini("");
  ini.LoadLines({"[Ann]", "LastPlayed=not a date", "[Bob]", "BidSys=1"});
  EXPECT_EQ(ChooseStartPlayer(ini, "me"), "Options");
  TBigIniFile empty("");
  EXPECT_EQ(ChooseStartPlayer(empty, "me"), "me");
  EXPECT_EQ(ChooseStartPlayer(empty, ""), "Options");
  EXPECT_FALSE(DefaultPlayerName().empty());
}

TEST(StartUp, EmptyFileGetsTheDefaultSectionWithKeysInSaveOrder) {
  TempFolder dir;
  dir.Write("Options.INI", "");
  const double now = Day(9, 5);
  {
    TMyINI ini(dir.File("Options.INI"));
    TOption o;
    ASSERT_TRUE(StartUpOptions(ini, o, "Karen", [] { return std::string("no"); }, now));
    EXPECT_EQ(o.CurrentPlayer, "Karen");
    EXPECT_EQ(o.Language, 2) << "the machine setting stands in for a missing code";
  }
  EXPECT_EQ(dir.Read("Options.INI"),
            "[Karen]\r\nComputerSkill=8\r\nBackDesign=8\r\nBackColor=$FFFFFFFF\r\nBidSys=0\r\nLanguage=no\r\n"
            "Event=Imp\r\nSession=01\r\nLastHandPlayed=0\r\nLastStrataSeen=0\r\nMPScoringSys=0\r\n"
            "ColorSkin=Teal\r\nLastPlayed=2026-12-09 05:00:00\r\n"
            "Result=Declarer,Contract,Tricks,Score,MP/IMPS for 1-18, User A, User B, User C\r\n\r\n");
}

TEST(StartUp, SavingKeepsOtherPlayersAndResultLines) {
  TempFolder dir;
  dir.Write("Options.INI", "[Zoe]\r\nLastPlayed=2026-12-01 10:00:00\r\nImp01.01=S,3N,9,400\r\n[Al]\r\nBidSys=3\r\n");
  {
    TMyINI ini(dir.File("Options.INI"));
    TOption o;
    ASSERT_TRUE(StartUpOptions(ini, o, "me", {}, Day(9)));
    EXPECT_EQ(o.CurrentPlayer, "Zoe");
    EXPECT_TRUE(IsBoardPlayed(ini, "zoe", "Imp", "01", 1));
    EXPECT_FALSE(IsBoardPlayed(ini, "Zoe", "Imp", "01", 2));
    EXPECT_FALSE(IsBoardPlayed(ini, "Al", "Imp", "01", 1));
  }
  TMyINI back(dir.File("Options.INI"));
  EXPECT_EQ(back.SectionNames(), (std::vector<std::string>{"Al", "Zoe"}));
  EXPECT_EQ(back.ReadString("Zoe", "Imp01.01", ""), "S,3N,9,400");
  EXPECT_EQ(back.ReadDateTime("Zoe", "LastPlayed", 0), Day(9));
  const auto keys = KeysOf(back, "Zoe");
  EXPECT_EQ(keys.front(), "LastPlayed") << "existing keys keep their place";
  EXPECT_EQ(keys.size(), 14u);
}

// The settings added after the twelve (the honest computer, free bidding):
// each off unless its key says 1, written only while on, after the legend.
TEST(SettingsAddedLater, OffUnlessTheSectionSaysOneAndKeptOnlyWhileOn) {
  const struct {
    const char* key;
    bool TOption::*member;
  } settings[] = {{"HonestComputer", &TOption::HonestComputer}, {"FreeBidding", &TOption::FreeBidding}};
  for (const auto& setting : settings) {
    SCOPED_TRACE(setting.key);
    const std::string key = setting.key;
    EXPECT_FALSE(LoadFrom({"BidSys=1"}).*setting.member);
    EXPECT_TRUE(LoadFrom({key + "=1"}).*setting.member);
    for (const char* value : {"=0", "=yes", "=2", "="}) EXPECT_FALSE(LoadFrom({key + value}).*setting.member) << value;

    TempFolder dir;
    const std::string before = "[Zoe]\r\nImp01.01=S,3N,9,400\r\n";
    dir.Write("Options.INI", before);
    TMyINI ini(dir.File("Options.INI"));
    TOption o;
    o.CurrentPlayer = "Zoe";
    LoadOptions(ini, o);
    o.*setting.member = true;
    ASSERT_TRUE(SaveOptions(ini, o, Day(9)));
    const std::string on = dir.Read("Options.INI");
    // After the twelve settings and the legend; the result line keeps its place.
    EXPECT_NE(on.find("User C\r\n" + key + "=1\r\n"), std::string::npos) << on;
    EXPECT_EQ(on.find("[Zoe]\r\nImp01.01=S,3N,9,400\r\nComputerSkill=8"), 0u) << on;
    {
      TMyINI back(dir.File("Options.INI"));
      TOption again;
      again.CurrentPlayer = "Zoe";
      LoadOptions(back, again);
      EXPECT_TRUE(again.*setting.member);
    }
    o.*setting.member = false;
    ASSERT_TRUE(SaveOptions(ini, o, Day(9)));
    const std::string off = dir.Read("Options.INI");
    EXPECT_EQ(off.find(key), std::string::npos);
    EXPECT_EQ(KeysOf(ini, "Zoe").size(), 14u);   // the result line, the twelve settings and the legend
  }
}

TEST(LoadOptions, BackDesignMinusOneFollowsTheLanguage) {
  const struct {
    const char* code;
    int language, design;
  } rows[] = {{"no", 2, 10}, {"sw", 4, 9}, {"dk", 1, 8}, {"en", 0, 12}, {"DK", 1, 8}};
  for (const auto& row : rows) {
    const TOption o = LoadFrom({"BackDesign=-1", std::string("Language=") + row.code});
    EXPECT_EQ(o.Language, row.language) << row.code;
    EXPECT_EQ(o.BackDesign, row.design) << row.code;
  }
}

TEST(LoadOptions, LanguageFallsBackToMachineSettingThenEnglish) {
  const auto machine = [](const char* code) { return [code] { return std::string(code); }; };
  EXPECT_EQ(LoadFrom({"Language=xx"}, machine("sw")).Language, 4);
  EXPECT_EQ(LoadFrom({"Language=fr"}, machine("dk")).Language, 1) << "a code without texts is unknown";
  EXPECT_EQ(LoadFrom({}, machine("it")).Language, 0);
  EXPECT_EQ(LoadFrom({}, {}).Language, 0);
  EXPECT_EQ(LanguageIndex("EN"), 0);
  EXPECT_STREQ(LanguageCode(7), "en");
}

TEST(LoadOptions, OutOfRangeValuesFallBackToDefaults) {
  const TOption o = LoadFrom({"ComputerSkill=20", "MPScoringSys=9", "BidSys=5", "BackDesign=15", "LastStrataSeen=3",
                              "LastHandPlayed=-2", "Event=Team", "Session=1", "BackColor=pink",
                              "LastPlayed=tomorrow"});
  const TOption d;
  EXPECT_EQ(o.ComputerSkill, d.ComputerSkill);
  EXPECT_EQ(o.MPScoringSys, d.MPScoringSys);
  EXPECT_EQ(o.BidSys, d.BidSys);
  EXPECT_EQ(o.BackDesign, d.BackDesign);
  EXPECT_EQ(o.LastStrataSeen, d.LastStrataSeen);
  EXPECT_EQ(o.LastHandPlayed, 0);
  EXPECT_EQ(o.Event, "Imp");
  EXPECT_EQ(o.Session, "01");
  EXPECT_EQ(o.BackColor, -1);
  EXPECT_EQ(o.LastPlayed, 0);
  EXPECT_EQ(LoadFrom({"Event=Imp", "Session=12"}).Session, "01") << "there are nine IMP events";
  EXPECT_EQ(LoadFrom({"Event=par", "Session=18"}).Session, "18");
}

TEST(LoadOptions, ReadsStoredValuesIncludingHex) {
  const TOption o = LoadFrom({"ComputerSkill=0xA", "BackColor=clTeal", "BidSys=2", "Event=Par", "Session=07",
                              "LastHandPlayed=27", "ColorSkin=Olive", "LastPlayed=2026-12-03 12:00:00"});
  EXPECT_EQ(o.ComputerSkill, 10);
  EXPECT_EQ(o.BackColor, clTeal);
  EXPECT_EQ(o.BidSys, 2);
  EXPECT_EQ(o.Event, "Par");
  EXPECT_EQ(o.Session, "07");
  EXPECT_EQ(o.LastHandPlayed, 27);
  EXPECT_EQ(o.SkinColors[7], RGB(170, 125, 91));
  EXPECT_EQ(o.LastPlayed, Day(3));
}

TEST(LoadOptions, UnknownSkinFallsBackToTealAndIsWrittenBackAsTeal) {
  TBigIniFile ini("");
  ini.LoadLines({"[P]", "ColorSkin=Blue", "[Q]", "ColorSkin=olive", "[R]", "ColorSkin="});
  TOption o;
  o.CurrentPlayer = "P";
  LoadOptions(ini, o);
  EXPECT_EQ(o.ColorSkin, "Teal");
  EXPECT_EQ(o.SkinColors[0], RGB(192, 192, 192));
  EXPECT_EQ(o.SkinColors[1], RGB(0, 128, 128));
  SaveOptions(ini, o, Day(1));
  EXPECT_EQ(ini.ReadString("P", "ColorSkin", ""), "Teal");
  // A known name in another case is the skin in its own spelling.
  o.CurrentPlayer = "Q";
  LoadOptions(ini, o);
  EXPECT_EQ(o.ColorSkin, "Olive");
  EXPECT_EQ(o.SkinColors[7], RGB(170, 125, 91));
  o.CurrentPlayer = "R";
  LoadOptions(ini, o);
  EXPECT_EQ(o.ColorSkin, "Teal");
  // The colour table itself still gives the third column to any other name.
  EXPECT_EQ(SkinColorsFor("Blue")[1], 0x02804000);
}

TEST(PlayerNames, WhatASectionNameCanHold) {
  const struct {
    std::string name;
    PlayerNameCheck check;
  } cases[] = {
      {"Anne", PlayerNameCheck::Ok},
      {"Søren Ærø-Østergård", PlayerNameCheck::Ok},
      {"[Bob", PlayerNameCheck::Ok},   // an opening bracket is read back whole
      {"Anne & Bob (club)", PlayerNameCheck::Ok},
      {"a b", PlayerNameCheck::Ok},
      {"", PlayerNameCheck::Empty},
      {"Bob]", PlayerNameCheck::Refused},
      {"a=b", PlayerNameCheck::Refused},
      {"two\nlines", PlayerNameCheck::Refused},
      {"two\rlines", PlayerNameCheck::Refused},
      {"tab\there", PlayerNameCheck::Refused},
      {" Anne", PlayerNameCheck::Refused},
      {"Anne ", PlayerNameCheck::Refused},
      {" ", PlayerNameCheck::Refused},
      {std::string(64, 'x'), PlayerNameCheck::Ok},
      {std::string(65, 'x'), PlayerNameCheck::Refused},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckPlayerName(c.name), c.check) << c.name;
  // 64 letters of two bytes each are 64 characters, not 128.
  std::string danish;
  for (int i = 0; i < 64; ++i) danish += "\u00e6";
  EXPECT_EQ(CheckPlayerName(danish), PlayerNameCheck::Ok);
  EXPECT_EQ(CheckPlayerName(danish + "a"), PlayerNameCheck::Refused);
}

TEST(PlayerNames, AcceptedNamesComeBackFromTheFileAsTyped) {
  TempFolder dir;
  const std::vector<std::string> names = {"[Bob", "Anne & Bob (club)", "S\u00f8ren \u00c6r\u00f8", std::string(64, 'x')};
  {
    TMyINI ini(dir.File("Options.INI"));
    for (const auto& name : names) {
      ASSERT_EQ(CheckPlayerName(name), PlayerNameCheck::Ok) << name;
      TOption o;
      o.CurrentPlayer = name;
      o.BidSys = 3;
      ASSERT_TRUE(SaveOptions(ini, o, Day(2)));
    }
  }
  TMyINI again(dir.File("Options.INI"));
  ASSERT_EQ(again.Sections().size(), names.size());
  for (const auto& name : names) {
    TOption o;
    o.CurrentPlayer = name;
    LoadOptions(again, o);
    EXPECT_EQ(o.BidSys, 3) << name;
  }
}

TEST(Colours, TextForms) {
  const struct {
    TColor color;
    const char* text;
  } rows[] = {{-1, "$FFFFFFFF"}, {clTeal, "clTeal"}, {0xFFFFFF, "clWhite"}, {0, "clBlack"},
              {RGB(1, 2, 3), "$00030201"}, {0x02804000, "$02804000"}};
  for (const auto& row : rows) {
    EXPECT_EQ(ColorToText(row.color), row.text);
    EXPECT_EQ(ColorFromText(row.text), row.color) << row.text;
  }
  EXPECT_EQ(ColorFromText("CLTEAL"), clTeal);
  EXPECT_EQ(ColorFromText("$1f"), 0x1F);
  for (const char* bad : {"", "$", "$123456789", "teal", "$12G", "12"}) EXPECT_FALSE(ColorFromText(bad)) << bad;
}
