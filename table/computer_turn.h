#pragma once
// The computer's turn at the table: the game asks for a card, and the
// engine (or the honest computer) thinks on a thread of its own while the
// window keeps painting; input stays shut out until its card is back. The
// opening lead drawn from the library, and every card of an automated run
// (no pauses), are answered at once.

#include "game/card_chooser.h"

namespace quorval {

class TComputerTurn : public CardChooser {
 public:
  EngineAnswer Choose(const CardQuestion& question) override;
  // No thread and no waiting (automated play).
  void SetNoPauses(bool on) { noPauses_ = on; }

 private:
  bool noPauses_ = false;
};

}  // namespace quorval
