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
  // Every turn of South: the listed call, then Make Bid's. An auction never
  // needs more calls than the library line (or the bidder) makes; the bound
  // only guards a faulty one.
  for (int turn = 0; game_.phase() == Phase::Bidding && turn < 100; ++turn) {
    const int before = game_.Auction().CallCount();
    if (size_t(turn) < southCalls_.size()) {
      if (!MakeListedCall(southCalls_[size_t(turn)])) return false;
    } else {
      ButMakeBidClick();
    }
    if (game_.Auction().CallCount() == before) return false;
  }
  if (game_.phase() == Phase::BiddingOver) {
    EOBStartClick();
    TPPClaimClick();
  }
  return game_.phase() == Phase::BoardOver && game_.ResultFiled();
}

}  // namespace quorval
