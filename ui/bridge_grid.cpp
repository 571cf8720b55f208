#include "ui/bridge_grid.h"

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <qdrawutil.h>

#include "ui/symbol_text.h"

namespace quorval {

TBridgeGrid::TBridgeGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  cells_.assign(size_t(cols_ * rows_), QString());
  widths_.assign(size_t(cols_), 64);
  indents_.assign(101, 0);
}

void TBridgeGrid::SetColCount(int n) {
  n = std::max(n, 1);
  std::vector<QString> cells(size_t(n * rows_));
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < std::min(n, cols_); ++c) cells[size_t(r * n + c)] = cells_[size_t(r * cols_ + c)];
  cells_ = std::move(cells);
  cols_ = n;
  widths_.resize(size_t(n), 64);
  UpdateScroll();
  viewport()->update();
}

void TBridgeGrid::SetRowCount(int n) {
  n = std::max(n, 1);
  rows_ = n;
  cells_.resize(size_t(cols_ * rows_));
  UpdateScroll();
  viewport()->update();
}

QString TBridgeGrid::Cell(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return {};
  return cells_[size_t(row * cols_ + col)];
}

void TBridgeGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return;
  cells_[size_t(row * cols_ + col)] = text;
  viewport()->update();
}

void TBridgeGrid::ClearCells() {
  std::fill(cells_.begin(), cells_.end(), QString());
  viewport()->update();
}

int TBridgeGrid::ColWidth(int col) const { return (col >= 0 && col < cols_) ? widths_[size_t(col)] : 0; }

void TBridgeGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= cols_) return;
  widths_[size_t(col)] = std::max(width, 0);
  autoSized_ = false;
  viewport()->update();
}

void TBridgeGrid::SetDefaultRowHeight(int h) {
  rowHeight_ = std::max(h, 1);
  UpdateScroll();
  viewport()->update();
}

int TBridgeGrid::Indent(int col) const { return (col >= 0 && col <= 100) ? indents_[size_t(col)] : 0; }

TFormatOptions TBridgeGrid::CellFormat(int col, int row) const {
  TFormatOptions f;
  f.Brush = QBrush(IsFixed(col, row) ? fixedColour_ : colour_);
  f.Font = font();
  f.FontColor = palette().color(QPalette::WindowText);
  f.AlignmentHorz = alignHorz_;
  f.AlignmentVert = alignVert_;
  f.BevelStyle = bevel_;
  f.HideText = false;
  if (onFormat_) {
    int state = IsFixed(col, row) ? gdFixed : 0;
    onFormat_(const_cast<TBridgeGrid*>(this), col, row, state, f);
  }
  return f;
}

THorzAlignment TBridgeGrid::EffectiveHorz(int row, const TFormatOptions& f) const {
  if ((f.AlignmentHorz == baCenter || f.AlignmentHorz == baCenterRJ) && row < fixedRows_) return baCenter;
  return f.AlignmentHorz;
}

QString TBridgeGrid::MeasureText(int col, int row, const TFormatOptions& f) const {
  QString text = f.HideText ? QString() : Cell(col, row);
  if (f.AlignmentHorz == baCenter || f.AlignmentHorz == baCenterRJ) {
    int lead = 0;
    while (lead < text.size() && text.at(lead) == QLatin1Char(' ')) ++lead;
    text = text.mid(lead);
  }
  return text;
}

// The width the text takes as drawn. With suit symbols the symbol routine's
// own measure is used (a no-trump mark is wider than the letter it replaces).
int TBridgeGrid::MeasuredTextWidth(int col, int row) const {
  const TFormatOptions f = CellFormat(col, row);
  const QString text = MeasureText(col, row, f);
  if (text.isEmpty()) return 0;
  if (symbols_ && text.contains(QLatin1Char('~'))) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    p.setFont(f.Font);
    return SymbolTextWidth(p, text);
  }
  return QFontMetrics(f.Font).horizontalAdvance(text);
}

