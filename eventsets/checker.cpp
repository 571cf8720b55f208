#include "eventsets/checker.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/deal.h"
#include "data/comma_text.h"
#include "eventsets/board_facts.h"
#include "eventsets/event_files.h"
#include "scoring/contract_score.h"

namespace quorval::eventgen {

namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

bool WholeNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  for (size_t j = i; j < text.size(); ++j)
    if (!std::isdigit(static_cast<unsigned char>(text[j]))) return false;
  value = std::stoi(text);
  return true;
}

// The key's lines by name (case-blind), first occurrence wins as in the store.
struct Lines {
  std::map<std::string, std::string> values;
  std::vector<std::string> duplicates, unnamed;
};

Lines NamedLines(const RawSection& s) {
  Lines out;
  for (const std::string& line : s.lines) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
      out.unnamed.push_back(line);
      continue;
    }
    const std::string name = Upper(line.substr(0, eq));
    if (out.values.count(name)) out.duplicates.push_back(line.substr(0, eq));
    else out.values[name] = line.substr(eq + 1);
  }
  return out;
}

// Position of c in the set, or -1; a NUL byte from a damaged file is no letter.
int IndexIn(const char* set, char c) {
  const char* p = c ? std::strchr(set, c) : nullptr;
  return p ? static_cast<int>(p - set) : -1;
}

void Add(std::vector<Problem>& problems, const std::string& key, const std::string& text) {
  problems.push_back({key, text});
}

// Section names: board keys only, each once (the store would drop a repeat).
std::map<std::string, const RawSection*> IndexSections(const RawIni& ini, const std::string& file,
                                                       std::vector<Problem>& problems) {
  std::map<std::string, const RawSection*> index;
  if (ini.strayLines) Add(problems, file, std::to_string(ini.strayLines) + " line(s) before the first section");
  if (ini.longLines) Add(problems, file, std::to_string(ini.longLines) + " line(s) longer than 255 characters");
  for (const RawSection& s : ini.sections) {
    if (!IsBoardKey(s.name)) {
      Add(problems, s.name, file + ": section name is not a board key");
      continue;
    }
    if (!index.emplace(Upper(s.name), &s).second) Add(problems, s.name, file + ": section appears twice");
  }
  return index;
}

// Checks a board's section; gives its vulnerability for the results. In a
// dealt set the board turned by its Site shows board `number`'s dealer and
// vulnerability.
int CheckBoardSection(const RawSection& s, int number, bool dealtSet, std::vector<Problem>& problems) {
  const Lines lines = NamedLines(s);
  for (const std::string& d : lines.duplicates) Add(problems, s.name, "key " + d + " appears twice");
  const auto value = [&](const char* key, std::string& v) {
    const auto it = lines.values.find(Upper(key));
    if (it == lines.values.end()) {
      Add(problems, s.name, std::string("no ") + key);
      return false;
    }
    v = it->second;
    return true;
  };
  std::string v;
  bool framed = value("Dealer", v);  // dealer, vulnerability and site all readable
  if (framed && (v.size() != 1 || IndexIn("NESWnesw", v[0]) < 0)) {
    Add(problems, s.name, "Dealer \"" + v + "\" is not N, E, S or W");
    framed = false;
  }
  const Seat dealer = ParseSeat(v);
  int vul = 0;
  if (!value("Vulnerable", v)) {
    framed = false;
  } else {
    vul = ParseVulnerability(v);
    if (vul == 0 && Upper(v) != "NONE") {
      Add(problems, s.name, "Vulnerable \"" + v + "\" is not None, NS, EW or Both");
      framed = false;
    }
  }
  if (value("Deal", v)) {
    const std::string why = DealTextProblem(v);
    if (!why.empty()) Add(problems, s.name, "Deal: " + why);
  }
  int site = 0;
  if (!value("Site", v)) {
    framed = false;
  } else if (!WholeNumber(v, site) || site < 0 || site > 3) {
    Add(problems, s.name, "Site \"" + v + "\" is not 0, 1, 2 or 3");
    framed = false;
  }
  if (dealtSet && framed) {
    Seat shownDealer = dealer;
    Vulnerability shownVul = vul;
    Deal unused;
    RotateDeal(site, shownDealer, shownVul, unused);
    if (shownDealer != BoardDealer(number) || shownVul != BoardVulnerability(number))
      Add(problems, s.name,
          std::string("the table shows dealer ") + SeatLetter(shownDealer) + ", " + VulnerabilityName(shownVul) +
              " vulnerable, not board " + std::to_string(number) + "'s " + SeatLetter(BoardDealer(number)) + ", " +
              VulnerabilityName(BoardVulnerability(number)));
  }
  return vul;
}

