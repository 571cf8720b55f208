#include "play/honest/layout_sampler.h"

#include <algorithm>
#include <map>

namespace quorval::honest {

uint64_t SplitMix::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::array<HandRange, 4> FitToPlay(const SeatKnowledge& k, std::array<HandRange, 4> ranges) {
  for (Seat s = 0; s < 4; ++s) {
    HandRange& r = ranges[s];
    if (k.visible[s]) {
      r = HandRange{};
      continue;
    }
    int hcp = 0;
    for (TSuit u = 0; u < 4; ++u) {
      const int played = CardCount(k.played[s][u]);
      hcp += HighCardPoints(k.played[s][u]);
      if (k.showedOut[s][u]) {
        r.minLen[u] = r.maxLen[u] = played;
      } else {
        r.minLen[u] = std::max(r.minLen[u], played);
        r.maxLen[u] = std::max(r.maxLen[u], played);
      }
    }
    r.maxHcp = std::max(r.maxHcp, hcp);
    r.maxPoints = std::max(r.maxPoints, hcp);
  }
  return ranges;
}

namespace {

struct PoolCard {
  TSuit suit;
  Holding bit;
};

HandRange Widened(HandRange r) {
  r.minHcp = std::max(0, r.minHcp - 2);
  r.maxHcp = std::min(37, r.maxHcp + 2);
  r.minPoints = std::max(0, r.minPoints - 2);
  r.maxPoints = std::min(37, r.maxPoints + 2);
  for (TSuit u = 0; u < 4; ++u) {
    // A suit fixed by a show-out stays fixed.
    if (r.minLen[u] == r.maxLen[u] && r.maxLen[u] < 13) continue;
    r.minLen[u] = std::max(0, r.minLen[u] - 1);
    r.maxLen[u] = std::min(13, r.maxLen[u] + 1);
  }
  return r;
}

class Dealer {
 public:
  Dealer(const SeatKnowledge& k, uint64_t seed) : k_(k), rng_(seed) {
    hidden_ = HiddenSeats(k, seats_);
    for (TSuit u = 0; u < 4; ++u)
      for (TRank r = 2; r <= 14; ++r)
        if (k.unseen[u] & RankBit(r)) pool_.push_back({u, RankBit(r)});
    if (hidden_ == 2) SplitForTwo();
  }

  int Hidden() const { return hidden_; }

  // One layout of the hidden cards; false when this draw broke a show-out.
  bool Draw(SeatHoldings& out) {
    out = k_.remaining;
    if (hidden_ == 0) return true;
    if (hidden_ == 1) {
      for (const PoolCard& c : pool_) out[seats_[0]][c.suit] |= c.bit;
      return true;
    }
    if (hidden_ == 2) {
      if (!twoOk_) return false;
      const Seat a = seats_[0], b = seats_[1];
      for (const PoolCard& c : forcedA_) out[a][c.suit] |= c.bit;
      for (const PoolCard& c : forcedB_) out[b][c.suit] |= c.bit;
      // The first `takeA_` cards of a partial shuffle go to the first seat.
      for (int i = 0; i < takeA_; ++i) {
        const int j = i + static_cast<int>(rng_.Below(static_cast<uint32_t>(free_.size() - i)));
        std::swap(free_[i], free_[j]);
        out[a][free_[i].suit] |= free_[i].bit;
      }
      for (size_t i = static_cast<size_t>(takeA_); i < free_.size(); ++i) out[b][free_[i].suit] |= free_[i].bit;
      return true;
    }
    // Three hidden seats (before dummy goes down): shuffle and count off.
    for (size_t i = pool_.size(); i > 1; --i) std::swap(pool_[i - 1], pool_[rng_.Below(static_cast<uint32_t>(i))]);
    size_t at = 0;
    for (int h = 0; h < hidden_; ++h) {
      const Seat s = seats_[h];
      for (int n = 0; n < k_.cardsLeft[s] && at < pool_.size(); ++n, ++at) {
        if (k_.showedOut[s][pool_[at].suit]) return false;
        out[s][pool_[at].suit] |= pool_[at].bit;
      }
    }
    return true;
  }

