#include "eventsets/stats.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/deal.h"
#include "data/comma_text.h"
#include "eventsets/checker.h"
#include "eventsets/dd_analysis.h"
#include "eventsets/dd_cache.h"
#include "eventsets/event_files.h"
#include "eventsets/site.h"
#include "scoring/figures.h"

namespace quorval::eventgen {

double EventStats::DeclaringShare() const {
  const int withContract = roles[0] + roles[1] + roles[2];
  return withContract ? double(roles[0] + roles[1]) / withContract : 0;
}

double EventStats::DeclarerOfDeclaring() const {
  const int declaring = roles[0] + roles[1];
  return declaring ? double(roles[0]) / declaring : 0;
}

double EventStats::DistinctPerBoard() const { return boards ? double(distinctContracts) / boards : 0; }

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::map<std::string, std::string> Values(const RawSection& s) {
  std::map<std::string, std::string> values;
  for (const std::string& line : s.lines) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos) values.emplace(Upper(line.substr(0, eq)), line.substr(eq + 1));
  }
  return values;
}

struct ParsedResult {
  Contract contract;
  int scoreNS = 0;
};

bool ParseResult(const std::string& value, ParsedResult& r) {
  const std::vector<std::string> items = ReadCommaText(value);
  if (items.size() < 4) return true;  // passed out
  if (items.size() > 4 || items[1].size() < 2) return false;
  const std::string c = Upper(items[1]);
  const char* strain = c[1] ? std::strchr(kStrainLetters, c[1]) : nullptr;
  if (c[0] < '1' || c[0] > '7' || !strain) return false;
  r.contract.bid = MakeBid(c[0] - '0', static_cast<tAllTrump>(strain - kStrainLetters));
  r.contract.DoubledCount = c.find("XX") != std::string::npos ? 2 : c.find('X') != std::string::npos ? 1 : 0;
  r.contract.declarer = ParseSeat(items[0]);
  r.scoreNS = static_cast<int>(std::strtol(items[3].c_str(), nullptr, 10));
  return true;
}

struct Sums {
  std::array<long, 3> vsPar{}, vsField{};
};

void Accumulate(EventStats& into, const EventStats& board, const Sums& sums, Sums& total) {
  into.boards += board.boards;
  for (int i = 0; i < 4; ++i) into.roles[i] += board.roles[i];
  into.results += board.results;
  into.passedOut += board.passedOut;
  into.partscores += board.partscores;
  into.games += board.games;
  into.slams += board.slams;
  into.doubled += board.doubled;
  into.parContracts += board.parContracts;
  into.distinctContracts += board.distinctContracts;
  for (int s = 0; s < 3; ++s) {
    total.vsPar[s] += sums.vsPar[s];
    total.vsField[s] += sums.vsField[s];
  }
}

// Per-board figures are sums over six tables; divide by 6 and by the boards.
void Finish(EventStats& e, const Sums& sums) {
  for (int s = 0; s < 3; ++s) {
    e.impsVsPar[s] = e.boards ? sums.vsPar[s] / (6.0 * e.boards) : 0;
    e.impsVsField[s] = e.boards ? sums.vsField[s] / (6.0 * e.boards) : 0;
  }
}

}  // namespace

