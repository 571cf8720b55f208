#include "play/engine/position.h"

#include <algorithm>

namespace quorval::engine {

void Position::AddCandidate(CardCode c) {
  if (c < 4) return;
  for (auto& slot : Candidates) {
    if (slot == c) return;
    if (slot == 0) {
      slot = c;
      return;
    }
  }
}

void UpdateTrickWinner(TrickFrame& f, tAllTrump trump, CardCode card, int pos, Seat seat) {
  const TSuit u = SuitOf(card);
  if (pos == 0) {
    f.suitLed = u;
    f.winCard = card;
    f.winSeat = seat;
    f.winSuit = u;
    return;
  }
  const bool higher = u == f.winSuit && card > f.winCard;
  const bool ruff = u == trump && f.winSuit != trump;
  if (higher || ruff) {
    f.winCard = card;
    f.winSeat = seat;
    f.winSuit = u;
  }
}

void RecomputeWinner(TrickFrame& f, tAllTrump trump, int count) {
  Seat s = f.leader;
  for (int i = 0; i < count; ++i, s = NextSeat(s)) UpdateTrickWinner(f, trump, f.cards[s], i, s);
}

namespace {

void LoadHandsFrom(Position& p, const std::array<std::array<uint16_t, 4>, 4>& h) {
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) {
      p.hands[s].Suits[u].Current = h[s][u];
      p.hands[s].Suits[u].Length = Count(h[s][u]);
    }
}

// Second highest card of the pair's combined holding, except that a
// singleton in one hand makes the other hand's second card count.
Holding PairSecond(Holding a, int aLen, Holding b, int bLen) {
  if (bLen == 1) return NthHighest(2, a);
  if (aLen == 1) return NthHighest(2, b);
  return NthHighest(2, a | b);
}

}  // namespace

void RefreshViews(Position& p) {
  const bool nt = p.trump == NT;
  for (Seat s = 0; s < 4; ++s) {
    THands& hand = p.hands[s];
    const THands& pd = p.hands[hand.Partner];
    const THands& lho = p.hands[hand.Lho];
    const THands& rho = p.hands[hand.Rho];
    for (TSuit u = 0; u < 4; ++u) {
      SuitView& v = hand.Views[u];
      v.Suit = u;
      v.MyCards = hand.Cards(u);
      v.PdCards = pd.Cards(u);
      v.LhoCards = lho.Cards(u);
      v.RhoCards = rho.Cards(u);
      v.MyLen = hand.Len(u);
      v.PdLen = pd.Len(u);
      v.LhoLen = lho.Len(u);
      v.RhoLen = rho.Len(u);
      if (nt) {
        v.MyTrumps = v.PdTrumps = v.LhoTrumps = v.RhoTrumps = 0;
        v.MyTrumpLen = v.PdTrumpLen = v.LhoTrumpLen = v.RhoTrumpLen = 0;
      } else {
        v.MyTrumps = hand.Cards(p.trump);
        v.PdTrumps = pd.Cards(p.trump);
        v.LhoTrumps = lho.Cards(p.trump);
        v.RhoTrumps = rho.Cards(p.trump);
        v.MyTrumpLen = hand.Len(p.trump);
        v.PdTrumpLen = pd.Len(p.trump);
        v.LhoTrumpLen = lho.Len(p.trump);
        v.RhoTrumpLen = rho.Len(p.trump);
      }
      v.AllTrumps = v.MyTrumps | v.PdTrumps | v.LhoTrumps | v.RhoTrumps;
      v.OurCards = v.MyCards | v.PdCards;
      v.TheirCards = v.LhoCards | v.RhoCards;
      v.AllCards = v.OurCards | v.TheirCards;
      v.OurMaxLen = std::max(v.MyLen, v.PdLen);
      v.TheirMaxLen = std::max(v.LhoLen, v.RhoLen);
      v.MyLow = Lowest(v.MyCards);
      v.PdLow = Lowest(v.PdCards);
      v.My2 = NthHighest(2, v.MyCards);
      v.My3 = NthHighest(3, v.MyCards);
      v.Pd2 = NthHighest(2, v.PdCards);
      v.Pd3 = NthHighest(3, v.PdCards);
      v.Lho2 = NthHighest(2, v.LhoCards);
      v.Rho2 = NthHighest(2, v.RhoCards);
      v.Our2 = PairSecond(v.MyCards, v.MyLen, v.PdCards, v.PdLen);
      v.Their2 = PairSecond(v.LhoCards, v.LhoLen, v.RhoCards, v.RhoLen);
      v.Their3 = NthHighest(3, v.TheirCards);
      const bool trumps = !nt;
      v.ICanRuff = trumps && v.MyLen == 0 && v.MyTrumpLen > 0;
      v.PdCanRuff = trumps && v.PdLen == 0 && v.PdTrumpLen > 0;
      v.LhoCanRuff = trumps && v.LhoLen == 0 && v.LhoTrumpLen > 0;
      v.RhoCanRuff = trumps && v.RhoLen == 0 && v.RhoTrumpLen > 0;
      v.OppCanRuff = v.LhoCanRuff || v.RhoCanRuff;
    }
  }
}

