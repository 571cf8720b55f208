#include "core/prng.h"

#include <array>
#include <utility>

namespace quorval {

uint64_t SplitMix64(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

uint64_t HashText(std::string_view text) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (const unsigned char c : text) {
    h ^= c;
    h *= 0x100000001B3ull;
  }
  return h;
}

Rng::Rng(uint64_t seed) {
  uint64_t sm = seed;
  for (uint64_t& word : s_) word = SplitMix64(sm);
}

Rng Rng::For(uint64_t seed, std::string_view key, std::string_view stream) {
  uint64_t mix = seed;
  const uint64_t a = SplitMix64(mix);
  return Rng(a ^ HashText(key) ^ (HashText(stream) * 0x9E3779B97F4A7C15ull));
}

static constexpr uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

uint64_t Rng::Next() {
  const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

uint32_t Rng::Below(uint32_t n) {
  if (n <= 1) return 0;
  // Accept only draws below the largest multiple of n that fits in 32 bits.
  const uint32_t limit = static_cast<uint32_t>(-n) % n;
  for (;;) {
    const uint32_t x = static_cast<uint32_t>(Next() >> 32);
    const uint64_t m = static_cast<uint64_t>(x) * n;
    if (static_cast<uint32_t>(m) >= limit) return static_cast<uint32_t>(m >> 32);
  }
}

int Rng::Between(int lo, int hi) {
  if (hi <= lo) return lo;
  return lo + static_cast<int>(Below(static_cast<uint32_t>(hi - lo + 1)));
}

bool Rng::Chance(int perMille) { return static_cast<int>(Below(1000)) < perMille; }

Deal ShuffledDeal(uint64_t seed, std::string_view name) {
  Rng rng = Rng::For(seed, name, "deal");
  std::array<CardCode, 52> pack{};
  for (int i = 0; i < 52; ++i) pack[i] = MakeCard(2 + i % 13, i / 13);
  for (int i = 51; i > 0; --i) std::swap(pack[i], pack[rng.Below(static_cast<uint32_t>(i + 1))]);
  Deal deal;
  for (int i = 0; i < 52; ++i) deal.at(i / 13, SuitOf(pack[i])) |= pack[i] & ~3;
  return deal;
}

}  // namespace quorval
