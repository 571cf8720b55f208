#include <gtest/gtest.h>

#include "data/board_file.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;

namespace {

const std::string kDeal = "N:Q963.QT2.QJ976.T T7.J986.K83.AKJ5 KJ852.AK.5.Q9743 A4.7543.AT42.862";

std::optional<BoardRecord> ReadOne(TempFolder& dir, const std::vector<std::string>& lines, BoardStatus& status,
                                   std::vector<std::string>* errors = nullptr) {
  std::string text = "[Imp01.01]\r\n";
  for (const auto& l : lines) text += l + "\r\n";
  dir.Write("Lisk2005.ini", text);
  TBridgeINI board(dir.File("Lisk2005.ini"));
  auto record = board.ReadBoard("imp01.01", status);
  if (errors) *errors = board.DealErrors;
  return record;
}

}  // namespace

TEST(BoardFile, ReadsTheFourKeysOfASection) {
  const struct {
    const char* dealer;
    Seat seat;
    const char* vul;
    Vulnerability vulnerability;
  } rows[] = {{"Dealer=South", South, "Vulnerable=n-s", 1}, {"Dealer=3", West, "Vulnerable=EW", 2},
              {"dealer=e", East, "VULNERABLE=Both", 3},     {"Dealer=N", North, "Vulnerable=All", 0}};
  for (const auto& row : rows) {
    TempFolder dir;
    BoardStatus status;
    const auto board = ReadOne(dir, {row.dealer, row.vul, "Deal=" + kDeal}, status);
    ASSERT_TRUE(board) << row.dealer;
    EXPECT_EQ(status, BoardStatus::Found);
    EXPECT_EQ(board->dealer, row.seat) << row.dealer;
    EXPECT_EQ(board->vulnerability, row.vulnerability) << row.vul;
    EXPECT_EQ(board->site, 0);
    EXPECT_EQ(DealText(board->deal), kDeal);
  }
}

TEST(BoardFile, OtherKeysChangeNothing) {
  TempFolder dir;
  BoardStatus status;
  const auto plain = ReadOne(dir, {"Dealer=E", "Vulnerable=None", "Deal=" + kDeal, "Site=1"}, status);
  const auto extra = ReadOne(
      dir, {"Event=Imp01", "Dealer=E", "Board=1", "Vulnerable=None", "Scoring=IMP", "Deal=" + kDeal, "Site=1"},
      status);
  ASSERT_TRUE(plain && extra);
  EXPECT_EQ(plain->dealer, extra->dealer);
  EXPECT_EQ(plain->deal, extra->deal);
  EXPECT_EQ(plain->site, extra->site);
}

TEST(BoardFile, SiteTurnsTheBoard) {
  TempFolder dir;
  BoardStatus status;
  const auto board = ReadOne(dir, {"Dealer=N", "Vulnerable=N-S", "Deal=" + kDeal, "Site=1"}, status);
  ASSERT_TRUE(board);
  EXPECT_EQ(board->site, 1);
  EXPECT_EQ(board->dealer, East);
  EXPECT_EQ(board->vulnerability, 2);
  // The stored West hand now sits North.
  EXPECT_EQ(DealText(board->deal, North).substr(2, 16), "A4.7543.AT42.862");
  for (const char* site : {"Site=x", "Site=", "Site=1.5"}) {
    const auto plain = ReadOne(dir, {"Dealer=N", "Deal=" + kDeal, site}, status);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->site, 0) << site;
  }
}

TEST(BoardFile, RejectedDealsAreListedAndNotPlayed) {
  const struct {
    std::string deal;
    const char* error;
  } rows[] = {
      {kDeal.substr(0, 68), " 52 cards not dealt : "},
      {"n" + kDeal.substr(1), "Deal does not start with N,E,S, or  W : "},
      {"", "Deal does not start with N,E,S, or  W : "},
      // Right length, but the ace of spades twice and the four of spades never.
      {"N:Q963.QT2.QJ976.T T7.J986.K83.AKJ5 KJ852.AK.5.Q9743 AA.7543.AT42.862", " 52 cards not dealt : "},
  };
  for (const auto& row : rows) {
    TempFolder dir;
    BoardStatus status;
    std::vector<std::string> errors;
    EXPECT_FALSE(ReadOne(dir, {"Dealer=N", "Deal=" + row.deal}, status, &errors)) << row.deal;
    EXPECT_EQ(status, BoardStatus::BadDeal);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], row.error + row.deal);
  }
}

TEST(BoardFile, MissingBoardIsNotFoundAndDealStays) {
  TempFolder dir;
  dir.Write("Lisk2005.ini", "[Imp01.01]\r\nDealer=N\r\nDeal=" + kDeal + "\r\n[Imp01.02]\r\nDeal=" +
                                kDeal.substr(0, 50) + "\r\n");
  TBridgeINI board(dir.File("Lisk2005.ini"));
  BoardStatus status;
  ASSERT_TRUE(board.ReadBoard("Imp01.01", status));
  const Deal first = board.DealHoldings;
  EXPECT_FALSE(board.ReadBoard("Imp10.01", status));
  EXPECT_EQ(status, BoardStatus::NotFound);
  EXPECT_FALSE(board.ReadBoard("Imp01.02", status));
  EXPECT_EQ(status, BoardStatus::BadDeal);
  EXPECT_EQ(board.DealHoldings, first);
}

TEST(BoardFile, FileWithoutSectionsIsCreatedEmpty) {
  TempFolder dir;
  {
    TBridgeINI board(dir.File("Results2005.ini"));
    EXPECT_TRUE(dir.Exists("Results2005.ini"));
  }
  EXPECT_EQ(dir.Read("Results2005.ini"), "");
  dir.Write("Lisk2005.ini", "junk before any section\r\n");
  { TBridgeINI board(dir.File("Lisk2005.ini")); }
  EXPECT_EQ(dir.Read("Lisk2005.ini"), "");
}

TEST(BoardFile, FindValueTakesFirstNamedLine) {
  const std::vector<std::string> lines{"Deal", "deal=one=two", "Deal=three"};
  EXPECT_EQ(FindValue(lines, "DEAL"), "one=two");
  EXPECT_FALSE(FindValue(lines, "Dealer"));
}
