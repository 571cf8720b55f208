#pragma once
// What a call tells the table: point range, suit lengths, whether partner must
// bid again, and which convention it belongs to. Every call the bidder makes
// carries one, and the knowledge about a seat is the sum of its calls. How the
// table reads a call from the auction alone is in reading.h.
#include <array>
#include <vector>

#include "bidding/system.h"
#include "core/calls.h"
#include "core/deal.h"

namespace quorval::bidder {

enum class Force { None, OneRound, Game };

enum class Conv {
  Natural,
  Strong2C,        // 2C opening, strong and artificial
  Waiting,         // 2D over 2C
  Multi,           // 2D: a weak two in an unnamed major
  PassOrCorrect,   // 2H over the multi
  Stayman,
  StaymanAnswer,
  Transfer,        // strain = the major shown
  TransferComplete,
  Quantitative,    // 4NT over no trump: bid six with a maximum
  AceAsk,          // 4NT Blackwood or key-card ask; strain = agreed trump
  AceAnswer,
  SignOff,         // the captain has placed the contract
  Jacoby2NT,       // game-forcing raise of a major
  GameRaise2NT,    // the same with the Norwegian answers
  Splinter,
  LimitRaise,
  FeatureAsk,      // 2NT over a weak two
  TakeoutDouble,
  NegativeDouble,
  PenaltyDouble,
  Michaels,
  Unusual2NT,
  CueRaise,        // cue bid of the opponents' suit showing a good raise
  Redouble,
  MinorAsk,        // 2NT over Michaels of a major: name the minor
  Invite,          // natural, asks partner to bid game with a maximum
};

struct Meaning {
  int minPts = 0, maxPts = 37;
  std::array<int, 4> minLen{0, 0, 0, 0};
  std::array<int, 4> maxLen{13, 13, 13, 13};
  bool balanced = false;
  Force force = Force::None;
  Conv conv = Conv::Natural;
  int strain = -1;  // the strain shown or agreed, -1 none

  Meaning& Pts(int lo, int hi) { minPts = lo; maxPts = hi; return *this; }
  Meaning& Len(TSuit s, int lo, int hi = 13) { minLen[s] = lo; maxLen[s] = hi; return *this; }
  Meaning& Forcing(Force f) { force = f; return *this; }
  Meaning& As(Conv c) { conv = c; return *this; }
  Meaning& Strain(int s) { strain = s; return *this; }
  Meaning& Balanced() {
    balanced = true;
    for (int& l : minLen) l = l < 2 ? 2 : l;
    for (int& l : maxLen) l = l > 5 ? 5 : l;
    return *this;
  }
};

// What the table knows of one seat from all its calls.
struct Knowledge {
  int minPts = 0, maxPts = 37;
  std::array<int, 4> minLen{0, 0, 0, 0};
  std::array<int, 4> maxLen{13, 13, 13, 13};
  bool balanced = false;
  void Add(const Meaning& m);
};

// The auction so far with the meaning of every call, seen from the table.
struct View {
  System system = System::DanishBasic;
  Seat dealer = North;
  Vulnerability vul = 0;
  Auction auction;
  std::vector<Meaning> meanings;
  std::array<Knowledge, 4> know{};

  View(System s, Seat d, Vulnerability v) : system(s), dealer(d), vul(v), auction(d) {}
  const SystemDef& sys() const { return Definition(system); }
  const std::vector<CallCode>& calls() const { return auction.calls; }
  int Size() const { return static_cast<int>(auction.calls.size()); }
  Seat SeatOf(int index) const { return (dealer + index) & 3; }
  Seat ToAct() const { return auction.SeatToAct(); }
  bool Push(CallCode c, const Meaning& m);
  // Index of the last call (any call, or a non-pass call) made by the seat; -1 none.
  int LastCallOf(Seat s) const;
  int LastActionOf(Seat s) const;
  int FirstBidIndex() const;
  int ActionsOf(Seat s) const;  // number of non-pass calls of the seat
  bool SideActed(Seat s) const { return LastActionOf(s) >= 0 || LastActionOf(PartnerOf(s)) >= 0; }
  bool Vulnerable(Seat s) const { return SideVulnerable(vul, SideOf(s)); }
  // The seat that made the last bid, or -1.
  Seat LastBidder() const;
  // True when the seat's side made a game-forcing call and the contract is
  // still theirs below game.
  bool GameForced(Seat s) const;
  bool SideUsed(Seat s, Conv c) const;
};

}  // namespace quorval::bidder
