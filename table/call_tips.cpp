#include "table/call_tips.h"

#include <QAction>
#include <QEvent>
#include <QHelpEvent>
#include <QTimer>
#include <algorithm>

#include "core/messages.h"
#include "data/meaning_text.h"
#include "table/bidding_box.h"
#include "table/desktop.h"
#include "table/help_menu.h"
#include "table/table_panels.h"
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

TCallTips::TCallTips(TDeskTop& desk) : desk_(desk) {
  tip_ = new TMeaningTip(&desk);
  connect(tip_, &TMeaningTip::SummaryClicked, this, [this] { OpenMeaningSummary(tipCall_); });
  TBridgeGrid* review = desk.Panels().bidReview;
  review->viewport()->installEventFilter(this);
  review->viewport()->setMouseTracking(true);
}

TMeaningList* TCallTips::HintMeanings() const { return desk_.Panels().hintMeanings; }

void TCallTips::NoteMeaningsProblem() const {
  const std::string& problem = desk_.Files().meaningsProblem;
  if (problem.empty()) return;
  const QString pattern = WordText(kMeaningList, "MeaningsUnreadable", desk_.InterfaceLanguage(),
                                   "The meanings of the calls could not be read (%1).");
  ShowMessage(pattern.arg(QString::fromStdString(problem)).toStdString());
}

QString TCallTips::MeaningTextOf(const std::vector<CallCode>& calls, size_t index) const {
  const CallMeanings* meanings = desk_.Files().meanings;
  if (!meanings || index >= calls.size()) return {};
  const CallMeaning* meaning = meanings->Find(desk_.Game().State().BidSystemLetter, calls, index);
  if (!meaning) return {};
  const WordList& words = CompiledWordList(kMeaningList);
  return QString::fromStdString(MeaningText(calls[index], *meaning, WordsOf(words, desk_.InterfaceLanguage())));
}

QString TCallTips::TableMeaningText(const std::vector<CallCode>& calls, size_t index) const {
  QString text = MeaningTextOf(calls, index);
  // With free bidding every call of the auction is told: one the file lacks
  // by what the table reads in it.
  TableGame& game = desk_.Game();
  if (!text.isEmpty() || !game.FreeBidding() || index >= calls.size()) return text;
  const CallMeaning meaning = game.BidderMeaning(calls, index);
  if (meaning.Empty()) return {};
  const WordList& words = CompiledWordList(kMeaningList);
  return QString::fromStdString(MeaningText(calls[index], meaning, WordsOf(words, desk_.InterfaceLanguage())));
}

QString TCallTips::CallMeaningText(int index) const {
  if (index < 0) return {};
  return TableMeaningText(CallCodes(desk_.Game().Auction().Calls), static_cast<size_t>(index));
}

QString TCallTips::NextCallMeaningText(CallCode c) const {
  std::vector<CallCode> calls = CallCodes(desk_.Game().Auction().Calls);
  calls.push_back(c);
  return TableMeaningText(calls, calls.size() - 1);
}

int TCallTips::ReviewCallAt(const QPoint& viewportPos) const {
  int col = 0, row = 0;
  if (!desk_.Panels().bidReview->CellAt(viewportPos, col, row)) return -1;
  // The inverse of the review's placing: rows start with West, the dealer's
  // call in the dealer's column of row 0.
  const int index = row * 4 + col - ReviewColumn(desk_.Game().State().Dealer);
  return index >= 0 && index < desk_.Game().Auction().CallCount() ? index : -1;
}

bool TCallTips::ShowCallTip(const QPoint& viewportPos) {
  const int index = ReviewCallAt(viewportPos);
  const QString meaning = CallMeaningText(index);
  if (meaning.isEmpty()) {
    tip_->hide();
    return false;
  }
  tipCall_ = index;
  tip_->ShowMeaning(desk_.Panels().bidReview->viewport()->mapToGlobal(viewportPos), meaning,
                    WordText(kMeaningList, "MeaningSummaryLink", desk_.InterfaceLanguage(), "System summary"));
  return true;
}

void TCallTips::HideTip() { tip_->hide(); }

bool TCallTips::OpenMeaningSummary(int index) {
  const CallMeanings* meanings = desk_.Files().meanings;
  const std::vector<CallCode> calls = CallCodes(desk_.Game().Auction().Calls);
  if (!meanings || index < 0 || static_cast<size_t>(index) >= calls.size()) return false;
  const CallMeaning* meaning = meanings->Find(desk_.Game().State().BidSystemLetter, calls, static_cast<size_t>(index));
  if (!meaning) return false;
  const SummarySection section = SectionOfCall(calls, static_cast<size_t>(index), *meaning);
  THelpMenu& help = desk_.Help();
  return help.OpenHelpFile(help.HelpFile(false, HelpLanguageOf(desk_.InterfaceLanguage())), SummaryAnchor(section));
}

bool TCallTips::eventFilter(QObject* watched, QEvent* event) {
  if (watched != desk_.Panels().bidReview->viewport()) return false;
  if (event->type() == QEvent::ToolTip) {
    ShowCallTip(static_cast<QHelpEvent*>(event)->pos());
    return true;
  }
  if (event->type() == QEvent::Leave && tip_->isVisible())
    QTimer::singleShot(kTipGraceMs, tip_, [tip = tip_] { tip->HideUnlessHovered(); });
  return false;
}

std::vector<QString> TCallTips::ReportMeanings(const std::vector<CallCode>& calls) const {
  std::vector<QString> meanings;
  const QAction* wanted = desk_.Action("PrintMeanings");
  if (!wanted || !wanted->isChecked()) return meanings;
  for (size_t i = 0; i < calls.size(); ++i) meanings.push_back(MeaningTextOf(calls, i));
  return meanings;
}

void TCallTips::GiveReviewAuction(TReviewForm& window, const std::vector<CallCode>& calls, Seat dealer) const {
  std::vector<TReviewForm::AuctionLine> lines;
  Seat seat = dealer & 3;
  for (size_t i = 0; i < calls.size(); ++i) {
    lines.push_back({desk_.SeatName(seat), desk_.ReviewCallText(calls[i]), MeaningTextOf(calls, i)});
    seat = NextSeat(seat);
  }
  window.SetAuction(std::move(lines));
}

void TCallTips::ShowHintMeanings() {
  HideHintMeanings();
  std::vector<TMeaningList::Line> lines;
  std::vector<CallCode> told;
  TBidBoxEuro* box = desk_.Panels().bidBox;
  for (const CallCode c : desk_.Game().Auction().HintCalls) {
    if (std::find(told.begin(), told.end(), c) != told.end()) continue;  // lines share a call
    told.push_back(c);
    const QString meaning = NextCallMeaningText(c);
    if (meaning.isEmpty()) continue;
    lines.push_back({desk_.ReviewCallText(c), meaning});
    if (QWidget* button = box->ButtonFor(c)) button->setToolTip(meaning);
  }
  if (lines.empty()) return;
  TMeaningList* list = HintMeanings();
  list->SetLines(std::move(lines));
  list->resize(list->width(), list->NeededHeight());
  list->show();
  list->raise();
}

void TCallTips::HideHintMeanings() {
  TBidBoxEuro* box = desk_.Panels().bidBox;
  for (CallCode c = Redouble; c < NoCall; ++c)
    if (QWidget* button = box->ButtonFor(c)) button->setToolTip({});
  HintMeanings()->SetLines({});
  HintMeanings()->hide();
}

}  // namespace quorval
