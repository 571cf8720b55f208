#pragma once
// quorval-bench --free-bidding: the boards played through the game with free
// bidding, South and the computer seats calling with the bidder from the
// first call (each computer call timed as a call off the stored lines), the
// opening lead drawn as the table draws it (the stored lead where the
// auction is a stored one), the engine playing every card, and South's
// result scored against the field as the table would (nothing is filed).

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/bench/bench.h"

namespace quorval::bench {

struct FreeBenchReport {
  int boards = 0;
  int offLibrary = 0;            // boards whose auction is none of the stored ones
  std::vector<double> callMs;    // each computer call, made with the bidder
  double impSum = 0, mpSum = 0;  // South's figures over the strata of IMP and pairs boards
  int impCount = 0, mpCount = 0;
  std::vector<std::string> problems;
};

std::optional<FreeBenchReport> RunFreeBench(const BenchOptions& options, std::ostream& log, std::string& error);

// "free: boards B off_library O calls C call_median_ms M call_max_ms X
// south_imps I south_mp_pct P" (n/a for a kind of event not played).
std::string FreeSummaryLine(const FreeBenchReport& report);

}  // namespace quorval::bench
