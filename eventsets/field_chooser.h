#pragma once
// Where the 18 tables of the field end up: the contract each table reaches.
// A chooser is pluggable so that the rule-based bidder can replace the
// statistical model here by bidding the board at each table.

#include "core/prng.h"
#include "eventsets/board_facts.h"
#include "eventsets/skill.h"

namespace quorval::eventgen {

struct TableSetting {
  int number = 1;          // result number 1..18
  Side homeSide = 1;       // the side sitting where the user will sit
  Skill home = Skill::A;   // the stratum's pair
  Skill opponents = Skill::B;
  Skill SkillOf(Side side) const { return side == homeSide ? home : opponents; }
};

class FieldContractChooser {
 public:
  virtual ~FieldContractChooser() = default;
  // The final contract at one table (bid Pass when the board is passed out).
  // Must be a contract an auction can end in: a bid, doubled at most twice.
  virtual Contract Choose(const BoardFacts& facts, const TableSetting& table, Rng& rng) const = 0;
};

// Contracts from the double-dummy table seen through each pair's noisy
// judgement: the side with the better prospects buys the contract in its best
// fit at the level it believes in; the other side competes, sacrifices and
// doubles as its skill allows; weak deals are sometimes passed out.
class StatisticalChooser final : public FieldContractChooser {
 public:
  Contract Choose(const BoardFacts& facts, const TableSetting& table, Rng& rng) const override;
};

// What a club's table does after the contract a chooser gives, as the field
// of a real club shows it: the rivals save over a game they cannot beat or
// bid once more in a partscore battle (the owners sometimes bid on), and the
// defenders double what they expect to beat: overbids, saves, part scores
// going down. Each side judges by its own skill. A passed-out or doubled
// contract stays as it is.
Contract ClubTableEnd(const BoardFacts& facts, const TableSetting& table, const Contract& reached, Rng& rng);

}  // namespace quorval::eventgen