  // Every layout when there are at most `limit` of them (two hidden seats
  // only); false when there are more.
  bool Enumerate(size_t limit, std::vector<SeatHoldings>& all) const {
    if (hidden_ < 2) {
      SeatHoldings one = k_.remaining;
      if (hidden_ == 1)
        for (const PoolCard& c : pool_) one[seats_[0]][c.suit] |= c.bit;
      all.push_back(one);
      return true;
    }
    if (hidden_ != 2 || !twoOk_ || free_.size() > 30) return false;
    const int m = static_cast<int>(free_.size());
    // C(m, takeA) without overflow for m <= 30.
    uint64_t ways = 1;
    for (int i = 1; i <= takeA_; ++i) {
      ways = ways * static_cast<uint64_t>(m - takeA_ + i) / static_cast<uint64_t>(i);
      if (ways > limit) return false;
    }
    const Seat a = seats_[0], b = seats_[1];
    SeatHoldings base = k_.remaining;
    for (const PoolCard& c : forcedA_) base[a][c.suit] |= c.bit;
    for (const PoolCard& c : forcedB_) base[b][c.suit] |= c.bit;
    // Every set of takeA_ of the m free cards, in increasing order of masks.
    const uint64_t end = uint64_t{1} << m;
    uint64_t mask = (uint64_t{1} << takeA_) - 1;
    while (mask < end) {
      SeatHoldings one = base;
      for (int i = 0; i < m; ++i) one[(mask >> i) & 1 ? a : b][free_[i].suit] |= free_[i].bit;
      all.push_back(one);
      if (mask == 0) break;
      const uint64_t low = mask & (~mask + 1);
      const uint64_t ripple = mask + low;
      mask = (((ripple ^ mask) >> 2) / low) | ripple;
    }
    return true;
  }

 private:
  // With two hidden seats the cards of a suit one of them has shown out of
  // belong to the other; the rest are shared out at random.
  void SplitForTwo() {
    const Seat a = seats_[0], b = seats_[1];
    for (const PoolCard& c : pool_) {
      if (k_.showedOut[a][c.suit] && !k_.showedOut[b][c.suit]) forcedB_.push_back(c);
      else if (k_.showedOut[b][c.suit] && !k_.showedOut[a][c.suit]) forcedA_.push_back(c);
      else free_.push_back(c);
    }
    takeA_ = k_.cardsLeft[a] - static_cast<int>(forcedA_.size());
    const int takeB = k_.cardsLeft[b] - static_cast<int>(forcedB_.size());
    twoOk_ = takeA_ >= 0 && takeB >= 0 && takeA_ + takeB == static_cast<int>(free_.size());
  }

  const SeatKnowledge& k_;
  SplitMix rng_;
  std::array<Seat, 4> seats_{};
  int hidden_ = 0;
  std::vector<PoolCard> pool_;
  std::vector<PoolCard> forcedA_, forcedB_, free_;
  int takeA_ = 0;
  bool twoOk_ = false;
};

bool Admitted(const SeatKnowledge& k, const std::array<HandRange, 4>& ranges, const SeatHoldings& layout) {
  for (Seat s = 0; s < 4; ++s) {
    if (k.visible[s] || ranges[s].Open()) continue;
    int hcp = 0;
    std::array<int, 4> len{};
    for (TSuit u = 0; u < 4; ++u) {
      const Holding dealt = layout[s][u] | k.played[s][u];
      hcp += HighCardPoints(dealt);
      len[u] = CardCount(dealt);
    }
    if (!ranges[s].Admits(hcp, len)) return false;
  }
  return true;
}

}  // namespace

SampleSet SampleLayouts(const SeatKnowledge& k, const std::array<HandRange, 4>& ranges, int count, uint64_t seed,
                        long triesPerStage) {
  SampleSet out;
  if (count < 1) return out;
  const std::array<HandRange, 4> fitted = FitToPlay(k, ranges);
  std::array<HandRange, 4> widened = fitted;
  for (HandRange& r : widened) r = Widened(r);
  const std::array<HandRange, 4> open{};
  const std::array<const std::array<HandRange, 4>*, 3> stages{&fitted, &widened, &open};

  Dealer dealer(k, seed);
  std::vector<SeatHoldings> all;
  if (dealer.Enumerate(static_cast<size_t>(count), all)) {
    // Few enough ways to lie: take each that the auction allows, once.
    for (int stage = 0; stage < 3 && out.layouts.empty(); ++stage) {
      for (const SeatHoldings& l : all)
        if (Admitted(k, *stages[stage], l)) out.layouts.push_back(l);
      out.relaxed = stage;
    }
    out.weights.assign(out.layouts.size(), 1);
    return out;
  }

  std::map<SeatHoldings, size_t> index;   // layout -> its place in out.layouts
  int drawn = 0;
  SeatHoldings l{};
  for (int stage = 0; stage < 3 && drawn < count; ++stage) {
    out.relaxed = stage;
    for (long t = 0; t < triesPerStage && drawn < count; ++t) {
      ++out.tries;
      if (!dealer.Draw(l) || !Admitted(k, *stages[stage], l)) continue;
      ++drawn;
      const auto [it, fresh] = index.try_emplace(l, out.layouts.size());
      if (fresh) {
        out.layouts.push_back(l);
        out.weights.push_back(1);
      } else {
        ++out.weights[it->second];
      }
    }
  }
  if (drawn == 0) out.relaxed = 0;
  return out;
}

}  // namespace quorval::honest
