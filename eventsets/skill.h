#pragma once
// How well a pair bids, plays and defends. Stratum A pairs are the strongest;
// their opponents at each table come from the whole club.

namespace quorval::eventgen {

enum class Skill { A = 0, B = 1, C = 2 };

struct SkillProfile {
  int judgementNoise;  // spread of the pair's trick estimate, in tenths of a trick
  int declarerSlip1;   // per mille: declarer loses one trick against double dummy
  int declarerSlip2;   // per mille: ... two tricks
  int defenceGift1;    // per mille: the defence gives declarer one trick
  int defenceGift2;    // per mille: ... two tricks
  int doubleWhenDown2; // per mille: doubles a contract it expects to beat by two
  int doubleWhenDown1; // per mille: doubles a game it expects to beat by one
  int competes;        // per mille: enters the auction with a fit and values
  int sacrifices;      // per mille: takes a sacrifice it judges cheap
  int grandCaution;    // tenths of a trick above 13 the pair wants before a grand
  // At the end of the auction, beyond the contract the bidding reached:
  int pushes;          // per mille: bids once more in a partscore battle it has a fit for
  int doublesContest;  // per mille: doubles a partscore bid over its own that it expects to beat
  int doublesSave;     // per mille: doubles a save over its own game or slam
};

const SkillProfile& ProfileOf(Skill skill);
char SkillLetter(Skill skill);

}  // namespace quorval::eventgen
