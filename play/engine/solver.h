#pragma once
// The top skill's path: the position handed to the double-dummy solver
// (libdds SolveBoard), its answer turned into our card codes and into the
// side's expected trick total, and the choice between the heuristics'
// candidates and the solver's cards.

#include <array>
#include <string>

#include "core/types.h"
#include "play/play_state.h"

namespace quorval::engine {

// The solver's position record: suits numbered spades 0 .. clubs 3.
struct SolverPosition {
  int trump = 4;
  int first = 0;
  std::array<int, 3> trickSuit{};
  std::array<int, 3> trickRank{};
  std::array<std::array<unsigned, 4>, 4> remain{};   // [seat][solver suit]
};

// The solver's answer: the cards that reach the maximum for the side to
// play, each with the lower cards equal to it.
struct SolverResult {
  int status = 0;
  int cards = 0;
  std::array<int, 13> suit{}, rank{}, equals{}, score{};
};

constexpr int SolverSuit(TSuit u) { return u == NT ? NT : 3 - u; }

SolverPosition BuildSolverPosition(const PlayState& st);
// Calls the solver (thread index 0). A failed call shows its message, or
// hands it back through `message` when one is given.
SolverResult Solve(const SolverPosition& pos, std::string* message = nullptr);
// One solver call with its own target (-1 for the most tricks), solutions
// (1 one card, 2 every card reaching the target, 3 every card with its
// tricks) and thread index (0 .. SolverThreads() - 1). Shows nothing: the
// status is in the result. Calls on different thread indexes may run at the
// same time.
SolverResult SolveWith(const SolverPosition& pos, int target, int solutions, int threadIndex);
// How many solver calls may run at once: the solver's threads, at most the
// machine's cores.
int SolverThreads();
// The declarer side's expected total for the deal from the solver's score
// for the side to play (a negative score is returned as it is).
int DeclarerTotal(const PlayState& st, const SolverResult& r);
// True when the card is one of the solver's best cards or equal to one.
bool IsSolverCard(const SolverResult& r, CardCode card);
// The message for a solver status, "" for success.
const char* SolverStatusText(int status);

// The double-dummy choice: the first heuristic candidate that is a solver
// card, else the solver's first card. engineTarget receives North-South's
// expected total, the search's form of the target.
CardCode SolverChoice(const PlayState& st, const std::array<CardCode, 4>& candidates,
                      int& engineTarget, std::string* message = nullptr);

}  // namespace quorval::engine
