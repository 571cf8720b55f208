#include <gtest/gtest.h>

#include "core/messages.h"
#include "scoring/field_comparison.h"

using namespace quorval;

namespace {

// 18 results: stratum A gets `a`, B `b`, C `c` as scores (declared by North in 4S).
std::vector<std::vector<std::string>> Field(const std::array<int, 6>& a, const std::array<int, 6>& b,
                                            const std::array<int, 6>& c) {
  std::vector<std::vector<std::string>> items;
  for (const auto* stratum : {&a, &b, &c})
    for (const int score : *stratum) items.push_back({"N", "4S", "10", std::to_string(score)});
  return items;
}

UserResult User(int score) { return {"S", "4S", 10, score}; }

ComparisonSettings Pairs(int sys) {
  ComparisonSettings settings;
  settings.mpScoringSys = sys;
  return settings;
}

ComparisonSettings Imps() {
  ComparisonSettings settings;
  settings.imps = true;
  return settings;
}

const ResultRow& UserRow(const FieldComparison& c, int stratum) {
  for (const auto& row : c.strata[stratum].rows)
    if (row.user) return row;
  throw std::logic_error("no user row");
}

}  // namespace

TEST(FieldComparison, MatchPointsTopAverageAndBottomUnderEveryMethod) {
  // Stratum A the user beats all six, B ties all six, C loses to all six.
  const auto field = Field({100, 100, 100, 100, 100, 100}, {420, 420, 420, 420, 420, 420},
                           {620, 620, 620, 620, 620, 620});
  struct Row { int sys; double top, tie, bottom; const char* topText; };
  const Row rows[] = {{2, 12, 6, 0, "12.0"}, {0, 6, 0, -6, " 6.0"}, {3, 3, 0, -3, " 3.0"}, {1, 6, 3, 0, " 6.0"}};
  for (const auto& row : rows) {
    const auto c = CompareWithField(User(420), field, "Par01.01", Pairs(row.sys));
    ASSERT_TRUE(c.built);
    EXPECT_DOUBLE_EQ(c.ResultFigures[19], row.top) << row.sys;
    EXPECT_DOUBLE_EQ(c.ResultFigures[20], row.tie) << row.sys;
    EXPECT_DOUBLE_EQ(c.ResultFigures[21], row.bottom) << row.sys;
    EXPECT_EQ(c.HandFigures[0], row.topText) << row.sys;
    EXPECT_EQ(UserRow(c, 0).cells[6], row.topText);
  }
}

TEST(FieldComparison, FieldRowsAreScoredAgainstTheirSixOthersToo) {
  // System 2, stratum A: user 420 against 420, 450, -50, 100, 100, 620.
  const auto c = CompareWithField(User(420), Field({420, 450, -50, 100, 100, 620}, {}, {}), "Par01.01", Pairs(2));
  ASSERT_TRUE(c.built);
  EXPECT_DOUBLE_EQ(c.ResultFigures[19], 7);   // beats -50, 100, 100; ties 420
  EXPECT_DOUBLE_EQ(c.ResultFigures[1], 7);    // the tied field result gets the same
  EXPECT_DOUBLE_EQ(c.ResultFigures[2], 10);
  EXPECT_DOUBLE_EQ(c.ResultFigures[3], 0);
  EXPECT_DOUBLE_EQ(c.ResultFigures[4], 3);
  EXPECT_DOUBLE_EQ(c.ResultFigures[5], 3);
  EXPECT_DOUBLE_EQ(c.ResultFigures[6], 12);
  // The figures of a stratum always share out 7 x 6 comparisons.
  double total = 0;
  for (int n = 1; n <= 6; ++n) total += c.ResultFigures[n];
  EXPECT_DOUBLE_EQ(total + c.ResultFigures[19], 42);
}

TEST(FieldComparison, ImpsAgainstEachOfTheSix) {
  const auto c = CompareWithField(User(420), Field({420, 420, -50, 450, 170, -100}, {}, {}), "Imp01.01", Imps());
  ASSERT_TRUE(c.built);
  EXPECT_NEAR(c.ResultFigures[19], 26.0 / 6, 1e-12);
  EXPECT_EQ(c.HandFigures[0], "4.33");
  // -50 against 420 three times, 450, 170 and -100: -10 x 3, -11, -6, +2.
  EXPECT_NEAR(c.ResultFigures[3], -45.0 / 6, 1e-12);
  // The last row is -100: -11 against each 420 (the user's and two) and
  // against 450, -7 against 170, -2 against -50: -53 / 6.
  EXPECT_EQ(c.strata[0].rows[6].cells[6], "-8.83");
  // Stratum B: the user's 420 against six scores of 0 is 9 IMPs each.
  EXPECT_EQ(c.HandFigures[1], "9.00");
}

