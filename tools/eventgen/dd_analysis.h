#pragma once
// The double-dummy facts of a deal from libdds: the trick table for every
// strain and declarer, and the par contract for the board's dealer and
// vulnerability.

#include <string>

#include "tools/eventgen/board_facts.h"

namespace quorval::eventgen {

// Sets up the solver once per process (thread count and memory).
void InitSolver();

// False, with the solver's message, when libdds refuses the deal.
bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error);

// Par for the dealer and vulnerability, from a trick table. When par names a
// side rather than a seat, the partner who takes more tricks declares (ties go
// to the seat that comes first from the dealer).
ParInfo ComputePar(const DdTable& table, Seat dealer, Vulnerability vul);

class DdCache;
// Fills dd and par of a board that already has deal, dealer and vulnerability;
// the cache, when given, saves solving a deal twice.
bool AnalyseBoard(BoardFacts& facts, DdCache* cache, std::string& error);

}  // namespace quorval::eventgen
