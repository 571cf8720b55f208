#include "tools/bench/bench.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "tests/data/temp_folder.h"

namespace quorval::bench {
namespace {

TEST(BenchArgs, ReadsOptionsAndRefusesBadOnes) {
  BenchOptions o;
  std::string error;
  ASSERT_TRUE(ParseBenchArgs({"--dir", "x", "--events", "Par01", "--skill", "10", "--time-rule", "off"}, o, error));
  EXPECT_EQ(o.dir, "x");
  EXPECT_EQ(o.events, "Par01");
  EXPECT_EQ(o.skill, 10);
  EXPECT_FALSE(o.timeRule);
  EXPECT_FALSE(o.honest);
  EXPECT_FALSE(o.positionGiven);
  ASSERT_TRUE(ParseBenchArgs({"--honest", "--seed", "77", "--position", "N:x", "--contract", "4S", "--declarer", "W",
                              "--played", "HK,H2"},
                             o, error));
  EXPECT_TRUE(o.honest);
  EXPECT_EQ(o.seed, 77u);
  EXPECT_TRUE(o.positionGiven);
  EXPECT_EQ(o.position.deal, "N:x");
  EXPECT_EQ(o.position.contract, "4S");
  EXPECT_EQ(o.position.declarer, "W");
  EXPECT_EQ(o.position.played, "HK,H2");
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--skill", "0"}, {"--skill", "11"}, {"--skill", "8x"}, {"--skill"}, {"--time-rule", "maybe"},
           {"--frobnicate"}, {"--system", "Q"}, {"--seed", "-1"}, {"--seed", "x"}}) {
    BenchOptions b;
    EXPECT_FALSE(ParseBenchArgs(bad, b, error)) << bad[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(BenchArgs, EventsExpandToTheirBoards) {
  const std::vector<std::string> known = {"Imp01.01", "Imp01.02", "Imp011.01", "Par01.01", "Imp01.01.D"};
  EXPECT_EQ(ExpandKeys("Imp01", known), (std::vector<std::string>{"Imp01.01", "Imp01.02"}));
  EXPECT_EQ(ExpandKeys("Par01.01,Imp01.02", known), (std::vector<std::string>{"Par01.01", "Imp01.02"}));
  EXPECT_TRUE(ExpandKeys("", known).empty());
}

TEST(BenchFigures, PercentileAndSignature) {
  EXPECT_DOUBLE_EQ(Percentile({}, 0.5), 0);
  EXPECT_DOUBLE_EQ(Percentile({5, 1, 3}, 0.5), 3);
  EXPECT_DOUBLE_EQ(Percentile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 0.95), 19);
  EXPECT_DOUBLE_EQ(Percentile({4}, 0.95), 4);
  // Order matters: the same cards in another order give another signature.
  const uint32_t ab = SignatureStep(SignatureStep(kSignatureSeed, 4), 8);
  const uint32_t ba = SignatureStep(SignatureStep(kSignatureSeed, 8), 4);
  EXPECT_NE(ab, ba);
}

TEST(BenchRun, FixtureEventsGiveAReproducibleSummary) {
  BenchOptions o;
  o.dir = std::string(QUORVAL_FIXTURES) + "/events";
  o.events = "Imp01.01,Par01.02";
  o.skill = 1;
  o.timeRule = false;
  o.measureDd = false;
  std::ostringstream log1, log2;
  std::string error;
  const auto first = RunBench(o, log1, error);
  ASSERT_TRUE(first) << error;
  const auto second = RunBench(o, log2, error);
  ASSERT_TRUE(second);
  EXPECT_EQ(first->boards, 2);
  EXPECT_EQ(first->cards, 2 * 51);   // the library leads, the engine plays the rest
  EXPECT_EQ(first->signature, second->signature);
  EXPECT_TRUE(std::regex_match(SummaryLine(*first),
                               std::regex("bench: boards 2 cards 102 median_ms [0-9.]+ p95_ms [0-9.]+ max_ms "
                                          "[0-9.]+ dd_error_pct n/a signature [0-9a-f]{8}")))
      << SummaryLine(*first);
  BenchReport measured = *first;
  measured.ddMeasured = true;
  measured.ddErrorPct = 12.5;
  EXPECT_NE(SummaryLine(measured).find(" dd_error_pct 12.50 signature "), std::string::npos);
}

TEST(BenchFigures, LeadSharesAddUpAndShowBeforeTheClosingLine) {
  LeadShare share;
  EXPECT_DOUBLE_EQ(share.Percent(), 0);   // none checked: no division by zero
  share.Add(true);
  share.Add(false);
  share.Add(true);
  LeadShare more;
  more.Add(true);
  share.Add(more);
  EXPECT_EQ(share.checked, 4);
  EXPECT_EQ(share.kept, 3);
  EXPECT_DOUBLE_EQ(share.Percent(), 75);

  BenchReport r;
  r.openingLeads = share;
  r.laterLeads.Add(false);
  r.ddErrorPct = 2.0;
  r.costliest.push_back({"Imp01.03", 4, West, MakeCard(Ace, Spade), MakeCard(2, Club), 2});
  auto lines = DetailLines(r);
  ASSERT_EQ(lines.size(), 2u);   // the costly cards only show above 3%
  EXPECT_EQ(lines[0], "engine opening leads keeping the double-dummy value: 3/4 (75.0%)");
  EXPECT_EQ(lines[1], "engine leads to later tricks keeping the double-dummy value: 0/1 (0.0%)");
  r.ddErrorPct = 3.5;
  lines = DetailLines(r);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], "costly: Imp01.03 trick 4 W played AS, solver 2C, 2 tricks lost");
  r.ddMeasured = false;
  EXPECT_TRUE(DetailLines(r).empty());
}

