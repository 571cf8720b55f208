#pragma once
// The play engine's entry: the card for the seat to play, for a computer
// seat and for the user's hint. The table's GettheBestCard calls this.

#include <future>
#include <string>

#include "core/types.h"
#include "play/engine/position.h"
#include "play/honest/honest_engine.h"
#include "play/play_state.h"

namespace quorval {

struct EngineOptions {
  int skill = 8;           // ComputerSkill 1..10
  bool timeRule = true;    // deepen the search after 5 x skill seconds
  int playStyle = 3;       // lead style of the bidding system (opening lead)
  // The honest computer: it plays from what its seat can see, and needs the
  // board's auction and contract for that. The skill then only tunes the
  // heuristics that break its ties.
  bool honest = false;
  honest::BoardContext board;
};

// Chooses a legal card for st.ToPlay. engineTarget is the table's
// EngineTarget: the North-South trick target kept between calls (14 = not
// yet known); the engine reads it and writes back its new value.
// Returns 0 only when no card can be played (the play is over).
CardCode ChooseCard(const PlayState& st, const EngineOptions& options, int& engineTarget);
CardCode ChooseCard(const PlayState& st, int skill, int& engineTarget);

// The engine's answer when it runs away from the window's thread: the card,
// the new target, and a solver message to show (empty when none).
struct EngineAnswer {
  CardCode card = 0;
  int target = 14;
  std::string message;
};
EngineAnswer ChooseCardAnswer(const PlayState& st, const EngineOptions& options, int engineTarget);
// Runs ChooseCardAnswer on a thread of its own with a copy of the play, so
// that the window can keep painting while it waits (input stays disabled).
// One engine call at a time: the solver is used with thread index 0.
std::future<EngineAnswer> ChooseCardAsync(const PlayState& st, const EngineOptions& options,
                                          int engineTarget);

// What the engine copies from the table at each call.
engine::EngineInput EngineInputFrom(const PlayState& st, const EngineOptions& options, int target);

// The lowest card of the suit led, else the lowest card of the longest suit:
// the plain choice used when nothing better is known.
CardCode PlainCard(const PlayState& st);

}  // namespace quorval
