#pragma once
// Validation of a sequence library text against the boards it serves: the
// section layout, complete legal auctions, lines that part only at the user's
// seat, and lead lists the opening leader can actually lead from.
#include <string>
#include <utility>
#include <vector>

#include "tools/eventgen/bidder/library.h"

namespace quorval::bidder {

struct LibraryProblem {
  std::string key;   // section name, board key, or the file name
  std::string text;
};

// Checks one line against its board; empty when it is good.
std::string LineProblem(const std::string& line, const LibraryBoard& board);

// Checks the whole library text. `boards` are the boards of the event set in
// any order; every one must have its four sections.
std::vector<LibraryProblem> CheckLibraryText(const std::string& text, const std::vector<LibraryBoard>& boards);

// Reads the boards of a board-file text ("Lisk2005.ini"); boards whose deal
// does not read are left out (the board checker reports them).
std::vector<LibraryBoard> BoardsFromBoardFile(const std::string& text);

}  // namespace quorval::bidder
