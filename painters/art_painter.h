#pragma once
// Draws the program's own pictures besides the deck: the logo of the splash
// window (a duplicate board with a fan of the four aces, on a transparent
// ground) and the program's icon at any size. Needs a QGuiApplication (fonts).

#include <QImage>
#include <vector>

namespace quorval::painters {

inline constexpr int kLogoWidth = 475;
inline constexpr int kLogoHeight = 264;

QImage DrawLogo();
// A square icon of `size` pixels: two cards on the green of the table.
QImage DrawIcon(int size);
// The sizes the icon is shipped in.
const std::vector<int>& IconSizes();

}  // namespace quorval::painters
