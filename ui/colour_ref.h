#pragma once
// Colours in the files and options are 32-bit values laid out 0x00BBGGRR
// (red in the low byte); these turn them into Qt colours and back.

#include <QColor>
#include <cstdint>

namespace quorval {

inline QColor FromColourRef(uint32_t c) {
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
inline uint32_t ToColourRef(const QColor& c) {
  return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

}  // namespace quorval
