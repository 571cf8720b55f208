#pragma once
// The double-dummy solver (libdds), the one door to it: what a deal is worth
// (the tricks of every declarer in every strain, and par) and what every card
// of a position is worth. Positions and answers are in the program's own
// suits and card codes; the solver's numbering stays inside dd_solver.cpp.
//
// Any thread may ask. The solver keeps its working memory per thread index:
// calls for different indexes run at once, calls for the same index wait for
// each other, and a deal's whole table (which uses every index) waits for
// all of them and they for it.

#include <array>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"

namespace quorval {

// Tricks declarer takes double dummy, by strain (clubs .. no-trump) and seat.
struct DdTable {
  std::array<std::array<int, 4>, 5> tricks{};
  int at(tAllTrump strain, Seat declarer) const { return tricks[size_t(strain)][size_t(declarer)]; }
  int& at(tAllTrump strain, Seat declarer) { return tricks[size_t(strain)][size_t(declarer)]; }
  // The better of the two partners.
  int SideBest(tAllTrump strain, Side side) const;
  bool operator==(const DdTable&) const = default;
};

// One par contract with the seat that declares it.
struct ParContract {
  Contract contract;      // doubled when it is a sacrifice
  int overTricks = 0;     // tricks made above the contract
  int underTricks = 0;    // a sacrifice's tricks down
};

// The par of a deal for its dealer and vulnerability.
struct ParInfo {
  bool known = false;     // false when the solver could not work it out
  int scoreNS = 0;        // North-South's par score, 0 when passed out
  // Every par contract; one that either partner makes alike is listed once
  // for each of them. Empty when par is to pass the board out.
  std::vector<ParContract> contracts;
  // The one par contract a board is made for: the first, declared by the
  // partner who takes more tricks in it (the one nearer the dealer when they
  // take as many). passedOut when no contract beats passing (or par is not
  // known); sacrifice when the contract goes down doubled.
  bool passedOut = true;
  Contract contract;
  bool sacrifice = false;
};

// Sets up the solver once per process (thread count and memory). Every call
// below does it first; callers need not.
void InitSolver();
// How many solver calls may run at once: the solver's threads, at most the
// machine's cores. Thread indexes run from 0 to one less.
int SolverThreads();

// The table of one deal. False, with a message, for a deal that is not 13
// cards a hand (the solver would read past its arrays) or one it refuses.
bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error);
// The tables of many deals at once: the solver spreads the strains of all of
// them over every core of the machine. False, with the solver's message, when
// it refuses a deal (no table is then given).
bool AnalyseDeals(const std::vector<Deal>& deals, std::vector<DdTable>& tables, std::string& error);
// Par for the dealer and vulnerability, from a trick table.
ParInfo ComputePar(const DdTable& table, Seat dealer, Vulnerability vul);

// A position for the solver: the trump, the seat that led to the trick, the
// cards played to it so far (0 for none) and every seat's remaining cards.
struct SolverPosition {
  tAllTrump trump = NT;
  Seat first = North;
  std::array<CardCode, 3> trick{};
  std::array<std::array<Holding, 4>, 4> remain{};   // [seat][suit]
};

// The solver's answer: the cards that reach its target for the side to play,
// each with the lower cards of its suit that are equal to it, and the tricks
// the side takes after it (from the cards still to play).
struct SolverResult {
  int status = 0;          // 1 when solved, else the solver's error number
  int cards = 0;
  std::array<CardCode, 13> card{};
  std::array<Holding, 13> equals{};
  std::array<int, 13> score{};
};

// The answer's group that holds the card (the card itself or a lower card
// equal to it), -1 when none does.
int GroupOf(const SolverResult& r, CardCode card);

// One solver call with its target (-1 for the most tricks), solutions (1 one
// card, 2 every card reaching the target, 3 every card with its tricks) and
// thread index (0 .. SolverThreads() - 1).
SolverResult SolveWith(const SolverPosition& pos, int target, int solutions, int threadIndex);
// The message for a solver status, "" for success.
const char* SolverStatusText(int status);

}  // namespace quorval
