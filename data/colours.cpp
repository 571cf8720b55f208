#include "data/colours.h"

#include <cstdio>

#include "data/ini_store.h"

namespace quorval {

namespace {

struct NamedColor {
  const char* name;
  TColor value;
};

constexpr NamedColor kStandardColors[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000},  {"clOlive", 0x008080},
    {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clTeal", 0x808000},   {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},   {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
};

}  // namespace

std::string ColorToText(TColor color) {
  for (const auto& c : kStandardColors)
    if (c.value == color) return c.name;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(color));
  return buf;
}

std::optional<TColor> ColorFromText(const std::string& text) {
  for (const auto& c : kStandardColors)
    if (SameName(text, c.name)) return c.value;
  if (text.size() < 2 || text.size() > 9 || text[0] != '$') return std::nullopt;
  unsigned v = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    const char ch = text[i];
    unsigned d;
    if (ch >= '0' && ch <= '9') d = static_cast<unsigned>(ch - '0');
    else if (ch >= 'a' && ch <= 'f') d = static_cast<unsigned>(ch - 'a' + 10);
    else if (ch >= 'A' && ch <= 'F') d = static_cast<unsigned>(ch - 'A' + 10);
    else return std::nullopt;
    v = v * 16 + d;
  }
  return static_cast<TColor>(v);
}

TSkinColors SkinColorsFor(const std::string& skinName) {
  if (SameName(skinName, "Teal"))
    return {RGB(192, 192, 192), RGB(0, 128, 128),   RGB(166, 202, 240), RGB(0, 0, 128),
            RGB(145, 200, 200), clCream,            RGB(166, 202, 240), RGB(0, 128, 128)};
  if (SameName(skinName, "Olive"))
    return {RGB(195, 202, 169), RGB(116, 134, 94),  RGB(230, 234, 208), RGB(165, 176, 135),
            RGB(165, 176, 135), RGB(234, 226, 178), RGB(234, 226, 178), RGB(170, 125, 91)};
  // Slot 1 carries the palette-relative flag in its top byte, as stored.
  return {RGB(128, 128, 128), static_cast<TColor>(0x02804000), RGB(166, 202, 240), RGB(0, 0, 128),
          RGB(145, 200, 200), clCream,                           RGB(166, 202, 240), RGB(0, 0, 128)};
}

}  // namespace quorval
