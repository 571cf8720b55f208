#include "table/result_saving.h"

#include "data/date_time.h"
#include "scoring/player_results.h"
#include "table/desktop.h"

namespace quorval {

void TResultSaving::SaveSettings() {
  TOption& option = desk_.Opt();
  const TableState& state = desk_.Game().State();
  option.Event = state.EventType;
  option.Session = state.Session;
  option.LastHandPlayed = state.BoardNo;
  option.BidSys = static_cast<uint8_t>(state.BidSystem);
  SaveOptions(desk_.Files().options, option, NowDateTime());
}

bool TResultSaving::WillOfferUnsavedResults() const {
  return offer_ && !UnsavedResults(desk_.Files().options).empty();
}

bool TResultSaving::OfferUnsavedResults(bool closing, const QString& unfinishedBoard) {
  TBigIniFile& options = desk_.Files().options;
  for (;;) {
    const std::vector<UnsavedResult> unsaved = UnsavedResults(options);
    if (unsaved.empty() || !offer_) return true;
    const UnsavedOffer offer{QString::fromStdString(UnsavedResultsText(unsaved)),
                             QString::fromStdString(options.LastError()), closing, desk_.InterfaceLanguage(),
                             desk_.Opt().SkinColors, closing ? unfinishedBoard : QString()};
    const UnsavedAnswer answer = offer_(offer);
    switch (answer.choice) {
      case UnsavedChoice::Retry:
        SaveSettings();
        break;
      case UnsavedChoice::SaveAs:
        // A copy that could not be written either is offered again with
        // its own reason.
        if (options.SaveCopyAs(answer.path.toStdString())) return true;
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
