#include "tools/eventgen/skill.h"

namespace quorval::eventgen {

const SkillProfile& ProfileOf(Skill skill) {
  // Figures chosen so that a club's strata differ by about one IMP a board
  // against par, the better pairs misjudging and misplaying less.
  static constexpr SkillProfile profiles[3] = {
      {6, 70, 5, 50, 5, 650, 150, 650, 650, 2},
      {11, 150, 30, 110, 20, 450, 120, 550, 450, 5},
      {17, 240, 75, 180, 45, 300, 100, 450, 300, 8},
  };
  return profiles[static_cast<int>(skill)];
}

char SkillLetter(Skill skill) { return "ABC"[static_cast<int>(skill)]; }

}  // namespace quorval::eventgen
