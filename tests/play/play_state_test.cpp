#include "play/play_state.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quorval {
namespace {

Deal ParseOrFail(const char* text) {
  Deal d;
  std::vector<std::string> errors;
  EXPECT_TRUE(ParseDeal(text, d, errors)) << text;
  EXPECT_TRUE(DealIsComplete(d)) << text;
  return d;
}

// Every seat holds a run in each suit, so tricks are easy to follow.
Deal EvenDeal() {
  return ParseOrFail("N:AKQJ.T98.765.432 T98.AKQJ.432.765 765.432.AKQJ.T98 432.765.T98.AKQJ");
}

// North and East are void in clubs; West holds the top clubs.
Deal RuffDeal() {
  return ParseOrFail("N:2.AKQJT987.6543. 3.65432.AKQJT98. 654..72.98765432 AKQJT987...AKQJT");
}

PlayState Started(const Deal& deal, tAllTrump strain, Seat declarer) {
  PlayState st;
  StartPlay(st, deal, Contract{MakeBid(3, strain), 0, declarer});
  return st;
}

CardCode C(const char* text) { return ParseCard(text); }

void Play(PlayState& st, std::initializer_list<const char*> cards) {
  for (const char* c : cards) ASSERT_TRUE(PlayCard(st, C(c))) << c;
}

TEST(PlayStateStart, SeatsFromTheContract) {
  const PlayState st = Started(EvenDeal(), Spade, South);
  EXPECT_EQ(st.OpeningLeader, West);
  EXPECT_EQ(st.ToPlay, West);
  EXPECT_EQ(st.Dummy, North);
  EXPECT_EQ(st.Trump, Spade);
  EXPECT_EQ(st.EngineTarget, 14);
  EXPECT_EQ(st.TrickPos, 1);
  const PlayState east = Started(EvenDeal(), NT, East);
  EXPECT_EQ(east.ToPlay, South);
  EXPECT_EQ(east.Dummy, West);
}

TEST(PlayStateRules, RefusesRevokeAbsentCardAndBadCodesWithoutChange) {
  PlayState st = Started(EvenDeal(), NT, South);   // West leads
  Play(st, {"AC"});
  const PlayState before = st;
  EXPECT_FALSE(PlayCard(st, C("AS")));             // North holds clubs: a revoke
  EXPECT_FALSE(PlayCard(st, C("KD")));             // not North's card
  EXPECT_FALSE(PlayCard(st, 0));
  EXPECT_FALSE(PlayCard(st, C("4C") | C("3C")));   // two ranks in one code
  EXPECT_EQ(st.CardsPlayed, before.CardsPlayed);
  EXPECT_EQ(st.Hands[North].Suits[Spade].CurrentHolding,
            before.Hands[North].Suits[Spade].CurrentHolding);
  EXPECT_EQ(st.TrickTable, before.TrickTable);
  EXPECT_TRUE(PlayCard(st, C("2C")));
}

TEST(PlayStateRules, VoidFollowerMayPlayAnyCard) {
  PlayState st = Started(RuffDeal(), NT, South);
  Play(st, {"AC"});
  const auto legal = LegalHoldings(st);
  EXPECT_EQ(legal[Club], 0);
  EXPECT_EQ(legal[Heart], st.Hands[North].Suits[Heart].CurrentHolding);
  EXPECT_TRUE(IsLegalCard(st, C("2S")));
  EXPECT_TRUE(IsLegalCard(st, C("6D")));
}

struct TrickRow {
  tAllTrump trump;
  std::vector<const char*> cards;   // West leads, South declares
  Seat winner;
  int declarerTricks;
};

TEST(PlayStateRules, TrickWinner) {
  const std::vector<TrickRow> rows = {
      {Spade, {"AC", "2S", "3S", "2C"}, East, 0},     // overruff beats ruff
      {Spade, {"AC", "2S", "2H", "2C"}, North, 1},    // discard does not beat ruff
      {NT, {"AC", "AH", "AD", "2C"}, West, 0},        // no trumps: aces off-suit lose
      {Heart, {"AC", "7H", "2H", "2C"}, North, 1},    // higher ruff wins
      {Diamond, {"AC", "3D", "8D", "9C"}, East, 0},
      {Club, {"TC", "2S", "3S", "2C"}, West, 0},      // trump led: side cards never win
  };
  for (const auto& row : rows) {
    PlayState st = Started(RuffDeal(), row.trump, South);
    for (const char* c : row.cards) ASSERT_TRUE(PlayCard(st, C(c))) << c;
    EXPECT_EQ(st.Leader, row.winner) << row.cards[1];
    EXPECT_EQ(st.ToPlay, row.winner);
    EXPECT_EQ(TrickWinner(st, 0), row.winner);
    EXPECT_EQ(st.DeclarerTricks, row.declarerTricks);
    EXPECT_EQ(SideTricks(st, 1) + SideTricks(st, 2), 1);
  }
}

TEST(PlayStateUndo, UndoTrickReturnsCardsAndUncountsACompletedTrick) {
  PlayState st = Started(RuffDeal(), Spade, South);
  Play(st, {"AC", "2S", "2H", "2C"});   // North wins for declarer
  Play(st, {"AH", "3H"});
  UndoTrick(st);                        // the unfinished trick goes back
  EXPECT_EQ(st.CardsPlayed, 4);
  EXPECT_EQ(st.ToPlay, North);
  EXPECT_EQ(st.DeclarerTricks, 1);
  EXPECT_TRUE(st.Hands[North].Holds(C("AH")));
  EXPECT_TRUE(st.Hands[East].Holds(C("3H")));
  UndoTrick(st);                        // now the whole completed trick
  EXPECT_EQ(st.CardsPlayed, 0);
  EXPECT_EQ(st.DeclarerTricks, 0);
  EXPECT_EQ(st.ToPlay, West);
  EXPECT_TRUE(st.Hands[West].Holds(C("AC")));
  EXPECT_EQ(st.TrickTable[North][0], 0);
  UndoTrick(st);                        // nothing left: harmless
  EXPECT_EQ(st.CardsPlayed, 0);
}

TEST(PlayStateUndo, TakeBackOfALeadShowsThePreviousTrickAgain) {
  PlayState st = Started(EvenDeal(), NT, South);
  Play(st, {"AC", "2C", "5C", "8C"});   // West wins
  Play(st, {"KC"});
  EXPECT_EQ(TakeBack(st), C("KC"));
  EXPECT_EQ(st.CardsPlayed, 4);
  EXPECT_EQ(st.ToPlay, West);
  EXPECT_TRUE(st.Hands[West].Holds(C("KC")));
  EXPECT_EQ(st.TrickTable[South][0], C("8C"));   // the trick is complete again
  EXPECT_EQ(st.TrickTable[West][1], 0);
  EXPECT_EQ(st.DeclarerTricks, 0);
  EXPECT_EQ(SideTricks(st, 2), 1);
  // Taking back the fourth card leaves three on the table.
  EXPECT_EQ(TakeBack(st), C("8C"));
  EXPECT_EQ(st.CardsPlayed, 3);
  EXPECT_EQ(st.ToPlay, South);
  EXPECT_EQ(st.TrickNo, 0);
  EXPECT_EQ(SideTricks(st, 2), 0);
}

TEST(PlayStateUndo, TakeBackOfTheFirstCardReturnsToTheStart) {
  PlayState st = Started(EvenDeal(), NT, South);
  Play(st, {"AC"});
  EXPECT_EQ(TakeBack(st), C("AC"));
  EXPECT_EQ(st.CardsPlayed, 0);
  EXPECT_EQ(st.ToPlay, West);
  EXPECT_EQ(TakeBack(st), 0);
}

// Plays random legal cards through whole deals and checks what must hold at
// every step: thirteen tricks shared out, the log, and a full take-back.
TEST(PlayStateUndo, RandomPlaysKeepCountsAndUndoRestoresTheDeal) {
  std::mt19937 rng(7);
  for (int round = 0; round < 30; ++round) {
    const Seat declarer = round % 4;
    PlayState st = Started(round % 2 ? EvenDeal() : RuffDeal(), round % 5, declarer);
    while (!st.Over()) {
      const auto legal = LegalHoldings(st);
      std::vector<CardCode> cards;
      for (TSuit u = 0; u < 4; ++u)
        for (TRank r = 2; r <= 14; ++r)
          if (legal[u] & RankBit(r)) cards.push_back(MakeCard(r, u));
      ASSERT_FALSE(cards.empty());
      ASSERT_TRUE(PlayCard(st, cards[rng() % cards.size()]));
    }
    EXPECT_EQ(SideTricks(st, 1) + SideTricks(st, 2), 13);
    EXPECT_EQ(st.LastTrickWinner, st.PlayLog[52].seat);
    for (const auto& h : st.Hands) EXPECT_EQ(h.CardsLeftTotal(), 0);

    PlayState replayed = st;
    ASSERT_TRUE(ReplayPlays(replayed, 52));
    EXPECT_EQ(replayed.DeclarerTricks, st.DeclarerTricks);
    EXPECT_EQ(replayed.TrickTable, st.TrickTable);

    ASSERT_TRUE(ReplayPlays(replayed, 21));
    EXPECT_EQ(replayed.CardsPlayed, 21);
    EXPECT_EQ(replayed.ToPlay, st.PlayLog[21].seat);

    while (st.CardsPlayed > 0) TakeBack(st);
    EXPECT_EQ(st.DeclarerTricks, 0);
    for (const auto& h : st.Hands)
      for (const auto& s : h.Suits) EXPECT_EQ(s.CurrentHolding, s.DealtHolding);
  }
}

TEST(PlayStateTable, DefaultCardFollowsSuitOrLastWinningSuit) {
  PlayState st = Started(EvenDeal(), NT, South);
  EXPECT_EQ(DefaultCard(st), C("JC"));   // West: first suit held, clubs upward
  Play(st, {"8D"});
  EXPECT_EQ(DefaultCard(st), C("5D"));   // North follows low
  Play(st, {"5D", "2D", "JD"});          // South wins with the jack
  EXPECT_EQ(DefaultCard(st), C("QD"));   // and leads the winning suit again
}

TEST(PlayStateTable, PauseFallsThroughThePlay) {
  PlayState st = Started(EvenDeal(), NT, South);
  EXPECT_DOUBLE_EQ(PauseSeconds(st, false), 2.0);
  EXPECT_DOUBLE_EQ(PauseSeconds(st, true), 0.0);
  Play(st, {"AC"});
  EXPECT_DOUBLE_EQ(PauseSeconds(st, false), 0.5);
}

// Typed suit keys: the language's own letters first, the English ones
// where the language leaves them free.
TEST(PlayStateKeys, SuitLettersOfTheLanguageAndTheEnglishOnes) {
  struct Row {
    const char* letters;
    char key;
    int suit;
  };
  const Row rows[] = {
      {"CDHS", 'C', 0}, {"CDHS", 's', 3}, {"CDHS", 'K', -1}, {"CDHS", 'N', -1},
      // Danish, Norwegian and Swedish: K clubs, R diamonds; C and D still work.
      {"KRHS", 'K', 0}, {"KRHS", 'r', 1}, {"KRHS", 'H', 2}, {"KRHS", 'S', 3},
      {"KRHS", 'C', 0}, {"KRHS", 'D', 1}, {"KRHS", 'Q', -1}, {"KRHS", 'T', -1},
      // A language that gives C to hearts: C is hearts, never clubs; the
      // free English D stays diamonds.
      {"TKCP", 'C', 2}, {"TKCP", 'T', 0}, {"TKCP", 'D', 1}, {"TKCP", 'S', 3},
      {"TKCP", 'H', 2},
      // No letters given: the English ones.
      {"", 'D', 1}, {"KRHS", '\0', -1},
  };
  for (const Row& r : rows)
    EXPECT_EQ(SuitOfKey(r.letters, r.key), r.suit) << r.letters << " " << r.key;
}

}  // namespace
}  // namespace quorval
