#pragma once
// A board's name in the event files, the library and the player's results:
// the event type ("Imp" or "Par"), the two-digit session and the board,
// written "Imp01.05". Keys are made and taken apart here and nowhere else.

#include <optional>
#include <string>
#include <string_view>

namespace quorval {

// The boards of a whole event (a short one ends earlier).
inline constexpr int kBoardsPerEvent = 27;

struct BoardKey {
  std::string eventType;   // "Imp" or "Par", as written
  std::string session;     // "01"
  int board = 0;           // 1..27

  // "Imp01.05": the board in two digits.
  std::string Text() const;
  // "Imp01": the event the board belongs to.
  std::string Event() const { return eventType + session; }
  // The parts of a key shaped "Imp01.05" (three letters, two digits, a dot,
  // two digits; the case as written, no range checked); none otherwise.
  static std::optional<BoardKey> Parse(std::string_view text);

  bool operator==(const BoardKey&) const = default;
};

}  // namespace quorval
