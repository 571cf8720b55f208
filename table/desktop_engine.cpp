// The choice of the honest computer in the Play Options menu.
#include <QAction>

#include "table/desktop.h"

namespace quorval {

void TDeskTop::ShowHonestChoice() {
  QAction* a = Action("HonestComputer");
  if (!a) return;
  a->setChecked(game_.Honest());
  // Chosen for this run on the command line: it stays on until the end.
  a->setEnabled(!game_.HonestOverride());
}

void TDeskTop::SetHonestOverride(bool on) {
  game_.SetHonestOverride(on);
  ShowHonestChoice();
}

void TDeskTop::HonestComputerClick() {
  QAction* a = Action("HonestComputer");
  Opt().HonestComputer = a ? a->isChecked() : !Opt().HonestComputer;
  SaveSettings();
}

}  // namespace quorval
