#pragma once
// The import command: a file of hand records (PBN) made into an event set the
// program plays. The boards fill the events in file order, 27 to an event; a
// last event holds what is left. Games that cannot be played are refused with
// their line and reason and the others go on.

#include <cstdint>
#include <string>
#include <vector>

#include "data/pbn_board.h"
#include "eventsets/generator.h"

namespace quorval::eventgen {

// The events a hand record fills when none are named: the IMP events when its
// first Scoring tag speaks of IMPs, otherwise the pairs events.
std::vector<std::string> DefaultImportEvents(const PbnRead& read);

struct ImportPlan {
  std::vector<GivenBoard> boards;
  int left = 0;   // boards beyond the last of the events
};
// Numbers the boards into the events, in order.
ImportPlan PlanImport(const std::vector<PbnBoard>& boards, const std::vector<std::string>& events);

struct ImportRequest {
  std::string file;             // the hand-record file
  std::string outDir;
  bool seedGiven = false;
  uint64_t seed = 0;            // without one, the seed comes from the file's bytes
  std::vector<std::string> events;  // empty: DefaultImportEvents
};

// What an import did, for the user.
struct ImportReport {
  std::vector<PbnProblem> refused;
  int boards = 0;               // boards written
  int left = 0;                 // boards beyond the events, not written
  uint64_t seed = 0;
  std::string events;           // "Par01-Par02"
};

// Reads the file and runs the generator (with its sinks and chooser as set
// up by the caller) on its boards. False, with a reason, when the file cannot
// be read, holds no board that can be played, or the set cannot be made.
bool ImportHandRecords(const ImportRequest& request, Generator& generator, ImportReport& report, std::string& error);

}  // namespace quorval::eventgen
