#include "table/table_review.h"

#include <QDialog>
#include <QTimer>

#include "core/messages.h"
#include "game/review_source.h"
#include "play/review/kept_review.h"
#include "scoring/player_results.h"
#include "scoring/result_items.h"
#include "table/call_tips.h"
#include "table/desktop.h"
#include "table/table_learner.h"
#include "ui/review_window.h"
#include "ui/skin.h"

namespace quorval {

std::unique_ptr<TReviewForm> TTableReview::MakeCurrentReview() {
  const TableGame& game = desk_.Game();
  if (game.phase() != Phase::BoardOver || !game.Result()) return nullptr;
  const TableResult& result = *game.Result();
  std::string problem;
  auto review = review::ReviewFromKeptPlay(result.key, KeptPlayRead{result.play, {}}, problem);
  if (!review) return nullptr;
  review->scoreKnown = true;
  review->scoreNS = result.score;
  if (result.filed) review->field = FieldEntriesOf(game.Board());
  const Seat dealer = review->dealer;
  auto window = std::make_unique<TReviewForm>(&desk_, std::move(*review), solvers_);
  window->SetLanguage(desk_.InterfaceLanguage());
  window->OfferPlayFromHere(true);
  desk_.Tips().GiveReviewAuction(*window, result.play.calls, dealer);
  ApplySkinToWindow(window.get(), desk_.Opt().SkinColors, false);
  return window;
}

std::unique_ptr<TReviewForm> TTableReview::MakeFiledReview(const std::string& key, QWidget* parent,
                                                           std::string& problem) {
  TableFiles& files = desk_.Files();
  const KeptPlayRead kept = files.plays ? ReadKeptPlay(*files.plays, files.PlayerName(), key)
                                        : KeptPlayRead{std::nullopt, "no kept play for " + key};
  auto review = review::ReviewFromKeptPlay(key, kept, problem);
  if (!review) return nullptr;
  // The board's score as filed, and the field when the board on file is the
  // deal that was played.
  if (const auto filed = ReadFiledResult(FiledLine(files.options, files.PlayerName(), key))) {
    if (const auto score = WholeNumber(filed->score())) {
      review->scoreKnown = true;
      review->scoreNS = *score;
    }
  }
  BoardOnTable board;
  if (ReadBoard(files, key, desk_.Game().State().BidSystemLetter, "Passed out", board) && board.BoardDeal == review->deal &&
      board.Dealer == review->dealer)
    review->field = FieldEntriesOf(board);
  const Seat dealer = review->dealer;
  auto window = std::make_unique<TReviewForm>(parent, std::move(*review), solvers_);
  window->SetLanguage(desk_.InterfaceLanguage());
  if (kept.play) desk_.Tips().GiveReviewAuction(*window, kept.play->calls, dealer);
  ApplySkinToWindow(window.get(), desk_.Opt().SkinColors, false);
  return window;
}

void TTableReview::ShowCurrentReview() {
  const auto window = MakeCurrentReview();
  if (!window) return;
  const TableResult& result = *desk_.Game().Result();
  const std::string key = result.key;
  const KeptPlay kept = result.play;
  window->exec();
  if (const auto cards = window->PlayFromCards()) desk_.Learner().PlayFromHere(key, kept, *cards);
}

void TTableReview::ReviewFiledBoard(const std::string& key, QWidget* parent) {
  std::string problem;
  const auto window = MakeFiledReview(key, parent, problem);
  if (!window) {
    ShowMessage(problem);
    return;
  }
  TableFiles& files = desk_.Files();
  const KeptPlayRead kept = files.plays ? ReadKeptPlay(*files.plays, files.PlayerName(), key) : KeptPlayRead{};
  window->OfferPlayFromHere(kept.Sound());
  window->exec();
  const auto cards = window->PlayFromCards();
  if (!cards || !kept.Sound()) return;
  // The list the review was opened from closes first; the table plays on
  // once it has.
  if (auto* list = qobject_cast<QDialog*>(parent)) list->reject();
  QTimer::singleShot(0, &desk_, [desk = &desk_, key, play = *kept.play, n = *cards] { desk->Learner().PlayFromHere(key, play, n); });
}

}  // namespace quorval