QPoint TBridgeGrid::TextOffset(int col, int row, const QSize& cell) const {
  const TFormatOptions f = CellFormat(col, row);
  const THorzAlignment horz = EffectiveHorz(row, f);
  const int w = MeasuredTextWidth(col, row);
  int x = 0;
  switch (horz) {
    case baLeftJustify: x = 0; break;
    case baRightJustify:
    case baCenterRJ: x = cell.width() - w - 5; break;
    case baCenter: x = (cell.width() - w) / 2; break;
  }
  if (horz == baCenterRJ) x -= Indent(col);
  if (horzLines_ && horz == baRightJustify) x -= lineWidth_;
  x = std::max(x, 2);
  const int textHeight = QFontMetrics(f.Font).height();
  int y = 0;
  switch (f.AlignmentVert) {
    case baTopJustify: y = 0; break;
    case baBottomJustify: y = std::max(0, cell.height() - textHeight); break;
    case baMiddle: y = std::max(0, (cell.height() - textHeight) / 2); break;
  }
  if (vertLines_) y = std::max(0, y - 1);
  return {x, y};
}

QRect TBridgeGrid::CellRect(int col, int row) const {
  const int hLine = horzLines_ ? lineWidth_ : 0, vLine = vertLines_ ? lineWidth_ : 0;
  int x = 0;
  for (int c = 0; c < col && c < cols_; ++c) x += widths_[size_t(c)] + vLine;
  return QRect(x, row * (rowHeight_ + hLine), ColWidth(col), rowHeight_);
}

bool TBridgeGrid::CellAt(const QPoint& viewportPos, int& col, int& row) const {
  if (viewportPos.x() < 0 || viewportPos.y() < 0) return false;
  const int stride = rowHeight_ + (horzLines_ ? lineWidth_ : 0);
  const int drawn = viewportPos.y() / stride;
  row = drawn < fixedRows_ ? drawn : drawn + verticalScrollBar()->value();
  if (row >= rows_) return false;
  const int vLine = vertLines_ ? lineWidth_ : 0;
  int x = 0;
  for (col = 0; col < cols_; ++col) {
    x += ColWidth(col) + vLine;
    if (viewportPos.x() < x) return true;
  }
  return false;
}

int TBridgeGrid::VisibleBodyRows() const {
  const int stride = rowHeight_ + (horzLines_ ? lineWidth_ : 0);
  return std::max(0, (viewport()->height() - fixedRows_ * stride) / stride);
}

void TBridgeGrid::UpdateScroll() {
  const int body = std::max(0, rows_ - fixedRows_);
  verticalScrollBar()->setRange(0, std::max(0, body - VisibleBodyRows()));
  verticalScrollBar()->setPageStep(std::max(1, VisibleBodyRows()));
}

void TBridgeGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScroll();
  // Automatic widths depend on the grid's own width (the spare space is shared
  // out), and a grid on a page that has not been laid out yet is sized before
  // it knows that width: size the columns again once it does.
  if (autoSized_ && event->size().width() != event->oldSize().width()) SizeAllColumns();
}

void TBridgeGrid::DrawCell(QPainter& p, int col, int row, const QRect& r) {
  const TFormatOptions f = CellFormat(col, row);
  QColor ink = f.FontColor;
  if (ink == palette().color(QPalette::HighlightedText) && !selectionAllowed_) ink = Qt::black;
  const QString text = MeasureText(col, row, f);
  const QString raw = Cell(col, row);
  // An empty cell outside the first column keeps the grid's own colour.
  if (col == 0 || !raw.isEmpty())
    p.fillRect(r, f.Brush);
  else
    p.fillRect(r, IsFixed(col, row) ? fixedColour_ : colour_);
  if (f.BevelStyle != cbNone)
    qDrawShadePanel(&p, r, palette(), f.BevelStyle == cbLowered, 1);
  if (text.isEmpty()) return;
  const QPoint at = TextOffset(col, row, r.size());
  p.save();
  p.setClipRect(r);
  p.setFont(f.Font);
  p.setPen(ink);
  if (symbols_) {
    DrawSymbolText(p, r.left() + at.x(), r.top() + at.y(), 0, text);
  } else {
    p.drawText(r.left() + at.x(), r.top() + at.y() + QFontMetrics(f.Font).ascent(), text);
  }
  p.restore();
}

