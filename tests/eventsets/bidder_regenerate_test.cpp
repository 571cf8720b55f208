// The shipped library is the library writer's own output: the sections of a
// few boards written again from the shipped seed match the shipped bytes, and
// the shipped meanings explain every stored call, those boards' calls as the
// writer reads them again. Runs only when the events folder holds a generated
// set (its SEED note).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "bidding/library_check.h"
#include "bidding/meanings_file.h"
#include "eventsets/event_files.h"
#include "eventsets/generator.h"
#include "eventsets/library_stage.h"

namespace quorval::bidder {
namespace {

TEST(ShippedLibrary, SectionsRegenerateByteForByte) {
  const std::string dir = std::string(QUORVAL_SOURCE_DIR) + "/events";
  uint64_t seed = 0;
  std::string eventText;
  if (!eventgen::ReadSeedNote(dir, seed, eventText)) GTEST_SKIP() << "events/ holds no generated set";
  std::vector<std::string> events;
  std::string error;
  ASSERT_TRUE(eventgen::ParseEventList(eventText, events, error)) << error;
  std::ifstream in(dir + "/" + kLibraryFileName, std::ios::binary);
  ASSERT_TRUE(in) << "no " << kLibraryFileName << " beside the generated board file";
  std::ostringstream library;
  library << in.rdbuf();

  std::string meaningsText;
  ASSERT_TRUE(eventgen::ReadTextFile(dir + "/" + kMeaningsFileName, meaningsText)) << "no " << kMeaningsFileName;
  CallMeanings meanings;
  ASSERT_TRUE(meanings.Load(meaningsText, &error)) << error;
  const MeaningsCoverage coverage = CoverageOf(library.str(), meanings);
  EXPECT_EQ(coverage.missing, 0) << (coverage.problems.empty() ? "" : coverage.problems.front());

  eventgen::Generator generator;
  eventgen::InstallLibraryStage(generator);
  TableReading reading;
  MeaningCollector collector;
  const std::pair<std::string, int> picks[] = {{events.front(), 2}, {events.back(), 26}};
  for (const auto& [event, number] : picks) {
    eventgen::BoardRecord b;
    ASSERT_TRUE(generator.MakeOne(seed, event, number, b, error)) << error;
    EXPECT_NE(library.str().find(BoardLibraryText(eventgen::ToLibraryBoard(b.facts), reading, &collector)), std::string::npos)
        << b.facts.key;
  }
  // Calls that no other board of the set reaches have exactly these boards' reading.
  std::map<std::string, int> sectionsReaching;  // system letter and key
  for (const auto& [name, lines] : LibrarySections(library.str())) {
    std::set<std::string> keys;
    for (const std::string& line : lines) {
      const std::vector<CallCode> calls = LineCalls(line);
      for (size_t i = 0; i < calls.size(); ++i) keys.insert(name.back() + MeaningKey(calls, i + 1));
    }
    for (const std::string& key : keys) ++sectionsReaching[key];
  }
  int own = 0;
  for (const auto& [letter, entries] : collector.Entries())
    for (const auto& [key, meaning] : entries) {
      const CallMeaning* shipped = meanings.Find(letter, key);
      ASSERT_NE(shipped, nullptr) << letter << " " << key;
      if (sectionsReaching[letter + key] == 1) {
        ++own;
        EXPECT_EQ(MeaningValueText(*shipped), MeaningValueText(meaning)) << letter << " " << key;
      }
    }
  EXPECT_GT(own, 0);
}

}  // namespace
}  // namespace quorval::bidder
