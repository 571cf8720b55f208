#pragma once
// The double-dummy facts of a board: the trick table and par of its deal
// (play/dd_solver.h), taken from the cache when it has them.

#include <string>

#include "eventsets/board_facts.h"
#include "play/dd_solver.h"

namespace quorval::eventgen {

class DdCache;
// Fills dd and par of a board that already has deal, dealer and vulnerability;
// the cache, when given, saves solving a deal twice.
bool AnalyseBoard(BoardFacts& facts, DdCache* cache, std::string& error);

}  // namespace quorval::eventgen
