#pragma once
// Boards for tests that must not wait for the solver: a shuffled deal with a
// trick table estimated from points and fits, and par computed from it.

#include <string>

#include "eventsets/board_facts.h"
#include "eventsets/dd_analysis.h"
#include "eventsets/site.h"

namespace quorval::eventgen::testing {

inline DdTable EstimatedTable(const Deal& deal) {
  DdTable table;
  for (Seat s = 0; s < 4; ++s) {
    const Seat p = PartnerOf(s);
    int hcp = 0;
    for (TSuit suit = 0; suit < 4; ++suit) hcp += HighCardPoints(deal.at(s, suit)) + HighCardPoints(deal.at(p, suit));
    for (tAllTrump strain = 0; strain < 5; ++strain) {
      const int fit = strain == NT ? 8 : CardCount(deal.at(s, strain)) + CardCount(deal.at(p, strain));
      const int t = 7 + (hcp - 20) / 3 + (fit - 8);
      table.tricks[strain][s] = t < 0 ? 0 : t > 13 ? 13 : t;
    }
  }
  return table;
}

inline BoardFacts SyntheticBoard(uint64_t seed, const std::string& event, int number) {
  BoardFacts f;
  f.event = event;
  f.number = number;
  f.key = BoardKey(event, number);
  f.deal = ShuffledDeal(seed, f.key);
  f.dealer = BoardDealer(number);  // as the table shows them; ChooseSite turns them back
  f.vul = BoardVulnerability(number);
  f.dd = EstimatedTable(f.deal);
  ChooseSite(f, seed);
  return f;
}

}  // namespace quorval::eventgen::testing
