// The only file that speaks to libdds: it fills the solver's records from
// our deals and positions, calls it under the locks that keep its callers
// apart, and turns its answers into our suits and card codes.
#include "play/dd_solver.h"

#include <dds/dll.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <thread>

namespace quorval {
namespace {

// libdds numbers suits spades 0 .. clubs 3 (the reverse of ours) and
// strains spades .. no-trump 4; its par contracts name the strain as
// no-trump 0, spades 1 .. clubs 4.
constexpr int DdsSuit(TSuit suit) { return 3 - suit; }
constexpr TSuit SuitFromDds(int suit) { return static_cast<TSuit>(3 - suit); }
constexpr int DdsStrain(tAllTrump strain) { return strain == NT ? 4 : DdsSuit(strain); }
constexpr tAllTrump StrainFromParDenomination(int denom) { return denom == 0 ? NT : static_cast<tAllTrump>(4 - denom); }
// The solver's vulnerability: 0 none, 1 both, 2 North-South, 3 East-West.
constexpr int DdsVulnerability(Vulnerability v) {
  constexpr int map[4] = {0, 2, 3, 1};
  return map[v & 3];
}

std::string SolverMessage(int rc) {
  char text[80] = {};
  ErrorMessage(rc, text);
  return text;
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
    for (Seat s = 0; s < 4; ++s) table.at(strain, s) = out.resTable[DdsStrain(strain)][s];
  return table;
}

// Deals per call of the solver's batch: its limit for tables of all five
// strains, rounded down.
constexpr size_t kBatch = 32;

// The solver's threads and the locks that keep its callers apart. A call
// for one position holds the whole solver shared and its thread index alone;
// a table call holds the whole solver alone. A table call waiting at the gate
// keeps new position calls out until it has had its turn, so a busy honest
// computer cannot hold the review's table back for long.
class SolverLocks {
 public:
  SolverLocks() {
    SetMaxThreads(0);
    DDSInfo info{};
    GetDDSInfo(&info);
    threads_ = std::max(1, info.noOfThreads);
    index_ = std::make_unique<std::mutex[]>(static_cast<size_t>(threads_));
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    usable_ = std::min(threads_, cores > 0 ? cores : 1);
  }

  int Threads() const { return threads_; }
  int Usable() const { return usable_; }

  std::shared_lock<std::shared_mutex> Shared() {
    const std::lock_guard<std::mutex> gate(gate_);
    return std::shared_lock<std::shared_mutex>(whole_);
  }
  std::unique_lock<std::shared_mutex> Whole() {
    const std::lock_guard<std::mutex> gate(gate_);
    return std::unique_lock<std::shared_mutex>(whole_);
  }
  std::mutex& Index(int threadIndex) { return index_[static_cast<size_t>(threadIndex)]; }

