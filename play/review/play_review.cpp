#include "play/review/play_review.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "play/engine/solver.h"
#include "play/play_state.h"

namespace quorval::review {
namespace {

// Declarer's total for the deal when the side to play takes `sideTricks` of
// the tricks still to come (the trick in progress included). The deal's
// tricks are counted from its cards, so that an ending of a few cards a
// hand is reckoned the same way as a whole deal.
int DeclarerTotalFrom(const PlayState& st, int sideTricks) {
  if (st.OnDeclarerSide(st.ToPlay)) return st.DeclarerTricks + sideTricks;
  int cards = st.CardsPlayed;
  for (const THands& hand : st.Hands) cards += hand.CardsLeftTotal();
  return cards / 4 - (st.TrickNo - st.DeclarerTricks) - sideTricks;
}

// A deal the solver can take: the same number of cards in every hand and
// no card twice (a whole deal, or an ending).
bool SolvableDeal(const Deal& deal) {
  int counts[4] = {};
  for (TSuit suit = 0; suit < 4; ++suit) {
    Holding seen = 0;
    for (Seat s = 0; s < 4; ++s) {
      const Holding h = deal.at(s, suit) & 0x7FFC;
      if (seen & h) return false;
      seen |= h;
      counts[s] += CardCount(h);
    }
  }
  return counts[0] > 0 && counts[0] == counts[1] && counts[0] == counts[2] && counts[0] == counts[3];
}

}  // namespace

void SortBest(std::vector<CardCode>& cards) {
  std::sort(cards.begin(), cards.end(), [](CardCode a, CardCode b) {
    if (RankOf(a) != RankOf(b)) return RankOf(a) > RankOf(b);
    return SuitOf(a) > SuitOf(b);
  });
}

CardReview ReviewCard(const PlayToReview& play, int index, int threadIndex) {
  CardReview review;
  review.index = index;
  review.trick = index / 4 + 1;
  if (index < 0 || index >= static_cast<int>(play.cards.size()) || index >= 52 || !SolvableDeal(play.deal))
    return review;
  PlayState st;
  StartPlay(st, play.deal, play.contract);
  for (int i = 0; i < index; ++i)
    if (!PlayCard(st, play.cards[size_t(i)])) return review;
  review.seat = st.ToPlay;
  review.card = play.cards[size_t(index)];
  if (!IsLegalCard(st, review.card)) return review;

  // Every legal card with its tricks for the side to play, equal cards
  // grouped under the highest of them.
  const SolverResult r = SolveWith(engine::BuildSolverPosition(st), -1, 3, threadIndex);
  review.status = r.status;
  if (r.status != 1 || r.cards <= 0) return review;
  const int most = r.score[0];
  for (int i = 0; i < r.cards && i < 13; ++i) {
    if (r.score[size_t(i)] != most) continue;
    const TSuit suit = SuitOf(r.card[size_t(i)]);
    const Holding group = (r.card[size_t(i)] & 0x7FFC) | r.equals[size_t(i)];
    for (TRank rank = 2; rank <= Ace; ++rank)
      if (group & RankBit(rank)) review.best.push_back(MakeCard(rank, suit));
  }
  const int playedGroup = GroupOf(r, review.card);
  if (playedGroup < 0) return review;   // the solver did not list the card: no answer
  const int played = r.score[size_t(playedGroup)];
  SortBest(review.best);
  review.analysed = true;
  review.cost = most - played;
  review.declarerBefore = DeclarerTotalFrom(st, most);
  review.declarerAfter = DeclarerTotalFrom(st, played);
  return review;
}

std::vector<CardReview> ReviewPlay(const PlayToReview& play, const CardDone& done, const std::atomic<bool>* cancel,
                                   const CardSolver& solve) {
  const int count = static_cast<int>(std::min<size_t>(play.cards.size(), 52));
  std::vector<CardReview> reviews(static_cast<size_t>(count));
  std::vector<bool> reviewed(static_cast<size_t>(count), false);
  std::atomic<int> next{0};
  std::mutex report;
  // Each worker takes the next card in playing order, so a thread solves
  // positions close to the one it solved before.
  auto work = [&](int threadIndex) {
    for (;;) {
      if (cancel && cancel->load()) return;
      const int i = next.fetch_add(1);
      if (i >= count) return;
      CardReview r = solve(play, i, threadIndex);
      const std::lock_guard<std::mutex> lock(report);
      reviews[size_t(i)] = r;
      reviewed[size_t(i)] = true;
      if (done) done(r);
    }
  };
  const int threads = std::max(1, std::min(SolverThreads(), count));
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) workers.emplace_back(work, t);
  work(0);
  for (std::thread& w : workers) w.join();
  std::vector<CardReview> out;
  for (int i = 0; i < count; ++i)
    if (reviewed[size_t(i)]) out.push_back(reviews[size_t(i)]);
  return out;
}

}  // namespace quorval::review
