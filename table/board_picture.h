#pragma once
// The duplicate board drawn on the board panel: the board number, the
// dealer's initial, the vulnerability text and the four bars that show who
// is vulnerable (red) and who deals (white outline).

#include <QColor>
#include <QString>
#include <QWidget>

#include "core/deal.h"

namespace quorval {

class TBoardPicture : public QWidget {
  Q_OBJECT

 public:
  explicit TBoardPicture(QWidget* parent);
  void Show(int boardNo, const QString& dealerInitial, Seat dealer, Vulnerability vul,
            const QString& vulText, const QColor& ground);

  int BoardNo() const { return board_; }
  QString DealerText() const { return dealerText_; }
  QString VulText() const { return vulText_; }
  QColor Ground() const { return ground_; }
  // The colour of the bar beside a seat: red when its side is vulnerable.
  QColor BarColour(Seat s) const;
  Seat Dealer() const { return dealer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int board_ = 0;
  QString dealerText_;
  QString vulText_;
  Seat dealer_ = North;
  Vulnerability vul_ = 0;
  QColor ground_ = QColor(166, 202, 240);
};

}  // namespace quorval
