#pragma once
// The candidate rules the dispatcher (GenerateCandidates, suit_analysis.h)
// calls at every search position. Each fills p.Candidates for p.seat, the
// preferred card first, at most four, 0 ending the list. The hands have been
// loaded for the node (LoadNodeHands) and p.pos, p.trick are set.
//
// Each rule lives in its own file (leads.cpp, opening_lead.cpp,
// follow_suit.cpp with follow_second_hand.cpp and follow_third_fourth.cpp,
// ruff_discard.cpp).
// The search never plays a card that is not legal, whatever a rule proposes.

#include "play/engine/position.h"

namespace quorval::engine {

// The seat to play leads (after the opening lead).
void GenerateLeadCandidates(Position& p);
// The opening lead: sets the single candidate.
void ChooseOpeningLead(Position& p);
// Positions 2 to 4 when the seat holds the suit led.
void GenerateFollowCandidates(Position& p);
// Positions 2 to 4, void in the suit led and holding a trump.
void GenerateRuffCandidates(Position& p);
// Positions 2 to 4, void in the suit led and unable to ruff. The dispatcher
// raises Candidates[0] through its run afterwards.
void GenerateDiscardCandidates(Position& p);

}  // namespace quorval::engine
