#include "ui/symbol_text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "core/types.h"
#include "ui/colour_ref.h"

namespace quorval {

namespace {

int g_language = 0;

QFont GlyphFont(const QFont& base) {
  QFont f(SuitFontName());
  if (base.pixelSize() > 0)
    f.setPixelSize(base.pixelSize());
  else
    f.setPointSizeF(base.pointSizeF());
  f.setBold(false);
  f.setItalic(false);
  return f;
}

// Metrics in the pixels of the device drawn on: a printer has many more per
// point than the screen, and a font made here (the glyph font) does not
// know the device until a painter takes it.
QFontMetrics Metrics(const QFont& font, const QPaintDevice* device) {
  return device ? QFontMetrics(font, device) : QFontMetrics(font);
}

int Advance(const QFont& font, const QPaintDevice* device, const QString& text) {
  return Metrics(font, device).horizontalAdvance(text);
}

// Walks the text as DrawSymbolText lays it out; `draw` is null when only
// measuring. Returns the x reached.
int LayOut(QPainter* draw, const QPaintDevice* device, const QFont& font, const QColor& colour, int x, int y,
           const QString& text) {
  const int dpiY = device ? device->logicalDpiY() : 96;
  const int lift = int(std::lround(dpiY * 0.01));
  const QFontMetrics fm = Metrics(font, device);
  const bool greyed = colour == QColor(100, 100, 100) || colour == QColor(128, 128, 128);
  int at = 0;
  while (at < text.size()) {
    if (draw) {
      draw->setFont(font);
      draw->setPen(colour);
    }
    const int tilde = text.indexOf(QLatin1Char('~'), at);
    if (tilde < 0) {
      const QString rest = text.mid(at);
      if (draw) draw->drawText(x, y + fm.ascent(), rest);
      return x + fm.horizontalAdvance(rest);
    }
    if (tilde > at) {
      const QString part = text.mid(at, tilde - at);
      if (draw) draw->drawText(x, y + fm.ascent(), part);
      x += fm.horizontalAdvance(part) + 1;
    }
    if (tilde == text.size() - 1) {
      // A "~" with no letter after it is drawn as it stands.
      if (draw) draw->drawText(x, y + fm.ascent(), QStringLiteral("~"));
      return x + fm.horizontalAdvance(QStringLiteral("~"));
    }
    const QChar letter = text.at(tilde + 1);
    const QString glyph = StrainGlyph(letter, g_language);
    const QFont gf = GlyphFont(font);
    if (draw) {
      QColor ink = colour;
      if (!greyed) ink = FromColourRef(MarkupColour(char(letter.toLatin1())));
      draw->setFont(gf);
      draw->setPen(ink);
      // On the text's own baseline: the glyph font's ascent differs from the
      // text font's, so aligning tops would float it. Suit glyphs sit low in
      // their font and are lifted a little; the notrump mark is letters and
      // stays on the line with the level digit.
      const int raise = letter == QLatin1Char('N') ? 0 : lift;
      draw->drawText(x, y - raise + fm.ascent(), glyph);
    }
    x += Advance(gf, device, glyph);
    at = tilde + 2;
  }
  return x;
}

}  // namespace

QString SuitFontName() {
  static const QString name = [] {
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : {"DejaVu Sans", "Noto Sans Symbols2", "Noto Sans", "FreeSans"})
      if (families.contains(QLatin1String(candidate))) return QString::fromLatin1(candidate);
    return QFont().family();
  }();
  return name;
}

QString NoTrumpFontName() { return SuitFontName(); }

QString NoTrumpText(int language) {
  if (language == 1) return QStringLiteral("UT");
  if (language == 2) return QStringLiteral("G");
  return QStringLiteral("NT");
}

QString CardRankText(int rank, int language) {
  // Jack, queen, king, ace of each language index, row for row the letters
  // of the honour strip the cards are drawn with.
  static const char* const kHonours[8][4] = {{"J", "Q", "K", "A"}, {"B", "D", "K", "E"}, {"Kn", "D", "K", "E"},
                                             {"V", "D", "R", "1"}, {"B", "D", "K", "A"}, {"Kn", "D", "K", "E"},
                                             {"J", "Q", "K", "A"}, {"F", "D", "R", "A"}};
  if (rank == Ten) return QStringLiteral("10");
  if (rank >= Jack && rank <= Ace) return QString::fromLatin1(kHonours[language & 7][rank - Jack]);
  return QString(QChar::fromLatin1(RankChar(rank)));
}

QString StrainGlyph(QChar letter, int language) {
  switch (letter.toLatin1()) {
    case 'C': return QString(QChar(0x2663));
    case 'D': return QString(QChar(0x2666));
    case 'H': return QString(QChar(0x2665));
    case 'S': return QString(QChar(0x2660));
    case 'N': return NoTrumpText(language);
    default: return QStringLiteral("~");
  }
}

void SetSymbolLanguage(int language) { g_language = language; }
int SymbolLanguage() { return g_language; }

int SymbolTextWidth(const QPainter& painter, const QString& text) {
  if (text.isEmpty()) return 0;
  return LayOut(nullptr, painter.device(), painter.font(), painter.pen().color(), 0, 0, text);
}

int DrawSymbolText(QPainter& painter, int x, int y, int rightAlignWidth, const QString& text) {
  if (text.isEmpty()) return x;
  const QFont font = painter.font();
  const QColor colour = painter.pen().color();
  if (rightAlignWidth > 0) {
    const int w = Advance(font, painter.device(), text);
    x = text.contains(QLatin1Char('~')) ? x + rightAlignWidth - w + 4 : x + rightAlignWidth - w - 3;
  } else {
    x += 2;
  }
  const int end = LayOut(&painter, painter.device(), font, colour, x, y, text);
  painter.setFont(font);
  painter.setPen(colour);
  return end;
}

}  // namespace quorval
