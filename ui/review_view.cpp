#include "ui/review_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "play/play_state.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

const QColor kCloth(0, 110, 50);
const QColor kCostly(196, 32, 32);
const QColor kKeptText(60, 130, 60);
const QColor kUnknown(230, 150, 40);
const QColor kBest(0, 130, 40);
const QColor kCurrent(255, 236, 140);
const QColor kWinner(226, 234, 248);
const QColor kLater(150, 150, 150);

// "10" for the ten, the English rank letter otherwise.
QString RankText(TRank r) { return CardRankText(r, 0); }

// "5~H": the card with its suit markup.
QString CardMarkup(CardCode c) { return RankText(RankOf(c)) + "~" + QChar(StrainLetter(SuitOf(c))); }

// The badge of a card's cost, centred in `box`; a card that cost nothing
// gets a quiet figure in `quiet`.
void DrawBadge(QPainter& p, const QRect& box, const std::optional<review::CardReview>& card,
               const QColor& quiet = kKeptText) {
  const QString mark = CostMark(card);
  if (mark.isEmpty()) return;
  QColor fill = kCostly, ink = Qt::white;
  if (card && card->analysed && card->cost == 0) {
    // A card that kept what there was: a quiet figure, no pill.
    p.save();
    p.setPen(quiet);
    p.drawText(box, Qt::AlignCenter, mark);
    p.restore();
    return;
  }
  if (card && !card->analysed) fill = kUnknown;
  QFont f = p.font();
  f.setBold(true);
  p.save();
  p.setFont(f);
  const int w = std::max(box.height() + 2, p.fontMetrics().horizontalAdvance(mark) + 8);
  const QRect pill(box.center().x() - w / 2, box.top(), w, box.height());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(pill, box.height() / 2.0, box.height() / 2.0);
  p.setPen(ink);
  p.drawText(pill, Qt::AlignCenter, mark);
  p.restore();
}

}  // namespace

std::vector<ReviewCardPlace> ReviewCardPlaces(const review::BoardReview& review) {
  std::vector<ReviewCardPlace> places;
  if (review.contract.PassedOut()) return places;
  PlayState st;
  StartPlay(st, review.deal, review.contract);
  for (const CardCode c : review.cards) {
    ReviewCardPlace place;
    place.seat = st.ToPlay;
    place.leads = st.TrickPos == 1;
    if (!PlayCard(st, c)) break;
    places.push_back(place);
    if (st.TrickPos == 1) {
      // The trick is complete: its winner leads the next one.
      for (size_t i = places.size() - 4; i < places.size(); ++i) places[i].wins = places[i].seat == st.Leader;
    }
  }
  return places;
}

QString CostMark(const std::optional<review::CardReview>& card) {
  if (!card) return {};
  if (!card->analysed) return QStringLiteral("?");
  return card->cost == 0 ? QStringLiteral("0") : QString::number(-card->cost);
}

// ---------------------------------------------------------------- the deal

TReviewDeal::TReviewDeal(QWidget* parent) : QWidget(parent) { setMinimumSize(420, 340); }

void TReviewDeal::SetReview(const review::BoardReview* review) {
  review_ = review;
  places_ = review ? ReviewCardPlaces(*review) : std::vector<ReviewCardPlace>{};
  update();
}

void TReviewDeal::SetStep(int cardsPlayed) {
  step_ = cardsPlayed;
  update();
}

void TReviewDeal::SetSeatWords(const std::array<QString, 4>& seats, const QString& declarer, const QString& dummy) {
  seats_ = seats;
  declarerMark_ = declarer;
  dummyMark_ = dummy;
  update();
}

Holding TReviewDeal::HoldingShown(Seat seat, TSuit suit) const {
  if (!review_) return 0;
  Holding h = review_->deal.at(seat, suit) & kRankMask;
  for (int i = 0; i < step_ && i < int(places_.size()); ++i)
    if (places_[size_t(i)].seat == seat && SuitOf(review_->cards[size_t(i)]) == suit)
      h &= ~RankBit(RankOf(review_->cards[size_t(i)]));
  return h;
}

std::vector<int> TReviewDeal::TrickShown() const {
  std::vector<int> shown;
  if (step_ <= 0) return shown;
  for (int i = (step_ - 1) / 4 * 4; i < step_ && i < int(places_.size()); ++i) shown.push_back(i);
  return shown;
}

