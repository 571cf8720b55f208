#include "data/event_set.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "core/board_key.h"
#include "data/ini_store.h"

namespace quorval {
namespace {

// A board key in any case: "Imp01.05", "par12.27".
bool LooksLikeBoardKey(const std::string& key) {
  // Results are filed under the bare key; kept plays add ".Deal" and so on.
  if (key.size() > 8 && key[8] != '.') return false;
  const auto parsed = BoardKey::Parse(std::string_view(key).substr(0, 8));
  if (!parsed) return false;
  std::string kind = parsed->eventType;
  for (char& c : kind) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return kind == "imp" || kind == "par";
}

void Mix(uint64_t& h, const std::string& text) {
  for (const char c : text) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  h ^= 0xFF;   // a separator no text holds
  h *= 1099511628211ull;
}

// Renames the player's lines: those of the old set aside, those set aside
// for the new set back. Returns the counts through `s`.
void SwitchLines(TBigIniFile& store, const std::string& section, const std::string& oldId,
                 const std::string& newId, SetSwitch& s) {
  std::vector<std::string> lines;
  store.ReadSectionValues(section, lines);
  const std::string back = newId + ":";
  std::string name;
  std::vector<std::pair<std::string, std::string>> renames;
  for (const std::string& line : lines) {
    if (!LineName(line, name)) continue;
    if (LooksLikeBoardKey(name)) {
      renames.emplace_back(name, oldId + ":" + name);
      ++s.setAside;
    } else if (name.compare(0, back.size(), back) == 0 && LooksLikeBoardKey(name.substr(back.size()))) {
      renames.emplace_back(name, name.substr(back.size()));
      ++s.restored;
    }
  }
  // Values first, so that a key set aside and one taken back never meet.
  std::vector<std::string> values;
  for (const auto& r : renames) values.push_back(store.ReadString(section, r.first, ""));
  for (const auto& r : renames) store.DeleteKey(section, r.first);
  for (size_t i = 0; i < renames.size(); ++i) store.WriteString(section, renames[i].second, values[i]);
}

bool HasBoardLines(const TBigIniFile& store, const std::string& section) {
  std::vector<std::string> lines;
  store.ReadSectionValues(section, lines);
  std::string name;
  for (const std::string& line : lines)
    if (LineName(line, name) && LooksLikeBoardKey(name)) return true;
  return false;
}

}  // namespace

std::string EventSetId(const TBigIniFile& boards) {
  // Each board as one text, in key order, so that the order of the file's
  // sections and lines does not matter.
  std::vector<std::string> texts;
  for (const TIniSection& section : boards.Sections()) {
    if (!LooksLikeBoardKey(section.name) || section.name.size() != 8) continue;
    std::string text = section.name;
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* field : {"Dealer", "Vulnerable", "Deal", "Site"}) {
      const auto value = FindValue(section.lines, field);
      text += '\n' + (value ? *value : std::string());
    }
    texts.push_back(text);
  }
  std::sort(texts.begin(), texts.end());
  uint64_t h = 14695981039346656037ull;
  for (const std::string& text : texts) Mix(h, text);
  char id[17];
  std::snprintf(id, sizeof id, "%016llX", static_cast<unsigned long long>(h));
  return id;
}

bool IsSetAsideKey(const std::string& key) {
  const size_t colon = key.find(':');
  return colon != std::string::npos && LooksLikeBoardKey(key.substr(colon + 1));
}

SetSwitch AdoptEventSet(TBigIniFile& options, TBigIniFile* plays, const std::string& player, const std::string& setId) {
  SetSwitch s;
  const std::string stored = options.ReadString(player, kEventSetKey, "");
  if (stored == setId) return s;
  // A player without results yet is not tied to any set; the key comes with
  // the first result.
  if (stored.empty() && !HasBoardLines(options, player)) return s;
  if (!stored.empty()) {
    s.switched = true;
    SwitchLines(options, player, stored, setId, s);
    if (plays) SwitchLines(*plays, player, stored, setId, s);
  }
  // The results first: what must never count in another set is out of the
  // way before anything else is saved.
  options.WriteString(player, kEventSetKey, setId);
  s.written = options.UpdateFile();
  if (plays && s.switched) s.written = plays->UpdateFile() && s.written;
  return s;
}

}  // namespace quorval
