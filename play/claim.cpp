#include "play/claim.h"

#include <array>

#include "play/dd_solver.h"
#include "play/engine/solver.h"

namespace quorval {
namespace {

using Held = std::array<std::array<Holding, 4>, 4>;   // [seat][suit]

// Takes the lowest card of a holding away.
void DropLowest(Holding& h) { h &= static_cast<Holding>(~RankBit(LowestRank(h))); }

// The card partner of the leader plays under `led`: the lowest of its suit,
// or, void, a discard that is no trump (from a suit the leader does not hold
// when it can, so that no later lead is blocked). False when partner must
// win the trick: the suit is blocked or only trumps are left to play.
bool PartnerPlaysUnder(Held& held, Seat partner, Seat leader, CardCode led, tAllTrump trump) {
  const TSuit suit = SuitOf(led);
  Holding& same = held[partner][suit];
  if (same) {
    if (LowestRank(same) > RankOf(led)) return false;
    DropLowest(same);
    return true;
  }
  int best = -1;
  for (TSuit u = 0; u < 4; ++u) {
    if (!held[partner][u] || (trump != NT && u == trump)) continue;
    if (best < 0 || (held[leader][u] == 0 && held[leader][best] != 0)) best = u;
  }
  if (best < 0) return false;
  DropLowest(held[partner][best]);
  return true;
}

}  // namespace

int TricksLeft(const PlayState& st) {
  // The seat to play has not played to the trick in progress: its cards are
  // the tricks that are left.
  return st.Over() ? 0 : st.Hands[st.ToPlay].CardsLeftTotal();
}

int SideTricksLeft(const PlayState& st, Side side, int threadIndex, int* status) {
  const int left = TricksLeft(st);
  if (status) *status = 1;
  if (left == 0) return 0;
  const SolverResult r = SolveWith(engine::BuildSolverPosition(st), -1, 1, threadIndex);
  if (r.status != 1 || r.cards <= 0) {
    if (status) *status = r.status;
    return -1;
  }
  const int toPlay = r.score[0];
  return SideOf(st.ToPlay) == side ? toPlay : left - toPlay;
}

ClaimVerdict JudgeClaim(const PlayState& st, Side side, int tricks, int threadIndex) {
  ClaimVerdict v;
  const int dd = SideTricksLeft(st, side, threadIndex, &v.status);
  if (dd < 0) return v;
  v.judged = true;
  v.ddTricks = dd;
  v.accepted = tricks >= 0 && tricks <= TricksLeft(st) && tricks <= dd;
  return v;
}

bool TopCardsTakeTheRest(const PlayState& st) {
  if (st.Over() || st.TrickPos != 1 || !st.OnDeclarerSide(st.ToPlay)) return false;
  const Seat leader = st.ToPlay, partner = PartnerOf(leader);
  const std::array<Seat, 2> opponents{NextSeat(leader), PrevSeat(leader)};
  const tAllTrump trump = st.Trump;
  Held held{};
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) held[s][u] = st.Hands[s].Suits[u].CurrentHolding & 0x7FFC;

  // The leader's cards in the order they are cashed: trumps first, then the
  // other suits, each from the top.
  std::array<TSuit, 4> order{Spade, Heart, Diamond, Club};
  if (trump != NT)
    for (size_t i = 0; i < 4; ++i)
      if (order[i] == trump) std::swap(order[0], order[i]);
  for (const TSuit suit : order) {
    while (held[leader][suit]) {
      const TRank rank = HighestRank(held[leader][suit]);
      const CardCode led = MakeCard(rank, suit);
      held[leader][suit] &= static_cast<Holding>(~RankBit(rank));
      for (const Seat opp : opponents) {
        Holding& same = held[opp][suit];
        if (same) {
          // An opponent keeps its best card: it follows with the lowest.
          if (HighestRank(same) > rank) return false;
          DropLowest(same);
        } else if (trump != NT && suit != trump && held[opp][trump]) {
          return false;   // a ruff
        }
        // A discard is left in the opponent's hand: it can only make the
        // count harder, never easier.
      }
      if (!PartnerPlaysUnder(held, partner, leader, led, trump)) return false;
    }
  }
  return true;
}

}  // namespace quorval
