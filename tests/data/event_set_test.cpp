// Results kept with the event set they were filed for.

#include <gtest/gtest.h>

#include "data/board_file.h"
#include "data/event_set.h"
#include "data/ini_store.h"
#include "data/options.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;

namespace {

const std::string kDealA = "N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T743";
const std::string kDealB = "N:KJ94.T654.8.AQ65 QT6.AKJ2.763.J82 A75.Q.AKJT952.K9 832.9873.Q4.T743";

std::vector<std::string> Board(const std::string& key, const std::string& deal, const std::string& site = "0") {
  return {"[" + key + "]", "Dealer=N", "Vulnerable=None", "Deal=" + deal, "Site=" + site, ""};
}

std::string IdOf(const std::vector<std::vector<std::string>>& sections) {
  TBigIniFile store("");
  std::vector<std::string> lines;
  for (const auto& s : sections) lines.insert(lines.end(), s.begin(), s.end());
  store.LoadLines(lines);
  return EventSetId(store);
}

const std::string kLine = "S,4~S,10,420,100,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,150,200,-50";

}  // namespace

TEST(EventSetId, SameBoardsSameIdAnyOtherBoardAnother) {
  const std::string id = IdOf({Board("Imp01.01", kDealA), Board("Imp01.02", kDealB)});
  EXPECT_EQ(id.size(), 16u);
  // Lines and sections in another order, a key's case, a section that is no board.
  EXPECT_EQ(IdOf({{"[Notes]", "x=1", ""},
                  {"[imp01.02]", "Site=0", "Deal=" + kDealB, "Vulnerable=None", "Dealer=N", ""},
                  Board("Imp01.01", kDealA)}),
            id);
  EXPECT_NE(IdOf({Board("Imp01.01", kDealB), Board("Imp01.02", kDealA)}), id);   // deals swapped
  EXPECT_NE(IdOf({Board("Imp01.01", kDealA), Board("Imp01.02", kDealB, "1")}), id);   // user in another seat
  EXPECT_NE(IdOf({Board("Imp01.01", kDealA)}), id);   // a board fewer
  EXPECT_NE(IdOf({Board("Par01.01", kDealA), Board("Par01.02", kDealB)}), id);
}

