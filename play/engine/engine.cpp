#include "play/engine/engine.h"

namespace quorval {

CardCode PlainCard(const PlayState& st) {
  const auto legal = LegalHoldings(st);
  int best = -1;
  for (TSuit u = 0; u < 4; ++u)
    if (legal[u] && (best < 0 || CardCount(legal[u]) > CardCount(legal[best]))) best = u;
  return best < 0 ? 0 : MakeCard(LowestRank(legal[best]), best);
}

CardCode ChooseCard(const PlayState& st, const EngineOptions& options, int& engineTarget) {
  (void)options;
  (void)engineTarget;
  return PlainCard(st);
}

CardCode ChooseCard(const PlayState& st, int skill, int& engineTarget) {
  EngineOptions o;
  o.skill = skill;
  return ChooseCard(st, o, engineTarget);
}

}  // namespace quorval
