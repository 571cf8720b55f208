#pragma once
// The double-dummy review of a play: before every card the solver scores
// each legal card of the seat to play, so each card played gets its cost
// (the tricks its side lost against the best card) and the cards that were
// best. A position the solver cannot take is marked and the rest goes on.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"

namespace quorval::review {

// One card of the play as the solver saw it.
struct CardReview {
  int index = 0;             // 0..51 in the order played
  int trick = 1;             // 1..13
  Seat seat = North;
  CardCode card = 0;
  bool analysed = false;     // false: the solver failed on this position
  int status = 0;            // the solver's status (1 when analysed)
  int cost = 0;              // tricks the card's side lost with it
  std::vector<CardCode> best;   // the cards that kept the most, highest rank first
  int declarerBefore = -1;   // declarer's double-dummy total before the card
  int declarerAfter = -1;    // and after it (the card's own outcome)
};

// A play to review: the deal, the contract and the cards in order (a true
// prefix of a legal play, as the kept play gives it).
struct PlayToReview {
  Deal deal;
  Contract contract;
  std::vector<CardCode> cards;
};

// Reviews card `index` of the play with the solver's thread `threadIndex`.
CardReview ReviewCard(const PlayToReview& play, int index, int threadIndex = 0);
using CardSolver = std::function<CardReview(const PlayToReview& play, int index, int threadIndex)>;

// Reviews every card. The work is spread over the solver's threads; each
// card is handed to `done` as soon as it is ready (one call at a time, in
// any order), and the whole review comes back in the order played. A set
// `cancel` stops it early: cards not reviewed then are left out.
using CardDone = std::function<void(const CardReview&)>;
// `solve` reviews one card (ReviewCard unless a test gives its own).
std::vector<CardReview> ReviewPlay(const PlayToReview& play, const CardDone& done = {},
                                   const std::atomic<bool>* cancel = nullptr, const CardSolver& solve = ReviewCard);

// The cards of a holding set as card codes, highest rank first and, for
// equal ranks, spades first.
void SortBest(std::vector<CardCode>& cards);

}  // namespace quorval::review
