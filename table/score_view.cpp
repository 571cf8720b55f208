// The end of a board on the table: the board scored and compared with the
// field, the strata pages, the score pad, and the result filed.
#include <QAction>
#include <QTabWidget>

#include "data/event_set.h"
#include "scoring/board_result.h"
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

void TDeskTop::SetUpResultGrids() {
  const Contract contract = auction_.auction.Result();
  const int tricks = contract.PassedOut() ? 0 : play_.DeclarerTricks;
  ComparisonSettings settings;
  settings.imps = state_.IsImpEvent();
  settings.mpScoringSys = Opt().MPScoringSys;
  settings.seatNames = state_.SeatNames;
  settings.passedOutLabel = Text("LabelPassOut").toStdString();
  for (auto& row : strata_) row->ClearCells();
  // Filed under the key of the board on the table: the board counter may
  // already have moved past it (a board not found, the chooser cancelled).
  const std::string& key = board_.Key;
  // The player's results are those of this event set before one is filed,
  // and a first result ties the player to the set.
  const bool sets = !files_.eventSetId.empty();
  if (sets) AdoptEventSet(files_.options, files_.plays, files_.PlayerName(), files_.eventSetId);
  const BoardScoring scoring = ScoreBoard(contract, tricks, state_.Vul, state_.Dealer, board_.BoardValues, key,
                                          settings, files_.options, files_.PlayerName());
  boardScore_ = scoring.BoardScore;
  resultFiled_ = scoring.filed;
  resultWritten_ = scoring.written;
  if (sets && resultFiled_) AdoptEventSet(files_.options, files_.plays, files_.PlayerName(), files_.eventSetId);
  if (resultFiled_) KeepBoardPlay();   // the play is kept with the result it belongs to
  const FieldComparison& cmp = scoring.comparison;
  if (!cmp.built) {
    handFigures_ = {};
    return;
  }
  for (int s = 0; s < 3; ++s) {
    TBridgeGrid* grid = strata_[s];
    for (int r = 0; r < kRowsPerStratum; ++r)
      for (int c = 0; c < kGridColumns; ++c) grid->SetCell(c, r + 1, Q(cmp.strata[s].rows[r].cells[c]));
    handFigures_[s] = Q(cmp.HandFigures[s]);
  }
  for (int i = 0; i < 22; ++i) figures_[i] = cmp.ResultFigures[i];
  LabelResultGrid();
  const int page = Opt().LastStrataSeen == 0 ? 0 : Opt().LastStrataSeen == 1 ? 1 : 2;
  scorePages_->blockSignals(true);
  scorePages_->setCurrentIndex(page);
  scorePages_->blockSignals(false);
  scorePages_->show();
  scorePages_->raise();
  DupBoard();   // the board is now played
}

void TDeskTop::LabelResultGrid() {
  for (TBridgeGrid* grid : strata_) LabelStrataGrid(grid);
  // Results wider than the pages were made for widen them (and the window).
  if (StrataPagesWidth() > scorePages_->width()) LayoutTable();
  for (TBridgeGrid* grid : strata_) grid->AutoSizeColumns();
}

void TDeskTop::LabelStrataGrid(TBridgeGrid* grid) {
  const auto heads = StrataHeadings(state_.IsImpEvent());
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
  const Contract contract = auction_.auction.Result();
  const int tricks = contract.PassedOut() ? 0 : play_.DeclarerTricks;
  const bool imps = state_.IsImpEvent();
  std::optional<std::array<std::string, 3>> figures;
  if (!handFigures_[0].isEmpty())
    figures = std::array<std::string, 3>{handFigures_[0].toStdString(), handFigures_[1].toStdString(),
                                         handFigures_[2].toStdString()};
  const SessionTotals totals =
      SessionTotalsOf(ReadSessionResults(files_.options, files_.PlayerName(), state_.EventType, state_.Session));
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
  labels.seatNames = state_.SeatNames;
  const ScorePad pad =
      BuildScorePad(contract, tricks, boardScore_, figures, totals, imps, Opt().MPScoringSys, labels);
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
