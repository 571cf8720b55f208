#include "scoring/contract_score.h"

#include <algorithm>

namespace quorval {
namespace {

constexpr int kTrickValue[5] = {20, 20, 30, 30, 30};  // clubs .. no trump
constexpr int kNoTrumpFirstTrickExtra = 10;
constexpr int kDoubledOvertrick[2] = {100, 200};
constexpr int kInsult = 50;
constexpr int kGameBonus[2] = {300, 500};
constexpr int kPartScoreBonus = 50;
constexpr int kSmallSlamBonus[2] = {500, 750};
constexpr int kGrandSlamBonus[2] = {1000, 1500};

int MadeScore(int level, tAllTrump strain, int d, int vul, int margin) {
  int trickScore = level * kTrickValue[strain];
  if (strain == NT) trickScore += kNoTrumpFirstTrickExtra;
  int extra;
  if (d == 0) {
    extra = margin * kTrickValue[strain];
  } else {
    trickScore *= 2 * d;
    extra = (margin * kDoubledOvertrick[vul] + kInsult) * d;
  }
  if (level == 6) extra += kSmallSlamBonus[vul];
  if (level == 7) extra += kGrandSlamBonus[vul];
  // Only the (doubled) trick score decides game; overtricks never count.
  extra += trickScore < 100 ? kPartScoreBonus : kGameBonus[vul];
  return trickScore + extra;
}

int DefeatedScore(int d, int vul, int u) {
  if (d == 0) return -(vul ? 100 : 50) * u;
  if (!vul) return -(100 * std::max(u - 1, 0) + 100 * u + 100 * std::max(u - 3, 0)) * d;
  return -(100 * std::max(u - 1, 0) + 200 * u) * d;
}

}  // namespace

int ContractScore(CallCode contract, int doubledCount, Seat declarer, bool vulnerable, int tricks) {
  if (!IsBid(contract)) return 0;
  const int level = LevelOf(contract);
  const tAllTrump strain = StrainOf(contract);
  const int d = std::clamp(doubledCount, 0, 2);
  const int vul = vulnerable ? 1 : 0;
  const int margin = std::clamp(tricks, 0, 13) - 6 - level;
  const int score = margin >= 0 ? MadeScore(level, strain, d, vul, margin)
                                : DefeatedScore(d, vul, -margin);
  return SideOf(declarer) == 2 ? -score : score;
}

int ContractScore(const Contract& contract, int tricks, Vulnerability vul) {
  return ContractScore(contract.bid, contract.DoubledCount, contract.declarer,
                       SideVulnerable(vul, SideOf(contract.declarer)), tricks);
}

}  // namespace quorval
