#pragma once
// Saving at the table: the player's settings with the table's own state
// (event, session, board counter, system), and results that could not be
// written to the options file, which are never let go quietly: after a board
// and before quitting the table offers to try again or to keep them in
// another file, until they are on disk or the user puts it off.

#include <functional>

#include "ui/unsaved_results.h"

namespace quorval {

class TDeskTop;

class TResultSaving {
 public:
  explicit TResultSaving(TDeskTop& desk) : desk_(desk) {}

  // The settings, with the board on the table, saved to the options file.
  void SaveSettings();

  // What to ask when results could not be written (the dialog at the
  // screen). Without one the run goes on and the results not written are
  // left to the end of the run to report.
  using UnsavedResultsOffer = std::function<UnsavedAnswer(const UnsavedOffer&)>;
  void SetUnsavedResultsOffer(UnsavedResultsOffer offer) { offer_ = std::move(offer); }
  // While results are not on disk: offers to try again or to save them in
  // another file. False when the user, asked on closing, chose not to quit.
  bool OfferUnsavedResults(bool closing, const QString& unfinishedBoard = {});
  // Results are not on disk and there is someone to offer them to.
  bool WillOfferUnsavedResults() const;

 private:
  TDeskTop& desk_;
  UnsavedResultsOffer offer_;
};

}  // namespace quorval
