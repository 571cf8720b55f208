#pragma once
// What a board's review takes from the table besides its kept play (which
// review::ReviewFromKeptPlay turns into the review): the field's results.

#include <optional>
#include <string>
#include <vector>

#include "data/kept_play.h"
#include "game/board_record.h"
#include "play/review/board_review.h"

namespace quorval {

// The field's results of a board as the table read it (turned with it);
// results that cannot be read are left out.
std::vector<review::FieldEntry> FieldEntriesOf(const BoardOnTable& board);

}  // namespace quorval
