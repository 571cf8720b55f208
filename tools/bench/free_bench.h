#pragma once
// quorval-bench --free-bidding: the boards played through the game with free
// bidding, South calling with the bidder from the first call, the computer
// seats from the library while the auction stays on a stored line and with
// the bidder once it leaves them, the engine playing every card. It times
// every computer call off the stored lines and scores South's result
// against the field as the table would (nothing is filed).

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/bench/bench.h"

namespace quorval::bench {

struct FreeBenchReport {
  int boards = 0;
  int offLibrary = 0;            // boards whose auction left the stored lines
  std::vector<double> callMs;    // each computer call off the stored lines
  double impSum = 0, mpSum = 0;  // South's figures over the strata of IMP and pairs boards
  int impCount = 0, mpCount = 0;
  std::vector<std::string> problems;
};

std::optional<FreeBenchReport> RunFreeBench(const BenchOptions& options, std::ostream& log, std::string& error);

// "free: boards B off_library O calls C call_median_ms M call_max_ms X
// south_imps I south_mp_pct P" (n/a for a kind of event not played).
std::string FreeSummaryLine(const FreeBenchReport& report);

}  // namespace quorval::bench
