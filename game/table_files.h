#pragma once
// The stores the table reads and writes for the whole run: the options file
// with the current player's settings and results, the event board file, the
// field-results file and the sequence library. The program opens them at
// start; tests open them on fixture files.

#include <map>
#include <string>
#include <vector>

#include "core/board_key.h"
#include "data/call_meanings.h"
#include "data/ini_store.h"
#include "data/options.h"

namespace quorval {

struct TableFiles {
  TBigIniFile& options;
  TBigIniFile& boards;
  TBigIniFile& results;
  const TBigIniFile& library;
  TOption& option;
  // The kept plays ("Plays2005.ini"); none in runs that keep no play.
  TBigIniFile* plays = nullptr;
  // The fingerprint of the event set (data/event_set.h); empty where results
  // are not told apart by set (tests on fixture files).
  std::string eventSetId{};
  // Events that end before board 27 ("Par02" -> 3), from the set's note.
  std::map<std::string, int> shortEvents{};

  // The last board of an event ("Par", "02").
  int EventLength(const std::string& event, const std::string& session) const {
    const auto it = shortEvents.find(event + session);
    return it == shortEvents.end() ? kBoardsPerEvent : it->second;
  }

  // The meanings of the library's calls; none, or empty, leaves the calls
  // without meanings. `meaningsProblem` says why they could not be read (the
  // table tells the user once).
  const CallMeanings* meanings = nullptr;
  std::string meaningsProblem{};

  std::vector<std::string> Section(const TBigIniFile& store, const std::string& name) const {
    std::vector<std::string> raw, lines;
    store.ReadSectionValues(name, raw);
    // Blank lines (the library separates its sections with them) carry nothing.
    for (auto& line : raw)
      if (line.find_first_not_of(" \t\r\n") != std::string::npos) lines.push_back(std::move(line));
    return lines;
  }
  std::vector<std::string> BoardSection(const std::string& key) const { return Section(boards, key); }
  std::vector<std::string> ResultSection(const std::string& key) const { return Section(results, key); }
  std::vector<std::string> LibrarySection(const std::string& name) const { return Section(library, name); }
  std::string PlayerValue(const std::string& key, const std::string& fallback) const {
    return options.ReadString(option.CurrentPlayer, key, fallback);
  }
  std::string PlayerName() const { return option.CurrentPlayer; }
};

}  // namespace quorval
