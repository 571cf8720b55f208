// "My Progress": the player's course in charts, its double-dummy figures
// worked out in the window's background and kept in "Progress2005.ini".
#include <fstream>
#include <iterator>

#include "data/ini_store.h"
#include "data/program_folder.h"
#include "progress/progress.h"
#include "table/desktop.h"
#include "ui/progress_window.h"
#include "ui/skin.h"

namespace quorval {

std::unique_ptr<TProgressWindow> TDeskTop::MakeProgressWindow() {
  const TBigIniFile& options = files_.options;
  const TBigIniFile* plays = files_.plays;
  const std::string player = files_.PlayerName();
  // A run that writes nothing (its plays a copy in memory) reads the kept
  // figures into memory as well.
  const bool copyOnly = plays && plays->FileName().empty();
  auto compute = [&options, plays, player, copyOnly](const ProgressRun& run) {
    if (!plays) return PlayerProgress{};
    const std::string path = ResolveInProgramFolder(kProgressFileName);
    TMyINI cache(copyOnly ? std::string() : path);
    if (copyOnly) {
      std::ifstream file(path, std::ios::binary);
      cache.LoadLines(SplitIniText(std::string(std::istreambuf_iterator<char>(file), {})));
    }
    return ComputeProgress(options, *plays, &cache, player, run);
  };
  auto window = std::make_unique<TProgressWindow>(this, compute, Opt().MPScoringSys, language_);
  ApplySkinToWindow(window.get(), Opt().SkinColors, false);
  return window;
}

void TDeskTop::MyProgressClick() {
  if (computerThinking_) return;
  MakeProgressWindow()->exec();
}

}  // namespace quorval
