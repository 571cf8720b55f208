// The end of a board on the table: the board's result (scored, compared
// with the field and filed by the game) on the strata pages and the score pad.
#include <QAction>
#include <QTabWidget>

#include "scoring/player_results.h"
#include "scoring/score_pad.h"
#include "table/desktop.h"
#include "ui/bridge_grid.h"
#include "ui/multi_lang.h"

namespace quorval {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QColor FromRef(unsigned ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

}  // namespace

// The strata pages of the board's result (made and filed when the board
// ended), in the words now in force.
void TDeskTop::SetUpResultGrids() {
  for (auto& row : strata_) row->ClearCells();
  if (!game_.Result() || !game_.Result()->Built()) return;
  FillStrataGrids();
  const int page = Opt().LastStrataSeen == 0 ? 0 : Opt().LastStrataSeen == 1 ? 1 : 2;
  scorePages_->blockSignals(true);
  scorePages_->setCurrentIndex(page);
  scorePages_->blockSignals(false);
  scorePages_->show();
  scorePages_->raise();
  DupBoard();   // the board is now played
}

void TDeskTop::FillStrataGrids() {
  const std::optional<FieldComparison> cmp = game_.ResultStrata();
  if (!cmp) return;
  for (int s = 0; s < 3; ++s) {
    TBridgeGrid* grid = strata_[s];
    for (int r = 0; r < kRowsPerStratum; ++r)
      for (int c = 0; c < kGridColumns; ++c) grid->SetCell(c, r + 1, Q(cmp->strata[s].rows[r].cells[c]));
  }
  LabelResultGrid();
}

void TDeskTop::LabelResultGrid() {
  for (TBridgeGrid* grid : strata_) LabelStrataGrid(grid);
  // Results wider than the pages were made for widen them (and the window).
  if (StrataPagesWidth() > scorePages_->width()) LayoutTable();
  for (TBridgeGrid* grid : strata_) grid->AutoSizeColumns();
}

void TDeskTop::LabelStrataGrid(TBridgeGrid* grid) {
  const auto heads = StrataHeadings(game_.State().IsImpEvent());
  for (int c = 0; c < kGridColumns; ++c) grid->SetCell(c, 0, heads[size_t(c)]);
  grid->SetColor(FromRef(Opt().SkinColors[5]));
  grid->SetOnGetCellFormat([](TBridgeGrid* g, int, int row, int, TFormatOptions& f) {
    if (row == 0) {
      f.Font.setBold(true);
      f.Brush = QColor(0xC0, 0xC0, 0xC0);
      f.AlignmentHorz = baLeftJustify;
    } else if (g->Cell(1, row) == "-") {
      f.Brush = QColor(255, 155, 190);   // the user's own row
    }
  });
}

// The width of the strata pages: what the widest results a board can have
// need (a redoubled grand slam, a passed-out board, a four-figure score and
// a two-figure IMP loss), or the results on the pages when they need more.
int TDeskTop::StrataPagesWidth() {
  TBridgeGrid sample;
  sample.setFont(strata_[0]->font());
  sample.SetColCount(kGridColumns);
  sample.SetRowCount(3);
  sample.SetFixedCols(0);
  sample.SetFixedRows(1);
  sample.SetDefaultRowHeight(strata_[0]->DefaultRowHeight());
  sample.resize(400, 8 * (strata_[0]->DefaultRowHeight() + 1) + 4);
  LabelStrataGrid(&sample);
  const char* widest[2][kGridColumns] = {{"A", "18", "W", "7~NXX", "13", "-7600", "-24.00"},
                                         {"C", "12", "E", "Passed out", "0", "-2220", "-12.00"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < kGridColumns; ++c) sample.SetCell(c, r + 1, widest[r][c]);
  int needed = sample.ContentWidth();
  for (TBridgeGrid* grid : strata_)
    if (!grid->Cell(0, 1).isEmpty()) needed = std::max(needed, grid->ContentWidth());
  for (TBridgeGrid* grid : strata_) grid->setMinimumWidth(needed);
  return scorePages_->minimumSizeHint().width();
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
  labels.stratum = Text("LabelStrata").toStdString();
  labels.mpForHand = Text("LabelMPHand").toStdString();
  labels.impForHand = Text("LabelIMPHand").toStdString();
  labels.totalMp = Text("TotalMPLab").toStdString();
  labels.totalImp = Text("TotalIMPLab").toStdString();
  labels.pctSession = reportLabels_->Text("LabelPct").toStdString();
  labels.aveImps = WordText("session_results", "LabAveIMP", language_, "Ave. IMPs/Bd").toStdString();
  labels.tricks = Text("Labeltrks").toStdString();
  labels.passedOut = Text("LabelPassOut").toStdString();
  labels.seatNames = state.SeatNames;
  const ScorePad pad = BuildScorePad(result.contract, result.declarerTricks, result.score, figures, totals, imps,
                                     Opt().MPScoringSys, labels);
  scorePadResults_->SetCaption(Q(pad.caption));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) scorePadGrid_->SetCell(c, r, Q(pad.cells[r][c]));
  scorePadGrid_->SetOnGetCellFormat([](TBridgeGrid*, int col, int row, int, TFormatOptions& f) {
    f.Font.setBold(row == 0);
    f.Font.setUnderline(row == 0);
    f.AlignmentHorz = col == 0 ? baLeftJustify : baRightJustify;
  });
  scorePadGrid_->AutoSizeColumns();
  endofScoring_->show();
  endofScoring_->raise();
  scorePad_->show();
  scorePad_->raise();
}

void TDeskTop::ScorePagesChange(int page) {
  Opt().LastStrataSeen = page;
}

}  // namespace quorval
