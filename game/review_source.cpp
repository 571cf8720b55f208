#include "game/review_source.h"

#include "play/review/kept_review.h"
#include "scoring/field_results.h"
#include "scoring/result_items.h"

namespace quorval {

std::optional<review::BoardReview> ReviewOfKeptPlay(const std::string& key, const KeptPlayRead& kept,
                                                    std::string& problem) {
  return review::ReviewFromKeptPlay(key, kept, problem);
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
