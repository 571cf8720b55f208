// The bidder's stages of an event set: the library statistics read back what
// the writer produced (lines, the user's choices at the first call, leads
// that keep the double-dummy result), the field's contracts bid by the
// bidder, and the solver's values of every opening lead.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bidding/bidder.h"
#include "eventsets/board_facts.h"
#include "eventsets/lead_values.h"
#include "eventsets/library_stage.h"
#include "eventsets/library_stats.h"
#include "tests/bidding/bidder_hands.h"
#include "tests/data/temp_folder.h"

namespace quorval::eventgen {
namespace {

using bidder::System;

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

TEST(BidderField, ContractsAreLegalAndRepeatable) {
  BoardFacts facts;
  facts.key = "Imp01.01";
  facts.deal = ShuffledDeal(7, facts.key);
  facts.dealer = North;
  BidderFieldChooser chooser;
  int contracts = 0;
  for (int table = 1; table <= 18; ++table) {
    TableSetting setting;
    setting.number = table;
    setting.home = static_cast<Skill>((table - 1) / 6);
    Rng a(table), b(table);
    const Contract first = chooser.Choose(facts, setting, a);
    const Contract again = chooser.Choose(facts, setting, b);
    EXPECT_EQ(first.bid, again.bid);
    EXPECT_EQ(first.declarer, again.declarer);
    EXPECT_EQ(first.DoubledCount, again.DoubledCount);
    // Legal: a passed-out table is Pass undoubled; anything else is a bid,
    // doubled at most twice, by a seat, and some auction ends in exactly it:
    // the declarer bids it, the next seat doubles, declarer redoubles.
    if (first.bid == Pass) {
      EXPECT_EQ(first.DoubledCount, 0) << "table " << table;
      continue;
    }
    ASSERT_TRUE(IsBid(first.bid)) << "table " << table << " bid " << first.bid;
    ASSERT_GE(first.DoubledCount, 0);
    ASSERT_LE(first.DoubledCount, 2);
    ASSERT_GE(first.declarer, North);
    ASSERT_LE(first.declarer, West);
    ++contracts;
    Auction auction(facts.dealer);
    while (auction.SeatToAct() != first.declarer) ASSERT_TRUE(auction.Make(Pass));
    ASSERT_TRUE(auction.Make(first.bid));
    if (first.DoubledCount >= 1) {
      ASSERT_TRUE(auction.Make(Double));
    }
    if (first.DoubledCount == 2) {
      ASSERT_TRUE(auction.Make(Redouble));
    }
    while (!auction.Over()) ASSERT_TRUE(auction.Make(Pass));
    EXPECT_EQ(auction.Result().bid, first.bid);
    EXPECT_EQ(auction.Result().DoubledCount, first.DoubledCount);
    EXPECT_EQ(auction.Result().declarer, first.declarer);
  }
  // The deal is no pass-out hand: most tables reach a contract.
  EXPECT_GE(contracts, 12);
}

TEST(LeadSolver, ValuesEveryCardOfTheLeader) {
  const Deal deal = bidder::testing::MakeDeal({"AKQJ.AKQ.AKQ.AKQ", "T987.JT9.JT9.JT9", "6543.876.876.876", "2.5432.5432.5432"});
  LeadSolver solver;
  LeadValues v;
  ASSERT_TRUE(solver.Solve(deal, East, NT, v));
  // North takes every trick whatever East leads.
  EXPECT_EQ(v.best, 0);
  EXPECT_EQ(v.Of(MakeCard(Ten, Spade)), 0);
  EXPECT_EQ(v.Of(MakeCard(Ace, Spade)), -1);  // not East's card
}

}  // namespace
}  // namespace quorval::eventgen
