#include "painters/deck_painter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>

namespace quorval::painters {
namespace {

constexpr int Jack = 11, Queen = 12, King = 13, Ace = 14;
const QColor kRed(200, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kBorder(96, 96, 96);
const char16_t kSuitChars[4] = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};

QColor SuitColour(int suit) { return (suit == 1 || suit == 2) ? kRed : kBlack; }

QFont BoldFont(int pixels, bool bold = true) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

}  // namespace

QPainterPath FittedText(const QString& text, const QRectF& box, bool stretch, bool bold) {
  QPainterPath path;
  path.addText(0, 0, BoldFont(40, bold), text);
  const QRectF b = path.boundingRect();
  double sx = box.width() / b.width(), sy = box.height() / b.height();
  if (!stretch) sx = sy = std::min(sx, sy);
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(sx, sy);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(path);
}

void DrawPip(QPainter& p, int suit, const QRectF& box, bool inverted) {
  QPainterPath path = FittedText(QString(QChar(kSuitChars[suit])), box, false);
  if (inverted) {
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.rotate(180);
    t.translate(-box.center().x(), -box.center().y());
    path = t.map(path);
  }
  p.fillPath(path, SuitColour(suit));
}

namespace {

QString RankText(int rank) {
  static const char* names[] = {"", "x", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  return QString::fromLatin1(names[rank]);
}

// The honour letters of the eight languages: Jack, Queen, King, Ace.
const char* const kHonourLetters[8][4] = {{"J", "Q", "K", "A"}, {"B", "D", "K", "E"}, {"Kn", "D", "K", "E"},
                                          {"V", "D", "R", "1"}, {"B", "D", "K", "A"}, {"Kn", "D", "K", "E"},
                                          {"J", "Q", "K", "A"}, {"F", "D", "R", "A"}};

// One corner index (rank above a small pip) in card units.
void DrawCorner(QPainter& p, int suit, int rank, int language) {
  if (rank >= 1) {
    const double w = (rank == 10 || rank == 14) ? 13 : 10;
    const QString text = rank >= Jack ? QString::fromLatin1(kHonourLetters[language & 7][rank - Jack]) : RankText(rank);
    const bool narrow = text.size() > 1;
    const QRectF box = rank == 1 ? QRectF(3, 7, 9, 10) : QRectF(2, 3, w, 15);
    p.fillPath(FittedText(text, box, narrow || rank != 1), SuitColour(suit));
  }
  DrawPip(p, suit, QRectF(2.5, rank == 0 ? 5 : 21, 10, 10));
}

// A card `k` times as large: its image, and a painter in card units.
QImage CardImage(qreal k, const QColor& ground) {
  QImage img(int(std::lround(kCellW * k)), int(std::lround(kCellH * k)), QImage::Format_RGB32);
  img.fill(ground);
  return img;
}

// The corner index (rank above a small pip) at the top left, copied point
// reflected into the bottom right corner the way the program localises the
// honour letters: pixel (x, y) to (70 - x, 95 - y).
void DrawIndex(QImage& img, int suit, int rank) {
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (rank >= 1) {
      const double w = (rank == 10 || rank == 14) ? 13 : 10;
      const QString text = RankText(rank);
      const bool narrow = text.size() > 1;
      const QRectF box = rank == 1 ? QRectF(3, 7, 9, 10) : QRectF(2, 3, w, 15);
      p.fillPath(FittedText(text, box, narrow || rank != 1), SuitColour(suit));
    }
    DrawPip(p, suit, QRectF(2.5, rank == 0 ? 5 : 21, 10, 10));
  }
  for (int y = 3; y <= 33; ++y)
    for (int x = 0; x <= 15; ++x) {
      const QRgb c = img.pixel(x, y);
      if (c != qRgb(255, 255, 255)) img.setPixel(kCellW - x - 1, kCellH - y, c);
    }
}

// Pip centres of the number cards on a 3-column grid, rows as fractions of
// the pip field from top (0) to bottom (1).
struct PipSpot { double col, row; };
std::vector<PipSpot> PipLayout(int rank) {
  const double L = 0, C = 1, R = 2;
  switch (rank) {
    case 2: return {{C, 0}, {C, 1}};
    case 3: return {{C, 0}, {C, .5}, {C, 1}};
    case 4: return {{L, 0}, {R, 0}, {L, 1}, {R, 1}};
    case 5: return {{L, 0}, {R, 0}, {C, .5}, {L, 1}, {R, 1}};
    case 6: return {{L, 0}, {R, 0}, {L, .5}, {R, .5}, {L, 1}, {R, 1}};
    case 7: return {{L, 0}, {R, 0}, {C, .25}, {L, .5}, {R, .5}, {L, 1}, {R, 1}};
    case 8: return {{L, 0}, {R, 0}, {C, .25}, {L, .5}, {R, .5}, {C, .75}, {L, 1}, {R, 1}};
    case 9:
      return {{L, 0}, {R, 0}, {L, 1. / 3}, {R, 1. / 3}, {C, .5}, {L, 2. / 3}, {R, 2. / 3}, {L, 1}, {R, 1}};
    case 10:
      return {{L, 0}, {R, 0}, {C, 1. / 6}, {L, 1. / 3}, {R, 1. / 3},
              {L, 2. / 3}, {R, 2. / 3}, {C, 5. / 6}, {L, 1}, {R, 1}};
    default: return {};
  }
}

void DrawPips(QPainter& p, int suit, int rank) {
  const double colX[3] = {24, 35.5, 47};
  const double top = 15, bottom = 80, size = 12;
  for (const PipSpot& s : PipLayout(rank)) {
    const double cx = colX[int(s.col)], cy = top + (bottom - top) * s.row;
    DrawPip(p, suit, QRectF(cx - size / 2, cy - size / 2, size, size), s.row > 0.5);
  }
}

// Top half of a court figure drawn in the frame; the lower half is the same
// turned half a turn, as on a real double-headed card.
void DrawCourtHalf(QPainter& p, int suit, int rank) {
  const QColor skin(250, 214, 170), gold(232, 180, 20), white(255, 255, 255);
  const QColor robes[3][2] = {{QColor(40, 70, 170), QColor(200, 30, 30)},    // Jack
                              {QColor(200, 30, 30), QColor(40, 70, 170)},    // Queen
                              {QColor(200, 30, 30), QColor(30, 120, 60)}};   // King
  const QColor robe = robes[rank - 11][0], trim = robes[rank - 11][1];
  p.setPen(QPen(kBlack, 0.8));

  // Robe and collar.
  QPolygonF body;
  body << QPointF(19, 48) << QPointF(22, 34) << QPointF(30, 31) << QPointF(41, 31) << QPointF(49, 34)
       << QPointF(52, 48);
  p.setBrush(robe);
  p.drawPolygon(body);
  p.setBrush(trim);
  p.drawRect(QRectF(33, 31, 5, 17));
  p.setBrush(white);
  QPolygonF collar;
  collar << QPointF(28, 31) << QPointF(43, 31) << QPointF(39, 35) << QPointF(32, 35);
  p.drawPolygon(collar);
  p.setBrush(gold);
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(35.5, 38 + 4 * i), 1.1, 1.1);

