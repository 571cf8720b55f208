#pragma once
// Layouts of the hidden cards that agree with what a seat knows: every hidden
// seat gets as many cards as it still holds, none of a suit it has shown out
// of, and its dealt hand (these cards with those it has played) within what
// the auction said. Drawn with a seeded generator, so a run repeats.

#include <array>
#include <cstdint>
#include <vector>

#include "play/honest/auction_inference.h"
#include "play/honest/knowledge.h"

namespace quorval::honest {

// A small, fast generator of its own so that a seed gives the same layouts
// on every platform and library.
class SplitMix {
 public:
  explicit SplitMix(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform in 0..n-1 (n >= 1).
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>((static_cast<unsigned __int128>(Next()) * n) >> 64); }

 private:
  uint64_t state_;
};

struct SampleSet {
  std::vector<SeatHoldings> layouts;   // remaining cards of all four seats, each once
  std::vector<int> weights;            // how often each layout was drawn
  // 0: every layout keeps the auction's ranges; 1: some were drawn with the
  // ranges widened; 2: some with the auction set aside (it could not be met).
  int relaxed = 0;
  long tries = 0;
};

// The ranges adjusted to what the play has already fixed: a seat that has
// shown out holds exactly the cards it played in that suit, and the cards
// played count towards the points and lengths (a range the played cards
// already break is opened up where it is broken).
std::array<HandRange, 4> FitToPlay(const SeatKnowledge& k, std::array<HandRange, 4> ranges);

// Draws `count` layouts; equal layouts are kept once with their weight.
// When the hidden cards can lie in no more than `count` ways, every way is
// taken once instead. `triesPerStage` bounds the draws before the ranges are
// widened, and again before they are set aside. Empty only when the hidden
// cards cannot be placed at all.
SampleSet SampleLayouts(const SeatKnowledge& k, const std::array<HandRange, 4>& ranges, int count,
                        uint64_t seed, long triesPerStage = 60000);

}  // namespace quorval::honest
