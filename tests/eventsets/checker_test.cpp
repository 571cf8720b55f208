// The validator: a sound event set passes; each broken copy is reported with
// the board key it was broken on.

#include <gtest/gtest.h>

#include <cctype>

#include "eventsets/checker.h"
#include "eventsets/event_files.h"
#include "synthetic_board.h"

namespace quorval::eventgen {
namespace {

struct EventTexts {
  std::string boards, results;
};

// One event of 27 boards, written as the generator writes it.
EventTexts SoundEvent(const std::string& event) {
  EventTexts t;
  const StatisticalChooser chooser;
  for (int n = 1; n <= kBoardsPerEvent; ++n) {
    const BoardFacts f = testing::SyntheticBoard(21, event, n);
    t.boards += SectionText(f.key, BoardSectionLines(f));
    t.results += SectionText(f.key, ResultSectionLines(BuildField(f, chooser, 21)));
  }
  return t;
}

// The lines of one section of a text, for editing.
size_t SectionStart(const std::string& text, const std::string& key) { return text.find("[" + key + "]\r\n"); }

bool Reports(const std::vector<Problem>& problems, const std::string& key, const std::string& words) {
  for (const Problem& p : problems)
    if (p.key == key && p.text.find(words) != std::string::npos) return true;
  return false;
}

std::string Dump(const std::vector<Problem>& problems) {
  std::string s;
  for (const Problem& p : problems) s += p.key + ": " + p.text + "\n";
  return s;
}

TEST(Checker, SoundEventPasses) {
  const EventTexts t = SoundEvent("Imp05");
  const auto problems = CheckEventTexts(t.boards, t.results, true);
  EXPECT_TRUE(problems.empty()) << Dump(problems);
}

TEST(Checker, ADealtSetShowsEachBoardWithItsPlaceInTheCycle) {
  EventTexts t = SoundEvent("Par02");
  // Board 5 turned one seat further: East would deal, East-West vulnerable.
  const size_t at = t.boards.find("Site=", SectionStart(t.boards, "Par02.05")) + 5;
  t.boards[at] = static_cast<char>('0' + (t.boards[at] - '0' + 1) % 4);
  // Board 4's dealer named in lower case is the same dealer.
  const size_t dealer = t.boards.find("Dealer=", SectionStart(t.boards, "Par02.04")) + 7;
  t.boards[dealer] = static_cast<char>(std::tolower(t.boards[dealer]));
  const auto problems = CheckEventTexts(t.boards, t.results, true);
  ASSERT_EQ(problems.size(), 1u) << Dump(problems);
  EXPECT_TRUE(Reports(problems, "Par02.05", "the table shows dealer E, EW vulnerable, not board 5's N, NS"))
      << Dump(problems);
  // A set made from hand records shows the records' own dealers.
  EXPECT_TRUE(CheckEventTexts(t.boards, t.results).empty());
}

TEST(Checker, DuplicatedCardIsReportedOnItsBoard) {
  EventTexts t = SoundEvent("Imp05");
  // Board 9's deal: a card of East's is copied over one of North's in the same suit.
  const size_t deal = t.boards.find("Deal=", SectionStart(t.boards, "Imp05.09")) + 5;
  std::string text = t.boards.substr(deal, kDealTextLength);
  const size_t east = text.find(' ') + 1;
  bool copied = false;
  for (size_t n = 2, e = east, suit = 0; suit < 4 && !copied; ++suit) {
    if (text[n] != '.' && text[e] != '.') {
      text[n] = text[e];
      copied = true;
    }
    n = text.find('.', n) + 1;
    e = text.find('.', e) + 1;
  }
  ASSERT_TRUE(copied);
  t.boards.replace(deal, kDealTextLength, text);
  const auto problems = CheckEventTexts(t.boards, t.results);
  ASSERT_FALSE(problems.empty());
  EXPECT_TRUE(Reports(problems, "Imp05.09", "Deal")) << Dump(problems);
  for (const Problem& p : problems) EXPECT_EQ(p.key, "Imp05.09") << Dump(problems);
}

TEST(Checker, SeventeenResultsAreReportedOnTheirBoard) {
  EventTexts t = SoundEvent("Par11");
  const size_t line = t.results.find("18=", SectionStart(t.results, "Par11.12"));
  t.results.erase(line, t.results.find("\r\n", line) + 2 - line);
  const auto problems = CheckEventTexts(t.boards, t.results);
  ASSERT_EQ(problems.size(), 1u) << Dump(problems);
  EXPECT_TRUE(Reports(problems, "Par11.12", "17 result lines")) << Dump(problems);
}

TEST(Checker, WrongScoreIsReportedOnItsBoard) {
  EventTexts t = SoundEvent("Par11");
  // Result 04 of board 20 becomes a made four spades by North with a wrong score.
  const size_t line = t.results.find("04=", SectionStart(t.results, "Par11.20"));
  t.results.replace(line, t.results.find("\r\n", line) - line, "04=N,4S,10,400");
  const auto problems = CheckEventTexts(t.boards, t.results);
  ASSERT_EQ(problems.size(), 1u) << Dump(problems);
  EXPECT_TRUE(Reports(problems, "Par11.20", "result 04: score 400 should be")) << Dump(problems);
}

TEST(Checker, ShortEventPassesButAGapIsReported) {
  // A set made from a hand record of 19 boards: boards 20 to 27 are in
  // neither file.
  EventTexts t = SoundEvent("Par04");
  t.boards.erase(SectionStart(t.boards, "Par04.20"));
  t.results.erase(SectionStart(t.results, "Par04.20"));
  EXPECT_TRUE(CheckEventTexts(t.boards, t.results).empty()) << Dump(CheckEventTexts(t.boards, t.results));
  // Board 7 missing from both files leaves a hole before the last board.
  const auto cut = [](std::string& text, const std::string& key) {
    const size_t start = SectionStart(text, key);
    text.erase(start, text.find("\r\n\r\n", start) + 4 - start);
  };
  cut(t.boards, "Par04.07");
  cut(t.results, "Par04.07");
  const auto problems = CheckEventTexts(t.boards, t.results);
  EXPECT_TRUE(Reports(problems, "Par04.07", "no section in Lisk2005.ini")) << Dump(problems);
  EXPECT_TRUE(Reports(problems, "Par04.07", "no section in Results2005.ini")) << Dump(problems);
  EXPECT_EQ(problems.size(), 2u) << Dump(problems);
}

TEST(Checker, MissingAndStraySections) {
  EventTexts t = SoundEvent("Imp01");
  const size_t start = SectionStart(t.boards, "Imp01.27");
  t.boards.erase(start);
  t.boards += "[Imp10.01]\r\nDealer=N\r\n\r\n[Imp01.03]\r\nDealer=N\r\n\r\n";
  const auto problems = CheckEventTexts(t.boards, t.results);
  EXPECT_TRUE(Reports(problems, "Imp01.27", "no section in Lisk2005.ini")) << Dump(problems);
  EXPECT_TRUE(Reports(problems, "Imp10.01", "not a board key")) << Dump(problems);
  EXPECT_TRUE(Reports(problems, "Imp01.03", "appears twice")) << Dump(problems);
}

TEST(Checker, BoardKeys) {
  for (const char* good : {"Imp01.01", "Imp09.27", "Par18.27", "imp01.01", "PAR03.12"}) EXPECT_TRUE(IsBoardKey(good));
  for (const char* bad : {"Imp10.01", "Imp01.28", "Imp01.00", "Par19.01", "Imp01-01", "Imp01.1", "Foo01.01", ""})
    EXPECT_FALSE(IsBoardKey(bad)) << bad;
}

TEST(Checker, DealTexts) {
  const std::string good = DealText(ShuffledDeal(1, "Imp01.01"));
  EXPECT_EQ(DealTextProblem(good), "");
  EXPECT_NE(DealTextProblem(good.substr(0, 68)), "");
  EXPECT_NE(DealTextProblem(good + " "), "");
  EXPECT_NE(DealTextProblem("n" + good.substr(1)), "");
  std::string moved = good;
  moved[18] = '.';  // the blank between two hands
  EXPECT_NE(DealTextProblem(moved), "");
  std::string notRank = good;
  notRank[notRank.find_first_not_of(". ", 2)] = 'Z';
  EXPECT_NE(DealTextProblem(notRank), "");
}

TEST(Checker, Results) {
  // Result text, board vulnerability, whether it is sound.
  const struct { const char* text; int vul; bool sound; } rows[] = {
      {"N,4S,10,420", 0, true},
      {"w,3nt,9,-400", 0, true},  // either case, "NT" for no-trump
      {"W,3NT,9,-600", 2, true},
      {"S,2HX,8,470", 0, true},
      {"N,1NXX,8,1160", 1, true},
      {"E,5DX,9,500", 3, true},
      {"E,5DX,9,500", 0, false},   // not vulnerable it is 300
      {"W,5DX,9,500", 2, true},
      {"P", 0, true},              // passed out
      {"", 0, true},
      {"N,4S,10,420,x", 0, false},
      {"N,\"4 S\",10,420", 0, false},
      {"Q,4S,10,420", 0, false},
      {"N,8S,10,420", 0, false},
      {"N,4SXXX,10,420", 0, false},
      {"N,4S,14,420", 0, false},
      {"N,4S,ten,420", 0, false},
      {"N,4S,10,420.0", 0, false},
      {"N,4S,10,450", 0, false},
  };
  for (const auto& r : rows) EXPECT_EQ(ResultProblem(r.text, r.vul).empty(), r.sound) << r.text;
}

}  // namespace
}  // namespace quorval::eventgen