  // Hair or beard behind the face.
  if (rank == Queen) {
    p.setBrush(QColor(230, 190, 60));
    p.drawRoundedRect(QRectF(27, 17, 17, 16), 5, 5);
  }
  p.setBrush(skin);
  p.drawEllipse(QRectF(30, 17, 11, 13));
  if (rank == King) {
    p.setBrush(QColor(150, 150, 150));
    QPolygonF beard;
    beard << QPointF(30.5, 25) << QPointF(40.5, 25) << QPointF(38, 32) << QPointF(35.5, 34) << QPointF(33, 32);
    p.drawPolygon(beard);
  }
  p.setPen(QPen(kBlack, 1));
  p.drawPoint(QPointF(33.3, 22.5));
  p.drawPoint(QPointF(37.7, 22.5));
  p.setPen(QPen(kBlack, 0.8));

  // Headwear: crown, tiara or cap.
  p.setBrush(gold);
  if (rank == King) {
    QPolygonF crown;
    crown << QPointF(29.5, 19) << QPointF(29.5, 11) << QPointF(32, 15) << QPointF(35.5, 9)
          << QPointF(39, 15) << QPointF(41.5, 11) << QPointF(41.5, 19);
    p.drawPolygon(crown);
  } else if (rank == Queen) {
    QPolygonF tiara;
    tiara << QPointF(30.5, 19) << QPointF(31, 14) << QPointF(33.5, 16) << QPointF(35.5, 12.5)
          << QPointF(37.5, 16) << QPointF(40, 14) << QPointF(40.5, 19);
    p.drawPolygon(tiara);
  } else {
    p.setBrush(trim);
    p.drawChord(QRectF(29, 13, 13, 12), 0, 180 * 16);
    p.setPen(QPen(gold, 1.4));
    p.drawLine(QPointF(40, 16), QPointF(46, 10));   // feather
    p.setPen(QPen(kBlack, 0.8));
  }

