// The library statistics read back what the writer produced: lines, the
// user's choices at the first call, and leads that keep the double-dummy
// result; and the bidder's meanings survive a replay of its own auctions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/data/temp_folder.h"
#include "tests/eventgen/bidder_hands.h"
#include "tools/eventgen/bidder/bidder.h"
#include "tools/eventgen/bidder/library_stats.h"
#include "tools/eventgen/board_facts.h"

namespace quorval::bidder {
namespace {

TEST(LibraryStats, CountsLinesChoicesAndLeads) {
  namespace fs = std::filesystem;
  const quorval::testing::TempFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  const fs::path dir = folder.Path();
  const std::string deal = "N:AKQ2.K32.Q32.432 JT98.QJT.KJT.KJT 7654.A98.A98.A98 3.7654.7654.Q765";
  std::ofstream(dir / "Lisk2005.ini", std::ios::binary)
      << "[Imp01.01]\r\nDealer=N\r\nVulnerable=None\r\nDeal=" << deal << "\r\nSite=3\r\n\r\n";
  // West (the user) has a choice in D and M only; every lead is valued by the solver.
  std::string text;
  for (const char* letter : {"D", "M", "N", "S"}) {
    text += std::string("[Imp01.01.") + letter + "]\r\n1S,P,P,P,Lead,JS,100\r\n";
    if (letter[0] == 'D' || letter[0] == 'M') text += "1S,P,P,2H,P,P,P,Lead,AS,100\r\n";
    text += "\r\n\r\n";
  }
  std::ofstream(dir / "SEQ2005.txt", std::ios::binary) << text;
  std::array<SystemLibraryStats, 4> stats;
  std::string error;
  ASSERT_TRUE(CollectLibraryStats(dir.string(), nullptr, stats, error)) << error;
  const SystemLibraryStats& d = stats[static_cast<int>(System::DanishBasic)];
  const SystemLibraryStats& n = stats[static_cast<int>(System::StdNorwegian)];
  EXPECT_EQ(d.sections, 1);
  EXPECT_EQ(d.lines, 2);
  EXPECT_EQ(d.altAtFirstCall, 1);
  EXPECT_EQ(n.altAtFirstCall, 0);
  EXPECT_EQ(d.contracts, 1);
  EXPECT_EQ(d.leadPercent, 200);
  EXPECT_LE(d.leadPercentKept, d.leadPercent);
  EXPECT_NE(LibraryStatsReport(stats).find("Danish Basic"), std::string::npos);
  // A folder without the library is reported, not counted.
  EXPECT_FALSE(CollectLibraryStats((dir / "no_such_folder").string(), nullptr, stats, error));
}

TEST(BidderReplay, MeaningsSurviveAReplay) {
  for (int i = 0; i < 40; ++i) {
    const Deal deal = eventgen::ShuffledDeal(99, "Replay" + std::to_string(i));
    const System system = kAllSystems[i % 4];
    View bid(system, i & 3, (i / 4) & 3);
    Complete(deal, bid);
    View again(system, i & 3, (i / 4) & 3);
    ASSERT_TRUE(Replay(deal, bid.calls(), again));
    ASSERT_EQ(again.Size(), bid.Size());
    for (int k = 0; k < bid.Size(); ++k) {
      EXPECT_EQ(again.meanings[k].conv, bid.meanings[k].conv) << AuctionText(bid.calls()) << " call " << k + 1;
      EXPECT_EQ(again.meanings[k].minPts, bid.meanings[k].minPts) << AuctionText(bid.calls()) << " call " << k + 1;
    }
  }
  // An illegal call is refused.
  View view(System::DanishBasic, North, 0);
  EXPECT_FALSE(Replay(Deal{}, {MakeBid(1, Spade), MakeBid(1, Heart)}, view));
}

}  // namespace
}  // namespace quorval::bidder
