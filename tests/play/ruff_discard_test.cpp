// Void in the suit led: ruffing, overruffing and discarding, each on a small
// position that shows why the card is chosen.

#include <gtest/gtest.h>

#include "play/engine/leads.h"
#include "play/engine/ruff_discard.h"
#include "tests/play/follow_suit_fixture.h"

namespace quorval::engine {
namespace {

using testing::CandidatesAt;
using testing::MakePosition;
using Cards = std::vector<std::string>;

// ---- ruff or not ----------------------------------------------------------------

TEST(RuffDecision, OnlyTrumpsLeftMustRuff) {
  // North holds nothing but hearts (trumps) on a spade lead.
  Position p = MakePosition(".953..", "KQ4...", "A76...", "J82...", Heart, West, {"2S"});
  const Cards c = CandidatesAt(p);
  ASSERT_FALSE(c.empty());
  for (const std::string& card : c) EXPECT_EQ(card[1], 'H') << card;
}

TEST(RuffDecision, SecondHandRuffsWhenPartnerCannotWin) {
  // East leads the spade ace; South, void, ruffs: North's spades are low.
  ResetLeadWide();
  Position p = MakePosition("432...", "AKQ...", ".J2.5", "JT9...", Heart, East, {"AS"});
  const Cards c = CandidatesAt(p);
  ASSERT_FALSE(c.empty());
  EXPECT_EQ(c[0][1], 'H');
}

struct FourthHandRow {
  const char* southHearts;
  const char* eastHearts;
  int skill;
  Cards expected;
};

TEST(RuffDecision, PartnerWinningInFourthHandDiscardsFirst) {
  // West leads a spade, North's ace wins, East follows; South is void.
  // A ruff is the second choice only when South's top trump beats all of
  // the opponents' trumps; the skill plays no part.
  const FourthHandRow rows[] = {
      {"AQ", "5", 1, {"3C", "QH"}},
      {"AQ", "5", 10, {"3C", "QH"}},
      {"QJ", "K", 10, {"3C"}},
      {"QJ", "", 10, {"3C"}},
  };
  for (const FourthHandRow& row : rows) {
    const std::string south = std::string(".") + row.southHearts + "..73";
    const std::string east = std::string("T3.") + row.eastHearts + "..";
    Position p = MakePosition("A4.2..", east, south, "852...", Heart, West, {"2S", "AS", "3S"},
                              row.skill);
    EXPECT_EQ(CandidatesAt(p), row.expected)
        << row.southHearts << " against " << row.eastHearts << " skill " << row.skill;
  }
}

// ---- the discard values -----------------------------------------------------------

TEST(DiscardValue, OnlyOneSingletonWinnerIsPreferred) {
  // No trump. South's singleton heart king and diamond queen are above both
  // opponents' cards of the suit and above partner's.
  // The first such suit scores 2; a second one then scores 1 when partner
  // is winning the trick (keep it) or 3 otherwise.
  Position pdWins = MakePosition("A2.2.2.", "3.5.5.2", ".K.Q.54", "K.QJ.JT.", NT, West,
                                 {"KS", "AS", "3S"});
  DiscardKeep keep;
  EXPECT_EQ(DiscardValue(pdWins, Diamond, -100, keep), 2);
  EXPECT_EQ(DiscardValue(pdWins, Heart, 2, keep), 1);

  Position eastWins = MakePosition("2.2.2.", "A3..5.2", ".K.Q.54", "K.QJ.JT.", NT, West,
                                   {"KS", "2S", "AS"});
  EXPECT_EQ(DiscardValue(eastWins, Heart, 2, keep), 3);
}

TEST(DiscardValue, LongSuitUnderTheirTopCard) {
  // South is longer in clubs than either opponent; they hold the ace and a
  // second card above our second card. West, on South's left, holds the
  // ace-queen: 80.
  Position lhoTop = MakePosition("2..2.2", "3..3.", "..5.KJ54", "K..4.AQ", NT, West,
                                 {"KS", "2S", "3S"});
  DiscardKeep keep;
  EXPECT_EQ(DiscardValue(lhoTop, Club, -100, keep), 80);
  // With West's clubs all below South's king, the suit is kept more: 40.
  Position rhoTop = MakePosition("2..2.2", "3..3.AQ", "..5.KJ54", "K..4.T", NT, West,
                                 {"KS", "2S", "3S"});
  EXPECT_EQ(DiscardValue(rhoTop, Club, -100, keep), 40);
}

TEST(DiscardChoice, EqualValuesKeepTheSuitVisitedFirst) {
  // Hearts are trumps; the visit goes hearts, spades, clubs, diamonds, so of
  // two equally good spade and club discards the spade comes first.
  ResetLeadWide();
  Position p = MakePosition("T3..KQ.T3", "AK..J.AK", "95...95", "QJ4.2.A.", Heart, West,
                            {"AD", "KD", "JD"});
  EXPECT_EQ(CandidatesAt(p), (Cards{"5S", "5C"}));
}

}  // namespace
}  // namespace quorval::engine
