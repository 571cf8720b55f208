#pragma once
// Hand-made deals for the bidder tests: the hands that matter are written out,
// the others get the remaining cards in order.
#include <array>
#include <cstdio>
#include <string>

#include "bidding/library.h"
#include "core/deal.h"
#include "core/prng.h"

namespace quorval::bidder::testing {

// "AKQ2.K32.Q32.432" (spades first); an empty text takes leftover cards.
inline Holding ParseSuit(const std::string& text, TSuit suit, Deal& deal, Seat seat) {
  for (char ch : text) {
    const std::string rank = "23456789TJQKA";
    const auto pos = rank.find(ch);
    if (pos != std::string::npos) deal.at(seat, suit) |= RankBit(static_cast<TRank>(pos + 2));
  }
  return deal.at(seat, suit);
}

inline Deal MakeDeal(const std::array<std::string, 4>& hands) {
  Deal deal;
  for (Seat s = 0; s < 4; ++s) {
    if (hands[s].empty()) continue;
    std::string part;
    TSuit suit = Spade;
    for (char ch : hands[s] + ".") {
      if (ch == '.') {
        ParseSuit(part, suit, deal, s);
        part.clear();
        --suit;
      } else {
        part += ch;
      }
    }
  }
  Seat fill = 0;
  for (TSuit suit = Spade; suit >= Club; --suit)
    for (TRank r = Ace; r >= 2; --r) {
      bool used = false;
      for (Seat s = 0; s < 4; ++s) used = used || (deal.at(s, suit) & RankBit(r));
      if (used) continue;
      const auto count = [&](Seat s) {
        int n = 0;
        for (TSuit x = 0; x < 4; ++x) n += CardCount(deal.at(s, x));
        return n;
      };
      int tries = 0;
      while ((!hands[fill].empty() || count(fill) == 13) && tries++ < 4) fill = (fill + 1) & 3;
      if (tries > 4) return deal;  // the written hands overlap: an incomplete deal
      deal.at(fill, suit) |= RankBit(r);
    }
  return deal;
}

// A library board on a shuffled deal: board i of an event, its dealer and
// vulnerability from the board number, the user at a seat turning with i.
inline LibraryBoard ShuffledLibraryBoard(uint64_t seed, const std::string& event, const std::string& tag, int i) {
  LibraryBoard b;
  const int number = i % 27 + 1;
  char key[16];
  std::snprintf(key, sizeof key, "%s.%02d", event.c_str(), number);
  b.key = key;
  b.deal = ShuffledDeal(seed, tag + std::to_string(i));
  b.dealer = StandardDealer(number);
  b.vul = StandardVulnerability(number);
  b.site = i % 4;
  return b;
}

}  // namespace quorval::bidder::testing