void TBridgeGrid::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), palette().color(QPalette::Window));
  const int hLine = horzLines_ ? lineWidth_ : 0;
  const int stride = rowHeight_ + hLine;
  const int first = fixedRows_ + verticalScrollBar()->value();
  int y = 0;
  auto drawRow = [&](int row) {
    for (int c = 0; c < cols_; ++c) {
      QRect r = CellRect(c, row);
      r.moveTop(y);
      DrawCell(p, c, row, r);
      if (vertLines_ && lineWidth_ > 0)
        p.fillRect(r.right() + 1, y, lineWidth_, stride, QColor(160, 160, 160));
    }
    if (horzLines_ && lineWidth_ > 0) {
      const QRect last = CellRect(cols_ - 1, row);
      p.fillRect(0, y + rowHeight_, last.right() + 1 + (vertLines_ ? lineWidth_ : 0), lineWidth_,
                 QColor(160, 160, 160));
    }
    y += stride;
  };
  for (int r = 0; r < std::min(fixedRows_, rows_); ++r) drawRow(r);
  for (int r = first; r < rows_ && y < viewport()->height(); ++r) drawRow(r);
}

void TBridgeGrid::AutoSizeColumn(int col) {
  if (col < 0 || col >= cols_) return;
  const int widest = WidestText(col, false), widestBody = WidestText(col, true);
  if (col <= 100) indents_[size_t(col)] = (widest - widestBody) / 2;
  if (col == cols_ - 1) {
    int spare = width() - widest;
    for (int c = 0; c < cols_ - 1; ++c) spare -= widths_[size_t(c)];
    if (horzLines_) spare -= cols_ * lineWidth_;
    if (rows_ - fixedRows_ > VisibleBodyRows()) spare -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (spare > 0) {
      switch (adjust_) {
        case asEqual:
          widths_[size_t(col)] = widest;
          for (int& w : widths_) w += spare / cols_ - 1;
          break;
        case asPadRight: widths_[size_t(col)] = widest + spare; break;
        case asNone: widths_[size_t(col)] = widest; break;
      }
      viewport()->update();
      return;
    }
  }
  widths_[size_t(col)] = widest;
  viewport()->update();
}

// A column's widest text with its margin, over all rows or the body rows.
int TBridgeGrid::WidestText(int col, bool bodyOnly) const {
  int widest = 0;
  for (int r = bodyOnly ? fixedRows_ : 0; r < rows_; ++r) widest = std::max(widest, MeasuredTextWidth(col, r) + 6);
  return widest;
}

int TBridgeGrid::ContentWidth() const {
  int total = 0;
  for (int c = 0; c < cols_; ++c) total += WidestText(c, false);
  if (horzLines_) total += cols_ * lineWidth_;
  if (rows_ - fixedRows_ > VisibleBodyRows()) total += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return total + 2 * frameWidth();
}

void TBridgeGrid::AutoSizeColumns() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QWidget* holder = parentWidget();
  if (holder) holder->setUpdatesEnabled(false);
  SizeAllColumns();
  autoSized_ = true;
  if (holder) holder->setUpdatesEnabled(true);
  QApplication::restoreOverrideCursor();
}

void TBridgeGrid::SizeAllColumns() {
  for (int c = 0; c < cols_; ++c) AutoSizeColumn(c);
}

TBridgeLab::TBridgeLab(QWidget* parent) : QWidget(parent), colour_(palette().color(QPalette::Button)) {
  resize(53, 16);
}

void TBridgeLab::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colour_);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  DrawSymbolText(p, 0, 0, 0, caption_);
}

}  // namespace quorval
