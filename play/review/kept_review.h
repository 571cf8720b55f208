#pragma once
// A board's review made from its kept play, with no window: the deal as
// dealt at the table, the contract the auction reached, the cards up to the
// first that does not fit and the claim that ended the play. The progress
// figures and the table's review both start here.

#include <optional>
#include <string>

#include "data/kept_play.h"
#include "play/review/board_review.h"

namespace quorval::review {

// The review of a board from its kept play, ready for the solver. Nothing,
// with `problem` saying why, when there is no kept play or its auction did
// not end. A play that breaks off is kept up to there and marked.
std::optional<BoardReview> ReviewFromKeptPlay(const std::string& key, const KeptPlayRead& kept, std::string& problem);

}  // namespace quorval::review
