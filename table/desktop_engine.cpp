// The engine's settings for the table's next card, and the choice of the
// honest computer in the Play Options menu.
#include <QAction>

#include "play/honest/file_meanings.h"
#include "table/desktop.h"

namespace quorval {

EngineOptions TDeskTop::EngineSettings() const {
  EngineOptions options;
  options.skill = skillOverride_ > 0 ? skillOverride_ : Opt().ComputerSkill;
  options.playStyle = state_.PlayStyle;
  options.honest = honestOverride_ || Opt().HonestComputer;
  if (options.honest) {
    // Everything at the table heard the auction and knows what the
    // stored calls mean; the contract is what it reached.
    options.board.auction.dealer = auction_.auction.dealer;
    options.board.auction.calls = auction_.auction.calls;
    options.board.auction.system = state_.BidSystemLetter;
    options.board.contract = auction_.auction.Result();
    options.board.seed = honestSeed_;
    options.board.meanings = honest::MeaningsOf(files_.meanings);
  }
  return options;
}

void TDeskTop::ShowHonestChoice() {
  QAction* a = Action("HonestComputer");
  if (!a) return;
  a->setChecked(honestOverride_ || Opt().HonestComputer);
  // Chosen for this run on the command line: it stays on until the end.
  a->setEnabled(!honestOverride_);
}

void TDeskTop::SetHonestOverride(bool on) {
  honestOverride_ = on;
  ShowHonestChoice();
}

void TDeskTop::HonestComputerClick() {
  QAction* a = Action("HonestComputer");
  Opt().HonestComputer = a ? a->isChecked() : !Opt().HonestComputer;
  SaveSettings();
}

}  // namespace quorval
