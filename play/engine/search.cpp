#include "play/engine/search.h"

#include <algorithm>

#include "play/engine/quick_tricks.h"
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
    table_.Clear();
    tableOff_ = true;
  }
  if (table_.Size() > 400000) table_.Clear();
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
  if (!card) card = FastTail && InTail(pos) ? OrderedMove(s, pos) : HighestMove(moves);
  const TSuit u = SuitOf(card);
  f.cards[s] = card;
  UpdateTrickWinner(f, p_.trump, card, pos, s);
  moves[u] &= static_cast<uint16_t>(~CardBits(card));
  auto& next = p_.frames[level_ + 1].holdings[s];
  next = f.holdings[s];
  next[u] &= static_cast<uint16_t>(~CardBits(card));
  keyKnown_[level_ + 1] = false;
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
  if (pos == 0) {
    // Cash a suit whose top card the leader holds; else lead low towards
    // partner's top card; else low from the longest suit.
    int best = -1, bestScore = -1;
    for (TSuit v = 3; v >= 0; --v) {
      if (!(moves[v] & kRankMask)) continue;
      const Holding top = Highest(f.holdings[0][v] | f.holdings[1][v] | f.holdings[2][v] | f.holdings[3][v]);
      const int score = (f.holdings[s][v] & top) ? 30 : (f.holdings[PartnerOf(s)][v] & top) ? 20 : Count(moves[v]);
      if (score > bestScore) {
        best = v;
        bestScore = score;
      }
    }
    return bestScore >= 30 ? CardOf(Highest(moves[best]), best) : CardOf(Lowest(moves[best]), best);
  }
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

bool Search::Cacheable(int level) const {
  return UseTable && !tableOff_ && rootReached_ && level > RootTrick && level < 13 && 4 * level > Limit;
}

// Beyond the depth limit the value of a position depends only on the order
// of the cards left in each suit, not on their ranks: with the 6 gone, a
// hand's 7 does what the 6 did. So the key names, for each suit, only which
// seat holds its highest card still out, its next highest and so on, and
// positions that differ only by cards already played share one entry.
PositionKey Search::KeyAt(int level) {
  // The key is asked for when the trick starts and again when the search
  // comes back to it; the holdings have not changed in between.
  if (keyKnown_[level]) return keys_[level];
  keyKnown_[level] = true;
  return keys_[level] = PositionKeyAt(level);
}

PositionKey Search::PositionKeyAt(int level) const {
  const TrickFrame& f = p_.frames[level];
  // Four bits of length and two bits a card, at most 122 bits in all.
  unsigned __int128 key = 0;
  for (TSuit u = 3; u >= 0; --u) {
    const unsigned h1 = f.holdings[1][u] & kRankMask, h2 = f.holdings[2][u] & kRankMask,
                   h3 = f.holdings[3][u] & kRankMask;
    const unsigned all = (f.holdings[0][u] & kRankMask) | h1 | h2 | h3;
    key = (key << 4) | static_cast<unsigned>(Count(static_cast<Holding>(all)));
    for (unsigned rest = all; rest;) {
      const unsigned top = 1u << (31 - __builtin_clz(rest));
      rest &= ~top;
      key = (key << 2) | ((h1 & top ? 1u : 0u) | (h2 & top ? 2u : 0u) | (h3 & top ? 3u : 0u));
    }
  }
  key = (key << 2) | static_cast<unsigned>(f.leader);
  return {static_cast<uint64_t>(key >> 64), static_cast<uint64_t>(key)};
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
      TrickBounds& b = table_.At(KeyAt(level_));
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
      if (FastTail && InTail(q))
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
    if (!decided && FastTail && rootReached_ && level_ > RootTrick && 4 * level_ > Limit) {
      // The leader's side cashing its top cards may already settle it.
      const int q = Threshold();
      const int quick = QuickTricks(p_.frames[level_].holdings, winner, p_.trump);
      const bool nsSure = IsNS(winner) && quick >= q;
      const bool nsShort = !IsNS(winner) && 13 - level_ - quick < q;
      if (nsSure || nsShort) {
        success = rootSideNS_ ? nsSure : !nsSure;
        decided = true;
      }
    }
    if (!decided && Cacheable(level_)) {
      p_.frames[level_].leader = winner;
      if (const TrickBounds* b = table_.Find(KeyAt(level_))) {
        const int q = Threshold();
        if (b->lo >= q || b->hi < q) {
          const bool nsReached = b->lo >= q;
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
