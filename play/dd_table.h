#pragma once
// The double-dummy facts of a deal from the solver (libdds): the tricks
// declarer takes in every strain from every seat, and the par result for the
// board's dealer and vulnerability. Used when event sets are made and when
// played boards are exported with their double-dummy table and par.

#include <array>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"

namespace quorval {

// Tricks declarer takes double dummy, by strain (clubs .. no-trump) and seat.
struct DdTable {
  std::array<std::array<int, 4>, 5> tricks{};
  int at(tAllTrump strain, Seat declarer) const { return tricks[strain][declarer]; }
  // The better of the two partners.
  int SideBest(tAllTrump strain, Side side) const;
  bool operator==(const DdTable&) const = default;
};

// The par result of the deal for its dealer and vulnerability.
struct ParInfo {
  int scoreNS = 0;
  bool passedOut = true;   // no contract beats passing it out
  Contract contract;       // one par contract, declarer resolved to a seat
  bool sacrifice = false;  // the par contract goes down (doubled)
};

// Sets up the solver once per process (thread count and memory).
void InitSolver();

// False, with the solver's message, when libdds refuses the deal.
bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error);

// The tables of many deals at once: the solver spreads the strains of all of
// them over every core of the machine. False, with the solver's message, when
// it refuses a deal (no table is then given).
bool AnalyseDeals(const std::vector<Deal>& deals, std::vector<DdTable>& tables, std::string& error);

// Par for the dealer and vulnerability, from a trick table. When par names a
// side rather than a seat, the partner who takes more tricks declares (ties go
// to the seat that comes first from the dealer).
ParInfo ComputePar(const DdTable& table, Seat dealer, Vulnerability vul);

}  // namespace quorval
