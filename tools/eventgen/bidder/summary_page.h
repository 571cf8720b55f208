#pragma once
// The bidding-system summaries shown from the help menu, written from the same
// system definitions the bidder bids by, so the pages and the library agree.
// The words of each language come from the phrase table (summary_phrases.txt).
#include <string>

#include "data/help_files.h"
#include "tools/eventgen/bidder/system.h"

namespace quorval::bidder {

// "DKBAS-E.html": the system's prefix, the language letter and ".html".
std::string SummaryPageName(System system, HelpLanguage language = HelpLanguage::English);

// The page as a complete HTML document.
std::string SummaryPage(System system, HelpLanguage language = HelpLanguage::English);

// Writes the sixteen pages (four systems in four languages) into dir; false,
// with a reason, when the phrase table is broken or a page cannot be written.
bool WriteSummaryPages(const std::string& dir, std::string& error);

}  // namespace quorval::bidder
