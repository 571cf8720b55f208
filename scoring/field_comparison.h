#pragma once
// The comparison of the user's board score with the field, stratum by
// stratum: each stratum's six field results plus the user, ranked by score,
// every row's match points (pairs events) or average IMPs (IMP events)
// against the other six, and the figures that are filed for the player.
// The strata pages and the score pad only display what this builds.

#include <array>
#include <string>
#include <vector>

#include "core/calls.h"
#include "scoring/field_results.h"

namespace quorval {

// The user's own result on the board.
struct UserResult {
  std::string seatLetter;   // declarer, or the seat before the dealer when passed out
  std::string contract;     // ContractText without markup, or the "Passed out" label
  int tricks = 0;
  int score = 0;            // BoardScore, North-South
};
UserResult MakeUserResult(const Contract& contract, int declarerTricks, int boardScore, Seat dealer,
                          const std::string& passedOutLabel);

// What the comparison needs from the window: the event kind, the
// match-point method and the localised texts it shows.
struct ComparisonSettings {
  bool imps = false;                 // an IMP event ("Imp"), else pairs ("Par")
  int mpScoringSys = 0;
  std::array<std::string, 4> seatNames{"North", "East", "South", "West"};
  std::string passedOutLabel = "Passed out";
  char decimalPoint = '.';
};

inline constexpr int kGridColumns = 7;   // Stratum, #, By, Contract, Tricks, Score, MP/IMP
inline constexpr int kRowsPerStratum = 7;

// One result row of a strata page.
struct ResultRow {
  std::array<std::string, kGridColumns> cells;  // the texts of columns 0..6
  int score = 0;
  double figure = 0;
  bool user = false;                            // column 1 is "-"
  int number = 0;                               // field result 1..18, 0 for the user
};

struct StratumTable {
  std::array<ResultRow, kRowsPerStratum> rows;  // best North-South score first
};

struct FieldComparison {
  bool built = false;
  FieldResultError error;                       // when not built: the offending result
  std::array<StratumTable, kStratumCount> strata;
  // Index 1..18 the field results' figures within their strata; 19, 20, 21
  // the user's figures in A, B, C. Index 0 is unused.
  std::array<double, 22> ResultFigures{};
  // The user's figure texts in A, B, C, as the score pad shows them.
  std::array<std::string, kStratumCount> HandFigures;
};

// Compares the user's result with the 18 field results (each the items of
// one result, a passed-out one already replaced). A result that cannot be
// read leaves `built` false with the error filled in; no figures then. The
// caller shows `error.message` (see BuildResultGrids for the table's path).
FieldComparison CompareWithField(const UserResult& user, const std::vector<std::vector<std::string>>& fieldItems,
                                 const std::string& boardKey, const ComparisonSettings& settings);

// The table's path: looks the 18 results up in `boardValues`, compares, and
// shows "Error on hand ..." through the message sink when a result is bad.
FieldComparison BuildResultGrids(const UserResult& user, const std::vector<std::string>& boardValues,
                                 Seat dealer, const std::string& boardKey, const ComparisonSettings& settings);

// A row's figure against the other six rows of its stratum.
double MatchPointFigure(const StratumTable& table, int row, int mpScoringSys);
double ImpFigure(const StratumTable& table, int row);

// The contract as the grids show it: upper case, with "~" after the level
// when a strain letter follows ("3nt" -> "3~NT").
std::string GridContractText(const std::string& contract);

}  // namespace quorval
