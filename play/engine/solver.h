#pragma once
// The top skill's path: the position of the play handed to the double-dummy
// solver (play/dd_solver.h), its answer turned into the side's expected trick
// total, and the choice between the heuristics' candidates and the solver's
// cards.

#include <array>
#include <string>

#include "core/types.h"
#include "play/dd_solver.h"
#include "play/play_state.h"

namespace quorval::engine {

SolverPosition BuildSolverPosition(const PlayState& st);
// Calls the solver (thread index 0) for every card reaching the most tricks.
// A failed call shows its message, or hands it back through `message` when
// one is given.
SolverResult Solve(const SolverPosition& pos, std::string* message = nullptr);
// The declarer side's expected total for the deal from the solver's score
// for the side to play (a negative score is returned as it is).
int DeclarerTotal(const PlayState& st, const SolverResult& r);
// True when the card is one of the solver's best cards or equal to one.
bool IsSolverCard(const SolverResult& r, CardCode card);

// The double-dummy choice: the first heuristic candidate that is a solver
// card, else the solver's first card. engineTarget receives North-South's
// expected total, the search's form of the target.
CardCode SolverChoice(const PlayState& st, const std::array<CardCode, 4>& candidates,
                      int& engineTarget, std::string* message = nullptr);

}  // namespace quorval::engine
