// "Review": the double-dummy review of the board just finished (from the
// end-of-board panel) and of any filed board with a kept play (from the
// session results list).
#include "core/messages.h"
#include "game/review_source.h"
#include "scoring/player_results.h"
#include "scoring/result_items.h"
#include "table/desktop.h"
#include "ui/review_window.h"
#include "ui/skin.h"

namespace quorval {

std::unique_ptr<TReviewForm> TDeskTop::MakeCurrentReview() {
  if (game_.phase() != Phase::BoardOver || !game_.Result()) return nullptr;
  const TableResult& result = *game_.Result();
  std::string problem;
  auto review = ReviewOfKeptPlay(result.key, KeptPlayRead{result.play, {}}, problem);
  if (!review) return nullptr;
  review->scoreKnown = true;
  review->scoreNS = result.score;
  if (result.filed) review->field = FieldEntriesOf(game_.Board());
  const Seat dealer = review->dealer;
  auto window = std::make_unique<TReviewForm>(this, std::move(*review), reviewSolvers_);
  window->SetLanguage(language_);
  GiveReviewAuction(*window, result.play.calls, dealer);
  ApplySkinToWindow(window.get(), Opt().SkinColors, false);
  return window;
}

std::unique_ptr<TReviewForm> TDeskTop::MakeFiledReview(const std::string& key, QWidget* parent, std::string& problem) {
  const KeptPlayRead kept = files_.plays ? ReadKeptPlay(*files_.plays, files_.PlayerName(), key)
                                         : KeptPlayRead{std::nullopt, "no kept play for " + key};
  auto review = ReviewOfKeptPlay(key, kept, problem);
  if (!review) return nullptr;
  // The board's score as filed, and the field when the board on file is the
  // deal that was played.
  if (const auto filed = ReadFiledResult(FiledLine(files_.options, files_.PlayerName(), key))) {
    if (const auto score = WholeNumber(filed->score())) {
      review->scoreKnown = true;
      review->scoreNS = *score;
    }
  }
  BoardOnTable board;
  if (ReadBoard(files_, key, game_.State().BidSystemLetter, "Passed out", board) && board.BoardDeal == review->deal &&
      board.Dealer == review->dealer)
    review->field = FieldEntriesOf(board);
  const Seat dealer = review->dealer;
  auto window = std::make_unique<TReviewForm>(parent, std::move(*review), reviewSolvers_);
  window->SetLanguage(language_);
  if (kept.play) GiveReviewAuction(*window, kept.play->calls, dealer);
  ApplySkinToWindow(window.get(), Opt().SkinColors, false);
  return window;
}

void TDeskTop::ReviewHandClick() {
  if (const auto window = MakeCurrentReview()) window->exec();
}

void TDeskTop::ReviewFiledBoard(const std::string& key, QWidget* parent) {
  std::string problem;
  const auto window = MakeFiledReview(key, parent, problem);
  if (!window) {
    ShowMessage(problem);
    return;
  }
  window->exec();
}

}  // namespace quorval
