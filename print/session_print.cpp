#include "print/session_print.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "print/hand_report.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

int Round(double v) { return int(std::lround(v)); }

QFont PrintFont(int points, bool bold = false, bool underline = false) {
  QFont f(ReportFontFamily());
  f.setStyleHint(QFont::SansSerif);
  f.setPointSize(points);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

}  // namespace

void PrintSessionList(QPainter& p, const SessionPrintPage& page) {
  const int dpiX = p.device()->logicalDpiX(), dpiY = p.device()->logicalDpiY();
  p.save();
  p.setFont(PrintFont(11));
  const int top = Round(1.9 * dpiY);
  const int line = Round(1.2 * p.fontMetrics().height());
  const int charW = p.fontMetrics().horizontalAdvance('A');
  std::array<int, 9> x{};
  x[0] = Round(0.5 * dpiX) + charW;
  for (int c = 0; c < 8; ++c) x[size_t(c + 1)] = x[size_t(c)] + Round(dpiX * page.columnWidths[size_t(c)] / 96.0) + 2 * charW;

  const double pageW = p.device()->width(), pageH = p.device()->height();
  const double needW = x[8] + Round(0.5 * dpiX);
  const double needH = top + (int(page.rows.size()) + 1) * line;
  const double scale = std::min({1.0, pageW / needW, pageH / needH});
  p.scale(scale, scale);
  p.fillRect(QRectF(0, 0, pageW / scale, pageH / scale), Qt::white);

  const auto centred = [&](const QString& text, int y) {
    p.setPen(Qt::black);
    DrawSymbolText(p, Round((pageW / scale - SymbolTextWidth(p, text)) / 2), y, 0, text);
  };
  p.setFont(PrintFont(13, true));
  centred(page.title + "  -  " + page.scoringItem, top - 2 * (line / 2 + line));
  centred(page.sessionName, top - (line / 2 + line));

  for (int r = 0; r < int(page.rows.size()); ++r) {
    const int y = top + r * line + 4;
    p.setPen(r == 0 ? QColor(0, 0, 128) : QColor(Qt::black));
    for (int c = 0; c < 8; ++c) {
      const QString text = page.rows[size_t(r)][size_t(c)].trimmed();
      if (text.isEmpty()) continue;
      p.setFont(PrintFont(13, false, r == 1 || (r == page.totalsRow && c >= 5)));
      if (c >= 3 && r != 0) {
        const int end = x[size_t(c + 1)] - 4 * charW;
        DrawSymbolText(p, end - SymbolTextWidth(p, text) - 2, y, 0, text);
      } else {
        DrawSymbolText(p, x[size_t(c)] - 2, y, 0, text);
      }
    }
  }
  p.restore();
}

}  // namespace quorval
