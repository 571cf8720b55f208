#pragma once
// The solver's verdict on every opening lead of a deal: the tricks the
// defence takes after each card the leader may lead. The stats measure the
// library's lead lists by it.
#include <array>
#include <map>
#include <utility>

#include "core/deal.h"

namespace quorval::eventgen {

// Tricks the defence takes with best play after each possible opening lead,
// indexed by suit and rank; -1 for cards the leader does not hold.
struct LeadValues {
  std::array<std::array<int, 15>, 4> tricks{};
  int best = 0;
  int Of(CardCode c) const { return tricks[SuitOf(c)][RankOf(c)]; }
  bool Keeps(CardCode c) const { return Of(c) == best; }
};

// Solves every lead of the seat against the strain; false when the solver
// refuses the deal. Results are kept per deal, leader and strain.
class LeadSolver {
 public:
  bool Solve(const Deal& deal, Seat leader, tAllTrump strain, LeadValues& out);

 private:
  std::map<std::pair<std::array<Holding, 16>, int>, LeadValues> cache_;
};

}  // namespace quorval::eventgen
