#include "play/dd_table.h"

#include <dds/dll.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "play/review/dd_facts.h"

namespace quorval {
namespace {

// libdds numbers suits spades 0 .. clubs 3 and strains spades .. no-trump.
constexpr int DdsSuit(TSuit suit) { return 3 - suit; }
constexpr int DdsStrain(tAllTrump strain) { return strain == NT ? 4 : 3 - strain; }

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

// One deal's table is the review's solver call, which also refuses a deal
// that is not 13 cards a hand.
bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error) {
  InitSolver();
  review::MakeableTable solved;
  if (!review::SolveMakeableTable(deal, solved, error)) return false;
  table.tricks = solved.tricks;
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
    for (size_t i = 0; i < n; ++i) {
      // The solver takes a deal on trust and reads past its arrays when a
      // hand is short.
      if (!DealIsComplete(deals[start + i])) {
        error = "the deal is not 13 cards in each hand";
        return false;
      }
      in->deals[i] = DdsDeal(deals[start + i]);
    }
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

// Par is the review's: its first contract, the declarer chosen between
// partners who make it alike.
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

}  // namespace quorval
