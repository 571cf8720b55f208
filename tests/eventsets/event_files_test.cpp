// The files the generator writes: the sections, and bytes the program's own
// INI store reads back unchanged.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/ini_store.h"
#include "eventsets/checker.h"
#include "eventsets/event_files.h"
#include "eventsets/generator.h"
#include "synthetic_board.h"

namespace quorval::eventgen {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("eventgen_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

std::vector<BoardRecord> SyntheticEvent(const std::string& event, uint64_t seed) {
  std::vector<BoardRecord> boards;
  const StatisticalChooser chooser;
  for (int n = 1; n <= kBoardsPerEvent; ++n) {
    BoardRecord b;
    b.facts = testing::SyntheticBoard(seed, event, n);
    b.field = BuildField(b.facts, chooser, seed);
    boards.push_back(b);
  }
  return boards;
}

TEST(EventFiles, BoardSection) {
  BoardFacts f = testing::SyntheticBoard(1, "Imp03", 6);
  const std::vector<std::string> lines = BoardSectionLines(f);
  ASSERT_EQ(lines.size(), 4u);
  // Board 6 is dealt by East, East-West vulnerable, once turned by its Site.
  EXPECT_EQ(lines[0], std::string("Dealer=") + SeatLetter(RotateSeat(East, -f.site)));
  EXPECT_EQ(lines[1], f.site % 2 ? "Vulnerable=NS" : "Vulnerable=EW");
  EXPECT_EQ(lines[2], "Deal=" + DealText(f.deal));
  EXPECT_EQ(lines[3], "Site=" + std::to_string(f.site));
  EXPECT_EQ(SectionText("Imp03.06", {"a=1", "b"}), "[Imp03.06]\r\na=1\r\nb\r\n\r\n");
}

TEST_F(TempDir, WrittenFilesReadBackByteForByte) {
  EventFilesWriter writer;
  const auto boards = SyntheticEvent("Par04", 4);
  for (const auto& b : SyntheticEvent("Imp02", 4)) writer.Add(b);
  for (const auto& b : boards) writer.Add(b);
  std::string error;
  ASSERT_TRUE(writer.Write(dir_.string(), error)) << error;

  const std::string boardText = Slurp(dir_ / kBoardFileName);
  const std::string resultsText = Slurp(dir_ / kResultsFileName);
  // Every board's section appears exactly as the section text says.
  for (const auto& b : boards) {
    EXPECT_NE(boardText.find(SectionText(b.facts.key, BoardSectionLines(b.facts))), std::string::npos);
    EXPECT_NE(resultsText.find(SectionText(b.facts.key, ResultSectionLines(b.field))), std::string::npos);
  }
  EXPECT_LT(boardText.find("[Imp02.27]"), boardText.find("[Par04.01]"));
  {
    // Opening and closing the store changes nothing: the bytes are its own.
    TMyINI store((dir_ / kBoardFileName).string());
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(store.SectionNames().size(), 54u);
    EXPECT_EQ(store.ReadString("Par04.05", "Deal", ""), DealText(boards[4].facts.deal));
  }
  EXPECT_EQ(Slurp(dir_ / kBoardFileName), boardText);
  EXPECT_TRUE(CheckEventSet(dir_.string()).empty());
}

TEST_F(TempDir, RewritingReplacesTheOldContent) {
  std::ofstream(dir_ / kBoardFileName, std::ios::binary) << "[Old.01]\r\nx=1\r\n\r\n";
  EventFilesWriter writer;
  for (const auto& b : SyntheticEvent("Imp01", 2)) writer.Add(b);
  std::string error;
  ASSERT_TRUE(writer.Write(dir_.string(), error));
  EXPECT_EQ(Slurp(dir_ / kBoardFileName).find("Old"), std::string::npos);
}

TEST_F(TempDir, SeedNoteRoundTrip) {
  std::string error, events;
  uint64_t seed = 0;
  EXPECT_FALSE(ReadSeedNote(dir_.string(), seed, events));
  ASSERT_TRUE(WriteSeedNote(dir_.string(), 18446744073709551615ull, "Imp01-Imp09,Par02", error));
  ASSERT_TRUE(ReadSeedNote(dir_.string(), seed, events));
  EXPECT_EQ(seed, 18446744073709551615ull);
  EXPECT_EQ(events, "Imp01-Imp09,Par02");
  EXPECT_EQ(EventListText({"Imp01", "Imp02", "Imp03", "Imp05", "Par01", "Par02"}), "Imp01-Imp03,Imp05,Par01-Par02");
}

// The solver's part replaced by estimated tables held in the cache, so the
// whole run (boards, field, files, seed note) takes no time.
std::shared_ptr<DdCache> PrefilledCache(uint64_t seed, const std::vector<std::string>& events) {
  auto cache = std::make_shared<DdCache>();
  for (const std::string& event : events)
    for (int n = 1; n <= kBoardsPerEvent; ++n) {
      const Deal deal = ShuffledDeal(seed, BoardKey(event, n));
      cache->Store(deal, testing::EstimatedTable(deal));
    }
  return cache;
}

TEST_F(TempDir, SameSeedSameBytesAndTheSetPassesCheck) {
  const std::vector<std::string> events = {"Imp03", "Par12"};
  std::string error;
  for (const char* sub : {"a", "b", "c"}) {
    const uint64_t seed = std::string(sub) == "c" ? 43 : 42;
    Generator generator;
    generator.SetDdCache(PrefilledCache(seed, events));
    int calls = 0;
    generator.SetProgress([&](const std::string&, int done, int total) {
      EXPECT_EQ(done, ++calls);
      EXPECT_EQ(total, 2);
    });
    ASSERT_TRUE(generator.Run({seed, (dir_ / sub).string(), events, {}, {}}, error)) << error;
    EXPECT_EQ(calls, 2);
  }
  for (const char* file : {kBoardFileName, kResultsFileName, kSeedFileName}) {
    EXPECT_EQ(Slurp(dir_ / "a" / file), Slurp(dir_ / "b" / file)) << file;
    EXPECT_NE(Slurp(dir_ / "a" / file), Slurp(dir_ / "c" / file)) << file;
  }
  EXPECT_EQ(Slurp(dir_ / "a" / kSeedFileName), "Seed=42\nEvents=Imp03,Par12\n");
  const auto problems = CheckEventSet((dir_ / "a").string());
  EXPECT_TRUE(problems.empty()) << problems.front().key << ": " << problems.front().text;
}

TEST(DdCacheLines, RoundTripAndDamage) {
  const Deal deal = ShuffledDeal(3, "Imp01.01");
  const DdTable table = testing::EstimatedTable(deal);
  const std::string line = DdCache::LineFor(deal, table);
  std::string text;
  DdTable back;
  ASSERT_TRUE(DdCache::ParseLine(line, text, back));
  EXPECT_EQ(text, DealText(deal));
  EXPECT_EQ(back.tricks, table.tricks);
  EXPECT_FALSE(DdCache::ParseLine(line.substr(0, line.size() - 1), text, back));  // cut short
  std::string bad = line;
  bad.back() = 'E';  // 14 tricks
  EXPECT_FALSE(DdCache::ParseLine(bad, text, back));
  EXPECT_FALSE(DdCache::ParseLine("X" + line.substr(1), text, back));  // not a deal
}

}  // namespace
}  // namespace quorval::eventgen
