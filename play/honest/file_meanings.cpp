#include "play/honest/file_meanings.h"

#include <algorithm>

namespace quorval::honest {

HandRange RangeOf(const CallMeaning& meaning) {
  HandRange r;
  const int lo = std::clamp(meaning.minPts, 0, 37), hi = std::clamp(meaning.maxPts, 0, 37);
  // Points are never fewer than the high cards: a points range caps them.
  if (meaning.measure == MeaningMeasure::Points) r.Hcp(0, hi).Points(lo, hi, meaning.strain);
  else r.Hcp(lo, hi);
  for (TSuit s = 0; s < 4; ++s) r.Len(s, std::clamp(meaning.minLen[s], 0, 13), std::clamp(meaning.maxLen[s], 0, 13));
  // A file the event generator wrote already spells a balanced meaning's
  // lengths out; a hand-edited one may only say "Bal".
  if (meaning.balanced) r.Balanced();
  return r;
}

std::optional<HandRange> FileMeanings::MeaningOf(const AuctionFacts& auction, size_t index) const {
  if (!file_) return std::nullopt;
  const CallMeaning* m = file_->Find(auction.system, auction.calls, index);
  if (!m) return std::nullopt;
  return RangeOf(*m);
}

std::shared_ptr<const CallMeanings> MeaningsOf(const quorval::CallMeanings* file) {
  if (!file || file->Empty()) return nullptr;
  return std::make_shared<FileMeanings>(file);
}

}  // namespace quorval::honest
