#include "play/dd_table.h"

#include <dds/dll.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace quorval {
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

ddTableDeal DdsDeal(const Deal& deal) {
  ddTableDeal in{};
  for (Seat s = 0; s < 4; ++s)
    for (TSuit suit = 0; suit < 4; ++suit)
      in.cards[s][DdsSuit(suit)] = static_cast<unsigned>(deal.at(s, suit)) & 0x7FFCu;
  return in;
}

DdTable FromDds(const ddTableResults& out) {
  DdTable table;
  for (tAllTrump strain = 0; strain < 5; ++strain)
    for (Seat s = 0; s < 4; ++s) table.tricks[strain][s] = out.resTable[DdsStrain(strain)][s];
  return table;
}

std::string SolverMessage(int rc) {
  char text[80] = {};
  ErrorMessage(rc, text);
  return text;
}

// Deals per call of the solver's batch: its limit for tables of all five
// strains, rounded down.
constexpr size_t kBatch = 32;

}  // namespace

int DdTable::SideBest(tAllTrump strain, Side side) const {
  const Seat a = side == 1 ? North : East;
  return std::max(at(strain, a), at(strain, PartnerOf(a)));
}

void InitSolver() {
  static std::once_flag once;
  std::call_once(once, [] { SetMaxThreads(0); });
}

bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error) {
  InitSolver();
  ddTableDeal in = DdsDeal(deal);
  ddTableResults out{};
  const int rc = CalcDDtable(in, &out);
  if (rc != RETURN_NO_FAULT) {
    error = SolverMessage(rc);
    return false;
  }
  table = FromDds(out);
  return true;
}

bool AnalyseDeals(const std::vector<Deal>& deals, std::vector<DdTable>& tables, std::string& error) {
  InitSolver();
  // The solver's records are large; they live on the heap.
  auto in = std::make_unique<ddTableDeals>();
  auto out = std::make_unique<ddTablesRes>();
  auto par = std::make_unique<allParResults>();
  std::vector<DdTable> result;
  result.reserve(deals.size());
  for (size_t start = 0; start < deals.size(); start += kBatch) {
    const size_t n = std::min(kBatch, deals.size() - start);
    *in = ddTableDeals{};
    in->noOfTables = static_cast<int>(n);
    for (size_t i = 0; i < n; ++i) in->deals[i] = DdsDeal(deals[start + i]);
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    const int rc = CalcAllTables(in.get(), -1, filter, out.get(), par.get());
    if (rc != RETURN_NO_FAULT) {
      error = SolverMessage(rc);
      return false;
    }
    for (size_t i = 0; i < n; ++i) result.push_back(FromDds(out->results[i]));
  }
  tables = std::move(result);
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

}  // namespace quorval