TEST(FieldComparison, RowsRankByScoreUserFirstOnTiesFieldInNumberOrder) {
  const auto c = CompareWithField(User(420), Field({-50, 420, 620, 420, 100, -50}, {}, {}), "Par01.01", Pairs(2));
  ASSERT_TRUE(c.built);
  std::vector<std::string> order;
  for (const auto& row : c.strata[0].rows) order.push_back(row.cells[1]);
  EXPECT_EQ(order, (std::vector<std::string>{"03", "-", "02", "04", "05", "01", "06"}));
  for (int s = 0; s < 3; ++s)
    for (const auto& row : c.strata[s].rows) EXPECT_EQ(row.cells[0], std::string(1, StratumLetter(s)));
  // B and C: results 07-12 and 13-18 with the user among them.
  EXPECT_EQ(c.strata[1].rows[0].cells[1], "-");   // user 420 above six zeros
  EXPECT_EQ(c.strata[1].rows[1].cells[1], "07");
  EXPECT_EQ(c.strata[2].rows[6].cells[1], "18");
}

TEST(FieldComparison, NegativeAndLargeScoresRankCorrectly) {
  const auto c = CompareWithField(User(-1100), Field({-7600, 7600, -1400, 0, -1100, 2220}, {}, {}), "Par01.01",
                                  Pairs(2));
  std::vector<int> scores;
  for (const auto& row : c.strata[0].rows) scores.push_back(row.score);
  EXPECT_EQ(scores, (std::vector<int>{7600, 2220, 0, -1100, -1100, -1400, -7600}));
  EXPECT_TRUE(c.strata[0].rows[3].user);
}

TEST(FieldComparison, GridTextsOfARow) {
  auto field = Field({}, {}, {});
  field[0] = {"w", "3nt", "9", "-400"};
  field[1] = {"Q", "2hx", "8", "-470"};
  field[2] = {"E", "Pas rundt", "0", "0"};
  ComparisonSettings settings = Pairs(2);
  settings.seatNames = {"Nord", "Øst", "Syd", "Vest"};
  const auto c = CompareWithField(User(-400), field, "Par01.01", settings);
  ASSERT_TRUE(c.built);
  const auto find = [&](const std::string& number) {
    for (const auto& row : c.strata[0].rows)
      if (row.cells[1] == number) return row.cells;
    throw std::logic_error("no row");
  };
  EXPECT_EQ(find("01"), (std::array<std::string, 7>{"A", "01", "V", "3~NT", "9", "-400", " 3.0"}));
  EXPECT_EQ(find("02")[2], "-");
  EXPECT_EQ(find("02")[3], "2~HX");
  EXPECT_EQ(find("03")[2], "Ø");
  EXPECT_EQ(find("03")[3], "PAS RUNDT");
  EXPECT_EQ(find("-"), (std::array<std::string, 7>{"A", "-", "S", "4~S", "10", "-400", " 3.0"}));
}

TEST(FieldComparison, GridContractTexts) {
  struct Row { const char* in; const char* out; };
  const Row rows[] = {{"4s", "4~S"}, {"3nt", "3~NT"}, {"6CXX", "6~CXX"}, {"Passed out", "PASSED OUT"}, {"", ""}};
  for (const auto& row : rows) EXPECT_EQ(GridContractText(row.in), row.out) << row.in;
}

TEST(FieldComparison, PassedOutUserRow) {
  const UserResult user = MakeUserResult(Contract{}, 5, 0, East, "Passed out");
  EXPECT_EQ(user.seatLetter, "N");
  EXPECT_EQ(user.contract, "Passed out");
  EXPECT_EQ(user.tricks, 0);
  const auto c = CompareWithField(user, Field({}, {}, {}), "Par01.01", Pairs(2));
  ASSERT_TRUE(c.built);
  EXPECT_EQ(UserRow(c, 0).cells, (std::array<std::string, 7>{"A", "-", "N", "PASSED OUT", "0", "0", " 6.0"}));

  const UserResult played = MakeUserResult(Contract{MakeBid(4, Heart), 1, West}, 9, 100, East, "Passed out");
  EXPECT_EQ(played.seatLetter, "W");
  EXPECT_EQ(played.contract, "4HX");
  EXPECT_EQ(played.tricks, 9);
}

