#pragma once
// The small value types of the bridge table: seats, strains, ranks, cards and
// holdings. Plain integers with inline helpers, cheap to copy and compare.

#include <cstdint>
#include <string>

namespace quorval {

// North 0, East 1, South 2, West 3; calls and cards go clockwise.
using Seat = int;
inline constexpr Seat North = 0, East = 1, South = 2, West = 3;

// Strain: clubs 0 .. spades 3, no-trump 4, NoBid 5. A suit is a strain 0..3.
using tAllTrump = int;
using TSuit = int;
inline constexpr tAllTrump Club = 0, Diamond = 1, Heart = 2, Spade = 3, NT = 4, NoBid = 5;

// Rank 2..14 (ace 14). 0 and 1 ("V" void, "X" small card) are never real cards.
using TRank = int;
inline constexpr TRank Ten = 10, Jack = 11, Queen = 12, King = 13, Ace = 14;

// A card is (1 << rank) | suit: the two of clubs is 4, the ace of spades 16387.
using CardCode = int32_t;
// The rank bits one hand holds in one suit (bit r for rank r).
using Holding = int32_t;
// Every rank, two to ace (bits 2..14): a whole suit, and the mask that takes
// a card's rank bit out of its code.
inline constexpr Holding kRankMask = 0x7FFC;

// Side: North-South 1, East-West 2.
using Side = int;

inline constexpr const char* kSeatLetters = "NESW";
inline constexpr const char* kStrainLetters = "CDHSN";
inline constexpr const char* kRankChars = "VX23456789TJQKA";

constexpr Seat NextSeat(Seat s) { return (s + 1) & 3; }
constexpr Seat PrevSeat(Seat s) { return (s + 3) & 3; }
constexpr Seat PartnerOf(Seat s) { return (s + 2) & 3; }
constexpr Side SideOf(Seat s) { return (s == East || s == West) ? 2 : 1; }
constexpr bool SameSide(Seat a, Seat b) { return ((a + b) & 1) == 0; }

constexpr CardCode MakeCard(TRank rank, TSuit suit) { return (1 << rank) | suit; }
constexpr TSuit SuitOf(CardCode c) { return c & 3; }
constexpr TRank RankOf(CardCode c) {
  if (c < 2) return 0;
  for (TRank r = 2; r <= 14; ++r)
    if (c & (1 << r)) return r;
  return 0;
}
constexpr Holding RankBit(TRank r) { return 1 << r; }
constexpr bool HoldsCard(Holding h, CardCode c) { return (c & h & ~3) != 0; }
// True when `card` beats `winning` in a trick with the given trumps (NT for
// none): a higher card of the same suit, or a trump on a card of another suit.
constexpr bool CardBeats(CardCode card, CardCode winning, tAllTrump trump) {
  if (SuitOf(card) == SuitOf(winning)) return card > winning;
  return SuitOf(card) == trump && SuitOf(winning) != trump;
}

// Number of ranks held (bits 2..14).
constexpr int CardCount(Holding h) { return __builtin_popcount(static_cast<unsigned>(h & kRankMask)); }
// Ace 4, King 3, Queen 2, Jack 1.
constexpr int HighCardPoints(Holding h) {
  return ((h >> 11) & 1) + 2 * ((h >> 12) & 1) + 3 * ((h >> 13) & 1) + 4 * ((h >> 14) & 1);
}
// Highest and lowest rank held, 0 for an empty holding.
constexpr TRank HighestRank(Holding h) {
  h &= kRankMask;
  return h ? 31 - __builtin_clz(static_cast<unsigned>(h)) : 0;
}
constexpr TRank LowestRank(Holding h) {
  h &= kRankMask;
  return h ? __builtin_ctz(static_cast<unsigned>(h)) : 0;
}

char SeatLetter(Seat s);
const char* SeatName(Seat s);          // "North" .. "West"
char StrainLetter(tAllTrump s);        // "C" .. "N"
const char* StrainName(tAllTrump s);   // "Club" .. "No trump"
char RankChar(TRank r);
// The rank of a card letter as deal texts write it ('2'..'9', 'T', 'J', 'Q',
// 'K', 'A', upper case only); 0 for any other character.
TRank RankFromChar(char c);

// First character only: N/E/S/W (any case), then 0..3; otherwise the seat
// before the dealer (the fallback a caller with a board passes in).
Seat ParseSeat(const std::string& text, Seat dealer = North);

std::string CardText(CardCode c);            // "AS", "TC"
CardCode ParseCard(const std::string& text);  // 0 when not a card (callers reject < 4)

enum class HoldingForm { Bare, Colon, Symbol };
std::string HoldingText(TSuit suit, Holding h, HoldingForm form);

// The suit-symbol markup "~X": the glyph code of the Symbol/CCWriter fonts that
// stands for the letter, and the colour (0x00BBGGRR) it is drawn in.
struct SuitGlyphInfo {
  unsigned char code;   // 0xA7..0xAA suits, 0xB6/0xB8/0xC8 no-trump, '~' otherwise
  bool ccwriter;        // drawn in the bridge font rather than "Symbol"
};
SuitGlyphInfo SuitGlyph(char strainLetter, int language);
uint32_t MarkupColour(char strainLetter);

}  // namespace quorval
