#include "play/engine/engine.h"

#include <algorithm>
#include <memory>

#include "core/messages.h"
#include "play/engine/leads.h"
#include "play/engine/position.h"
#include "play/engine/search.h"
#include "play/engine/solver.h"

namespace quorval {

CardCode PlainCard(const PlayState& st) {
  const auto legal = LegalHoldings(st);
  int best = -1;
  for (TSuit u = 0; u < 4; ++u)
    if (legal[u] && (best < 0 || CardCount(legal[u]) > CardCount(legal[best]))) best = u;
  return best < 0 ? 0 : MakeCard(LowestRank(legal[best]), best);
}

engine::EngineInput EngineInputFrom(const PlayState& st, const EngineOptions& o, int target) {
  engine::EngineInput in;
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) in.dealt[s][u] = st.Hands[s].Suits[u].DealtHolding & 0x7FFC;
  in.played = st.TrickTable;
  in.cardsPlayed = st.CardsPlayed;
  in.openingLeader = st.OpeningLeader;
  in.trump = st.Trump;
  in.target = target;
  in.skill = std::clamp(o.skill, 1, 10);
  in.playStyle = o.playStyle;
  return in;
}

EngineAnswer ChooseCardAnswer(const PlayState& st, const EngineOptions& options, int engineTarget) {
  EngineAnswer answer;
  answer.target = engineTarget;
  if (st.Over()) return answer;
  if (options.honest) {
    const honest::HonestDecision d =
        honest::ChooseHonestCard(st, options.board, std::clamp(options.skill, 1, 10), options.playStyle);
    answer.message = d.message;
    answer.card = IsLegalCard(st, d.card) ? d.card : PlainCard(st);
    return answer;
  }
  // The engine's position is a few kilobytes: keep it off the stack of a
  // window handler.
  auto p = std::make_unique<engine::Position>();
  p->in = EngineInputFrom(st, options, engineTarget);
  engine::KeepLeadWideFor(p->in);
  CardCode card = 0;
  engine::Search search(*p, options.timeRule);
  if (p->in.skill >= 10 && st.CardsPlayed > 0) {
    search.SelectiveChoice(true);
    card = engine::SolverChoice(st, search.RootCandidates, answer.target, &answer.message);
  } else {
    card = search.SelectiveChoice(false);
    answer.target = search.Target;
  }
  // Whatever the heuristics or the solver said, only a legal card leaves.
  if (!IsLegalCard(st, card)) card = PlainCard(st);
  answer.card = card;
  return answer;
}

CardCode ChooseCard(const PlayState& st, const EngineOptions& options, int& engineTarget) {
  const EngineAnswer answer = ChooseCardAnswer(st, options, engineTarget);
  if (!answer.message.empty()) ShowMessage(answer.message);
  engineTarget = answer.target;
  return answer.card;
}

std::future<EngineAnswer> ChooseCardAsync(const PlayState& st, const EngineOptions& options,
                                          int engineTarget) {
  return std::async(std::launch::async,
                    [st, options, engineTarget] { return ChooseCardAnswer(st, options, engineTarget); });
}

CardCode ChooseCard(const PlayState& st, int skill, int& engineTarget) {
  EngineOptions o;
  o.skill = skill;
  return ChooseCard(st, o, engineTarget);
}

}  // namespace quorval