TEST(FieldComparison, FigureIndicesFollowResultNumbersAndStrata) {
  // Each field result n scores 10 * n, the user 95: in C the user is last.
  std::vector<std::vector<std::string>> field;
  for (int n = 1; n <= 18; ++n) field.push_back({"N", "1C", "7", std::to_string(10 * n)});
  const auto c = CompareWithField(User(95), field, "Par01.01", Pairs(2));
  ASSERT_TRUE(c.built);
  EXPECT_DOUBLE_EQ(c.ResultFigures[1], 0);    // 10: lowest in A
  EXPECT_DOUBLE_EQ(c.ResultFigures[6], 10);   // 60: beaten only by the user
  EXPECT_DOUBLE_EQ(c.ResultFigures[19], 12);
  EXPECT_DOUBLE_EQ(c.ResultFigures[9], 4);    // 90 beats 70 and 80, loses to 95 .. 120
  EXPECT_DOUBLE_EQ(c.ResultFigures[20], 6);
  EXPECT_DOUBLE_EQ(c.ResultFigures[18], 12);
  EXPECT_DOUBLE_EQ(c.ResultFigures[21], 0);
}

TEST(FieldComparison, ABadResultBuildsNothing) {
  auto field = Field({}, {}, {});
  field[8] = {"N", "4", "S", "10", "420"};
  const auto c = CompareWithField(User(420), field, "Par02.03", Pairs(2));
  EXPECT_FALSE(c.built);
  EXPECT_EQ(c.error.number, 9);
  EXPECT_EQ(c.error.message, "Error on hand 9\rN,4,S,10,420");
  for (const double figure : c.ResultFigures) EXPECT_EQ(figure, 0);
  for (const auto& text : c.HandFigures) EXPECT_TRUE(text.empty());

  // Too few results given is refused as well, never read past the end.
  const auto shortField = CompareWithField(User(420), std::vector<std::vector<std::string>>(3), "Par02.03", Pairs(2));
  EXPECT_FALSE(shortField.built);
  EXPECT_EQ(shortField.error.number, 1);
}

TEST(FieldComparison, TableComparisonLooksResultsUpAndShowsErrors) {
  std::vector<std::string> values{"Dealer=E"};
  for (int n = 1; n <= 18; ++n) values.push_back(ResultNumberKey(n) + "=N,4S,10,420");
  values[7] = "07=";
  ResetMessageCounts();
  const auto c = BuildResultGrids(User(420), values, East, "Imp01.05", Imps());
  ASSERT_TRUE(c.built);
  EXPECT_EQ(MessageCount(), 0);
  // 07 passed out: East dealt, score 0; it loses 9 IMPs to each 420.
  EXPECT_NEAR(c.ResultFigures[7], -9, 1e-12);
  // Its row comes last in stratum B (0 below six times 420), shown under the
  // dealer with no tricks and score 0.
  const ResultRow& passed = c.strata[1].rows[6];
  EXPECT_EQ(passed.number, 7);
  EXPECT_EQ(passed.cells[1], "07");
  EXPECT_EQ(passed.cells[2], "E");
  EXPECT_EQ(passed.cells[5], "0");
  EXPECT_EQ(passed.cells[6], "-9.00");
  EXPECT_EQ(passed.cells[3], "PASSED OUT");   // the contract column is upper case
  EXPECT_EQ(passed.cells[4], "0");

  values[12] = "12=N,4S,10,4x0";
  const auto bad = BuildResultGrids(User(420), values, East, "Imp01.05", Imps());
  EXPECT_FALSE(bad.built);
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "Error on hand 12 of Imp01.05: the score is not a whole number\rN,4S,10,4x0");
}

TEST(FieldComparison, FiguresUseTheGivenDecimalPoint) {
  ComparisonSettings settings = Imps();
  settings.decimalPoint = ',';
  const auto c = CompareWithField(User(420), Field({420, 420, -50, 450, 170, -100}, {}, {}), "Imp01.01", settings);
  EXPECT_EQ(c.HandFigures[0], "4,33");
}
