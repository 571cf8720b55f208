#pragma once
// The honest computer: it chooses a card from what its seat may know. It
// deals the hidden cards in many ways that agree with the play and the
// auction, scores every legal card on each layout with the double-dummy
// solver, and plays the card with the best chance to make (or to beat) the
// contract, then the most tricks. Among cards that score the same, the
// engine's own heuristic candidates decide, so it still plays like a player:
// low from small cards, the conventional card from a sequence, the lead its
// tables prefer.

#include <cstdint>
#include <memory>
#include <string>

#include "core/calls.h"
#include "play/honest/auction_inference.h"
#include "play/play_state.h"

namespace quorval::honest {

// What the honest engine needs beyond the play: the auction (it may hold no
// calls, for a position given without one), the contract, the seed of the
// layouts and, where the event data has them, the meanings of the calls.
struct BoardContext {
  AuctionFacts auction;
  Contract contract;
  uint64_t seed = 2005;
  std::shared_ptr<const CallMeanings> meanings;
};

struct HonestDecision {
  CardCode card = 0;
  int layouts = 0;       // distinct layouts scored
  int solverCalls = 0;
  int relaxed = 0;       // how far the auction's ranges had to give (see SampleSet)
  std::string message;   // a solver failure, to be shown by the caller
};

// How many layouts are drawn once `cardsPlayed` cards have been played.
int LayoutsFor(int cardsPlayed);

// The honest card for the seat to play (declarer decides for dummy). Its
// choice depends only on what the deciding seat sees, the auction and the
// seed. `skill` and `playStyle` go to the heuristics that break ties.
HonestDecision ChooseHonestCard(const PlayState& st, const BoardContext& board, int skill, int playStyle);

// The seed of one decision: the board's seed mixed with what the deciding
// seat sees, so that the same position always gives the same layouts.
uint64_t DecisionSeed(const PlayState& st, uint64_t boardSeed);

}  // namespace quorval::honest
