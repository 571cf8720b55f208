#include "core/types.h"

#include <cctype>

namespace quorval {

char SeatLetter(Seat s) { return kSeatLetters[s & 3]; }

const char* SeatName(Seat s) {
  static const char* const names[] = {"North", "East", "South", "West"};
  return names[s & 3];
}

char StrainLetter(tAllTrump s) { return (s >= 0 && s <= 4) ? kStrainLetters[s] : '?'; }

const char* StrainName(tAllTrump s) {
  static const char* const names[] = {"Club", "Diamond", "Heart", "Spade", "No trump"};
  return (s >= 0 && s <= 4) ? names[s] : "";
}

char RankChar(TRank r) { return (r >= 0 && r <= 14) ? kRankChars[r] : '?'; }

TRank RankFromChar(char c) {
  if (c >= '2' && c <= '9') return c - '0';
  switch (c) {
    case 'T': return Ten;
    case 'J': return Jack;
    case 'Q': return Queen;
    case 'K': return King;
    case 'A': return Ace;
    default: return 0;
  }
}

Seat ParseSeat(const std::string& text, Seat dealer) {
  if (!text.empty()) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    for (Seat s = 0; s < 4; ++s)
      if (c == kSeatLetters[s]) return s;
    if (c >= '0' && c <= '3') return c - '0';
  }
  return PrevSeat(dealer);
}

std::string CardText(CardCode c) {
  return std::string{RankChar(RankOf(c)), kStrainLetters[SuitOf(c)]};
}

CardCode ParseCard(const std::string& text) {
  if (text.size() < 2) return 0;
  TRank rank = 0;
  const char r = text[0];
  if (r >= '2' && r <= '9') rank = r - '0';
  else if (r == 'T') rank = Ten;
  else if (r == 'J') rank = Jack;
  else if (r == 'Q') rank = Queen;
  else if (r == 'K') rank = King;
  else if (r == 'A') rank = Ace;
  else return 0;
  TSuit suit;
  switch (text[1]) {
    case 'C': suit = Club; break;
    case 'D': suit = Diamond; break;
    case 'H': suit = Heart; break;
    case 'S': suit = Spade; break;
    default: return 0;
  }
  return MakeCard(rank, suit);
}

std::string HoldingText(TSuit suit, Holding h, HoldingForm form) {
  std::string ranks;
  for (TRank r = Ace; r >= 2; --r)
    if (h & RankBit(r)) ranks += RankChar(r);
  switch (form) {
    case HoldingForm::Bare: return ranks;
    case HoldingForm::Colon: return std::string{StrainLetter(suit), ':'} + ranks;
    case HoldingForm::Symbol: return std::string{'~', StrainLetter(suit), ' '} + ranks;
  }
  return ranks;
}

SuitGlyphInfo SuitGlyph(char letter, int language) {
  switch (letter) {
    case 'C': return {0xA7, false};
    case 'D': return {0xA8, false};
    case 'H': return {0xA9, false};
    case 'S': return {0xAA, false};
    case 'N':
      if (language == 1) return {0xB8, true};
      if (language == 3 || language == 5 || language == 6) return {0xB6, true};
      return {0xC8, true};
    default: return {'~', false};
  }
}

uint32_t MarkupColour(char letter) {
  if (letter == 'D' || letter == 'H') return 0x000000FF;  // red
  if (letter == 'N') return 0x00800000;                  // navy
  return 0;
}

}  // namespace quorval
