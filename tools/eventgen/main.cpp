// quorval-eventgen: makes, checks and measures the event files, and tells the
// call or the opening lead the library makes of one hand.
//   quorval-eventgen generate --seed N --out DIR [--events LIST] [--dd-cache FILE]
//   quorval-eventgen check DIR
//   quorval-eventgen stats DIR [--dd-cache FILE]
//   quorval-eventgen summaries DIR
//   quorval-eventgen bid SYSTEM HAND [CALLS] [--dealer SEAT] [--vul VUL]
//   quorval-eventgen lead SYSTEM HAND CALLS [--dealer SEAT] [--vul VUL]
//   quorval-eventgen import FILE.pbn --out DIR [--seed N] [--events LIST]
//   quorval-eventgen explain DIR SYSTEM CALLS [--dealer SEAT] [--vul VUL]

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bidding/explain.h"
#include "bidding/meanings_file.h"
#include "bidding/one_hand.h"
#include "bidding/summary_page.h"
#include "bidding/summary_phrases.h"
#include "cli/command_line.h"
#include "eventsets/checker.h"
#include "eventsets/generator.h"
#include "eventsets/library_stage.h"
#include "eventsets/library_stats.h"
#include "eventsets/pbn_import.h"
#include "eventsets/stats.h"

using namespace quorval::eventgen;

namespace {

// Progress of a long run on the terminal: events done and the time left,
// rewritten in place on standard error. Silent when standard error is not a
// terminal, so scripts and tests see no output.
class TerminalProgress {
 public:
  TerminalProgress() : enabled_(::isatty(STDERR_FILENO) != 0), start_(std::chrono::steady_clock::now()) {}
  ~TerminalProgress() {
    if (shown_) std::fputc('\n', stderr);
  }
  void Update(const std::string& event, int done, int total) {
    if (!enabled_ || total <= 0) return;
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double left = done > 0 ? elapsed * (total - done) / done : 0;
    std::fprintf(stderr, "\r%s done: %d of %d events, about %.0f s left   ", event.c_str(), done, total, left);
    std::fflush(stderr);
    shown_ = true;
  }

