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

}  // namespace

TEST(SessionList, HandEditedLinesAreLeftOut) {
  const auto rows = BuildSessionList(Session({"Par07.01=" + Line(600), "Par07.02=N,4S,10,420",
                                              "Par07.03=" + Line(600).replace(Line(600).size() - 7, 3, "abc"),
                                              "Par07.04=nope"}),
                                     false, 2, SessionListLabels{});
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[2].board, 1);
  EXPECT_EQ(rows[4].cells[5], "  50.0");
}

TEST(SessionList, TheDeclarerIsTheInitialOfTheSeatInTheInterfaceLanguage) {
  SessionListLabels danish;
  danish.seatNames = {"Nord", "Øst", "Syd", "Vest"};
  const auto rows = BuildSessionList(
      Session({"Par07.01=E" + Line(600).substr(1), "Par07.02=" + Line(600), "Par07.03=W" + Line(600).substr(1)}),
      false, 2, danish);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[2].cells[2], "Ø");
  EXPECT_EQ(rows[3].cells[2], "S");
  EXPECT_EQ(rows[4].cells[2], "V");
  EXPECT_EQ(BuildSessionList(Session({"Par07.01=E" + Line(600).substr(1)}), false, 2, SessionListLabels{})[2].cells[2],
            "E");
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

TEST(ResultSummary, ResultsOfAnotherEventSetMakeNoRow) {
  const auto rows = BuildResultSummary({"0123456789ABCDEF:Imp01.01=" + Line(100), "Imp02.01=" + Line(100),
                                        "0123456789ABCDEF:Par03.01=" + Line(100)},
                                       0, SummaryLabels{});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2][0], "Imp02");
  EXPECT_EQ(rows[2][1], "     1");
}
