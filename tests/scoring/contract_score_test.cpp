#include <gtest/gtest.h>

#include "scoring/contract_score.h"

using namespace quorval;

namespace {

struct ScoreRow {
  CallCode bid;
  int doubled;
  Seat declarer;
  bool vulnerable;
  int tricks;
  int expected;
};

void ExpectRows(const std::initializer_list<ScoreRow>& rows) {
  for (const auto& r : rows)
    EXPECT_EQ(ContractScore(r.bid, r.doubled, r.declarer, r.vulnerable, r.tricks), r.expected)
        << CallToken(r.bid) << " x" << r.doubled << " by " << SeatLetter(r.declarer)
        << (r.vulnerable ? " vul " : " nv ") << r.tricks << " tricks";
}

}  // namespace

TEST(ContractScore, ReferenceCases) {
  ExpectRows({
      {Pass, 0, North, false, 0, 0},
      {Pass, 1, East, true, 13, 0},
      {MakeBid(4, Spade), 0, North, false, 10, 420},
      {MakeBid(3, NT), 0, South, true, 10, 630},
      {MakeBid(2, Club), 0, South, false, 8, 90},
      {MakeBid(2, Heart), 1, South, false, 8, 470},
      {MakeBid(1, NT), 2, North, true, 8, 1160},
      {MakeBid(6, Club), 0, South, false, 12, 920},
      {MakeBid(7, NT), 0, South, true, 13, 2220},
      {MakeBid(3, NT), 0, North, false, 8, -50},
      {MakeBid(4, Heart), 1, South, true, 7, -800},
      {MakeBid(4, Spade), 2, South, false, 6, -1600},
      {MakeBid(4, Spade), 0, East, false, 10, -420},
      {MakeBid(5, Diamond), 1, West, true, 9, 500},
  });
}

TEST(ContractScore, MadeContractsPartScoresGamesAndSlams) {
  ExpectRows({
      // Doubling lifts a part score to game only through the trick score.
      {MakeBid(1, Club), 1, South, false, 7, 140},
      {MakeBid(1, NT), 1, South, false, 7, 180},
      {MakeBid(1, NT), 1, South, true, 8, 380},
      {MakeBid(1, Spade), 1, North, false, 7, 160},
      {MakeBid(2, Diamond), 1, South, false, 8, 180},
      {MakeBid(1, Club), 2, South, false, 7, 230},
      {MakeBid(1, Heart), 2, South, false, 7, 520},
      // Overtricks never make a game.
      {MakeBid(2, Spade), 0, North, false, 13, 260},
      {MakeBid(1, NT), 0, South, false, 13, 270},
      {MakeBid(3, NT), 0, South, false, 9, 400},
      {MakeBid(5, Club), 0, South, true, 11, 600},
      {MakeBid(4, Heart), 0, South, true, 12, 680},
      // Doubled and redoubled overtricks, not vulnerable and vulnerable.
      {MakeBid(4, Spade), 1, South, false, 11, 690},
      {MakeBid(4, Spade), 1, South, true, 11, 990},
      {MakeBid(4, Spade), 2, South, true, 11, 1480},
      {MakeBid(3, NT), 2, North, false, 9, 800},
      // Slams.
      {MakeBid(6, NT), 0, South, false, 12, 990},
      {MakeBid(6, Spade), 0, North, true, 13, 1460},
      {MakeBid(7, Club), 0, South, false, 13, 1440},
      {MakeBid(7, NT), 1, South, true, 13, 2490},
      {MakeBid(6, Heart), 2, North, true, 12, 2070},
  });
}

TEST(ContractScore, UndertrickScales) {
  // Undoubled: 50 or 100 a trick.
  for (int u = 1; u <= 7; ++u) {
    EXPECT_EQ(ContractScore(MakeBid(7, NT), 0, South, false, 13 - u), -50 * u);
    EXPECT_EQ(ContractScore(MakeBid(7, NT), 0, South, true, 13 - u), -100 * u);
  }
  const int doubledNv[] = {100, 300, 500, 800, 1100, 1400, 1700};
  const int doubledVul[] = {200, 500, 800, 1100, 1400, 1700, 2000};
  for (int u = 1; u <= 7; ++u) {
    const int tricks = 13 - u;
    EXPECT_EQ(ContractScore(MakeBid(7, Spade), 1, North, false, tricks), -doubledNv[u - 1]) << u;
    EXPECT_EQ(ContractScore(MakeBid(7, Spade), 1, North, true, tricks), -doubledVul[u - 1]) << u;
    EXPECT_EQ(ContractScore(MakeBid(7, Spade), 2, North, false, tricks), -2 * doubledNv[u - 1]) << u;
    EXPECT_EQ(ContractScore(MakeBid(7, Spade), 2, North, true, tricks), -2 * doubledVul[u - 1]) << u;
  }
  // Thirteen down doubled, the largest penalties there are.
  ExpectRows({
      {MakeBid(7, NT), 1, South, false, 0, -3500},
      {MakeBid(7, NT), 1, South, true, 0, -3800},
      {MakeBid(7, NT), 2, West, true, 0, 7600},
  });
}

TEST(ContractScore, EastWestDeclarerNegatesEverySeatPair) {
  for (CallCode bid = MakeBid(1, Club); bid <= MakeBid(7, NT); ++bid)
    for (int d = 0; d <= 2; ++d)
      for (int tricks = 0; tricks <= 13; ++tricks) {
        const int ns = ContractScore(bid, d, North, true, tricks);
        EXPECT_EQ(ContractScore(bid, d, South, true, tricks), ns);
        EXPECT_EQ(ContractScore(bid, d, East, true, tricks), -ns);
        EXPECT_EQ(ContractScore(bid, d, West, true, tricks), -ns);
      }
}

TEST(ContractScore, ContractOverloadUsesTheDeclaringSidesVulnerability) {
  const Contract nsGame{MakeBid(4, Heart), 0, South};
  const Contract ewGame{MakeBid(4, Heart), 0, West};
  EXPECT_EQ(ContractScore(nsGame, 10, 0), 420);
  EXPECT_EQ(ContractScore(nsGame, 10, 1), 620);
  EXPECT_EQ(ContractScore(nsGame, 10, 2), 420);
  EXPECT_EQ(ContractScore(nsGame, 10, 3), 620);
  EXPECT_EQ(ContractScore(ewGame, 10, 1), -420);
  EXPECT_EQ(ContractScore(ewGame, 10, 2), -620);
  EXPECT_EQ(ContractScore(ewGame, 9, 2), 100);
  EXPECT_EQ(ContractScore(Contract{}, 7, 3), 0);
}

TEST(ContractScore, DamagedInputsStayWithinTheGame) {
  // Non-bids never score; impossible trick counts and doublings are clamped.
  EXPECT_EQ(ContractScore(Double, 1, North, false, 9), 0);
  EXPECT_EQ(ContractScore(NoCall, 0, North, false, 9), 0);
  EXPECT_EQ(ContractScore(MakeBid(1, NT), 0, South, false, 20), ContractScore(MakeBid(1, NT), 0, South, false, 13));
  EXPECT_EQ(ContractScore(MakeBid(1, NT), 0, South, false, -3), ContractScore(MakeBid(1, NT), 0, South, false, 0));
  EXPECT_EQ(ContractScore(MakeBid(2, Heart), 5, South, false, 8), 640);
}
