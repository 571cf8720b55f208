#include "bidding/summary_phrases.h"

#include <set>
#include <sstream>

namespace quorval::bidder {
namespace {

// Column of a language in the table: English first, as translators read it.
int Column(HelpLanguage language) {
  switch (language) {
    case HelpLanguage::English: return 0;
    case HelpLanguage::Danish: return 1;
    case HelpLanguage::Norwegian: return 2;
    case HelpLanguage::Swedish: return 3;
  }
  return 0;
}

std::set<int> Placeholders(const std::string& text) {
  std::set<int> found;
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text[i + 1] - '0');
  return found;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    cells.push_back(line.substr(start, tab - start));
  cells.push_back(line.substr(start));
  return cells;
}

}  // namespace

bool PhraseTable::Parse(const std::string& text, std::string& error) {
  phrases_.clear();
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string where = "phrase line " + std::to_string(number) + ": ";
    const std::vector<std::string> cells = SplitTabs(line);
    if (cells.size() != 5) {
      error = where + std::to_string(cells.size()) + " cells instead of a key and four texts";
      return false;
    }
    const std::string& key = cells[0];
    if (key.empty() || phrases_.count(key)) {
      error = where + (key.empty() ? "no key" : "key " + key + " appears twice");
      return false;
    }
    std::array<std::string, 4> texts{cells[1], cells[2], cells[3], cells[4]};
    for (int c = 0; c < 4; ++c) {
      if (texts[c].empty()) {
        error = where + key + " has an empty text";
        return false;
      }
      if (Placeholders(texts[c]) != Placeholders(texts[0])) {
        error = where + key + " does not fill in the same values in every language";
        return false;
      }
    }
    phrases_.emplace(key, std::move(texts));
  }
  error.clear();
  return true;
}

std::string PhraseTable::Text(const std::string& key, HelpLanguage language,
                              const std::vector<std::string>& args) const {
  const auto found = phrases_.find(key);
  if (found == phrases_.end()) return "[[" + key + "]]";
  const std::string& text = found->second[Column(language)];
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(text[i + 1] - '1');
      out += n < args.size() ? args[n] : "[[%" + std::string(1, text[i + 1]) + "]]";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

const PhraseTable& SummaryPhrases(std::string* error) {
  static std::string parseError;
  static const PhraseTable table = [] {
    PhraseTable t;
    t.Parse(SummaryPhraseText(), parseError);
    return t;
  }();
  if (error) *error = parseError;
  return table;
}

}  // namespace quorval::bidder
