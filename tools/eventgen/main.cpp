// quorval-eventgen: makes, checks and measures the event files.
//   quorval-eventgen generate --seed N --out DIR [--events LIST] [--dd-cache FILE]
//   quorval-eventgen check DIR
//   quorval-eventgen stats DIR [--dd-cache FILE]
//   quorval-eventgen summaries DIR

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/eventgen/bidder/library_stats.h"
#include "tools/eventgen/bidder/summary_page.h"
#include "tools/eventgen/checker.h"
#include "tools/eventgen/generator.h"
#include "tools/eventgen/library_hooks.h"
#include "tools/eventgen/progress.h"
#include "tools/eventgen/stats.h"

using namespace quorval::eventgen;

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: quorval-eventgen generate --seed N --out DIR [--events Imp01-Imp09,Par01-Par18]\n"
               "                                 [--dd-cache FILE]\n"
               "       quorval-eventgen check DIR\n"
               "       quorval-eventgen stats DIR [--dd-cache FILE]\n"
               "       quorval-eventgen summaries DIR\n"
               "--dd-cache keeps solved double-dummy tables in FILE for later runs.\n"
               "summaries writes the bidding-system summary pages of the help (resources/help).\n");
  return 2;
}

bool ParseSeed(const std::string& text, uint64_t& seed) {
  if (text.empty() || text.size() > 19) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  seed = std::strtoull(text.c_str(), nullptr, 10);
  return true;
}

int Generate(const std::vector<std::string>& args) {
  GenerateOptions options;
  bool haveSeed = false;
  std::string events = "Imp01-Imp09,Par01-Par18";
  std::string cachePath;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--seed" && hasValue) {
      if (!ParseSeed(args[++i], options.seed)) {
        std::fprintf(stderr, "quorval-eventgen: the seed must be a whole number\n");
        return 2;
      }
      haveSeed = true;
    } else if (a == "--out" && hasValue) {
      options.outDir = args[++i];
    } else if (a == "--events" && hasValue) {
      events = args[++i];
    } else if (a == "--dd-cache" && hasValue) {
      cachePath = args[++i];
    } else {
      return Usage();
    }
  }
  if (!haveSeed || options.outDir.empty()) return Usage();
  std::string error;
  if (!ParseEventList(events, options.events, error)) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 2;
  }
  Generator generator;
  if (!cachePath.empty()) generator.SetDdCache(std::make_shared<DdCache>(cachePath));
  InstallLibraryStage(generator);
  TerminalProgress progress;
  generator.SetProgress([&](const std::string& event, int done, int total) { progress.Update(event, done, total); });
  if (!generator.Run(options, error)) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

int Check(const std::string& dir) {
  const std::vector<Problem> problems = CheckEventSet(dir, LibraryCheckerForSet());
  for (const Problem& p : problems) std::printf("%s: %s\n", p.key.c_str(), p.text.c_str());
  if (problems.empty()) std::printf("%s: no problems\n", dir.c_str());
  else std::printf("%zu problem(s)\n", problems.size());
  return problems.empty() ? 0 : 1;
}

int Stats(const std::vector<std::string>& args) {
  if (args.size() != 1 && !(args.size() == 3 && args[1] == "--dd-cache")) return Usage();
  const std::string& dir = args[0];
  DdCache cache(args.size() == 3 ? args[2] : std::string());
  std::vector<EventStats> perEvent;
  EventStats overall;
  int skipped = 0;
  std::string error;
  const bool ok = CollectStats(dir, perEvent, overall, skipped, error, &cache);
  std::string saveError;
  if (!cache.Save(saveError)) std::fprintf(stderr, "quorval-eventgen: %s\n", saveError.c_str());
  if (!ok) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 1;
  }
  std::fputs(StatsReport(perEvent, overall).c_str(), stdout);
  if (skipped) std::printf("%d board(s) could not be read; run check\n", skipped);
  // The library's figures per bidding system, when the set has a library.
  std::array<quorval::bidder::SystemLibraryStats, 4> library;
  if (quorval::bidder::CollectLibraryStats(dir, &cache, library, error))
    std::fputs(quorval::bidder::LibraryStatsReport(library).c_str(), stdout);
  else
    std::printf("library: %s\n", error.c_str());
  if (!cache.Save(saveError)) std::fprintf(stderr, "quorval-eventgen: %s\n", saveError.c_str());
  return 0;
}

// The sixteen bidding-system summary pages, from the system definitions and
// the phrase table.
int Summaries(const std::string& dir) {
  std::string error;
  if (!quorval::bidder::WriteSummaryPages(dir, error)) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  std::string command = args[0];
  if (command.rfind("--", 0) == 0) command.erase(0, 2);  // "--check DIR" works too
  args.erase(args.begin());
  if (command == "generate") return Generate(args);
  if (command == "check" && args.size() == 1) return Check(args[0]);
  if (command == "stats") return Stats(args);
  if (command == "summaries" && args.size() == 1) return Summaries(args[0]);
  return Usage();
}
