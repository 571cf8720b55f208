#pragma once
// "Review" at the table: the double-dummy review of the board just finished
// (from the end-of-board panel) and of any filed board with a kept play
// (from the session results list). The Make functions build the window
// without showing it (nothing when there is no play to review).

#include <memory>
#include <string>

#include "play/review/board_review.h"

class QWidget;

namespace quorval {

class TDeskTop;
class TReviewForm;

class TTableReview {
 public:
  explicit TTableReview(TDeskTop& desk) : desk_(desk) {}

  std::unique_ptr<TReviewForm> MakeCurrentReview();
  std::unique_ptr<TReviewForm> MakeFiledReview(const std::string& boardKey, QWidget* parent, std::string& problem);
  // Shows the review of the board just finished; "Play from here" in it
  // lays the board out on the table from the chosen card.
  void ShowCurrentReview();
  // Shows the review of a filed board, or says why there is none; "Play
  // from here" closes `parent` (the session results) and plays on from the
  // chosen card at the table.
  void ReviewFiledBoard(const std::string& boardKey, QWidget* parent);
  // Stand-ins for the solver in the review windows (tests).
  void SetReviewSolvers(review::ReviewSolvers solvers) { solvers_ = std::move(solvers); }

 private:
  TDeskTop& desk_;
  review::ReviewSolvers solvers_;
};

}  // namespace quorval
