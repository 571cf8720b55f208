// The library writer and its check: sections that meet every line rule the
// auction driver relies on, leads by convention with percentages to 100, and
// a check that names each kind of broken line.
#include <gtest/gtest.h>

#include <numeric>

#include "bidding/bidder.h"
#include "bidding/library.h"
#include "bidding/library_check.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

LibraryBoard ShuffledBoard(int i) { return testing::ShuffledLibraryBoard(424242, "Imp01", "Library", i); }

TEST(LibraryWriter, SectionsMeetTheLineRules) {
  std::vector<LibraryBoard> boards;
  std::string text;
  int withChoice = 0, sections = 0;
  TableReading reading;
  for (int i = 0; i < 27; ++i) {
    boards.push_back(ShuffledBoard(i));
    for (System s : kAllSystems) {
      const std::vector<LibraryLine> lines = SectionLines(boards.back(), s, reading);
      ASSERT_FALSE(lines.empty());
      ASSERT_LE(lines.size(), static_cast<size_t>(kMaxLines));
      ++sections;
      if (lines.size() > 1) ++withChoice;
      text += SectionText(boards.back().key, Definition(s).letter, lines);
    }
  }
  for (const LibraryProblem& p : CheckLibraryText(text, boards)) ADD_FAILURE() << p.key << ": " << p.text;
  // Most sections give the user something to choose.
  EXPECT_GT(withChoice * 3, sections);
}

TEST(LibraryWriter, SectionLayout) {
  LibraryLine line;
  line.calls = {Pass, Pass, Pass, Pass};
  line.leads = {{MakeCard(Queen, Spade), 100}};
  EXPECT_EQ(SectionText("Imp01.26", 'D', {line}), "[Imp01.26.D]\r\nP,P,P,P,Lead,QS,100\r\n\r\n\r\n");
}

TEST(LibraryWriter, OpeningLeader) {
  // Declarer's left-hand opponent; the dealer's left-hand opponent when passed out.
  EXPECT_EQ(OpeningLeader({MakeBid(1, Spade), Pass, MakeBid(4, Spade), Pass, Pass, Pass}, East), South);
  // West bid spades first, so West declares and North leads.
  EXPECT_EQ(OpeningLeader({Pass, MakeBid(1, Heart), Pass, MakeBid(1, Spade), Pass, MakeBid(2, Spade), Pass, Pass, Pass}, North),
            North);
  EXPECT_EQ(OpeningLeader({Pass, Pass, Pass, Pass}, West), North);
}

// A board whose user sits West (site 3 turns West to South).
LibraryBoard CheckBoard() {
  LibraryBoard b;
  b.key = "Imp01.01";
  b.dealer = North;
  b.site = 3;
  b.deal = testing::MakeDeal({"AKQ2.K32.Q32.432", "JT98.QJT.KJT.KJT", "7654.A98.A98.A98", "3.7654.7654.Q765"});
  return b;
}

TEST(LibraryCheck, NamesEachBrokenLine) {
  const LibraryBoard b = CheckBoard();
  ASSERT_TRUE(DealIsComplete(b.deal));
  // North deals and opens 1S; East leads against it.
  EXPECT_EQ(LineProblem("1S,P,P,P,Lead,JS,60,QH,40", b), "");
  EXPECT_EQ(LineProblem("P,P,P,P,Lead,JS,100", b), "");
  const std::pair<const char*, const char*> bad[] = {
      {"1S,P,P,P", "no \"Lead\" field"},
      {"1S,P,P,Lead,JS,100", "the auction is not complete"},
      {"1S,1H,P,P,P,Lead,JS,100", "illegal call 1H at call 2"},
      {"1S,P,P,P,P,Lead,JS,100", "calls after the end of the auction"},
      {"1S,P,P,P,Lead,AS,100", "lead AS is not held by the opening leader E"},
      {"1S,P,P,P,Lead,JS,60,QH,30", "lead percentages add up to 90"},
      {"1S,P,P,P,Lead", "the lead list needs one to four card and percentage pairs"},
      {"1S,P,P,P,Lead,JS,20,QH,20,KD,20,TC,20,9S,20", "the lead list needs one to four card and percentage pairs"},
      {"1S,P,P,P,Lead,JS,50,JS,50", "lead JS listed twice"},
      {"1S,P,P,P,Lead,1S,100", "\"1S\" is not a card"},
      {"1s,P,P,P,Lead,JS,100", "\"1s\" is not a call"},
  };
  for (const auto& [line, problem] : bad) EXPECT_EQ(LineProblem(line, b), problem) << line;
}

