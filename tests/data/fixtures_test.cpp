#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "data/board_file.h"
#include "data/comma_text.h"
#include "data/library_rules.h"
#include "data/sequence_library.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;

namespace {

const std::string kEvents = std::string(QUORVAL_FIXTURES) + "/events/";
const std::string kBroken = std::string(QUORVAL_FIXTURES) + "/broken/";

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The board stores write a file back when they close, so tests open copies.
std::string CopyTo(const TempFolder& dir, const std::string& from, const std::string& name) {
  std::filesystem::copy_file(from + name, dir.File(name));
  return dir.File(name);
}

}  // namespace

TEST(FixtureEvents, EveryBoardReadsWithEighteenResultsAndAllSystems) {
  TempFolder dir;
  TBridgeINI boards(CopyTo(dir, kEvents, kBoardFileName));
  TBridgeINI results(CopyTo(dir, kEvents, kResultsFileName));
  SequenceLibrary library;
  ASSERT_TRUE(library.LoadSequenceLibrary(ReadText(kEvents + kLibraryFileName)));

  std::set<int> sites;
  int passedOut = 0;
  bool threePassesThenSouth = false;
  ASSERT_GE(boards.SectionNames().size(), 10u);
  for (const std::string& key : boards.SectionNames()) {
    SCOPED_TRACE(key);
    EXPECT_TRUE(IsBoardKey(key));
    BoardStatus status;
    const auto board = boards.ReadBoard(key, status);
    ASSERT_TRUE(board);
    EXPECT_TRUE(DealIsComplete(board->deal));
    sites.insert(board->site);

    std::vector<std::string> field;
    results.ReadSectionValues(key, field);
    ASSERT_EQ(field.size(), 18u);
    for (size_t i = 0; i < field.size(); ++i) {
      char number[24];
      std::snprintf(number, sizeof number, "%02zu=", i + 1);
      EXPECT_EQ(field[i].rfind(number, 0), 0u) << field[i];
      const auto items = ReadCommaText(field[i].substr(3));
      if (items.size() < 4) ++passedOut;
      else EXPECT_EQ(items.size(), 4u) << field[i];
    }

    for (const char system : {'D', 'M', 'N', 'S'}) {
      const auto lines = library.SectionLines(key, system);
      EXPECT_LE(lines.size(), 4u) << system;
      for (const auto& problem : CheckLibrarySection(lines, LibraryBoardFacts{board->dealer, board->deal}))
        ADD_FAILURE() << key << "." << system << " " << problem;
      for (const auto& text : lines) {
        const auto line = ParseLibraryLine(text);
        if (line && board->dealer == West && line->calls[0] == Pass && line->calls[1] == Pass &&
            line->calls[2] == Pass && IsBid(line->calls[3]))
          threePassesThenSouth = true;
      }
    }
  }
  EXPECT_EQ(sites, (std::set<int>{0, 1, 2, 3}));
  EXPECT_EQ(passedOut, 1);
  EXPECT_TRUE(threePassesThenSouth);
  EXPECT_TRUE(CheckLibraryText(ReadText(kEvents + kLibraryFileName)).empty());
}

TEST(FixtureBroken, EachFaultShowsWhereTheProgramLooks) {
  TempFolder dir;
  TBridgeINI boards(CopyTo(dir, kBroken, kBoardFileName));
  TBridgeINI results(CopyTo(dir, kBroken, kResultsFileName));
  BoardStatus status;

  std::vector<std::string> field;
  results.ReadSectionValues("Imp01.01", field);
  EXPECT_EQ(field.size(), 17u);
  EXPECT_TRUE(boards.ReadBoard("Imp01.01", status));

  EXPECT_FALSE(boards.ReadBoard("Imp01.02", status));  // 68-character deal
  EXPECT_FALSE(boards.ReadBoard("Imp01.03", status));  // lower-case seat letter
  ASSERT_EQ(boards.DealErrors.size(), 2u);
  EXPECT_EQ(boards.DealErrors[0].rfind(" 52 cards not dealt : E:", 0), 0u);
  EXPECT_EQ(boards.DealErrors[1].rfind("Deal does not start with N,E,S, or  W : s:", 0), 0u);

  const std::string text = ReadText(kBroken + kLibraryFileName);
  const auto problems = CheckLibraryText(text);
  bool longLine = false, lineEnd = false;
  for (const auto& p : problems) {
    longLine = longLine || p.find("longer than 255") != std::string::npos;
    lineEnd = lineEnd || p.find("no line end") != std::string::npos;
  }
  EXPECT_TRUE(longLine);
  EXPECT_TRUE(lineEnd);
  SequenceLibrary library;
  library.LoadSequenceLibrary(text);
  EXPECT_EQ(library.SectionLines("Imp01.01", 'S').size(), 2u) << "the unterminated last line is kept";
  // The long line is cut to the store's 255 characters, and then fails.
  const auto d = library.SectionLines("Imp01.01", 'D');
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].size(), 255u);
  EXPECT_FALSE(ParseLibraryLine(d[0]));
}
