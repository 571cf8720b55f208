#include "ui/language_flags.h"

#include <QGuiApplication>
#include <QPainter>

namespace quorval {
namespace {

// A cross of the Nordic kind: the upright at [x0, x1] and the bar at [y0, y1]
// as fractions of the flag's width and height.
void NordicCross(QPainter& p, const QRectF& a, double x0, double x1, double y0, double y1, const QColor& colour) {
  p.fillRect(QRectF(a.left() + a.width() * x0, a.top(), a.width() * (x1 - x0), a.height()), colour);
  p.fillRect(QRectF(a.left(), a.top() + a.height() * y0, a.width(), a.height() * (y1 - y0)), colour);
}

void StarsAndStripes(QPainter& p, const QRectF& a) {
  const QColor red(178, 34, 52), blue(60, 59, 110);
  p.fillRect(a, Qt::white);
  const double stripe = a.height() / 13.0;
  for (int i = 0; i < 13; i += 2) p.fillRect(QRectF(a.left(), a.top() + i * stripe, a.width(), stripe), red);
  const QRectF canton(a.left(), a.top(), a.width() * 0.4, stripe * 7);
  p.fillRect(canton, blue);
  // At menu size the stars are a grid of white points.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  const double r = std::max(0.35, canton.height() / 22.0);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 5; ++col)
      p.drawEllipse(QPointF(canton.left() + canton.width() * (col + 0.5 + (row % 2) * 0.25) / 5.5,
                            canton.top() + canton.height() * (row + 0.5) / 4.0),
                    r, r);
}

}  // namespace

void DrawLanguageFlag(QPainter& p, const QRectF& a, int language) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (language) {
    case 0:
      StarsAndStripes(p, a);
      break;
    case 1:  // white cross on red, 12 + 4 + 21 across and 12 + 4 + 12 down
      p.fillRect(a, QColor(200, 16, 46));
      NordicCross(p, a, 12.0 / 37, 16.0 / 37, 12.0 / 28, 16.0 / 28, Qt::white);
      break;
    case 2:  // blue cross edged in white on red, 6 + 4 + 12 across and 6 + 4 + 6 down
      p.fillRect(a, QColor(186, 12, 47));
      NordicCross(p, a, 6.0 / 22, 10.0 / 22, 6.0 / 16, 10.0 / 16, Qt::white);
      NordicCross(p, a, 7.0 / 22, 9.0 / 22, 7.0 / 16, 9.0 / 16, QColor(0, 32, 91));
      break;
    case 4:  // yellow cross on blue, 5 + 2 + 9 across and 4 + 2 + 4 down
      p.fillRect(a, QColor(0, 106, 167));
      NordicCross(p, a, 5.0 / 16, 7.0 / 16, 4.0 / 10, 6.0 / 10, QColor(254, 204, 0));
      break;
    default:
      p.restore();
      return;
  }
  // A hairline edge keeps a white-heavy flag apart from a light menu.
  p.setPen(QPen(QColor(0, 0, 0, 90), 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(a.adjusted(0, 0, -0.5, -0.5));
  p.restore();
}

QPixmap LanguageFlag(int language, const QSize& size) {
  if (language != 0 && language != 1 && language != 2 && language != 4) return {};
  const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap picture(size * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  DrawLanguageFlag(p, QRectF(QPointF(0, 0), QSizeF(size)), language);
  return picture;
}

QIcon LanguageFlagIcon(int language) {
  QIcon icon;
  for (const QSize size : {QSize(21, 14), QSize(24, 16), QSize(33, 22)}) {
    const QPixmap picture = LanguageFlag(language, size);
    if (!picture.isNull()) icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace quorval
