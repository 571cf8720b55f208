#pragma once
// A seat void in the suit led: whether to ruff and with which trump, what to
// discard, or both in an order. The entry points GenerateRuffCandidates and
// GenerateDiscardCandidates are in candidates.h.

#include <array>

#include "play/engine/position.h"

namespace quorval::engine {

// The discard choice: up to two cards (raised through their runs, 0 for
// none) and the best suit's discard value, which the ruffing decision weighs.
struct DiscardChoice {
  std::array<CardCode, 2> cards{};
  int bestValue = -100;
};
DiscardChoice ChooseDiscard(Position& p);

// How readily a suit is discarded from (higher = sooner); exposed so that
// the value table can be checked suit by suit. The trump suit scores -1.
struct DiscardKeep {
  int theirTrumpKeep = 0;   // opponents' longest trump holding after this trick
  int ourTrumpKeep = 0;     // ours
};
int DiscardValue(Position& p, TSuit suit, int bestSoFar, DiscardKeep& keep);

}  // namespace quorval::engine
