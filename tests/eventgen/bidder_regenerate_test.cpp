// The shipped library is the library writer's own output: the sections of a
// few boards written again from the shipped seed match the shipped bytes.
// Runs only when the events folder holds a generated set (its SEED note).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/eventgen/bidder/library_stage.h"
#include "tools/eventgen/event_files.h"
#include "tools/eventgen/generator.h"

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

  eventgen::Generator generator;
  InstallLibraryStage(generator);
  TableReading reading;
  const std::pair<std::string, int> picks[] = {{events.front(), 2}, {events.back(), 26}};
  for (const auto& [event, number] : picks) {
    eventgen::BoardRecord b;
    ASSERT_TRUE(generator.MakeOne(seed, event, number, b, error)) << error;
    EXPECT_NE(library.str().find(BoardLibraryText(ToLibraryBoard(b.facts), reading)), std::string::npos) << b.facts.key;
  }
}

}  // namespace
}  // namespace quorval::bidder
