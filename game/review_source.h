#pragma once
// What a board's review starts from: the kept play of the board (the deal
// as dealt at the table, the contract the auction reached and the cards up
// to the first that does not fit) and the field's results on the board.

#include <optional>
#include <string>
#include <vector>

#include "data/kept_play.h"
#include "game/board_record.h"
#include "play/review/board_review.h"

namespace quorval {

// The review of a board from its kept play, ready for the solver. Nothing,
// with `problem` saying why, when there is no kept play or its auction did
// not end. A play that breaks off is kept up to there and marked.
std::optional<review::BoardReview> ReviewOfKeptPlay(const std::string& key, const KeptPlayRead& kept,
                                                    std::string& problem);

// The field's results of a board as the table read it (turned with it);
// results that cannot be read are left out.
std::vector<review::FieldEntry> FieldEntriesOf(const BoardOnTable& board);

}  // namespace quorval
