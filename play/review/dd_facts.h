#pragma once
// What a deal is worth double dummy, as the review uses it: the makeable
// contracts and par come from the solver (play/dd_solver.h); here are the
// solver the review asks, which tests replace, and par written as the
// library's contract tokens.

#include <functional>
#include <string>

#include "play/dd_solver.h"

namespace quorval::review {

// The name the table's and the review window's tests still give the table.
using MakeableTable = DdTable;
using TableSolver = std::function<bool(const Deal&, DdTable&, std::string&)>;

// "4S-S", "5HX-E" (the library's contract tokens, X for a sacrifice, then
// the declarer's letter); the board's par contracts joined by ",", or "P"
// when par is to pass the board out.
std::string ParContractText(const ParContract& par);
std::string ParContractsText(const ParInfo& par);

}  // namespace quorval::review
