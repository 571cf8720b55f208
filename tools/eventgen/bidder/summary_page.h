#pragma once
// The bidding-system summary shown from the help menu, written from the same
// system definition the bidder bids by, so the page and the library agree.
#include <string>

#include "tools/eventgen/bidder/system.h"

namespace quorval::bidder {

// "DKBAS-E.html": the system's prefix, the language letter and ".html".
std::string SummaryPageName(System system, char language = 'E');

// The English page as a complete HTML document.
std::string SummaryPage(System system);

// Writes the four English pages into dir; false, with a reason, on failure.
bool WriteSummaryPages(const std::string& dir, std::string& error);

}  // namespace quorval::bidder
