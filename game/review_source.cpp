#include "game/review_source.h"

#include "scoring/field_results.h"
#include "scoring/result_items.h"

namespace quorval {

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
