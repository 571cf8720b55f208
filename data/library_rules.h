#pragma once
// The rules every section of the bidding-sequence library meets and that the
// auction driver and the opening lead rely on, written down once so that the
// loader's tests and the event checker judge a library by the same code.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/deal.h"

namespace quorval {

inline constexpr size_t kMaxLibraryLines = 9;

// What the table knows of the board the section belongs to, after rotation:
// the user sits South.
struct LibraryBoardFacts {
  Seat dealer = North;
  Deal deal;
};

// Checks one section's lines: 1 to 9 lines, each a well-formed complete
// auction with its leads, and lines parting only at calls of one seat. With
// the board's facts also: they part at South's calls, and every lead card is
// held by the opening leader. Gives one text per problem ("line 2: ...").
std::vector<std::string> CheckLibrarySection(const std::vector<std::string>& lines,
                                             const std::optional<LibraryBoardFacts>& board = std::nullopt);

// Checks a whole library text: line ends, line lengths, section names (board
// key, ".", system letter), sections named twice, lines outside a section,
// and every section by CheckLibrarySection without board facts.
std::vector<std::string> CheckLibraryText(std::string_view text);

// True for a board key such as "Imp01.05" or "Par18.27".
bool IsBoardKey(const std::string& key);

}  // namespace quorval