void CheckResultSection(const RawSection& s, int vul, std::vector<Problem>& problems) {
  if (s.lines.size() != 18) {
    Add(problems, s.name, std::to_string(s.lines.size()) + " result lines, not 18");
  }
  std::set<std::string> seen;
  for (const std::string& line : s.lines) {
    const size_t eq = line.find('=');
    const std::string name = line.substr(0, eq);
    int n = 0;
    if (eq == std::string::npos || name.size() != 2 || !WholeNumber(name, n) || n < 1 || n > 18) {
      Add(problems, s.name, "line \"" + line + "\" is not a result 01= to 18=");
      continue;
    }
    if (!seen.insert(name).second) {
      Add(problems, s.name, "result " + name + " appears twice");
      continue;
    }
    const std::string why = ResultProblem(line.substr(eq + 1), vul);
    if (!why.empty()) Add(problems, s.name, "result " + name + ": " + why);
  }
}

std::string ReadFile(const std::string& path, bool& ok) {
  std::ifstream in(path, std::ios::binary);
  ok = static_cast<bool>(in);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

RawIni SplitIni(const std::string& text) {
  RawIni ini;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line == "\x1A") continue;
    if (line.size() > 255) ++ini.longLines;
    if (line.front() == '[' && line.back() == ']') {
      ini.sections.push_back({line.substr(1, line.size() - 2), {}});
    } else if (ini.sections.empty()) {
      ++ini.strayLines;
    } else {
      ini.sections.back().lines.push_back(line);
    }
  }
  return ini;
}

bool IsBoardKey(const std::string& name) {
  if (name.size() != 8 || name[5] != '.') return false;
  // The program finds sections without regard to case.
  std::string event = name.substr(0, 5);
  event[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(event[0])));
  for (int i = 1; i < 3; ++i) event[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(event[i])));
  if (!IsKnownEvent(event)) return false;
  int n = 0;
  return WholeNumber(name.substr(6), n) && n >= 1 && n <= kBoardsPerEvent;
}

std::string DealTextProblem(const std::string& text) {
  if (text.size() != kDealTextLength)
    return "has " + std::to_string(text.size()) + " characters, not " + std::to_string(kDealTextLength);
  if (IndexIn("NESW", text[0]) < 0 || text[1] != ':') return "does not start with N:, E:, S: or W:";
  Holding seen[4] = {};
  for (int hand = 0; hand < 4; ++hand) {
    const std::string h = text.substr(2 + hand * 17, 16);
    if (hand < 3 && text[2 + hand * 17 + 16] != ' ') return "hands are not separated by one blank";
    int suit = Spade, cards = 0;
    for (const char c : h) {
      if (c == '.') {
        if (--suit < Club) return "a hand has more than four suits";
        continue;
      }
      const CardCode card = ParseCard(std::string{c, 'C'});
      if (card < 4) return std::string("'") + c + "' is not a rank";
      const Holding bit = card & ~3;
      if (seen[suit] & bit) return "the " + std::string{c, kStrainLetters[suit]} + " is dealt twice";
      seen[suit] |= bit;
      ++cards;
    }
    if (suit != Club) return "a hand has fewer than four suits";
    if (cards != 13) return "a hand has " + std::to_string(cards) + " cards";
  }
  return {};
}

