#pragma once
// The help pages the Help menu opens from the program folder: the user guide
// in each language and the summary of each bidding system in each language.

#include <string>

namespace quorval {

// The language items of the two help submenus, by their tags.
enum class HelpLanguage { Danish = 1, English = 2, Norwegian = 3, Swedish = 4 };
inline constexpr HelpLanguage kHelpLanguages[] = {HelpLanguage::Danish, HelpLanguage::English,
                                                  HelpLanguage::Norwegian, HelpLanguage::Swedish};

// The language of a submenu tag; false for a tag outside 1 to 4.
bool HelpLanguageFromTag(int tag, HelpLanguage& language);

// "Dansk.html", "English.html", "Norsk.html", "Svensk.html".
std::string UserGuideFileName(HelpLanguage language);
// The topic a user guide opens at.
inline constexpr const char* kUserGuideTopic = "Contents";

// The summary of bidding system 0 to 3 (Danish Basic, Modern Standard, Std
// Norwegian, Modern Basic): the system's prefix "DKBAS-", "MODSTD-",
// "STDNOR-" or "DKMOD-", the language letter "D", "E", "N" or "S", and
// ".html", so "MODSTD-E.html". Empty for a system outside 0 to 3.
std::string SystemSummaryFileName(int bidSystem, HelpLanguage language);

// The sections of a bidding-system summary page, each a heading with an
// anchor the help window can open the page at.
enum class SummarySection { Openings, Responses, NoTrump, Slam, Competition, Leads };
// "openings", "responses", "notrump", "slam", "competition", "leads".
const char* SummaryAnchor(SummarySection section);

// The message for a help page that is not in the program folder.
std::string HelpFileMissingMessage(const std::string& fileName);

}  // namespace quorval
