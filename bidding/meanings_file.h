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
#include "bidding/library_check.h"

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
  // its meaning under the calls up to it, with the meaning the rule that made
  // the call gave it for the hand that made it.
  void AddSection(const LibraryBoard& board, System system, const std::vector<LibraryLine>& lines,
                  TableReading& reading);
  // One meaning per entry, for the file: the boards' readings joined, widened
  // to hold the meanings of the rules that made the call, so that no stored
  // call's holder falls outside it.
  std::map<char, MeaningEntries> Entries() const;

 private:
  // The hand that made a call and the meaning its rule gave the call.
  struct Holder {
    Meaning own;
    int hcp = 0;
    std::array<int, 4> len{};
    bool ownCall = false;  // the call the seat's own hand bids, not a user's alternative
  };
  // Every board's reading of an entry, in the order the boards came.
  std::map<char, std::map<std::string, std::vector<Meaning>>> seen_;
  std::map<char, std::map<std::string, std::vector<Holder>>> holders_;
};

// A stored meaning widened to hold a hand: its points (as the meaning counts
// them) and its suit lengths.
void WidenToHold(CallMeaning& m, int hcp, const std::array<int, 4>& lengths);

// The stored calls whose holder falls outside the meaning the file states for
// them (points as the meaning counts them, suit lengths): every call a seat
// made from its own hand. The user's alternatives, which may miss their
// meaning by a point, are CheckSeatCalls's. Lines that do not read are left
// to CheckLibraryText, calls without a meaning to CoverageOf.
std::vector<LibraryProblem> MeaningMisfits(const std::string& libraryText, const std::vector<LibraryBoard>& boards,
                                           const CallMeanings& meanings);

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
