#pragma once
// The double-dummy facts of a deal (its trick table and par) come from the
// solver's one door, play/dd_solver.h; this name is kept for the callers that
// still include it.
#include "play/dd_solver.h"