  // What each holds: the King a sword, the Queen a flower, the Jack a staff.
  if (rank == King) {
    p.setPen(QPen(QColor(110, 110, 120), 1.6));
    p.drawLine(QPointF(47, 46), QPointF(47, 14));
    p.setPen(QPen(gold, 1.6));
    p.drawLine(QPointF(44, 40), QPointF(50, 40));
  } else if (rank == Queen) {
    p.setPen(QPen(QColor(30, 120, 40), 1.2));
    p.drawLine(QPointF(24, 44), QPointF(24, 30));
    p.setPen(QPen(kBlack, 0.6));
    p.setBrush(QColor(220, 40, 80));
    p.drawEllipse(QPointF(24, 28), 2.6, 2.6);
  } else {
    p.setPen(QPen(QColor(120, 80, 30), 1.4));
    p.drawLine(QPointF(23, 46), QPointF(23, 12));
    p.setPen(QPen(kBlack, 0.6));
    p.setBrush(QColor(170, 170, 180));
    QPolygonF blade;
    blade << QPointF(23, 9) << QPointF(26.5, 14) << QPointF(23, 15) << QPointF(19.5, 14);
    p.drawPolygon(blade);
  }

  DrawPip(p, suit, QRectF(19.5, 8.5, 7, 7));
}

void DrawCourt(QImage& img, int suit, int rank, qreal k = 1) {
  QPainter p(&img);
  p.scale(k, k);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(17.5, 7.5, 36, 80);
  p.setPen(QPen(SuitColour(suit), 1));
  p.setBrush(QColor(252, 246, 226));
  p.drawRect(frame);
  p.save();
  p.setClipRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
  DrawCourtHalf(p, suit, rank);
  p.translate(71, 95);
  p.rotate(180);
  DrawCourtHalf(p, suit, rank);
  p.restore();
  p.setPen(QPen(SuitColour(suit), 0.8));
  p.drawLine(QPointF(18, 47.5), QPointF(53, 47.5));
}

QImage BlankCard(const QColor& ground, qreal k = 1) {
  QImage img = CardImage(k, ground);
  QPainter p(&img);
  p.scale(k, k);
  p.setPen(kBorder);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, kCellW - 1, kCellH - 1);
  return img;
}

// ----- backs -------------------------------------------------------------

const std::array<QRgb, 15> kGrounds = {
    qRgb(176, 20, 30),   qRgb(24, 56, 150),  qRgb(170, 24, 36),  qRgb(30, 70, 160),
    qRgb(168, 190, 210), qRgb(24, 84, 44),   qRgb(44, 124, 56),  qRgb(120, 62, 22),
    qRgb(200, 16, 46),   qRgb(0, 106, 167),  qRgb(186, 12, 47),  qRgb(140, 200, 236),
    qRgb(176, 216, 240), qRgb(206, 226, 242), qRgb(250, 206, 30)};

void InnerFrame(QPainter& p, const QColor& c) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(c, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(5, 6, 60, 82);
}

void DrawChecks(QPainter& p, const QColor& ground) {
  const QColor dark = ground.darker(150);
  p.setClipRect(6, 7, 59, 81);
  for (int i = 0; i < 12; ++i) {
    p.fillRect(6 + i * 8, 7, 4, 81, dark);
    p.fillRect(6, 7 + i * 8, 59, 4, dark);
  }
  for (int i = 0; i < 12; ++i) {
    p.fillRect(6 + i * 8 + 5, 7, 1, 81, QColor(255, 255, 255));
    p.fillRect(6, 7 + i * 8 + 5, 59, 1, QColor(255, 255, 255));
  }
  p.setClipping(false);
  InnerFrame(p, QColor(255, 255, 255));
}

