#pragma once
// Deals and the per-seat hand records: reading a deal text, turning a board so
// that the chosen hand sits South, and following what each hand still holds.

#include <array>
#include <string>
#include <vector>

#include "core/types.h"

namespace quorval {

// Sixteen holdings addressed as seat * 4 + suit.
struct Deal {
  std::array<Holding, 16> holdings{};
  Holding& at(Seat s, TSuit suit) { return holdings[s * 4 + suit]; }
  Holding at(Seat s, TSuit suit) const { return holdings[s * 4 + suit]; }
  bool operator==(const Deal&) const = default;
};

// 0 nobody, 1 North-South, 2 East-West, 3 both.
using Vulnerability = int;
Vulnerability ParseVulnerability(const std::string& text);
const char* VulnerabilityName(Vulnerability v);   // "None", "NS", "EW", "Both"
bool SideVulnerable(Vulnerability v, Side side);

// Dealer and vulnerability of board n (1, 2, ...) as every duplicate club
// deals them: the dealer goes round from North, the vulnerability follows the
// 16-board cycle None NS EW Both / NS EW Both None / EW Both None NS /
// Both None NS EW.
Seat StandardDealer(int boardNumber);
Vulnerability StandardVulnerability(int boardNumber);

inline constexpr size_t kDealTextLength = 69;

// Reads a deal text ("N:AKQ.JT9.876.5432 ..."). On success the deal is
// replaced; on failure the deal is left as it was and one line, the message,
// " : " and the text, is added to `errors`.
bool ParseDeal(const std::string& text, Deal& deal, std::vector<std::string>& errors);
// The deal as a 69-character text starting with the given seat.
std::string DealText(const Deal& deal, Seat first = North);
// True when the deal holds all 52 cards, thirteen to a hand, none twice.
bool DealIsComplete(const Deal& deal);

// Turns the board by k seats (k taken modulo 4): the dealer moves on, an odd
// count swaps the sides' vulnerability, and every seat's cards move k seats on.
void RotateDeal(int k, Seat& dealer, Vulnerability& vul, Deal& deal);
Seat RotateSeat(Seat s, int k);

struct TSuitData {
  TSuit SuitIndex = 0;
  char SuitLetter = 'C';
  Holding CurrentHolding = 0;
  int CardsLeft = 0;
  Holding DealtHolding = 0;
  int CountAtPlayStart = 0;
  CardCode HighlightMask = 0;
};

// The data of one seat's hand; the table keeps four, created once.
struct THands {
  Seat HandSeat = North;
  Seat Partner = South, LeftOpponent = East, RightOpponent = West;
  const char* SeatName = "North";
  Side HandSide = 1, OpponentSide = 2;
  std::array<TSuitData, 4> Suits{};
  int Hcp = 0;
  bool HumanControlled = false;
  bool FaceUp = false;

  explicit THands(Seat seat = North);
  bool Holds(CardCode c) const { return HoldsCard(Suits[SuitOf(c)].CurrentHolding, c); }
  int CardsLeftTotal() const;
  // Removes the card from the current holding; false when it is not held.
  bool RemoveCard(CardCode c);
  void ReturnCard(CardCode c);
};

void Recount(THands& hand);
void DealToHands(const Deal& deal, std::array<THands, 4>& hands);
void RestoreDeal(std::array<THands, 4>& hands);

}  // namespace quorval