TEST(BenchFigures, CostliestTakesTheWorstAcrossBoardsInBoardOrder) {
  std::vector<BoardOutcome> boards(2);
  boards[0].costly = {{"A", 1, North, 0, 0, 1}, {"A", 2, East, 0, 0, 3}};
  boards[1].costly = {{"B", 1, South, 0, 0, 3}, {"B", 5, West, 0, 0, 2}, {"B", 6, West, 0, 0, 1}};
  const auto worst = Costliest(boards, 3);
  ASSERT_EQ(worst.size(), 3u);
  EXPECT_EQ(worst[0].key + std::to_string(worst[0].trick), "A2");
  EXPECT_EQ(worst[1].key + std::to_string(worst[1].trick), "B1");
  EXPECT_EQ(worst[2].key + std::to_string(worst[2].trick), "B5");
  EXPECT_EQ(Costliest(boards, 10).size(), 5u);
  EXPECT_TRUE(Costliest({}, 5).empty());
}

TEST(BenchRun, CheckingAgainstTheSolverCountsLeadsAndLeavesTheCardsAlone) {
  BenchOptions o;
  o.dir = std::string(QUORVAL_FIXTURES) + "/events";
  o.events = "Imp01.01,Par01.02";
  o.skill = 1;
  o.timeRule = false;
  std::ostringstream log;
  std::string error;
  o.measureDd = false;
  const auto plain = RunBench(o, log, error);
  ASSERT_TRUE(plain) << error;
  o.measureDd = true;
  const auto checked = RunBench(o, log, error);
  ASSERT_TRUE(checked) << error;
  // Asking the engine for its own opening lead must not change a card it plays.
  EXPECT_EQ(plain->signature, checked->signature);
  EXPECT_EQ(plain->openingLeads.checked, 0);
  EXPECT_EQ(checked->openingLeads.checked, 2);   // one per board, though the library leads
  EXPECT_EQ(checked->laterLeads.checked, 2 * 12);
  int errors = 0;
  for (const BoardOutcome& b : checked->outcomes) {
    errors += b.ddErrors;
    EXPECT_EQ(b.ddChecked, 51);
    for (const CostlyCard& c : b.costly) {
      EXPECT_EQ(c.key, b.key);
      EXPECT_GE(c.cost, 1);   // a card that lost nothing is no costly card
      EXPECT_NE(c.chosen, c.solverCard);
    }
  }
  // Every lost card has its entry (an opening lead by the library is not the engine's).
  size_t costly = 0;
  for (const BoardOutcome& b : checked->outcomes) costly += b.costly.size();
  EXPECT_EQ(costly, static_cast<size_t>(errors));
  EXPECT_GT(errors, 0) << "the engine at skill 1 loses tricks on these boards: the costly cards are checked";
}

