#include "painters/art_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "painters/deck_painter.h"

namespace quorval::painters {
namespace {

constexpr int kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3;
const QColor kCardEdge(110, 110, 110);

// An ace drawn as vectors in `card` (a rectangle around the origin), so that
// it stays sharp at any size: the corner index at the top left and, turned
// half a turn, at the bottom right, and one large pip in the middle.
void DrawAce(QPainter& p, const QRectF& card, int suit, bool index) {
  const double w = card.width(), h = card.height();
  p.setPen(QPen(kCardEdge, std::max(1.0, w / 70)));
  p.setBrush(Qt::white);
  p.drawRoundedRect(card, w * 0.08, w * 0.08);
  p.setPen(Qt::NoPen);
  const double pip = w * 0.56;
  DrawPip(p, suit, QRectF(card.center().x() - pip / 2, card.center().y() - pip / 2, pip, pip));
  if (!index) return;
  const QColor ink = (suit == kHearts || suit == kDiamonds) ? QColor(200, 0, 0) : QColor(0, 0, 0);
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(card.center());
      p.rotate(180);
      p.translate(-card.center());
    }
    const QRectF letter(card.left() + w * 0.06, card.top() + h * 0.04, w * 0.16, h * 0.14);
    p.fillPath(FittedText(QStringLiteral("A"), letter, false), ink);
    DrawPip(p, suit, QRectF(letter.left(), letter.bottom() + h * 0.02, w * 0.16, w * 0.16));
    p.restore();
  }
}

// The back of a card sticking out of a board's pocket: blue with a lattice.
void DrawBackEdge(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(240, 240, 240), 1));
  p.setBrush(QColor(30, 60, 150));
  p.drawRoundedRect(r, 2, 2);
  p.setPen(QPen(QColor(120, 150, 220), 1));
  for (double x = r.left() + 4; x < r.right() - 2; x += 6) p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 2));
}

// A duplicate board seen from above: four pockets with their hands in them,
// the compass letters, red bars for the vulnerable side and the number.
void DrawBoard(QPainter& p, const QPointF& centre, double angle) {
  p.save();
  p.translate(centre);
  p.rotate(angle);
  const QRectF body(-88, -104, 176, 208);
  // Shadow, then the body in a dark slate with a lighter rim.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(body.translated(5, 6), 16, 16);
  QLinearGradient slate(body.topLeft(), body.bottomRight());
  slate.setColorAt(0, QColor(92, 104, 118));
  slate.setColorAt(1, QColor(52, 60, 72));
  p.setBrush(slate);
  p.setPen(QPen(QColor(150, 160, 172), 3));
  p.drawRoundedRect(body, 16, 16);

  // The pockets: North and South across, East and West down the sides.
  const QRectF pockets[4] = {{-52, -96, 104, 30}, {54, -52, 26, 104}, {-52, 66, 104, 30}, {-80, -52, 26, 104}};
  const char* letters[4] = {"N", "E", "S", "W"};
  for (int s = 0; s < 4; ++s) {
    const QRectF& r = pockets[s];
    const bool across = s == 0 || s == 2;
    // Three cards of the hand show their backs on the pocket's outer side;
    // the pocket's lip covers the rest of them on the inner side.
    for (int c = 0; c < 3; ++c) {
      const double shift = (c - 1) * 14.0, stagger = c % 2 * 2;
      QRectF edge;
      if (s == 0) edge = QRectF(r.center().x() - 18 + shift, r.top() + 4 - stagger, 36, 18);
      else if (s == 2) edge = QRectF(r.center().x() - 18 + shift, r.bottom() - 22 + stagger, 36, 18);
      else if (s == 1) edge = QRectF(r.right() - 22 + stagger, r.center().y() - 18 + shift, 18, 36);
      else edge = QRectF(r.left() + 4 - stagger, r.center().y() - 18 + shift, 18, 36);
      DrawBackEdge(p, edge);
    }
    p.setPen(QPen(QColor(30, 34, 40), 2));
    p.setBrush(QColor(70, 80, 92, 230));
    QRectF lip;
    if (s == 0) lip = QRectF(r.left(), r.top() + r.height() * 0.45, r.width(), r.height() * 0.55);
    else if (s == 2) lip = QRectF(r.left(), r.top(), r.width(), r.height() * 0.55);
    else if (s == 1) lip = QRectF(r.left(), r.top(), r.width() * 0.55, r.height());
    else lip = QRectF(r.left() + r.width() * 0.45, r.top(), r.width() * 0.55, r.height());
    p.drawRoundedRect(lip, 5, 5);
    // North and South are vulnerable on this board.
    if (across) p.fillRect(QRectF(lip.left() + 8, lip.top() + 4, lip.width() - 16, 5), QColor(220, 30, 30));
    const QPointF at = across ? QPointF(0, s == 0 ? -52 : 52) : QPointF(s == 1 ? 38 : -38, 0);
    p.fillPath(FittedText(QString::fromLatin1(letters[s]), QRectF(at.x() - 8, at.y() - 9, 16, 18), false),
               QColor(235, 235, 235));
  }
  // The board number in a white disc.
  p.setPen(QPen(QColor(30, 34, 40), 2));
  p.setBrush(QColor(250, 250, 245));
  p.drawEllipse(QPointF(0, 0), 22, 22);
  p.fillPath(FittedText(QStringLiteral("1"), QRectF(-9, -13, 18, 26), false), QColor(30, 34, 40));
  p.restore();
}

}  // namespace

QImage DrawLogo() {
  QImage img(kLogoWidth, kLogoHeight, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBoard(p, QPointF(118, 134), -7);

  // A fan of the four aces, turned about a point below the cards.
  const QPointF pivot(318, 350);
  const int suits[4] = {kSpades, kHearts, kDiamonds, kClubs};
  const double angles[4] = {-24, -8, 8, 24};
  const QRectF card(-46, -250, 92, 130);
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(pivot);
    p.rotate(angles[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(card.translated(4, 4), 8, 8);
    DrawAce(p, card, suits[i], true);
    p.restore();
  }
  return img;
}

QImage DrawIcon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  // The green of the table in a rounded square.
  QLinearGradient cloth(0, 0, 0, s);
  cloth.setColorAt(0, QColor(0, 140, 70));
  cloth.setColorAt(1, QColor(0, 84, 42));
  p.setPen(QPen(QColor(0, 60, 30), std::max(1.0, s / 48)));
  p.setBrush(cloth);
  const double inset = std::max(0.5, s / 64);
  p.drawRoundedRect(QRectF(inset, inset, s - 2 * inset, s - 2 * inset), s * 0.2, s * 0.2);

  // The ace of hearts behind, the ace of spades in front.
  const QRectF card(-s * 0.24, -s * 0.33, s * 0.48, s * 0.66);
  const struct {
    int suit;
    QPointF centre;
    double angle;
  } cards[2] = {{kHearts, {s * 0.40, s * 0.53}, -14}, {kSpades, {s * 0.60, s * 0.49}, 12}};
  for (const auto& c : cards) {
    p.save();
    p.translate(c.centre);
    p.rotate(c.angle);
    DrawAce(p, card, c.suit, size >= 48);
    p.restore();
  }
  return img;
}

const std::vector<int>& IconSizes() {
  static const std::vector<int> sizes = {16, 24, 32, 48, 64, 128, 256};
  return sizes;
}

}  // namespace quorval::painters
