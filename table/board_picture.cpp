#include "table/board_picture.h"

#include <QPainter>

namespace quorval {

TBoardPicture::TBoardPicture(QWidget* parent) : QWidget(parent) {}

void TBoardPicture::Show(int boardNo, const QString& dealerInitial, Seat dealer, Vulnerability vul,
                         const QString& vulText, const QColor& ground) {
  board_ = boardNo;
  dealerText_ = dealerInitial;
  dealer_ = dealer;
  vul_ = vul;
  vulText_ = vulText;
  ground_ = ground;
  update();
}

QColor TBoardPicture::BarColour(Seat s) const {
  return SideVulnerable(vul_, SideOf(s)) ? QColor(255, 0, 0) : QColor(128, 128, 128);
}

void TBoardPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Drawn at its size at scale 1 (38 x 67), as large as the table is.
  p.setRenderHint(QPainter::Antialiasing, width() != 38);
  p.scale(width() / 38.0, height() / 67.0);
  const QRect r(0, 0, 38, 67);
  p.fillRect(r, ground_);
  // A bevel of three pixels, light above and dark below, like a real board.
  for (int i = 0; i < 3; ++i) {
    p.setPen(QColor(255, 255, 255, 200 - 50 * i));
    p.drawLine(i, i, r.width() - 1 - i, i);
    p.drawLine(i, i, i, r.height() - 1 - i);
    p.setPen(QColor(0, 0, 0, 160 - 40 * i));
    p.drawLine(i, r.height() - 1 - i, r.width() - 1 - i, r.height() - 1 - i);
    p.drawLine(r.width() - 1 - i, i, r.width() - 1 - i, r.height() - 1 - i);
  }
  const QRect bars[4] = {QRect(8, 3, 20, 9), QRect(27, 24, 8, 19), QRect(8, 57, 20, 9), QRect(3, 24, 8, 19)};
  for (Seat s = North; s <= West; ++s) {
    p.fillRect(bars[s], BarColour(s));
    if (s == dealer_) {
      p.setPen(QPen(Qt::white, 1));
      p.drawRect(bars[s].adjusted(0, 0, -1, -1));
    }
  }
  QFont f = font();
  f.setPixelSize(10);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(QRect(11, 13, 15, 11), Qt::AlignCenter, board_ > 0 ? QString::number(board_) : QString());
  p.drawText(QRect(12, 29, 15, 13), Qt::AlignCenter, dealerText_);
  f.setBold(false);
  f.setPixelSize(8);
  p.setFont(f);
  const int w = p.fontMetrics().horizontalAdvance(vulText_);
  p.drawText((38 - w) / 2 + 1, 43 + p.fontMetrics().ascent(), vulText_);
}

}  // namespace quorval
