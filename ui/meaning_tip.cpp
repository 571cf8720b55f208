#include "ui/meaning_tip.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "ui/symbol_text.h"

namespace quorval {

TMeaningTip::TMeaningTip(QWidget* owner) : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
  setObjectName("MeaningTip");
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  setPalette(QToolTip::palette());
  setFont(QToolTip::font());
  setAutoFillBackground(true);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setMargin(4);
  connect(this, &QLabel::linkActivated, this, [this] {
    hide();
    emit SummaryClicked();
  });
}

void TMeaningTip::ShowMeaning(const QPoint& globalPos, const QString& meaning, const QString& linkCaption) {
  meaning_ = meaning;
  QString html = meaning.toHtmlEscaped();
  if (!linkCaption.isEmpty()) html += "<br><a href=\"summary\">" + linkCaption.toHtmlEscaped() + "</a>";
  setText(html);
  adjustSize();
  // Close enough to the call that the mouse reaches it without leaving the
  // call's neighbourhood, and kept on the screen.
  QPoint at = globalPos + QPoint(2, 14);
  if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
    const QRect area = screen->availableGeometry();
    at.setX(std::min(at.x(), area.right() - width()));
    if (at.y() + height() > area.bottom()) at.setY(globalPos.y() - height() - 2);
  }
  move(at);
  show();
  raise();
}

void TMeaningTip::HideUnlessHovered() {
  if (!underMouse()) hide();
}

void TMeaningTip::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  hide();
}

}  // namespace quorval

namespace quorval {

namespace {
constexpr int kCallColumn = 44;  // room for "7NT" and "ReDbl" before the meaning
constexpr int kMargin = 4;
}  // namespace

TMeaningList::TMeaningList(QWidget* parent) : QFrame(parent) {
  setObjectName("HintMeanings");
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setPalette(QToolTip::palette());
  setAutoFillBackground(true);
}

void TMeaningList::SetLines(std::vector<Line> lines) {
  lines_ = std::move(lines);
  update();
}

int TMeaningList::NeededHeight() const {
  return 2 * kMargin + static_cast<int>(lines_.size()) * fontMetrics().height();
}

void TMeaningList::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  p.setFont(font());
  const int step = fontMetrics().height();
  int y = kMargin;
  for (const Line& line : lines_) {
    DrawSymbolText(p, kMargin, y, 0, line.call);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(kMargin + kCallColumn, y, width() - kCallColumn - 2 * kMargin, step),
               Qt::AlignLeft | Qt::AlignTop, line.meaning);
    y += step;
  }
}

}  // namespace quorval
