#pragma once
// Many solver calls at once, spread over the solver's threads (one libdds
// thread index per worker). The answers come back in the order of the jobs
// whatever thread solved them, so a choice made from them never depends on
// the timing.

#include <vector>

#include "play/dd_solver.h"

namespace quorval::honest {

struct SolveJob {
  SolverPosition position;
  int target = -1;
  int solutions = 3;
};

std::vector<SolverResult> SolveAll(const std::vector<SolveJob>& jobs);

}  // namespace quorval::honest
