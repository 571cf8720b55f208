#include "table/refused_call_note.h"

#include <QTimer>
#include <algorithm>

namespace quorval {

TRefusedCallNote::TRefusedCallNote(QWidget* parent) : QLabel(parent), timer_(new QTimer(this)) {
  setObjectName("refusedCallNote");
  setWordWrap(true);
  setMargin(4);
  setStyleSheet("background: #fff6c0; color: black; border: 1px solid #a08000;");
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &QWidget::hide);
  hide();
}

void TRefusedCallNote::ShowNote(const QString& text, int left, const QWidget& anchor, const QWidget* below, int ms) {
  setText(text);
  int top = anchor.geometry().bottom() + 4;
  if (below && below->isVisible()) top = std::max(top, below->geometry().bottom() + 4);
  const int width = std::max(200, anchor.geometry().right() - left);
  setGeometry(left, top, width, heightForWidth(width));
  show();
  raise();
  timer_->start(ms);
}

}  // namespace quorval
