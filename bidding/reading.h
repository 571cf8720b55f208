#pragma once
// How the table reads a call: its meaning from the auction alone. A call means
// what the bidder's rules give it for the hands that make it, so the reading
// draws hands that agree with what the caller has shown so far, lets the rules
// bid each of them, and joins the meanings of those that make this call. Both
// partners, both opponents and the `bid` command read every call this way, so
// no seat learns more from a call than the call itself tells.
#include <string>
#include <unordered_map>
#include <vector>

#include "bidding/meaning.h"

namespace quorval::bidder {

// One reading of many meanings: the convention most of them name decides, and
// the ranges of those that name it are widened to hold them all.
Meaning JoinMeanings(const std::vector<Meaning>& meanings);

class TableReading {
 public:
  // The meaning of `call` by the seat to act after `before`. The same auction
  // is always read the same way: the hands drawn follow from the auction.
  Meaning Read(const View& before, CallCode call);
  // Adds the call with its reading; false when the call is not legal.
  bool Push(View& view, CallCode call);
  // The view of calls from the dealer on, each read in turn; false at the
  // first call that is not legal (the view then holds the calls before it).
  bool ReadAuction(const std::vector<CallCode>& calls, View& view);

  size_t Size() const { return memo_.size(); }

 private:
  std::unordered_map<std::string, Meaning> memo_;
};

}  // namespace quorval::bidder
