#pragma once
// The opening lead drawn from the leads the sequence library stores after
// each auction ("...,P,P,Lead,5C,75,QD,25"), at random with their weights.

#include <random>
#include <string>
#include <vector>

#include "play/engine/engine.h"
#include "play/play_state.h"

namespace quorval {

// The items after the first "Lead," of a sequence line, split at the commas
// (at most 250 characters are read). Empty when the line has no lead list.
std::vector<std::string> LeadItems(const std::string& sequenceLine);

// Converts a lead item's first two characters into a card value; 0 when it
// is not a card (an unknown rank, or shorter than two characters). A suit
// letter other than C, D, H, S gives suit value 4 in the stored form, which
// no hand holds; here it is reported as 0 as well.
CardCode LeadCardOf(const std::string& item);

struct LeadDraw {
  CardCode card = 0;      // the card drawn, 0 when the list is empty or bad
  std::string badItem;    // the malformed item that stopped the draw, if any
};
// Walks the (card, percentage) pairs until the running total exceeds r
// (0..98). A malformed card item stops the draw there.
LeadDraw DrawLead(const std::vector<std::string>& items, int r);

// GetLisk2000Card: for the opening lead, a card drawn from the lead list of
// the sequence line (the honest computer leads its own choice instead); for
// every later card, the engine's choice. Never
// returns a card the seat to play cannot legally play: when the list is
// empty ("No Lead for this sequence"), malformed ("Bad Lead ...") or names a
// card the leader does not hold, the engine's card is led instead.
CardCode GetLisk2000Card(const PlayState& st, const std::string& sequenceLine, std::mt19937& rng,
                         const EngineOptions& options, int& engineTarget);

}  // namespace quorval