TEST(LibraryCheck, LinesPartOnlyAtTheUsersSeat) {
  const LibraryBoard b = CheckBoard();  // the user is West: calls 4, 8, ...
  std::vector<LibraryBoard> boards{b};
  const auto section = [](const std::string& lines) {
    std::string text;
    for (const char* letter : {"D", "M", "N", "S"})
      text += std::string("[Imp01.01.") + letter + "]\r\n" + lines + "\r\n\r\n";
    return text;
  };
  // Lines parting at West's first call are fine.
  EXPECT_TRUE(CheckLibraryText(section("1S,P,P,P,Lead,JS,100\r\n1S,P,P,2H,P,P,P,Lead,AS,100\r\n"), boards).empty());
  // Parting at East's call is not: the computer follows only the first line.
  const auto problems = CheckLibraryText(section("1S,P,P,P,Lead,JS,100\r\n1S,2C,P,P,P,Lead,AH,100\r\n"), boards);
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_EQ(problems[0].text, "lines 1 and 2 part at call 2 of E, not of the user's seat W");
}

TEST(LibraryCheck, FileLayout) {
  const LibraryBoard b = CheckBoard();
  const std::string good = "[Imp01.01.D]\r\n1S,P,P,P,Lead,JS,100\r\n\r\n\r\n";
  std::string all;
  for (char letter : std::string("DMNS")) {
    std::string s = good;
    s[10] = letter;
    all += s;
  }
  EXPECT_TRUE(CheckLibraryText(all, {b}).empty());
  // A line ended by a line feed alone is dropped by the program.
  std::string lf = all;
  lf.replace(lf.find("100\r\n"), 5, "100\n");
  EXPECT_FALSE(CheckLibraryText(lf, {b}).empty());
  // A missing system and the wrong order are both reported.
  const std::string threeSystems = all.substr(good.size());
  EXPECT_FALSE(CheckLibraryText(threeSystems, {b}).empty());
  const std::string swapped = all.substr(good.size(), good.size()) + all.substr(0, good.size()) + all.substr(2 * good.size());
  EXPECT_FALSE(CheckLibraryText(swapped, {b}).empty());
  // Ten lines in one section are too many.
  std::string ten = "[Imp01.01.D]\r\n";
  for (int i = 0; i < 10; ++i) ten += "1S,P,P,P,Lead,JS,100\r\n";
  ten += "\r\n\r\n" + all.substr(good.size());
  EXPECT_FALSE(CheckLibraryText(ten, {b}).empty());
}

TEST(LibraryCheck, ReadsTheBoardFile) {
  const std::string text =
      "[Imp01.01]\r\nDealer=E\r\nVulnerable=NS\r\nDeal=N:AKQ2.K32.Q32.432 JT98.QJT.KJT.KJT 7654.A98.A98.A98 3.7654.7654.Q765\r\nSite=3\r\n\r\n"
      "[Imp01.02]\r\nDealer=N\r\nDeal=broken\r\n";
  const std::vector<LibraryBoard> boards = BoardsFromBoardFile(text);
  ASSERT_EQ(boards.size(), 1u);
  EXPECT_EQ(boards[0].key, "Imp01.01");
  EXPECT_EQ(boards[0].dealer, East);
  EXPECT_EQ(boards[0].vul, 1);
  EXPECT_EQ(boards[0].UserSeat(), West);
}

}  // namespace
}  // namespace quorval::bidder
