// The board's result as a value, made once when the board ends: what it
// holds is what was filed, its strata are shown again in other words
// without filing anything, and a board dealt again starts without one.
#include <cmath>

#include "scoring/player_results.h"
#include "tests/game/game_fixture.h"

namespace quorval {
namespace {

TEST_F(GameTest, TheResultHoldsWhatWasFiledAndIsShownInOtherWordsWithoutFilingAgain) {
  ASSERT_TRUE(DealBoard(1));
  ASSERT_TRUE(Call("1S"));
  ASSERT_TRUE(Call("4S"));
  ASSERT_TRUE(game_->StartPlay());
  EXPECT_FALSE(game_->Result().has_value());
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  ASSERT_TRUE(game_->Result());
  const TableResult& result = *game_->Result();
  EXPECT_EQ(result.key, "Imp01.01");
  EXPECT_EQ(result.contract.bid, MakeBid(4, Spade));
  EXPECT_EQ(result.contract.declarer, South);
  EXPECT_EQ(result.declarerTricks, game_->Play().DeclarerTricks);
  ASSERT_TRUE(result.Built());
  EXPECT_TRUE(result.filed);
  EXPECT_TRUE(result.written);
  EXPECT_FALSE(options_->Modified());

  // The line filed is the result's, and its figures are the comparison's.
  EXPECT_EQ(Filed("Imp01.01"), result.line);
  const auto filed = ReadFiledResult(result.line);
  ASSERT_TRUE(filed);
  EXPECT_EQ(filed->score(), std::to_string(result.score));
  for (int s = 0; s < 3; ++s)
    EXPECT_EQ(filed->FiledFigureAt(19 + s), static_cast<int>(std::lround(result.comparison.ResultFigures[size_t(19 + s)] * 100)));
  // The play kept is the play of the board, card for card.
  const KeptPlayRead kept = ReadKeptPlay(*plays_, "Tester", "Imp01.01");
  ASSERT_TRUE(kept.Sound()) << kept.fault;
  EXPECT_EQ(kept.play->calls, result.play.calls);
  EXPECT_EQ(kept.play->cards, result.play.cards);
  EXPECT_EQ(result.play.cards.size(), 52u);

  // In Danish words the strata name the seats by their Danish initials
  // (East-West declared three of the field's results: 3C and 2C by East,
  // 2D by West); the figures stay.
  game_->SetWords({"Nord", "Øst", "Syd", "Vest"}, "Passet");
  const std::optional<FieldComparison> danish = game_->ResultStrata();
  ASSERT_TRUE(danish);
  EXPECT_EQ(danish->ResultFigures, result.comparison.ResultFigures);
  std::string by;
  for (const auto& stratum : danish->strata)
    for (const auto& row : stratum.rows) by += row.cells[2] == "S" ? "" : row.cells[2];
  EXPECT_EQ(by.size(), std::string("ØØV").size()) << by;
  EXPECT_NE(by.find("V"), std::string::npos) << by;
  EXPECT_EQ(filing_->results, 1);
  EXPECT_EQ(filing_->plays, 1);

  // Dealt again (a rebid), the board has no result until it ends again.
  ASSERT_TRUE(game_->Deal());
  EXPECT_FALSE(game_->Result().has_value());
  EXPECT_FALSE(game_->ResultStrata().has_value());
}

// A result that cannot be compared with the field ("Error on hand") is
// neither filed nor kept, and the earlier line stays.
TEST_F(GameTest, ABoardWhoseFieldCannotBeReadIsNotFiled) {
  options_->WriteString("Tester", "Imp01.01", "earlier");
  results_->WriteString("Imp01.01", "03", "S,4S,ten,420");
  ASSERT_TRUE(DealBoard(1));
  BidOut();
  ASSERT_TRUE(game_->StartPlay());
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  EXPECT_EQ(LastMessage().rfind("Error on hand", 0), 0u) << LastMessage();
  ASSERT_TRUE(game_->Result());
  EXPECT_FALSE(game_->Result()->Built());
  EXPECT_FALSE(game_->ResultFiled());
  EXPECT_EQ(filing_->results, 0);
  EXPECT_EQ(filing_->plays, 0);
  EXPECT_EQ(Filed("Imp01.01"), "earlier");
}

}  // namespace
}  // namespace quorval
