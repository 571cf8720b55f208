// The end of a board on the table: the board's result (scored, compared
// with the field and filed by the game) on the strata pages and the score pad.
#include <QTabWidget>

#include "scoring/player_results.h"
#include "scoring/score_pad.h"
#include "table/desktop.h"
#include "table/table_panels.h"
#include "table/table_printing.h"
#include "ui/bridge_grid.h"
#include "ui/colour_ref.h"
#include "ui/multi_lang.h"

namespace quorval {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// The strata pages of the board's result, in the words now in force; the
// page seen last comes first. Nothing when the comparison could not be built.
void TDeskTop::SetUpResultGrids() {
  TablePanels& p = *panels_;
  for (TBridgeGrid* grid : p.strata) grid->ClearCells();
  const std::optional<FieldComparison> cmp = game_.ResultStrata();
  if (!cmp) return;
  const auto headings = printing_->StrataHeadings(game_.State().IsImpEvent());
  const QColor colour = FromColourRef(uint32_t(Opt().SkinColors[5]));
  for (size_t s = 0; s < p.strata.size(); ++s) {
    TBridgeGrid* grid = p.strata[s];
    int userRow = -1;
    for (int r = 0; r < kRowsPerStratum; ++r) {
      const ResultRow& row = cmp->strata[s].rows[size_t(r)];
      for (int c = 0; c < kGridColumns; ++c) grid->SetCell(c, r + 1, Q(row.cells[size_t(c)]));
      if (row.user) userRow = r + 1;
    }
    p.LabelStrataGrid(grid, headings, colour, userRow);
  }
  // Results wider than the pages were made for widen them (and the window).
  if (p.StrataPagesWidth(headings, colour) > p.scorePages->width() || width() < minimumWidth()) LayoutTable();
  for (TBridgeGrid* grid : p.strata) grid->AutoSizeColumns();
  const int page = Opt().LastStrataSeen == 0 ? 0 : Opt().LastStrataSeen == 1 ? 1 : 2;
  p.scorePages->blockSignals(true);
  p.scorePages->setCurrentIndex(page);
  p.scorePages->blockSignals(false);
  p.scorePages->show();
  p.scorePages->raise();
  DupBoard();   // the board is now played
}

void TDeskTop::ShowTheScore() {
  if (!game_.Result()) return;
  const TableResult& result = *game_.Result();
  const TableState& state = game_.State();
  const bool imps = state.IsImpEvent();
  std::optional<std::array<std::string, 3>> figures;
  if (result.Built()) figures = result.comparison.HandFigures;
  const SessionTotals totals =
      SessionTotalsOf(ReadSessionResults(files_.options, files_.PlayerName(), state.EventType, state.Session));
  ScorePadLabels labels;
  labels.stratum = Word("LabelStrata").toStdString();
  labels.mpForHand = Word("LabelMPHand").toStdString();
  labels.impForHand = Word("LabelIMPHand").toStdString();
  labels.totalMp = Word("TotalMPLab").toStdString();
  labels.totalImp = Word("TotalIMPLab").toStdString();
  labels.pctSession = printing_->ReportLabels().Text("LabelPct").toStdString();
  labels.aveImps = WordText("session_results", "LabAveIMP", language_, "Ave. IMPs/Bd").toStdString();
  labels.tricks = Word("Labeltrks").toStdString();
  labels.passedOut = Word("LabelPassOut").toStdString();
  labels.seatNames = state.SeatNames;
  const ScorePad pad = BuildScorePad(result.contract, result.declarerTricks, result.score, figures, totals, imps,
                                     Opt().MPScoringSys, labels);
  TablePanels& p = *panels_;
  p.scorePadResults->SetCaption(Q(pad.caption));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) p.scorePadGrid->SetCell(c, r, Q(pad.cells[size_t(r)][size_t(c)]));
  p.scorePadGrid->SetOnGetCellFormat([](TBridgeGrid*, int col, int row, int, TFormatOptions& f) {
    f.Font.setBold(row == 0);
    f.Font.setUnderline(row == 0);
    f.AlignmentHorz = col == 0 ? baLeftJustify : baRightJustify;
  });
  p.scorePadGrid->AutoSizeColumns();
  p.endofScoring->show();
  p.endofScoring->raise();
  p.scorePad->show();
  p.scorePad->raise();
}

}  // namespace quorval
