#include "data/call_meanings.h"

#include <charconv>

#include "data/comma_text.h"
#include "data/ini_store.h"
#include "data/sequence_library.h"

namespace quorval {
namespace {

constexpr const char* kConventionNames[kConventionCount] = {
    "Natural",         "Strong2C",          "Waiting",           "Multi",          "PassOrCorrect",
    "Stayman",         "StaymanAnswer",     "Transfer",          "TransferComplete", "Quantitative",
    "Blackwood",       "KeyCard1430",       "KeyCard3014",       "BlackwoodAnswer", "KeyCard1430Answer",
    "KeyCard3014Answer", "SignOff",         "Jacoby2NT",         "GameRaise2NT",   "Splinter",
    "LimitRaise",      "FeatureAsk",        "TakeoutDouble",     "NegativeDouble", "PenaltyDouble",
    "Michaels",        "Unusual2NT",        "CueRaise",          "Redouble",       "MinorAsk",
    "Invite"};

// The word that says a meaning's range counts points, not high-card points.
constexpr const char* kPointsWord = "Pts";

// Suits in the order the file writes them: spades first, as a hand is shown.
constexpr TSuit kWriteOrder[4] = {Spade, Heart, Diamond, Club};

std::string RangeText(int lo, int hi, int most) {
  if (hi >= most) return std::to_string(lo) + "+";
  if (lo == hi) return std::to_string(lo);
  return std::to_string(lo) + "-" + std::to_string(hi);
}

bool ReadNumber(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

// "15-17", "8+" or "4" within 0..most.
bool ReadRange(std::string_view text, int most, int& lo, int& hi) {
  if (!text.empty() && text.back() == '+') {
    hi = most;
    if (!ReadNumber(text.substr(0, text.size() - 1), lo)) return false;
  } else if (const size_t dash = text.find('-'); dash != std::string_view::npos) {
    if (!ReadNumber(text.substr(0, dash), lo) || !ReadNumber(text.substr(dash + 1), hi)) return false;
  } else {
    if (!ReadNumber(text, lo)) return false;
    hi = lo;
  }
  return lo >= 0 && lo <= hi && hi <= most;
}

int SuitOfLetter(char c) {
  switch (c) {
    case 'C': return Club;
    case 'D': return Diamond;
    case 'H': return Heart;
    case 'S': return Spade;
    default: return -1;
  }
}

bool Fail(std::string* problem, const std::string& text) {
  if (problem) *problem = text;
  return false;
}

}  // namespace

const char* ConventionName(CallConvention c) {
  const int i = static_cast<int>(c);
  return i >= 0 && i < kConventionCount ? kConventionNames[i] : "Natural";
}

std::optional<CallConvention> ConventionFromName(std::string_view name) {
  for (int i = 0; i < kConventionCount; ++i)
    if (name == kConventionNames[i]) return static_cast<CallConvention>(i);
  return std::nullopt;
}

bool CallMeaning::Empty() const { return *this == CallMeaning{}; }

int ShapePoints(const std::array<int, 4>& lengths, int trump) {
  int length = 0;
  for (int l : lengths) length += l > 4 ? l - 4 : 0;
  if (trump < Club || trump > Spade || lengths[trump] < 3) return length;
  const bool four = lengths[trump] >= 4;
  int shortness = 0;
  for (TSuit s = Club; s <= Spade; ++s) {
    if (s == trump) continue;
    if (lengths[s] == 0) shortness += four ? 5 : 3;
    else if (lengths[s] == 1) shortness += four ? 3 : 2;
    else if (lengths[s] == 2) shortness += 1;
  }
  return length > shortness ? length : shortness;
}

int MeasuredPoints(const CallMeaning& m, int hcp, const std::array<int, 4>& lengths) {
  return m.measure == MeaningMeasure::Points ? hcp + ShapePoints(lengths, m.strain) : hcp;
}

bool MeaningAdmits(const CallMeaning& m, int hcp, const std::array<int, 4>& lengths) {
  const int points = MeasuredPoints(m, hcp, lengths);
  if (points < m.minPts || points > m.maxPts) return false;
  for (TSuit s = Club; s <= Spade; ++s)
    if (lengths[s] < m.minLen[s] || lengths[s] > m.maxLen[s]) return false;
  return true;
}

std::string MeaningValueText(const CallMeaning& m) {
  std::vector<std::string> items{ConventionName(m.convention)};
  if (m.minPts != 0 || m.maxPts < kMostPoints) items.push_back(RangeText(m.minPts, m.maxPts, kMostPoints));
  if (m.measure == MeaningMeasure::Points) items.push_back(kPointsWord);
  const int baseLo = m.balanced ? 2 : 0, baseHi = m.balanced ? 5 : 13;
  for (TSuit s : kWriteOrder)
    if (m.minLen[s] != baseLo || m.maxLen[s] != baseHi)
      items.push_back(std::string(1, kStrainLetters[s]) + RangeText(m.minLen[s], m.maxLen[s], 13));
  if (m.balanced) items.push_back("Bal");
  if (m.force == MeaningForce::OneRound) items.push_back("F1");
  if (m.force == MeaningForce::Game) items.push_back("FG");
  if (m.strain >= Club && m.strain <= NT) items.push_back(std::string("Strain:") + kStrainLetters[m.strain]);
  return WriteCommaText(items);
}

std::optional<CallMeaning> ParseMeaningValue(std::string_view text, std::string* problem) {
  const std::vector<std::string> items = ReadCommaText(text);
  CallMeaning m;
  if (items.empty() || items.front().empty()) {
    Fail(problem, "no convention");
    return std::nullopt;
  }
  const std::optional<CallConvention> conv = ConventionFromName(items.front());
  if (!conv) {
    Fail(problem, "unknown convention \"" + items.front() + "\"");
    return std::nullopt;
  }
  m.convention = *conv;
  // Lengths are read after "Bal" is known, since a balanced meaning leaves
  // out the lengths of 2 to 5.
  std::array<bool, 4> given{};
  std::array<int, 4> lo{}, hi{};
  bool points = false;
  for (size_t i = 1; i < items.size(); ++i) {
    const std::string& item = items[i];
    bool ok = true;
    if (item == "Bal") {
      m.balanced = true;
    } else if (item == "F1" || item == "FG") {
      ok = m.force == MeaningForce::None;
      m.force = item == "F1" ? MeaningForce::OneRound : MeaningForce::Game;
    } else if (item.rfind("Strain:", 0) == 0 && item.size() == 8) {
      const size_t s = std::string_view(kStrainLetters).find(item[7]);
      ok = s != std::string_view::npos && m.strain < 0;
      m.strain = static_cast<int>(s);
    } else if (item == kPointsWord) {
      ok = m.measure == MeaningMeasure::Hcp;
      m.measure = MeaningMeasure::Points;
    } else if (!item.empty() && item[0] >= '0' && item[0] <= '9') {
      ok = !points && ReadRange(item, kMostPoints, m.minPts, m.maxPts);
      points = true;
    } else if (const int s = item.empty() ? -1 : SuitOfLetter(item[0]); s >= 0) {
      ok = !given[s] && ReadRange(std::string_view(item).substr(1), 13, lo[s], hi[s]);
      given[s] = true;
    } else {
      ok = false;
    }
    if (!ok) {
      Fail(problem, "cannot read \"" + item + "\"");
      return std::nullopt;
    }
  }
  for (TSuit s = Club; s <= Spade; ++s) {
    m.minLen[s] = given[s] ? lo[s] : m.balanced ? 2 : 0;
    m.maxLen[s] = given[s] ? hi[s] : m.balanced ? 5 : 13;
  }
  return m;
}

std::string MeaningKey(const std::vector<CallCode>& calls, size_t count) {
  std::string key;
  for (size_t i = 0; i < count && i < calls.size(); ++i) {
    if (i) key += ',';
    key += CallToken(calls[i]);
  }
  return key;
}

std::string MeaningsFileText(const std::map<char, MeaningEntries>& bySystem) {
  size_t count = 0;
  for (const auto& [letter, entries] : bySystem) count += entries.size();
  std::string text = std::string("[") + kMeaningsHeader + "]\r\n" + kMeaningsCountKey + "=" + std::to_string(count) +
                     "\r\n\r\n";
  for (const auto& [letter, entries] : bySystem) {
    text += std::string("[") + letter + "]\r\n";
    for (const auto& [key, meaning] : entries) text += key + "=" + MeaningValueText(meaning) + "\r\n";
    text += "\r\n";
  }
  return text;
}

bool CallMeanings::Load(std::string_view text, std::string* problem) {
  entries_.clear();
  TBigIniFile store("");
  store.LoadLines(SplitLibraryLines(text));
  int expected = -1;
  std::map<char, MeaningEntries> read;
  size_t count = 0;
  for (const TIniSection& section : store.Sections()) {
    if (SameName(section.name, kMeaningsHeader)) {
      const std::optional<std::string> value = FindValue(section.lines, kMeaningsCountKey);
      if (!value || !ParseIniInteger(*value, expected) || expected < 0)
        return Fail(problem, std::string("[") + kMeaningsHeader + "] has no count of entries");
      continue;
    }
    if (section.name.size() != 1) return Fail(problem, "unknown section [" + section.name + "]");
    MeaningEntries& entries = read[section.name[0]];
    for (const std::string& line : section.lines) {
      std::string key;
      if (!LineName(line, key) || key.empty())
        return Fail(problem, "[" + section.name + "]: a line without a key: \"" + line + "\"");
      std::string why;
      const std::optional<CallMeaning> m = ParseMeaningValue(std::string_view(line).substr(key.size() + 1), &why);
      if (!m) return Fail(problem, "[" + section.name + "] " + key + ": " + why);
      if (!entries.emplace(key, *m).second) return Fail(problem, "[" + section.name + "] " + key + " twice");
      ++count;
    }
  }
  if (expected < 0) return Fail(problem, std::string("no [") + kMeaningsHeader + "] section");
  if (static_cast<size_t>(expected) != count)
    return Fail(problem, std::to_string(count) + " entries where the file counts " + std::to_string(expected));
  entries_ = std::move(read);
  return true;
}

const CallMeaning* CallMeanings::Find(char systemLetter, const std::string& key) const {
  const auto system = entries_.find(systemLetter);
  if (system == entries_.end()) return nullptr;
  const auto it = system->second.find(key);
  return it == system->second.end() ? nullptr : &it->second;
}

const CallMeaning* CallMeanings::Find(char systemLetter, const std::vector<CallCode>& calls, size_t index) const {
  if (index >= calls.size()) return nullptr;
  return Find(systemLetter, MeaningKey(calls, index + 1));
}

size_t CallMeanings::Size() const {
  size_t n = 0;
  for (const auto& [letter, entries] : entries_) n += entries.size();
  return n;
}

}  // namespace quorval
