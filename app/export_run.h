#pragma once
// The export run of the command line: the filed boards of the player named
// with --player (or the latest player) written as a PBN file.

#include "app/command_line.h"
#include "game/table_files.h"

namespace quorval {

// Exports the filed boards of cl.exportPbn into cl.out. Keys that name no
// board, and boards without a filed result, are reported on standard error.
// Exit code 0 when the file holds every filed board asked for; 1 when a key
// names no board, or nothing could be exported or written.
int ExportPbnRun(TableFiles& files, const CommandLine& cl);

}  // namespace quorval
