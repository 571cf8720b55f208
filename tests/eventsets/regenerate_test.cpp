// The shipped event files are the generator's own output: a few boards made
// again from the shipped seed match the shipped bytes. Runs only when the
// events folder holds a generated set (it has the generator's SEED note).
// QUORVAL_EVENTS_DIR points it at another folder, to try a set before shipping.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "eventsets/event_files.h"
#include "eventsets/generator.h"
#include "eventsets/library_stage.h"

namespace quorval::eventgen {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(ShippedEvents, BoardsRegenerateByteForByte) {
  const char* other = std::getenv("QUORVAL_EVENTS_DIR");
  const std::string dir = other && *other ? std::string(other) : std::string(QUORVAL_SOURCE_DIR) + "/events";
  uint64_t seed = 0;
  std::string eventText;
  if (!ReadSeedNote(dir, seed, eventText)) GTEST_SKIP() << "events/ holds no generated set";
  std::vector<std::string> events;
  std::string error;
  ASSERT_TRUE(ParseEventList(eventText, events, error)) << error;
  const std::string boards = Slurp(dir + "/" + kBoardFileName);
  const std::string results = Slurp(dir + "/" + kResultsFileName);

  // The solver takes about a second a deal: three boards from both ends.
  const std::pair<std::string, int> picks[] = {{events.front(), 1}, {events.front(), 14}, {events.back(), 27}};
  // Set up as the generate command is, with the library stage when there is one.
  Generator generator;
  InstallLibraryStage(generator);
  for (const auto& [event, number] : picks) {
    BoardRecord b;
    ASSERT_TRUE(generator.MakeOne(seed, event, number, b, error)) << error;
    EXPECT_NE(boards.find(SectionText(b.facts.key, BoardSectionLines(b.facts))), std::string::npos) << b.facts.key;
    EXPECT_NE(results.find(SectionText(b.facts.key, ResultSectionLines(b.field))), std::string::npos)
        << b.facts.key;
  }
}

}  // namespace
}  // namespace quorval::eventgen
