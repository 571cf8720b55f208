// Stands in for the question whether to leave a board in play until the
// table asks it: the board is left.
#include "table/desktop.h"

namespace quorval {

bool TDeskTop::ConfirmLeaveBoard() { return true; }

}  // namespace quorval
