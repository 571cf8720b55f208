#pragma once
// The result of a board at the table, made once when the board ends: the
// contract and its declarer, the tricks, the North-South score, the
// comparison with the field stratum by stratum, the line filed for the
// player and the play as it went. Windows show it and print it; nothing
// reads it back out of a grid. It is filed once, through ResultFiling.

#include <string>

#include "data/kept_play.h"
#include "scoring/board_result.h"
#include "scoring/field_comparison.h"

namespace quorval {

struct TableFiles;

struct TableResult {
  std::string key;                 // the board key, "Imp01.05"
  Contract contract;               // Pass for a passed-out board
  int declarerTricks = 0;          // 0 for a passed-out board
  int score = 0;                   // North-South
  FieldComparison comparison;      // built false: "Error on hand" was shown, nothing filed
  std::string line;                // the 25-item line filed for the player
  KeptPlay play;                   // the deal, the auction and the cards as played
  bool filed = false;              // the line is in the options store
  bool written = false;            // ... and on disk

  bool Built() const { return comparison.built; }
  // The user's figure in stratum 0..2 (A, B, C) as the score pad shows it.
  const std::string& HandFigure(int stratum) const { return comparison.HandFigures[size_t(stratum)]; }
};

// Where a finished board goes: its result line in the player's section of
// "Options.INI" and its play beside it in "Plays2005.ini". The game files
// each board once, when it ends; a replay or rebid that ends again files
// the new result over the old one.
class ResultFiling {
 public:
  virtual ~ResultFiling() = default;
  // Files the line under the board key; true when it reached the disk.
  virtual bool FileResult(const std::string& boardKey, const std::string& line) = 0;
  // Keeps the board's play beside its result.
  virtual void KeepPlay(const std::string& boardKey, const KeptPlay& play) = 0;
};

// Filing into the run's stores: the player's results belong to the event
// set on the table (a first result ties the player to it), and both files
// are written to disk at once.
class StoreFiling : public ResultFiling {
 public:
  explicit StoreFiling(TableFiles& files) : files_(files) {}
  bool FileResult(const std::string& boardKey, const std::string& line) override;
  void KeepPlay(const std::string& boardKey, const KeptPlay& play) override;

 private:
  TableFiles& files_;
};

}  // namespace quorval
