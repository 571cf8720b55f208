#include "play/engine/follow_suit.h"

#include "play/engine/follow_hand.h"

namespace quorval::engine {
namespace follow {

// The seat can ruff its way in: it holds trumps and is void in another side
// suit that its left-hand opponent cannot overruff.
bool RuffEntry(const Position& p, Seat seat, TSuit led) {
  if (p.noTrump()) return false;
  const THands& h = p.hands[seat];
  const THands& lho = p.hands[NextSeat(seat)];
  if (h.Len(p.trump) == 0) return false;
  for (TSuit u = 0; u < 4; ++u) {
    if (u == led || u == p.trump || h.Len(u) != 0) continue;
    if (lho.Len(u) > 0 || lho.Cards(p.trump) < h.Cards(p.trump)) return true;
  }
  return false;
}

}  // namespace follow

namespace {

using follow::Follow;
using follow::kLow;
using follow::SecondLowest;
using follow::Top;

// Low-card play when the trick is not to be contested.
void FollowLow(Follow& f, std::array<Holding, 2>& out) {
  const Position& p = f.p;
  const SuitView& v = f.v;
  out = {v.MyLow, 0};
  if (p.noTrump() && p.trick == 0 && p.pos == 3) return;
  if (const auto unblock = UnblockTest(p, v)) {
    out = {unblock->first, unblock->second};
    return;
  }
  if (v.SuitRuns && p.pos == 3 && v.PdLen >= std::max(v.TheirMaxLen, v.MyLen) &&
      NthHighest(v.MyLen, v.PdCards) < v.MyCards) {
    // Partner's long suit keeps running when the opponents cannot hold it up.
    bool pdLongEnough;
    if (v.RhoLen > 0 && v.RhoCards >= NthHighest(v.RhoLen, v.PdCards)) pdLongEnough = false;
    else if (v.LhoLen <= 1) pdLongEnough = true;
    else pdLongEnough = !(v.LhoCards >= NthHighest(v.LhoLen - 1, v.PdCards));
    if (pdLongEnough) out = {SecondLowest(v.MyCards), 0};
  }
}

}  // namespace

std::optional<std::pair<Holding, Holding>> UnblockTest(const Position& p, const SuitView& v) {
  const int pos = p.pos;
  const Holding Me = v.MyCards, Pd = v.PdCards;
  if (v.OurCards < v.TheirCards) return std::nullopt;
  if (pos <= 2 && v.PdLen <= 1) return std::nullopt;
  if (Me > v.TheirCards && Pd < v.TheirCards) return std::nullopt;
  if (pos > 2 && v.PdLen == 0) return std::nullopt;
  if (Me < Pd || !(v.MyLow < Pd)) return std::nullopt;
  const bool shape = (pos == 2 && Pd < v.My2) || (pos > 2 && Pd < Me && v.MyLen == 2);
  if (!shape) return std::nullopt;
  const Holding f = SecondLowest(Me);
  if (f && Pd < f) return std::make_pair(v.MyLow, f);
  return std::nullopt;
}

void GenerateFollowCandidates(Position& p) {
  const TSuit led = p.frame().suitLed;
  const SuitView& v = p.me().Views[led];
  Follow f(p, v);
  std::array<Holding, 4> c{};
  const bool singleRun = TopOfLowestRun(v.MyCards) == Top(v.MyCards);
  if (v.MyLen == 1 || singleRun) {
    c[0] = v.MyLow;
  } else if (p.frame().winSuit == led && v.MyCards >= f.WinCard) {
    bool finalAdjust = false;
    switch (p.pos) {
      case 2: f.SecondHand(); break;
      case 3: finalAdjust = f.ThirdHand(); break;
      default: f.FourthHand(); break;
    }
    if (finalAdjust) f.FinalAdjustment();
    c[0] = CheapestCover(p, f.Primary);
    if (f.Alternative >= kLow && f.Alternative != f.Primary) c[1] = CheapestCover(p, f.Alternative);
    c[2] = f.Extra2;
  } else {
    std::array<Holding, 2> low{};
    FollowLow(f, low);
    c[0] = low[0];
    c[1] = low[1];
  }

  // Count signal: a defender with three small cards of a side suit, following
  // for the first time without trying to win, shows an odd number by playing
  // the middle card.
  const bool countSignal = p.isDefender(p.seat) && p.pos >= 2 &&
                           v.MyLen == p.me().Suits[led].DealtLength && v.MyLen == 3 &&
                           led != p.trump && c[0] == v.MyLow && v.MyCards < (Holding(1) << Jack);
  p.Candidates = {};
  if (countSignal) p.AddCandidate(CardOf(NthHighest(v.MyLen - 1, v.MyCards), led));
  else p.AddCandidate(RaiseUnlessThirdDefender(p, c[0]));
  p.AddCandidate(RaiseUnlessThirdDefender(p, c[1]));
  p.AddCandidate(CardOf(c[2] & v.MyCards, led));
}

}  // namespace quorval::engine
