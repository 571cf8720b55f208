#pragma once
// Second, third and fourth hand when the seat to play holds the suit led:
// contest the trick or play low, by position, with the defenders' count
// signal. The entry point GenerateFollowCandidates is in candidates.h.

#include <optional>
#include <utility>

#include "play/engine/position.h"

namespace quorval::engine {

// Unblocking under partner's higher cards: my lowest card first, then my
// second-lowest. Read in the view of the suit led, or of trumps when ruffing.
std::optional<std::pair<Holding, Holding>> UnblockTest(const Position& p, const SuitView& v);

}  // namespace quorval::engine
