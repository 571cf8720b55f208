#pragma once
// Opening leads for the library: the card each lead convention takes from a
// suit and a player's preference among the suits after what the auction told,
// combined into one to four leads with percentages.
#include <array>
#include <vector>

#include "bidding/hand.h"
#include "bidding/system.h"
#include "core/deal.h"

namespace quorval::bidder {

// The card led from a holding of three or more cards, or from a doubleton or
// singleton, under the convention. 0 for an empty holding.
CardCode ConventionalLead(Holding h, TSuit suit, bool noTrump, LeadStyle style);

// What the auction told the leader: suits partner and the opponents showed.
struct LeadHints {
  std::array<bool, 4> partnerSuit{};
  std::array<bool, 4> declarerSideSuit{};
};

struct WeightedLead {
  CardCode card = 0;
  int percent = 0;
};

// One to four leads from the hand with percentages adding up to 100, most
// likely first: the convention's card of each suit, shared by the appeal the
// lead rules give it after what the auction told.
std::vector<WeightedLead> ChooseLeads(const Hand& hand, tAllTrump strain, LeadStyle style, const LeadHints& hints);

// Whole percentages for the weights, each at least 1, summing to 100.
std::vector<int> Percentages(const std::vector<int>& weights);

}  // namespace quorval::bidder