void DrawHatch(QPainter& p) {
  p.setClipRect(6, 7, 59, 81);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255), 1));
  for (int k = -100; k < 100; k += 6) {
    p.drawLine(QPointF(k, 0), QPointF(k + 100, 100));
    p.drawLine(QPointF(k + 100, 0), QPointF(k, 100));
  }
  p.setClipping(false);
  InnerFrame(p, QColor(255, 255, 255));
}

void DrawRobot(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const QColor metal(150, 156, 168), dark(60, 64, 76);
  p.setPen(QPen(dark, 1));
  // Antenna.
  p.drawLine(QPointF(35.5, 12), QPointF(35.5, 19));
  p.setBrush(QColor(220, 30, 30));
  p.drawEllipse(QPointF(35.5, 11), 2.5, 2.5);
  // Head with eyes and a mouth grille.
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(23.5, 19.5, 24, 18), 3, 3);
  p.setBrush(QColor(255, 220, 0));
  p.drawEllipse(QPointF(30, 26.5), 3, 3);
  p.drawEllipse(QPointF(41, 26.5), 3, 3);
  p.setBrush(dark);
  p.drawRect(QRectF(29.5, 31.5, 12, 3));
  // Neck, body, dial and buttons.
  p.setBrush(metal);
  p.drawRect(QRectF(32.5, 37.5, 6, 4));
  p.drawRoundedRect(QRectF(19.5, 41.5, 32, 28), 3, 3);
  p.setBrush(QColor(240, 240, 240));
  p.drawEllipse(QPointF(35.5, 50.5), 5, 5);
  p.drawLine(QPointF(35.5, 50.5), QPointF(38.5, 47.5));
  const QColor lamps[3] = {QColor(220, 30, 30), QColor(30, 170, 60), QColor(40, 90, 220)};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(lamps[i]);
    p.drawEllipse(QPointF(28.5 + 7 * i, 62.5), 2, 2);
  }
  // Arms with claws, legs and feet.
  p.setPen(QPen(dark, 3));
  p.drawLine(QPointF(19.5, 45), QPointF(11, 58));
  p.drawLine(QPointF(51.5, 45), QPointF(60, 58));
  p.setPen(QPen(dark, 1.5));
  p.drawArc(QRectF(7, 57, 8, 7), 200 * 16, 140 * 16);
  p.drawArc(QRectF(56, 57, 8, 7), 200 * 16, 140 * 16);
  p.setPen(QPen(dark, 1));
  p.setBrush(metal);
  p.drawRect(QRectF(25.5, 69.5, 6, 11));
  p.drawRect(QRectF(39.5, 69.5, 6, 11));
  p.setBrush(dark);
  p.drawRoundedRect(QRectF(21.5, 80.5, 11, 5), 2, 2);
  p.drawRoundedRect(QRectF(38.5, 80.5, 11, 5), 2, 2);
  InnerFrame(p, dark);
}

void DrawRose(QPainter& p, QPointF c, double r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 160, 70));
  p.drawEllipse(QPointF(c.x() - r, c.y() + r * 0.6), r * 0.7, r * 0.35);
  p.drawEllipse(QPointF(c.x() + r, c.y() + r * 0.6), r * 0.7, r * 0.35);
  p.setBrush(QColor(210, 30, 50));
  p.drawEllipse(c, r, r);
  p.setPen(QPen(QColor(120, 0, 20), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4), 30 * 16, 250 * 16);
  p.drawArc(QRectF(c.x() - r * 0.4, c.y() - r * 0.4, r * 0.8, r * 0.8), 200 * 16, 250 * 16);
}

void DrawRoses(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col) {
      const double x = 15 + col * 20 + (row % 2) * 10, y = 15 + row * 16;
      if (x > 60) continue;
      DrawRose(p, QPointF(x, y), 5);
    }
  InnerFrame(p, QColor(240, 220, 120));
}