 private:
  int threads_ = 1;
  int usable_ = 1;
  std::mutex gate_;
  std::shared_mutex whole_;
  std::unique_ptr<std::mutex[]> index_;
};

SolverLocks& Locks() {
  static SolverLocks locks;
  return locks;
}

}  // namespace

int DdTable::SideBest(tAllTrump strain, Side side) const {
  const Seat a = side == 1 ? North : East;
  return std::max(at(strain, a), at(strain, PartnerOf(a)));
}

void InitSolver() { Locks(); }

int SolverThreads() { return Locks().Usable(); }

bool AnalyseDeal(const Deal& deal, DdTable& table, std::string& error) {
  // The solver's table call takes a whole deal on trust and reads past its
  // arrays when a hand is short: anything but 52 cards, 13 a hand, stops here.
  if (!DealIsComplete(deal)) {
    error = "the deal is not 13 cards in each hand";
    return false;
  }
  ddTableResults out{};
  int rc = 0;
  {
    const auto whole = Locks().Whole();
    rc = CalcDDtable(DdsDeal(deal), &out);
  }
  if (rc != RETURN_NO_FAULT) {
    error = SolverMessage(rc);
    return false;
  }
  table = FromDds(out);
  return true;
}

bool AnalyseDeals(const std::vector<Deal>& deals, std::vector<DdTable>& tables, std::string& error) {
  for (const Deal& deal : deals)
    if (!DealIsComplete(deal)) {
      error = "the deal is not 13 cards in each hand";
      return false;
    }
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
    int rc = 0;
    {
      const auto whole = Locks().Whole();
      rc = CalcAllTables(in.get(), -1, filter, out.get(), par.get());
    }
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
    for (Seat s = 0; s < 4; ++s) in.resTable[DdsStrain(strain)][s] = table.at(strain, s);
  // Par works on the figures alone and keeps nothing between calls: it needs
  // none of the solver's thread memory.
  parResultsMaster master{};
  ParInfo par;
  if (DealerParBin(&in, &master, dealer & 3, DdsVulnerability(vul)) != RETURN_NO_FAULT) return par;
  par.known = true;
  par.scoreNS = master.score;
  // A score of 0 is the board passed out, whatever contract the solver names.
  if (master.score == 0) return par;
  for (int i = 0; i < master.number && i < 10; ++i) {
    const contractType& c = master.contracts[i];
    ParContract one;
    one.contract.bid = MakeBid(c.level, StrainFromParDenomination(c.denom));
    one.contract.DoubledCount = c.underTricks > 0 ? 1 : 0;
    one.overTricks = c.overTricks;
    one.underTricks = c.underTricks;
    // Seats 0..3 are one declarer; 4 and 5 are North-South and East-West,
    // where either partner gets the same result.
    const std::vector<Seat> seats =
        c.seats < 4 ? std::vector<Seat>{c.seats} : (c.seats == 4 ? std::vector<Seat>{North, South} : std::vector<Seat>{East, West});
    for (const Seat s : seats) {
      one.contract.declarer = s;
      par.contracts.push_back(one);
    }
  }
  if (par.contracts.empty()) return par;
  const ParContract& first = par.contracts[0];
  par.passedOut = false;
  par.sacrifice = first.underTricks > 0;
  par.contract = first.contract;
  // A contract either partner makes alike is listed for both: the partner
  // who takes more tricks declares, else the one nearer the dealer.
  const bool side = par.contracts.size() > 1 && par.contracts[1].contract.bid == first.contract.bid &&
                    par.contracts[1].contract.declarer == PartnerOf(first.contract.declarer);
  if (side) {
    const Seat a = first.contract.declarer, b = PartnerOf(a);
    const tAllTrump strain = first.contract.strain();
    const int ta = table.at(strain, a), tb = table.at(strain, b);
    if (ta != tb) par.contract.declarer = ta > tb ? a : b;
    else par.contract.declarer = ((a - dealer + 4) & 3) < ((b - dealer + 4) & 3) ? a : b;
  }
  return par;
}

SolverResult SolveWith(const SolverPosition& pos, int target, int solutions, int threadIndex) {
  SolverLocks& locks = Locks();
  SolverResult r;
  if (threadIndex < 0 || threadIndex >= locks.Threads()) {
    r.status = RETURN_THREAD_INDEX;
    return r;
  }
  ::deal dl{};
  dl.trump = DdsStrain(pos.trump);
  dl.first = pos.first;
  for (int i = 0; i < 3; ++i) {
    if (pos.trick[i] < 4) continue;
    dl.currentTrickSuit[i] = DdsSuit(SuitOf(pos.trick[i]));
    dl.currentTrickRank[i] = RankOf(pos.trick[i]);
  }
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) dl.remainCards[s][DdsSuit(u)] = static_cast<unsigned>(pos.remain[s][u] & 0x7FFC);
  ::futureTricks ft{};
  {
    const auto shared = locks.Shared();
    const std::lock_guard<std::mutex> index(locks.Index(threadIndex));
    r.status = ::SolveBoard(dl, target, solutions, 1, &ft, threadIndex);
  }
  if (r.status != RETURN_NO_FAULT) return r;
  r.cards = std::clamp(ft.cards, 0, 13);
  for (int i = 0; i < r.cards; ++i) {
    const TSuit suit = SuitFromDds(ft.suit[i]);
    r.card[i] = MakeCard(static_cast<TRank>(ft.rank[i]), suit);
    r.equals[i] = static_cast<Holding>(ft.equals[i]);
    r.score[i] = ft.score[i];
  }
  return r;
}

int GroupOf(const SolverResult& r, CardCode card) {
  if (card < 4) return -1;
  const Holding rank = card & 0x7FFC;
  for (int i = 0; i < r.cards && i < 13; ++i)
    if (SuitOf(r.card[i]) == SuitOf(card) && (rank & (r.card[i] | r.equals[i]))) return i;
  return -1;
}

const char* SolverStatusText(int status) {
  switch (status) {
    case RETURN_NO_FAULT: return "";
    case -2: return "Number of cards=0";
    case -3: return "target > Number of left cards";
    case -4: return "Duplicated cards";
    case -5: return "target < -1";
    case -6: return "target=0";
    case -7: return "target >13";
    case -8: return "solutions < 0";
    case -9: return "solutions > 2";
    case -10: return "No of forbidden cards > 13 or < 0";
    default: return "Unknown error in DLL";
  }
}

}  // namespace quorval
