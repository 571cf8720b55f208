#pragma once
// TBridgeGrid: the text grid of the bidding review, the score pad, the
// strata pages, the session results and the summary. Cells may carry suit
// markup; a callback may restyle any cell; columns size themselves to fit.

#include <QAbstractScrollArea>
#include <QBrush>
#include <QFont>
#include <QString>
#include <functional>
#include <vector>

namespace quorval {

enum THorzAlignment { baLeftJustify, baRightJustify, baCenter, baCenterRJ };
enum TVertAlignment { baTopJustify, baBottomJustify, baMiddle };
enum TCellBevelStyle { cbNone, cbRaised, cbLowered };
enum TAdjustStyle { asNone, asEqual, asPadRight };

// Cell states passed to the callback.
enum TGridState { gdFixed = 1, gdFocused = 2, gdSelected = 4 };

// What a cell is drawn with; the format callback may change any of it.
struct TFormatOptions {
  QBrush Brush;
  QFont Font;
  QColor FontColor;
  THorzAlignment AlignmentHorz = baLeftJustify;
  TVertAlignment AlignmentVert = baTopJustify;
  TCellBevelStyle BevelStyle = cbNone;
  bool HideText = false;
};

using TFormatDrawCellEvent =
    std::function<void(class TBridgeGrid* sender, int ACol, int ARow, int state, TFormatOptions& format)>;

class TBridgeGrid : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TBridgeGrid(QWidget* parent = nullptr);

  // Size and contents, as in a string grid.
  int ColCount() const { return cols_; }
  int RowCount() const { return rows_; }
  void SetColCount(int n);
  void SetRowCount(int n);
  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  void SetFixedRows(int n) { fixedRows_ = n; viewport()->update(); }
  void SetFixedCols(int n) { fixedCols_ = n; viewport()->update(); }
  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);
  void ClearCells();
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultRowHeight(int h);
  int GridLineWidth() const { return lineWidth_; }
  void SetGridLineWidth(int w) { lineWidth_ = w; viewport()->update(); }
  bool HorzLines() const { return horzLines_; }
  bool VertLines() const { return vertLines_; }
  void SetGridLines(bool horz, bool vert) { horzLines_ = horz; vertLines_ = vert; viewport()->update(); }
  QColor Color() const { return colour_; }
  void SetColor(const QColor& c) { colour_ = c; viewport()->update(); }
  QColor FixedColor() const { return fixedColour_; }
  void SetFixedColor(const QColor& c) { fixedColour_ = c; viewport()->update(); }

  THorzAlignment AlignmentHorz() const { return alignHorz_; }
  void SetAlignmentHorz(THorzAlignment a) { alignHorz_ = a; viewport()->update(); }
  TVertAlignment AlignmentVert() const { return alignVert_; }
  void SetAlignmentVert(TVertAlignment a) { alignVert_ = a; viewport()->update(); }
  TCellBevelStyle BevelStyle() const { return bevel_; }
  void SetBevelStyle(TCellBevelStyle b) { bevel_ = b; viewport()->update(); }
  bool BridgeSymbols() const { return symbols_; }
  void SetBridgeSymbols(bool on) { symbols_ = on; viewport()->update(); }
  bool SelectionAllowed() const { return selectionAllowed_; }
  void SetSelectionAllowed(bool on) { selectionAllowed_ = on; }
  TAdjustStyle AdjustOnSort() const { return adjust_; }
  void SetAdjustOnSort(TAdjustStyle a) { adjust_ = a; }
  void SetOnGetCellFormat(TFormatDrawCellEvent callback) { onFormat_ = std::move(callback); viewport()->update(); }

  void AutoSizeColumns();
  void AutoSizeColumn(int col);
  // The width the grid needs to show every column at its widest text, with
  // its grid lines, its frame and, when not every row shows, the scroll bar.
  int ContentWidth() const;
  int Indent(int col) const;

  // The format a cell is drawn with (after the callback).
  TFormatOptions CellFormat(int col, int row) const;
  // The text width the grid measures for a cell (leading blanks dropped for
  // centred columns, one "~" not counted).
  int MeasuredTextWidth(int col, int row) const;
  // The cell's text offset within its rectangle, as drawing uses it.
  QPoint TextOffset(int col, int row, const QSize& cellSize) const;
  // The rectangle of a cell in viewport coordinates (unscrolled).
  QRect CellRect(int col, int row) const;
  // The cell drawn at a point of the viewport (scrolling taken into account);
  // false when the point is on no cell.
  bool CellAt(const QPoint& viewportPos, int& col, int& row) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool IsFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
  QString MeasureText(int col, int row, const TFormatOptions& f) const;
  THorzAlignment EffectiveHorz(int row, const TFormatOptions& f) const;
  int VisibleBodyRows() const;
  int WidestText(int col, bool bodyOnly) const;
  void UpdateScroll();
  void SizeAllColumns();
  void DrawCell(QPainter& p, int col, int row, const QRect& r);

  int cols_ = 5, rows_ = 5, fixedCols_ = 1, fixedRows_ = 1;
  std::vector<QString> cells_;
  std::vector<int> widths_;
  std::vector<int> indents_;
  int rowHeight_ = 24;
  int lineWidth_ = 1;
  bool horzLines_ = true, vertLines_ = true;
  QColor colour_ = Qt::white;
  QColor fixedColour_ = QColor(212, 208, 200);
  THorzAlignment alignHorz_ = baLeftJustify;
  TVertAlignment alignVert_ = baTopJustify;
  TCellBevelStyle bevel_ = cbNone;
  bool symbols_ = true;
  bool selectionAllowed_ = false;
  TAdjustStyle adjust_ = asEqual;
  bool autoSized_ = false;   // widths came from AutoSizeColumns, so follow the grid's width
  TFormatDrawCellEvent onFormat_;
};

// A small label whose caption is drawn with suit markup.
class TBridgeLab : public QWidget {
  Q_OBJECT

 public:
  explicit TBridgeLab(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& text) { caption_ = text; update(); }
  QColor Color() const { return colour_; }
  void SetColor(const QColor& c) { colour_ = c; update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QColor colour_;
};

}  // namespace quorval