std::string ResultProblem(const std::string& value, int vul) {
  const std::vector<std::string> items = ReadCommaText(value);
  if (items.size() < 4) return {};  // a passed-out table
  if (items.size() > 4) return "\"" + value + "\" has more than four items";
  const std::string decl = Upper(items[0]);
  if (decl.size() != 1 || IndexIn("NESW", decl[0]) < 0) return "declarer \"" + items[0] + "\" is not a seat";
  std::string c = Upper(items[1]);
  if (c.size() < 2 || c[0] < '1' || c[0] > '7' || IndexIn(kStrainLetters, c[1]) < 0)
    return "contract \"" + items[1] + "\" is not a contract";
  std::string rest = c.substr(2);
  if (c[1] == 'N' && !rest.empty() && rest[0] == 'T') rest.erase(0, 1);
  if (rest != "" && rest != "X" && rest != "XX") return "contract \"" + items[1] + "\" is not a contract";
  int tricks = 0, score = 0;
  if (!WholeNumber(items[2], tricks) || tricks < 0 || tricks > 13)
    return "tricks \"" + items[2] + "\" are not 0 to 13";
  if (!WholeNumber(items[3], score)) return "score \"" + items[3] + "\" is not a whole number";
  const Seat declarer = ParseSeat(decl);
  const CallCode bid = MakeBid(c[0] - '0', IndexIn(kStrainLetters, c[1]));
  const int expected = ContractScore(bid, static_cast<int>(rest.size()), declarer, SideVulnerable(vul, SideOf(declarer)), tricks);
  if (expected != score) return "score " + items[3] + " should be " + std::to_string(expected);
  return {};
}

std::vector<Problem> CheckEventTexts(const std::string& boardText, const std::string& resultsText, bool dealtSet) {
  std::vector<Problem> problems;
  const RawIni boards = SplitIni(boardText), results = SplitIni(resultsText);
  const auto boardIndex = IndexSections(boards, kBoardFileName, problems);
  const auto resultIndex = IndexSections(results, kResultsFileName, problems);

  std::set<std::string> events;
  for (const auto& [key, s] : boardIndex) events.insert(key.substr(0, 5));
  for (const auto& [key, s] : resultIndex) events.insert(key.substr(0, 5));
  if (events.empty()) Add(problems, kBoardFileName, "no boards");

  for (const std::string& event : AllEvents()) {
    if (!events.count(Upper(event))) continue;
    // An event may hold fewer than 27 boards (a set made from a short hand
    // record), but always boards 1 up to its last, in both files.
    int last = 0;
    for (int n = 1; n <= kBoardsPerEvent; ++n)
      if (boardIndex.count(Upper(BoardKey(event, n))) || resultIndex.count(Upper(BoardKey(event, n)))) last = n;
    for (int n = 1; n <= last; ++n) {
      const std::string key = BoardKey(event, n);
      const auto b = boardIndex.find(Upper(key));
      const auto r = resultIndex.find(Upper(key));
      int vul = 0;
      if (b == boardIndex.end()) Add(problems, key, std::string("no section in ") + kBoardFileName);
      else vul = CheckBoardSection(*b->second, n, dealtSet, problems);
      if (r == resultIndex.end()) Add(problems, key, std::string("no section in ") + kResultsFileName);
      else CheckResultSection(*r->second, vul, problems);
    }
  }
  return problems;
}

std::vector<Problem> CheckEventSet(const std::string& dir, const LibraryChecker& library) {
  bool okBoards = false, okResults = false;
  const std::string boards = ReadFile(dir + "/" + kBoardFileName, okBoards);
  const std::string results = ReadFile(dir + "/" + kResultsFileName, okResults);
  std::vector<Problem> problems;
  if (!okBoards) Add(problems, kBoardFileName, "cannot be read in " + dir);
  if (!okResults) Add(problems, kResultsFileName, "cannot be read in " + dir);
  if (!problems.empty()) return problems;
  uint64_t seed = 0;
  std::string events, dealsFrom;
  const bool dealt = ReadSeedNote(dir, seed, events, &dealsFrom) && dealsFrom.empty();
  problems = CheckEventTexts(boards, results, dealt);
  if (library) library(dir, problems);
  return problems;
}

}  // namespace quorval::eventgen
