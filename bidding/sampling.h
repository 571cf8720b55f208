#pragma once
// Hands drawn at random to agree with what an auction showed of a seat: the
// table reads a call from the hands that would make it.
#include <array>
#include <cstdint>
#include <vector>

#include "bidding/hand.h"
#include "bidding/meaning.h"
#include "core/prng.h"

namespace quorval::bidder {

// Draws hands from a full pack that agree with what is known of a seat: its
// point range, its suit lengths and, once shown, a balanced shape. Shapes are
// chosen as often as they occur among all hands.
class HandDrawer {
 public:
  explicit HandDrawer(const Knowledge& known);
  // One try: a hand of an allowed shape, false when its points miss the range
  // (or no shape is allowed at all).
  bool TryDraw(Rng& rng, Hand& hand) const;
  bool AnyShape() const { return !shapes_.empty(); }

 private:
  Knowledge known_;
  std::vector<std::array<int, 4>> shapes_;
  std::vector<uint64_t> cumulative_;  // running count of hands per shape
};

}  // namespace quorval::bidder