void DrawLeaf(QPainter& p, QPointF c, double angle, const QColor& colour) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  QPainterPath leaf;
  leaf.moveTo(0, -8);
  leaf.quadTo(6, -2, 0, 8);
  leaf.quadTo(-6, -2, 0, -8);
  p.setPen(QPen(colour.darker(160), 0.8));
  p.setBrush(colour);
  p.drawPath(leaf);
  p.drawLine(QPointF(0, -7), QPointF(0, 10));
  p.restore();
}

void DrawLeaves(QPainter& p, bool autumn) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(6, 7, 59, 81);
  const QColor spring[2] = {QColor(120, 200, 90), QColor(170, 225, 120)};
  const QColor fall[3] = {QColor(240, 150, 30), QColor(220, 70, 30), QColor(250, 210, 60)};
  int k = 0;
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 4; ++col, ++k) {
      const QPointF c(10 + col * 17 + (row % 2) * 8, 12 + row * 15);
      const double angle = autumn ? (k * 67) % 360 : (row % 2 ? 35 : -35);
      DrawLeaf(p, c, angle, autumn ? fall[k % 3] : spring[k % 2]);
    }
  p.setClipping(false);
  InnerFrame(p, autumn ? QColor(250, 220, 150) : QColor(210, 240, 190));
}

// A Nordic cross flag turned upright: the cross bar near the hoist lies
// across the upper part of the card.
void DrawCross(QPainter& p, const QColor& cross, int width, int crossY, int crossX) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(1, crossY, kCellW - 2, width, cross);
  p.fillRect(crossX, 1, width, kCellH - 2, cross);
}

void DrawBeach(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 214, 40));
  p.drawEllipse(QPointF(50, 20), 8, 8);
  p.setBrush(QColor(255, 255, 255));
  p.drawEllipse(QRectF(10, 16, 18, 6));
  p.drawEllipse(QRectF(16, 13, 10, 6));
  p.fillRect(QRectF(1, 50, 69, 16), QColor(30, 110, 190));
  p.setPen(QPen(QColor(255, 255, 255), 1));
  for (int i = 0; i < 4; ++i) p.drawArc(QRectF(6 + i * 16, 55, 10, 5), 0, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 210, 150));
  QPainterPath sand;
  sand.moveTo(1, 66);
  sand.quadTo(35, 60, 70, 66);
  sand.lineTo(70, 94);
  sand.lineTo(1, 94);
  p.drawPath(sand);
  // A striped umbrella and its pole.
  p.setPen(QPen(QColor(80, 60, 40), 1.2));
  p.drawLine(QPointF(24, 62), QPointF(27, 84));
  p.setPen(QPen(QColor(120, 0, 0), 0.6));
  for (int i = 0; i < 4; ++i) {
    p.setBrush(i % 2 ? QColor(255, 255, 255) : QColor(220, 30, 30));
    p.drawPie(QRectF(10, 56, 28, 16), (0 + 45 * i) * 16, 45 * 16);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 160, 220));
  p.drawRoundedRect(QRectF(36, 78, 22, 6), 2, 2);   // a towel
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(255, 255, 255), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(5, 6, 60, 82);
}

void DrawSailBoat(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(1, 64, 69, 30), QColor(20, 80, 160));
  p.setPen(QPen(QColor(140, 190, 240), 1));
  for (int i = 0; i < 5; ++i) p.drawArc(QRectF(4 + i * 13, 76 + (i % 2) * 6, 9, 4), 0, 180 * 16);
  // Hull, mast and sails.
  p.setPen(QPen(QColor(60, 30, 10), 0.8));
  p.setBrush(QColor(150, 40, 30));
  QPolygonF hull;
  hull << QPointF(14, 60) << QPointF(58, 60) << QPointF(51, 69) << QPointF(20, 69);
  p.drawPolygon(hull);
  p.setPen(QPen(QColor(80, 50, 20), 1.4));
  p.drawLine(QPointF(36, 59), QPointF(36, 14));
  p.setPen(QPen(QColor(120, 120, 120), 0.6));
  p.setBrush(QColor(255, 255, 255));
  QPolygonF mainsail;
  mainsail << QPointF(37.5, 16) << QPointF(37.5, 56) << QPointF(56, 56);
  p.drawPolygon(mainsail);
  QPolygonF jib;
  jib << QPointF(34.5, 20) << QPointF(34.5, 56) << QPointF(17, 56);
  p.drawPolygon(jib);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 30, 30));
  p.drawPolygon(QPolygonF() << QPointF(36, 14) << QPointF(43, 16) << QPointF(36, 18));
  // Two gulls.
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(10, 20, 5, 4), 0, 180 * 16);
  p.drawArc(QRectF(15, 20, 5, 4), 0, 180 * 16);
  p.drawArc(QRectF(18, 12, 4, 3), 0, 180 * 16);
  p.drawArc(QRectF(22, 12, 4, 3), 0, 180 * 16);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(255, 255, 255), 1));
  p.drawRect(5, 6, 60, 82);
}

