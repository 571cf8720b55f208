#pragma once
// The play engine's own picture of the deal: card-set functions on rank-bit
// holdings, the per-seat hands with their per-suit views, the trick frames the
// search walks through, and the node state every heuristic reads.
// Everything here lives for one engine call.

#include <array>
#include <cstdint>

#include "core/types.h"

namespace quorval::engine {

// ---- card-set functions (holdings are rank bits 2..14) --------------------

inline constexpr Holding kRankMask = 0x7FFC;

// The lowest card of h (its rank bit), 0 if h is empty.
constexpr Holding Lowest(Holding h) {
  h &= kRankMask;
  return h & -h;
}
// The highest card of h; 1 when h holds no rank bit, so that any card beats it.
constexpr Holding Highest(Holding h) {
  h &= kRankMask;
  return h ? Holding(1) << (31 - __builtin_clz(static_cast<unsigned>(h))) : 1;
}
// Counted with shifts and masks: the search counts cards at every node, and
// without a population-count instruction the compiler's builtin is a call.
constexpr int Count(Holding h) {
  unsigned x = static_cast<unsigned>(h & kRankMask);
  x = x - ((x >> 1) & 0x5555u);
  x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
  x = (x + (x >> 4)) & 0x0F0Fu;
  return static_cast<int>((x + (x >> 8)) & 0x1Fu);
}
constexpr bool Bit(Holding h, TRank rank) { return (h >> rank) & 1; }
constexpr int Points(Holding h) { return HighCardPoints(h); }

// The n-th highest card of h, counting from the ace down; 0 when n < 1 or
// h holds fewer than n cards.
constexpr Holding NthHighest(int n, Holding h) {
  h &= kRankMask;
  if (n < 1 || Count(h) < n) return 0;
  for (int i = 1; i < n; ++i) h &= ~Highest(h);
  return Highest(h);
}
// Rank of the n-th highest card: 2 when h has fewer than n cards, 14 if n < 1.
constexpr TRank NthHighestRank(Holding h, int n) {
  if (n < 1) return 14;
  const Holding c = NthHighest(n, h);
  return c ? LowestRank(c) : 2;
}
// The highest card of the run of touching ranks that starts at h's lowest card.
constexpr Holding TopOfLowestRun(Holding h) {
  Holding c = Lowest(h);
  if (!c) return 0;
  while ((c << 1) & h & kRankMask) c <<= 1;
  return c;
}
// From card c (a rank bit), step up while the next higher rank is also in h.
constexpr Holding RaiseThroughRun(Holding c, Holding h) {
  c &= kRankMask;
  if (!c) return 0;
  while ((c << 1) & h & kRankMask) c <<= 1;
  return c;
}
// Holding part and suit part of a card value.
constexpr Holding CardBits(CardCode c) { return c & kRankMask; }
constexpr CardCode CardOf(Holding bit, TSuit suit) { return bit ? (bit | suit) : 0; }

// ---- hands and views --------------------------------------------------------

// One suit of an engine hand.
struct TSuitData {
  Holding Current = 0;
  int Length = 0;
  Holding Dealt = 0;
  int DealtLength = 0;
  TSuit Suit = 0;
};

// One suit seen from one seat ("me") with partner and the two opponents.
// The base fields are refreshed from the hands at every node; the derived
// fields are filled by ViewSuit and the estimate fields by AnalyseSuit.
struct SuitView {
  TSuit Suit = 0;
  int MyLen = 0, PdLen = 0, LhoLen = 0, RhoLen = 0;
  Holding MyCards = 0, PdCards = 0, LhoCards = 0, RhoCards = 0;
  int MyTrumpLen = 0, PdTrumpLen = 0, LhoTrumpLen = 0, RhoTrumpLen = 0;
  Holding MyTrumps = 0, PdTrumps = 0, LhoTrumps = 0, RhoTrumps = 0;
  Holding OurCards = 0, TheirCards = 0, AllCards = 0, AllTrumps = 0;
  int OurMaxLen = 0, TheirMaxLen = 0;
  Holding MyLow = 0, PdLow = 0;
  Holding My2 = 0, My3 = 0, Pd2 = 0, Pd3 = 0, Lho2 = 0, Rho2 = 0;
  Holding Our2 = 0, Their2 = 0, Their3 = 0;
  bool ICanRuff = false, PdCanRuff = false, LhoCanRuff = false, RhoCanRuff = false,
       OppCanRuff = false;

