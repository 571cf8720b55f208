#pragma once
// TSessionResult: the modal "Session Results" window. It lists the current
// player's filed results of one session (the user picks the scoring method
// and the session inside the window) with the stratum totals and the
// session figure. It only reads. Printing is handed to the table, which
// owns the printers: the list as the Print button prints it, and the hand
// report of the board whose row is selected; so is the double-dummy review
// of the selected board.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "scoring/session_results.h"
#include "ui/print_target.h"
#include "ui/session_controls.h"

class QGroupBox;
class QLabel;
class QMenu;
class QToolButton;
class QPushButton;
class QFrame;

namespace quorval {

class TBigIniFile;
class TBridgeGrid;
class TMultiLang;

class TSessionResult : public QDialog {
  Q_OBJECT

 public:
  // `event` and `session` are the table's ("Par", "12"); `gridColour` is
  // skin colour 5.
  TSessionResult(QWidget* parent, const TBigIniFile& options, const std::string& player, const std::string& event,
                 const std::string& session, int mpScoringSys, const QColor& gridColour);

  // The table's printers: the list, and the hand report of a board (its key).
  void SetPrinters(std::function<void(PrintTarget)> printList,
                   std::function<void(const std::string& boardKey, PrintTarget)> printHand);
  // The table's review of a board (its key).
  void SetReviewer(std::function<void(const std::string& boardKey)> review) { review_ = std::move(review); }

  void FormShow();
  // The window's texts in `language` (the table's interface language); the
  // list is built again with the words of that language.
  void SetLanguage(int language);
  void EventRGClick(int item);      // 0 "IMP", 1 "MP"
  void SessionClick(int session);   // 1..18
  void PageClick();
  void PrintBtnClick(PrintTarget target = PrintTarget::Printer);
  void PrintHandClick(PrintTarget target = PrintTarget::Printer);
  void ReviewClick();
  void Panel6Resize();

  std::string ShownEvent() const { return shownEvent_; }
  std::string ShownSession() const { return shownSession_; }
  // The board of the selected row (1..27), 0 when no board row is selected.
  int SelectedBoard() const;
  void SelectRow(int row);
  // The chosen scoring method's text ("IMP" or "MP" in the window's language).
  QString ScoringItemText() const;
  // Index of the totals row of the list.
  int TotalsRow() const { return totalsRow_; }
  // The rows the list shows, as built from the filed results.
  const std::vector<SessionListRow>& Rows() const { return rows_; }

  TBridgeGrid* Grid() const { return grid_; }
  QRadioButton* EventItem(int item) const { return eventItems_[size_t(item)]; }
  QRadioButton* SessionButton(int n) const { return sessions_[size_t(n - 1)]; }
  QToolButton* PrintButton() const { return printBtn_; }
  QToolButton* PrintHandButton() const { return printHandBtn_; }
  QPushButton* ReviewButton() const { return reviewBtn_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString Text(const char* label) const;
  QMenu* PrintMenu(const char* name, void (TSessionResult::*print)(PrintTarget));

  const TBigIniFile& options_;
  std::string player_;
  int mpScoringSys_;
  TMultiLang* lang_ = nullptr;
  std::string shownEvent_ = "Imp";
  std::string shownSession_ = "01";
  std::string tableEvent_, tableSession_;
  std::vector<SessionListRow> rows_;   // as listed, with each row's board
  int selectedRow_ = -1;
  int totalsRow_ = 2;

  QFrame* panel6_ = nullptr;
  QGroupBox* eventRG_ = nullptr;
  std::array<QRadioButton*, 2> eventItems_{};
  QGroupBox* sesRG_ = nullptr;
  SessionButtons sessions_{};
  TBridgeGrid* grid_ = nullptr;
  QToolButton* printBtn_ = nullptr;
  QToolButton* printHandBtn_ = nullptr;
  QPushButton* reviewBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
  std::function<void(PrintTarget)> printList_;
  std::function<void(const std::string&, PrintTarget)> printHand_;
  std::function<void(const std::string&)> review_;
};

}  // namespace quorval
