#pragma once
// The generate and import commands: every board of the chosen events is dealt
// (or taken from a hand record), analysed double dummy, turned for the user
// and given its field, then handed to the sinks (board and results files; the
// sequence library when one is added). The files are written into a fresh
// folder beside the target and moved into place when complete, so a run that
// fails or is cancelled leaves nothing half-written.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "eventsets/dd_cache.h"
#include "eventsets/event_files.h"

namespace quorval::eventgen {

// Deal, dealer, vulnerability, double-dummy table, par and site of one board.
// False, with a reason, when the solver fails.
bool MakeBoardFacts(uint64_t seed, const std::string& event, int number, BoardFacts& facts, std::string& error,
                    DdCache* cache = nullptr);

// One board complete with its field.
bool MakeBoard(uint64_t seed, const std::string& event, int number, const FieldContractChooser& chooser,
               BoardRecord& board, std::string& error, DdCache* cache = nullptr);

// A board of a hand record: where it goes and what it is.
struct GivenBoard {
  std::string event;   // "Par01"
  int number = 0;      // 1..27
  Deal deal;
  Seat dealer = North;      // the record's, shown at the table whatever the turn
  Vulnerability vul = 0;
};

struct GenerateOptions {
  uint64_t seed = 0;
  std::string outDir;
  std::vector<std::string> events;  // in file order; each of 27 dealt boards
  // When not empty, these boards instead of dealt ones (events is then
  // ignored): an event is as long as the boards given for it.
  std::vector<GivenBoard> given;
  // Where given boards came from, for the seed note ("club.pbn").
  std::string source;
};

// Where a run stands, for a progress bar.
enum class GenerateStage { Solving, Bidding, Writing };
struct GenerateStep {
  GenerateStage stage = GenerateStage::Solving;
  std::string key;   // the board the stage is at ("Imp03.12"); empty while writing
  int done = 0;      // boards through this stage
  int total = 0;     // boards in the run
};

// Called after each event with the count done so far and the total.
using ProgressFn = std::function<void(const std::string& event, int done, int total)>;
using StepFn = std::function<void(const GenerateStep& step)>;

inline constexpr const char* kCancelledText = "cancelled";

class Generator {
 public:
  Generator();
  // Replaces the statistical field by another chooser (the bidder's).
  void SetFieldChooser(std::shared_ptr<const FieldContractChooser> chooser);
  // Adds a sink that sees every board and writes its own file.
  void AddSink(std::shared_ptr<BoardSink> sink);
  void SetProgress(ProgressFn progress);
  void SetSteps(StepFn steps);
  // Solved tables are taken from and added to this cache.
  void SetDdCache(std::shared_ptr<DdCache> cache);
  // The run stops, writing nothing, soon after the flag is set.
  void SetCancel(const std::atomic<bool>* cancel);

  // One board as Run makes it, with the chooser and cache set here.
  bool MakeOne(uint64_t seed, const std::string& event, int number, BoardRecord& board, std::string& error) const;

  // Makes every board and writes the files; false, with a reason, on failure
  // (kCancelledText when cancelled).
  bool Run(const GenerateOptions& options, std::string& error);

 private:
  bool Cancelled() const;
  bool MakeEvent(const GenerateOptions& options, const std::vector<BoardFacts>& plan, int& done, int total,
                 std::string& error);

  std::shared_ptr<const FieldContractChooser> chooser_;
  std::vector<std::shared_ptr<BoardSink>> sinks_;
  ProgressFn progress_;
  StepFn steps_;
  std::shared_ptr<DdCache> cache_;
  const std::atomic<bool>* cancel_ = nullptr;
};

// "Imp01-Imp09,Par01-Par18": the events as runs of consecutive sessions.
std::string EventListText(const std::vector<std::string>& events);

// Moves the files of a finished set from `ready` to `target`: the whole
// folder when the target does not exist or is empty, else file by file over
// the ones there. `ready` is gone afterwards. False, with a reason, on failure.
bool MoveSetIntoPlace(const std::string& ready, const std::string& target, std::string& error);

}  // namespace quorval::eventgen
