#include "scoring/figures.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorval {
namespace {

constexpr int kImpThresholds[] = {20,   50,   90,   130,  170,  220,  270,  320,  370,  430,  500,  600,
                                  750,  900,  1100, 1300, 1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};

}  // namespace

int ImpsForDifference(int difference) {
  const long long magnitude = std::llabs(static_cast<long long>(difference));
  int imps = 0;
  for (const int threshold : kImpThresholds)
    if (magnitude >= threshold) ++imps;
  return difference < 0 ? -imps : imps;
}

MatchPointValues MatchPointsFor(int mpScoringSys) {
  switch (mpScoringSys) {
    case 0: return {1, 0, -1};
    case 1: return {1, 0.5, 0};
    case 2: return {2, 1, 0};
    default: return {0.5, 0, -0.5};
  }
}

int FiledFigure(double figure) {
  if (!std::isfinite(figure)) return 0;
  const double scaled = figure * 100.0;
  double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int>(whole);
}

std::string FixedText(double value, int width, int decimals, char decimalPoint) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text = ec == std::errc{} ? std::string(buffer, end) : std::string("0");
  if (decimalPoint != '.')
    if (const auto dot = text.find('.'); dot != std::string::npos) text[dot] = decimalPoint;
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace quorval
