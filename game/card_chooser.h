#pragma once
// The computer's card as a question and its answer. The game says what it
// wants to know (the play as it stands, the engine's settings, whether the
// card is the opening lead drawn from the library line); a CardChooser
// answers. The game never starts a thread: the table window answers on the
// engine's thread while it keeps painting, tests and automated runs answer
// at once with DirectCardChooser.

#include <random>
#include <string>

#include "play/engine/engine.h"
#include "play/play_state.h"

namespace quorval {

struct CardQuestion {
  const PlayState* play = nullptr;   // the play as it stands (copy it to keep it)
  EngineOptions options;             // skill, lead style, the honest computer
  int engineTarget = 14;             // the engine's North-South trick target
  // The opening lead of a computer seat (not the honest computer's): drawn
  // from the lead list of the library line the auction followed.
  bool libraryLead = false;
  std::string sequenceLine;
  std::mt19937* random = nullptr;    // the table's generator for the draw
};

class CardChooser {
 public:
  virtual ~CardChooser() = default;
  // The card for the seat to play, the engine's new target and a message to
  // show (empty when none).
  virtual EngineAnswer Choose(const CardQuestion& question) = 0;
};

// Answers on the calling thread: the library lead, the engine or the honest
// computer, as the question says.
EngineAnswer AnswerNow(const CardQuestion& question);

class DirectCardChooser : public CardChooser {
 public:
  EngineAnswer Choose(const CardQuestion& question) override { return AnswerNow(question); }
};

}  // namespace quorval
