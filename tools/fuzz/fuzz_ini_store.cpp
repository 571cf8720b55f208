// The INI store: a file as loaded, changes made to it, and another text on
// disk that a save merges the changes into.
//
// Input: LOADED [NUL DISK [NUL CHANGES]]. Without DISK the disk holds what
// was loaded. CHANGES has one change a line, fields split by TAB:
// "S section key value" (WriteString), "D section key" (DeleteKey),
// "E section" (EraseSection). Keys are such as the program uses: they do not
// begin with "[".
#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "data/ini_store.h"
#include "fuzz_util.h"

using namespace quorval;
using namespace quorval::fuzz;

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

void MakeChanges(TBigIniFile& store, const std::string& script) {
  size_t start = 0;
  for (int n = 0; n < 64 && start <= script.size(); ++n) {
    size_t end = script.find('\n', start);
    if (end == std::string::npos) end = script.size();
    const std::vector<std::string> f = Fields(script.substr(start, end - start));
    start = end + 1;
    // The program's keys are names and board keys; a key that would make
    // its line read back as a section header or an end-of-file mark is none.
    const bool key = f.size() >= 3 && !f[2].empty() && f[2][0] != '[' && f[2] != "\x1A";
    if (f[0] == "S" && f.size() >= 4 && key) store.WriteString(f[1], f[2], f[3]);
    else if (f[0] == "D" && f.size() >= 3) store.DeleteKey(f[1], f[2]);
    else if (f[0] == "E" && f.size() >= 2) store.EraseSection(f[1]);
    else if (f.size() >= 2) store.ReadString(f[0], f[1], "");
  }
}

const TIniSection* Find(const TSectionList& sections, const std::string& name) {
  for (const auto& s : sections)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

// Sections with lines only: what a written file holds.
TSectionList Written(TSectionList sections) {
  sections.erase(std::remove_if(sections.begin(), sections.end(), [](const TIniSection& s) { return s.lines.empty(); }),
                 sections.end());
  return sections;
}

bool Same(const TSectionList& a, const TSectionList& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].name != b[i].name || a[i].lines != b[i].lines) return false;
  return true;
}

void CheckShape(const TSectionList& sections) {
  std::unordered_set<std::string> names;
  for (const auto& s : sections) {
    std::string lower = s.name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Require(names.insert(lower).second, "no two sections share a name");
  }
}

void Check(bool sorted, const std::vector<std::string>& parts) {
  const std::string& loadedText = parts[0];
  const std::string& diskText = parts.size() > 1 ? parts[1] : parts[0];

  TBigIniFile plain("");
  TMyINI sortedStore("");
  TBigIniFile& store = sorted ? static_cast<TBigIniFile&>(sortedStore) : plain;
  store.LoadLines(SplitIniText(loadedText));
  CheckShape(store.Sections());
  for (const auto& s : store.Sections())
    for (const auto& line : s.lines) Require(!line.empty() && line.size() <= kIniLineLimit, "lines are 1 to 255 bytes");

  // What is loaded is written and read back unchanged.
  const TSectionList loaded = Written(store.Sections());
  Require(Same(ParseIniLines(SplitIniText(IniFileText(loaded)), sorted), loaded), "a loaded file reads back the same");

  if (parts.size() > 2) MakeChanges(store, parts[2]);
  CheckShape(store.Sections());

  // The save: the changes made again on the disk's text.
  const TSectionList disk = ParseIniLines(SplitIniText(diskText), sorted);
  TSectionList merged = disk;
  ApplyChanges(merged, sorted, store.PendingChanges());
  CheckShape(merged);
  const TSectionList again = ParseIniLines(SplitIniText(IniFileText(merged)), sorted);
  Require(Same(ParseIniLines(SplitIniText(IniFileText(again)), sorted), again), "a saved file reads back the same");

  // Every line on disk survives unless a change named its key or erased its section.
  const auto& changes = store.PendingChanges();
  for (const auto& s : disk) {
    const bool erased = std::any_of(changes.begin(), changes.end(), [&](const TIniChange& c) {
      return c.kind == TIniChange::Erase && SameName(c.section, s.name);
    });
    if (erased) continue;
    const TIniSection* m = Find(merged, s.name);
    Require(m != nullptr, "a section on disk survives the save");
    std::vector<std::string> left = m->lines;
    std::string name;
    for (const auto& line : s.lines) {
      if (LineName(line, name) && std::any_of(changes.begin(), changes.end(), [&](const TIniChange& c) {
            return c.kind != TIniChange::Erase && SameName(c.section, s.name) && SameName(c.key, name);
          }))
        continue;
      const auto at = std::find(left.begin(), left.end(), line);
      Require(at != left.end(), "a line on disk that no change touched survives the save");
      left.erase(at);
    }
  }
  // And the store's own values win.
  for (const auto& s : store.Sections()) {
    for (const std::string& key : store.PendingKeys(s.name)) {
      if (key.find('=') != std::string::npos) continue;
      // A key set last without a value is a bare line that has no value to
      // compare.
      std::string last;
      for (const TIniChange& c : changes)
        if (c.kind == TIniChange::Set && SameName(c.section, s.name) && SameName(c.key, key)) last = c.line;
      if (last.find('=') == std::string::npos) continue;
      const auto mine = FindValue(s.lines, key);
      const TIniSection* m = Find(merged, s.name);
      Require(m && FindValue(m->lines, key) == mine, "the store's own value wins in the merge");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const std::vector<std::string> parts = Parts(Text(data, size), 3);
  Check(false, parts);
  Check(true, parts);
  return 0;
}
