#pragma once
// Validation of a sequence library text against the boards it serves: the
// section layout, complete legal auctions, lines that part only at the user's
// seat, and lead lists the opening leader can actually lead from.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bidding/library.h"

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

// The lines of every section of a library text, by section name ("Imp01.05.D").
std::map<std::string, std::vector<std::string>> LibrarySections(const std::string& text);

// The two rules of a library bid from the seats' own hands: every call of a
// line is the call the bidder makes with that seat's own hand after the calls
// before it, except the user's alternatives off the main line, and each of
// those fits the meaning the table reads into it within a point. Lines that
// do not read are left to CheckLibraryText.
std::vector<LibraryProblem> CheckSeatCalls(const std::string& text, const std::vector<LibraryBoard>& boards);

// Reads the boards of a board-file text ("Lisk2005.ini"); boards whose deal
// does not read are left out (the board checker reports them).
std::vector<LibraryBoard> BoardsFromBoardFile(const std::string& text);

}  // namespace quorval::bidder
