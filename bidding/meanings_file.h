#pragma once
// The meanings written beside the library ("Meanings2005.txt"): every call of
// every stored line, as the table read it when the library was bid. One entry
// serves every board whose auction shares the calls up to it in that system;
// where boards read a call differently (vulnerability, a rare hand) the entry
// holds what the call promises on all of them.
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bidding/library.h"
#include "bidding/meaning.h"
#include "bidding/reading.h"
#include "data/call_meanings.h"

namespace quorval::bidder {

// The bidder's meaning in the file's terms: the ace asks and answers named by
// the system's slam convention (Blackwood whenever no trump is agreed).
CallMeaning ToCallMeaning(const Meaning& m, const SystemDef& system);

// One meaning from every board's reading of the same calls: a reading that
// drew no hand making the call gives way to those that did, and the rest are
// joined as the table joins the readings of one call (the ranges widened to
// hold them all).
CallMeaning JoinBoardReadings(const std::vector<Meaning>& readings, const SystemDef& system);

class MeaningCollector {
 public:
  // Reads every call of the section's lines as the table reads it and keeps
  // its meaning under the calls up to it.
  void AddSection(const LibraryBoard& board, System system, const std::vector<LibraryLine>& lines,
                  TableReading& reading);
  // One meaning per entry, for the file.
  std::map<char, MeaningEntries> Entries() const;

 private:
  // Every board's reading of an entry, in the order the boards came.
  std::map<char, std::map<std::string, std::vector<Meaning>>> seen_;
};

// The calls of a library line ("P,1S,P,P,P,Lead,5C,100" -> P 1S P P P);
// empty when a field before "Lead" is not a call.
std::vector<CallCode> LineCalls(const std::string& line);

// How far the meanings file of an event set explains its library.
struct MeaningsCoverage {
  int calls = 0;      // calls of the library's lines, each prefix once per section
  int missing = 0;    // ... without an entry
  std::vector<std::string> problems;  // "Imp01.05.D: no meaning for 1N,P,2D", at most one per section
};
MeaningsCoverage CoverageOf(const std::string& libraryText, const CallMeanings& meanings);

// Per system: the entries and the distinct meanings among them.
struct MeaningsCount {
  int entries = 0;
  int distinct = 0;
};
std::map<char, MeaningsCount> CountMeanings(const CallMeanings& meanings);
std::string MeaningsStatsReport(const std::map<char, MeaningsCount>& counts);

}  // namespace quorval::bidder
