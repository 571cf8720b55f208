#pragma once
// The bidding-system summaries shown from the help menu, written from the same
// system definitions the bidder bids by, so the pages and the library agree.
// The words of each language come from the phrase table (summary_phrases.txt).
#include <string>

#include "bidding/system.h"
#include "data/help_files.h"

namespace quorval::bidder {

// "DKBAS-E.html": the system's prefix, the language letter and ".html".
std::string SummaryPageName(System system, HelpLanguage language = HelpLanguage::English);

// The page as a complete HTML document.
std::string SummaryPage(System system, HelpLanguage language = HelpLanguage::English);

}  // namespace quorval::bidder
