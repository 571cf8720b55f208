// The learner's moves at the table: a claim of the tricks left (the user's,
// or the computer declarer's when its top cards take them all), and "Play
// from here", a try of a kept play from any of its cards that files nothing.
#include "core/board_key.h"
#include "game/table_game.h"

namespace quorval {

void TableGame::ClearLearnerState() {
  claim_.reset();
  claimOffered_ = false;
  before_.reset();
}

bool TableGame::CanClaim() const {
  return state_.phase == Phase::Playing && !finishMode_ && !play_.Over() && !FinalContract().PassedOut();
}

ClaimVerdict TableGame::Claim(Side side, int tricks, int threadIndex) {
  if (!CanClaim()) return {};
  const ClaimVerdict verdict = JudgeClaim(play_, side, tricks, threadIndex);
  if (!verdict.judged || !verdict.accepted) return verdict;
  // The claim ends the board: it is kept with the cards before it, and the
  // result is made (and filed) once, with the claimed tricks.
  claim_ = KeptClaim{side, tricks};
  EndBoard();
  return verdict;
}

bool TableGame::ComputerClaimDue() {
  if (!CanClaim() || claimOffered_ || play_.TrickPos != 1) return false;
  // Only a declarer of the computer's, its own side on lead, and with more
  // than the last trick to take.
  if (play_.Hands[play_.Declarer].HumanControlled || play_.Hands[play_.Dummy].HumanControlled) return false;
  if (!play_.OnDeclarerSide(play_.ToPlay) || TricksLeft(play_) < 2) return false;
  if (!TopCardsTakeTheRest(play_)) return false;
  claimOffered_ = true;
  return true;
}

bool TableGame::BeginTry(const std::string& key, const KeptPlay& kept, int cards) {
  const Contract contract = kept.FinalContract();
  if (before_ || !kept.AuctionOver() || contract.PassedOut() || cards < 0 || cards >= 52 ||
      cards > static_cast<int>(kept.cards.size()))
    return false;
  Before before{state_, board_, auction_, play_, result_, lastAuctionHadContract_};

  // The board of the kept play, its auction as bid, its cards up to the try.
  state_.Dealer = kept.dealer;
  state_.Vul = kept.vul;
  state_.BoardDeal = kept.deal;
  if (const auto k = BoardKey::Parse(key)) {
    state_.EventType = k->eventType;
    state_.Session = k->session;
    state_.BoardNo = k->board;
  }
  // The board itself, when the board file still holds this deal: a rebid
  // from the try then deals it with its own auctions; otherwise there is
  // nothing to deal again.
  BoardOnTable board;
  if (ReadBoard(files_, key, state_.BidSystemLetter, "Passed out", board) && board.BoardDeal == kept.deal &&
      board.Dealer == kept.dealer)
    board_ = std::move(board);
  else
    board_ = BoardOnTable{};
  board_.Key = key;
  state_.HumanSeats = state_.FaceUpSeats = kSouthOnly;
  DealToHands(state_.BoardDeal, play_.Hands);
  RestoreDeal(play_.Hands);
  auction_.Reset(state_.Dealer);
  for (const CallCode c : kept.calls)
    if (!auction_.Record(c)) break;
  lastAuctionHadContract_ = true;
  state_.phase = Phase::BiddingOver;
  state_.ShowAllHands = false;
  if (!StartPlay()) {
    RestoreBefore(before);
    return false;
  }
  for (int i = 0; i < cards; ++i) {
    if (!PushCard(kept.cards[size_t(i)])) {
      RestoreBefore(before);
      return false;
    }
  }
  trickOnTable_ = false;

  try_ = TryOutcome{};
  try_.contract = contract;
  try_.declarer = contract.declarer;
  try_.firstAttempt = KeptDeclarerTricks(kept);
  const int ddLeft = SideTricksLeft(play_, SideOf(contract.declarer));
  try_.ddFromStart = ddLeft < 0 ? -1 : play_.DeclarerTricks + ddLeft;
  before_ = std::move(before);
  return true;
}

void TableGame::RestoreBefore(const Before& before) {
  state_ = before.state;
  board_ = before.board;
  auction_ = before.auction;
  play_ = before.play;
  result_ = before.result;
  lastAuctionHadContract_ = before.lastAuctionHadContract;
  finishMode_ = trickOnTable_ = false;
  claim_.reset();
  claimOffered_ = false;
}

std::optional<TableGame::TryOutcome> TableGame::EndTry() {
  if (!before_) return std::nullopt;
  std::optional<TryOutcome> outcome;
  if (state_.phase == Phase::BoardOver && result_) outcome = try_;
  const Before before = std::move(*before_);
  before_.reset();
  RestoreBefore(before);
  return outcome;
}

}  // namespace quorval
