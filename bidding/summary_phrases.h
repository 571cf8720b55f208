#pragma once
// The phrases of the bidding-system summary pages in the four help languages.
// They are data (summary_phrases.txt, compiled into the generator), so a
// translation is changed in one table and never in the page code.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "data/help_files.h"

namespace quorval::bidder {

class PhraseTable {
 public:
  // Reads the table. Lines starting with "#" and empty lines are comments;
  // every other line is a key and the English, Danish, Norwegian and Swedish
  // texts, separated by single tabs. A text names the values the page fills
  // in as %1 to %9, and every language must name the same ones. False, with
  // the line number and the reason, for a line that breaks these rules.
  bool Parse(const std::string& text, std::string& error);

  // The key's text in `language` with %1, %2 ... replaced by `args`. A key
  // the table lacks gives "[[key]]", so a missing phrase shows on the page.
  std::string Text(const std::string& key, HelpLanguage language, const std::vector<std::string>& args = {}) const;
  bool Has(const std::string& key) const { return phrases_.count(key) != 0; }
  size_t Size() const { return phrases_.size(); }

 private:
  std::map<std::string, std::array<std::string, 4>> phrases_;
};

// The text of summary_phrases.txt as the build compiled it in.
const char* SummaryPhraseText();
// That table, read once; `error` is empty when it read cleanly.
const PhraseTable& SummaryPhrases(std::string* error = nullptr);

}  // namespace quorval::bidder
