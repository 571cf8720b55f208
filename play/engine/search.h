#pragma once
// The selective search: an AND-OR search over the rest of the deal in which
// the side to play tries to reach North-South's trick target and the other
// side tries to stop it. Only the heuristics' candidates are tried down to a
// depth limit set by the skill; beyond it every sensible card is tried.

#include <array>
#include <chrono>
#include <cstdint>

#include "play/engine/bounds_table.h"
#include "play/engine/position.h"

namespace quorval::engine {

class Search {
 public:
  // timeRule: deepen to Limit 44 once 5 x skill seconds have passed.
  Search(Position& p, bool timeRule);

  // The engine's decision for the seat to play. With candidatesOnly it
  // returns after the first pass, leaving RootCandidates. 0 when the played
  // cards do not fit the deal.
  CardCode SelectiveChoice(bool candidatesOnly);

  // One pass with the given target; true when the side to play at the root
  // reaches its goal against any defence from the moves allowed. With
  // rootOnly the pass stops once the root's candidates are known.
  bool SearchPass(int target, bool rootOnly);

  int Target = 14;
  int Limit = 24;
  std::array<CardCode, 4> RootCandidates{};
  std::array<Holding, 4> RootMoves{};
  bool Success = false;
  Seat RootSeat = North;
  int RootTrick = 0, RootPos = 1;
  long Nodes = 0;   // positions where the heuristics ran (for the benchmark)
  // Remember what is known about positions beyond the depth limit, where no
  // heuristic runs and a position's value depends on its cards alone. The
  // choices are the same with or without it; it only saves time.
  bool UseTable = true;
  // Beyond the depth limit, try a player's card first and stop a line once
  // the leader's top cards settle it. Again only time is saved.
  bool FastTail = true;
  size_t TableEntries() const { return table_.Size(); }

 private:
  bool Prepare(Seat s, int pos);
  void ChooseAndPlay(Seat s, int pos, const std::array<CardCode, 4>& cands);
  bool Backtrack(int& pos);
  void StartTrick(Seat leader);
  std::array<CardCode, 4> LegalCandidates(Seat s, int pos) const;
  bool TimeUp() const;
  // True beyond the depth limit, where no heuristic runs.
  bool InTail(int pos) const;
  CardCode OrderedMove(Seat s, int pos) const;
  bool ClockDue();  // true once every few hundred trick starts

  // Bounds on North-South's tricks from a trick start onwards, for positions
  // where every card is beyond the depth limit. The key names, for every
  // suit (spades first), the number of its cards still out and, from its
  // highest card down, the seat that holds each (two bits a card); then the
  // leader.
  bool Cacheable(int level) const;
  PositionKey KeyAt(int level);
  PositionKey PositionKeyAt(int level) const;
  std::array<PositionKey, 14> keys_{};
  std::array<bool, 14> keyKnown_{};
  int Threshold() const;   // NS tricks from here that decide this pass
  BoundsTable table_;

  Position& p_;
  bool timeRule_;
  std::chrono::steady_clock::time_point start_;
  unsigned tricksSinceClock_ = 0;
  int otherNeed_ = 0;
  bool rootSideNS_ = true;
  int nsTricks_ = 0;
  int level_ = 0;
  bool rootOnly_ = false;
  bool rootReached_ = false;
  bool tableOff_ = false;   // the limit changed during this pass
  std::array<CardCode, 4> cands_{};
};

}  // namespace quorval::engine
