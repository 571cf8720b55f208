// A fixture player's progress worked out by hand on the one-suit board of
// the kept-play tests, where every card is plain: filing order, the
// figures of each board and of its session, the spreadsheet lines, and the
// kept figures used again until a play changes.
#include "progress/progress.h"

#include <gtest/gtest.h>

#include "data/date_time.h"
#include "data/ini_store.h"
#include "data/kept_play.h"
#include "progress/progress_chart.h"
#include "tests/data/sample_play.h"
#include "tests/data/temp_folder.h"

namespace quorval {
namespace {

using testing::kOneSuitDeal;
using testing::kTenTricksPlay;

std::string ResultOf(const std::string& head, int a, int b, int c) {
  std::string line = head;
  for (int i = 0; i < 18; ++i) line += ",0";
  return line + "," + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c);
}

double Time(const char* text) {
  double t = 0;
  EXPECT_TRUE(ParseDateTime(text, t)) << text;
  return t;
}

// Ann's results: 4S by North played out (ten tricks), the same claimed
// after five tricks with seven of the eight left (nine tricks), and the
// board passed out; a result without a kept play and one whose play breaks
// off are left out.
//
// Double dummy North takes ten tricks in spades (three club losers) and
// every card of the play keeps that. Par, dealer North, nobody vulnerable:
// East's seven hearts (1510) over South's seven diamonds, and North-South
// sacrifice in seven spades doubled, three down: -500. Four spades made is
// 420, 920 above par: 14 IMPs; passing out is 500 above: 11 IMPs.
class Progress : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.LoadLines({"[Ann]", "Result=Declarer,Contract,Tricks,Score,MP/IMPS for 1-18, User A, User B, User C",
                        ResultOf("Imp01.05=N,4~S,10,420", 300, -150, 600),
                        ResultOf("Par01.02=N,4~S,9,-50", 45, 50, 55), ResultOf("Imp01.04=W,Pass,0,0", 0, -100, 100),
                        ResultOf("Imp01.06=N,4~S,10,420", 1, 2, 3), ResultOf("Imp01.07=N,4~S,10,420", 1, 2, 3)});
    Keep("Imp01.05", "4S,P,P,P", kTenTricksPlay);
    Keep("Par01.02", "4S,P,P,P", kTenTricksPlay.substr(0, 2 + 20 * 3 - 1) + ",claimNS7");
    Keep("Imp01.04", "P,P,P,P", "-");
    Keep("Imp01.07", "4S,P,P,P", kTenTricksPlay.substr(0, 2 + 10 * 3 - 1));
    KeepFiledTime(plays_, "Ann", "Imp01.05", Time("2026-12-10 10:00:00"));
    KeepFiledTime(plays_, "Ann", "Imp01.04", Time("2026-12-09 21:30:00"));
  }
  void Keep(const std::string& key, const std::string& auction, const std::string& play) {
    const KeptPlayRead read = ParseKeptPlay({"N", "None", kOneSuitDeal, auction, play});
    ASSERT_TRUE(read.play) << read.fault;
    // A damaged play is written as it stands, as a hand edit would leave it.
    plays_.WriteString("Ann", key + ".Dealer", "N");
    plays_.WriteString("Ann", key + ".Vulnerable", "None");
    plays_.WriteString("Ann", key + ".Deal", kOneSuitDeal);
    plays_.WriteString("Ann", key + ".Auction", auction);
    plays_.WriteString("Ann", key + ".Play", play);
  }
  TBigIniFile options_{""};
  TBigIniFile plays_{""};
};

