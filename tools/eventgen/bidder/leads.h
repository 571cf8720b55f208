#pragma once
// Opening leads for the library: the card each lead convention takes from a
// suit, a player's preference among the suits, and the solver's verdict on
// every card, combined into one to four leads with percentages.
#include <array>
#include <map>
#include <vector>

#include "core/deal.h"
#include "tools/eventgen/bidder/system.h"

namespace quorval::bidder {

// The card led from a holding of three or more cards, or from a doubleton or
// singleton, under the convention. 0 for an empty holding.
CardCode ConventionalLead(Holding h, TSuit suit, bool noTrump, LeadStyle style);

// Tricks the defence takes with best play after each possible opening lead,
// indexed by suit and rank; -1 for cards the leader does not hold.
struct LeadValues {
  std::array<std::array<int, 15>, 4> tricks{};
  int best = 0;
  int Of(CardCode c) const { return tricks[SuitOf(c)][RankOf(c)]; }
  bool Keeps(CardCode c) const { return Of(c) == best; }
};

// Solves every lead of the seat against the strain with libdds; false when
// the solver refuses the deal. Results are cached per deal, leader and strain.
class LeadSolver {
 public:
  bool Solve(const Deal& deal, Seat leader, tAllTrump strain, LeadValues& out);

 private:
  std::map<std::pair<std::array<Holding, 16>, int>, LeadValues> cache_;
};

// What the auction told the leader: suits partner and the opponents showed.
struct LeadHints {
  std::array<bool, 4> partnerSuit{};
  std::array<bool, 4> declarerSideSuit{};
};

struct WeightedLead {
  CardCode card = 0;
  int percent = 0;
};

// One to four leads with percentages adding up to 100, most likely first.
// The solver's values (when given) push the leads that keep the double-dummy
// result to the front and keep the others rare.
std::vector<WeightedLead> ChooseLeads(const Deal& deal, Seat leader, tAllTrump strain, LeadStyle style,
                                      const LeadHints& hints, const LeadValues* values);

// Whole percentages for the weights, each at least 1, summing to 100.
std::vector<int> Percentages(const std::vector<int>& weights);

}  // namespace quorval::bidder
