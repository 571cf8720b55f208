// The stats command on a small hand-made set: the user's roles against par,
// the strata's IMPs against par and against the field's average, the mix of
// field contracts and the printed report, every figure worked out by hand.
// And the library stage joins the generator and the check through its hooks.
#include <gtest/gtest.h>

#include <string>

#include "eventsets/dd_cache.h"
#include "eventsets/event_files.h"
#include "eventsets/generator.h"
#include "eventsets/library_stage.h"
#include "eventsets/stats.h"
#include "tests/data/temp_folder.h"
#include "tests/eventsets/synthetic_board.h"

namespace quorval::eventgen {
namespace {

const char* const kDeal = "N:Q963.QT2.QJ976.T T7.J986.K83.AKJ5 KJ852.AK.5.Q9743 A4.7543.AT42.862";

// A double-dummy table made up for the test, so that par is plain: North and
// South take ten tricks in spades and nine at no-trump, East and West at
// most seven anywhere. Par is four spades by North-South; no sacrifice pays.
DdTable MadeUpTable() {
  DdTable t;
  const int ns[5] = {6, 6, 7, 10, 9}, ew[5] = {7, 7, 6, 3, 4};
  for (tAllTrump strain = 0; strain < 5; ++strain)
    for (Seat s = North; s <= West; ++s) t.tricks[strain][s] = SideOf(s) == 1 ? ns[strain] : ew[strain];
  return t;
}

std::string Results(const std::string& section, const std::string (&lines)[18]) {
  std::string text = "[" + section + "]\r\n";
  for (int n = 1; n <= 18; ++n) text += (n < 10 ? "0" : "") + std::to_string(n) + "=" + lines[n - 1] + "\r\n";
  return text + "\r\n";
}

class StatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    Deal deal;
    std::vector<std::string> errors;
    ASSERT_TRUE(ParseDeal(kDeal, deal, errors));
    cache.Store(deal, MadeUpTable());
    const std::string deal69 = kDeal;
    folder.Write(kBoardFileName,
                 // Par 4S by North (+420); the user sits South: dummy.
                 "[Imp01.01]\r\nDealer=N\r\nVulnerable=None\r\nDeal=" + deal69 + "\r\nSite=0\r\n\r\n"
                 // Par 4S by South (+620, dealer East: South comes before
                 // North); turned by one seat the user sits East: defender.
                 "[Par01.01]\r\nDealer=E\r\nVulnerable=Both\r\nDeal=" + deal69 + "\r\nSite=1\r\n\r\n"
                 // Only 17 results: skipped.
                 "[Par01.02]\r\nDealer=S\r\nVulnerable=None\r\nDeal=" + deal69 + "\r\nSite=0\r\n\r\n"
                 // A deal one card short: skipped.
                 "[Par01.03]\r\nDealer=W\r\nVulnerable=None\r\nDeal=" + deal69.substr(0, 68) + "\r\nSite=0\r\n\r\n");
    std::string a[18], b[18], c[18];
    for (int i = 0; i < 18; ++i) {
      // Board one: A at par, B a part-score (-250: -6 IMPs), C one down (-470: -10).
      a[i] = i < 6 ? "N,4S,10,420" : i < 12 ? "N,3S,10,170" : "S,4S,9,-50";
      // Board two: A at par; B one pass-out and five doubled games made;
      // C six slams two down.
      b[i] = i < 6 ? "S,4S,10,620" : i == 6 ? "P" : i < 12 ? "S,4SX,10,790" : "S,6S,10,-200";
      c[i] = "N,4S,10,420";
    }
    std::string results = Results("Imp01.01", a) + Results("Par01.01", b) + Results("Par01.03", c);
    std::string seventeen = Results("Par01.02", c);
    seventeen.erase(seventeen.rfind("18="));
    folder.Write(kResultsFileName, results + seventeen);
  }
  quorval::testing::TempFolder folder;
  DdCache cache;
};

