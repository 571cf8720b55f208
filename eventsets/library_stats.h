#pragma once
// How good the library of an event set is, per bidding system: the main
// lines against the double-dummy par, how often they make, how many lines
// and alternatives the user gets (also where a player of the system would
// weigh another call), and how often the listed leads keep the double-dummy
// result. Also the counts of the meanings file and whether it explains every
// stored call.
#include <array>
#include <string>

#include "eventsets/dd_cache.h"

namespace quorval::eventgen {

struct SystemLibraryStats {
  int sections = 0;
  int lines = 0;
  int impsLost = 0;          // sum over boards of |IMPs(main line - par)|
  int contracts = 0;         // main lines that are not passed out
  int makes = 0;             // ... that make double dummy
  int altAtFirstCall = 0;    // sections where the user has a choice at the first call
  int alternatives = 0;      // sum of the user's other calls at the first call
  int choiceAtFirstCall = 0; // sections where a player weighs another first call with the user's hand
  int altWhereChoice = 0;    // ... and the library offers one
  long leadPercent = 0;      // lead percentages of all lines with a contract
  long leadPercentKept = 0;  // ... of leads that keep the double-dummy result
};

// Reads the board file and "SEQ2005.txt" of the folder; false, with a reason,
// when either is missing.
bool CollectLibraryStats(const std::string& dir, DdCache* cache, std::array<SystemLibraryStats, 4>& out,
                         std::string& error);

std::string LibraryStatsReport(const std::array<SystemLibraryStats, 4>& stats);

// The meanings part of stats for the event set in dir, or why there is none.
std::string MeaningsStatsText(const std::string& dir);
// "Every stored call explained: ..." when the set's meanings cover its
// library; empty when they do not (check lists what is wrong).
std::string ExplainedCallsText(const std::string& dir);

}  // namespace quorval::eventgen
