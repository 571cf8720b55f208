// quorval-bench: the play engine's benchmark on an event set.
#include <iostream>

#include "tools/bench/bench.h"
#include "tools/bench/free_bench.h"

int main(int argc, char** argv) {
  using namespace quorval::bench;
  BenchOptions options;
  return quorval::cli::Main(BenchCommandLine(options), argc, argv,
                            [&](const quorval::cli::Command&, const std::vector<std::string>&) {
    std::string error;
    if (options.claim >= 0 && !options.positionGiven) {
      std::cerr << "quorval-bench: --claim goes with --position (see quorval-bench --help)\n";
      return 2;
    }
    if (options.positionGiven) {
      if (options.position.contract.empty() || options.position.declarer.empty()) {
        std::cerr << "quorval-bench: --position needs --contract and --declarer (see quorval-bench --help)\n";
        return 2;
      }
      if (options.claim >= 0) {
        const int rc = ClaimAtPosition(options, std::cout, error);
        if (rc != 0) std::cerr << "quorval-bench: " << error << '\n';
        return rc;
      }
      const quorval::CardCode card = PositionCard(options.position, options, error);
      if (!card) {
        std::cerr << "quorval-bench: " << error << '\n';
        return 2;
      }
      std::cout << quorval::CardText(card) << std::endl;
      return 0;
    }
    if (options.freeBidding) {
      const auto free = RunFreeBench(options, std::cout, error);
      if (!free) {
        std::cerr << error << '\n';
        return 1;
      }
      for (const auto& p : free->problems) std::cerr << p << '\n';
      std::cout << FreeSummaryLine(*free) << std::endl;
      return free->problems.empty() ? 0 : 1;
    }
    const auto report = RunBench(options, std::cout, error);
    if (!report) {
      std::cerr << error << '\n';
      return 1;
    }
    for (const auto& p : report->problems) std::cerr << p << '\n';
    std::cout << "declarer tricks " << report->declarerTricks << " against double dummy "
              << report->ddTricks << '\n';
    for (const std::string& line : DetailLines(*report)) std::cout << line << '\n';
    if (options.review) std::cout << ReviewLine(*report) << '\n';
    std::cout << SummaryLine(*report) << std::endl;
    return report->problems.empty() ? 0 : 1;
  });
}
