// The field of 18 results: legal contracts, tricks and scores that agree, the
// text form of a result, a pluggable chooser, and strata that differ in skill.

#include <gtest/gtest.h>

#include <cstdlib>

#include "eventsets/field.h"
#include "scoring/contract_score.h"
#include "scoring/figures.h"
#include "synthetic_board.h"

namespace quorval::eventgen {
namespace {

using testing::SyntheticBoard;

TEST(FieldText, ResultsAsTheResultsFileHoldsThem) {
  const struct { Contract c; int tricks; int score; const char* text; } rows[] = {
      {{MakeBid(4, Spade), 0, North}, 10, 420, "N,4S,10,420"},
      {{MakeBid(3, NT), 1, West}, 7, 500, "W,3NX,7,500"},
      {{MakeBid(1, Club), 2, East}, 7, -230, "E,1CXX,7,-230"},
      {{MakeBid(7, Diamond), 0, South}, 13, 1440, "S,7D,13,1440"},
  };
  for (const auto& r : rows) EXPECT_EQ(FieldResultText({r.c, r.tricks, r.score}), r.text);
  // A passed-out table is one item: every reader takes fewer than four items as passed out.
  EXPECT_EQ(FieldResultText({}), "P");
}

TEST(Field, EveryResultIsALegalContractWithItsOwnScore) {
  const StatisticalChooser chooser;
  int passedOut = 0, doubled = 0, slams = 0;
  for (int n = 1; n <= 60; ++n) {
    const BoardFacts f = SyntheticBoard(5, "Par02", (n - 1) % 27 + 1);
    const Field field = BuildField(f, chooser, 5 + n);
    for (const FieldResult& r : field) {
      if (r.contract.PassedOut()) {
        ++passedOut;
        EXPECT_EQ(r.contract.bid, Pass);
        EXPECT_EQ(r.contract.DoubledCount, 0);
        EXPECT_EQ(r.tricks, 0);
        EXPECT_EQ(r.scoreNS, 0);
        continue;
      }
      // Tricks are double dummy give or take the two tricks that a slip or a
      // gift can move them.
      const int dd = f.dd.at(r.contract.strain(), r.contract.declarer);
      ASSERT_LE(std::abs(r.tricks - dd), 2) << FieldResultText(r) << " double dummy " << dd;
      ASSERT_GE(r.contract.DoubledCount, 0);
      ASSERT_LE(r.contract.DoubledCount, 2);
      ASSERT_GE(r.tricks, 0);
      ASSERT_LE(r.tricks, 13);
      EXPECT_EQ(r.scoreNS, ContractScore(r.contract, r.tricks, f.vul));
      doubled += r.contract.DoubledCount > 0;
      slams += r.contract.level() >= 6;
    }
  }
  // The mix a club produces: some doubles, some slams, few pass-outs.
  EXPECT_GT(doubled, 0);
  EXPECT_GT(slams, 0);
  EXPECT_LT(passedOut, 60 * 18 / 10);
}

TEST(Field, SameSeedSameField) {
  const StatisticalChooser chooser;
  const BoardFacts f = SyntheticBoard(9, "Imp04", 13);
  const Field a = BuildField(f, chooser, 9), b = BuildField(f, chooser, 9);
  for (int i = 0; i < kFieldSize; ++i) EXPECT_EQ(FieldResultText(a[i]), FieldResultText(b[i]));
}

// A chooser that always bids 3NT by the user's partner, to show the seam is used.
class FixedChooser final : public FieldContractChooser {
 public:
  Contract Choose(const BoardFacts& f, const TableSetting& table, Rng&) const override {
    EXPECT_EQ(table.homeSide, SideOf(f.UserSeat()));
    EXPECT_EQ(static_cast<int>(table.home), StratumOf(table.number));
    return {MakeBid(3, NT), 0, PartnerOf(f.UserSeat())};
  }
};

TEST(Field, AnotherChooserDecidesTheContracts) {
  const BoardFacts f = SyntheticBoard(3, "Imp02", 7);
  const Field field = BuildField(f, FixedChooser{}, 3);
  for (const FieldResult& r : field) {
    EXPECT_EQ(r.contract.bid, MakeBid(3, NT));
    EXPECT_EQ(r.contract.declarer, PartnerOf(f.UserSeat()));
  }
}

// North-South hold 29 points and nine spades, East-West ten hearts with East
// the longer; North-South take eleven tricks in spades, East-West eight in
// hearts. On board 2 (North-South vulnerable) five hearts doubled, three
// down, costs 500 against their 650.
BoardFacts SaveBoard() {
  BoardFacts f;
  f.key = "Imp01.02";
  std::vector<std::string> errors;
  EXPECT_TRUE(ParseDeal("N:AKQJ2.2.AK32.432 65.KQJT98.T9.JT9 T987.43.QJ4.AKQ5 43.A765.8765.876", f.deal, errors));
  f.dealer = East;
  f.vul = 1;
  for (tAllTrump s = 0; s < 5; ++s)
    for (Seat q = 0; q < 4; ++q) f.dd.tricks[s][q] = SideOf(q) == 1 ? (s == Spade ? 11 : 7) : (s == Heart ? 8 : 3);
  return f;
}

TEST(ClubTableEnd, TheRivalsSaveOverAGameAndTheSaveIsDoubledOrOutbid) {
  const BoardFacts f = SaveBoard();
  const Contract game{MakeBid(4, Spade), 0, North};
  int saves = 0, doubledSaves = 0, fiveSpades = 0, games = 0;
  for (int i = 0; i < 600; ++i) {
    Rng rng(i);
    TableSetting table;
    table.home = static_cast<Skill>(i % 3);
    table.opponents = static_cast<Skill>(i / 3 % 3);
    const Contract c = ClubTableEnd(f, table, game, rng);
    if (c.bid == MakeBid(5, Heart)) {
      EXPECT_EQ(c.declarer, East);   // the longer hearts
      ++saves;
      doubledSaves += c.DoubledCount == 1;
    } else if (c.bid == MakeBid(5, Spade)) {
      EXPECT_EQ(c.declarer, North);
      ++fiveSpades;
    } else {
      EXPECT_EQ(c.bid, game.bid);
      EXPECT_EQ(c.DoubledCount, 0);  // the defenders hold 10 points and no trump stack
      ++games;
    }
  }
  EXPECT_GT(saves, 60);
  EXPECT_GT(doubledSaves, saves * 3 / 4);
  EXPECT_GT(fiveSpades, 10);
  EXPECT_GT(games, 100);
  // Passed out and doubled contracts are left as they are.
  Rng rng(1);
  EXPECT_TRUE(ClubTableEnd(f, TableSetting{}, Contract{}, rng).PassedOut());
  const Contract doubled{MakeBid(2, Heart), 1, East};
  EXPECT_EQ(ClubTableEnd(f, TableSetting{}, doubled, rng).bid, doubled.bid);
}

TEST(ClubTableEnd, PartScoresGoingDownAreDoubledOnTheDefendersCards) {
  // One no-trump by East goes four down: North-South, with 29 points, either
  // compete in their spades (North has five) or double it at many tables.
  // Three spades by North makes: East-West (11 points, no trump stack)
  // never double it, though they may outbid it with their ten hearts (and
  // North-South bid on).
  const BoardFacts f = SaveBoard();
  int doubled = 0;
  for (int i = 0; i < 300; ++i) {
    Rng rng(i);
    TableSetting table;
    table.home = table.opponents = static_cast<Skill>(i % 3);
    const Contract nt = ClubTableEnd(f, table, {MakeBid(1, NT), 0, East}, rng);
    if (nt.bid == MakeBid(1, NT)) {
      EXPECT_EQ(nt.declarer, East);
      doubled += nt.DoubledCount;
    } else {
      EXPECT_EQ(nt.strain(), Spade);
      EXPECT_EQ(nt.declarer, North);
    }
    const Contract spades = ClubTableEnd(f, table, {MakeBid(3, Spade), 0, North}, rng);
    if (spades.bid == MakeBid(3, Spade)) EXPECT_EQ(spades.DoubledCount, 0);
    else EXPECT_TRUE(spades.bid == MakeBid(4, Heart) || spades.bid == MakeBid(4, Spade)) << spades.bid;
  }
  EXPECT_GT(doubled, 300 / 8);
}

TEST(Field, PlayErrorsShrinkWithSkill) {
  // Declarer's tricks against double dummy, summed over many deals and
  // averaged: stronger declarers against the same defence lose fewer.
  long lost[3] = {0, 0, 0};
  for (int skill = 0; skill < 3; ++skill) {
    Rng rng(77);
    for (int i = 0; i < 4000; ++i) {
      const int t = PlayedTricks(9, static_cast<Skill>(skill), Skill::B, rng);
      ASSERT_GE(t, 7);
      ASSERT_LE(t, 11);
      lost[skill] += 9 - t;
    }
  }
  EXPECT_LT(lost[0], lost[1]);
  EXPECT_LT(lost[1], lost[2]);
  // At the ends of the scale the tricks stay within 0..13 and pile up at the
  // end: a C declarer with no double-dummy trick against an A defence ends
  // with none unless the defence gives one (1.5 %); an A declarer with all
  // thirteen against a C defence keeps them unless he slips one and gets
  // nothing back (2 % x 63 % = 1.3 %).
  Rng rng(1);
  int none = 0, all = 0;
  for (int i = 0; i < 2000; ++i) {
    const int low = PlayedTricks(0, Skill::C, Skill::A, rng);
    ASSERT_GE(low, 0);
    ASSERT_LE(low, 1);
    none += low == 0;
    const int high = PlayedTricks(13, Skill::A, Skill::C, rng);
    ASSERT_GE(high, 12);
    ASSERT_LE(high, 13);
    all += high == 13;
  }
  EXPECT_GT(none, 2000 * 95 / 100);
  EXPECT_GT(all, 2000 * 95 / 100);
}

TEST(Field, StrongerStrataScoreBetterAgainstPar) {
  const StatisticalChooser chooser;
  long imps[3] = {0, 0, 0};
  for (int n = 1; n <= 150; ++n) {
    const BoardFacts f = SyntheticBoard(31, n <= 75 ? "Par09" : "Par10", (n - 1) % 27 + 1);
    const Field field = BuildField(f, chooser, 31);
    const int sign = SideOf(f.UserSeat()) == 1 ? 1 : -1;
    for (int i = 0; i < kFieldSize; ++i) imps[StratumOf(i + 1)] += ImpsForDifference(sign * (field[i].scoreNS - f.par.scoreNS));
  }
  EXPECT_GT(imps[0], imps[1]);
  EXPECT_GT(imps[1], imps[2]);
}

}  // namespace
}  // namespace quorval::eventgen
