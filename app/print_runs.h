#pragma once
// The printing of automated runs: the pages the command line asks for,
// drawn from the table window as "Print Hand" and the session results
// window would print them, written into one PDF file.

#include <QString>
#include <vector>

#include "print/print_job.h"

namespace quorval {

class TDeskTop;

// The hand report of the board the table has just finished.
PageDrawer CurrentHandPage(const TDeskTop& desk);

// The session list of "Imp03".
PageDrawer SessionPage(TDeskTop& desk, const QString& session);

// The hand reports of the filed boards of `keys` (sessions and board keys)
// from their kept plays, in order. A board named by its key that has no
// filed result, and a board whose play cannot be used, are reported on
// standard error and count in `faults`; a session's boards that were never
// played are passed over.
std::vector<PageDrawer> FiledHandPages(TDeskTop& desk, const QString& keys, int& faults);

// Writes the pages into `file`; reports a failure on standard error.
bool WritePages(const QString& file, const std::vector<PageDrawer>& pages);

}  // namespace quorval
