#include "eventsets/dd_cache.h"

#include <fstream>

#include "eventsets/dd_analysis.h"

namespace quorval::eventgen {

DdCache::DdCache(std::string path) : path_(std::move(path)) {
  if (path_.empty()) return;
  std::ifstream in(path_, std::ios::binary);
  std::string line, dealText;
  while (std::getline(in, line)) {
    DdTable table;
    // A damaged line (an interrupted write) is only a table to solve again.
    if (ParseLine(line, dealText, table)) tables_[dealText] = table;
  }
}

std::string DdCache::LineFor(const Deal& deal, const DdTable& table) {
  std::string line = DealText(deal, North) + ' ';
  for (tAllTrump strain = 0; strain < 5; ++strain)
    for (Seat s = 0; s < 4; ++s) line += "0123456789ABCD"[table.at(strain, s)];
  return line;
}

bool DdCache::ParseLine(const std::string& line, std::string& dealText, DdTable& table) {
  if (line.size() != kDealTextLength + 21 || line[kDealTextLength] != ' ') return false;
  dealText = line.substr(0, kDealTextLength);
  Deal deal;
  std::vector<std::string> errors;
  if (!ParseDeal(dealText, deal, errors) || !DealIsComplete(deal)) return false;
  for (int i = 0; i < 20; ++i) {
    const char c = line[kDealTextLength + 1 + i];
    const int v = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'D' ? c - 'A' + 10 : -1;
    if (v < 0) return false;
    table.tricks[i / 4][i % 4] = v;
  }
  return true;
}

bool DdCache::Lookup(const Deal& deal, DdTable& table) const {
  const auto it = tables_.find(DealText(deal, North));
  if (it == tables_.end()) return false;
  table = it->second;
  return true;
}

void DdCache::Store(const Deal& deal, const DdTable& table) {
  if (tables_.emplace(DealText(deal, North), table).second) pending_ += LineFor(deal, table) + '\n';
}

bool DdCache::Save(std::string& error) {
  if (path_.empty() || pending_.empty()) return true;
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  out << pending_;
  out.close();
  if (!out) {
    error = "could not write the solver cache " + path_;
    return false;
  }
  pending_.clear();
  return true;
}

bool AnalyseDealCached(const Deal& deal, DdCache* cache, DdTable& table, std::string& error) {
  if (cache && cache->Lookup(deal, table)) return true;
  if (!AnalyseDeal(deal, table, error)) return false;
  if (cache) cache->Store(deal, table);
  return true;
}

}  // namespace quorval::eventgen

namespace quorval::eventgen {

bool AnalyseDealsCached(const std::vector<Deal>& deals, DdCache* cache, std::vector<DdTable>& tables,
                        std::string& error) {
  std::vector<DdTable> result(deals.size());
  std::vector<Deal> missing;
  std::vector<size_t> where;
  for (size_t i = 0; i < deals.size(); ++i)
    if (!cache || !cache->Lookup(deals[i], result[i])) {
      missing.push_back(deals[i]);
      where.push_back(i);
    }
  std::vector<DdTable> solved;
  if (!missing.empty() && !AnalyseDeals(missing, solved, error)) return false;
  for (size_t k = 0; k < where.size(); ++k) {
    result[where[k]] = solved[k];
    if (cache) cache->Store(missing[k], solved[k]);
  }
  tables = std::move(result);
  return true;
}

}  // namespace quorval::eventgen
