#include "bidding/sampling.h"

#include <algorithm>
#include <limits>

namespace quorval::bidder {
namespace {

uint64_t Choose13(int k) {
  uint64_t n = 1;
  for (int i = 0; i < k; ++i) n = n * static_cast<uint64_t>(13 - i) / static_cast<uint64_t>(i + 1);
  return n;
}

// Uniform in [0, n) for counts beyond 32 bits; no modulo bias.
uint64_t Below64(Rng& rng, uint64_t n) {
  const uint64_t limit = std::numeric_limits<uint64_t>::max() - std::numeric_limits<uint64_t>::max() % n;
  for (;;) {
    const uint64_t x = rng.Next();
    if (x < limit) return x % n;
  }
}

bool BalancedShape(const std::array<int, 4>& len) {
  std::array<int, 4> s = len;
  std::sort(s.begin(), s.end(), std::greater<>());
  return s[3] >= 2 && s[2] >= 3 && s[0] <= 5;
}

// `count` ranks of the thirteen, every set equally likely.
Holding DrawRanks(Rng& rng, int count) {
  std::array<TRank, 13> ranks{};
  for (int i = 0; i < 13; ++i) ranks[i] = static_cast<TRank>(i + 2);
  Holding h = 0;
  for (int i = 0; i < count; ++i) {
    const int j = i + static_cast<int>(rng.Below(static_cast<uint32_t>(13 - i)));
    std::swap(ranks[i], ranks[j]);
    h |= RankBit(ranks[i]);
  }
  return h;
}

}  // namespace

HandDrawer::HandDrawer(const Knowledge& known) : known_(known) {
  std::array<int, 4> lo{}, hi{};
  for (TSuit s = 0; s < 4; ++s) {
    lo[s] = std::clamp(known.minLen[s], 0, 13);
    hi[s] = std::clamp(known.maxLen[s], 0, 13);
  }
  uint64_t total = 0;
  for (int c = lo[0]; c <= hi[0]; ++c)
    for (int d = lo[1]; d <= hi[1] && c + d <= 13; ++d)
      for (int h = lo[2]; h <= hi[2] && c + d + h <= 13; ++h) {
        const std::array<int, 4> len{c, d, h, 13 - c - d - h};
        if (len[3] < lo[3] || len[3] > hi[3]) continue;
        if (known.balanced && !BalancedShape(len)) continue;
        total += Choose13(len[0]) * Choose13(len[1]) * Choose13(len[2]) * Choose13(len[3]);
        shapes_.push_back(len);
        cumulative_.push_back(total);
      }
}

bool HandDrawer::TryDraw(Rng& rng, Hand& hand) const {
  if (shapes_.empty()) return false;
  const uint64_t pick = Below64(rng, cumulative_.back());
  const size_t i = static_cast<size_t>(std::upper_bound(cumulative_.begin(), cumulative_.end(), pick) - cumulative_.begin());
  int hcp = 0;
  for (TSuit s = 0; s < 4; ++s) {
    hand[s] = DrawRanks(rng, shapes_[i][s]);
    hcp += HighCardPoints(hand[s]);
  }
  return hcp >= known_.minPts && hcp <= known_.maxPts;
}

}  // namespace quorval::bidder
