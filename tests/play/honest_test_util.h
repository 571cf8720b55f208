#pragma once
// Helpers shared by the honest computer's tests: an auction from call
// tokens, and a file of the shipped event set as text.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "play/honest/auction_inference.h"

namespace quorval::testutil {

// The auction "1N", "P", "2D" ... from the dealer on, in a bidding system.
inline honest::AuctionFacts Facts(Seat dealer, const std::vector<std::string>& tokens, char system = 'D') {
  honest::AuctionFacts a;
  a.dealer = dealer;
  a.system = system;
  for (const std::string& t : tokens) a.calls.push_back(ParseCall(t));
  return a;
}

// A file of the shipped events (events/NAME) whole; empty when missing.
inline std::string ShippedFileText(const std::string& name) {
  std::ifstream in(std::string(QUORVAL_SOURCE_DIR) + "/events/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace quorval::testutil
