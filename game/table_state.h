#pragma once
// The state of the table that every part of the game flow shares: which event
// and board are on the table, the system bid, who is human and who is shown,
// and where the current board stands. Plain data, owned by the table window.

#include <array>
#include <string>

#include "core/calls.h"
#include "core/deal.h"

namespace quorval {

// Where the current board stands; the values are the ones the settings and
// the rest of the program use.
enum class Phase : int {
  Bidding = 0,
  BiddingOver = 1,
  Playing = 2,
  BoardOver = 3,
  NoBoard = 9,
};

// Seat sets are bit masks with seat s at bit s + 1 (8 = South alone).
constexpr int SeatBit(Seat s) { return 1 << (s + 1); }
inline constexpr int kSouthOnly = 8;
inline constexpr int kAllFour = 30;
inline constexpr int kNorthSouth = 10;

// Bidding system 0..3: letter of its library sections and the lead style the
// engine's opening lead reads.
constexpr char BidSystemLetterOf(int system) { return "DMNS"[system & 3]; }
constexpr int PlayStyleOf(int system) {
  constexpr int styles[4] = {3, 6, 5, 7};
  return styles[system & 3];
}

struct TableState {
  std::string EventType = "Imp";
  std::string Session = "01";
  int BoardNo = 0;
  int BidSystem = 0;
  char BidSystemLetter = 'D';
  int PlayStyle = 3;

  Seat Dealer = North;
  Vulnerability Vul = 0;
  Deal BoardDeal;

  Phase phase = Phase::NoBoard;
  int HumanSeats = kSouthOnly;
  int FaceUpSeats = kSouthOnly;
  bool ShowAllHands = false;

  double BidPause = 0.8;          // seconds a computer seat takes per call
  bool MarkerFilePresent = false;  // "ZVQ.CDA" found in the working folder
  std::string ProgramFolder;       // with its trailing separator
  // North, East, South, West in the interface language.
  std::array<std::string, 4> SeatNames{"North", "East", "South", "West"};

  void SetBidSystem(int system) {
    BidSystem = system & 3;
    BidSystemLetter = BidSystemLetterOf(BidSystem);
    PlayStyle = PlayStyleOf(BidSystem);
  }
  bool IsImpEvent() const { return EventType == "Imp"; }
};

}  // namespace quorval

