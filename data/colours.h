#pragma once
// Colours as the options file keeps them (0x00BBGGRR, red in the low byte),
// their text form, and the eight colours of a colour skin.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quorval {

using TColor = int32_t;

constexpr TColor RGB(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clCream = RGB(254, 249, 229);

// A standard colour by its name ("clTeal"), anything else as "$" and eight
// upper-case hexadecimal digits ($FFFFFFFF for -1).
std::string ColorToText(TColor color);
// Reads either form (names without regard to case, "$" with one to eight
// hexadecimal digits); nothing for any other text.
std::optional<TColor> ColorFromText(const std::string& text);

using TSkinColors = std::array<TColor, 8>;
// The skin table: "Teal", "Olive", and "Silver" for every other name.
TSkinColors SkinColorsFor(const std::string& skinName);

}  // namespace quorval
