#include <gtest/gtest.h>

#include "data/ini_store.h"
#include "scoring/session_results.h"

using namespace quorval;

namespace {

// A filed line whose user figures in A, B, C are given (times 100).
std::string Line(int a, int b = 0, int c = 0, const std::string& contract = "4~S") {
  std::string line = "S," + contract + ",10,420";
  for (int n = 1; n <= 18; ++n) line += ",100";
  return line + "," + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c);
}

std::array<std::optional<FiledResult>, kBoardsPerEvent> Session(const std::vector<std::string>& playerLines) {
  TBigIniFile ini("");
  std::vector<std::string> lines{"[P]"};
  lines.insert(lines.end(), playerLines.begin(), playerLines.end());
  ini.LoadLines(lines);
  return ReadSessionResults(ini, "P", "Par", "07");
}

std::vector<std::string> Column(const std::vector<SessionListRow>& rows, int col) {
  std::vector<std::string> out;
  for (const auto& r : rows) out.push_back(r.cells[col]);
  return out;
}

}  // namespace

TEST(SessionList, EmptySessionShowsHeadingsTotalsAndAZeroFigure) {
  const auto pairs = BuildSessionList(Session({}), false, 2, SessionListLabels{});
  ASSERT_EQ(pairs.size(), 4u);
  EXPECT_EQ(pairs[0].cells[5], "A Stratum");
  EXPECT_EQ(pairs[1].cells[0], "#");
  EXPECT_EQ(pairs[1].cells[7], "IMP");
  EXPECT_EQ(pairs[2].cells[0], "Totals");
  EXPECT_EQ(pairs[2].cells[6], "0.00");
  EXPECT_EQ(pairs[3].cells[0], "Pct");
  EXPECT_EQ(pairs[3].cells[5], "   0.0");

  const auto imps = BuildSessionList(Session({}), true, 2, SessionListLabels{});
  EXPECT_EQ(imps[3].cells[0], "Ave. IMPs/Bd");
  EXPECT_EQ(imps[3].cells[7], "  0.00");
}

TEST(SessionList, BoardsAreListedInBoardOrderWithTheirFiledItems) {
  const auto rows = BuildSessionList(
      Session({"Par07.20=" + Line(150), "Par07.03=" + Line(-50, 0, 0, "3~NX"), "Par07.07=" + Line(1200)}), false, 2,
      SessionListLabels{});
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{"", "#", "3", "7", "20", "Totals", "Pct"}));
  EXPECT_EQ(rows[2].board, 3);
  EXPECT_EQ(rows[4].board, 20);
  EXPECT_EQ(rows[5].board, 0);
  EXPECT_EQ(rows[2].cells[1], "3~NX");
  EXPECT_EQ(rows[2].cells[2], "S");
  EXPECT_EQ(rows[2].cells[3], "10");
  EXPECT_EQ(rows[2].cells[4], "420");
  EXPECT_EQ(rows[2].cells[5], "-0.50");
  EXPECT_EQ(rows[3].cells[5], "12.00");
}

TEST(SessionList, PairsFiguresSixAndNineUnderTwoOneZeroMakeSixtyTwoAndAHalf) {
  const auto rows = BuildSessionList(Session({"Par07.01=" + Line(600), "Par07.02=" + Line(900)}), false, 2,
                                     SessionListLabels{});
  EXPECT_EQ(rows[4].cells[5], "15.00");
  EXPECT_EQ(rows[5].cells[5], "  62.5");
  // Under 1, 1/2, 0 the same boards file 3.0 and 4.5.
  const auto half = BuildSessionList(Session({"Par07.01=" + Line(300), "Par07.02=" + Line(450)}), false, 1,
                                     SessionListLabels{});
  EXPECT_EQ(half[5].cells[5], "  62.5");
}

TEST(SessionList, HandEditedLinesAreLeftOut) {
  const auto rows = BuildSessionList(Session({"Par07.01=" + Line(600), "Par07.02=N,4S,10,420",
                                              "Par07.03=" + Line(600).replace(Line(600).size() - 7, 3, "abc"),
                                              "Par07.04=nope"}),
                                     false, 2, SessionListLabels{});
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[2].board, 1);
  EXPECT_EQ(rows[4].cells[5], "  50.0");
}

TEST(ResultSummary, NoFiledResultShowsOnlyTheHeadings) {
  const auto rows = BuildResultSummary(
      {"ComputerSkill=8", "Result=Declarer,Contract,Tricks,Score,MP/IMPS for 1-18, User A, User B, User C",
       "Session=01"},
      0, SummaryLabels{});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][2], "A Stratum");
  EXPECT_EQ(rows[0][3], "A Stratum");
  EXPECT_EQ(rows[1], (SummaryRow{"Session", "Hands Played", "Total", "Ave Imp/Pct", "Total", "Ave Imp/Pct", "Total",
                                 "Ave Imp/Pct"}));
}

TEST(ResultSummary, OneRowPerSessionInTextOrderWithCountsTotalsAndFigures) {
  const auto rows = BuildResultSummary({"Par02.05=" + Line(600), "Session=01", "imp01.03=" + Line(200),
                                        "Imp01.01=" + Line(150), "Imp01.02=" + Line(-50), "LastHandPlayed=4"},
                                       0, SummaryLabels{});
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2], (SummaryRow{"Imp01", "     3", "  3.00", "  1.00", "  0.00", "  0.00", "  0.00", "  0.00"}));
  // Pairs under 1, 0, -1: a sum of 0 is an average session, 6 a top.
  EXPECT_EQ(rows[3][0], "Par02");
  EXPECT_EQ(rows[3][1], "     1");
  EXPECT_EQ(rows[3][4], "  0.00");
  EXPECT_EQ(rows[3][5], "  50.0");
  EXPECT_EQ(rows[3][3], " 100.0");
}

TEST(ResultSummary, LinesThatAreNoResultAddNothingAndMakeNoRow) {
  std::string letters = Line(100);
  letters.replace(letters.rfind(','), std::string::npos, ",x1");
  const auto rows = BuildResultSummary({"Imp01.01=" + Line(100), "Imp01.02=N,4S,10,420,1,2,3", "Imp01.03=" + letters,
                                        "Imp02.01=" + letters, "Imp03.01=" + Line(100).substr(0, 60)},
                                       0, SummaryLabels{});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2][0], "Imp01");
  EXPECT_EQ(rows[2][1], "     1");
  EXPECT_EQ(rows[2][2], "  1.00");
}
