#include "eventsets/lead_values.h"

#include <algorithm>

#include "play/dd_solver.h"

namespace quorval::eventgen {

bool LeadSolver::Solve(const Deal& deal, Seat leader, tAllTrump strain, LeadValues& out) {
  const auto key = std::make_pair(deal.holdings, leader * 5 + strain);
  if (const auto it = cache_.find(key); it != cache_.end()) {
    out = it->second;
    return true;
  }
  SolverPosition pos;
  pos.trump = strain;
  pos.first = leader;
  for (Seat s = 0; s < 4; ++s)
    for (TSuit suit = 0; suit < 4; ++suit) pos.remain[s][suit] = deal.at(s, suit);
  const SolverResult r = SolveWith(pos, -1, 3, 0);
  if (r.status != 1) return false;
  LeadValues v;
  for (auto& suit : v.tricks) suit.fill(-1);
  v.best = 0;
  for (int i = 0; i < r.cards; ++i) {
    const TSuit suit = SuitOf(r.card[i]);
    v.tricks[suit][RankOf(r.card[i])] = r.score[i];
    for (TRank rank = 2; rank <= Ace; ++rank)
      if (r.equals[i] & RankBit(rank)) v.tricks[suit][rank] = r.score[i];
    v.best = std::max(v.best, r.score[i]);
  }
  cache_.emplace(key, v);
  out = v;
  return true;
}

}  // namespace quorval::eventgen
