#include "app/review_runs.h"

#include <QStringList>
#include <ostream>

#include "app/command_line.h"
#include "core/board_key.h"
#include "data/kept_play.h"
#include "data/options.h"
#include "play/review/kept_review.h"

namespace quorval {

int ReviewKeptPlays(const TBigIniFile& plays, const std::string& player, const QString& keys, std::ostream& out,
                    std::ostream& err) {
  int rc = 0;
  for (const QString& token : keys.split(',', Qt::SkipEmptyParts)) {
    QStringList bad;
    const bool named = token.contains('.');
    int reviewed = 0;
    for (const BoardRef& ref : ExpandBoardKeys(token.trimmed(), bad)) {
      const std::string key = BoardKey{ref.event, ref.session, ref.board}.Text();
      const KeptPlayRead kept = ReadKeptPlay(plays, player, key);
      std::string problem;
      auto review = review::ReviewFromKeptPlay(key, kept, problem);
      if (!review) {
        if (named || kept.play) {
          err << problem << '\n';
          rc = 1;
        }
        continue;
      }
      review::ReviewWholeBoard(*review);
      for (const std::string& line : review::CommandLineLines(*review)) out << line << '\n';
      out.flush();
      ++reviewed;
      if (!problem.empty()) {
        err << problem << "; reviewed up to there\n";
        rc = 1;
      }
      if (!review->tableKnown) {
        err << key << ": analysis not available for the makeable contracts and par (" << review->tableError << ")\n";
        rc = 1;
      }
      for (const auto& card : review->cardReviews)
        if (card && !card->analysed) rc = 1;   // its line says "analysis not available"
    }
    if (!named && reviewed == 0) {
      err << "No kept play in " << token.trimmed().toStdString() << '\n';
      rc = 1;
    }
  }
  return rc;
}

}  // namespace quorval
