#pragma once
// A file of double-dummy tables already solved, keyed by the deal text. The
// solver needs a second or more per deal on a busy machine, so repeated runs
// (regenerating, stats, tuning the field) read the tables from here. A table
// depends only on the deal, so the cache can never change what is generated.

#include <string>
#include <unordered_map>
#include <vector>

#include "eventsets/board_facts.h"

namespace quorval::eventgen {

class DdCache {
 public:
  // Loads the file when it exists; an empty path keeps the cache in memory.
  explicit DdCache(std::string path = {});

  bool Lookup(const Deal& deal, DdTable& table) const;
  void Store(const Deal& deal, const DdTable& table);
  // Appends the tables stored since the last save; false, with a reason, when
  // the file cannot be written.
  bool Save(std::string& error);
  size_t size() const { return tables_.size(); }

  // One line of the file: the deal text, a blank and 20 hexadecimal digits
  // (strains clubs .. no-trump, seats North .. West). False for a bad line.
  static std::string LineFor(const Deal& deal, const DdTable& table);
  static bool ParseLine(const std::string& line, std::string& dealText, DdTable& table);

 private:
  std::string path_;
  std::unordered_map<std::string, DdTable> tables_;
  std::string pending_;
};

// The table from the cache, or from the solver (and then stored).
bool AnalyseDealCached(const Deal& deal, DdCache* cache, DdTable& table, std::string& error);
// The same for many deals: those the cache lacks are solved together, spread
// over all cores.
bool AnalyseDealsCached(const std::vector<Deal>& deals, DdCache* cache, std::vector<DdTable>& tables,
                        std::string& error);

}  // namespace quorval::eventgen
