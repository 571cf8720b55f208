#include "eventsets/dd_analysis.h"

#include "eventsets/dd_cache.h"

namespace quorval::eventgen {

bool AnalyseBoard(BoardFacts& facts, DdCache* cache, std::string& error) {
  if (!AnalyseDealCached(facts.deal, cache, facts.dd, error)) return false;
  facts.par = ComputePar(facts.dd, facts.dealer, facts.vul);
  return true;
}

}  // namespace quorval::eventgen
