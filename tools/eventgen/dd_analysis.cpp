#include "tools/eventgen/dd_analysis.h"

#include <dds/dll.h>

#include <mutex>

#include "play/review/dd_facts.h"
#include "tools/eventgen/dd_cache.h"

namespace quorval::eventgen {

void InitSolver() {
  static std::once_flag once;
  std::call_once(once, [] { SetMaxThreads(0); });
}

bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error) {
  InitSolver();
  review::MakeableTable solved;
  if (!review::SolveMakeableTable(deal, solved, error)) return false;
  table.tricks = solved.tricks;
  return true;
}

ParInfo ComputePar(const DdTable& table, Seat dealer, Vulnerability vul) {
  review::MakeableTable in;
  in.tricks = table.tricks;
  const review::ParResult found = review::ParOf(in, dealer, vul);
  ParInfo par;
  if (!found.known || found.contracts.empty()) return par;  // passed out
  const review::ParContract& first = found.contracts[0];
  par.passedOut = false;
  par.scoreNS = found.scoreNS;
  par.sacrifice = first.underTricks > 0;
  par.contract = first.contract;
  // A contract either partner makes alike is listed for both: the partner
  // who takes more tricks declares, else the one nearer the dealer.
  const bool side = found.contracts.size() > 1 && found.contracts[1].contract.bid == first.contract.bid &&
                    found.contracts[1].contract.declarer == PartnerOf(first.contract.declarer);
  if (side) {
    const Seat a = first.contract.declarer, b = PartnerOf(a);
    const tAllTrump strain = first.contract.strain();
    const int ta = table.at(strain, a), tb = table.at(strain, b);
    if (ta != tb) par.contract.declarer = ta > tb ? a : b;
    else par.contract.declarer = ((a - dealer + 4) & 3) < ((b - dealer + 4) & 3) ? a : b;
  }
  return par;
}

bool AnalyseBoard(BoardFacts& facts, DdCache* cache, std::string& error) {
  if (!AnalyseDealCached(facts.deal, cache, facts.dd, error)) return false;
  facts.par = ComputePar(facts.dd, facts.dealer, facts.vul);
  return true;
}

}  // namespace quorval::eventgen