std::vector<CardCode> TReviewDeal::BestMarked() const {
  if (!review_ || step_ < 0 || step_ >= int(review_->cardReviews.size())) return {};
  const auto& next = review_->cardReviews[size_t(step_)];
  if (!next || !next->analysed) return {};
  return next->best;
}

QRect TReviewDeal::HandBox(Seat seat) const {
  const int w = width(), h = height(), bw = 150, bh = 96;
  switch (seat) {
    case North: return {w / 2 - bw / 2, 4, bw, bh};
    case South: return {w / 2 - bw / 2, h - bh - 4, bw, bh};
    case West: return {6, h / 2 - bh / 2, bw, bh};
    default: return {w - bw - 6, h / 2 - bh / 2, bw, bh};
  }
}

void TReviewDeal::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  if (!review_) return;
  for (Seat s = North; s <= West; ++s) DrawHand(p, s, HandBox(s));
  const QRect centre(width() / 2 - 72, HandBox(North).bottom() + 8, 144,
                     HandBox(South).top() - HandBox(North).bottom() - 16);
  DrawTrick(p, centre);
}

void TReviewDeal::DrawHand(QPainter& p, Seat seat, const QRect& box) {
  const int line = 19;
  QFont base = font();
  base.setPointSize(10);
  QFont title = base;
  title.setBold(true);
  p.setFont(title);
  p.setPen(palette().windowText().color());
  QString heading = seats_[size_t(seat)];
  if (!review_->contract.PassedOut()) {
    if (seat == review_->contract.declarer) heading += " \u2013 " + declarerMark_;
    else if (seat == PartnerOf(review_->contract.declarer)) heading += " \u2013 " + dummyMark_;
  }
  p.drawText(box.left() + 2, box.top() + p.fontMetrics().ascent() + 1, heading);

  // The card the seat plays next, and the cards that were best for it.
  CardCode next = 0;
  bool nextCostly = false;
  std::vector<CardCode> best;
  if (step_ < int(places_.size()) && places_[size_t(step_)].seat == seat) {
    next = review_->cards[size_t(step_)];
    best = BestMarked();
    const auto& r = review_->cardReviews[size_t(step_)];
    nextCostly = r && r->analysed && r->cost > 0;
  }
  const TSuit order[4] = {Spade, Heart, Diamond, Club};
  for (int row = 0; row < 4; ++row) {
    const TSuit suit = order[row];
    const int y = box.top() + line * (row + 1) + 2;
    p.setFont(base);
    p.setPen(palette().windowText().color());
    int x = DrawSymbolText(p, box.left(), y, 0, "~" + QString(QChar(StrainLetter(suit)))) + 6;
    const Holding h = HoldingShown(seat, suit);
    if (!h) {
      p.drawText(x, y + p.fontMetrics().ascent(), QStringLiteral("\u2013"));
      continue;
    }
    for (TRank r = Ace; r >= 2; --r) {
      if (!(h & RankBit(r))) continue;
      const CardCode card = MakeCard(r, suit);
      const bool isBest = std::find(best.begin(), best.end(), card) != best.end();
      QFont f = base;
      f.setBold(isBest || card == next);
      f.setUnderline(card == next);
      p.setFont(f);
      p.setPen(card == next && nextCostly ? kCostly : isBest ? kBest : palette().windowText().color());
      const QString text = RankText(r);
      p.drawText(x, y + p.fontMetrics().ascent(), text);
      x += p.fontMetrics().horizontalAdvance(text) + 5;
    }
  }
}

void TReviewDeal::DrawTrick(QPainter& p, const QRect& centre) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kCloth);
  p.drawRoundedRect(centre, 10, 10);
  p.restore();
  const int cw = 48, ch = 30, gap = 3, badge = 16;
  const int cx = centre.center().x(), cy = centre.center().y();
  for (const int i : TrickShown()) {
    const Seat seat = places_[size_t(i)].seat;
    QPoint at;
    switch (seat) {
      case North: at = {cx - cw / 2, centre.top() + 8}; break;
      case South: at = {cx - cw / 2, centre.bottom() - 8 - ch - gap - badge}; break;
      case West: at = {centre.left() + 8, cy - (ch + gap + badge) / 2}; break;
      default: at = {centre.right() - 8 - cw, cy - (ch + gap + badge) / 2}; break;
    }
    const QRect card(at, QSize(cw, ch));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(i == step_ - 1 ? QColor(230, 180, 0) : QColor(90, 90, 90), i == step_ - 1 ? 3 : 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 4, 4);
    p.restore();
    QFont f = font();
    f.setPointSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    const QString text = CardMarkup(review_->cards[size_t(i)]);
    const int w = SymbolTextWidth(p, text);
    DrawSymbolText(p, card.center().x() - w / 2 - 2, card.top() + (ch - p.fontMetrics().height()) / 2, 0, text);
    QFont small = font();
    small.setPointSize(8);
    p.setFont(small);
    DrawBadge(p, QRect(card.left(), card.bottom() + 1 + gap, cw, badge), review_->cardReviews[size_t(i)],
              QColor(200, 240, 200));
  }
}

