#include "eventsets/library_stats.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "bidding/library.h"
#include "bidding/library_check.h"
#include "bidding/meanings_file.h"
#include "eventsets/dd_analysis.h"
#include "eventsets/event_files.h"
#include "eventsets/lead_values.h"
#include "eventsets/stats.h"
#include "scoring/contract_score.h"
#include "scoring/figures.h"

namespace quorval::eventgen {

using bidder::kAllSystems;
using bidder::LibraryBoard;
using bidder::System;
using bidder::TableReading;
using bidder::View;

namespace {

struct ParsedLine {
  std::vector<CallCode> calls;
  std::vector<std::pair<CardCode, int>> leads;
};

ParsedLine Parse(const std::string& line) {
  ParsedLine out;
  std::vector<std::string> f;
  std::string item;
  std::istringstream in(line);
  while (std::getline(in, item, ',')) f.push_back(item);
  size_t i = 0;
  for (; i < f.size() && f[i] != "Lead"; ++i) out.calls.push_back(ParseCall(f[i]));
  for (++i; i + 1 < f.size(); i += 2) out.leads.push_back({ParseCard(f[i]), std::atoi(f[i + 1].c_str())});
  return out;
}

}  // namespace

bool CollectLibraryStats(const std::string& dir, DdCache* cache, std::array<SystemLibraryStats, 4>& out,
                         std::string& error) {
  namespace fs = std::filesystem;
  std::string boardText, libraryText;
  if (!ReadTextFile((fs::path(dir) / kBoardFileName).string(), boardText)) {
    error = std::string("no ") + kBoardFileName + " in " + dir;
    return false;
  }
  if (!ReadTextFile((fs::path(dir) / bidder::kLibraryFileName).string(), libraryText)) {
    error = std::string("no ") + bidder::kLibraryFileName + " in " + dir;
    return false;
  }
  std::map<std::string, LibraryBoard> boards;
  for (const LibraryBoard& b : bidder::BoardsFromBoardFile(boardText)) boards[b.key] = b;
  const std::map<std::string, std::vector<std::string>> sections = bidder::LibrarySections(libraryText);
  LeadSolver solver;
  TableReading reading;
  std::map<std::string, DdTable> tables;
  out = {};
  for (const auto& [name, lines] : sections) {
    if (name.size() != 10 || lines.empty()) continue;
    System system;
    if (!bidder::SystemFromLetter(name[9], system)) continue;
    const auto it = boards.find(name.substr(0, 8));
    if (it == boards.end()) continue;
    const LibraryBoard& board = it->second;
    auto table = tables.find(board.key);
    if (table == tables.end()) {
      DdTable t;
      if (!AnalyseDealCached(board.deal, cache, t, error)) return false;
      table = tables.emplace(board.key, t).first;
    }
    SystemLibraryStats& s = out[static_cast<int>(system)];
    ++s.sections;
    s.lines += static_cast<int>(lines.size());
    // The main line against par.
    const ParsedLine main = Parse(lines.front());
    Auction auction(board.dealer);
    for (CallCode c : main.calls) auction.Make(c);
    const Contract contract = auction.Result();
    const ParInfo par = ComputePar(table->second, board.dealer, board.vul);
    int scoreNS = 0;
    if (!contract.PassedOut()) {
      const int tricks = table->second.at(contract.strain(), contract.declarer);
      scoreNS = ContractScore(contract, tricks, board.vul);
      ++s.contracts;
      if (tricks >= contract.level() + 6) ++s.makes;
    }
    s.impsLost += std::abs(ImpsForDifference(scoreNS - par.scoreNS));
    // The user's first call.
    const Seat user = board.UserSeat();
    int first = 0;
    while (first < static_cast<int>(main.calls.size()) && ((board.dealer + first) & 3) != user) ++first;
    std::set<CallCode> firstCalls;
    for (const std::string& l : lines) {
      const ParsedLine p = Parse(l);
      if (first < static_cast<int>(p.calls.size())) firstCalls.insert(p.calls[first]);
      Auction a(board.dealer);
      for (CallCode c : p.calls) a.Make(c);
      const Contract k = a.Result();
      if (k.PassedOut()) continue;
      LeadValues values;
      const Seat leader = bidder::OpeningLeader(p.calls, board.dealer);
      if (!solver.Solve(board.deal, leader, k.strain(), values)) continue;
      for (const auto& [card, pct] : p.leads) {
        s.leadPercent += pct;
        if (values.Keeps(card)) s.leadPercentKept += pct;
      }
    }
    if (firstCalls.size() > 1) ++s.altAtFirstCall;
    s.alternatives += static_cast<int>(firstCalls.size()) - (firstCalls.empty() ? 0 : 1);
    // Whether a player of the system weighs another first call with the hand.
    if (first < static_cast<int>(main.calls.size())) {
      View table(system, board.dealer, board.vul);
      reading.ReadAuction({main.calls.begin(), main.calls.begin() + first}, table);
      if (!bidder::WeighedCalls(bidder::HandOf(board.deal, user), table).empty()) {
        ++s.choiceAtFirstCall;
        if (firstCalls.size() > 1) ++s.altWhereChoice;
      }
    }
  }
  return true;
}

std::string LibraryStatsReport(const std::array<SystemLibraryStats, 4>& stats) {
  std::string text =
      "Library by system      sections  IMPs lost vs par/board  main makes  lines/section  alt at 1st call  "
      "alt where a choice  alternatives/section  leads keeping DD\n";
  for (System system : kAllSystems) {
    const SystemLibraryStats& s = stats[static_cast<int>(system)];
    if (s.sections == 0) continue;
    char row[256];
    std::snprintf(row, sizeof row, "%-20s %10d %22.2f %10.1f%% %14.2f %15.1f%% %12.1f%% %4d %21.2f %16.1f%%\n",
                  bidder::Definition(system).name, s.sections, static_cast<double>(s.impsLost) / s.sections,
                  s.contracts ? 100.0 * s.makes / s.contracts : 0.0, static_cast<double>(s.lines) / s.sections,
                  100.0 * s.altAtFirstCall / s.sections,
                  s.choiceAtFirstCall ? 100.0 * s.altWhereChoice / s.choiceAtFirstCall : 0.0, s.choiceAtFirstCall,
                  static_cast<double>(s.alternatives) / s.sections,
                  s.leadPercent ? 100.0 * static_cast<double>(s.leadPercentKept) / static_cast<double>(s.leadPercent) : 0.0);
    text += row;
  }
  return text;
}

namespace {

// The meanings file and the library of the set in dir; false, with why, when
// either is missing or the meanings do not read.
bool ReadSetMeanings(const std::string& dir, CallMeanings& meanings, std::string& libraryText, std::string& why) {
  std::string text;
  if (!ReadTextFile((std::filesystem::path(dir) / kMeaningsFileName).string(), text)) {
    why = std::string("no ") + kMeaningsFileName;
    return false;
  }
  if (!meanings.Load(text, &why)) return false;
  if (!ReadTextFile((std::filesystem::path(dir) / bidder::kLibraryFileName).string(), libraryText)) {
    why = std::string("no ") + bidder::kLibraryFileName;
    return false;
  }
  return true;
}

}  // namespace

std::string MeaningsStatsText(const std::string& dir) {
  CallMeanings meanings;
  std::string library, why;
  if (!ReadSetMeanings(dir, meanings, library, why)) return "meanings: " + why + "\n";
  return bidder::MeaningsStatsReport(bidder::CountMeanings(meanings));
}

std::string ExplainedCallsText(const std::string& dir) {
  CallMeanings meanings;
  std::string library, why;
  if (!ReadSetMeanings(dir, meanings, library, why)) return {};
  const bidder::MeaningsCoverage coverage = bidder::CoverageOf(library, meanings);
  if (coverage.missing) return {};
  return "Every stored call explained: " + std::to_string(coverage.calls) + " calls (once per section), " +
         std::to_string(meanings.Size()) + " meanings";
}

}  // namespace quorval::eventgen
