#include <gtest/gtest.h>

#include <memory>

#include "play/engine/engine.h"
#include "play/engine/leads.h"
#include "play/engine/search.h"
#include "play/engine/solver.h"
#include "tests/play/engine_test_util.h"

namespace quorval {
namespace {

using engine::Position;
using engine::Search;

PlayState Started(const Deal& d, tAllTrump trump, Seat declarer) {
  PlayState st;
  StartPlay(st, d, Contract{MakeBid(3, trump), 0, declarer});
  return st;
}

std::unique_ptr<Position> PositionOf(const PlayState& st, int skill, int target = 14) {
  auto p = std::make_unique<Position>();
  EngineOptions o;
  o.skill = skill;
  p->in = EngineInputFrom(st, o, target);
  return p;
}

// Plays random cards until `stop` says the position is the one wanted.
template <class Stop>
bool PlayRandomlyUntil(PlayState& st, std::mt19937& rng, Stop stop) {
  while (!st.Over()) {
    if (stop(st)) return true;
    PlayCard(st, testutil::RandomLegal(st, rng));
  }
  return false;
}

TEST(EngineSearch, SingleCardIsPlayedWithoutSearching) {
  std::mt19937 rng(3);
  PlayState st = Started(testutil::RandomDeal(rng), Spade, South);
  ASSERT_TRUE(PlayRandomlyUntil(st, rng, [](const PlayState& s) { return s.CardsPlayed == 48; }));
  auto p = PositionOf(st, 8, 9);
  Search search(*p, false);
  const CardCode c = search.SelectiveChoice(false);
  EXPECT_TRUE(IsLegalCard(st, c));
  EXPECT_EQ(search.Nodes, 1);      // only the root's candidates were asked for
  EXPECT_EQ(search.Target, 9);     // the target is left alone
}

// The engine's card is legal whatever the skill, over whole boards, and at
// skill 10 every card after the lead is one of the solver's best.
TEST(EngineSearch, WholeBoardsLegalAtEverySkillAndPerfectAtTen) {
  std::mt19937 rng(11);
  for (int skill : {1, 8, 10}) {
    for (int board = 0; board < 3; ++board) {
      PlayState st = Started(testutil::RandomDeal(rng), board + 2, (board + skill) & 3);
      int target = 14;
      while (!st.Over()) {
        SolverResult best;
        if (skill == 10 && st.CardsPlayed > 0) best = engine::Solve(engine::BuildSolverPosition(st));
        const CardCode c = ChooseCard(st, skill, target);
        if (skill == 10 && st.CardsPlayed > 0) {
          EXPECT_TRUE(engine::IsSolverCard(best, c)) << CardText(c);
        }
        ASSERT_TRUE(PlayCard(st, c)) << "skill " << skill << " card " << st.CardsPlayed;
        ASSERT_GE(target, 0);
        ASSERT_LE(target, 14);
      }
    }
  }
}

// The values the engine keeps from one call to the next belong to one play of
// one deal: kept while the same play goes on, forgotten at the opening lead and
// when another deal or contract comes to the engine.
TEST(EngineSearch, KeptLeadValuesBelongToOnePlay) {
  std::mt19937 rng(29);
  PlayState st = Started(testutil::RandomDeal(rng), Spade, South);
  for (int i = 0; i < 5; ++i) PlayCard(st, testutil::RandomLegal(st, rng));
  auto p = PositionOf(st, 8);
  engine::KeepLeadWideFor(p->in);
  engine::LastLeadWide().PdEntries = 3;
  PlayCard(st, testutil::RandomLegal(st, rng));
  engine::KeepLeadWideFor(PositionOf(st, 8)->in);
  EXPECT_EQ(engine::LastLeadWide().PdEntries, 3);   // the same play goes on
  const Deal otherDeal = testutil::RandomDeal(rng);
  PlayState other = Started(otherDeal, Spade, South);
  PlayCard(other, testutil::RandomLegal(other, rng));
  engine::KeepLeadWideFor(PositionOf(other, 8)->in);
  EXPECT_EQ(engine::LastLeadWide().PdEntries, 0);   // another deal
  engine::LastLeadWide().PdEntries = 3;
  const PlayState replay = Started(otherDeal, Spade, South);
  engine::KeepLeadWideFor(PositionOf(replay, 8)->in);
  EXPECT_EQ(engine::LastLeadWide().PdEntries, 0);   // the same board played again
  engine::LastLeadWide().PdEntries = 3;
  PlayState sameCardsOtherTrumps = other;
  sameCardsOtherTrumps.Trump = Heart;
  engine::KeepLeadWideFor(PositionOf(sameCardsOtherTrumps, 8)->in);
  EXPECT_EQ(engine::LastLeadWide().PdEntries, 0);   // another contract
}

TEST(EngineSearch, OpeningLeadLeavesTheTargetUnsetEvenAtSkillTen) {
  std::mt19937 rng(5);
  const PlayState st = Started(testutil::RandomDeal(rng), NT, North);
  for (int skill : {8, 10}) {
    int target = 14;
    EXPECT_TRUE(IsLegalCard(st, ChooseCard(st, skill, target)));
    EXPECT_EQ(target, 14);
  }
}

TEST(EngineSearch, TargetIsKeptAfterTheOpponentsGiveATrick) {
  // After the target is set, an East-West card that loses a trick double
  // dummy is played; North-South's next choice keeps the standing target.
  std::mt19937 rng(21);
  int checked = 0;
  for (int board = 0; board < 40 && checked < 3; ++board) {
    PlayState st = Started(testutil::RandomDeal(rng), board % 5, South);
    int target = 14;
    // Opening lead and two more engine cards establish the target.
    while (st.CardsPlayed < 3) PlayCard(st, ChooseCard(st, 8, target));
    if (target > 13) continue;
    // Let the engine play on until East-West are to play with a losing card.
    bool gifted = false;
    while (!st.Over() && st.CardsPlayed < 40 && !gifted) {
      if (SideOf(st.ToPlay) == 2) {
        const SolverResult best = engine::Solve(engine::BuildSolverPosition(st));
        const auto legal = LegalHoldings(st);
        for (TSuit u = 0; u < 4 && !gifted; ++u)
          for (TRank r = 2; r <= 14 && !gifted; ++r) {
            const CardCode c = MakeCard(r, u);
            if ((legal[u] & RankBit(r)) && !engine::IsSolverCard(best, c)) {
              PlayCard(st, c);
              gifted = true;
            }
          }
        if (gifted) break;
      }
      PlayCard(st, ChooseCard(st, 8, target));
    }
    if (!gifted) continue;
    PlayRandomlyUntil(st, rng, [](const PlayState& s) { return SideOf(s.ToPlay) == 1; });
    if (st.Over()) continue;
    const int before = target;
    ChooseCard(st, 8, target);
    EXPECT_EQ(target, before) << "board " << board;   // not raised by the gift
    ++checked;
  }
  EXPECT_GE(checked, 1);
}

TEST(EngineSearch, VoidFollowerBeyondTheLimitTriesOnlyLowestRuns) {
  // Skill 10 searches with heuristics only to card 20; between 21 and 28 a
  // void follower at no trump tries the top of the lowest run of each suit.
  std::mt19937 rng(8);
  int found = 0;
  for (int board = 0; board < 60 && found < 3; ++board) {
    PlayState st = Started(testutil::RandomDeal(rng), NT, board & 3);
    const bool ok = PlayRandomlyUntil(st, rng, [](const PlayState& s) {
      return s.CardsPlayed > 20 && s.CardsPlayed < 29 && s.TrickPos > 1 &&
             s.Hands[s.ToPlay].Suits[s.SuitLed].CurrentHolding == 0;
    });
    if (!ok) continue;
    auto p = PositionOf(st, 10, 7);
    Search search(*p, false);
    search.SelectiveChoice(true);
    for (TSuit u = 0; u < 4; ++u)
      EXPECT_EQ(search.RootMoves[u], engine::TopOfLowestRun(st.Hands[st.ToPlay].Suits[u].CurrentHolding));
    ++found;
  }
  EXPECT_GE(found, 1);
}

// The table of positions beyond the depth limit, the order in which cards
// are tried there and the cut by the leader's top cards only save time:
// every choice and target is the same without them.
TEST(EngineSearch, PositionTableChangesNoChoice) {
  std::mt19937 rng(29);
  size_t used = 0;
  for (int board = 0; board < 4; ++board) {
    PlayState st = Started(testutil::RandomDeal(rng), board + 1, board & 3);
    int target = 14;
    while (st.CardsPlayed < 28) {
      auto with = PositionOf(st, 6, target);
      auto without = PositionOf(st, 6, target);
      Search a(*with, false), b(*without, false);
      b.UseTable = false;
      b.FastTail = false;
      // Both searches start from the same lead values kept between calls.
      const engine::LeadWide kept = engine::LastLeadWide();
      const CardCode ca = a.SelectiveChoice(false);
      engine::LastLeadWide() = kept;
      ASSERT_EQ(ca, b.SelectiveChoice(false)) << "board " << board << " card " << st.CardsPlayed;
      ASSERT_EQ(a.Target, b.Target);
      target = a.Target;
      used += a.TableEntries();
      EXPECT_EQ(b.TableEntries(), 0u);
      ASSERT_TRUE(PlayCard(st, ca));
    }
  }
  EXPECT_GT(used, 0u);
}

TEST(BoundsTable, KeepsEveryPositionAsItGrows) {
  engine::BoundsTable table;
  const auto key = [](uint64_t i) { return engine::PositionKey{i * 0x9E3779B97F4A7C15ull, i}; };
  for (uint64_t i = 0; i < 20000; ++i) table.At(key(i)).lo = static_cast<int8_t>(i % 13);
  EXPECT_EQ(table.Size(), 20000u);
  for (uint64_t i = 0; i < 20000; i += 7) {
    const engine::TrickBounds* b = table.Find(key(i));
    ASSERT_NE(b, nullptr) << i;
    EXPECT_EQ(b->lo, static_cast<int8_t>(i % 13));
    EXPECT_EQ(b->hi, 13);
  }
  EXPECT_EQ(table.Find(key(20000)), nullptr);
  table.At(key(5)).hi = 4;   // found again, not added
  EXPECT_EQ(table.Size(), 20000u);
  EXPECT_EQ(table.Find(key(5))->hi, 4);
  table.Clear();
  EXPECT_EQ(table.Find(key(5)), nullptr);
}

TEST(EngineAsync, SameAnswerAsTheCallOnTheWindowThread) {
  std::mt19937 rng(17);
  PlayState st = Started(testutil::RandomDeal(rng), Heart, East);
  for (int skill : {8, 10}) {
    for (int n = 0; n < 3; ++n) {
      PlayCard(st, testutil::RandomLegal(st, rng));
      int target = 14;
      const CardCode sync = ChooseCard(st, skill, target);
      EngineOptions o;
      o.skill = skill;
      const EngineAnswer answer = ChooseCardAsync(st, o, 14).get();
      EXPECT_EQ(answer.card, sync);
      EXPECT_EQ(answer.target, target);
      EXPECT_TRUE(answer.message.empty());
    }
  }
}

}  // namespace
}  // namespace quorval
