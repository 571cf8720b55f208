#pragma once
// The two event files the program reads: the board file "Lisk2005.ini" (one
// section per board: Dealer, Vulnerable, Deal, Site) and the field-results
// file "Results2005.ini" (18 lines "01=" .. "18=" per board), plus the "SEED"
// note that says how the set was made.

#include <string>
#include <vector>

#include "eventsets/field.h"

namespace quorval {
class TBigIniFile;
}

namespace quorval::eventgen {

inline constexpr const char* kBoardFileName = "Lisk2005.ini";
inline constexpr const char* kResultsFileName = "Results2005.ini";
inline constexpr const char* kSeedFileName = "SEED";

struct BoardRecord {
  BoardFacts facts;
  Field field;
};

// The lines of a board's section in each file, in file order.
std::vector<std::string> BoardSectionLines(const BoardFacts& facts);
std::vector<std::string> ResultSectionLines(const Field& field);

// A section exactly as the INI store writes it: header, lines, empty line,
// every line ended by carriage return and line feed.
std::string SectionText(const std::string& name, const std::vector<std::string>& lines);

// Receives every board as it is made and writes its files at the end; the
// board and results files are one sink, the sequence library another.
class BoardSink {
 public:
  virtual ~BoardSink() = default;
  virtual void Add(const BoardRecord& board) = 0;
  // False, with a reason, when a file could not be written.
  virtual bool Write(const std::string& dir, std::string& error) = 0;
};

class EventFilesWriter final : public BoardSink {
 public:
  void Add(const BoardRecord& board) override;
  bool Write(const std::string& dir, std::string& error) override;

 private:
  std::vector<BoardRecord> boards_;
};

// The whole content of a file; false when it cannot be opened.
bool ReadTextFile(const std::string& path, std::string& text);

// Writes a text to dir/name through a temporary file renamed over the old one.
bool WriteWhole(const std::string& dir, const std::string& name, const std::string& text, std::string& error);

// Writes the seed note: "Seed=N" and "Events=..." lines; for a set made
// from a hand record a "Deals=" line naming the file the deals came from and,
// when an event holds fewer than 27 boards, a "Short=" line with the key of
// each such event's last board ("Short=Par02.03"), which the program reads.
bool WriteSeedNote(const std::string& dir, uint64_t seed, const std::string& events, std::string& error,
                   const std::string& dealsFrom = "", const std::string& shortEvents = "");
// Reads it back; false when the folder has none (a hand-written set). The
// "Deals=" file goes to `dealsFrom` when asked for (empty for a dealt set).
bool ReadSeedNote(const std::string& dir, uint64_t& seed, std::string& events, std::string* dealsFrom = nullptr);

}  // namespace quorval::eventgen
