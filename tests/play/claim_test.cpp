// Claims judged against the double-dummy value of endings worked out by
// hand (a claim of exactly that many is accepted, one more refused with the
// number that is there), and declarer's plain count of top cards.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "play/claim.h"
#include "tests/play/engine_test_util.h"

namespace quorval {
namespace {

using testutil::Ending;

PlayState Position(const Deal& deal, tAllTrump strain, Seat declarer, const std::vector<const char*>& played) {
  PlayState st;
  StartPlay(st, deal, Contract{MakeBid(1, strain), 0, declarer});
  for (const char* c : played) EXPECT_TRUE(PlayCard(st, ParseCard(c))) << c;
  return st;
}

// South leads two heart winners; West holds a trump and a club, which
// North's club ace covers. East declares.
const Deal kHeartsAgainstATrump = Ending({"..2.A", ".32..", ".AK..", "2...2"});
// South cashes three spades and must give the last trick to the heart ace:
// no squeeze, a plain count of three. East declares.
const Deal kThreeSpadesAndALoser = Ending({".K.432", ".A..432", "AKQ.2..", "JT.Q.A."});

TEST(Claim, AClaimOfTheDoubleDummyTricksIsAcceptedAndOneMoreRefused) {
  struct Row {
    const char* name;
    Deal deal;
    tAllTrump strain;
    std::vector<const char*> played;
    Side side;
    int dd;   // worked out by hand
  };
  const std::vector<Row> rows = {
      // No trumps: both hearts stand up.
      {"hearts at no-trump", kHeartsAgainstATrump, NT, {}, 1, 2},
      // Spades are trumps: West ruffs the first heart and leads the club
      // to North's ace, one trick each.
      {"hearts ruffed", kHeartsAgainstATrump, Spade, {}, 1, 1},
      {"the ruffers' side", kHeartsAgainstATrump, Spade, {}, 2, 1},
      {"three spades", kThreeSpadesAndALoser, NT, {}, 1, 3},
      {"the heart ace", kThreeSpadesAndALoser, NT, {}, 2, 1},
      // In the middle of the first trick, North to play: the trick in
      // progress is one of those left.
      {"mid-trick", kThreeSpadesAndALoser, NT, {"AS", "TS"}, 1, 3},
  };
  for (const Row& row : rows) {
    const PlayState st = Position(row.deal, row.strain, East, row.played);
    const int left = TricksLeft(st);
    const ClaimVerdict exact = JudgeClaim(st, row.side, row.dd);
    ASSERT_TRUE(exact.judged) << row.name;
    EXPECT_TRUE(exact.accepted) << row.name;
    EXPECT_EQ(exact.ddTricks, row.dd) << row.name;
    EXPECT_TRUE(JudgeClaim(st, row.side, row.dd - 1).accepted) << row.name;
    const ClaimVerdict more = JudgeClaim(st, row.side, row.dd + 1);
    EXPECT_FALSE(more.accepted) << row.name;
    EXPECT_EQ(more.ddTricks, row.dd) << row.name;
    // The two sides' counts make up the tricks left.
    EXPECT_EQ(SideTricksLeft(st, 1) + SideTricksLeft(st, 2), left) << row.name;
  }
}

TEST(Claim, ClaimsOutsideTheTricksLeftAreRefusedAndAFinishedPlayNeedsNoSolver) {
  PlayState st = Position(kHeartsAgainstATrump, NT, East, {});
  EXPECT_EQ(TricksLeft(st), 2);
  EXPECT_FALSE(JudgeClaim(st, 1, 3).accepted);
  EXPECT_FALSE(JudgeClaim(st, 1, -1).accepted);
  EXPECT_TRUE(JudgeClaim(st, 2, 0).accepted);
  for (const char* c : {"AH", "2S", "2D", "2H", "KH", "2C", "AC", "3H"}) ASSERT_TRUE(PlayCard(st, ParseCard(c))) << c;
  EXPECT_EQ(TricksLeft(st), 0);
  const ClaimVerdict none = JudgeClaim(st, 1, 0);
  EXPECT_TRUE(none.judged && none.accepted);
  EXPECT_FALSE(JudgeClaim(st, 1, 1).accepted);
}

TEST(Claim, DeclarerCountsOnlyTopCardsThatCannotBeBeatenOrRuffed) {
  // West leads the king of diamonds and South wins it (with a ruff when
  // spades are trumps): South is on lead with the rest.
  struct Row {
    const char* name;
    Deal deal;
    tAllTrump strain;
    Seat declarer;
    std::vector<const char*> played;
    bool claims;
  };
  const std::vector<Row> rows = {
      // The ace of trumps draws West's queen, then the heart ace stands.
      {"trumps drawn first", Ending({"...432", ".32.2.", "A2.A..", "Q..KQ."}), Spade, South, {"KD", "2C", "2D", "2S"}, true},
      // The king of trumps loses to West's ace.
      {"a trump to lose", Ending({"...432", ".32.2.", "K2.A..", "A..KQ."}), Spade, South, {"KD", "2C", "2D", "2S"}, false},
      // West ruffs the heart ace.
      {"a ruff", Ending({"...432", ".32.2.", "3.AK..", "2..KQ."}), Spade, South, {"KD", "2C", "2D", "3S"}, false},
      // The king of spades sits over the queen: a finesse is no top card.
      {"a finesse", Ending({"32..2.", "K5...3", "AQ..A.", "..K.QJ"}), NT, South, {"KD", "2D", "3C", "AD"}, false},
      {"all top cards", Ending({"32..2.", "54...3", "AK..A.", "..K.QJ"}), NT, South, {"KD", "2D", "3C", "AD"}, true},
      // North's ace and king block South's queen: North must win the trick.
      {"a blocked suit", Ending({"AK..2.", "54...3", "Q.2.A.", "..K.QJ"}), NT, South, {"KD", "2D", "3C", "AD"}, false},
      // A defender on lead never claims for declarer.
      {"defender on lead", Ending({"32..2.", "54...3", "AK..A.", "..K.QJ"}), NT, South, {}, false},
  };
  for (const Row& row : rows) {
    const PlayState st = Position(row.deal, row.strain, row.declarer, row.played);
    EXPECT_EQ(TopCardsTakeTheRest(st), row.claims) << row.name;
    if (row.claims) EXPECT_EQ(SideTricksLeft(st, SideOf(row.declarer)), TricksLeft(st)) << row.name;
  }
}

TEST(Claim, WheneverTopCardsClaimTheRestDoubleDummyAgrees) {
  // Random deals played at random to their last five tricks: the plain
  // count may miss a claim but never makes a wrong one.
  std::mt19937 rng(35);
  int claims = 0;
  for (int n = 0; n < 300; ++n) {
    PlayState st;
    StartPlay(st, testutil::RandomDeal(rng), Contract{MakeBid(4, static_cast<tAllTrump>(n % 5)), 0, South});
    while (st.CardsPlayed < 32 || !st.OnDeclarerSide(st.ToPlay) || st.TrickPos != 1) {
      if (st.CardsPlayed >= 48) break;
      PlayCard(st, testutil::RandomLegal(st, rng));
    }
    if (!TopCardsTakeTheRest(st)) continue;
    ++claims;
    EXPECT_EQ(SideTricksLeft(st, 1), TricksLeft(st)) << "position " << n;
  }
  EXPECT_GT(claims, 10);
}

}  // namespace
}  // namespace quorval
