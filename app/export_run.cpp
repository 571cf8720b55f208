#include "app/export_run.h"

#include <iostream>

#include "core/board_key.h"
#include "data/options.h"
#include "game/pbn_export.h"
#include "ui/export_boards.h"

namespace quorval {

int ExportPbnRun(TableFiles& files, const CommandLine& cl) {
  int exitCode = 0;
  QStringList bad;
  std::vector<std::string> keys;
  for (const BoardRef& ref : ExpandBoardKeys(cl.exportPbn, bad, [&files](const std::string& e, const std::string& s) {
         return files.EventLength(e, s);
       }))
    keys.push_back(BoardKey{ref.event, ref.session, ref.board}.Text());
  for (const QString& key : bad) {
    std::cerr << "Not a board or event: " << key.toStdString() << '\n';
    exitCode = 1;
  }
  const PbnExportResult result = ExportFiledBoards(files, keys);
  for (const std::string& note : result.notes) std::cerr << note << '\n';
  if (result.boards == 0) {
    std::cerr << "No filed board of " << files.PlayerName() << " to export\n";
    return 1;
  }
  QString error;
  if (!WriteExportFile(cl.out, result.text, error)) {
    std::cerr << "Could not write " << cl.out.toStdString() << ": " << error.toStdString() << '\n';
    return 1;
  }
  std::cout << result.boards << " board(s) of " << files.PlayerName() << " written to " << cl.out.toStdString()
            << '\n';
  return exitCode;
}

}  // namespace quorval