void SetUpPosition(Position& p) {
  p.trump = p.in.trump;
  p.declarer = PrevSeat(p.in.openingLeader);
  p.dummy = PartnerOf(p.declarer);
  p.frames = {};
  TrickFrame& f0 = p.frames[0];
  for (Seat s = 0; s < 4; ++s)
    for (TSuit u = 0; u < 4; ++u) f0.holdings[s][u] = static_cast<uint16_t>(p.in.dealt[s][u] & kRankMask);
  f0.leader = p.in.openingLeader;
  for (Seat s = 0; s < 4; ++s) {
    THands& h = p.hands[s];
    h.Me = s;
    h.Partner = PartnerOf(s);
    h.Lho = NextSeat(s);
    h.Rho = PrevSeat(s);
  }
  LoadHandsFrom(p, f0.holdings);
  for (THands& h : p.hands) {
    h.Hcp = 0;
    h.DistPoints = 0;
    bool hasVoid = false;
    for (TSuit u = 0; u < 4; ++u) {
      TSuitData& d = h.Suits[u];
      d.Suit = u;
      d.Dealt = d.Current;
      d.DealtLength = d.Length;
      h.Hcp += Points(d.Current);
      if (d.Length > 4) h.DistPoints += d.Length - 4;
      if (d.Length == 0) hasVoid = true;
    }
    if (hasVoid) h.DistPoints = std::max(h.DistPoints, 2);
  }
  RefreshViews(p);
  p.seat = p.in.openingLeader;
  p.trick = 0;
  p.pos = 1;
  p.cardsAtNode = 0;
  p.Candidates = {};
}

bool ReplayActualPlay(Position& p) {
  int trick = 0, pos = 0;
  Seat seat = p.in.openingLeader;
  p.frames[0].leader = seat;
  p.frames[1].holdings = p.frames[0].holdings;
  while (trick < 13) {
    const CardCode card = p.in.played[seat][trick];
    if (card == 0) break;
    TrickFrame& f = p.frames[trick];
    const TSuit u = SuitOf(card);
    if (!(f.holdings[seat][u] & CardBits(card))) return false;
    f.cards[seat] = card;
    UpdateTrickWinner(f, p.trump, card, pos, seat);
    p.frames[trick + 1].holdings[seat][u] &= static_cast<uint16_t>(~CardBits(card));
    seat = NextSeat(seat);
    if (++pos == 4) {
      seat = f.winSeat;
      pos = 0;
      ++trick;
      p.frames[trick].leader = seat;
      if (trick < 13) p.frames[trick + 1].holdings = p.frames[trick].holdings;
    }
  }
  p.trick = std::min(trick, 12);
  p.pos = pos + 1;
  p.seat = seat;
  p.cardsAtNode = trick * 4 + pos;
  return true;
}

void LoadNodeHands(Position& p) {
  const TrickFrame& f = p.frames[p.trick];
  LoadHandsFrom(p, f.holdings);
  for (Seat s = f.leader; s != p.seat; s = NextSeat(s)) {
    const CardCode c = f.cards[s];
    if (c == 0) continue;
    TSuitData& d = p.hands[s].Suits[SuitOf(c)];
    d.Current &= ~CardBits(c);
    d.Length = Count(d.Current);
  }
  RefreshViews(p);
  p.viewSeat = p.seat;
}

}  // namespace quorval::engine
