#pragma once
// TMeaningTip: the small window that tells what a call means when the mouse
// rests on it, with a link that opens the bidding-system summary where the
// call is described. Unlike a plain tooltip it stays while the mouse moves
// onto it, so the link can be clicked.

#include <QLabel>
#include <QString>
#include <vector>

namespace quorval {

class TMeaningTip : public QLabel {
  Q_OBJECT

 public:
  explicit TMeaningTip(QWidget* owner);

  // Shows the meaning and the link's caption just below and right of `globalPos`.
  void ShowMeaning(const QPoint& globalPos, const QString& meaning, const QString& linkCaption);
  QString Meaning() const { return meaning_; }
  // Hides the tip unless the mouse is on it (the owner calls it when the
  // mouse leaves the call).
  void HideUnlessHovered();

 signals:
  // The link was clicked; the tip has hidden itself.
  void SummaryClicked();

 protected:
  void leaveEvent(QEvent* event) override;

 private:
  QString meaning_;
};

}  // namespace quorval

namespace quorval {

// The calls the hint marks, each with what it would mean: one line per call,
// the call drawn with its suit symbol, the meaning beside it.
class TMeaningList : public QFrame {
  Q_OBJECT

 public:
  explicit TMeaningList(QWidget* parent);

  struct Line {
    QString call;  // suit markup as the bidding review writes it ("1~S", "Pass")
    QString meaning;
  };
  void SetLines(std::vector<Line> lines);
  const std::vector<Line>& Lines() const { return lines_; }
  // The height the lines need.
  int NeededHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Line> lines_;
};

}  // namespace quorval
