#pragma once
// The line the table shows for a few seconds when the user's call is refused
// because no stored auction of the board goes on with it, so that a learner
// on a muted machine sees why nothing happened and what to do instead.

#include <QLabel>

class QTimer;

namespace quorval {

class TRefusedCallNote : public QLabel {
  Q_OBJECT

 public:
  explicit TRefusedCallNote(QWidget* parent);
  // Shows `text` below `anchor` (and below `below` when it is visible), as
  // wide as from `left` to the anchor's right edge, hiding it after `ms`.
  void ShowNote(const QString& text, int left, const QWidget& anchor, const QWidget* below, int ms = kShownMs);

  static constexpr int kShownMs = 6000;

 private:
  QTimer* timer_;
};

}  // namespace quorval