 private:
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
};

// What the command line asks for; every option stores its value here.
struct Request {
  GenerateOptions generate;
  std::string events = "Imp01-Imp09,Par01-Par18";
  std::string cachePath;
  ImportRequest import;
  std::string importEvents;
  std::string dealer = "N";
  std::string vul = "None";
};

// Takes any value as it stands.
std::function<bool(const std::string&, std::string&)> Store(std::string& field) {
  return [&field](const std::string& v, std::string&) {
    field = v;
    return true;
  };
}

// A new option is one row here plus its field in Request.
quorval::cli::Program EventgenCommandLine(Request& r) {
  const quorval::cli::Option cache{"--dd-cache", "FILE", "keep solved double-dummy tables in FILE for later runs",
                                   Store(r.cachePath)};
  quorval::cli::Command generate{
      "generate",
      {},
      "make an event set in DIR: board file, field results and sequence library",
      {{"--seed", "N", "the seed of the deals; the same seed gives the same files byte for byte",
        [&r](const std::string& v, std::string& error) {
          if (!quorval::cli::ReadWhole(v, 0, UINT64_MAX, r.generate.seed)) {
            error = "the seed must be a whole number";
            return false;
          }
          return true;
        },
        true},
       {"--out", "DIR", "the folder the event files are written to", Store(r.generate.outDir), true},
       {"--events", "LIST", "the events to make, as ranges (default Imp01-Imp09,Par01-Par18)", Store(r.events)},
       cache}};
  quorval::cli::Command import{
      "import",
      {"FILE"},
      "make an event set in DIR from the hand records of a PBN file, with field and library as generate makes them",
      {{"--out", "DIR", "the folder the event files are written to", Store(r.import.outDir), true},
       {"--seed", "N", "the seed of the field and the library (default: one taken from the file)",
        [&r](const std::string& v, std::string& error) {
          if (!quorval::cli::ReadWhole(v, 0, UINT64_MAX, r.import.seed)) {
            error = "the seed must be a whole number";
            return false;
          }
          r.import.seedGiven = true;
          return true;
        }},
       {"--events", "LIST", "the events the boards fill in order (default: the pairs events, or the IMP events "
                            "when the file's Scoring says IMP)",
        Store(r.importEvents)},
       cache}};
  quorval::cli::Command check{"check", {"DIR"}, "check the event set in DIR against every rule the program relies on", {}};
  quorval::cli::Command stats{
      "stats", {"DIR"}, "role mix, strata against par, field texture and bidding quality per system", {cache}};
  const std::vector<quorval::cli::Option> board{
      {"--dealer", "SEAT", "the dealer: N, E, S or W (default N)", Store(r.dealer)},
      {"--vul", "VUL", "the vulnerability: None, NS, EW or Both (default None)", Store(r.vul)}};
  quorval::cli::Command bid{"bid", {"SYSTEM", "HAND", "[CALLS]"},
                            "the call the bidder makes with HAND (spades first) after CALLS (from the dealer, commas)",
                            board};
  quorval::cli::Command lead{"lead", {"SYSTEM", "HAND", "CALLS"},
                             "the leads the library stores for the opening leader holding HAND after the auction CALLS",
                             board};
  quorval::cli::Command explain{
      "explain", {"DIR", "SYSTEM", "CALLS"},
      "the meaning of each call of the auction CALLS (from the dealer, commas) in SYSTEM, from the meanings in DIR",
      board};
  quorval::cli::Command summaries{
      "summaries", {"DIR"}, "write the bidding-system summary pages of the help in four languages into DIR", {}};
  return {"quorval-eventgen", "Makes, checks and measures the event files of ORVENDAL QUORVAL 2005.",
          {generate, import, check, stats, summaries, bid, lead, explain},
          "SYSTEM is D, M, N or S (Danish Basic, Modern Standard, Std Norwegian, Modern Basic).\n"
          "Exit code 0; 1 when the work failed or check found problems; 2 for a bad command line."};
}

// The generator of generate and import: the double-dummy cache asked for, the
// library stage and progress on the terminal.
void Prepare(Generator& generator, const Request& r, TerminalProgress& progress) {
  if (!r.cachePath.empty()) generator.SetDdCache(std::make_shared<DdCache>(r.cachePath));
  InstallLibraryStage(generator);
  generator.SetProgress([&](const std::string& event, int done, int total) { progress.Update(event, done, total); });
}

bool EventList(const std::string& text, std::vector<std::string>& events) {
  std::string error;
  if (ParseEventList(text, events, error)) return true;
  std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
  return false;
}

int Generate(Request& r) {
  if (!EventList(r.events, r.generate.events)) return 2;
  std::string error;
  Generator generator;
  TerminalProgress progress;
  Prepare(generator, r, progress);
  if (!generator.Run(r.generate, error)) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

int Import(Request& r, const std::string& file) {
  r.import.file = file;
  if (!r.importEvents.empty() && !EventList(r.importEvents, r.import.events)) return 2;
  std::string error;
  Generator generator;
  TerminalProgress progress;
  Prepare(generator, r, progress);
  ImportReport report;
  const bool ok = ImportHandRecords(r.import, generator, report, error);
  for (const auto& problem : report.refused) std::fprintf(stderr, "%s\n", problem.Text().c_str());
  if (!ok) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 1;
  }
  if (report.left > 0)
    std::fprintf(stderr, "quorval-eventgen: %d board(s) left out: the events hold no more\n", report.left);
  std::printf("%d board(s) in %s written to %s (seed %llu); %zu game(s) refused\n", report.boards,
              report.events.c_str(), r.import.outDir.c_str(), static_cast<unsigned long long>(report.seed),
              report.refused.size());
  return 0;
}

int Check(const std::string& dir) {
  const std::vector<Problem> problems = CheckEventSet(dir, LibraryCheckerForSet());
  for (const Problem& p : problems) std::printf("%s: %s\n", p.key.c_str(), p.text.c_str());
  if (problems.empty()) {
    std::printf("%s: no problems\n", dir.c_str());
    const std::string explained = ExplainedCallsText(dir);
    if (!explained.empty()) std::printf("%s\n", explained.c_str());
  }
  else std::printf("%zu problem(s)\n", problems.size());
  return problems.empty() ? 0 : 1;
}

int Stats(const std::string& dir, const std::string& cachePath) {
  DdCache cache(cachePath);
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
  std::array<SystemLibraryStats, 4> library;
  if (CollectLibraryStats(dir, &cache, library, error))
    std::fputs(LibraryStatsReport(library).c_str(), stdout);
  else
    std::printf("library: %s\n", error.c_str());
  std::fputs(MeaningsStatsText(dir).c_str(), stdout);
  if (!cache.Save(saveError)) std::fprintf(stderr, "quorval-eventgen: %s\n", saveError.c_str());
  return 0;
}

// bid and lead: one line, the call or the lead list, on standard output.
int OneHand(const std::string& command, const Request& r, const std::vector<std::string>& args) {
  quorval::bidder::HandQuestion question;
  std::string error, answer;
  const std::string calls = args.size() > 2 ? args[2] : std::string();
  quorval::bidder::TableReading reading;
  const bool ok = quorval::bidder::ReadHandQuestion(args[0], args[1], calls, r.dealer, r.vul, question, error) &&
                  (command == "bid" ? quorval::bidder::BidAnswer(question, reading, answer, error)
                                    : quorval::bidder::LeadAnswer(question, reading, answer, error));
  if (!ok) {
    std::fprintf(stderr, "quorval-eventgen: %s (see quorval-eventgen --help)\n", error.c_str());
    return 2;
  }
  std::printf("%s\n", answer.c_str());
  return 0;
}

// explain: one line per call, "1N: 15-17 points, balanced".
int Explain(const Request& r, const std::vector<std::string>& args) {
  std::string error, text;
  quorval::bidder::AuctionQuestion question;
  if (!quorval::bidder::ReadAuctionQuestion(args[1], args[2], r.dealer, r.vul, question, error)) {
    std::fprintf(stderr, "quorval-eventgen: %s (see quorval-eventgen --help)\n", error.c_str());
    return 2;
  }
  quorval::CallMeanings meanings;
  const std::string path = args[0] + "/" + quorval::kMeaningsFileName;
  if (!ReadTextFile(path, text)) error = "no " + path;
  else if (!meanings.Load(text, &error)) error = path + ": " + error;
  if (!error.empty()) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 1;
  }
  const quorval::WordList words = quorval::WordList::Parse(quorval::bidder::CallMeaningWordsText());
  quorval::bidder::TableReading reading;
  for (const std::string& line :
       quorval::bidder::ExplainAuction(meanings, question, quorval::WordsOf(words, 0), reading))
    std::printf("%s\n", line.c_str());
  return 0;
}

