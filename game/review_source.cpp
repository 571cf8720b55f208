#include "game/review_source.h"

#include "scoring/field_results.h"
#include "scoring/result_items.h"

namespace quorval {

std::optional<review::BoardReview> ReviewOfKeptPlay(const std::string& key, const KeptPlayRead& kept,
                                                    std::string& problem) {
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
  review::BoardReview r;
  r.key = key;
  r.dealer = play.dealer;
  r.vul = play.vul;
  r.deal = play.deal;
  r.SetPlay(play.FinalContract(), play.cards);
  if (!kept.fault.empty()) {
    r.playStopsAfter = static_cast<int>(r.cards.size());
    problem = "the kept play of " + key + " stops after card " + std::to_string(r.cards.size()) + ": " + kept.fault;
  }
  return r;
}

std::vector<review::FieldEntry> FieldEntriesOf(const BoardOnTable& board) {
  std::vector<review::FieldEntry> field;
  const std::string passed = "Passed out";
  for (int n = 1; n <= kFieldResultCount; ++n) {
    FieldResultError error;
    const auto result =
        ReadFieldResult(LookUpFieldResult(board.BoardValues, n, board.Dealer, passed), n, board.Key, error);
    if (result) field.push_back({ResultContract(result->declarer, result->contract), result->score});
  }
  return field;
}

}  // namespace quorval
