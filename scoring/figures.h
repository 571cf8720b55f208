#pragma once
// The units a board is compared in: IMPs for a score difference, match points
// per comparison under the four match-point methods, and the texts and filed
// integers of a figure.

#include <string>

namespace quorval {

// The signed IMPs for a difference of North-South scores (standard scale,
// 0 to 24).
int ImpsForDifference(int difference);

// Points for one comparison under `MPScoringSys` 0..3: 0 is 1/0/-1, 1 is
// 1/0.5/0, 2 is 2/1/0, 3 is 0.5/0/-0.5. Any other value counts as 3.
struct MatchPointValues {
  double win, tie, loss;
};
MatchPointValues MatchPointsFor(int mpScoringSys);

// A figure filed multiplied by 100, rounded to the nearest whole number with
// an exact half going to the even one: 7.5 -> 750, -7/6 -> -117, 0.125 -> 12.
int FiledFigure(double figure);

// printf-like "%<width>.<decimals>f" that never depends on the C locale: the
// decimal point is the one given (the user's locale is the window's business).
std::string FixedText(double value, int width, int decimals, char decimalPoint = '.');

}  // namespace quorval
