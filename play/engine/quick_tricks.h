#pragma once
// The tricks a side takes for certain by cashing its top cards from the
// lead: the search's quick way to settle a line beyond the depth limit.

#include <array>
#include <cstdint>

#include "core/types.h"

namespace quorval::engine {

using SeatSuitHoldings = std::array<std::array<uint16_t, 4>, 4>;   // [seat][suit]

// Tricks the leader's side takes for certain, when the leader may play any
// card, by cashing the leader's top cards: the cards above both opponents'
// in their suit. A suit counts
// only when partner can follow under them, so that the lead stays with the
// leader. At no trump every such card counts; in a suit contract the top
// trumps, then the top cards of a side suit for as many rounds as every
// opponent still holding trumps can follow (all of them once the top trumps
// have drawn the opponents'), and no more side-suit rounds than partner has
// other cards to play without being made to ruff.
int QuickTricks(const SeatSuitHoldings& held, Seat leader, tAllTrump trump);

}  // namespace quorval::engine
