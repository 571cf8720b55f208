// Hand records made into an event set: boards numbered into events, the set
// written whole or not at all, and what check says of it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/board_file.h"
#include "data/ini_store.h"
#include "eventsets/checker.h"
#include "eventsets/library_stage.h"
#include "eventsets/pbn_import.h"
#include "synthetic_board.h"

namespace quorval::eventgen {
namespace {

namespace fs = std::filesystem;

class ImportDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("import_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A hand record of `count` boards dealt from a seed, the deal from North.
  // The club numbered its boards from 6: each record's dealer and
  // vulnerability are those of its number there, not of the place it takes.
  std::string Record(int count, const std::string& extra = "") {
    std::string text = "% PBN 2.1\r\n";
    for (int n = 1; n <= count; ++n) {
      const Deal deal = ShuffledDeal(77, "club." + std::to_string(n));
      deals_.push_back(deal);
      text += "[Board \"" + std::to_string(n + 5) + "\"]\r\n[Dealer \"" + SeatLetter(BoardDealer(n + 5)) +
              "\"]\r\n[Vulnerable \"" + VulnerabilityName(BoardVulnerability(n + 5)) + "\"]\r\n[Deal \"" +
              DealText(deal, North) + "\"]\r\n\r\n";
    }
    return text + extra;
  }
  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }
  // The solver's part replaced by estimated tables, so the run is quick.
  Generator QuickGenerator() {
    Generator g;
    auto cache = std::make_shared<DdCache>();
    for (const Deal& d : deals_) cache->Store(d, testing::EstimatedTable(d));
    g.SetDdCache(cache);
    return g;
  }
  int Entries(const fs::path& p) const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(p)) ++n;
    return n;
  }

  fs::path dir_;
  std::vector<Deal> deals_;
};

std::vector<PbnBoard> Boards(int count) {
  std::vector<PbnBoard> boards(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    boards[size_t(i)].deal = ShuffledDeal(5, std::to_string(i));
    boards[size_t(i)].dealer = West;   // not what the new board number would give
    boards[size_t(i)].vul = 3;
  }
  return boards;
}

}  // namespace

TEST(ImportPlanning, BoardsFillTheEventsInOrderAndKeepTheirDealerAndVulnerability) {
  const ImportPlan plan = PlanImport(Boards(30), {"Par01", "Par02"});
  ASSERT_EQ(plan.boards.size(), 30u);
  EXPECT_EQ(plan.boards[0].event, "Par01");
  EXPECT_EQ(plan.boards[26].event, "Par01");
  EXPECT_EQ(plan.boards[26].number, 27);
  EXPECT_EQ(plan.boards[27].event, "Par02");
  EXPECT_EQ(plan.boards[29].number, 3);
  EXPECT_EQ(plan.boards[28].dealer, West);
  EXPECT_EQ(plan.boards[28].vul, 3);
  EXPECT_EQ(plan.boards[28].deal, ShuffledDeal(5, "28"));
  EXPECT_EQ(plan.left, 0);

  const ImportPlan full = PlanImport(Boards(30), {"Imp09"});
  EXPECT_EQ(full.boards.size(), 27u);
  EXPECT_EQ(full.left, 3);
}

TEST(ImportPlanning, ScoringTagChoosesTheKindOfEvent) {
  PbnRead read;
  read.boards = Boards(2);
  EXPECT_EQ(DefaultImportEvents(read).front(), "Par01");
  EXPECT_EQ(DefaultImportEvents(read).size(), 18u);
  read.boards[1].scoring = "IMP";
  EXPECT_EQ(DefaultImportEvents(read).front(), "Imp01");
  EXPECT_EQ(DefaultImportEvents(read).size(), 9u);
  read.boards[0].scoring = "MatchPoints";
  EXPECT_EQ(DefaultImportEvents(read).front(), "Par01");
}

