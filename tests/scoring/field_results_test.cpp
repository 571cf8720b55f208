#include <gtest/gtest.h>

#include <algorithm>

#include "core/messages.h"
#include "scoring/field_results.h"

using namespace quorval;

namespace {

// A sound section: result n is N,4S,10,420 except where overridden.
std::vector<std::string> Section(std::initializer_list<std::pair<int, std::string>> overrides = {}) {
  std::vector<std::string> lines;
  for (int n = 1; n <= 18; ++n) {
    std::string value = "N,4S,10,420";
    for (const auto& [number, text] : overrides)
      if (number == n) value = text;
    lines.push_back(ResultNumberKey(n) + "=" + value);
  }
  return lines;
}

std::vector<std::string> BoardWith(const std::vector<std::string>& results) {
  std::vector<std::string> values{"Dealer=N", "Vulnerable=None", "Site=0"};
  values.insert(values.end(), results.begin(), results.end());
  return values;
}

class FieldResultsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetMessageCounts(); }
};

}  // namespace

TEST_F(FieldResultsTest, OnlyASectionOfExactly18LinesIsAppended) {
  std::vector<std::string> values{"Dealer=N"};
  auto short17 = Section();
  short17.pop_back();
  EXPECT_FALSE(AppendFieldResults(short17, "Par03.12", values));
  EXPECT_EQ(LastMessage(), "Not 18 results for this hand Par03.12");
  EXPECT_EQ(values.size(), 1u);

  auto long19 = Section();
  long19.push_back("19=N,1C,7,70");
  EXPECT_FALSE(AppendFieldResults(long19, "Imp01.01", values));
  EXPECT_FALSE(AppendFieldResults({}, "Imp01.02", values));
  EXPECT_EQ(MessageCount(), 3);

  EXPECT_TRUE(AppendFieldResults(Section(), "Imp01.03", values));
  EXPECT_EQ(values.size(), 19u);
  EXPECT_EQ(values[1], "01=N,4S,10,420");
  EXPECT_EQ(MessageCount(), 3);
}

TEST_F(FieldResultsTest, LookUpReadsItemsAndReplacesPassedOutResults) {
  const auto values = BoardWith(Section({{7, ""}, {12, "w,3nt,9,-400"}, {3, "\"\""}, {5, "S,1NT"}}));
  EXPECT_EQ(LookUpFieldResult(values, 7, East, "Passed out"),
            (std::vector<std::string>{"E", "Passed out", "0", "0"}));
  EXPECT_EQ(LookUpFieldResult(values, 3, North, "Pas rundt"),
            (std::vector<std::string>{"N", "Pas rundt", "0", "0"}));
  EXPECT_EQ(LookUpFieldResult(values, 5, West, "Passed out")[0], "W");
  EXPECT_EQ(LookUpFieldResult(values, 12, North, "Passed out"),
            (std::vector<std::string>{"w", "3nt", "9", "-400"}));
  // A number with no line at all also reads as passed out; of two lines
  // the first counts, its name read without regard to case.
  EXPECT_EQ(LookUpFieldResult({"Dealer=N"}, 1, South, "Passed out")[1], "Passed out");
  EXPECT_EQ(LookUpFieldResult({"07", "07=S,2H,8,110", "07=N,3NT,9,400"}, 7, North, "-")[1], "2H");
}

TEST_F(FieldResultsTest, RotationTurnsDeclarersAndScores) {
  struct Row { int rotation; const char* expected; };
  const Row rows[] = {
      {1, "03=E,4S,10,-420"}, {2, "03=S,4S,10,420"}, {3, "03=W,4S,10,-420"},
      {-1, "03=W,4S,10,-420"}, {5, "03=E,4S,10,-420"},
  };
  for (const auto& row : rows) {
    const auto section = Section({{3, "N,4S,10,420"}, {4, "e,3nt,9,-400"}});
    auto values = BoardWith(section);
    EXPECT_EQ(RotateFieldResults(section, row.rotation, South, "Passed out", values), 0);
    ASSERT_EQ(values.size(), 21u);
    EXPECT_EQ(values[5], row.expected) << row.rotation;
  }
  const auto section = Section({{4, "e,3nt,9,-400"}, {9, "S,2HX,7,-100"}});
  auto values = BoardWith(section);
  RotateFieldResults(section, 2, South, "Passed out", values);
  EXPECT_EQ(values[6], "04=W,3nt,9,-400");
  EXPECT_EQ(values[11], "09=N,2HX,7,-100");
}

TEST_F(FieldResultsTest, RotationKeepsBoardLinesFirstAndResultsInNumberOrder) {
  auto section = Section();
  std::reverse(section.begin(), section.end());
  auto values = BoardWith(section);
  RotateFieldResults(section, 1, East, "Passed out", values);
  ASSERT_EQ(values.size(), 21u);
  EXPECT_EQ(values[0], "Dealer=N");
  for (int n = 1; n <= 18; ++n) EXPECT_EQ(values[2 + n].substr(0, 3), ResultNumberKey(n) + "=");
}

TEST_F(FieldResultsTest, RotationByNoWholeTurnChangesNothing) {
  const auto section = Section({{7, ""}});
  for (const int rotation : {0, 4, -4}) {
    auto values = BoardWith(section);
    EXPECT_EQ(RotateFieldResults(section, rotation, East, "Passed out", values), 0);
    EXPECT_EQ(values, BoardWith(section));
  }
}