void DrawScandinavia(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  // Northern lights.
  p.setPen(QPen(QColor(90, 200, 150), 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-10, 10, 90, 30), 20 * 16, 140 * 16);
  // Snowy mountains.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(100, 120, 150));
  p.drawPolygon(QPolygonF() << QPointF(1, 60) << QPointF(22, 28) << QPointF(40, 60));
  p.drawPolygon(QPolygonF() << QPointF(26, 60) << QPointF(50, 22) << QPointF(70, 50) << QPointF(70, 60));
  p.setBrush(QColor(255, 255, 255));
  p.drawPolygon(QPolygonF() << QPointF(16, 37.5) << QPointF(22, 28) << QPointF(28, 37.5));
  p.drawPolygon(QPolygonF() << QPointF(43.5, 32.5) << QPointF(50, 22) << QPointF(56.5, 32.5));
  // Snow field, a red timber house with white trim and a pine forest.
  p.fillRect(QRectF(1, 60, 69, 34), QColor(250, 250, 252));
  p.setBrush(QColor(150, 34, 24));
  p.drawRect(QRectF(30, 62, 22, 14));
  p.setBrush(QColor(60, 50, 50));
  p.drawPolygon(QPolygonF() << QPointF(28, 63) << QPointF(41, 54) << QPointF(54, 63));
  p.setPen(QPen(QColor(255, 255, 255), 1));
  p.setBrush(QColor(255, 230, 140));
  p.drawRect(QRectF(34, 66, 5, 5));
  p.drawRect(QRectF(44, 66, 4, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 90, 50));
  const double trees[4][2] = {{10, 62}, {18, 70}, {60, 70}, {12, 80}};
  for (const auto& t : trees) {
    const double x = t[0], y = t[1];
    p.drawPolygon(QPolygonF() << QPointF(x - 5, y + 6) << QPointF(x, y - 10) << QPointF(x + 5, y + 6));
    p.fillRect(QRectF(x - 1, y + 6, 2, 3), QColor(90, 60, 30));
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(40, 60, 110), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(5, 6, 60, 82);
}

void DrawTrafficLight(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  // Black and yellow stripes at the foot, the pole, the housing and lamps.
  p.setPen(Qt::NoPen);
  p.save();
  p.setClipRect(6, 80, 59, 8);
  for (int x = -10; x < 80; x += 8)
    p.drawPolygon(QPolygonF() << QPointF(x, 88) << QPointF(x + 4, 88) << QPointF(x + 12, 80) << QPointF(x + 8, 80));
  p.setBrush(QColor(20, 20, 20));
  for (int x = -10; x < 80; x += 8)
    p.drawPolygon(QPolygonF() << QPointF(x, 88) << QPointF(x + 4, 88) << QPointF(x + 12, 80) << QPointF(x + 8, 80));
  p.restore();
  p.fillRect(QRectF(33, 70, 5, 10), QColor(60, 60, 60));
  p.setBrush(QColor(30, 30, 30));
  p.drawRoundedRect(QRectF(21, 10, 29, 61), 6, 6);
  const QColor lamps[3] = {QColor(230, 20, 20), QColor(255, 170, 0), QColor(20, 200, 60)};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(QPointF(35.5, 22 + 19 * i), 8, 8);
    p.setBrush(lamps[i]);
    p.drawEllipse(QPointF(35.5, 22 + 19 * i), 6.5, 6.5);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(33.5, 20 + 19 * i), 2, 1.5);
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(20, 20, 20), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(5, 6, 60, 82);
}

}  // namespace

QRgb BackGround(int design) { return kGrounds[std::clamp(design, 0, 14)]; }

