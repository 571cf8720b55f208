#include "bidding/one_hand.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "bidding/seat_view.h"

namespace quorval::bidder {
namespace {

std::string Folded(const std::string& text) {
  std::string out;
  for (const char c : text)
    if (c != ' ' && c != '-' && c != '_') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool ReadSystem(const std::string& text, System& out) {
  const std::string word = Folded(text);
  for (System s : kAllSystems)
    if (word == std::string(1, Definition(s).letter) || word == Folded(Definition(s).name)) {
      out = s;
      return true;
    }
  return false;
}

bool ReadSeat(const std::string& text, Seat& out) {
  static const char* const names[] = {"NORTH", "EAST", "SOUTH", "WEST"};
  const std::string word = Folded(text);
  for (Seat s = 0; s < 4; ++s)
    if (word == std::string(1, kSeatLetters[s]) || word == names[s]) {
      out = s;
      return true;
    }
  return false;
}

bool ReadVulnerability(const std::string& text, Vulnerability& out) {
  const std::string word = Folded(text);
  for (Vulnerability v = 0; v < 4; ++v)
    if (word == Folded(VulnerabilityName(v))) {
      out = v;
      return true;
    }
  return false;
}

bool ReadHand(const std::string& text, Hand& hand, std::string& error) {
  hand = {};
  TSuit suit = Spade;
  int cards = 0;
  for (const char ch : text) {
    if (ch == '.') {
      if (--suit < Club) {
        error = "a hand has four suits, spades first: " + text;
        return false;
      }
      continue;
    }
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const std::string ranks = "23456789TJQKA";
    const size_t r = ranks.find(up);
    if (r == std::string::npos) {
      error = std::string("\"") + ch + "\" is not a rank in the hand " + text;
      return false;
    }
    const Holding bit = RankBit(static_cast<TRank>(r + 2));
    if (hand[suit] & bit) {
      error = std::string("a card is given twice in the hand ") + text;
      return false;
    }
    hand[suit] |= bit;
    ++cards;
  }
  if (suit != Club || cards != 13) {
    error = "a hand is thirteen cards in four suits, spades first: " + text;
    return false;
  }
  return true;
}

// The table's view of the calls; the question's calls were checked when read.
View TableView(const HandQuestion& q, TableReading& reading) {
  View table(q.system, q.dealer, q.vul);
  reading.ReadAuction(q.calls, table);
  return table;
}

}  // namespace

namespace {

bool ReadAuctionWords(const std::string& calls, const std::string& dealer, const std::string& vul,
                      AuctionQuestion& out, std::string& error) {
  if (!ReadSeat(dealer, out.dealer)) {
    error = "the dealer is N, E, S or W, not " + dealer;
    return false;
  }
  if (!ReadVulnerability(vul, out.vul)) {
    error = "the vulnerability is None, NS, EW or Both, not " + vul;
    return false;
  }
  Auction auction(out.dealer);
  std::istringstream in(calls);
  std::string token;
  while (std::getline(in, token, ',')) {
    for (char& ch : token) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const CallCode c = ParseCall(token);
    if (c == NoCall || CallToken(c) != token) {
      error = "\"" + token + "\" is not a call (P, X, XX, 1C .. 7N)";
      return false;
    }
    if (auction.Over() || !auction.Make(c)) {
      error = token + " is not allowed after " + (out.calls.empty() ? std::string("no calls") : CallToken(out.calls.back()));
      return false;
    }
    out.calls.push_back(c);
  }
  if (!calls.empty() && calls.back() == ',') {
    error = "an empty call in " + calls;
    return false;
  }
  return true;
}

bool ReadSystemWord(const std::string& system, AuctionQuestion& out, std::string& error) {
  if (ReadSystem(system, out.system)) return true;
  error = "no bidding system " + system + " (D, M, N or S)";
  return false;
}

}  // namespace

bool ReadAuctionQuestion(const std::string& system, const std::string& calls, const std::string& dealer,
                         const std::string& vul, AuctionQuestion& out, std::string& error) {
  out = AuctionQuestion{};
  return ReadSystemWord(system, out, error) && ReadAuctionWords(calls, dealer, vul, out, error);
}

bool ReadHandQuestion(const std::string& system, const std::string& hand, const std::string& calls,
                      const std::string& dealer, const std::string& vul, HandQuestion& out, std::string& error) {
  out = HandQuestion{};
  return ReadSystemWord(system, out, error) && ReadHand(hand, out.hand, error) &&
         ReadAuctionWords(calls, dealer, vul, out, error);
}

bool BidAnswer(const HandQuestion& q, TableReading& reading, std::string& answer, std::string& error) {
  const View table = TableView(q, reading);
  if (table.auction.Over()) {
    error = "the auction is over; the lead command tells the opening lead";
    return false;
  }
  answer = CallToken(OwnCall(q.hand, table));
  return true;
}

bool LeadAnswer(const HandQuestion& q, TableReading& reading, std::string& answer, std::string& error) {
  const View table = TableView(q, reading);
  if (!table.auction.Over()) {
    error = "the auction is not over; the bid command tells the next call";
    return false;
  }
  answer.clear();
  for (const WeightedLead& l : LeaderLeads(q.hand, table)) {
    if (!answer.empty()) answer += ',';
    answer += CardText(l.card) + "," + std::to_string(l.percent);
  }
  return true;
}

}  // namespace quorval::bidder
