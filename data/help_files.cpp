#include "data/help_files.h"

namespace quorval {

bool HelpLanguageFromTag(int tag, HelpLanguage& language) {
  if (tag < 1 || tag > 4) return false;
  language = static_cast<HelpLanguage>(tag);
  return true;
}

std::string UserGuideFileName(HelpLanguage language) {
  switch (language) {
    case HelpLanguage::Danish: return "Dansk.html";
    case HelpLanguage::English: return "English.html";
    case HelpLanguage::Norwegian: return "Norsk.html";
    case HelpLanguage::Swedish: return "Svensk.html";
  }
  return {};
}

std::string SystemSummaryFileName(int bidSystem, HelpLanguage language) {
  static const char* const kPrefixes[4] = {"DKBAS-", "MODSTD-", "STDNOR-", "DKMOD-"};
  static const char kLetters[4] = {'D', 'E', 'N', 'S'};
  if (bidSystem < 0 || bidSystem > 3) return {};
  return std::string(kPrefixes[bidSystem]) + kLetters[static_cast<int>(language) - 1] + ".html";
}

const char* SummaryAnchor(SummarySection section) {
  switch (section) {
    case SummarySection::Openings: return "openings";
    case SummarySection::Responses: return "responses";
    case SummarySection::NoTrump: return "notrump";
    case SummarySection::Slam: return "slam";
    case SummarySection::Competition: return "competition";
    case SummarySection::Leads: return "leads";
  }
  return "openings";
}

std::string HelpFileMissingMessage(const std::string& fileName) {
  return "Can not find " + fileName + " in the Program's folder!";
}

}  // namespace quorval
