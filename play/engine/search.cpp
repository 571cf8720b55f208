#include "play/engine/search.h"

#include <algorithm>

#include "play/engine/suit_analysis.h"

namespace quorval::engine {

namespace {
bool IsNS(Seat s) { return (s & 1) == 0; }
// The card of the highest-numbered suit of a move set, its highest rank.
CardCode HighestMove(const std::array<uint16_t, 4>& moves) {
  for (TSuit u = 3; u >= 0; --u)
    if (moves[u] & kRankMask) return CardOf(Highest(moves[u]), u);
  return 0;
}
// Reading the clock costs more than starting a trick, and the time rule
// counts in seconds, so the clock is read once every kTricksPerClockRead
// trick starts of one search.
constexpr unsigned kTricksPerClockRead = 256;
}  // namespace

bool Search::ClockDue() {
  if (++tricksSinceClock_ < kTricksPerClockRead) return false;
  tricksSinceClock_ = 0;
  return true;
}

Search::Search(Position& p, bool timeRule)
    : p_(p), timeRule_(timeRule), start_(std::chrono::steady_clock::now()) {
  Limit = 40 - 2 * p.in.skill;
  table_.reserve(4096);
}

bool Search::TimeUp() const {
  if (!timeRule_) return false;
  const auto secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  return secs > 5.0 * p_.in.skill;
}

void Search::StartTrick(Seat leader) {
  if (Limit != 44 && timeRule_ && ClockDue() && TimeUp()) {
    // Lines of this pass searched with the old limit must not be remembered
    // as if searched with the new one.
    Limit = 44;
    table_.clear();
    tableOff_ = true;
  }
  if (table_.size() > 400000) table_.clear();
  TrickFrame& f = p_.frames[level_];
  f.leader = leader;
  f.cards = {};
  p_.frames[level_ + 1].holdings = f.holdings;
}

// The heuristics' cards that the seat may legally play, in their order; the
// lowest legal card when they propose none, so that every node has a move.
std::array<CardCode, 4> Search::LegalCandidates(Seat s, int pos) const {
  const TrickFrame& f = p_.frames[level_];
  const auto& held = f.holdings[s];
  const bool mustFollow = pos > 0 && (held[f.suitLed] & kRankMask);
  auto legal = [&](CardCode c) {
    if (c < 4 || (c & ~3 & ~kRankMask)) return false;
    const TSuit u = SuitOf(c);
    if (Count(CardBits(c)) != 1 || !(held[u] & CardBits(c))) return false;
    return !mustFollow || u == f.suitLed;
  };
  std::array<CardCode, 4> out{};
  int n = 0;
  for (CardCode c : p_.Candidates) {
    if (c == 0) break;
    bool dup = false;
    for (int i = 0; i < n; ++i) dup |= out[i] == c;
    if (!dup && legal(c)) out[n++] = c;
  }
  if (n == 0) {
    int best = -1;
    for (TSuit u = 0; u < 4; ++u) {
      if (!(held[u] & kRankMask) || (mustFollow && u != f.suitLed)) continue;
      if (best < 0 || Count(held[u]) > Count(held[best])) best = u;
    }
    if (best >= 0) out[0] = CardOf(Lowest(held[best]), best);
  }
  return out;
}

bool Search::Prepare(Seat s, int pos) {
  TrickFrame& f = p_.frames[level_];
  auto& moves = f.moves[s];
  moves = {};
  cands_ = {};
  const int u = 4 * level_ + pos;
  const CardCode forced = p_.in.played[s][level_];
  if (forced) {
    cands_[0] = forced;
    moves[SuitOf(forced)] = static_cast<uint16_t>(CardBits(forced));
    return true;
  }
  if (!(u > Limit && rootReached_)) {
    p_.trick = level_;
    p_.pos = pos + 1;
    p_.seat = s;
    p_.cardsAtNode = u;
    p_.NSTricks = nsTricks_;
    p_.Target = Target;
    p_.OtherNeed = otherNeed_;
    LoadNodeHands(p_);
    GenerateCandidates(p_);
    cands_ = LegalCandidates(s, pos);
    ++Nodes;
  }
  const auto& held = f.holdings[s];
  if (u <= Limit) {
    for (int i = 0; i < 3 && cands_[i]; ++i) moves[SuitOf(cands_[i])] |= static_cast<uint16_t>(CardBits(cands_[i]));
  } else if (pos == 0) {
    moves = held;
  } else if (held[f.suitLed] & kRankMask) {
    const Holding mine = held[f.suitLed];
    const bool canWin = f.winSuit == f.suitLed && mine > CardBits(f.winCard);
    moves[f.suitLed] = static_cast<uint16_t>(u < 29 && !canWin ? TopOfLowestRun(mine) : mine);
  } else if (u < 29) {
    for (TSuit v = 0; v < 4; ++v)
      moves[v] = static_cast<uint16_t>(v == p_.trump ? held[v] : TopOfLowestRun(held[v]));
  } else {
    moves = held;
  }
  if (!rootReached_) {
    rootReached_ = true;
    for (TSuit v = 0; v < 4; ++v) RootMoves[v] = moves[v];
    RootCandidates = cands_;
    if (rootOnly_) return false;
  }
  return true;
}

void Search::ChooseAndPlay(Seat s, int pos, const std::array<CardCode, 4>& cands) {
  TrickFrame& f = p_.frames[level_];
  auto& moves = f.moves[s];
  CardCode card = 0;
  for (CardCode c : cands) {
    if (c == 0) break;
    if (moves[SuitOf(c)] & CardBits(c)) {
      card = c;
      break;
    }
  }
  if (!card) card = InTail(pos) ? OrderedMove(s, pos) : HighestMove(moves);
  const TSuit u = SuitOf(card);
  f.cards[s] = card;
  UpdateTrickWinner(f, p_.trump, card, pos, s);
  moves[u] &= static_cast<uint16_t>(~CardBits(card));
  auto& next = p_.frames[level_ + 1].holdings[s];
  next = f.holdings[s];
  next[u] &= static_cast<uint16_t>(~CardBits(card));
}

bool Search::InTail(int pos) const { return rootReached_ && 4 * level_ + pos > Limit; }

// Beyond the depth limit every card of the move set is tried until one
// serves the seat's side; trying first the card a player would play makes
// that happen sooner. The order changes no outcome, only the work: second
// and later hands win as cheaply as they can unless partner is winning,
// ruff low when void, and otherwise play or discard low; the leader starts
// from its highest card.
CardCode Search::OrderedMove(Seat s, int pos) const {
  const TrickFrame& f = p_.frames[level_];
  const auto& moves = f.moves[s];
  if (pos == 0) return HighestMove(moves);
  const TSuit led = f.suitLed;
  const bool partnerWins = f.winSeat == PartnerOf(s);
  const Holding above = kRankMask & ~((CardBits(f.winCard) << 1) - 1);   // ranks over the winning card
  if (moves[led] & kRankMask) {
    const Holding mine = moves[led] & kRankMask;
    if (!partnerWins && f.winSuit == led && (mine & above)) return CardOf(Lowest(mine & above), led);
    return CardOf(Lowest(mine), led);
  }
  const tAllTrump trump = p_.trump;
  if (!partnerWins && trump < NT && (moves[trump] & kRankMask)) {
    const Holding t = moves[trump] & kRankMask & (f.winSuit == trump ? above : kRankMask);
    if (t) return CardOf(Lowest(t), trump);
  }
  int best = -1;
  for (TSuit v = 0; v < 4; ++v) {
    if (!(moves[v] & kRankMask)) continue;
    const bool better = best < 0 || (v != trump && (best == trump || Count(moves[v]) > Count(moves[best])));
    if (better) best = v;
  }
  return best < 0 ? 0 : CardOf(Lowest(moves[best]), best);
}

size_t Search::KeyHash::operator()(const TableKey& k) const {
  // The sixteen holdings as four 64-bit words, each mixed in with a
  // multiply and shift so that nearby positions spread over the buckets.
  uint64_t h = 0x9E3779B97F4A7C15ull * (k.leaderAndLimit + 1);
  for (int w = 0; w < 4; ++w) {
    uint64_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint64_t>(k.holdings[w * 4 + i]) << (16 * i);
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
  }
  return static_cast<size_t>(h);
}

bool Search::Cacheable(int level) const {
  return UseTable && !tableOff_ && rootReached_ && level > RootTrick && level < 13 && 4 * level > Limit;
}

// Beyond the depth limit the value of a position depends only on the order
// of the cards left in each suit, not on their ranks: with the 6 gone, a
// hand's 7 does what the 6 did. So the key names every card by its place
// among the cards of its suit still in the hands (the highest becomes the
// ace, the next the king, ...), and positions that differ only by cards
// already played share one entry.
Search::TableKey Search::KeyAt(int level) const {
  TableKey k{};
  const TrickFrame& f = p_.frames[level];
  for (TSuit u = 0; u < 4; ++u) {
    const unsigned all = static_cast<unsigned>(f.holdings[0][u] | f.holdings[1][u] | f.holdings[2][u] | f.holdings[3][u]);
    Holding place = RankBit(Ace);
    for (TRank r = Ace; r >= 2; --r) {
      if (!((all >> r) & 1)) continue;
      for (Seat s = 0; s < 4; ++s)
        if ((f.holdings[s][u] >> r) & 1) k.holdings[s * 4 + u] |= static_cast<uint16_t>(place);
      place >>= 1;
    }
  }
  k.leaderAndLimit = static_cast<uint16_t>(f.leader | (Limit << 2));
  return k;
}

// North-South root: success is NS taking at least Target - NSTricks more.
// East-West root: success is NS taking fewer than Target - NSTricks + 1.
int Search::Threshold() const { return Target - nsTricks_ + (rootSideNS_ ? 0 : 1); }

bool Search::Backtrack(int& pos) {
  const int dislikes = Success ? 1 : 0;
  bool first = true;
  while (true) {
    // Every alternative below this trick start has been tried: the outcome
    // stands for its position.
    if (!first && Cacheable(level_)) {
      Bounds& b = table_[KeyAt(level_)];
      const int q = Threshold();
      const bool nsReached = rootSideNS_ ? Success : !Success;
      if (nsReached) b.lo = static_cast<int8_t>(std::max<int>(b.lo, q));
      else b.hi = static_cast<int8_t>(std::min<int>(b.hi, q - 1));
    }
    first = false;
    if (level_ <= RootTrick) return false;
    --level_;
    TrickFrame& g = p_.frames[level_];
    if (IsNS(g.winSeat)) --nsTricks_;
    for (int q = 3; q >= 0; --q) {
      const Seat s = (g.leader + q) & 3;
      if (((s + RootSeat) & 1) != dislikes) continue;
      const CardCode played = g.cards[s];
      const TSuit u = SuitOf(played);
      auto& moves = g.moves[s];
      // Cards touching the one played (once the other hands' cards are
      // counted) would give the same result: skip them.
      const Holding inPlay = g.holdings[0][u] | g.holdings[1][u] | g.holdings[2][u] | g.holdings[3][u];
      for (Holding bit = CardBits(played) >> 1; bit >= 4; bit >>= 1) {
        if (moves[u] & bit) {
          moves[u] &= static_cast<uint16_t>(~bit);
          continue;
        }
        if (inPlay & bit) break;
      }
      // Beyond the depth limit a low card may have been tried first: its
      // higher equals are skipped too.
      if (InTail(q))
        for (Holding bit = CardBits(played) << 1; bit <= RankBit(Ace); bit <<= 1) {
          if (moves[u] & bit) {
            moves[u] &= static_cast<uint16_t>(~bit);
            continue;
          }
          if (inPlay & bit) break;
        }
      if (!HighestMove(moves)) continue;
      RecomputeWinner(g, p_.trump, q);
      ChooseAndPlay(s, q, {});
      pos = q + 1;
      return true;
    }
  }
}

bool Search::SearchPass(int target, bool rootOnly) {
  Target = target;
  otherNeed_ = 13 - target;
  rootSideNS_ = IsNS(RootSeat);
  level_ = 0;
  nsTricks_ = 0;
  rootOnly_ = rootOnly;
  rootReached_ = false;
  tableOff_ = false;
  Success = false;
  int pos = 0;
  StartTrick(p_.in.openingLeader);
  while (true) {
    if (pos <= 3) {
      const Seat s = (p_.frames[level_].leader + pos) & 3;
      if (!Prepare(s, pos)) return Success;
      ChooseAndPlay(s, pos, cands_);
      ++pos;
      continue;
    }
    const Seat winner = p_.frames[level_].winSeat;
    if (IsNS(winner)) ++nsTricks_;
    ++level_;
    bool success, failure;
    if (rootSideNS_) {
      success = nsTricks_ >= Target;
      failure = level_ - nsTricks_ > otherNeed_;
    } else {
      success = level_ - nsTricks_ >= otherNeed_;
      failure = nsTricks_ > Target;
    }
    bool decided = level_ == 13 || (rootReached_ && (success || failure));
    if (!decided && Cacheable(level_)) {
      p_.frames[level_].leader = winner;
      const auto it = table_.find(KeyAt(level_));
      if (it != table_.end()) {
        const int q = Threshold();
        if (it->second.lo >= q || it->second.hi < q) {
          const bool nsReached = it->second.lo >= q;
          success = rootSideNS_ ? nsReached : !nsReached;
          decided = true;
        }
      }
    }
    if (decided) {
      Success = success;
      if (!Backtrack(pos)) return Success;
      continue;
    }
    StartTrick(winner);
    pos = 0;
  }
}

CardCode Search::SelectiveChoice(bool candidatesOnly) {
  SetUpPosition(p_);
  if (!ReplayActualPlay(p_)) return 0;
  RootSeat = p_.seat;
  RootTrick = p_.trick;
  RootPos = p_.pos;
  Target = p_.in.target;
  const bool ns = IsNS(RootSeat);
  CardCode& forced = p_.in.played[RootSeat][RootTrick];
  auto play = [&](CardCode c) {
    forced = 0;
    p_.in.target = Target;
    return c;
  };
  for (int relax = 0; relax < 16; ++relax) {
    SetUpPosition(p_);
    forced = 0;
    SearchPass(Target, true);
    const std::array<CardCode, 4> rc = RootCandidates;
    std::array<Holding, 4> rm = RootMoves;
    if (candidatesOnly) return rc[0];
    Holding others = 0;
    for (TSuit u = 0; u < 4; ++u) others |= (u == SuitOf(rc[0]) ? rm[u] & ~CardBits(rc[0]) : rm[u]);
    if ((rc[1] == rc[0] && rc[3] == 0) || (rc[1] == 0 && (others & kRankMask) == 0)) return play(rc[0]);
    if (Target < 0 || Target > 13) {
      if (!ns) Target = 0;
      do {
        Target += ns ? -1 : 1;
      } while (!SearchPass(Target, false) && Target > 0 && Target < 13);
    }
    for (int i = 0; i < 3 && rc[i]; ++i) {
      forced = rc[i];
      if (SearchPass(Target, false)) return play(rc[i]);
      rm[SuitOf(rc[i])] &= ~CardBits(rc[i]);
    }
    for (TSuit u = 0; u < 4; ++u) {
      for (TRank r = 14; r >= 2; --r) {
        if (!Bit(rm[u], r)) continue;
        for (TRank q = r - 1; q >= 2 && Bit(rm[u], q); --q) rm[u] &= ~RankBit(q);
        forced = MakeCard(r, u);
        if (SearchPass(Target, false)) return play(forced);
        rm[u] &= ~RankBit(r);
      }
    }
    forced = 0;
    // No card reaches the target: give the other side one trick more.
    Target += ns ? -1 : 1;
    if (Target < 0 || Target > 13) break;
  }
  return play(RootCandidates[0]);
}

}  // namespace quorval::engine
