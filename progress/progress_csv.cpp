#include "progress/progress_csv.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "data/ini_store.h"
#include "data/kept_play.h"
#include "progress/progress.h"

namespace quorval {

int WriteProgressCsv(const TBigIniFile& options, const std::string& player, const std::string& csvFile,
                     std::ostream& err) {
  const TMyINI plays(kKeptPlayFileName);
  TMyINI cache(kProgressFileName);
  const PlayerProgress progress = ComputeProgress(options, plays, &cache, player);
  int rc = 0;
  for (const std::string& problem : progress.problems) {
    err << problem << '\n';
    rc = 1;
  }
  const std::string saving = csvFile + ".saving";
  {
    std::ofstream out(saving, std::ios::binary | std::ios::trunc);
    for (const std::string& line : ProgressCsvLines(progress.boards)) out << line << '\n';
    out.flush();
    if (!out) {
      err << "Cannot write " << csvFile << '\n';
      std::error_code ec;
      std::filesystem::remove(saving, ec);
      return 1;
    }
  }
  std::error_code ec;
  std::filesystem::rename(saving, csvFile, ec);
  if (ec) {
    err << "Cannot write " << csvFile << ": " << ec.message() << '\n';
    std::filesystem::remove(saving, ec);
    return 1;
  }
  return rc;
}

}  // namespace quorval
