#pragma once
// The search's memory of positions beyond the depth limit: for each position
// (a 128-bit key), bounds on the tricks North-South take from there. An open
// table of its own: the search looks a position up at every trick start, far
// more often than a general-purpose map is quick at.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorval::engine {

struct PositionKey {
  uint64_t high = 0, low = 0;
  bool operator==(const PositionKey&) const = default;
};

struct TrickBounds {
  int8_t lo = 0, hi = 13;
};

class BoundsTable {
 public:
  // The bounds of a position, nullptr when it is not known.
  const TrickBounds* Find(const PositionKey& key) const;
  // The bounds of a position, added (0..13) when it is new.
  TrickBounds& At(const PositionKey& key);
  void Clear();
  size_t Size() const { return used_; }

 private:
  struct Slot {
    PositionKey key;
    TrickBounds bounds;
    bool used = false;
  };
  size_t Home(const PositionKey& key) const;
  void Grow();

  std::vector<Slot> slots_;
  size_t used_ = 0;
};

}  // namespace quorval::engine
