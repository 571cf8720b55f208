#pragma once
// One board as Portable Bridge Notation (PBN 2.1) carries it: the deal with
// dealer and vulnerability, the auction and the play as they went at the
// table, the contract and result, the double-dummy table with par, and a
// score table of other tables' results. Read from a game of a PBN file
// (data/pbn_text.h) and written as a game of an export-format file.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"
#include "data/kept_play.h"
#include "data/pbn_text.h"

namespace quorval {

// A table of a PBN game ([ScoreTable "PairId_NS\2R;Contract\5L;..."] and its
// rows): column names without their width, and the rows' cells as written.
struct PbnTable {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
  bool operator==(const PbnTable&) const = default;
  // Index of a column by name, or -1.
  int Column(const std::string& name) const;
};

// Tricks declarer takes double dummy, by strain (clubs .. no-trump) and seat.
using PbnTricks = std::array<std::array<int, 4>, 5>;

struct PbnBoard {
  std::string event = "?";
  std::string site = "?";
  std::string date = "????.??.??";
  std::string board;          // the Board tag as written ("5")
  int boardNumber = 0;        // 0 when the Board tag is not a number
  std::array<std::string, 4> players{"?", "?", "?", "?"};  // by seat, North first
  Seat dealer = North;
  Vulnerability vul = 0;
  Deal deal;
  std::string scoring;

  // The contract and the tricks declarer's side took; nothing when unknown.
  // A passed-out board has the contract Pass and no result.
  std::optional<Contract> contract;
  std::optional<int> result;

  // The auction from the dealer on (empty when the game has none), and the
  // cards in the order they were played from the opening lead.
  std::vector<CallCode> calls;
  Seat openingLeader = North;
  std::vector<CardCode> cards;
  // A claim that ended the play, written as a comment at the end of the play
  // section ("{NS claim 3 of the 4 tricks left}"); readers pass it by.
  std::optional<KeptClaim> claim;

  std::optional<PbnTricks> optimum;   // OptimumResultTable
  std::string optimumScore;           // "NS 420"
  std::string parContract;            // "NS 4S", "EW 5DX", "Pass"
  std::string score;                  // "NS 420"
  PbnTable scoreTable;
};

// The rules a game is read by.
enum class PbnCheck {
  // Every tag that is read must be sound: a file of the program's own.
  Whole,
  // A hand record: the deal, dealer and vulnerability are what counts (a
  // missing dealer or vulnerability is taken from the board number); the
  // auction and play, when present, must be legal; every other tag is
  // ignored.
  HandRecord,
};

// Reads a game. `previous` is the game before it, whose values a tag value
// "#" repeats. False, with the line and the reason, when the game is refused.
bool ReadPbnBoard(const PbnGame& game, const PbnGame* previous, PbnCheck check, PbnBoard& board,
                  PbnProblem& problem);

// Every game of a PBN text read as boards: the sound ones, and one problem
// for each game refused.
struct PbnRead {
  std::vector<PbnBoard> boards;
  std::vector<int> boardLines;   // the first line of each board's game
  std::vector<PbnProblem> problems;
};
PbnRead ReadPbnText(std::string_view text, const std::string& file, PbnCheck check);

// "4S", "3NTX", "6HXX", "Pass".
std::string PbnContractText(const Contract& contract);
// "Pass", "X", "XX", "1C" .. "7NT".
std::string PbnCallText(CallCode call);
// "SA", "HT", "C2": suit letter, then rank.
std::string PbnCardText(CardCode card);

// The two lines every exported file starts with: "% PBN 2.1" and "% EXPORT".
std::string PbnExportHeader();
// One game in export format: the fifteen tags of the mandatory set in their
// order (Event, Site, Date, Board, West, North, East, South, Dealer,
// Vulnerable, Deal, Scoring, Declarer, Contract, Result), then the auction
// and the play sections, the score, the double-dummy table, optimum score,
// par contract and score table when present. Lines end with CR LF; the game
// ends with an empty line.
std::string PbnExportGame(const PbnBoard& board);

}  // namespace quorval
