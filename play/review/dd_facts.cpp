#include "play/review/dd_facts.h"

#include <dds/dll.h>

namespace quorval::review {
namespace {

// The solver numbers suits spades 0 .. clubs 3 and strains spades .. no-trump 4.
constexpr int SolverSuit(TSuit suit) { return 3 - suit; }
constexpr int SolverStrain(tAllTrump strain) { return strain == NT ? 4 : 3 - strain; }
constexpr tAllTrump StrainFromSolver(int denom) { return denom == 0 ? NT : 4 - denom; }
// The solver's vulnerability: 0 none, 1 both, 2 North-South, 3 East-West.
constexpr int SolverVulnerability(Vulnerability v) {
  constexpr int map[4] = {0, 2, 3, 1};
  return map[v & 3];
}

}  // namespace

bool SolveMakeableTable(const Deal& deal, MakeableTable& table, std::string& error) {
  // The solver's table call takes a whole deal on trust and reads past its
  // arrays when a hand is short: anything but 52 cards, 13 a hand, stops here.
  if (!DealIsComplete(deal)) {
    error = "the deal is not 13 cards in each hand";
    return false;
  }
  ddTableDeal in{};
  for (Seat s = 0; s < 4; ++s)
    for (TSuit suit = 0; suit < 4; ++suit)
      in.cards[s][SolverSuit(suit)] = static_cast<unsigned>(deal.at(s, suit)) & 0x7FFCu;
  ddTableResults out{};
  const int rc = CalcDDtable(in, &out);
  if (rc != RETURN_NO_FAULT) {
    char text[80] = {};
    ErrorMessage(rc, text);
    error = text;
    return false;
  }
  for (tAllTrump strain = 0; strain < 5; ++strain)
    for (Seat s = 0; s < 4; ++s) table.at(strain, s) = out.resTable[SolverStrain(strain)][s];
  return true;
}

ParResult ParOf(const MakeableTable& table, Seat dealer, Vulnerability vul) {
  ddTableResults in{};
  for (tAllTrump strain = 0; strain < 5; ++strain)
    for (Seat s = 0; s < 4; ++s) in.resTable[SolverStrain(strain)][s] = table.at(strain, s);
  parResultsMaster master{};
  ParResult par;
  if (DealerParBin(&in, &master, dealer & 3, SolverVulnerability(vul)) != RETURN_NO_FAULT) return par;
  par.known = true;
  par.scoreNS = master.score;
  // A score of 0 is the board passed out, whatever contract the solver names.
  if (master.score == 0) return par;
  for (int i = 0; i < master.number && i < 10; ++i) {
    const contractType& c = master.contracts[i];
    ParContract one;
    one.contract.bid = MakeBid(c.level, StrainFromSolver(c.denom));
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
  return par;
}

std::string ParContractText(const ParContract& par) {
  std::string text = CallToken(par.contract.bid);
  for (int i = 0; i < par.contract.DoubledCount; ++i) text += 'X';
  return text + "-" + SeatLetter(par.contract.declarer);
}

std::string ParContractsText(const ParResult& par) {
  if (par.contracts.empty()) return "P";
  std::string text;
  for (const ParContract& c : par.contracts) text += (text.empty() ? "" : ",") + ParContractText(c);
  return text;
}

}  // namespace quorval::review
