#pragma once
// What the deal stage knows about one board: its key, the stored deal with
// dealer and vulnerability, the rotation ("Site") and the double-dummy facts.
// Later stages (field, library) read it and never change it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"
#include "core/prng.h"
#include "play/dd_solver.h"

namespace quorval::eventgen {

inline constexpr int kBoardsPerEvent = 27;

struct BoardFacts {
  std::string key;   // "Imp01.05"
  std::string event; // "Imp01"
  int number = 0;    // 1..27
  Deal deal;         // stored orientation
  Seat dealer = North;      // stored; turned by the site, the board number's (or the record's)
  Vulnerability vul = 0;
  int site = 0;      // rotation count; the stored seat (2 - site) mod 4 plays as South
  DdTable dd;
  ParInfo par;

  // The seat the user takes, in stored orientation.
  Seat UserSeat() const { return (South - site + 4) & 3; }
};

// Dealer and vulnerability of board n as every duplicate club deals them.
Seat BoardDealer(int number);
Vulnerability BoardVulnerability(int number);

// "Imp01" and 5 give "Imp01.05".
std::string BoardKey(const std::string& event, int number);

// Parses "Imp01-Imp09,Par01-Par18" (single names or ranges of one kind) into
// event names in order. False, with a reason, on anything else.
bool ParseEventList(const std::string& text, std::vector<std::string>& events, std::string& error);
// True for Imp01..Imp09 and Par01..Par18.
bool IsKnownEvent(const std::string& event);
// The 27 events in file order.
std::vector<std::string> AllEvents();

}  // namespace quorval::eventgen