bool CollectStats(const std::string& dir, std::vector<EventStats>& perEvent, EventStats& overall, int& skipped,
                  std::string& error, DdCache* cache) {
  std::string boardText, resultsText;
  if (!ReadTextFile(dir + "/" + kBoardFileName, boardText) || !ReadTextFile(dir + "/" + kResultsFileName, resultsText)) {
    error = "cannot read the event files in " + dir;
    return false;
  }
  const RawIni boards = SplitIni(boardText), results = SplitIni(resultsText);
  std::map<std::string, const RawSection*> resultIndex;
  for (const RawSection& s : results.sections) resultIndex.emplace(Upper(s.name), &s);

  perEvent.clear();
  overall = EventStats{};
  overall.name = "All";
  skipped = 0;
  Sums overallSums, eventSums;
  for (const RawSection& section : boards.sections) {
    const auto r = resultIndex.find(Upper(section.name));
    if (!IsBoardKey(section.name) || r == resultIndex.end() || r->second->lines.size() != 18) {
      ++skipped;
      continue;
    }
    const auto values = Values(section);
    const auto get = [&](const char* key) {
      const auto it = values.find(Upper(key));
      return it == values.end() ? std::string() : it->second;
    };
    std::vector<std::string> dealErrors;
    Deal deal;
    if (!ParseDeal(get("Deal"), deal, dealErrors) || !DealIsComplete(deal)) {
      ++skipped;
      continue;
    }
    const Seat dealer = ParseSeat(get("Dealer"));
    const Vulnerability vul = ParseVulnerability(get("Vulnerable"));
    const int site = static_cast<int>(((std::strtol(get("Site").c_str(), nullptr, 10) % 4) + 4) % 4);
    DdTable dd;
    if (!AnalyseDealCached(deal, cache, dd, error)) {
      ++skipped;
      continue;
    }
    const ParInfo par = ComputePar(dd, dealer, vul);

    const std::string event = section.name.substr(0, 5);
    if (perEvent.empty() || Upper(perEvent.back().name) != Upper(event)) {
      if (!perEvent.empty()) Finish(perEvent.back(), eventSums);
      perEvent.push_back(EventStats{});
      perEvent.back().name = event;
      eventSums = Sums{};
    }

    EventStats board;
    board.boards = 1;
    const Seat user = (South - site + 4) & 3;
    const int sign = SideOf(user) == 1 ? 1 : -1;
    board.roles[static_cast<int>(UserRole(site, par.contract))] = 1;

    ParsedResult field[18];
    long total = 0;
    for (const std::string& line : r->second->lines) {
      const size_t eq = line.find('=');
      const int n = eq == 2 ? std::atoi(line.substr(0, 2).c_str()) : 0;
      if (n >= 1 && n <= 18) ParseResult(line.substr(eq + 1), field[n - 1]);
    }
    for (const ParsedResult& f : field) total += f.scoreNS;
    const double mean = total / 18.0;
    Sums sums;
    std::set<std::pair<CallCode, int>> contracts;  // declarer not counted
    for (int n = 0; n < 18; ++n) {
      const ParsedResult& f = field[n];
      const int stratum = n / 6;
      sums.vsPar[stratum] += ImpsForDifference(sign * (f.scoreNS - par.scoreNS));
      sums.vsField[stratum] += ImpsForDifference(static_cast<int>(std::lround(sign * (f.scoreNS - mean))));
      ++board.results;
      contracts.insert({f.contract.bid, f.contract.DoubledCount});
      if (f.contract.PassedOut()) {
        ++board.passedOut;
        continue;
      }
      const int level = f.contract.level();
      if (level >= 6) ++board.slams;
      else if (level * (f.contract.strain() >= Heart ? 30 : 20) + (f.contract.strain() == NT ? 10 : 0) >= 100) ++board.games;
      else ++board.partscores;
      if (f.contract.DoubledCount) ++board.doubled;
      if (!par.passedOut && f.contract.bid == par.contract.bid &&
          SideOf(f.contract.declarer) == SideOf(par.contract.declarer))
        ++board.parContracts;
    }
    board.distinctContracts = static_cast<int>(contracts.size());
    Accumulate(perEvent.back(), board, sums, eventSums);
    Accumulate(overall, board, sums, overallSums);
  }
  if (!perEvent.empty()) Finish(perEvent.back(), eventSums);
  Finish(overall, overallSums);
  return true;
}

static std::string Line(const EventStats& e) {
  char buf[256];
  std::snprintf(buf, sizeof buf,
                "%-6s %3d  %3d %3d %3d %2d  %5.1f%% %5.1f%%   %+6.2f %+6.2f %+6.2f   %+6.2f %+6.2f %+6.2f\n",
                e.name.c_str(), e.boards, e.roles[0], e.roles[1], e.roles[2], e.roles[3], 100 * e.DeclaringShare(),
                100 * e.DeclarerOfDeclaring(), e.impsVsPar[0], e.impsVsPar[1], e.impsVsPar[2], e.impsVsField[0],
                e.impsVsField[1], e.impsVsField[2]);
  return buf;
}

std::string StatsReport(const std::vector<EventStats>& perEvent, const EventStats& overall) {
  std::string text =
      "                  South's role           declaring      IMPs/board vs par        IMPs/board vs field\n"
      "event  bds  dec dum def po  share  as decl       A      B      C         A      B      C\n";
  for (const EventStats& e : perEvent) text += Line(e);
  text += Line(overall);
  char buf[256];
  const double n = overall.results ? overall.results : 1;
  std::snprintf(buf, sizeof buf,
                "field contracts: %d results, partscores %.1f%%, games %.1f%%, slams %.1f%%, passed out %.1f%%, "
                "doubled %.1f%%, the par contract %.1f%%\n"
                "field texture: %.1f%% of the results doubled, %.2f different contracts a board\n",
                overall.results, 100 * overall.partscores / n, 100 * overall.games / n, 100 * overall.slams / n,
                100 * overall.passedOut / n, 100 * overall.doubled / n, 100 * overall.parContracts / n,
                100 * overall.doubled / n, overall.DistinctPerBoard());
  return text + buf;
}

}  // namespace quorval::eventgen
