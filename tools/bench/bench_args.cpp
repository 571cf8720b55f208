// The command line of quorval-bench.
#include "tools/bench/bench.h"

namespace quorval::bench {

// A new option is one row here plus its field in BenchOptions.
cli::Program BenchCommandLine(BenchOptions& o) {
  cli::Command run;
  run.options = {
      {"--dir", "DIR", "the folder of the event set (default: the current folder)",
       [&o](const std::string& v, std::string&) {
         o.dir = v;
         return true;
       }},
      {"--events", "KEYS", "comma list of board keys (Imp01.05) and events (Par03); default: every board",
       [&o](const std::string& v, std::string&) {
         o.events = v;
         return true;
       }},
      {"--skill", "N", "the engine's skill, 1 to 10 (default 8)",
       [&o](const std::string& v, std::string& error) {
         uint64_t n = 0;
         if (!cli::ReadWhole(v, 1, 10, n)) {
           error = "--skill takes a whole number from 1 to 10";
           return false;
         }
         o.skill = static_cast<int>(n);
         return true;
       }},
      {"--time-rule", "on|off", "on: the search goes deeper once 5 x skill seconds have passed (default on)",
       [&o](const std::string& v, std::string& error) {
         if (v != "off" && v != "on") {
           error = "--time-rule takes off or on";
           return false;
         }
         o.timeRule = v == "on";
         return true;
       }},
      {"--system", "D|M|N|S", "the bidding system whose main lines are played (default D)",
       [&o](const std::string& v, std::string& error) {
         if (v.size() != 1 || std::string("DMNS").find(v[0]) == std::string::npos) {
           error = "--system takes D, M, N or S";
           return false;
         }
         o.system = v[0];
         return true;
       }},
      {"--no-dd", "", "do not check the cards against the double-dummy solver (faster)",
       [&o](const std::string&, std::string&) {
         o.measureDd = false;
         return true;
       }},
      {"--honest", "", "the honest computer, which sees only what its seat may see, plays instead of the engine",
       [&o](const std::string&, std::string&) {
         o.honest = true;
         return true;
       }},
      {"--seed", "N", "seed of the honest computer's layouts (default 2005)",
       [&o](const std::string& v, std::string& error) {
         uint64_t n = 0;
         if (!cli::ReadWhole(v, 0, UINT64_MAX, n)) {
           error = "--seed takes a whole number";
           return false;
         }
         o.seed = n;
         return true;
       }},
      {"--position", "DEAL", "print the card the engine plays next in this deal (\"N:AKQ2.J54.T9.8765 ...\")",
       [&o](const std::string& v, std::string&) {
         o.positionGiven = true;
         o.position.deal = v;
         return true;
       }},
      {"--contract", "CONTRACT", "with --position: the contract, as 4S, 3NT or 2HX",
       [&o](const std::string& v, std::string&) {
         o.position.contract = v;
         return true;
       }},
      {"--declarer", "N|E|S|W", "with --position: the declarer",
       [&o](const std::string& v, std::string&) {
         o.position.declarer = v;
         return true;
       }},
      {"--played", "CARDS", "with --position: the cards played so far, in order (HK,H2,H5,HA)",
       [&o](const std::string& v, std::string&) {
         o.position.played = v;
         return true;
       }},
      {"--claim", "N", "with --position: the side to play next claims N of the tricks left; prints \"accepted\" or \"refused M\"",
       [&o](const std::string& v, std::string& error) {
         uint64_t n = 0;
         if (!cli::ReadWhole(v, 0, 13, n)) {
           error = "--claim takes a number of tricks from 0 to 13";
           return false;
         }
         o.claim = static_cast<int>(n);
         return true;
       }},
      {"--free-bidding", "", "every seat calls with the bidder from the first call, as off the stored auctions; "
                             "times the computer's calls and scores South against the field",
       [&o](const std::string&, std::string&) {
         o.freeBidding = true;
         return true;
       }},
      {"--review", "", "also time the double-dummy review of each board played (makeable contracts, par, every card)",
       [&o](const std::string&, std::string&) {
         o.review = true;
         return true;
       }},
  };
  return {"quorval-bench",
          "Plays the boards of an event set with the play engine in all four seats and measures\n"
          "time per card, cards that lose a trick against double dummy, and a signature of every card.",
          {run},
          "The last line reads \"bench: boards B cards C median_ms M p95_ms P max_ms X dd_error_pct E\n"
          "signature S\"; with --free-bidding \"free: boards B off_library O calls C call_median_ms M call_max_ms X\n"
          "south_imps I south_mp_pct P\". Exit code 0; 1 when a board could not be played; 2 for a bad command line."};
}

bool ParseBenchArgs(const std::vector<std::string>& args, BenchOptions& options, std::string& error) {
  const cli::Parsed parsed = cli::Parse(BenchCommandLine(options), args);
  error = parsed.error;
  return parsed.outcome == cli::Outcome::Run;
}

}  // namespace quorval::bench
