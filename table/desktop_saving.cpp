// Results that could not be written to the options file: the offer to try
// again or to keep them in another file, after a board and before quitting.
#include "scoring/player_results.h"
#include "table/desktop.h"

namespace quorval {

bool TDeskTop::OfferUnsavedResults(bool closing) {
  for (;;) {
    const std::vector<UnsavedResult> unsaved = UnsavedResults(files_.options);
    if (unsaved.empty() || !unsavedOffer_) return true;
    const UnsavedOffer offer{QString::fromStdString(UnsavedResultsText(unsaved)),
                             QString::fromStdString(files_.options.LastError()), closing, language_,
                             Opt().SkinColors};
    const UnsavedAnswer answer = unsavedOffer_(offer);
    switch (answer.choice) {
      case UnsavedChoice::Retry:
        SaveSettings();
        break;
      case UnsavedChoice::SaveAs:
        // A copy that could not be written either is offered again with
        // its own reason.
        if (files_.options.SaveCopyAs(answer.path.toStdString())) return true;
        break;
      case UnsavedChoice::Later:
      case UnsavedChoice::Quit:
        return true;
      case UnsavedChoice::Cancel:
        return false;
    }
  }
}

}  // namespace quorval
