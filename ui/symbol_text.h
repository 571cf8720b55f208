#pragma once
// Drawing texts with suit markup: "~" and a strain letter become a suit
// symbol (clubs and spades black, diamonds and hearts red) or the language's
// no-trump mark in navy (1~C, 4~SX, 3~N).

#include <QFont>
#include <QString>

class QPainter;

namespace quorval {

// The family used for the suit symbols and the no-trump mark: one that holds
// U+2663 U+2666 U+2665 U+2660 (DejaVu Sans when installed).
QString NoTrumpFontName();
QString SuitFontName();
// The no-trump mark of an interface language: "UT" Danish, "G" (grand)
// Norwegian, "NT" otherwise.
QString NoTrumpText(int language);
// A rank as the cards of an interface language show it: "10" for the ten,
// the language's honour letters for the jack to the ace (J Q K A in English,
// B D K E in Danish, as the honour strip of the deck draws them), the digit
// otherwise.
QString CardRankText(int rank, int language);
// The glyph for a strain letter: a suit symbol, the no-trump mark, or "~".
QString StrainGlyph(QChar letter, int language);
// The current interface language for the no-trump mark (default English).
void SetSymbolLanguage(int language);
int SymbolLanguage();

// Width of a text as DrawSymbolText draws it with the painter's font.
int SymbolTextWidth(const QPainter& painter, const QString& text);
// Draws the text with its top-left at (x, y) + 2 pixels in; with a
// right-align width > 0 the text ends near x + width. Returns the x reached.
int DrawSymbolText(QPainter& painter, int x, int y, int rightAlignWidth, const QString& text);

}  // namespace quorval
