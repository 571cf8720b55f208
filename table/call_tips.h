#pragma once
// What the calls mean at the table: the meaning of a call of the auction in
// a tip when the mouse rests on it (with a link to the bidding-system
// summary where the call is described), the meaning of each call the hint
// marks, listed below the bidding box, and the meanings a printed report or
// the review lists. The meanings come from the file beside the library;
// without them the calls simply show no meaning.

#include <QObject>
#include <QString>
#include <vector>

#include "core/calls.h"

class QPoint;

namespace quorval {

class TDeskTop;
class TMeaningList;
class TMeaningTip;
class TReviewForm;

class TCallTips : public QObject {
  Q_OBJECT

 public:
  explicit TCallTips(TDeskTop& desk);

  // In the interface language; empty when the meanings file has none (with
  // free bidding, when the bidder's reading says nothing either). Call
  // number `index` of the auction, or what `c` would mean as the next call.
  QString CallMeaningText(int index) const;
  QString NextCallMeaningText(CallCode c) const;
  QString MeaningTextOf(const std::vector<CallCode>& calls, size_t index) const;
  // The tip of the call under a point of the auction grid's viewport; false
  // (and no tip) when there is no call there or it has no meaning.
  bool ShowCallTip(const QPoint& viewportPos);
  void HideTip();
  // Opens the bidding-system summary at the section telling of call `index`.
  bool OpenMeaningSummary(int index);
  // The meanings of the calls the hint marks, below the bidding box and on
  // its buttons' tips; hidden again with the next call.
  void ShowHintMeanings();
  void HideHintMeanings();
  // The meanings a printed hand report lists, when "Print Auction with
  // Meanings" is ticked; none otherwise.
  std::vector<QString> ReportMeanings(const std::vector<CallCode>& calls) const;
  // The auction with meanings for the review window.
  void GiveReviewAuction(TReviewForm& window, const std::vector<CallCode>& calls, Seat dealer) const;
  // Says once, at start, that the meanings could not be read.
  void NoteMeaningsProblem() const;

  TMeaningTip* MeaningTip() const { return tip_; }
  TMeaningList* HintMeanings() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int ReviewCallAt(const QPoint& viewportPos) const;
  // A call of the auction on the table: the file's meaning, and with free
  // bidding the bidder's for a call the file lacks.
  QString TableMeaningText(const std::vector<CallCode>& calls, size_t index) const;

  TDeskTop& desk_;
  TMeaningTip* tip_ = nullptr;
  int tipCall_ = -1;   // the call whose meaning the tip shows
};

}  // namespace quorval