TEST_F(StatsTest, RolesAndStrataAgainstParAndField) {
  std::vector<EventStats> events;
  EventStats all;
  int skipped = -1;
  std::string error;
  ASSERT_TRUE(CollectStats(folder.Path(), events, all, skipped, error, &cache)) << error;
  EXPECT_EQ(skipped, 2);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].name, "Imp01");
  EXPECT_EQ(events[1].name, "Par01");
  EXPECT_EQ(all.name, "All");
  EXPECT_EQ(all.boards, 2);
  // Board one gives the user dummy, board two a defence.
  EXPECT_EQ(events[0].roles, (std::array<int, 4>{0, 1, 0, 0}));
  EXPECT_EQ(events[1].roles, (std::array<int, 4>{0, 0, 1, 0}));
  EXPECT_DOUBLE_EQ(all.DeclaringShare(), 0.5);
  EXPECT_DOUBLE_EQ(all.DeclarerOfDeclaring(), 0.0);

  // Board one, North-South's view: against par 0, -6, -10; against the
  // field's average of 180: +240 (+6), -10 (0), -230 (-6).
  EXPECT_DOUBLE_EQ(events[0].impsVsPar[0], 0);
  EXPECT_DOUBLE_EQ(events[0].impsVsPar[1], -6);
  EXPECT_DOUBLE_EQ(events[0].impsVsPar[2], -10);
  EXPECT_DOUBLE_EQ(events[0].impsVsField[0], 6);
  EXPECT_DOUBLE_EQ(events[0].impsVsField[1], 0);
  EXPECT_DOUBLE_EQ(events[0].impsVsField[2], -6);
  // Board two, East-West's view (par +620 for North-South): A 0; B +620
  // for the pass-out (+12) and -170 five times (-5 each): -13 / 6; C +820
  // six times (+13). The field's average is 6470 / 18 = 359.4: A -261 (-6),
  // B +359 (+8) and -431 x 5 (-10): -42 / 6, C +559 (+11).
  EXPECT_DOUBLE_EQ(events[1].impsVsPar[0], 0);
  EXPECT_DOUBLE_EQ(events[1].impsVsPar[1], -13.0 / 6);
  EXPECT_DOUBLE_EQ(events[1].impsVsPar[2], 13);
  EXPECT_DOUBLE_EQ(events[1].impsVsField[0], -6);
  EXPECT_DOUBLE_EQ(events[1].impsVsField[1], -7);
  EXPECT_DOUBLE_EQ(events[1].impsVsField[2], 11);
  // Both boards: the sums over twelve tables of each stratum.
  EXPECT_DOUBLE_EQ(all.impsVsPar[1], (-36.0 - 13) / 12);
  EXPECT_DOUBLE_EQ(all.impsVsPar[2], (-60.0 + 78) / 12);
  EXPECT_DOUBLE_EQ(all.impsVsField[0], 0);
  EXPECT_DOUBLE_EQ(all.impsVsField[1], -3.5);
  EXPECT_DOUBLE_EQ(all.impsVsField[2], 2.5);

  // The contracts: 36 results, one passed out, six part-scores (3S), 23
  // games (4S, 4SX), six slams, five doubled; 23 in the par contract (4S by
  // North-South, doubled or not).
  EXPECT_EQ(all.results, 36);
  EXPECT_EQ(all.passedOut, 1);
  EXPECT_EQ(all.partscores, 6);
  EXPECT_EQ(all.games, 23);
  EXPECT_EQ(all.slams, 6);
  EXPECT_EQ(all.doubled, 5);
  EXPECT_EQ(all.parContracts, 23);
  // Different contracts, declarer not counted: 4S and 3S on board one (4S by
  // North and by South are one); 4S, pass, 4SX and 6S on board two.
  EXPECT_EQ(all.distinctContracts, 6);
  EXPECT_DOUBLE_EQ(all.DistinctPerBoard(), 3.0);
}

TEST_F(StatsTest, TheReportPrintsEachEventAndTheTotals) {
  std::vector<EventStats> events;
  EventStats all;
  int skipped = 0;
  std::string error;
  ASSERT_TRUE(CollectStats(folder.Path(), events, all, skipped, error, &cache)) << error;
  const std::string report = StatsReport(events, all);
  // Dummy is on the declaring side: Imp01 declares on its one board.
  EXPECT_NE(report.find("Imp01    1    0   1   0  0  100.0%   0.0%    +0.00  -6.00 -10.00    +6.00  +0.00  -6.00\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("Par01    1    0   0   1  0    0.0%   0.0%    +0.00  -2.17 +13.00    -6.00  -7.00 +11.00\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("All      2    0   1   1  0   50.0%   0.0%    +0.00  -4.08  +1.50    +0.00  -3.50  +2.50\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("field contracts: 36 results, partscores 16.7%, games 63.9%, slams 16.7%, passed out 2.8%, "
                        "doubled 13.9%, the par contract 63.9%\n"
                        "field texture: 13.9% of the results doubled, 3.00 different contracts a board\n"),
            std::string::npos)
      << report;
}

TEST(Stats, AFolderWithoutTheEventFilesIsRefused) {
  const quorval::testing::TempFolder folder;
  std::vector<EventStats> events;
  EventStats all;
  int skipped = 0;
  std::string error;
  EXPECT_FALSE(CollectStats(folder.Path(), events, all, skipped, error));
  EXPECT_NE(error.find(folder.Path()), std::string::npos) << error;
}

// The library stage is built into this program: installing it replaces the
// statistical field by the bidder's, and the check looks at the library.
TEST(LibraryStage, TheBidderBidsTheFieldAndTheCheckReadsTheLibrary) {
  auto cache = std::make_shared<DdCache>();
  const Deal deal = ShuffledDeal(11, "Imp01.01");
  cache->Store(deal, testing::EstimatedTable(deal));
  Generator plain, withLibrary;
  plain.SetDdCache(cache);
  withLibrary.SetDdCache(cache);
  InstallLibraryStage(withLibrary);
  BoardRecord statistical, bid;
  std::string error;
  ASSERT_TRUE(plain.MakeOne(11, "Imp01", 1, statistical, error)) << error;
  ASSERT_TRUE(withLibrary.MakeOne(11, "Imp01", 1, bid, error)) << error;
  // The same board, a field bid by other means; the same as the bidder's
  // chooser gives directly.
  EXPECT_EQ(BoardSectionLines(bid.facts), BoardSectionLines(statistical.facts));
  EXPECT_NE(ResultSectionLines(bid.field), ResultSectionLines(statistical.field));
  BoardRecord direct;
  ASSERT_TRUE(MakeBoard(11, "Imp01", 1, BidderFieldChooser{}, direct, error, cache.get())) << error;
  EXPECT_EQ(ResultSectionLines(bid.field), ResultSectionLines(direct.field));

  const LibraryChecker check = LibraryCheckerForSet();
  ASSERT_TRUE(static_cast<bool>(check));
  const quorval::testing::TempFolder folder;
  std::vector<Problem> problems;
  check(folder.Path(), problems);   // no board file: the board check reports that
  EXPECT_TRUE(problems.empty());
  folder.Write(kBoardFileName, "[Imp01.01]\r\nDealer=N\r\nVulnerable=None\r\nDeal=" + std::string(kDeal) +
                                   "\r\nSite=0\r\n\r\n");
  check(folder.Path(), problems);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].text, "no sequence library in the folder");
}

}  // namespace
}  // namespace quorval::eventgen
