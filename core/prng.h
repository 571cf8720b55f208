#pragma once
// Seeded random numbers for making event sets and reading auctions. Every
// draw derives from a seed and a name (a board key, a stream), so one board
// can be made again alone and the same seed gives the same bytes on every
// machine and standard library.

#include <cstdint>
#include <string_view>

#include "core/deal.h"

namespace quorval {

// One step of splitmix64; also used to spread seeds.
uint64_t SplitMix64(uint64_t& state);

// FNV-1a of a text, to turn board keys and stream names into seed material.
uint64_t HashText(std::string_view text);

// xoshiro256** with integer-only helpers (no standard distributions: their
// output differs between library versions).
class Rng {
 public:
  explicit Rng(uint64_t seed);
  // A generator for one purpose ("deal", "site", "field") of one board.
  static Rng For(uint64_t seed, std::string_view key, std::string_view stream);

  uint64_t Next();
  // Uniform in [0, n); n > 0. Rejection sampling, no modulo bias.
  uint32_t Below(uint32_t n);
  // Uniform in [lo, hi].
  int Between(int lo, int hi);
  // True with probability perMille / 1000.
  bool Chance(int perMille);

 private:
  uint64_t s_[4];
};

// All 52 cards shuffled from the seed and a name (a board key): the same
// seed and name always give the same deal.
Deal ShuffledDeal(uint64_t seed, std::string_view name);

}  // namespace quorval
