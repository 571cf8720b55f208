#pragma once
// The review of one board as it fills: the board and its play, what the
// solver says of the deal (makeable contracts, par) and of every card, and
// the facts drawn from them. The window fills it as the answers come; the
// command line prints it once it is whole.

#include <optional>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"
#include "play/review/dd_facts.h"
#include "play/review/play_review.h"

namespace quorval::review {

// One result of the field on the board, turned like the board.
struct FieldEntry {
  Contract contract;   // Pass when the board was passed out
  int scoreNS = 0;
};

struct BoardReview {
  std::string key;                 // "Imp03.05"
  Seat dealer = North;
  Vulnerability vul = 0;
  Deal deal;                       // as dealt, the user South
  Contract contract;               // Pass when passed out
  std::vector<CardCode> cards;     // as played, a legal prefix of the play
  int playStopsAfter = -1;         // cards kept before the play broke off; -1 when it is whole

  // The deal's worth; `tableError` says why there is no table.
  bool tableDone = false;
  bool tableKnown = false;
  DdTable table;
  std::string tableError;
  ParInfo par;

  // The cards, by their index in the play; empty until reviewed.
  std::vector<std::optional<CardReview>> cardReviews;

  // The board's result and the field, when the caller knows them.
  bool scoreKnown = false;
  int scoreNS = 0;
  std::vector<FieldEntry> field;

  // Sets up the play: one empty place per card.
  void SetPlay(const Contract& played, const std::vector<CardCode>& playedCards);
  PlayToReview Play() const { return {deal, contract, cards}; }
  // Whether every card and the deal have their answer.
  bool Finished() const;
  int CardsReviewed() const;
  // Tricks won by declarer's side in the complete tricks.
  int DeclarerTricks() const;
  // Declarer's double-dummy total once the opening lead is on the table;
  // -1 when not known.
  int DdAfterLead() const;
  // Whether the user played the card: South's cards, and North's when
  // North-South declare.
  bool UserPlayed(const CardReview& card) const;
  // Indexes of the reviewed cards that cost tricks, the opening lead left
  // out: the user's own first, each group in the order played.
  std::vector<int> CostlyCards() const;
};

// The solver's answers: the deal's table and every card's review. Tests
// put their own in place of the solver.
struct ReviewSolvers {
  TableSolver table = AnalyseDeal;
  CardSolver card = ReviewCard;
};

// Fills the makeable table and par of the deal.
void SolveDeal(BoardReview& review, const TableSolver& solve = AnalyseDeal);
// Fills everything, the deal first, then the cards (spread over the
// solver's threads).
void ReviewWholeBoard(BoardReview& review, const ReviewSolvers& solvers = {});

// The lines of `quorval --review`: one per card that cost tricks (or whose
// position the solver could not take), then the summary line.
//   Imp03.05 trick 4 S 5H costs 1 best AH KH
//   Imp03.05 trick 6 W 3C analysis not available
//   Imp03.05 contract 4S by S tricks 9 dd_after_lead 10 par 620 4S-S
std::vector<std::string> CommandLineLines(const BoardReview& review);

// "4S", "3NX", "P" for a passed-out board: the library's tokens with X/XX.
std::string ContractToken(const Contract& contract);

}  // namespace quorval::review
