#include "eventsets/field.h"

#include <algorithm>

#include "scoring/contract_score.h"

namespace quorval::eventgen {

int PlayedTricks(int ddTricks, Skill declarer, Skill defenders, Rng& rng) {
  const SkillProfile& d = ProfileOf(declarer);
  const SkillProfile& f = ProfileOf(defenders);
  int tricks = ddTricks;
  const int slip = static_cast<int>(rng.Below(1000));
  if (slip < d.declarerSlip2) tricks -= 2;
  else if (slip < d.declarerSlip2 + d.declarerSlip1) tricks -= 1;
  const int gift = static_cast<int>(rng.Below(1000));
  if (gift < f.defenceGift2) tricks += 2;
  else if (gift < f.defenceGift2 + f.defenceGift1) tricks += 1;
  return std::clamp(tricks, 0, 13);
}

Field BuildField(const BoardFacts& facts, const FieldContractChooser& chooser, uint64_t seed) {
  Field field;
  const Side homeSide = SideOf(facts.UserSeat());
  for (int n = 1; n <= kFieldSize; ++n) {
    Rng rng = Rng::For(seed, facts.key, "field" + std::to_string(n));
    TableSetting table;
    table.number = n;
    table.homeSide = homeSide;
    table.home = static_cast<Skill>(StratumOf(n));
    // The stratum pair's opponents: anyone in the club.
    table.opponents = static_cast<Skill>(rng.Below(3));
    FieldResult& r = field[n - 1];
    r.contract = chooser.Choose(facts, table, rng);
    if (r.contract.PassedOut()) {
      r.contract = Contract{};
      continue;
    }
    r.contract.DoubledCount = std::clamp(r.contract.DoubledCount, 0, 2);
    r.contract.declarer &= 3;
    // The table's last word comes from a stream of its own, so a chooser's
    // draws and the play's stay as they were.
    Rng end = Rng::For(seed, facts.key, "end" + std::to_string(n));
    r.contract = ClubTableEnd(facts, table, r.contract, end);
    const Seat decl = r.contract.declarer;
    const Side declSide = SideOf(decl);
    const Skill declSkill = table.SkillOf(declSide);
    const Skill defSkill = table.SkillOf(declSide == 1 ? 2 : 1);
    r.tricks = PlayedTricks(facts.dd.at(r.contract.strain(), decl), declSkill, defSkill, rng);
    r.scoreNS = ContractScore(r.contract, r.tricks, facts.vul);
  }
  return field;
}

std::string ContractItem(const Contract& contract) {
  std::string text{static_cast<char>('0' + contract.level()), kStrainLetters[contract.strain()]};
  if (contract.DoubledCount == 1) text += 'X';
  if (contract.DoubledCount == 2) text += "XX";
  return text;
}

std::string FieldResultText(const FieldResult& r) {
  if (r.contract.PassedOut()) return "P";
  return std::string{SeatLetter(r.contract.declarer)} + ',' + ContractItem(r.contract) + ',' +
         std::to_string(r.tricks) + ',' + std::to_string(r.scoreNS);
}

}  // namespace quorval::eventgen
