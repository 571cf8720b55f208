#pragma once
// The explain command: what each call of an auction means in a system, from
// the meanings of an event set, and for calls the library never stored, what
// the bidder would mean by them.
#include <string>
#include <vector>

#include "bidding/one_hand.h"
#include "bidding/reading.h"
#include "data/call_meanings.h"
#include "data/meaning_text.h"

namespace quorval::bidder {

// The text of resources/lang/call_meanings.txt as the build compiled it in.
const char* CallMeaningWordsText();

// One line per call: "1N: 15-17 points, balanced". A call without an entry is
// told as the table reads it, marked as not in the library, or as "no stored
// meaning" when no hand the bidder holds would make it.
std::vector<std::string> ExplainAuction(const CallMeanings& meanings, const AuctionQuestion& q,
                                        const MeaningWords& words, TableReading& reading);

}  // namespace quorval::bidder
