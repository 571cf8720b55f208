#pragma once
// The check command: validates an event set against everything the program
// relies on when it reads a board, its field results and (once present) its
// sequence library. Each problem names the board key it was found on.

#include <functional>
#include <string>
#include <vector>

namespace quorval::eventgen {

struct Problem {
  std::string key;   // board key, or the file name for problems of a whole file
  std::string text;
};

// A raw INI text split as the store splits it: sections in file order with
// their non-empty lines; lines before the first section are counted apart.
struct RawSection {
  std::string name;
  std::vector<std::string> lines;
};
struct RawIni {
  std::vector<RawSection> sections;
  int strayLines = 0;
  int longLines = 0;  // over the store's 255-character limit
};
RawIni SplitIni(const std::string& text);

// "Imp01.05" .. : true for the 729 keys of the 27 events.
bool IsBoardKey(const std::string& name);

// Deal text rules: 69 characters, a seat letter and colon, four hands of
// thirteen cards, 52 different cards. Empty when the text is good.
std::string DealTextProblem(const std::string& text);

// One field result against the board's vulnerability; empty when good.
std::string ResultProblem(const std::string& value, int vulnerability);

// Checks the library of a folder; installed by the library writer's module.
using LibraryChecker = std::function<void(const std::string& dir, std::vector<Problem>& problems)>;

// Checks the files of an event set given as texts (tests use this directly).
// A dealt set (`dealtSet`) also shows every board, after the turn by its
// Site, with the dealer and vulnerability of its number in the duplicate
// cycle; a set made from hand records shows the records' own.
std::vector<Problem> CheckEventTexts(const std::string& boardText, const std::string& resultsText,
                                     bool dealtSet = false);

// Reads "Lisk2005.ini" and "Results2005.ini" in dir, checks them and, when a
// library checker is given, the library too. The set is a dealt one when its
// seed note says it was generated (and not made from a hand record).
std::vector<Problem> CheckEventSet(const std::string& dir, const LibraryChecker& library = {});

}  // namespace quorval::eventgen