TEST(BenchRun, MissingFilesAreReportedAndNothingIsCreated) {
  const quorval::testing::TempFolder folder;
  const std::filesystem::path dir = folder.Path();
  BenchOptions o;
  o.dir = dir.string();
  std::ostringstream log;
  std::string error;
  EXPECT_FALSE(RunBench(o, log, error));
  EXPECT_NE(error.find("Lisk2005.ini"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}

// A whole deal, for positions whose other parts do not read.
const char* const kDeal = "N:KQJ.J7632.KQ.JT9 T98.T54.J986.876 A765.AQ9.A54.543 432.K8.T732.AKQ2";

// Each part of a position that does not read is named by its option.
TEST(BenchPosition, APositionThatCannotBeReadSaysWhy) {
  BenchOptions o;
  std::string error;
  const struct {
    PositionQuery q;
    const char* says;
  } rows[] = {
      {{"N:KQJ.J7632.KQ.JT9", "4NT", "S", ""}, "--position"},
      {{kDeal, "4Z", "S", ""}, "--contract"},
      {{kDeal, "4N", "Q", ""}, "--declarer"},
      {{kDeal, "4N", "S", "AC,AS"}, "card 2 (AS)"},
      {{kDeal, "4N", "S", "AC,XY"}, "card 2 (XY)"},
  };
  for (const auto& row : rows) {
    error.clear();
    EXPECT_EQ(PositionCard(row.q, o, error), 0) << row.says;
    EXPECT_NE(error.find(row.says), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace quorval::bench

namespace quorval::bench {
namespace {

TEST(BenchRun, TheReviewOfEachBoardIsTimedWhenAskedFor) {
  BenchOptions o;
  std::string error;
  ASSERT_TRUE(ParseBenchArgs({"--review", "--no-dd"}, o, error)) << error;
  EXPECT_TRUE(o.review);
  o.dir = std::string(QUORVAL_FIXTURES) + "/events";
  o.events = "Imp01.01";
  o.skill = 1;
  o.timeRule = false;
  std::ostringstream log;
  const auto report = RunBench(o, log, error);
  ASSERT_TRUE(report) << error;
  ASSERT_EQ(report->outcomes.size(), 1u);
  EXPECT_EQ(report->outcomes[0].cards.size(), 52u);
  ASSERT_EQ(report->reviewMs.size(), 1u);
  EXPECT_GT(report->reviewMs[0], 0.0);
  EXPECT_TRUE(std::regex_search(log.str(), std::regex("Imp01\\.01 review [0-9]+ ms cpu [0-9]+ ms\n"))) << log.str();
  EXPECT_TRUE(std::regex_match(ReviewLine(*report),
                               std::regex("review: boards 1 median_ms [0-9]+ p95_ms [0-9]+ max_ms [0-9]+ cpu_median_ms [0-9]+")))
      << ReviewLine(*report);
  BenchReport none;
  EXPECT_EQ(ReviewLine(none), "review: boards 0 median_ms 0 p95_ms 0 max_ms 0 cpu_median_ms 0");
}

}  // namespace
}  // namespace quorval::bench
