#pragma once
// What a deal is worth double dummy: the makeable-contract table (the tricks
// each seat takes as declarer in each strain, 20 figures) and the par score
// with its contracts for the board's dealer and vulnerability. Both come
// from the double-dummy solver (libdds CalcDDtable and DealerParBin).

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"

namespace quorval::review {

// Tricks for each strain (clubs 0 .. no-trump 4) and declarer seat.
struct MakeableTable {
  std::array<std::array<int, 4>, 5> tricks{};
  int at(tAllTrump strain, Seat declarer) const { return tricks[size_t(strain)][size_t(declarer)]; }
  int& at(tAllTrump strain, Seat declarer) { return tricks[size_t(strain)][size_t(declarer)]; }
  bool operator==(const MakeableTable&) const = default;
};

// Solves the deal in all five strains for all four declarers. False, with
// a message, for a deal that is not 13 cards a hand or one the solver refuses.
bool SolveMakeableTable(const Deal& deal, MakeableTable& table, std::string& error);
using TableSolver = std::function<bool(const Deal&, MakeableTable&, std::string&)>;

// One par contract with the seat that declares it. A contract that either
// partner makes alike is listed once for each of them.
struct ParContract {
  Contract contract;      // doubled when it is a sacrifice
  int overTricks = 0;     // tricks made above the contract
  int underTricks = 0;    // a sacrifice's tricks down
};

struct ParResult {
  bool known = false;     // false when the solver could not work it out
  int scoreNS = 0;        // North-South's par score, 0 when passed out
  std::vector<ParContract> contracts;   // empty when the board is passed out
};

// Par for the board: the bidding starts with the dealer; vulnerability as
// the board gives it.
ParResult ParOf(const MakeableTable& table, Seat dealer, Vulnerability vul);

// "4S-S", "5HX-E" (the library's contract tokens, X for a sacrifice, then
// the declarer's letter); the board's par contracts joined by ",", or "P"
// when par is to pass the board out.
std::string ParContractText(const ParContract& par);
std::string ParContractsText(const ParResult& par);

}  // namespace quorval::review
