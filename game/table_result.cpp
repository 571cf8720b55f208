#include "game/table_result.h"

#include "data/date_time.h"
#include "data/event_set.h"
#include "game/table_files.h"
#include "scoring/player_results.h"

namespace quorval {

bool StoreFiling::FileResult(const std::string& boardKey, const std::string& line) {
  // The player's results are those of this event set before one is filed,
  // and a first result ties the player to the set.
  const bool sets = !files_.eventSetId.empty();
  if (sets) AdoptEventSet(files_.options, files_.plays, files_.PlayerName(), files_.eventSetId);
  const bool written = SaveScore(files_.options, files_.PlayerName(), boardKey, line);
  if (sets) AdoptEventSet(files_.options, files_.plays, files_.PlayerName(), files_.eventSetId);
  return written;
}

void StoreFiling::KeepPlay(const std::string& boardKey, const KeptPlay& play) {
  if (!files_.plays) return;
  // When the board was filed goes beside its play and reaches the disk with
  // it: the player's course is drawn in the order boards were filed.
  KeepFiledTime(*files_.plays, files_.PlayerName(), boardKey, NowDateTime());
  quorval::KeepPlay(*files_.plays, files_.PlayerName(), boardKey, play);
}

}  // namespace quorval