TEST(EventSetSwitch, ResultsAndPlaysOfAnotherSetAreSetAsideAndComeBack) {
  TempFolder dir;
  TBigIniFile options(dir.File("Options.INI"));
  TBigIniFile plays(dir.File("Plays2005.ini"));
  for (const char* player : {"Anne", "Bo"}) {
    options.WriteString(player, "Session", "03");
    options.WriteString(player, "Imp01.05", kLine);
    options.WriteString(player, "Result", kResultLegend);
    plays.WriteString(player, "Imp01.05.Deal", kDealA);
    plays.WriteString(player, "Imp01.05.Auction", "4S,P,P,P");
  }
  options.UpdateFile();
  plays.UpdateFile();

  // A player with no results is tied to no set.
  options.WriteString("Cy", "Session", "01");
  EXPECT_FALSE(AdoptEventSet(options, &plays, "Cy", "AAAAAAAAAAAAAAAA").switched);
  EXPECT_EQ(options.ReadString("Cy", kEventSetKey, "none"), "none");

  // Results filed before sets were told apart belong to the set found with them.
  SetSwitch s = AdoptEventSet(options, &plays, "Anne", "AAAAAAAAAAAAAAAA");
  EXPECT_FALSE(s.switched);
  EXPECT_TRUE(IsBoardPlayed(options, "Anne", "Imp", "01", 5));
  EXPECT_EQ(options.ReadString("Anne", kEventSetKey, ""), "AAAAAAAAAAAAAAAA");

  // Another set: Anne's result and play go aside, whole; Bo's stay.
  s = AdoptEventSet(options, &plays, "Anne", "BBBBBBBBBBBBBBBB");
  EXPECT_TRUE(s.switched);
  EXPECT_EQ(s.setAside, 3);
  EXPECT_EQ(s.restored, 0);
  EXPECT_TRUE(s.written);
  EXPECT_FALSE(IsBoardPlayed(options, "Anne", "Imp", "01", 5));
  EXPECT_EQ(plays.ReadString("Anne", "Imp01.05.Deal", "none"), "none");
  EXPECT_EQ(options.ReadString("Anne", "AAAAAAAAAAAAAAAA:Imp01.05", ""), kLine);
  EXPECT_TRUE(IsSetAsideKey("AAAAAAAAAAAAAAAA:Imp01.05"));
  EXPECT_FALSE(IsSetAsideKey("Imp01.05"));
  EXPECT_EQ(options.ReadString("Anne", "Session", ""), "03");
  EXPECT_EQ(options.ReadString("Anne", "Result", ""), kResultLegend);
  EXPECT_TRUE(IsBoardPlayed(options, "Bo", "Imp", "01", 5));

  // A result of the new set, then back to the first: each set has its own.
  options.WriteString("Anne", "Imp01.05", "N,3~N,9,400" + kLine.substr(11));
  s = AdoptEventSet(options, &plays, "Anne", "AAAAAAAAAAAAAAAA");
  EXPECT_EQ(s.setAside, 1);
  EXPECT_EQ(s.restored, 3);
  EXPECT_EQ(options.ReadString("Anne", "Imp01.05", ""), kLine);
  EXPECT_EQ(plays.ReadString("Anne", "Imp01.05.Auction", ""), "4S,P,P,P");
  EXPECT_EQ(options.ReadString("Anne", "BBBBBBBBBBBBBBBB:Imp01.05", "").substr(0, 11), "N,3~N,9,400");

  // Both files were saved as they now stand.
  TBigIniFile reread(dir.File("Options.INI"));
  EXPECT_EQ(reread.ReadString("Anne", "Imp01.05", ""), kLine);
  EXPECT_EQ(reread.ReadString("Anne", kEventSetKey, ""), "AAAAAAAAAAAAAAAA");
  TBigIniFile rereadPlays(dir.File("Plays2005.ini"));
  EXPECT_EQ(rereadPlays.ReadString("Anne", "Imp01.05.Deal", ""), kDealA);

  // The same set again changes nothing.
  s = AdoptEventSet(options, &plays, "Anne", "AAAAAAAAAAAAAAAA");
  EXPECT_FALSE(s.switched);
  EXPECT_FALSE(options.Modified());
}

TEST(EventLength, LastBoardOfTheEventInTheBoardFile) {
  TBigIniFile boards("");
  std::vector<std::string> lines;
  for (int n = 1; n <= 27; ++n) {
    const auto b = Board("Imp02." + std::string(n < 10 ? "0" : "") + std::to_string(n), kDealA);
    lines.insert(lines.end(), b.begin(), b.end());
  }
  for (const char* key : {"par05.01", "Par05.02", "Par05.03"}) {
    const auto b = Board(key, kDealA);
    lines.insert(lines.end(), b.begin(), b.end());
  }
  boards.LoadLines(lines);
  EXPECT_EQ(EventLength(boards, "Imp", "02"), 27);
  EXPECT_EQ(EventLength(boards, "Par", "05"), 3);
  EXPECT_EQ(EventLength(boards, "Imp", "01"), 0);
}

TEST(EventLength, ShortEventsFromTheGeneratorsNote) {
  TempFolder dir;
  dir.Write("SEED", "Seed=5\r\nEvents=Par01-Par02,Imp01\r\nDeals=club.pbn\r\nShort=Par02.03,Imp01.26,Imp02.x1,Par03.27\r\n");
  const auto events = ReadShortEvents(dir.File("SEED"));
  EXPECT_EQ(events, (std::map<std::string, int>{{"Par02", 3}, {"Imp01", 26}}));
  EXPECT_TRUE(ReadShortEvents(dir.File("none")).empty());
}
