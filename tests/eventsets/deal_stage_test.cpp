// The deal stage: dealer and vulnerability by board number, and event lists.

#include <gtest/gtest.h>

#include "eventsets/board_facts.h"

namespace quorval::eventgen {
namespace {

TEST(DealStage, DealerAndVulnerabilityFollowTheClubCycle) {
  // Board: dealer, vulnerability (0 none, 1 NS, 2 EW, 3 both).
  const struct { int board; Seat dealer; Vulnerability vul; } rows[] = {
      {1, North, 0}, {2, East, 1},  {3, South, 2}, {4, West, 3},  {5, North, 1},  {6, East, 2},
      {7, South, 3}, {8, West, 0},  {9, North, 2}, {10, East, 3}, {11, South, 0}, {12, West, 1},
      {13, North, 3}, {14, East, 0}, {15, South, 1}, {16, West, 2}, {17, North, 0}, {27, South, 0},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(BoardDealer(r.board), r.dealer) << r.board;
    EXPECT_EQ(BoardVulnerability(r.board), r.vul) << r.board;
  }
  EXPECT_EQ(BoardKey("Imp01", 5), "Imp01.05");
  EXPECT_EQ(BoardKey("Par18", 27), "Par18.27");
}

TEST(DealStage, EventLists) {
  std::vector<std::string> events;
  std::string error;
  ASSERT_TRUE(ParseEventList("Imp01-Imp09,Par01-Par18", events, error));
  EXPECT_EQ(events, AllEvents());
  ASSERT_TRUE(ParseEventList("Par03,Imp02-Imp03,Par03", events, error));
  EXPECT_EQ(events, (std::vector<std::string>{"Imp02", "Imp03", "Par03"}));
  for (const char* bad : {"", "Imp10", "Par19", "Imp00", "Imp03-Par04", "Imp05-Imp02", "Imp01,", "imp01", "Imp1"})
    EXPECT_FALSE(ParseEventList(bad, events, error)) << bad;
}

}  // namespace
}  // namespace quorval::eventgen
