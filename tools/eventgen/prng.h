#pragma once
// The generator's own random numbers. Every draw derives from the user's seed
// and a board key, so one board can be regenerated alone and the same seed
// gives the same bytes on every machine and library version.

#include <cstdint>
#include <string_view>

namespace quorval::eventgen {

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

}  // namespace quorval::eventgen
