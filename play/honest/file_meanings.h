#pragma once
// The meanings of the event set's calls (the meanings file beside the
// library) as the honest computer reads the auction: what each stored call
// promises about its bidder's points and suit lengths. A call the file does
// not hold (a call off the stored lines) is left to the plain inferences; a
// call it holds but that promises nothing (an ace-asking answer, a relay)
// says nothing, so that its suit is never taken for length.

#include <memory>

#include "data/call_meanings.h"
#include "play/honest/auction_inference.h"

namespace quorval::honest {

class FileMeanings : public CallMeanings {
 public:
  // `file` must outlive this object; null reads as an empty file.
  explicit FileMeanings(const quorval::CallMeanings* file) : file_(file) {}
  std::optional<HandRange> MeaningOf(const AuctionFacts& auction, size_t index) const override;

 private:
  const quorval::CallMeanings* file_;
};

// The range a stored meaning gives its bidder.
HandRange RangeOf(const CallMeaning& meaning);

// The honest computer's meanings of this file, or none when it holds none.
std::shared_ptr<const CallMeanings> MeaningsOf(const quorval::CallMeanings* file);

}  // namespace quorval::honest