TEST_F(FieldResultsTest, RotatedPassedOutResultTakesTheTurnedDealer) {
  const auto section = Section({{7, ""}});
  auto values = BoardWith(section);
  RotateFieldResults(section, 1, West, "Passed out", values);
  EXPECT_EQ(values[9], "07=W,\"Passed out\",0,0");
  EXPECT_EQ(LookUpFieldResult(values, 7, North, "Passed out"),
            (std::vector<std::string>{"W", "Passed out", "0", "0"}));
}

TEST_F(FieldResultsTest, RotationLeavesWhatItCannotReadUnturned) {
  // A letter that names no seat and a score that is no number stay as they
  // are, for the comparison to show "-" or reject.
  const auto section = Section({{2, "Q,4S,10,420"}, {6, "N,4S,10,abc"}});
  auto values = BoardWith(section);
  RotateFieldResults(section, 1, East, "Passed out", values);
  EXPECT_EQ(values[4], "02=Q,4S,10,-420");
  EXPECT_EQ(values[8], "06=E,4S,10,abc");
}

TEST_F(FieldResultsTest, RotationReportsResultsMissingFromTheBoard) {
  const auto section = Section();
  std::vector<std::string> values{"Dealer=N"};
  for (int n = 1; n <= 18; ++n)
    if (n != 11) values.push_back(section[n - 1]);
  EXPECT_EQ(RotateFieldResults(section, 1, East, "Passed out", values), 1);
  EXPECT_EQ(LastMessage(), "error in scores");
  EXPECT_EQ(MessageCount(), 1);
  // The missing one is appended as read, in its place in number order.
  ASSERT_EQ(values.size(), 19u);
  EXPECT_EQ(values[11], "11=N,4S,10,420");
  EXPECT_EQ(values[12], "12=E,4S,10,-420");
}

TEST_F(FieldResultsTest, ReadingAcceptsSoundResults) {
  FieldResultError error;
  const auto result = ReadFieldResult({"w", "3nt", "9", "-400"}, 12, "Par01.01", error);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->tricks, 9);
  EXPECT_EQ(result->score, -400);
  EXPECT_TRUE(ReadFieldResult({"S", "6NXX", "12", "+2980"}, 1, "Par01.01", error));
}

TEST_F(FieldResultsTest, ReadingRejectsBadResultsNamingBoardAndNumber) {
  struct Row { std::vector<std::string> items; const char* message; };
  const Row rows[] = {
      {{"N", "4", "S", "10", "420"}, "Error on hand 7\rN,4,S,10,420"},
      {{"N", "4S", "10"}, "Error on hand 7\rN,4S,10"},
      {{"N", "4", "10", "420"}, "Error on hand 7 of Par03.12: the contract is shorter than two characters\rN,4,10,420"},
      {{"N", "4S", "ten", "420"}, "Error on hand 7 of Par03.12: the tricks are not a whole number\rN,4S,ten,420"},
      {{"N", "4S", "10", "4x0"}, "Error on hand 7 of Par03.12: the score is not a whole number\rN,4S,10,4x0"},
      {{"N", "4S", "10", ""}, "Error on hand 7 of Par03.12: the score is not a whole number\rN,4S,10,"},
      {{"N", "4S", "10", "420.5"}, "Error on hand 7 of Par03.12: the score is not a whole number\rN,4S,10,420.5"},
      {{"N", "4S", "10", "99999999999"}, "Error on hand 7 of Par03.12: the score is not a whole number\rN,4S,10,99999999999"},
  };
  for (const auto& row : rows) {
    FieldResultError error;
    EXPECT_FALSE(ReadFieldResult(row.items, 7, "Par03.12", error));
    EXPECT_EQ(error.boardKey, "Par03.12");
    EXPECT_EQ(error.number, 7);
    EXPECT_EQ(error.message, row.message);
  }
}

TEST_F(FieldResultsTest, SectionCheckFindsEveryFault) {
  EXPECT_TRUE(CheckFieldResults(Section({{7, ""}, {12, "w,3nt,9,-400"}}), "Par01.01", North).empty());

  auto section = Section({{4, "N,4 S,10,420"}, {9, "N,4S,x,420"}});
  section[17] = "01=N,1C,7,70";  // 18 lines, but 01 twice and 18 missing
  const auto errors = CheckFieldResults(section, "Par01.02", North);
  std::vector<int> numbers;
  for (const auto& e : errors) numbers.push_back(e.number);
  EXPECT_EQ(numbers, (std::vector<int>{1, 4, 9, 18}));
  EXPECT_EQ(errors[0].message, "Result 01 of Par01.02 is given more than once");
  EXPECT_EQ(errors[3].message, "Result 18 of Par01.02 is missing");

  auto shortSection = Section();
  shortSection.pop_back();
  const auto shortErrors = CheckFieldResults(shortSection, "Par01.03", North);
  ASSERT_EQ(shortErrors.size(), 2u);
  EXPECT_EQ(shortErrors[0].message, "Not 18 results for this hand Par01.03");
  EXPECT_EQ(MessageCount(), 0);  // a check shows nothing itself
}

