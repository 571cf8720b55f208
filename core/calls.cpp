#include "core/calls.h"

#include <cctype>

namespace quorval {

std::string CallToken(CallCode c) {
  if (IsBid(c)) return std::string{static_cast<char>('0' + LevelOf(c)), StrainLetter(StrainOf(c))};
  switch (c) {
    case Pass: return "P";
    case Double: return "X";
    case Redouble: return "XX";
    default: return "??";
  }
}

std::string CallDisplayText(CallCode c) {
  if (IsBid(c)) return std::string{static_cast<char>('0' + LevelOf(c)), '~', StrainLetter(StrainOf(c))};
  switch (c) {
    case Pass: return "Pass";
    case Double: return "Dbl";
    case Redouble: return "RDbl";
    case NoCall: return "\u2014\u2014\u2014 ";  // three dashes and a blank
    default: return "????";
  }
}

std::string CallLongText(CallCode c, int doubledCount) {
  switch (c) {
    case Pass: return "Pass";
    case Double: return "Double";
    case Redouble: return "ReDbl";
    case NoCall: return "No Bid";
    default: break;
  }
  if (!IsBid(c)) return "????";
  std::string text = CallDisplayText(c);
  if (doubledCount == 1) text += "X";
  else if (doubledCount == 2) text += "XX";
  return text;
}

std::string ContractText(const Contract& contract, bool withMarkup) {
  std::string text = CallLongText(contract.bid, contract.DoubledCount).substr(0, 5);
  if (!withMarkup) {
    const auto tilde = text.find('~');
    if (tilde != std::string::npos) text.erase(tilde, 1);
  }
  return text;
}

CallCode ParseCall(const std::string& input) {
  std::string text = input;
  if (const auto tilde = text.find('~'); tilde != std::string::npos) text.erase(tilde, 1);
  if (const auto paren = text.find('('); paren != std::string::npos && paren >= 1) text.resize(paren);
  if (!text.empty() && text[0] == '(') {
    text.erase(0, 1);
    if (text.empty() || text.back() != ')') return NoCall;
    text.pop_back();
  }
  if (text.empty()) return Pass;
  const char first = text[0];
  if (first == 'P') return Pass;
  if (first == 'D') return Double;
  if (text == "X" || text == "XD") return Double;
  if (text == "XX") return Redouble;
  if (first == 'R') return Redouble;
  if (text.size() < 2) return NoCall;
  tAllTrump strain;
  switch (static_cast<unsigned char>(text[1])) {
    case 'C': case 'c': case 0xC0: strain = Club; break;
    case 'D': case 'd': case 0xC1: strain = Diamond; break;
    case 'H': case 'h': case 0xC2: strain = Heart; break;
    case 'S': case 's': case 0xC3: strain = Spade; break;
    case 'N': case 'n': case 0xC8: strain = NT; break;
    default: return NoCall;
  }
  const int level = std::isdigit(static_cast<unsigned char>(first)) ? first - '0' : 1;
  const CallCode code = MakeBid(level, strain);
  // A digit outside 1..7 does not name a bid.
  return IsBid(code) ? code : NoCall;
}

bool AuctionOver(const std::vector<CallCode>& calls) {
  const size_t n = calls.size();
  return n >= 4 && calls[n - 1] == Pass && calls[n - 2] == Pass && calls[n - 3] == Pass;
}

Seat DeclarerOf(const std::vector<CallCode>& calls, Seat dealer, int n) {
  if (n < 0 || n >= static_cast<int>(calls.size())) return North;
  const tAllTrump strain = StrainOf(calls[n]);
  int first = n;
  for (int i = n; i >= 0; i -= 2)
    if (IsBid(calls[i]) && StrainOf(calls[i]) == strain) first = i;
  return (dealer + first) & 3;
}

bool Auction::DoubleAllowed() const {
  return IsBid(lastBid) && DoubledCount == 0 && ((SeatToAct() + declarer) & 1) == 1;
}

bool Auction::RedoubleAllowed() const {
  return IsBid(lastBid) && DoubledCount == 1 && ((SeatToAct() + declarer) & 1) == 0;
}

bool Auction::IsLegal(CallCode c) const {
  if (Over()) return false;
  if (c == Pass) return true;
  if (IsBid(c)) return c > lastBid;
  if (c == Double) return DoubleAllowed();
  if (c == Redouble) return RedoubleAllowed();
  return false;
}

bool Auction::Make(CallCode c) {
  if (!IsLegal(c)) return false;
  calls.push_back(c);
  if (IsBid(c)) {
    lastBid = c;
    lastLevel = LevelOf(c);
    lastStrain = StrainOf(c);
    DoubledCount = 0;
    declarer = DeclarerOf(calls, dealer, static_cast<int>(calls.size()) - 1);
  } else if (c == Double || c == Redouble) {
    ++DoubledCount;
  }
  return true;
}

}  // namespace quorval
