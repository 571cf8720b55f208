#include "play/honest/honest_engine.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "play/engine/leads.h"
#include "play/engine/search.h"
#include "play/engine/solver.h"
#include "play/honest/knowledge.h"
#include "play/honest/layout_sampler.h"
#include "play/honest/parallel_solver.h"

namespace quorval::honest {

namespace {

// With this many tricks left or fewer every card is scored with its exact
// tricks on every layout; before that each layout answers only whether a
// card reaches a given number of tricks, which the solver finds much faster.
constexpr int kExactTricks = 6;

struct LegalCard {
  CardCode card = 0;
  int group = 0;          // cards of one group are equal on every layout
  long primary = 0;       // weight of layouts on which it reaches the goal
  long secondary = 0;     // weight of tricks beyond (or short of) the goal
};

// The legal cards of the seat to play with their groups: cards of one suit
// with no other card still out (in a hand or on the table) between them.
std::vector<LegalCard> LegalCards(const PlayState& st, const SeatKnowledge& k) {
  const auto legal = LegalHoldings(st);
  std::vector<LegalCard> out;
  int group = -1;
  for (TSuit u = 3; u >= 0; --u) {
    if (!legal[u]) continue;
    Holding others = k.unseen[u];
    for (Seat s = 0; s < 4; ++s)
      if (s != st.ToPlay) others |= k.remaining[s][u];
    for (int t = 0; t < st.TrickPos - 1; ++t) {
      const CardCode c = st.TrickTable[(st.Leader + t) & 3][st.TrickNo];
      if (SuitOf(c) == u) others |= c & 0x7FFC;
    }
    bool inRun = false;
    for (TRank r = 14; r >= 2; --r) {
      if (legal[u] & RankBit(r)) {
        if (!inRun) ++group;
        inRun = true;
        out.push_back({MakeCard(r, u), group, 0, 0});
      } else if (others & RankBit(r)) {
        inRun = false;
      }
    }
  }
  return out;
}

SolverPosition PositionOn(const PlayState& st, const SeatHoldings& layout) {
  SolverPosition pos = engine::BuildSolverPosition(st);
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) pos.remain[s][u] = layout[s][u];
  return pos;
}

// Tricks the card takes for the side to play on a layout solved with every
// card's tricks; -1 when the answer does not list it.
int TricksOf(const SolverResult& r, CardCode card) {
  const int group = GroupOf(r, card);
  return group < 0 ? -1 : r.score[group];
}

// True when the card reaches the target on a layout solved for that target.
bool Reaches(const SolverResult& r, CardCode card, int target) {
  return r.status == 1 && r.cards > 0 && r.score[0] >= target && engine::IsSolverCard(r, card);
}

class Scorer {
 public:
  Scorer(const PlayState& st, const SampleSet& samples, std::vector<LegalCard>& cards, int need)
      : samples_(samples), cards_(cards), need_(need) {
    for (const SeatHoldings& l : samples.layouts) positions_.push_back(PositionOn(st, l));
  }

  int calls = 0;
  int failedStatus = 1;

  void Exact() {
    const std::vector<SolverResult> rs = Solve(-1, 3, positions_.size());
    for (size_t i = 0; i < rs.size(); ++i) {
      const long w = samples_.weights[i];
      for (LegalCard& c : cards_) {
        const int t = TricksOf(rs[i], c.card);
        if (t >= need_) c.primary += w;
        c.secondary += w * std::max(t, 0);
      }
    }
  }

  // Whether each card reaches the goal; then, while cards of more than one
  // group are level, whether they reach one trick more (when some layout
  // makes the goal) or one trick less (when not every layout does), on the
  // first `sampleCap` layouts, for at most `extraRounds` more thresholds.
  void Ladder(int tricksLeft, int extraRounds, size_t sampleCap) {
    const int goal = std::clamp(need_, 1, tricksLeft);
    AddThreshold(goal, true, positions_.size());
    long best = 0;
    for (const LegalCard& c : cards_) best = std::max(best, c.primary);
    const long all = Total();
    int up = goal, down = goal;
    for (int round = 0; round < extraRounds && Level(); ++round) {
      const bool canUp = best > 0 && up < tricksLeft;
      const bool canDown = best < all && down > 1;
      // Alternate when the chances are split; otherwise keep to the one way.
      if (canUp && (!canDown || round % 2 == 0)) AddThreshold(++up, false, sampleCap);
      else if (canDown) AddThreshold(--down, false, sampleCap);
      else break;
    }
  }

