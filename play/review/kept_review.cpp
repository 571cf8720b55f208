#include "play/review/kept_review.h"

namespace quorval::review {

std::optional<BoardReview> ReviewFromKeptPlay(const std::string& key, const KeptPlayRead& kept, std::string& problem) {
  problem.clear();
  if (!kept.play) {
    problem = kept.fault.empty() ? "no kept play for " + key : kept.fault;
    return std::nullopt;
  }
  const KeptPlay& play = *kept.play;
  if (!play.AuctionOver()) {
    problem = "the kept play of " + key + " cannot be reviewed: " + (kept.fault.empty() ? "the auction is not finished" : kept.fault);
    return std::nullopt;
  }
  BoardReview r;
  r.key = key;
  r.dealer = play.dealer;
  r.vul = play.vul;
  r.deal = play.deal;
  r.SetPlay(play.FinalContract(), play.cards);
  if (play.claim && !r.contract.PassedOut()) {
    r.claimSide = play.claim->side;
    r.claimedDeclarerTricks = KeptClaimedDeclarerTricks(play);
  }
  if (!kept.fault.empty()) {
    r.playStopsAfter = static_cast<int>(r.cards.size());
    problem = "the kept play of " + key + " stops after card " + std::to_string(r.cards.size()) + ": " + kept.fault;
  }
  return r;
}

}  // namespace quorval::review
