// The honest computer's choices: they rest only on what its seat can see,
// and they follow the odds rather than the hidden cards.
#include <gtest/gtest.h>

#include "data/board_file.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "play/engine/engine.h"
#include "play/honest/honest_engine.h"
#include "play/honest/knowledge.h"
#include "tests/play/engine_test_util.h"
#include "tests/play/honest_test_util.h"

namespace quorval::honest {
namespace {

// Moves one card from one seat's hand to another's, as if it had been dealt
// there: the dealt hands change with the current ones.
void MoveCard(PlayState& st, Seat from, Seat to, CardCode card) {
  const TSuit u = SuitOf(card);
  const Holding bit = card & kRankMask;
  auto& a = st.Hands[from].Suits[u];
  auto& b = st.Hands[to].Suits[u];
  a.CurrentHolding &= ~bit;
  a.DealtHolding &= ~bit;
  b.CurrentHolding |= bit;
  b.DealtHolding |= bit;
  Recount(st.Hands[from]);
  Recount(st.Hands[to]);
}

// Exchanges hidden cards between two hidden hands, many times at random,
// never giving a seat a card of a suit it has shown out of.
PlayState Reshuffled(const PlayState& st, std::mt19937& rng) {
  PlayState out = st;
  const SeatKnowledge k = KnowledgeOf(st);
  std::array<Seat, 4> hidden{};
  const int n = HiddenSeats(k, hidden);
  if (n < 2) return out;
  for (int step = 0; step < 40; ++step) {
    const Seat a = hidden[rng() % n], b = hidden[rng() % n];
    if (a == b) continue;
    std::vector<CardCode> fromA, fromB;
    for (TSuit u = 0; u < 4; ++u)
      for (TRank r = 2; r <= 14; ++r) {
        if ((out.Hands[a].Suits[u].CurrentHolding & RankBit(r)) && !k.showedOut[b][u]) fromA.push_back(MakeCard(r, u));
        if ((out.Hands[b].Suits[u].CurrentHolding & RankBit(r)) && !k.showedOut[a][u]) fromB.push_back(MakeCard(r, u));
      }
    if (fromA.empty() || fromB.empty()) continue;
    MoveCard(out, a, b, fromA[rng() % fromA.size()]);
    MoveCard(out, b, a, fromB[rng() % fromB.size()]);
  }
  return out;
}

bool SameHiddenCards(const PlayState& a, const PlayState& b) {
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u)
      if (a.Hands[s].Suits[u].CurrentHolding != b.Hands[s].Suits[u].CurrentHolding) return false;
  return true;
}

struct ShippedBoard {
  PlayState start;
  BoardContext context;
  CardCode libraryLead = 0;
};

// A board of the shipped events with the main line of its Danish Basic
// auctions.
std::optional<ShippedBoard> Shipped(const std::string& key) {
  SequenceLibrary library;
  library.LoadSequenceLibrary(testutil::ShippedFileText(kLibraryFileName));
  TBridgeINI boards(std::string(QUORVAL_SOURCE_DIR) + "/events/" + kBoardFileName);
  BoardStatus status = BoardStatus::NotFound;
  const std::optional<BoardRecord> board = boards.ReadBoard(key, status);
  if (!board) return std::nullopt;
  for (const std::string& text : library.SectionLines(key, 'D')) {
    const std::optional<LibraryLine> line = ParseLibraryLine(text);
    if (!line) continue;
    Auction auction(board->dealer);
    for (CallCode c : line->calls) auction.Make(c);
    if (!auction.Over() || auction.Result().PassedOut()) return std::nullopt;
    ShippedBoard b;
    StartPlay(b.start, board->deal, auction.Result());
    b.context.auction = {board->dealer, line->calls, 'D'};
    b.context.contract = auction.Result();
    b.context.seed = 17;
    b.libraryLead = line->leads.empty() ? 0 : line->leads.front().card;
    return b;
  }
  return std::nullopt;
}

TEST(HonestEngine, NeverDependsOnCardsItCannotSee) {
  std::mt19937 rng(2005);
  int compared = 0;
  // Positions of four shipped boards: early, middle and late in the play,
  // with the cards played by the engine of the table.
  for (const char* key : {"Imp01.02", "Imp03.11", "Par02.07", "Par09.20"}) {
    const std::optional<ShippedBoard> b = Shipped(key);
    ASSERT_TRUE(b) << key;
    PlayState st = b->start;
    int target = st.EngineTarget;
    for (int stop : {1, 6, 19, 30, 41}) {
      while (st.CardsPlayed < stop) {
        const CardCode c = st.CardsPlayed == 0 && b->libraryLead ? b->libraryLead : ChooseCard(st, 1, target);
        ASSERT_TRUE(PlayCard(st, c));
      }
      const CardCode chosen = ChooseHonestCard(st, b->context, 8, 3).card;
      ASSERT_TRUE(IsLegalCard(st, chosen)) << key << " card " << stop;
      for (int variant = 0; variant < 2; ++variant) {
        // Late in the play the show-outs may leave the hidden cards only one
        // way to lie (one hidden hand all diamonds, the other void in them):
        // nothing can then be moved, and the position proves nothing.
        PlayState moved = Reshuffled(st, rng);
        for (int retry = 0; retry < 4 && SameHiddenCards(moved, st); ++retry) moved = Reshuffled(st, rng);
        if (SameHiddenCards(moved, st)) break;
        EXPECT_EQ(ChooseHonestCard(moved, b->context, 8, 3).card, chosen)
            << key << " with " << stop << " cards played";
        ++compared;
      }
    }
  }
  EXPECT_GE(compared, 30);
}

TEST(HonestEngine, TheOpeningLeadComesFromTheLeadersHandAndTheAuction) {
  const std::optional<ShippedBoard> b = Shipped("Imp02.05");
  ASSERT_TRUE(b);
  const CardCode lead = ChooseHonestCard(b->start, b->context, 8, 3).card;
  ASSERT_TRUE(IsLegalCard(b->start, lead));
  std::mt19937 rng(5);
  EXPECT_EQ(ChooseHonestCard(Reshuffled(b->start, rng), b->context, 8, 3).card, lead);
}

// Four cards left; South (declarer in 4NT) needs every trick. North leads
// the two of hearts, East plays the four; South holds the ace and queen. On
// this deal West holds the king alone, so only the ace takes all four. With
// three of the seven hidden cards in East's hand the king is there more
// often than alone with West: the honest declarer finesses.
constexpr const char* kFinesseDeal = "N:KQJ.J7632.KQ.JT9 T98.T54.J986.876 A765.AQ9.A54.543 432.K8.T732.AKQ2";
const Contract k4NT{MakeBid(4, NT), 0, South};

PlayState FinesseEnding() {
  PlayState st;
  StartPlay(st, testutil::DealFrom(kFinesseDeal), k4NT);
  for (const char* c : {"AC", "9C", "6C", "3C", "KC", "TC", "7C", "4C", "QC", "JC", "8C", "5C",
                        "8H", "JH", "TH", "9H", "KD", "6D", "4D", "2D", "QD", "JD", "5D", "3D",
                        "KS", "8S", "5S", "2S", "QS", "9S", "6S", "3S", "JS", "TS", "7S", "4S",
                        "2H", "4H"})
    EXPECT_TRUE(PlayCard(st, ParseCard(c))) << c;
  return st;
}

TEST(HonestEngine, TakesTheFinesseThatTheOddsFavour) {
  const PlayState st = FinesseEnding();
  ASSERT_EQ(st.ToPlay, South);
  ASSERT_EQ(st.DeclarerTricks, 6);
  BoardContext board;
  board.contract = k4NT;
  EXPECT_EQ(ChooseHonestCard(st, board, 8, 3).card, ParseCard("QH"));
  // The engine that sees all four hands drops the king.
  int target = 14;
  EXPECT_EQ(ChooseCard(st, 10, target), ParseCard("AH"));
  // Through the engine's entry with the option on: the same finesse.
  EngineOptions honest;
  honest.honest = true;
  honest.board = board;
  EXPECT_EQ(ChooseCard(st, honest, target), ParseCard("QH"));
}

TEST(HonestEngine, NoSolvingWhenTheCardsAreEqual) {
  PlayState st;
  StartPlay(st, testutil::DealFrom(kFinesseDeal), k4NT);
  BoardContext board;
  board.contract = k4NT;
  ASSERT_TRUE(PlayCard(st, ParseCard("AC")));
  ASSERT_TRUE(PlayCard(st, ParseCard("9C")));
  // East's 8, 7 and 6 of clubs touch: whichever it plays, nothing changes.
  HonestDecision d = ChooseHonestCard(st, board, 8, 3);
  EXPECT_EQ(d.solverCalls, 0);
  EXPECT_TRUE(d.card == ParseCard("8C") || d.card == ParseCard("7C") || d.card == ParseCard("6C"));
  // West after the finesse holds the king alone: played at once.
  PlayState ending = FinesseEnding();
  ASSERT_TRUE(PlayCard(ending, ParseCard("QH")));
  d = ChooseHonestCard(ending, board, 8, 3);
  EXPECT_EQ(d.card, ParseCard("KH"));
  EXPECT_EQ(d.layouts, 0);
}

}  // namespace
}  // namespace quorval::honest
