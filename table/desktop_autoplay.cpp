// Automated play: a board played through the same handlers a user's clicks
// reach, so it is scored and filed exactly as at the table.
#include "core/board_key.h"
#include "table/desktop.h"

namespace quorval {

bool TDeskTop::AutoPlayBoard(const std::string& event, const std::string& session, int board) {
  if (!game_.GoToBoard(event, session, board)) return false;
  const std::string key = BoardKey{event, session, board}.Text();
  NextHand();
  if (game_.Board().Key != key || game_.State().BoardNo != board) return false;
  // Every turn of South: the library's call. An auction never needs more
  // calls than the library line holds; the bound only guards a faulty one.
  for (int turn = 0; game_.phase() == Phase::Bidding && turn < 40; ++turn) {
    const int before = game_.Auction().CallCount();
    ButMakeBidClick();
    if (game_.Auction().CallCount() == before) return false;
  }
  if (game_.phase() == Phase::BiddingOver) {
    EOBStartClick();
    TPPClaimClick();
  }
  return game_.phase() == Phase::BoardOver && game_.ResultFiled();
}

}  // namespace quorval
