#pragma once
// What one seat at the table may know about the cards: its own hand, dummy
// once the opening lead has been made, every card played so far, and which
// players have shown out of a suit. The honest engine reads the play only
// through this record, so that its choice can never rest on a hidden card.

#include <array>

#include "core/types.h"
#include "play/play_state.h"

namespace quorval::honest {

using SeatHoldings = std::array<std::array<Holding, 4>, 4>;   // [seat][suit]

struct SeatKnowledge {
  Seat viewer = South;   // the seat whose judgement chooses the card
  Seat toPlay = South;   // the seat whose card it is (dummy for declarer)
  std::array<bool, 4> visible{};       // seats whose remaining cards the viewer sees
  SeatHoldings remaining{};            // remaining cards of the visible seats only
  SeatHoldings played{};               // every card each seat has played
  std::array<int, 4> cardsLeft{};      // how many cards each seat still holds
  std::array<std::array<bool, 4>, 4> showedOut{};   // [seat][suit]: failed to follow
  std::array<Holding, 4> unseen{};     // [suit]: the cards the hidden seats hold between them
};

// The seat that decides the card of the seat to play: declarer decides for
// dummy, every other seat for itself.
Seat DecidingSeat(const PlayState& st);

// What the deciding seat knows at this moment of the play.
SeatKnowledge KnowledgeOf(const PlayState& st);

// The hidden seats of a knowledge record, in seat order.
int HiddenSeats(const SeatKnowledge& k, std::array<Seat, 4>& out);

}  // namespace quorval::honest