TEST_F(Progress, TheFixturePlayersBoardsInFilingOrderWithTheirFigures) {
  const PlayerProgress p = ComputeProgress(options_, plays_, nullptr, "Ann");
  ASSERT_EQ(p.boards.size(), 3u);
  EXPECT_EQ(p.problems, std::vector<std::string>{"Imp01.07: the play stops after 10 cards"});
  // No time first, then by time.
  EXPECT_EQ(p.boards[0].key, "Par01.02");
  EXPECT_EQ(p.boards[1].key, "Imp01.04");
  EXPECT_EQ(p.boards[2].key, "Imp01.05");
  EXPECT_EQ(p.worked, 3);

  const BoardProgress& claimed = p.boards[0];
  EXPECT_FALSE(claimed.imps);
  EXPECT_EQ(claimed.declarerTricks, 9);
  EXPECT_EQ(claimed.scoreNS, -50);
  EXPECT_EQ(claimed.figures, (std::array<double, 3>{0.45, 0.5, 0.55}));
  EXPECT_STREQ(claimed.UserRole(), "declarer");
  // The claim gave up one of North's eight top spades.
  EXPECT_EQ(claimed.dd, (PlayFigures{1, 0, 1, 14}));
  EXPECT_EQ(p.boards[1].dd, (PlayFigures{0, 0, -1, 11}));
  EXPECT_STREQ(p.boards[1].UserRole(), "passed");
  EXPECT_EQ(p.boards[2].dd, (PlayFigures{0, 0, 1, 14}));

  const auto sessions = SessionSums(p.boards);
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(sessions[0].session, "Par01");
  EXPECT_FALSE(sessions[0].imps);
  EXPECT_EQ(sessions[1].session, "Imp01");
  EXPECT_EQ(sessions[1].boards, 2);
  EXPECT_EQ(sessions[1].figures, (std::array<double, 3>{3.0, -2.5, 7.0}));
  EXPECT_EQ(sessions[1].leads, 1);
  EXPECT_EQ(sessions[1].leadsKept, 1);
  EXPECT_EQ(sessions[1].impsAgainstPar, 25);
  EXPECT_EQ(sessions[0].declarerLost, 1);

  EXPECT_EQ(ProgressCsvLines(p.boards),
            (std::vector<std::string>{
                "date,key,scoring,contract,declarer,tricks,score_ns,figure_a,figure_b,figure_c,user,declarer_lost,"
                "defenders_lost,lead_kept,imps_vs_par",
                ",Par01.02,MP,4S,N,9,-50,0.45,0.50,0.55,declarer,1,0,1,14",
                "2026-12-09 21:30:00,Imp01.04,IMP,P,-,0,0,0.00,-1.00,1.00,passed,0,0,,11",
                "2026-12-10 10:00:00,Imp01.05,IMP,4S,N,10,420,3.00,-1.50,6.00,declarer,0,0,1,14"}));
}

TEST_F(Progress, FiguresAreKeptBesideThePlaysAndWorkedOutAgainWhenAPlayChangesOrWasNotSolved) {
  testing::TempFolder dir;
  const std::string file = dir.File(kProgressFileName);
  {
    TBigIniFile cache(file);
    EXPECT_EQ(ComputeProgress(options_, plays_, &cache, "Ann").worked, 3);
  }
  const std::string kept = dir.Read(kProgressFileName);
  EXPECT_NE(kept.find("Par01.02="), std::string::npos) << kept;
  EXPECT_NE(kept.find(",1,0,1,14\r\n"), std::string::npos) << kept;
  EXPECT_NE(kept.find(",0,0,,11\r\n"), std::string::npos) << kept;

  TBigIniFile cache(file);
  // A stand-in solver that would give other figures shows the cache is used.
  ProgressRun run;
  int steps = 0;
  run.step = [&](int done, int total) {
    ++steps;
    EXPECT_EQ(total, 3);
    EXPECT_EQ(done, steps);
  };
  run.solvers.table = [](const Deal&, DdTable&, std::string& e) {
    e = "stand-in";
    return false;
  };
  PlayerProgress again = ComputeProgress(options_, plays_, &cache, "Ann", run);
  EXPECT_EQ(again.worked, 0);
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(again.boards[0].dd, (PlayFigures{1, 0, 1, 14}));

  // A replay of Par01.02 to the end: its figures are worked out again.
  Keep("Par01.02", "4S,P,P,P", kTenTricksPlay);
  again = ComputeProgress(options_, plays_, &cache, "Ann");
  EXPECT_EQ(again.worked, 1);
  EXPECT_EQ(again.boards[0].dd, (PlayFigures{0, 0, 1, 14}));
  // A kept line that does not read is worked out again as well.
  cache.WriteString("Ann", "Imp01.05", "x,1,2,3,4");
  EXPECT_EQ(ComputeProgress(options_, plays_, &cache, "Ann").worked, 1);

  // Cancelled before the first board: the boards are listed without figures.
  std::atomic<bool> cancel{true};
  run.cancel = &cancel;
  const PlayerProgress stopped = ComputeProgress(options_, plays_, &cache, "Ann", run);
  EXPECT_TRUE(stopped.cancelled);
  ASSERT_EQ(stopped.boards.size(), 3u);
  EXPECT_FALSE(stopped.boards[0].dd);
  EXPECT_EQ(ProgressCsvLines(stopped.boards)[1], ",Par01.02,MP,4S,N,9,-50,0.45,0.50,0.55,declarer,,,,");

  // Without the solver's answers nothing is kept and every board says so.
  run.cancel = nullptr;
  steps = 0;
  TBigIniFile none("");
  const PlayerProgress unsolved = ComputeProgress(options_, plays_, &none, "Ann", run);
  for (const BoardProgress& b : unsolved.boards) EXPECT_FALSE(b.dd) << b.key;
  EXPECT_EQ(unsolved.problems.size(), 4u);
  EXPECT_FALSE(none.SectionExists("Ann"));
}

