#pragma once
// The text layer of Portable Bridge Notation (PBN 2.1): a file split into
// games, each game into tag pairs ([Deal "N:..."]) with the section lines that
// follow a tag (the calls after [Auction], the tricks after [Play], the rows
// of a table). What the tags mean is read elsewhere (data/pbn_board.h).
//
// Read as real files are written: CR LF, LF or a lone CR end a line; a byte
// order mark is skipped; a line starting with "%" is an escape or comment
// line; ";" starts a comment to the end of its line and "{" a comment up to
// the next "}", also across lines; several tag pairs may share a line; an
// empty line ends a game. A tag pair that cannot be read spoils its game
// (the game is kept, marked with the line and the reason) and reading goes on
// with the next game.

#include <string>
#include <string_view>
#include <vector>

namespace quorval {

// A fault in a PBN file: where it is and why the game was refused.
struct PbnProblem {
  std::string file;
  int line = 0;
  std::string reason;
  // "file:line: reason"
  std::string Text() const;
};

// One line of a tag's section, split into tokens. A quoted string ("Anne
// Hansen") is one token without its quotes.
struct PbnSectionLine {
  int line = 0;
  std::vector<std::string> tokens;
};

struct PbnTag {
  std::string name;
  std::string value;   // escapes \" and \\ resolved
  int line = 0;
  std::vector<PbnSectionLine> section;
};

struct PbnGame {
  int line = 0;                   // line of the game's first tag
  std::vector<PbnTag> tags;       // in file order
  std::vector<PbnProblem> faults; // broken tag lines and stray text: the game is refused

  // The first tag of that name (exact case, as PBN names are), or nullptr.
  const PbnTag* Find(std::string_view name) const;
};

// Splits a PBN text into its games. `file` only labels the problems.
std::vector<PbnGame> SplitPbnGames(std::string_view text, const std::string& file);

// A tag value written for a PBN file, in double quotes: a quote is escaped,
// and a backslash where it would otherwise read as an escape.
std::string PbnQuoted(std::string_view value);

}  // namespace quorval