// Writes the sixteen pages (four systems in four languages) into dir; false,
// with a reason, when the phrase table is broken or a page cannot be written.
bool WriteSummaryPages(const std::string& dir, std::string& error) {
  std::string phraseError;
  quorval::bidder::SummaryPhrases(&phraseError);
  if (!phraseError.empty()) {
    error = "summary_phrases.txt: " + phraseError;
    return false;
  }
  for (quorval::HelpLanguage language : quorval::kHelpLanguages)
    for (quorval::bidder::System s : quorval::bidder::kAllSystems)
      if (!WriteWhole(dir, quorval::bidder::SummaryPageName(s, language), quorval::bidder::SummaryPage(s, language), error)) return false;
  return true;
}

// The sixteen bidding-system summary pages, from the system definitions and
// the phrase table.
int Summaries(const std::string& dir) {
  std::string error;
  if (!WriteSummaryPages(dir, error)) {
    std::fprintf(stderr, "quorval-eventgen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Request request;
  return quorval::cli::Main(EventgenCommandLine(request), argc, argv,
                            [&](const quorval::cli::Command& command, const std::vector<std::string>& args) {
                              if (command.name == "generate") return Generate(request);
                              if (command.name == "import") return Import(request, args[0]);
                              if (command.name == "check") return Check(args[0]);
                              if (command.name == "bid" || command.name == "lead") return OneHand(command.name, request, args);
                              if (command.name == "summaries") return Summaries(args[0]);
                              if (command.name == "explain") return Explain(request, args);
                              return Stats(args[0], request.cachePath);
                            });
}