// The charts' curves, worked out by hand on five boards of two sessions:
// a session's point is its boards' mean at their mean place, the running
// line the mean of the last boards that count for the measure.
TEST(ProgressCurves, SessionPointsAndTheRunningLineCountOnlyTheBoardsOfTheMeasure) {
  auto board = [](const char* key, CallCode bid, Seat declarer, std::array<double, 3> figures,
                  std::optional<PlayFigures> dd) {
    BoardProgress b;
    b.key = key;
    b.contract = Contract{bid, 0, declarer};
    b.imps = std::string(key).rfind("Imp", 0) == 0;
    b.figures = figures;
    b.dd = dd;
    return b;
  };
  const std::vector<BoardProgress> boards = {
      board("Imp01.01", MakeBid(4, Spade), South, {2, 4, 6}, PlayFigures{1, 0, 1, -3}),
      board("Imp01.02", MakeBid(2, Heart), East, {-1, 0, 1}, PlayFigures{0, 2, 0, 5}),
      board("Par02.01", MakeBid(3, NT), North, {6, 0, -6}, PlayFigures{2, 0, -1, 0}),
      board("Imp01.03", MakeBid(1, NT), West, {3, 3, 3}, std::nullopt),
      board("Imp03.01", MakeBid(3, NT), East, {5, 5, 5}, PlayFigures{0, 1, 1, 2}),
  };
  // IMPs against stratum B: Imp01 at boards 1, 2, 4 (mean 7/3 at 7/3),
  // Imp03 at board 5; the match-point board is not counted.
  const ProgressCurve b = MeasureCurve(boards, ProgressMeasure::ScoreB, true, 0, 2);
  ASSERT_EQ(b.sessions.size(), 2u);
  EXPECT_DOUBLE_EQ(b.sessions[0].x, 7.0 / 3);
  EXPECT_DOUBLE_EQ(b.sessions[0].y, 7.0 / 3);
  EXPECT_EQ(b.sessions[1], (ChartPoint{5, 5}));
  EXPECT_EQ(b.running, (std::vector<ChartPoint>{{1, 4}, {2, 2}, {4, 1.5}, {5, 4}}));
  // The pairs board as the score pad's percentage (6 match points over
  // average on a 12-point top: 100%).
  const ProgressCurve pct = MeasureCurve(boards, ProgressMeasure::ScoreA, false, 0);
  ASSERT_EQ(pct.sessions.size(), 1u);
  EXPECT_EQ(pct.sessions[0], (ChartPoint{3, 100}));
  // Card play: as declarer on boards 1 and 3 (North-South declared), as
  // defender on 2 and 5 (board 4 has no figures).
  EXPECT_EQ(MeasureCurve(boards, ProgressMeasure::DeclarerLost, true, 0).running,
            (std::vector<ChartPoint>{{1, 1}, {3, 1.5}}));
  EXPECT_EQ(MeasureCurve(boards, ProgressMeasure::DefenderLost, true, 0).running,
            (std::vector<ChartPoint>{{2, 2}, {5, 1.5}}));
  // South's own opening leads only: East declared boards 2 and 5.
  EXPECT_EQ(MeasureCurve(boards, ProgressMeasure::LeadKept, true, 0).running,
            (std::vector<ChartPoint>{{2, 0}, {5, 50}}));
  EXPECT_EQ(MeasureCurve(boards, ProgressMeasure::ImpsVsPar, true, 0).sessions,
            (std::vector<ChartPoint>{{1.5, 1}, {3, 0}, {5, 2}}));
}

}  // namespace
}  // namespace quorval
