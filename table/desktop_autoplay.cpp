// Automated play: a board played through the same handlers a user's clicks
// reach, so it is scored and filed exactly as at the table.
#include "table/desktop.h"

namespace quorval {

bool TDeskTop::AutoPlayBoard(const std::string& event, const std::string& session, int board) {
  if (board < 1 || board > files_.EventLength(event, session)) return false;
  state_.EventType = event;
  state_.Session = session;
  state_.BoardNo = board - 1;
  const std::string key = BoardKeyOf(event, session, board);
  NewHandClick();
  if (board_.Key != key || state_.BoardNo != board) return false;
  // Every turn of South: the library's call. An auction never needs more
  // calls than the library line holds; the bound only guards a faulty one.
  for (int turn = 0; state_.phase == Phase::Bidding && turn < 40; ++turn) {
    const int before = auction_.CallCount();
    ButMakeBidClick();
    if (auction_.CallCount() == before) return false;
  }
  if (state_.phase == Phase::BiddingOver) {
    EOBStartClick();
    TPPClaimClick();
  }
  return state_.phase == Phase::BoardOver && resultFiled_;
}

}  // namespace quorval