// ---------------------------------------------------------------- the play

namespace {
constexpr int kHeaderHeight = 22, kRowHeight = 20, kTrickColumn = 46;
}

TReviewTricks::TReviewTricks(QWidget* parent) : QWidget(parent) {}

void TReviewTricks::SetReview(const review::BoardReview* review) {
  review_ = review;
  places_ = review ? ReviewCardPlaces(*review) : std::vector<ReviewCardPlace>{};
  update();
}

void TReviewTricks::SetStep(int cardsPlayed) {
  step_ = cardsPlayed;
  update();
}

void TReviewTricks::SetHeadings(const QString& trick, const std::array<QString, 4>& seatLetters) {
  trickHeading_ = trick;
  seatLetters_ = seatLetters;
  update();
}

QSize TReviewTricks::sizeHint() const { return {kTrickColumn + 4 * 96, kHeaderHeight + 13 * kRowHeight + 2}; }

QRect TReviewTricks::CellRect(int trick, Seat seat) const {
  const int cellW = (width() - kTrickColumn) / 4;
  return {kTrickColumn + seat * cellW, kHeaderHeight + trick * kRowHeight, cellW, kRowHeight};
}

int TReviewTricks::CardAt(const QPoint& point) const {
  for (int i = 0; i < int(places_.size()); ++i)
    if (CellRect(i / 4, places_[size_t(i)].seat).contains(point)) return i;
  return -1;
}

void TReviewTricks::mousePressEvent(QMouseEvent* event) {
  const int i = CardAt(event->position().toPoint());
  if (i >= 0) emit CardClicked(i);
}

void TReviewTricks::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  QFont head = font();
  head.setBold(true);
  p.setFont(head);
  p.fillRect(QRect(0, 0, width(), kHeaderHeight), QColor(212, 208, 200));
  p.setPen(Qt::black);
  p.drawText(QRect(0, 0, kTrickColumn, kHeaderHeight), Qt::AlignCenter, trickHeading_);
  for (Seat s = North; s <= West; ++s) {
    const QRect r = CellRect(0, s);
    p.drawText(QRect(r.left(), 0, r.width(), kHeaderHeight), Qt::AlignCenter, seatLetters_[size_t(s)]);
  }
  if (!review_) return;
  QFont cardFont = font();
  cardFont.setPointSize(10);
  QFont small = font();
  small.setPointSize(8);
  for (int t = 0; t < 13; ++t) {
    const QRect row(0, kHeaderHeight + t * kRowHeight, width(), kRowHeight);
    p.setPen(QColor(225, 225, 225));
    p.drawLine(row.bottomLeft(), row.bottomRight());
    p.setFont(head);
    p.setPen(t * 4 < step_ ? Qt::black : kLater);
    p.drawText(QRect(0, row.top(), kTrickColumn, kRowHeight), Qt::AlignCenter, QString::number(t + 1));
  }
  for (int i = 0; i < int(places_.size()); ++i) {
    const ReviewCardPlace& place = places_[size_t(i)];
    const QRect cell = CellRect(i / 4, place.seat);
    if (i == step_ - 1) p.fillRect(cell.adjusted(1, 1, -1, -1), kCurrent);
    else if (place.wins && i < step_) p.fillRect(cell.adjusted(1, 1, -1, -1), kWinner);
    QFont f = cardFont;
    f.setBold(place.leads);
    p.setFont(f);
    p.setPen(i < step_ ? Qt::black : kLater);
    DrawSymbolText(p, cell.left() + 4, cell.top() + (kRowHeight - p.fontMetrics().height()) / 2, 0,
                   CardMarkup(review_->cards[size_t(i)]));
    p.setFont(small);
    DrawBadge(p, QRect(cell.right() - 30, cell.top() + 3, 26, kRowHeight - 6), review_->cardReviews[size_t(i)]);
  }
}

}  // namespace quorval
