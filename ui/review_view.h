#pragma once
// The two pictures of the review window: the deal at one step of the play
// (the four hands as they are left, the trick on the table with each
// card's cost, the best cards for the next card marked in its hand) and the
// play trick by trick with every card's cost. Both only draw what the
// board review holds; the window owns it and says which step to show.

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "play/review/board_review.h"

namespace quorval {

// Where each card of a play lies: its seat, whether it led its trick, and
// whether it won it (complete tricks only).
struct ReviewCardPlace {
  Seat seat = North;
  bool leads = false;
  bool wins = false;
};
std::vector<ReviewCardPlace> ReviewCardPlaces(const review::BoardReview& review);

// The mark of a card's cost: "0", "-1", "-2" ...; "?" where the solver
// could not say; empty while it has not answered.
QString CostMark(const std::optional<review::CardReview>& card);

class TReviewDeal : public QWidget {
  Q_OBJECT

 public:
  explicit TReviewDeal(QWidget* parent = nullptr);
  void SetReview(const review::BoardReview* review);
  void SetStep(int cardsPlayed);
  // The seat names over the hands and the marks of declarer and dummy.
  void SetSeatWords(const std::array<QString, 4>& seats, const QString& declarer, const QString& dummy);

  // What is drawn at the step: each hand's cards left, the cards of the
  // trick on the table (by index in the play), the best cards marked for
  // the next card.
  Holding HoldingShown(Seat seat, TSuit suit) const;
  std::vector<int> TrickShown() const;
  std::vector<CardCode> BestMarked() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawHand(QPainter& p, Seat seat, const QRect& box);
  void DrawTrick(QPainter& p, const QRect& centre);
  QRect HandBox(Seat seat) const;

  const review::BoardReview* review_ = nullptr;
  std::vector<ReviewCardPlace> places_;
  int step_ = 0;
  std::array<QString, 4> seats_{"North", "East", "South", "West"};
  QString declarerMark_ = "declarer", dummyMark_ = "dummy";
};

class TReviewTricks : public QWidget {
  Q_OBJECT

 public:
  explicit TReviewTricks(QWidget* parent = nullptr);
  void SetReview(const review::BoardReview* review);
  void SetStep(int cardsPlayed);
  void SetHeadings(const QString& trick, const std::array<QString, 4>& seatLetters);
  // The card (index in the play) drawn at a point; -1 for none.
  int CardAt(const QPoint& point) const;
  QRect CellRect(int trick, Seat seat) const;
  QSize sizeHint() const override;

 signals:
  void CardClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const review::BoardReview* review_ = nullptr;
  std::vector<ReviewCardPlace> places_;
  int step_ = 0;
  QString trickHeading_ = "Trick";
  std::array<QString, 4> seatLetters_{"N", "E", "S", "W"};
};

}  // namespace quorval
