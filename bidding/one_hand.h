#pragma once
// The bid and lead commands: what the library makes of one hand, for anyone
// studying the systems. The answers come from the same functions the library
// writer uses, so they are what the library would store for that hand.
#include <string>
#include <vector>

#include "bidding/hand.h"
#include "bidding/reading.h"
#include "bidding/system.h"
#include "core/calls.h"

namespace quorval::bidder {

struct AuctionQuestion {
  System system = System::DanishBasic;
  std::vector<CallCode> calls;  // from the dealer on
  Seat dealer = North;
  Vulnerability vul = 0;
};

struct HandQuestion : AuctionQuestion {
  Hand hand{};
};

// Reads the words of an auction: a system, calls, a seat and a vulnerability
// as ReadHandQuestion reads them, without a hand.
bool ReadAuctionQuestion(const std::string& system, const std::string& calls, const std::string& dealer,
                         const std::string& vul, AuctionQuestion& out, std::string& error);

// Reads the words of the command line: a system (its letter D, M, N, S or its
// name, in any case), a hand ("KT92.A86.AQ9.K87", spades first, a void left
// empty), calls as library tokens joined by commas (any case; may be empty), a seat
// (N, E, S, W or its name) and a vulnerability (None, NS, EW, Both). False,
// with a reason, for anything else, for a hand that is not thirteen cards and
// for calls that bridge does not allow.
bool ReadHandQuestion(const std::string& system, const std::string& hand, const std::string& calls,
                      const std::string& dealer, const std::string& vul, HandQuestion& out, std::string& error);

// The call the bidder makes with the hand as the seat to call after the calls
// ("1N"); false, with a reason, when the auction is already over.
bool BidAnswer(const HandQuestion& q, TableReading& reading, std::string& answer, std::string& error);

// The lead list the library stores for the opening leader holding the hand
// after the finished auction ("4S,63,2H,37"); false, with a reason, when the
// auction is not over.
bool LeadAnswer(const HandQuestion& q, TableReading& reading, std::string& answer, std::string& error);

}  // namespace quorval::bidder
