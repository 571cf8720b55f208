#pragma once
// Draws the program's card artwork: the 75-cell deck strip (52 faces, the
// "Void" and "x" card of each suit, fifteen back designs) and the strip of
// honour letters for the eight interface languages. Needs a QGuiApplication
// (fonts).

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace quorval::painters {

inline constexpr int kCellW = 71;
inline constexpr int kCellH = 95;

// 5325 x 95: cell 15 * suit + rank (rank 0 "Void", 1 "x", 2..14), then the
// backs at 60..74.
QImage DrawDeck();
// One cell of the deck.
QImage DrawFace(int suit, int rank);
QImage DrawBack(int design);
// The same cell `pixels` times as large (71 x 95 at 1), drawn at that size
// so that it is sharp on the screen: the honour letters of `language` (as
// DrawHonours has them), the backs in their own colours.
QImage DrawFaceAt(int suit, int rank, qreal pixels, int language);
QImage DrawBackAt(int design, qreal pixels);
// 43 x 121: row L at y = 15 * L holds the Jack, Queen, King and Ace letters
// of language L at x 0, 10, 20, 30 (widths 10, 10, 10, 13).
QImage DrawHonours();

// A text as a path scaled to fill `box` (keeping its proportions unless
// `stretch`), centred in it.
QPainterPath FittedText(const QString& text, const QRectF& box, bool stretch, bool bold = true);
// A suit symbol (0 clubs .. 3 spades) in its colour, filling `box`; turned
// half a turn when `inverted`.
void DrawPip(QPainter& p, int suit, const QRectF& box, bool inverted = false);

// The ground colour of each back, found at pixel (10, 3).
QRgb BackGround(int design);

}  // namespace quorval::painters
