#include "eventsets/skill.h"

namespace quorval::eventgen {

const SkillProfile& ProfileOf(Skill skill) {
  // Figures chosen so that the strata lie over half an IMP a board apart
  // against par, with the contracts bid by either chooser: a C declarer
  // drops about two thirds of a trick a board, an A declarer almost none.
  static constexpr SkillProfile profiles[3] = {
      {5, 20, 0, 15, 0, 400, 80, 650, 600, 2, 220, 600, 900},
      {12, 200, 45, 160, 30, 300, 60, 550, 400, 5, 320, 450, 850},
      {17, 340, 150, 270, 100, 200, 50, 450, 250, 8, 400, 350, 750},
  };
  return profiles[static_cast<int>(skill)];
}

char SkillLetter(Skill skill) { return "ABC"[static_cast<int>(skill)]; }

}  // namespace quorval::eventgen