  // True when cards of more than one group share the best score.
  bool Level() const {
    const LegalCard* top = nullptr;
    for (const LegalCard& c : cards_)
      if (!top || Better(c, *top)) top = &c;
    for (const LegalCard& c : cards_)
      if (c.group != top->group && !Better(*top, c)) return true;
    return false;
  }

  static bool Better(const LegalCard& a, const LegalCard& b) {
    return a.primary != b.primary ? a.primary > b.primary : a.secondary > b.secondary;
  }

 private:
  long Total() const {
    long w = 0;
    for (int x : samples_.weights) w += x;
    return w;
  }

  void AddThreshold(int target, bool primary, size_t layouts) {
    const std::vector<SolverResult> rs = Solve(target, 2, layouts);
    for (size_t i = 0; i < rs.size(); ++i) {
      const long w = samples_.weights[i];
      for (LegalCard& c : cards_)
        if (Reaches(rs[i], c.card, target)) (primary ? c.primary : c.secondary) += w;
    }
  }

  std::vector<SolverResult> Solve(int target, int solutions, size_t layouts) {
    std::vector<SolveJob> jobs;
    layouts = std::min(layouts, positions_.size());
    jobs.reserve(layouts);
    for (size_t i = 0; i < layouts; ++i) jobs.push_back({positions_[i], target, solutions});
    std::vector<SolverResult> rs = SolveAll(jobs);
    calls += static_cast<int>(rs.size());
    for (const SolverResult& r : rs)
      if (r.status != 1) failedStatus = r.status;
    return rs;
  }

  const SampleSet& samples_;
  std::vector<LegalCard>& cards_;
  int need_;
  std::vector<SolverPosition> positions_;
};

// The engine's heuristic candidates on a few layouts, as votes for the
// cards among `level` (the cards that scored best): the first candidate
// counts most.
CardCode Vote(const PlayState& st, const SeatKnowledge& k, const SampleSet& samples,
              const std::vector<CardCode>& level, int nsTarget, int skill, int playStyle) {
  std::vector<int> votes(level.size(), 0);
  // The heuristics keep lead values from one call to the next for the
  // engine of the table; their calls on invented layouts must leave them be.
  const engine::LeadWide kept = engine::LastLeadWide();
  auto p = std::make_unique<engine::Position>();
  const size_t voters = std::min<size_t>(samples.layouts.size(), 4);
  for (size_t v = 0; v < voters; ++v) {
    *p = engine::Position{};
    for (Seat s = 0; s < 4; ++s)
      for (TSuit u = 0; u < 4; ++u) p->in.dealt[s][u] = samples.layouts[v][s][u] | k.played[s][u];
    p->in.played = st.TrickTable;
    p->in.cardsPlayed = st.CardsPlayed;
    p->in.openingLeader = st.OpeningLeader;
    p->in.trump = st.Trump;
    p->in.target = nsTarget;
    p->in.skill = skill;
    p->in.playStyle = playStyle;
    engine::ResetLeadWide();
    engine::Search search(*p, false);
    search.SelectiveChoice(true);
    for (int i = 0; i < 4 && search.RootCandidates[i]; ++i)
      for (size_t j = 0; j < level.size(); ++j)
        if (level[j] == search.RootCandidates[i]) votes[j] += 4 - i;
  }
  engine::LastLeadWide() = kept;
  const auto most = std::max_element(votes.begin(), votes.end());
  return *most > 0 ? level[static_cast<size_t>(most - votes.begin())] : 0;
}

// Without a heuristic vote: follow with the lowest card of the suit led,
// otherwise the lowest card of the longest suit among the best cards.
CardCode PlainChoice(const PlayState& st, const std::vector<CardCode>& level) {
  CardCode best = 0;
  int bestLen = -1;
  for (CardCode c : level) {
    const int len = st.TrickPos > 1 && SuitOf(c) == st.SuitLed
                        ? 14
                        : CardCount(st.Hands[st.ToPlay].Suits[SuitOf(c)].CurrentHolding);
    if (len > bestLen || (len == bestLen && SuitOf(c) == SuitOf(best) && c < best)) {
      best = c;
      bestLen = len;
    }
  }
  return best;
}

}  // namespace