  // Estimates (suit analysis and lead scoring).
  int SuitTricks = 0, ExtraA = 0, ExtraB = 0, SuitValue = 0, Surplus = 0;
  bool SuitRuns = false;
  int LeadScore = 0, LeadVerdict = 0, SecondVerdict = 0;
  int MyWins = 0, PdWins = 0, LhoWins = 0, RhoWins = 0;
  bool PdTopsThem = false;
  int RuffCount = 0;
};

// The engine's hand of one seat (not the table's hand record).
struct THands {
  Seat Me = North;
  Seat Partner = South, Lho = East, Rho = West;
  std::array<TSuitData, 4> Suits{};
  std::array<SuitView, 4> Views{};
  int Hcp = 0;          // over the dealt hand
  int DistPoints = 0;   // (length - 4) over long suits, at least 2 with a void

  Holding Cards(TSuit u) const { return Suits[u].Current; }
  int Len(TSuit u) const { return Suits[u].Length; }
};

// ---- trick frames -----------------------------------------------------------

// The position at the start of one trick and the trick itself. Frame 13 is
// the position after the last trick.
struct TrickFrame {
  std::array<std::array<uint16_t, 4>, 4> holdings{};   // [seat][suit] at trick start
  std::array<std::array<uint16_t, 4>, 4> moves{};      // [seat][suit] still to try
  std::array<CardCode, 4> cards{};                     // [seat] played to this trick
  Seat leader = North;
  TSuit suitLed = 0;
  CardCode winCard = 0;
  Seat winSeat = North;
  TSuit winSuit = 0;
};

// What the engine receives at each call.
struct EngineInput {
  std::array<std::array<Holding, 4>, 4> dealt{};       // [seat][suit]
  std::array<std::array<CardCode, 13>, 4> played{};    // [seat][trick], 0 = not yet
  int cardsPlayed = 0;
  Seat openingLeader = East;
  tAllTrump trump = NT;
  int target = 14;
  int skill = 8;
  int playStyle = 3;   // the bidding system's lead style, for the opening lead
};

// ---- node state -------------------------------------------------------------

// The engine globals for the position being examined: the input, the hands,
// the frames, the seat to play and its candidate list.
struct Position {
  EngineInput in;
  tAllTrump trump = NT;
  Seat declarer = North, dummy = South;
  std::array<THands, 4> hands{};
  std::array<TrickFrame, 14> frames{};

  int trick = 0;        // trick index of the node, 0..12
  int pos = 1;          // 1 lead .. 4 fourth hand
  int cardsAtNode = 0;  // trick * 4 + pos - 1
  Seat seat = North;    // seat to play
  Seat viewSeat = North;  // seat and suit of the current view (ViewSuit)
  TSuit viewSuit = 0;

  // Candidates[0] is the preferred card; 0 ends the list.
  std::array<CardCode, 4> Candidates{};

  // Search values the heuristics read.
  int NSTricks = 0;
  int Target = 14;
  int OtherNeed = 0;
  int TrumpSuitTricks = 0;
  // Void in the suit led: partner wins or will win the trick (dispatcher).
  bool PdWinning = false;

  THands& me() { return hands[seat]; }
  const THands& me() const { return hands[seat]; }
  TrickFrame& frame() { return frames[trick]; }
  const TrickFrame& frame() const { return frames[trick]; }
  SuitView& view() { return hands[viewSeat].Views[viewSuit]; }
  const SuitView& view() const { return hands[viewSeat].Views[viewSuit]; }

  bool noTrump() const { return trump == NT; }
  bool isDefender(Seat s) const { return ((s + declarer) & 1) != 0; }
  int skill() const { return in.skill; }
  // Adds a candidate at the end of the list unless it is there already or
  // the list is full.
  void AddCandidate(CardCode c);
};

// Builds the hands from the dealt holdings and lays them into frame 0.
void SetUpPosition(Position& p);
// Walks the cards already played into the frames; afterwards p.seat, p.trick
// and p.pos name the seat to play. Returns false if the played table does not
// fit the deal (a card a seat never held).
bool ReplayActualPlay(Position& p);
// Refreshes the hands (and their views' base fields) from the current frame
// for the heuristics: start-of-trick holdings less the cards already played
// to this trick by the seats before the one to play.
void LoadNodeHands(Position& p);
// Refreshes the base fields of all sixteen views from the hands.
void RefreshViews(Position& p);

// Trick winner bookkeeping in a frame. pos is 0 for the lead.
void UpdateTrickWinner(TrickFrame& f, tAllTrump trump, CardCode card, int pos, Seat seat);
void RecomputeWinner(TrickFrame& f, tAllTrump trump, int count);

}  // namespace quorval::engine
