#pragma once
// The play-engine benchmark: plays whole boards of an event set after the
// library's main-line auction and opening lead, with the engine in all four
// seats, and measures time per card, cards that lose a trick against double
// dummy, declarer's tricks against the double-dummy number, and a signature
// of every card chosen.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "core/calls.h"
#include "core/deal.h"
#include "play/engine/engine.h"
#include "play/position_query.h"

namespace quorval::bench {

struct BenchOptions {
  std::string dir = ".";
  std::string events;        // comma list of board keys or events; empty = all
  int skill = 8;
  bool timeRule = true;
  char system = 'D';         // bidding system letter of the library section
  bool measureDd = true;     // check every card against the solver
  bool honest = false;       // the honest computer instead of the engine
  uint64_t seed = 2005;      // the honest computer's layouts
  bool positionGiven = false; // print the next card of `position` instead of a benchmark
  PositionQuery position;
  int claim = -1;            // with --position: the side to play claims this many of the tricks left
  bool review = false;       // time the double-dummy review of every board played
  bool freeBidding = false;  // South bids with the bidder, the computer answers off the library
};

// The benchmark's command line; every option stores its value in `options`.
cli::Program BenchCommandLine(BenchOptions& options);

// Reads the command line; false (and a message) on a bad option.
bool ParseBenchArgs(const std::vector<std::string>& args, BenchOptions& options, std::string& error);

// "Imp01.05" stays itself; "Par03" becomes the event's boards among `known`.
std::vector<std::string> ExpandKeys(const std::string& list, const std::vector<std::string>& known);

// A whole file as it is on disk; none when it cannot be opened.
std::optional<std::string> FileText(const std::filesystem::path& path);

// Adds one card to the signature (FNV-1a over the card codes).
uint32_t SignatureStep(uint32_t signature, CardCode card);
inline constexpr uint32_t kSignatureSeed = 2166136261u;

// The q-quantile (0..1) of the values, nearest rank; 0 for none.
double Percentile(std::vector<double> values, double q);

// A card that lost double-dummy tricks: where it was played, the card, the
// solver's card, and how many tricks the side gave away with it.
struct CostlyCard {
  std::string key;
  int trick = 0;            // 1..13
  Seat seat = 0;
  CardCode chosen = 0;
  CardCode solverCard = 0;
  int cost = 0;
};

// Count of leads checked against the solver and of those that kept the
// double-dummy value.
struct LeadShare {
  int checked = 0;
  int kept = 0;
  void Add(bool keptValue) { ++checked; kept += keptValue ? 1 : 0; }
  void Add(const LeadShare& other) { checked += other.checked; kept += other.kept; }
  double Percent() const { return checked ? 100.0 * kept / checked : 0.0; }
};

struct BoardOutcome {
  std::string key;
  Contract contract;
  int declarerTricks = 0;
  int ddTricks = 0;          // declarer's double-dummy tricks before the lead
  int engineCards = 0;
  int ddChecked = 0;         // engine cards after the opening lead checked
  int ddErrors = 0;          // of those, cards that lose a trick
  std::vector<double> ms;    // time of each engine card
  std::vector<double> cpuMs; // processor time of each engine card, all threads together
  LeadShare openingLead;     // the engine's own opening lead (asked even when the library leads)
  double openingLeadMs = -1; // its time when the honest computer chose it (-1 otherwise)
  double openingLeadCpuMs = -1;
  LeadShare laterLeads;      // engine cards that lead to tricks 2..13
  std::vector<CostlyCard> costly;   // engine cards that lost tricks, with their cost
  std::vector<CardCode> cards;      // the 52 cards in the order played
  double reviewMs = -1;             // the board's review (--review), -1 when not timed
  double reviewCpuMs = -1;          // its processor time, all threads together
};

// Plays one board from the opening lead (0 = the engine leads too).
BoardOutcome PlayBoard(const Deal& deal, const Contract& contract, CardCode openingLead,
                       const EngineOptions& engine, bool measureDd, uint32_t& signature);

struct BenchReport {
  int boards = 0;
  int cards = 0;
  double medianMs = 0, p95Ms = 0, maxMs = 0;
  double ddErrorPct = 0;
  bool ddMeasured = true;   // false with --no-dd: the rate is shown as n/a
  int declarerTricks = 0, ddTricks = 0;
  uint32_t signature = kSignatureSeed;
  LeadShare openingLeads, laterLeads;
  std::vector<double> openingLeadMs;   // the honest computer's opening leads, timed
  std::vector<double> openingLeadCpuMs;
  double cpuMedianMs = 0, cpuMaxMs = 0;
  std::vector<CostlyCard> costliest;   // the most expensive errors, worst first
  std::vector<BoardOutcome> outcomes;
  std::vector<std::string> problems;   // boards that could not be played
  std::vector<double> reviewMs;        // the review time of each board (--review)
  std::vector<double> reviewCpuMs;     // and its processor time
};

// Runs the benchmark, writing one line per board to `log`. Nothing is
// written to the event files.
std::optional<BenchReport> RunBench(const BenchOptions& options, std::ostream& log, std::string& error);

// The highest-cost cards of all boards, worst first (ties keep board
// order), at most `count`.
std::vector<CostlyCard> Costliest(const std::vector<BoardOutcome>& outcomes, size_t count);

// The figure lines shown before the closing line: the two lead shares and,
// when the error rate is above 3%, the costliest cards.
std::vector<std::string> DetailLines(const BenchReport& report);

// Times the double-dummy review of a played board as the review window
// makes it: the makeable contracts, par and every card scored.
// Returns the time on the clock; `cpuMs` gets the processor time of all
// threads together, which a busy machine does not stretch.
double TimeReview(const Deal& deal, Seat dealer, Vulnerability vul, const BoardOutcome& board, double& cpuMs);

// "review: boards B median_ms M p95_ms P max_ms X cpu_median_ms C" (--review).
std::string ReviewLine(const BenchReport& report);
// The card the engine (the honest computer with options.honest) plays next
// in the position given with --position; 0 and a one-line message naming the
// option when the position cannot be read.
CardCode PositionCard(const PositionQuery& query, const BenchOptions& options, std::string& error);

// --claim at --position: prints the claim with the side's double-dummy
// tricks, then "accepted" or "refused M" as the last line. Returns 0; 2 for
// a position that cannot be read, 1 when the solver cannot take it (with
// the message in `error`).
int ClaimAtPosition(const BenchOptions& options, std::ostream& out, std::string& error);

// The closing line:
// "bench: boards B cards C median_ms M p95_ms P max_ms X dd_error_pct E signature S"
std::string SummaryLine(const BenchReport& report);

}  // namespace quorval::bench