int LayoutsFor(int cardsPlayed) {
  // The first cards are solved with almost all 52 cards still out, where
  // one layout can cost the solver a second or more: fewer layouts there
  // keep every card quick. Eight layouts choose opening leads that keep the
  // double-dummy value as often as twelve did.
  if (cardsPlayed == 0) return 8;
  if (cardsPlayed < 4) return 12;
  if (cardsPlayed < 8) return 16;
  if (cardsPlayed < 16) return 20;
  if (cardsPlayed < 28) return 24;
  return 32;
}

uint64_t DecisionSeed(const PlayState& st, uint64_t boardSeed) {
  const SeatKnowledge k = KnowledgeOf(st);
  SplitMix mix(boardSeed ^ (static_cast<uint64_t>(k.viewer) << 56) ^ (static_cast<uint64_t>(k.toPlay) << 48));
  uint64_t h = mix.Next();
  auto add = [&](uint64_t v) {
    SplitMix step(h ^ v);
    h = step.Next();
  };
  for (int i = 0; i < st.CardsPlayed && i < 52; ++i) add(static_cast<uint64_t>(st.PlayLog[i].card) << 2 | 1);
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) add(static_cast<uint64_t>(k.remaining[s][u]) << 8 | static_cast<uint64_t>(s * 4 + u));
  return h;
}

HonestDecision ChooseHonestCard(const PlayState& st, const BoardContext& board, int skill, int playStyle) {
  HonestDecision d;
  if (st.Over()) return d;
  const SeatKnowledge k = KnowledgeOf(st);
  std::vector<LegalCard> cards = LegalCards(st, k);
  if (cards.empty()) return d;
  if (cards.size() == 1) {
    d.card = cards[0].card;
    return d;
  }

  const int tricksLeft = 13 - st.TrickNo;
  const SampleSet samples =
      SampleLayouts(k, InferHands(board.auction, board.meanings.get()), LayoutsFor(st.CardsPlayed),
                    DecisionSeed(st, board.seed));
  d.layouts = static_cast<int>(samples.layouts.size());
  d.relaxed = samples.relaxed;
  if (samples.layouts.empty()) {
    std::vector<CardCode> all;
    for (const LegalCard& c : cards) all.push_back(c.card);
    d.card = PlainChoice(st, all);
    return d;
  }

  const int level = std::max(1, board.contract.level());
  const bool declarerSide = st.OnDeclarerSide(st.ToPlay);
  const int taken = declarerSide ? st.DeclarerTricks : st.TrickNo - st.DeclarerTricks;
  const int need = (declarerSide ? level + 6 : 8 - level) - taken;

  if (cards.back().group > 0) {   // more than one group: score them
    Scorer scorer(st, samples, cards, need);
    const size_t n = samples.layouts.size();
    if (tricksLeft <= kExactTricks) scorer.Exact();
    // The opening lead asks only whether each card beats (or makes) the
    // contract; among the leads that do equally often, the lead tables
    // choose, as a player would.
    else if (st.CardsPlayed == 0) scorer.Ladder(tricksLeft, 0, n);
    else if (st.CardsPlayed < 16) scorer.Ladder(tricksLeft, 1, (n + 1) / 2);
    else scorer.Ladder(tricksLeft, 2, n);
    d.solverCalls = scorer.calls;
    if (scorer.failedStatus != 1) d.message = SolverStatusText(scorer.failedStatus);
  }

  const LegalCard* top = &cards[0];
  for (const LegalCard& c : cards)
    if (Scorer::Better(c, *top)) top = &c;
  std::vector<CardCode> best;
  for (const LegalCard& c : cards)
    if (!Scorer::Better(*top, c)) best.push_back(c.card);

  const int nsGoal = SideOf(st.Declarer) == 1 ? level + 6 : 8 - level;
  d.card = best.size() == 1 ? best[0] : Vote(st, k, samples, best, nsGoal, skill, playStyle);
  if (!d.card) d.card = PlainChoice(st, best);
  return d;
}

}  // namespace quorval::honest
