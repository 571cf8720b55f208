#pragma once
// The generate command: every board of the chosen events is dealt, analysed
// double dummy, turned for the user and given its field, then handed to the
// sinks (board and results files; the sequence library when one is added).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/eventgen/dd_cache.h"
#include "tools/eventgen/event_files.h"

namespace quorval::eventgen {

// Deal, dealer, vulnerability, double-dummy table, par and site of one board.
// False, with a reason, when the solver fails.
bool MakeBoardFacts(uint64_t seed, const std::string& event, int number, BoardFacts& facts, std::string& error,
                    DdCache* cache = nullptr);

// One board complete with its field.
bool MakeBoard(uint64_t seed, const std::string& event, int number, const FieldContractChooser& chooser,
               BoardRecord& board, std::string& error, DdCache* cache = nullptr);

struct GenerateOptions {
  uint64_t seed = 0;
  std::string outDir;
  std::vector<std::string> events;  // in file order
};

// Called after each event with the count done so far and the total.
using ProgressFn = std::function<void(const std::string& event, int done, int total)>;

class Generator {
 public:
  Generator();
  // Replaces the statistical field by another chooser (the bidder's).
  void SetFieldChooser(std::shared_ptr<const FieldContractChooser> chooser);
  // Adds a sink that sees every board and writes its own file.
  void AddSink(std::shared_ptr<BoardSink> sink);
  void SetProgress(ProgressFn progress);
  // Solved tables are taken from and added to this cache.
  void SetDdCache(std::shared_ptr<DdCache> cache);

  // One board as Run makes it, with the chooser and cache set here.
  bool MakeOne(uint64_t seed, const std::string& event, int number, BoardRecord& board, std::string& error) const;

  // Makes every board and writes the files; false, with a reason, on failure.
  bool Run(const GenerateOptions& options, std::string& error);

 private:
  std::shared_ptr<const FieldContractChooser> chooser_;
  std::vector<std::shared_ptr<BoardSink>> sinks_;
  ProgressFn progress_;
  std::shared_ptr<DdCache> cache_;
};

// "Imp01-Imp09,Par01-Par18": the events as runs of consecutive sessions.
std::string EventListText(const std::vector<std::string>& events);

}  // namespace quorval::eventgen
