#pragma once
// The field of a board: 18 results of other pairs, strata A, B and C of six,
// in the board's stored orientation. Each is a contract from the chooser with
// the table's last word (ClubTableEnd: saves, one more bid, penalty doubles),
// the double-dummy tricks shifted by the play errors of declarer and
// defenders, and the North-South score.

#include <array>
#include <string>

#include "eventsets/field_chooser.h"

namespace quorval::eventgen {

inline constexpr int kFieldSize = 18;

struct FieldResult {
  Contract contract;  // bid Pass for a passed-out table
  int tricks = 0;
  int scoreNS = 0;
};
using Field = std::array<FieldResult, kFieldSize>;

// Stratum of result number n (1..18): 0 for A, 1 for B, 2 for C.
constexpr int StratumOf(int number) { return (number - 1) / 6; }

// The tricks declarer ends with: double dummy, less declarer's slips, plus the
// defenders' gifts, as the two pairs' skills make them likely.
int PlayedTricks(int ddTricks, Skill declarer, Skill defenders, Rng& rng);

// All 18 results of the board. facts.site must be set: the stratum pairs sit
// on the side the user will sit on, against opponents from the whole club.
Field BuildField(const BoardFacts& facts, const FieldContractChooser& chooser, uint64_t seed);

// One result as the field-results file holds it: "N,4S,10,420", "W,3NX,7,500".
// A passed-out table is "P", one item, which every reader takes as passed out.
std::string FieldResultText(const FieldResult& result);

// The contract item: level, strain letter, "X" or "XX".
std::string ContractItem(const Contract& contract);

}  // namespace quorval::eventgen
