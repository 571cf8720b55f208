#pragma once
// What one seat decides from what it can see: its call from its own hand and
// the auction, and as opening leader its lead list from its own hand and the
// auction. The library writer, its check and the bid and lead commands all
// decide through here, so a stored call or lead is always what the seat's own
// hand makes of the auction, never what the other hands would suggest.
#include <array>
#include <vector>

#include "bidding/hand.h"
#include "bidding/leads.h"
#include "bidding/meaning.h"
#include "bidding/reading.h"
#include "core/deal.h"

namespace quorval::bidder {

// The auction of the table view (every call as the table reads it) as the seat
// to act sees it: the seat also knows what its own calls meant, since it made
// them from its own hand.
View SeatView(const Hand& hand, const View& table);

// The call the bidder makes with the hand, the seat to act after the table
// view, with the system's standard judgement.
CallCode OwnCall(const Hand& hand, const View& table);

// Bids the auction of the table view on to its end. The deal only hands each
// seat its own cards; every call is read by the table as it is made.
void BidOn(const Deal& deal, View& table, TableReading& reading);

// The lead list the opening leader stores after the finished auction of the
// table view, from its own hand and what the auction told it.
std::vector<WeightedLead> LeaderLeads(const Hand& hand, const View& done);

// True when the hand misses the stated meaning of a call by at most a point
// (high cards above the range; high cards, length or support points below it)
// and by at most a card in any suit; a balanced meaning also wants no
// singleton or void. `partner` tells whether support points count.
bool WithinAPoint(const Meaning& stated, const HandFacts& hand, const Knowledge& partner);

}  // namespace quorval::bidder
