#pragma once
// The bidding-sequence library: for every board and bidding system the
// complete auctions that may be bid at the table, each with its opening
// leads. The text comes in whole (the compiled-in copy or "SEQ2005.txt") and
// is held in a plain INI store for the run.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calls.h"
#include "data/ini_store.h"

namespace quorval {

inline constexpr const char* kLibraryFileName = "SEQ2005.txt";
inline constexpr const char* kLibraryNotFound = "Could not find the resource";
inline constexpr const char* kLibraryEmpty = "Nothing to load - size = 0";
inline constexpr const char* kLeadWord = "Lead";

// "D" Danish Basic, "M" Modern Standard, "N" Std Norwegian, "S" Modern Basic.
char BidSystemLetter(int bidSys);
// "Imp01.01" and 'D' -> "Imp01.01.D".
std::string LibrarySectionName(const std::string& boardKey, char systemLetter);

// Splits a text into lines. A line ends at CR LF, at LF or at a lone CR; a
// last line without its line end is kept too; a leading byte-order mark is
// skipped.
std::vector<std::string> SplitLibraryLines(std::string_view text);

struct LibraryLead {
  CardCode card = 0;
  int percent = 0;
};

// One stored auction: its calls from the dealer on, and its leads.
struct LibraryLine {
  std::vector<CallCode> calls;
  std::vector<LibraryLead> leads;
};

// A library token: "P", "X", "XX" or a bid "1C" to "7N", exactly.
std::optional<CallCode> ParseLibraryToken(const std::string& token);
// Reads one line and checks it: tokens, a complete legal auction, the word
// "Lead", one to four card and percentage pairs adding up to 100. On a broken
// line gives nothing and, when asked, the reason.
std::optional<LibraryLine> ParseLibraryLine(const std::string& line, std::string* problem = nullptr);
// The line again in library form.
std::string LibraryLineText(const LibraryLine& line);

class SequenceLibrary {
 public:
  SequenceLibrary() = default;

  // Loads the whole library text, replacing what was there. An empty text
  // gives the message "Nothing to load - size = 0" and an empty library.
  bool LoadSequenceLibrary(std::string_view text);

  // Appends the board's auctions in one system to `target`; a missing
  // section appends nothing.
  void ReadSection(const std::string& boardKey, char systemLetter, std::vector<std::string>& target) const;
  std::vector<std::string> SectionLines(const std::string& boardKey, char systemLetter) const;
  bool Empty() const { return store_.Sections().empty(); }
  const TBiggerIniFile& Store() const { return store_; }

 private:
  TBiggerIniFile store_{""};  // in memory only: the library is never written
};

}  // namespace quorval
