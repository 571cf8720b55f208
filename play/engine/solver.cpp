#include "play/engine/solver.h"

#include <algorithm>
#include <thread>

#include <dds/dll.h>

#include "core/messages.h"
#include "play/engine/position.h"

namespace quorval::engine {

SolverPosition BuildSolverPosition(const PlayState& st) {
  SolverPosition pos;
  pos.trump = SolverSuit(st.Trump);
  pos.first = st.Leader;
  int i = 0;
  for (Seat s = st.Leader; s != st.ToPlay && i < 3; s = NextSeat(s), ++i) {
    const CardCode c = st.TrickTable[s][st.TrickNo];
    pos.trickSuit[i] = SolverSuit(SuitOf(c));
    pos.trickRank[i] = RankOf(c);
  }
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u)
      pos.remain[s][SolverSuit(u)] = static_cast<unsigned>(st.Hands[s].Suits[u].CurrentHolding & 0x7FFC);
  return pos;
}

const char* SolverStatusText(int status) {
  switch (status) {
    case 1: return "";
    case -2: return "Number of cards=0";
    case -3: return "target > Number of left cards";
    case -4: return "Duplicated cards";
    case -5: return "target < -1";
    case -6: return "target=0";
    case -7: return "target >13";
    case -8: return "solutions < 0";
    case -9: return "solutions > 2";
    case -10: return "No of forbidden cards > 13 or < 0";
    default: return "Unknown error in DLL";
  }
}

SolverResult SolveWith(const SolverPosition& pos, int target, int solutions, int threadIndex) {
  ::deal dl{};
  dl.trump = pos.trump;
  dl.first = pos.first;
  for (int i = 0; i < 3; ++i) {
    dl.currentTrickSuit[i] = pos.trickSuit[i];
    dl.currentTrickRank[i] = pos.trickRank[i];
  }
  for (int s = 0; s < 4; ++s)
    for (int u = 0; u < 4; ++u) dl.remainCards[s][u] = pos.remain[s][u];
  ::futureTricks ft{};
  SolverResult r;
  r.status = ::SolveBoard(dl, target, solutions, 1, &ft, threadIndex);
  if (r.status != 1) {
    r.cards = 0;
    return r;
  }
  r.cards = ft.cards;
  for (int i = 0; i < 13; ++i) {
    r.suit[i] = ft.suit[i];
    r.rank[i] = ft.rank[i];
    r.equals[i] = ft.equals[i];
    r.score[i] = ft.score[i];
  }
  return r;
}

int SolverThreads() {
  static const int threads = [] {
    ::DDSInfo info{};
    ::GetDDSInfo(&info);
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::max(1, std::min(info.noOfThreads, cores > 0 ? cores : 1));
  }();
  return threads;
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

bool IsSolverCard(const SolverResult& r, CardCode card) {
  if (card < 4) return false;
  const int suit = SolverSuit(SuitOf(card));
  const int bit = CardBits(card);
  for (int i = 0; i < r.cards && i < 13; ++i)
    if (r.suit[i] == suit && (bit & ((1 << r.rank[i]) | r.equals[i]))) return true;
  return false;
}

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
  return MakeCard(r.rank[0], static_cast<TSuit>(3 - r.suit[0]));
}

}  // namespace quorval::engine