TEST_F(ImportDir, ShortRecordMakesAShortEventThatPassesCheck) {
  // Three boards and one game that cannot be played (a seat that is none).
  const std::string file = Write("club.pbn", Record(3, "[Board \"4\"]\r\n[Deal \"Q:...\"]\r\n"));
  Generator generator = QuickGenerator();
  InstallLibraryStage(generator);
  ImportRequest request{file, (dir_ / "set").string(), true, 9, {}};
  ImportReport report;
  std::string error;
  ASSERT_TRUE(ImportHandRecords(request, generator, report, error)) << error;
  EXPECT_EQ(report.boards, 3);
  EXPECT_EQ(report.events, "Par01");
  ASSERT_EQ(report.refused.size(), 1u);
  EXPECT_EQ(report.refused[0].line, 18);   // the deal of the fourth game
  EXPECT_EQ(report.refused[0].file, "club.pbn");

  const auto problems = CheckEventSet((dir_ / "set").string(), LibraryCheckerForSet());
  EXPECT_TRUE(problems.empty()) << problems.front().key << ": " << problems.front().text;
  // The boards as the table reads them: the record's deal turned so that
  // the user's hand sits South, under the record's own dealer and
  // vulnerability whatever the turn.
  TBridgeINI boards((dir_ / "set" / kBoardFileName).string());
  EXPECT_EQ(boards.SectionNames(), (std::vector<std::string>{"Par01.01", "Par01.02", "Par01.03"}));
  int turned = 0;
  for (int n = 1; n <= 3; ++n) {
    const std::string key = BoardKey("Par01", n);
    BoardStatus status = BoardStatus::NotFound;
    const auto board = boards.ReadBoard(key, status);
    ASSERT_TRUE(board) << key;
    EXPECT_EQ(board->dealer, BoardDealer(n + 5)) << key;
    EXPECT_EQ(board->vulnerability, BoardVulnerability(n + 5)) << key;
    Seat dealer = North;
    Vulnerability vul = 0;
    Deal deal = deals_[size_t(n - 1)];
    RotateDeal(board->site, dealer, vul, deal);
    EXPECT_EQ(board->deal, deal) << key;
    turned += board->site % 4 != 0;
  }
  // Turned boards tell the record's dealer from the stored one.
  EXPECT_GT(turned, 0);
  // Nothing is left beside the set.
  EXPECT_EQ(Entries(dir_), 2);   // club.pbn and set
}

TEST_F(ImportDir, NothingPlayableWritesNothing) {
  const std::string file = Write("bad.pbn", "[Board \"1\"]\n[Deal \"N:AKQ\"]\n\n[Event \"x\"]\n");
  Generator generator = QuickGenerator();
  ImportRequest request{file, (dir_ / "set").string(), false, 0, {}};
  ImportReport report;
  std::string error;
  EXPECT_FALSE(ImportHandRecords(request, generator, report, error));
  EXPECT_NE(error.find("no board that can be played"), std::string::npos) << error;
  EXPECT_EQ(report.refused.size(), 2u);
  EXPECT_FALSE(fs::exists(dir_ / "set"));
  EXPECT_EQ(Entries(dir_), 1);
}

TEST_F(ImportDir, CancelledRunLeavesTheOldSetWhole) {
  // A set already in the folder, with the player's results beside it.
  fs::create_directories(dir_ / "set");
  std::ofstream(dir_ / "set" / kBoardFileName) << "old boards";
  std::ofstream(dir_ / "set" / "Options.INI") << "[Anne]\r\n";
  const std::string file = Write("club.pbn", Record(12));
  Generator generator = QuickGenerator();
  std::atomic<bool> cancel{false};
  generator.SetCancel(&cancel);
  int steps = 0;
  generator.SetSteps([&](const GenerateStep& step) {
    if (step.stage == GenerateStage::Bidding && step.done == 4) cancel = true;
    ++steps;
  });
  ImportRequest request{file, (dir_ / "set").string(), true, 1, {}};
  ImportReport report;
  std::string error;
  EXPECT_FALSE(ImportHandRecords(request, generator, report, error));
  EXPECT_EQ(error, kCancelledText);
  EXPECT_GT(steps, 4);
  std::ifstream old(dir_ / "set" / kBoardFileName);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old boards");
  EXPECT_EQ(Entries(dir_ / "set"), 2);
  EXPECT_EQ(Entries(dir_), 2);   // no work folder left behind

  // Run again to the end: the new files replace the old ones, the results stay.
  cancel = false;
  generator.SetSteps({});
  ASSERT_TRUE(ImportHandRecords(request, generator, report, error)) << error;
  EXPECT_TRUE(fs::exists(dir_ / "set" / "Options.INI"));
  EXPECT_TRUE(CheckEventSet((dir_ / "set").string()).empty());
  EXPECT_EQ(Entries(dir_), 2);
}

TEST_F(ImportDir, ProgressNamesEachStageAndBoard) {
  const std::string file = Write("club.pbn", Record(10));
  Generator generator = QuickGenerator();
  std::vector<GenerateStep> steps;
  generator.SetSteps([&](const GenerateStep& step) { steps.push_back(step); });
  ImportRequest request{file, (dir_ / "set").string(), true, 1, {"Imp04"}};
  ImportReport report;
  std::string error;
  ASSERT_TRUE(ImportHandRecords(request, generator, report, error)) << error;
  // Solving in two batches (boards 1 and 10), bidding each board, writing.
  ASSERT_EQ(steps.size(), 13u);
  EXPECT_EQ(steps[0].stage, GenerateStage::Solving);
  EXPECT_EQ(steps[0].key, "Imp04.01");
  EXPECT_EQ(steps[1].key, "Imp04.10");
  EXPECT_EQ(steps[1].done, 9);
  EXPECT_EQ(steps[2].stage, GenerateStage::Bidding);
  EXPECT_EQ(steps[11].key, "Imp04.10");
  EXPECT_EQ(steps[11].done, 9);
  EXPECT_EQ(steps[12].stage, GenerateStage::Writing);
  EXPECT_EQ(steps[12].done, 10);
  for (const auto& s : steps) EXPECT_EQ(s.total, 10);
}

}  // namespace quorval::eventgen
