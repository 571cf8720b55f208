#pragma once
// Small helpers shared by the engine tests: holdings from rank texts, deals
// from deal texts, and random legal play.

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/deal.h"
#include "play/engine/position.h"
#include "play/play_state.h"

namespace quorval::testutil {

// "AQ5" -> the rank bits of ace, queen and five.
inline Holding H(const std::string& ranks) {
  const std::string chars = "23456789TJQKA";
  Holding h = 0;
  for (char c : ranks) h |= RankBit(static_cast<TRank>(chars.find(c)) + 2);
  return h;
}

inline Deal DealFrom(const char* text) {
  Deal d;
  std::vector<std::string> errors;
  ParseDeal(text, d, errors);
  return d;
}

// An ending: holdings per seat (North first) as "spades.hearts.diamonds.clubs".
inline Deal Ending(const std::array<const char*, 4>& hands) {
  Deal d;
  for (Seat s = 0; s < 4; ++s) {
    const std::string text = hands[size_t(s)];
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
      const size_t dot = text.find('.', start);
      const std::string ranks = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
      d.at(s, Spade - part) = H(ranks);
      start = dot == std::string::npos ? text.size() : dot + 1;
    }
  }
  return d;
}

inline Deal RandomDeal(std::mt19937& rng) {
  std::vector<int> cards(52);
  for (int i = 0; i < 52; ++i) cards[i] = i;
  std::shuffle(cards.begin(), cards.end(), rng);
  Deal d;
  for (int i = 0; i < 52; ++i) d.at(i / 13, cards[i] / 13) |= RankBit(cards[i] % 13 + 2);
  return d;
}

inline CardCode RandomLegal(const PlayState& st, std::mt19937& rng) {
  const auto legal = LegalHoldings(st);
  std::vector<CardCode> cards;
  for (TSuit u = 0; u < 4; ++u)
    for (TRank r = 2; r <= 14; ++r)
      if (legal[u] & RankBit(r)) cards.push_back(MakeCard(r, u));
  return cards.empty() ? 0 : cards[rng() % cards.size()];
}

// A position holding one suit, seen from South (me): North is partner,
// West the left-hand opponent, East the right-hand one.
inline engine::Position SuitPosition(Holding me, Holding pd, Holding lho, Holding rho,
                                     TSuit suit = Spade, tAllTrump trump = NT) {
  engine::Position p;
  p.trump = trump;
  p.declarer = South;
  p.in.trump = trump;
  for (Seat s = 0; s < 4; ++s) {
    auto& h = p.hands[s];
    h.Me = s;
    h.Partner = PartnerOf(s);
    h.Lho = NextSeat(s);
    h.Rho = PrevSeat(s);
  }
  const Holding by[4] = {pd, rho, me, lho};   // North, East, South, West
  for (Seat s = 0; s < 4; ++s) {
    p.hands[s].Suits[suit].Current = by[s];
    p.hands[s].Suits[suit].Length = engine::Count(by[s]);
  }
  p.seat = p.viewSeat = South;
  p.viewSuit = suit;
  p.pos = 1;
  engine::RefreshViews(p);
  return p;
}

}  // namespace quorval::testutil