QImage DrawFace(int suit, int rank) { return DrawFaceAt(suit, rank, 1.0, 0); }

QImage DrawFaceAt(int suit, int rank, qreal k, int language) {
  QImage img = BlankCard(QColor(255, 255, 255), k);
  if (k == 1.0 && language == 0) {
    DrawIndex(img, suit, rank);
  } else {
    // Both corners drawn, the second turned half a turn about the middle.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    DrawCorner(p, suit, rank, language);
    p.translate(kCellW, kCellH);
    p.rotate(180);
    DrawCorner(p, suit, rank, language);
  }
  if (rank >= Jack && rank <= King) {
    DrawCourt(img, suit, rank, k);
    return img;
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(k, k);
  if (rank == 0) {
    QFont f = BoldFont(15);
    p.setFont(f);
    p.setPen(SuitColour(suit));
    p.drawText(QRectF(0, 30, kCellW, 20), Qt::AlignCenter, QStringLiteral("Void"));
    DrawPip(p, suit, QRectF(27, 52, 17, 17));
  } else if (rank == 1) {
    DrawPip(p, suit, QRectF(21.5, 33.5, 28, 28));
  } else if (rank == Ace) {
    DrawPip(p, suit, QRectF(18.5, 30.5, 34, 34));
  } else {
    DrawPips(p, suit, rank);
  }
  return img;
}

QImage DrawBack(int design) { return DrawBackAt(design, 1.0); }

QImage DrawBackAt(int design, qreal k) {
  const QColor ground = QColor::fromRgb(BackGround(design));
  QImage img = BlankCard(ground, k);
  QPainter p(&img);
  p.scale(k, k);
  switch (design) {
    case 0: case 1: DrawChecks(p, ground); break;
    case 2: case 3: DrawHatch(p); break;
    case 4: DrawRobot(p); break;
    case 5: DrawRoses(p); break;
    case 6: DrawLeaves(p, false); break;
    case 7: DrawLeaves(p, true); break;
    case 8: DrawCross(p, QColor(255, 255, 255), 10, 28, 31); break;
    case 9: DrawCross(p, QColor(254, 204, 0), 10, 28, 31); break;
    case 10:
      DrawCross(p, QColor(255, 255, 255), 14, 26, 29);
      DrawCross(p, QColor(0, 32, 91), 6, 30, 33);
      break;
    case 11: DrawBeach(p); break;
    case 12: DrawSailBoat(p); break;
    case 13: DrawScandinavia(p); break;
    case 14: DrawTrafficLight(p); break;
    default: break;
  }
  p.end();
  // The ground colour must stay readable where the program looks for it.
  img.setPixel(int(std::lround(10 * k)), int(std::lround(3 * k)), BackGround(design));
  return img;
}

QImage DrawDeck() {
  QImage deck(kCellW * 75, kCellH, QImage::Format_RGB32);
  QPainter p(&deck);
  for (int s = 0; s < 4; ++s)
    for (int r = 0; r < 15; ++r) p.drawImage(kCellW * (15 * s + r), 0, DrawFace(s, r));
  for (int d = 0; d < 15; ++d) p.drawImage(kCellW * (60 + d), 0, DrawBack(d));
  return deck;
}

QImage DrawHonours() {
  const auto& rows = kHonourLetters;
  QImage img(43, 121, QImage::Format_RGB888);
  img.fill(QColor(255, 255, 255));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int lang = 0; lang < 8; ++lang)
    for (int k = 0; k < 4; ++k) {
      const QString text = QString::fromLatin1(rows[lang][k]);
      const double x0 = 10 * k, w = k == 3 ? 13 : 10;
      const QRectF box(x0 + 0.5, 15 * lang + 1, w - 1.5, 13);
      if (text.size() == 1) {
        p.fillPath(FittedText(text, box, true), QColor(0, 0, 0));
      } else {
        // "Kn" in ten pixels: a narrow capital and a small lower-case letter.
        p.fillPath(FittedText(text.left(1), QRectF(x0, 15 * lang + 1, 5, 13), true), QColor(0, 0, 0));
        p.fillPath(FittedText(text.mid(1), QRectF(x0 + 6, 15 * lang + 6, 4, 8), true), QColor(0, 0, 0));
      }
    }
  return img;
}

}  // namespace quorval::painters
