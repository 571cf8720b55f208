#pragma once
// Printing at the table, and the results windows whose buttons print:
// "Print Hand" for the board on the table (only what belongs to it so far),
// the hand report of a filed board from its kept play, the session results
// window (the list prints itself, a selected row its board's report) and the
// result summary. The pages go to the print dialog, the print preview or a
// PDF file, or to a stand-in that tests give.

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "print/hand_report.h"
#include "print/print_job.h"
#include "print/session_print.h"

class QWidget;

namespace quorval {

class TDeskTop;
class TFormSummary;
class TSessionResult;
struct FieldComparison;

class TTablePrinting {
 public:
  explicit TTablePrinting(TDeskTop& desk);
  ~TTablePrinting();

  // "Print Hand": the board on the table.
  void PrintHand(PrintTarget target);
  // The report of the board on the table: only what belongs to it so far.
  HandReportData CurrentHandReport() const;
  // The report of a filed board from its kept play; nothing when the board
  // has no filed result or cannot be read. `problem` says what was wrong,
  // also when the board is reported without its auction and play.
  std::optional<HandReportData> FiledHandReport(const std::string& boardKey, std::string& problem);
  bool PrintFiledHand(const std::string& boardKey, PrintTarget target, QWidget* parent);
  SessionPrintPage SessionListPage(const TSessionResult& window) const;
  SessionPrintPage SessionListPage(const std::string& event, const std::string& session);

  // The results windows, made in the table's language and skin.
  std::unique_ptr<TSessionResult> MakeSessionResults();
  std::unique_ptr<TFormSummary> MakeResultSummary();

  // The strata pages' headings in the interface language.
  std::array<QString, 7> StrataHeadings(bool imps) const;
  TReportLabels& ReportLabels() const { return *labels_; }
  void SetLanguage(int language);

  // Replaces the print dialogs (tests): gets the pages and where they go.
  using Printer = std::function<bool(QWidget* parent, const QString& name, const std::vector<PageDrawer>& pages,
                                     PrintTarget target)>;
  void SetPrinter(Printer printer) { printer_ = std::move(printer); }

 private:
  bool SendPages(QWidget* parent, const QString& name, const std::vector<PageDrawer>& pages, PrintTarget target);
  void FillReportStrata(HandReportData& d, const FieldComparison* cmp) const;

  TDeskTop& desk_;
  std::unique_ptr<TReportLabels> labels_;
  Printer printer_;
};

}  // namespace quorval
