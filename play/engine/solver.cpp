#include "play/engine/solver.h"

#include "core/messages.h"

namespace quorval::engine {

SolverPosition BuildSolverPosition(const PlayState& st) {
  SolverPosition pos;
  pos.trump = st.Trump;
  pos.first = st.Leader;
  int i = 0;
  for (Seat s = st.Leader; s != st.ToPlay && i < 3; s = NextSeat(s), ++i) pos.trick[i] = st.TrickTable[s][st.TrickNo];
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) pos.remain[s][u] = st.Hands[s].Suits[u].CurrentHolding & 0x7FFC;
  return pos;
}

SolverResult Solve(const SolverPosition& pos, std::string* message) {
  const SolverResult r = SolveWith(pos, -1, 2, 0);
  if (r.status != 1) {
    if (message) *message = SolverStatusText(r.status);
    else ShowMessage(SolverStatusText(r.status));
  }
  return r;
}

int DeclarerTotal(const PlayState& st, const SolverResult& r) {
  const int score = r.score[0];
  if (score < 0) return score;
  if (st.OnDeclarerSide(st.ToPlay)) return score + st.DeclarerTricks;
  return 13 - (st.TrickNo - st.DeclarerTricks + score);
}

bool IsSolverCard(const SolverResult& r, CardCode card) { return GroupOf(r, card) >= 0; }

CardCode SolverChoice(const PlayState& st, const std::array<CardCode, 4>& candidates,
                      int& engineTarget, std::string* message) {
  const SolverResult r = Solve(BuildSolverPosition(st), message);
  if (r.status == 1 && r.cards > 0) {
    const int total = DeclarerTotal(st, r);
    if (total >= 0) engineTarget = SideOf(st.Declarer) == 1 ? total : 13 - total;
  }
  for (CardCode c : candidates) {
    if (c == 0) break;
    if (IsSolverCard(r, c)) return c;
  }
  if (r.cards <= 0) return candidates[0];
  return r.card[0];
}

}  // namespace quorval::engine
