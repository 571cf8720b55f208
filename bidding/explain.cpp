#include "bidding/explain.h"

#include "bidding/meanings_file.h"

namespace quorval::bidder {

std::vector<std::string> ExplainAuction(const CallMeanings& meanings, const AuctionQuestion& q,
                                        const MeaningWords& words, TableReading& reading) {
  const char letter = Definition(q.system).letter;
  std::vector<std::string> lines;
  View view(q.system, q.dealer, q.vul);
  for (size_t i = 0; i < q.calls.size(); ++i) {
    const CallCode call = q.calls[i];
    const Meaning read = reading.Read(view, call);
    view.Push(call, read);
    std::string text;
    if (const CallMeaning* stored = meanings.Find(letter, q.calls, i)) {
      text = MeaningText(call, *stored, words);
    } else {
      // The strain of a bid alone is all a reading tells that found no hand making it.
      Meaning bare;
      bare.strain = read.strain;
      const CallMeaning m = ToCallMeaning(read, Definition(q.system));
      text = m == ToCallMeaning(bare, Definition(q.system)) ? "no stored meaning"
                                                            : MeaningText(call, m, words) + " (not in the library)";
    }
    lines.push_back(CallToken(call) + ": " + text);
  }
  return lines;
}

}  // namespace quorval::bidder
