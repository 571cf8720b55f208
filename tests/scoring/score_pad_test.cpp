#include <gtest/gtest.h>

#include "scoring/score_pad.h"

using namespace quorval;

namespace {

std::optional<FiledResult> Filed(double a, double b, double c) {
  FiledResult result;
  result.items.assign(25, "0");
  result.userFigures = {a, b, c};
  return result;
}

}  // namespace

TEST(ScorePad, SessionFigureForPairsUnderEachMethod) {
  // Two boards, figures 9.0 and 6.0 (system 2) or 4.5 and 3.0 (system 1): 62.5 %.
  struct Row { int sys; double sum; int count; const char* text; };
  const Row rows[] = {
      {2, 15.0, 2, "  62.5"}, {1, 7.5, 2, "  62.5"}, {0, 3.0, 2, "  62.5"}, {3, 1.5, 2, "  62.5"},
      {7, 1.5, 2, "  62.5"},  {2, 24.0, 2, " 100.0"}, {0, -12.0, 2, "   0.0"}, {2, 0.0, 0, "   0.0"},
      {0, 0.0, 0, "   0.0"},  {2, 4.0, 3, "  11.1"},
  };
  for (const auto& row : rows) EXPECT_EQ(SessionFigure(false, row.count, row.sum, row.sys), row.text) << row.sys;
}

TEST(ScorePad, SessionFigureForImps) {
  EXPECT_EQ(SessionFigure(true, 0, 0, 2), "  0.00");
  EXPECT_EQ(SessionFigure(true, 3, 13.0, 2), "  4.33");
  EXPECT_EQ(SessionFigure(true, 2, -3.5, 0), " -1.75");
  EXPECT_EQ(SessionFigure(true, 3, 13.0, 2, ','), "  4,33");
}

TEST(ScorePad, SessionTotalsCountOnlyFiledBoards) {
  std::array<std::optional<FiledResult>, kBoardsPerEvent> session;
  session[0] = Filed(9.0, 1.5, -2.0);
  session[26] = Filed(6.0, 0.5, 1.0);
  const auto totals = SessionTotalsOf(session);
  EXPECT_DOUBLE_EQ(totals.sum[0], 15.0);
  EXPECT_DOUBLE_EQ(totals.sum[1], 2.0);
  EXPECT_DOUBLE_EQ(totals.sum[2], -1.0);
  EXPECT_EQ(totals.count, (std::array<int, 3>{2, 2, 2}));
  const auto empty = SessionTotalsOf({});
  EXPECT_EQ(empty.count, (std::array<int, 3>{0, 0, 0}));
}

TEST(ScorePad, HandResultTexts) {
  const ScorePadLabels english;
  EXPECT_EQ(HandResult(Contract{MakeBid(4, Spade), 1, South}, 10, english), "South 4~SX  10 Tricks");
  EXPECT_EQ(HandResult(Contract{MakeBid(3, NT), 2, East}, 7, english), "East 3~NXX  7 Tricks");
  EXPECT_EQ(HandResult(Contract{}, 0, english), "Passed out");

  // Cut to 30 characters, never in the middle of one.
  ScorePadLabels long_;
  long_.seatNames = {"Nørdøstvestsydnørdøst", "Ø", "S", "V"};
  long_.tricks = "Stikkkkkkk";
  const std::string cut = HandResult(Contract{MakeBid(7, Club), 2, North}, 13, long_);
  EXPECT_EQ(cut, "Nørdøstvestsydnørdøst 7~CXX  1");
}

TEST(ScorePad, PadCellsForPairsAndImps) {
  std::array<std::optional<FiledResult>, kBoardsPerEvent> session;
  session[0] = Filed(9.0, 6.0, 12.0);
  session[1] = Filed(6.0, 6.0, 0.0);
  const auto totals = SessionTotalsOf(session);
  const ScorePadLabels labels;
  const auto pad = BuildScorePad(Contract{MakeBid(4, Heart), 0, North}, 10, 420,
                                 std::array<std::string, 3>{" 6.0", " 6.0", " 0.0"}, totals, false, 2, labels);
  EXPECT_EQ(pad.caption, " North 4~H  10 Tricks     420");
  EXPECT_EQ(pad.cells[0], (std::array<std::string, 4>{"Stratum", "A", "B", "C"}));
  EXPECT_EQ(pad.cells[1], (std::array<std::string, 4>{"MP for Hand", " 6.0", " 6.0", " 0.0"}));
  EXPECT_EQ(pad.cells[2], (std::array<std::string, 4>{"Total MP", "  15.0", "  12.0", "  12.0"}));
  EXPECT_EQ(pad.cells[3], (std::array<std::string, 4>{"Pct this Session", "  62.5", "  50.0", "  50.0"}));

  const auto imps = BuildScorePad(Contract{}, 0, 0, std::nullopt, SessionTotals{}, true, 2, labels);
  EXPECT_EQ(imps.caption, " Passed out     0");
  EXPECT_EQ(imps.cells[1], (std::array<std::string, 4>{"IMP for Hand", "-", "-", "-"}));
  EXPECT_EQ(imps.cells[2], (std::array<std::string, 4>{"Total IMP", "  0.00", "  0.00", "  0.00"}));
  EXPECT_EQ(imps.cells[3], (std::array<std::string, 4>{"Ave. IMPs/Bd", "  0.00", "  0.00", "  0.00"}));

  // IMP totals in the precision of the board's figures: 2.83 and -0.50
  // make 2.33, not 2.3.
  session[0] = Filed(2.83, 1.0, 0.0);
  session[1] = Filed(-0.5, 1.0, 0.0);
  const auto imp = BuildScorePad(Contract{MakeBid(3, NT), 0, South}, 9, 400,
                                 std::array<std::string, 3>{"-0.50", "1.00", "0.00"}, SessionTotalsOf(session), true,
                                 2, labels);
  EXPECT_EQ(imp.cells[2], (std::array<std::string, 4>{"Total IMP", "  2.33", "  2.00", "  0.00"}));
}
