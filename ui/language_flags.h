#pragma once
// The small flag shown beside each interface language in the Language menu
// (and as the menu's own picture): Denmark, the United States for English,
// Norway and Sweden. Drawn here in vector form, so the program ships no flag
// images and the flags stay sharp at any size.

#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QRectF;

namespace quorval {

// Draws the flag of a language (0 English, 1 Danish, 2 Norwegian, 4 Swedish)
// filling `area`; other languages draw nothing.
void DrawLanguageFlag(QPainter& painter, const QRectF& area, int language);
// The flag as a picture of `size` logical pixels (sharp on high-density
// screens); a null picture for a language without texts.
QPixmap LanguageFlag(int language, const QSize& size = QSize(21, 14));
QIcon LanguageFlagIcon(int language);

}  // namespace quorval
