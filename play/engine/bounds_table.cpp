#include "play/engine/bounds_table.h"

namespace quorval::engine {

size_t BoundsTable::Home(const PositionKey& key) const {
  uint64_t h = key.high * 0x9E3779B97F4A7C15ull ^ key.low;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return static_cast<size_t>(h) & (slots_.size() - 1);
}

const TrickBounds* BoundsTable::Find(const PositionKey& key) const {
  if (slots_.empty()) return nullptr;
  for (size_t i = Home(key);; i = (i + 1) & (slots_.size() - 1)) {
    const Slot& s = slots_[i];
    if (!s.used) return nullptr;
    if (s.key == key) return &s.bounds;
  }
}

TrickBounds& BoundsTable::At(const PositionKey& key) {
  // At most half full, so that a search for a missing key ends soon.
  if (2 * (used_ + 1) > slots_.size()) Grow();
  for (size_t i = Home(key);; i = (i + 1) & (slots_.size() - 1)) {
    Slot& s = slots_[i];
    if (!s.used) {
      s.used = true;
      s.key = key;
      s.bounds = TrickBounds{};
      ++used_;
      return s.bounds;
    }
    if (s.key == key) return s.bounds;
  }
}

void BoundsTable::Clear() {
  slots_.clear();
  used_ = 0;
}

void BoundsTable::Grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 4096 : 2 * old.size(), Slot{});
  for (const Slot& s : old) {
    if (!s.used) continue;
    for (size_t i = Home(s.key);; i = (i + 1) & (slots_.size() - 1))
      if (!slots_[i].used) {
        slots_[i] = s;
        break;
      }
  }
}

}  // namespace quorval::engine
