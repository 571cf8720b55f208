#include "core/deal.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace quorval {

Vulnerability ParseVulnerability(const std::string& text) {
  std::string up = text;
  std::transform(up.begin(), up.end(), up.begin(), [](unsigned char c) { return std::toupper(c); });
  if (up == "N-S" || up == "NS") return 1;
  if (up == "E-W" || up == "EW") return 2;
  if (up == "BOTH") return 3;
  return 0;
}

const char* VulnerabilityName(Vulnerability v) {
  static const char* const names[] = {"None", "NS", "EW", "Both"};
  return names[v & 3];
}

bool SideVulnerable(Vulnerability v, Side side) { return v != 0 && (v == 3 || v == side); }

Seat StandardDealer(int boardNumber) { return ((boardNumber - 1) % 4 + 4) & 3; }

Vulnerability StandardVulnerability(int boardNumber) {
  static constexpr Vulnerability cycle[16] = {0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2};
  return cycle[((boardNumber - 1) % 16 + 16) % 16];
}

bool ParseDeal(const std::string& text, Deal& deal, std::vector<std::string>& errors) {
  const char first = text.empty() ? '\0' : text[0];
  const char* letter = first ? std::strchr(kSeatLetters, first) : nullptr;
  if (!letter) {
    errors.push_back("Deal does not start with N,E,S, or  W : " + text);
    return false;
  }
  if (text.size() < kDealTextLength) {
    errors.push_back(" 52 cards not dealt : " + text);
    return false;
  }
  Deal parsed;
  Seat seat = PrevSeat(static_cast<Seat>(letter - kSeatLetters));
  int suit = Spade;
  for (size_t i = 1; i < kDealTextLength; ++i) {
    const char c = text[i];
    if (c == ':' || c == ' ') {
      seat = NextSeat(seat);
      suit = Spade;
      parsed.at(seat, suit) = 0;
    } else if (c == '.') {
      // A fifth suit in one hand has nowhere to go; its ranks are dropped.
      suit = suit > 0 ? suit - 1 : -1;
      if (suit >= 0) parsed.at(seat, suit) = 0;
    } else if (const TRank r = RankFromChar(c); r && suit >= 0) {
      parsed.at(seat, suit) |= RankBit(r);
    }
  }
  deal = parsed;
  return true;
}

std::string DealText(const Deal& deal, Seat first) {
  std::string text{SeatLetter(first), ':'};
  for (int i = 0; i < 4; ++i) {
    const Seat s = (first + i) & 3;
    if (i) text += ' ';
    for (int suit = Spade; suit >= Club; --suit) {
      text += HoldingText(suit, deal.at(s, suit), HoldingForm::Bare);
      if (suit != Club) text += '.';
    }
  }
  return text;
}

bool DealIsComplete(const Deal& deal) {
  for (TSuit suit = 0; suit < 4; ++suit) {
    Holding seen = 0;
    for (Seat s = 0; s < 4; ++s) {
      if (seen & deal.at(s, suit)) return false;
      seen |= deal.at(s, suit);
    }
    if ((seen & kRankMask) != kRankMask) return false;
  }
  for (Seat s = 0; s < 4; ++s) {
    int n = 0;
    for (TSuit suit = 0; suit < 4; ++suit) n += CardCount(deal.at(s, suit));
    if (n != 13) return false;
  }
  return true;
}

Seat RotateSeat(Seat s, int k) { return ((s + k) % 4 + 4) % 4; }

void RotateDeal(int k, Seat& dealer, Vulnerability& vul, Deal& deal) {
  k = ((k % 4) + 4) % 4;
  if (k == 0) return;
  dealer = RotateSeat(dealer, k);
  if ((k & 1) && (vul == 1 || vul == 2)) vul = 3 - vul;
  Deal turned;
  for (Seat q = 0; q < 4; ++q)
    for (TSuit suit = 0; suit < 4; ++suit) turned.at(RotateSeat(q, k), suit) = deal.at(q, suit);
  deal = turned;
}

THands::THands(Seat seat)
    : HandSeat(seat),
      Partner(PartnerOf(seat)),
      LeftOpponent(NextSeat(seat)),
      RightOpponent(PrevSeat(seat)),
      SeatName(quorval::SeatName(seat)),
      HandSide(SideOf(seat)),
      OpponentSide(SideOf(NextSeat(seat))) {
  for (TSuit s = 0; s < 4; ++s) {
    Suits[s].SuitIndex = s;
    Suits[s].SuitLetter = StrainLetter(s);
  }
}

int THands::CardsLeftTotal() const {
  int n = 0;
  for (const auto& s : Suits) n += s.CardsLeft;
  return n;
}

bool THands::RemoveCard(CardCode c) {
  if (c < 4 || !Holds(c)) return false;
  Suits[SuitOf(c)].CurrentHolding &= ~RankBit(RankOf(c));
  Recount(*this);
  return true;
}

void THands::ReturnCard(CardCode c) {
  if (c < 4) return;
  Suits[SuitOf(c)].CurrentHolding |= RankBit(RankOf(c));
  Recount(*this);
}

void Recount(THands& hand) {
  hand.Hcp = 0;
  for (auto& s : hand.Suits) {
    s.CardsLeft = CardCount(s.CurrentHolding);
    hand.Hcp += HighCardPoints(s.CurrentHolding);
  }
}

void DealToHands(const Deal& deal, std::array<THands, 4>& hands) {
  for (Seat seat = 0; seat < 4; ++seat) {
    for (TSuit suit = 0; suit < 4; ++suit) {
      hands[seat].Suits[suit].CurrentHolding = deal.at(seat, suit);
      hands[seat].Suits[suit].DealtHolding = deal.at(seat, suit);
    }
    Recount(hands[seat]);
  }
}

void RestoreDeal(std::array<THands, 4>& hands) {
  for (auto& hand : hands) {
    for (auto& s : hand.Suits) {
      s.CurrentHolding = s.DealtHolding;
      s.HighlightMask = 0;
    }
    Recount(hand);
  }
}

}  // namespace quorval
