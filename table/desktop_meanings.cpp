// What the calls mean at the table: the meaning of a call of the auction in
// a tip when the mouse rests on it (with a link to the bidding-system
// summary where the call is described), and the meaning of each call the
// hint marks, listed beside the bidding box. The meanings come from the file
// beside the library; without them the calls simply show no meaning.
#include <QAction>
#include <QEvent>
#include <algorithm>
#include <QHelpEvent>
#include <QTimer>

#include "core/messages.h"
#include "data/meaning_text.h"
#include "table/bidding_box.h"
#include "table/desktop.h"
#include "ui/bridge_grid.h"
#include "ui/meaning_tip.h"
#include "ui/multi_lang.h"
#include "ui/review_window.h"

namespace quorval {
namespace {

constexpr const char* kMeaningList = "call_meanings";

// How long the tip waits for the mouse to reach it after leaving the call.
constexpr int kTipGraceMs = 400;

std::vector<CallCode> CallCodes(const std::vector<std::string>& tokens) {
  std::vector<CallCode> calls;
  calls.reserve(tokens.size());
  for (const std::string& t : tokens) calls.push_back(ParseCall(t));
  return calls;
}

HelpLanguage HelpLanguageOf(int language) {
  switch (language) {
    case 1: return HelpLanguage::Danish;
    case 2: return HelpLanguage::Norwegian;
    case 4: return HelpLanguage::Swedish;
    default: return HelpLanguage::English;
  }
}

}  // namespace

void TDeskTop::BuildMeaningWidgets() {
  meaningTip_ = new TMeaningTip(this);
  connect(meaningTip_, &TMeaningTip::SummaryClicked, this, [this] { OpenMeaningSummary(tipCall_); });
  bidReview_->viewport()->installEventFilter(this);
  bidReview_->viewport()->setMouseTracking(true);
  hintMeanings_ = new TMeaningList(desk_);
  hintMeanings_->hide();
}

void TDeskTop::NoteMeaningsProblem() {
  if (files_.meaningsProblem.empty()) return;
  const QString pattern = WordText(kMeaningList, "MeaningsUnreadable", language_,
                                   "The meanings of the calls could not be read (%1).");
  ShowMessage(pattern.arg(QString::fromStdString(files_.meaningsProblem)).toStdString());
}

QString TDeskTop::MeaningTextOf(const std::vector<CallCode>& calls, size_t index) const {
  if (!files_.meanings || index >= calls.size()) return {};
  const CallMeaning* meaning = files_.meanings->Find(game_.State().BidSystemLetter, calls, index);
  if (!meaning) return {};
  const WordList& words = CompiledWordList(kMeaningList);
  return QString::fromStdString(MeaningText(calls[index], *meaning, WordsOf(words, language_)));
}

QString TDeskTop::CallMeaningText(int index) const {
  if (index < 0) return {};
  return MeaningTextOf(CallCodes(game_.Auction().Calls), static_cast<size_t>(index));
}

QString TDeskTop::NextCallMeaningText(CallCode c) const {
  std::vector<CallCode> calls = CallCodes(game_.Auction().Calls);
  calls.push_back(c);
  return MeaningTextOf(calls, calls.size() - 1);
}

int TDeskTop::ReviewCallAt(const QPoint& viewportPos) const {
  int col = 0, row = 0;
  if (!bidReview_->CellAt(viewportPos, col, row)) return -1;
  // The inverse of the review's placing: rows start with West, the dealer's
  // call in the dealer's column of row 0.
  const int index = row * 4 + col - ReviewColumn(game_.State().Dealer);
  return index >= 0 && index < game_.Auction().CallCount() ? index : -1;
}

bool TDeskTop::ShowCallTip(const QPoint& viewportPos) {
  const int index = ReviewCallAt(viewportPos);
  const QString meaning = CallMeaningText(index);
  if (meaning.isEmpty()) {
    meaningTip_->hide();
    return false;
  }
  tipCall_ = index;
  meaningTip_->ShowMeaning(bidReview_->viewport()->mapToGlobal(viewportPos), meaning,
                           WordText(kMeaningList, "MeaningSummaryLink", language_, "System summary"));
  return true;
}

bool TDeskTop::OpenMeaningSummary(int index) {
  const std::vector<CallCode> calls = CallCodes(game_.Auction().Calls);
  if (!files_.meanings || index < 0 || static_cast<size_t>(index) >= calls.size()) return false;
  const CallMeaning* meaning = files_.meanings->Find(game_.State().BidSystemLetter, calls, static_cast<size_t>(index));
  if (!meaning) return false;
  const SummarySection section = SectionOfCall(calls, static_cast<size_t>(index), *meaning);
  return OpenHelpFile(HelpFile(false, HelpLanguageOf(language_)), SummaryAnchor(section));
}

bool TDeskTop::MeaningEvent(QObject* watched, QEvent* event) {
  if (!bidReview_ || watched != bidReview_->viewport()) return false;
  if (event->type() == QEvent::ToolTip) {
    ShowCallTip(static_cast<QHelpEvent*>(event)->pos());
    return true;
  }
  if (event->type() == QEvent::Leave && meaningTip_->isVisible())
    QTimer::singleShot(kTipGraceMs, meaningTip_, [tip = meaningTip_] { tip->HideUnlessHovered(); });
  return false;
}

std::vector<QString> TDeskTop::ReportMeanings(const std::vector<CallCode>& calls) const {
  std::vector<QString> meanings;
  const QAction* wanted = Action("PrintMeanings");
  if (!wanted || !wanted->isChecked()) return meanings;
  for (size_t i = 0; i < calls.size(); ++i) meanings.push_back(MeaningTextOf(calls, i));
  return meanings;
}

void TDeskTop::GiveReviewAuction(TReviewForm& window, const std::vector<CallCode>& calls, Seat dealer) const {
  std::vector<TReviewForm::AuctionLine> lines;
  Seat seat = dealer & 3;
  for (size_t i = 0; i < calls.size(); ++i) {
    lines.push_back({SeatName(seat), ReviewCallText(calls[i]), MeaningTextOf(calls, i)});
    seat = NextSeat(seat);
  }
  window.SetAuction(std::move(lines));
}

void TDeskTop::ShowHintMeanings() {
  HideHintMeanings();
  std::vector<TMeaningList::Line> lines;
  std::vector<CallCode> told;
  for (const CallCode c : game_.Auction().HintCalls) {
    if (std::find(told.begin(), told.end(), c) != told.end()) continue;  // lines share a call
    told.push_back(c);
    const QString meaning = NextCallMeaningText(c);
    if (meaning.isEmpty()) continue;
    lines.push_back({ReviewCallText(c), meaning});
    if (QWidget* button = bidBox_->ButtonFor(c)) button->setToolTip(meaning);
  }
  if (lines.empty()) return;
  hintMeanings_->SetLines(std::move(lines));
  hintMeanings_->resize(hintMeanings_->width(), hintMeanings_->NeededHeight());
  hintMeanings_->show();
  hintMeanings_->raise();
}

void TDeskTop::HideHintMeanings() {
  if (!hintMeanings_) return;
  for (CallCode c = Redouble; c < NoCall; ++c)
    if (QWidget* button = bidBox_->ButtonFor(c)) button->setToolTip({});
  hintMeanings_->SetLines({});
  hintMeanings_->hide();
}

}  // namespace quorval
