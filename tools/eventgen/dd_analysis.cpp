#include "tools/eventgen/dd_analysis.h"

#include <dds/dll.h>

#include <mutex>

#include "tools/eventgen/dd_cache.h"

namespace quorval::eventgen {

namespace {

// libdds numbers suits spades 0 .. clubs 3 and strains spades .. no-trump.
constexpr int DdsSuit(TSuit suit) { return 3 - suit; }
constexpr int DdsStrain(tAllTrump strain) { return strain == NT ? 4 : 3 - strain; }
constexpr tAllTrump StrainFromDds(int denom) { return denom == 0 ? NT : 4 - denom; }
// libdds vulnerability: 0 none, 1 both, 2 North-South, 3 East-West.
constexpr int DdsVulnerability(Vulnerability v) {
  constexpr int map[4] = {0, 2, 3, 1};
  return map[v & 3];
}

}  // namespace

void InitSolver() {
  static std::once_flag once;
  std::call_once(once, [] { SetMaxThreads(0); });
}

bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error) {
  InitSolver();
  ddTableDeal in{};
  for (Seat s = 0; s < 4; ++s)
    for (TSuit suit = 0; suit < 4; ++suit)
      in.cards[s][DdsSuit(suit)] = static_cast<unsigned>(deal.at(s, suit)) & 0x7FFCu;
  ddTableResults out{};
  const int rc = CalcDDtable(in, &out);
  if (rc != RETURN_NO_FAULT) {
    char text[80] = {};
    ErrorMessage(rc, text);
    error = text;
    return false;
  }
  for (tAllTrump strain = 0; strain < 5; ++strain)
    for (Seat s = 0; s < 4; ++s) table.tricks[strain][s] = out.resTable[DdsStrain(strain)][s];
  return true;
}

ParInfo ComputePar(const DdTable& table, Seat dealer, Vulnerability vul) {
  ddTableResults in{};
  for (tAllTrump strain = 0; strain < 5; ++strain)
    for (Seat s = 0; s < 4; ++s) in.resTable[DdsStrain(strain)][s] = table.tricks[strain][s];
  parResultsMaster master{};
  ParInfo par;
  if (DealerParBin(&in, &master, dealer, DdsVulnerability(vul)) != RETURN_NO_FAULT || master.number <= 0 ||
      master.score == 0) {
    return par;  // passed out
  }
  const contractType& c = master.contracts[0];
  par.passedOut = false;
  par.scoreNS = master.score;
  par.sacrifice = c.underTricks > 0;
  par.contract.bid = MakeBid(c.level, StrainFromDds(c.denom));
  par.contract.DoubledCount = par.sacrifice ? 1 : 0;
  Seat declarer = North;
  if (c.seats < 4) {
    declarer = c.seats;
  } else {
    // A side: the partner who takes more tricks, else the one nearer the dealer.
    const Seat a = c.seats == 4 ? North : East;
    const Seat b = PartnerOf(a);
    const tAllTrump strain = StrainFromDds(c.denom);
    const int ta = table.at(strain, a), tb = table.at(strain, b);
    if (ta != tb) {
      declarer = ta > tb ? a : b;
    } else {
      declarer = ((a - dealer + 4) & 3) < ((b - dealer + 4) & 3) ? a : b;
    }
  }
  par.contract.declarer = declarer;
  return par;
}

bool AnalyseBoard(BoardFacts& facts, DdCache* cache, std::string& error) {
  if (!AnalyseDealCached(facts.deal, cache, facts.dd, error)) return false;
  facts.par = ComputePar(facts.dd, facts.dealer, facts.vul);
  return true;
}

}  // namespace quorval::eventgen
