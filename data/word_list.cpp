#include "data/word_list.h"

#include "data/ini_store.h"

namespace quorval {
namespace {

const std::string kEmpty;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the UTF-8 sequence starting at `at`, or 0 when the bytes
// there do not form one (overlong forms, surrogates and values past U+10FFFF
// included).
size_t Utf8Length(std::string_view s, size_t at) {
  const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char c = b(at);
  if (c < 0x80) return 1;
  size_t n = 0;
  unsigned min = 0, value = 0;
  if ((c & 0xE0) == 0xC0) n = 2, min = 0x80, value = c & 0x1F;
  else if ((c & 0xF0) == 0xE0) n = 3, min = 0x800, value = c & 0x0F;
  else if ((c & 0xF8) == 0xF0) n = 4, min = 0x10000, value = c & 0x07;
  else return 0;
  if (at + n > s.size()) return 0;
  for (size_t i = 1; i < n; ++i) {
    if ((b(at + i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b(at + i) & 0x3F);
  }
  if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return n;
}

// The line with every byte that is not part of a UTF-8 sequence replaced by
// U+FFFD; `bad` counts them.
std::string ValidUtf8(std::string_view line, int& bad) {
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size();) {
    const size_t n = Utf8Length(line, i);
    if (n == 0) {
      out += kReplacement;
      ++bad;
      ++i;
    } else {
      out.append(line.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

WordKey KindOfKey(std::string_view key) {
  if (key == "\"") return WordKey::Continuation;
  if (SameName(std::string(key), "\".Hint")) return WordKey::Hint;
  if (SameName(std::string(key), "%Form%")) return WordKey::Form;
  return WordKey::Control;
}

WordList WordList::Parse(std::string_view text) {
  WordList list;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  int lineNo = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (raw.empty() || raw.front() == '#') continue;

    const std::string where = "line " + std::to_string(lineNo) + ": ";
    int bad = 0;
    const std::string line = ValidUtf8(raw, bad);
    if (bad) list.problems_.push_back(where + std::to_string(bad) + " bytes that are not UTF-8");

    std::vector<std::string> cells;
    size_t from = 0;
    while (true) {
      const size_t tab = line.find('\t', from);
      cells.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
      if (tab == std::string::npos) break;
      from = tab + 1;
    }
    if (cells.size() != 1 + kWordLanguages)
      list.problems_.push_back(where + std::to_string(cells.size()) + " cells instead of " +
                               std::to_string(1 + kWordLanguages));

    WordRow row;
    row.line = lineNo;
    row.key = Trimmed(cells[0]);
    if (row.key != cells[0]) list.problems_.push_back(where + "blanks around the key");
    if (row.key.empty()) list.problems_.push_back(where + "no key");
    for (int l = 0; l < kWordLanguages && size_t(l + 1) < cells.size(); ++l) row.texts[l] = cells[l + 1];
    list.rows_.push_back(std::move(row));
  }
  return list;
}

std::optional<std::string> WordList::Find(std::string_view key, int language) const {
  if (language < 0 || language >= kWordLanguages) return std::nullopt;
  for (const WordRow& row : rows_)
    if (SameName(row.key, std::string(key))) return row.texts[language];
  constexpr std::string_view kHint = ".Hint";
  if (key.size() <= kHint.size() || !SameName(std::string(key.substr(key.size() - kHint.size())), std::string(kHint)))
    return std::nullopt;
  const std::string control(key.substr(0, key.size() - kHint.size()));
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (!SameName(rows_[i].key, control)) continue;
    size_t j = i + 1;
    while (j < rows_.size() && KindOfKey(rows_[j].key) == WordKey::Continuation) ++j;
    if (j < rows_.size() && KindOfKey(rows_[j].key) == WordKey::Hint) return rows_[j].texts[language];
    return std::nullopt;
  }
  return std::nullopt;
}

WordCursor::WordCursor(const WordList& list, int language, bool defaultEnabled, int defaultLanguage)
    : rows_(&list.Rows()), language_(language), defaultEnabled_(defaultEnabled), defaultLanguage_(defaultLanguage) {}

const std::string& WordCursor::Key() const { return AtEnd() ? kEmpty : (*rows_)[row_].key; }

const std::string& WordCursor::Cell(const WordRow& row) const {
  const auto cell = [&](int l) -> const std::string& {
    return l >= 0 && l < kWordLanguages ? row.texts[l] : kEmpty;
  };
  const std::string& text = cell(language_);
  if (text.empty() && defaultEnabled_) return cell(defaultLanguage_);
  return text;
}

std::optional<std::string> WordCursor::NextText() {
  if (AtEnd()) return std::nullopt;
  return Cell((*rows_)[row_++]);
}

std::vector<std::string> WordCursor::ItemTexts(size_t count, bool itemsAreContinuations) {
  std::vector<std::string> items(count);
  for (size_t i = 0; i < count; ++i) {
    if (i > 0 || itemsAreContinuations) {
      if (!AtContinuation()) break;
    }
    const auto text = NextText();
    if (!text) break;
    items[i] = *text;
  }
  return items;
}

std::optional<std::string> WordCursor::HintText(size_t firstRow) {
  if (row_ == firstRow && !AtEnd()) ++row_;
  if (!AtHint()) return std::nullopt;
  const auto text = NextText();
  if (!text || text->empty()) return std::nullopt;
  return text;
}

void WordCursor::SkipOwnRows() {
  while (AtContinuation() || AtHint()) ++row_;
}

WalkCounts WordWalk::Run(const WordList& list, int language, WordListTarget& target, bool defaultEnabled,
                         int defaultLanguage) {
  WalkCounts counts;
  WordCursor cursor(list, language, defaultEnabled, defaultLanguage);
  while (!cursor.AtEnd()) {
    const size_t first = cursor.Row();
    const std::string key = cursor.Key();
    if (KindOfKey(key) == WordKey::Form) {
      target.SetFormCaption(cursor.NextText().value_or(std::string()));
      continue;
    }
    WordListTarget::Outcome outcome;
    try {
      outcome = target.ApplyControl(key, cursor);
    } catch (...) {
      outcome = WordListTarget::Outcome::Failed;
    }
    switch (outcome) {
      case WordListTarget::Outcome::NotFound:
        // Whatever the target did, a key that names nothing is one row.
        cursor.row_ = first + 1;
        ++counts.skipped;
        break;
      case WordListTarget::Outcome::Failed:
        if (cursor.row_ <= first) cursor.row_ = first + 1;
        cursor.SkipOwnRows();
        ++counts.failed;
        break;
      case WordListTarget::Outcome::Applied:
        // A control always has a first row, even one that takes no text.
        if (cursor.row_ <= first) cursor.row_ = first + 1;
        ++counts.applied;
        break;
    }
  }
  return counts;
}

}  // namespace quorval
