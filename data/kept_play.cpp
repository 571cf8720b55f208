#include "data/kept_play.h"

#include <algorithm>

#include "data/comma_text.h"
#include "data/date_time.h"
#include "data/ini_store.h"

namespace quorval {
namespace {

constexpr const char* kFields[5] = {"Dealer", "Vulnerable", "Deal", "Auction", "Play"};
constexpr const char* kNoCards = "-";
constexpr const char* kClaimMark = "claim";
constexpr const char* kFiledField = "Filed";

std::string FieldKey(const std::string& boardKey, int field) { return boardKey + "." + kFields[field]; }

std::string Ordinal(size_t n) { return std::to_string(n); }

// A card code that names exactly one card.
bool IsCard(CardCode c) {
  const TRank r = RankOf(c);
  return r >= 2 && r <= Ace && c == MakeCard(r, SuitOf(c));
}

// The play walked by the rules: every call made on an auction, every card
// checked against the hand of the seat to play. It stops at the first call
// or card that does not fit and says why.
struct Walk {
  Auction auction;
  size_t calls = 0;
  size_t cards = 0;
  std::vector<KeptTrick> tricks;
  std::string fault;
};

Walk WalkPlay(const KeptPlay& play) {
  Walk w;
  w.auction = Auction(play.dealer & 3);
  for (const CallCode c : play.calls) {
    if (w.auction.Over()) {
      w.fault = "call " + Ordinal(w.calls + 1) + " comes after the end of the auction";
      return w;
    }
    if (!w.auction.Make(c)) {
      w.fault = "call " + Ordinal(w.calls + 1) + " (" + CallToken(c) + ") is not allowed there";
      return w;
    }
    ++w.calls;
  }
  if (play.cards.empty()) return w;
  if (!w.auction.Over()) {
    w.fault = "cards are played before the auction is over";
    return w;
  }
  const Contract contract = w.auction.Result();
  if (contract.PassedOut()) {
    w.fault = "cards are played on a passed-out board";
    return w;
  }
  if (play.openingLeader != NextSeat(contract.declarer)) {
    w.fault = std::string("the opening leader is ") + SeatLetter(play.openingLeader & 3) + ", not " +
              SeatLetter(NextSeat(contract.declarer));
    return w;
  }
  Deal left = play.deal;
  const tAllTrump trump = contract.strain();
  KeptTrick trick;
  trick.leader = play.openingLeader;
  Seat toPlay = trick.leader;
  CardCode winning = 0;
  for (const CardCode card : play.cards) {
    const std::string which = "card " + Ordinal(w.cards + 1);
    const TSuit suit = SuitOf(card);
    const int position = static_cast<int>(w.cards % 4);
    const TSuit led = position == 0 ? suit : SuitOf(trick.cards[trick.leader]);
    if (w.cards >= 52) w.fault = which + " comes after the last trick";
    else if (!IsCard(card)) w.fault = which + " is not a card";
    else if (!HoldsCard(left.at(toPlay, suit), card))
      w.fault = which + " (" + CardText(card) + ") is not in " + SeatName(toPlay) + "'s hand";
    else if (suit != led && (left.at(toPlay, led) & kRankMask) != 0)
      w.fault = which + " (" + CardText(card) + ") does not follow suit";
    if (!w.fault.empty()) break;
    left.at(toPlay, suit) &= ~RankBit(RankOf(card));
    trick.cards[toPlay] = card;
    if (position == 0 || CardBeats(card, winning, trump)) {
      winning = card;
      trick.winner = toPlay;
    }
    ++w.cards;
    if (position == 3) {
      trick.complete = true;
      trick.declarerSide = SameSide(trick.winner, contract.declarer);
      w.tricks.push_back(trick);
      const Seat next = trick.winner;
      trick = KeptTrick{};
      trick.leader = next;
      toPlay = next;
    } else {
      toPlay = NextSeat(toPlay);
    }
  }
  if (w.cards % 4 != 0) w.tricks.push_back(trick);
  return w;
}

bool ParseSeatLetter(const std::string& text, Seat& seat) {
  if (text.size() != 1) return false;
  for (Seat s = North; s <= West; ++s)
    if (text[0] == SeatLetter(s)) {
      seat = s;
      return true;
    }
  return false;
}

bool ParseVulName(const std::string& text, Vulnerability& vul) {
  for (Vulnerability v = 0; v < 4; ++v)
    if (text == VulnerabilityName(v)) {
      vul = v;
      return true;
    }
  return false;
}

// A call token exactly as written ("P", "X", "XX", "1C" .. "7N").
std::optional<CallCode> StrictCall(const std::string& token) {
  const CallCode c = ParseCall(token);
  if (c == NoCall || CallToken(c) != token) return std::nullopt;
  return c;
}

// A card exactly as written ("AS", "TC").
std::optional<CardCode> StrictCard(const std::string& token) {
  const CardCode c = ParseCard(token);
  if (c < 4 || !IsCard(c) || CardText(c) != token) return std::nullopt;
  return c;
}

// "claimNS9", "claimEW0": the side and a count of 0 to 13, nothing else.
std::optional<KeptClaim> StrictClaim(const std::string& token) {
  const std::string mark = kClaimMark;
  if (token.compare(0, mark.size(), mark) != 0 || token.size() < mark.size() + 3) return std::nullopt;
  const std::string side = token.substr(mark.size(), 2), count = token.substr(mark.size() + 2);
  if (side != "NS" && side != "EW") return std::nullopt;
  if (count.size() > 2 || (count.size() == 2 && count[0] == '0')) return std::nullopt;
  int n = 0;
  for (const char c : count) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n > 13) return std::nullopt;
  return KeptClaim{side == "NS" ? 1 : 2, n};
}

std::string ClaimToken(const KeptClaim& claim) {
  return std::string(kClaimMark) + (claim.side == 1 ? "NS" : "EW") + std::to_string(claim.tricks);
}

// Tricks not yet complete after the cards of a play.
int TricksLeftAfter(size_t cards) { return 13 - static_cast<int>(cards / 4); }

std::string JoinCalls(const std::vector<CallCode>& calls) {
  std::string text;
  for (const CallCode c : calls) text += (text.empty() ? "" : ",") + CallToken(c);
  return text;
}

}  // namespace

Contract KeptPlay::FinalContract() const {
  Auction auction(dealer & 3);
  for (const CallCode c : calls)
    if (!auction.Make(c)) break;
  if (!auction.Over()) return Contract{};
  return auction.Result();
}

bool KeptPlay::AuctionOver() const {
  Auction auction(dealer & 3);
  for (const CallCode c : calls)
    if (!auction.Make(c)) return false;
  return auction.Over();
}

bool KeptPlay::Complete() const {
  if (!AuctionOver()) return false;
  if (FinalContract().PassedOut()) return cards.empty() && !claim;
  return cards.size() == 52 || (claim && cards.size() < 52);
}

std::vector<KeptTrick> KeptTricks(const KeptPlay& play) { return WalkPlay(play).tricks; }

int KeptDeclarerTricks(const KeptPlay& play) {
  int won = 0;
  for (const KeptTrick& t : KeptTricks(play))
    if (t.complete && t.declarerSide) ++won;
  return won + KeptClaimedDeclarerTricks(play);
}

int KeptClaimedDeclarerTricks(const KeptPlay& play) {
  if (!play.claim || play.cards.size() >= 52) return 0;
  const Contract contract = play.FinalContract();
  if (contract.PassedOut()) return 0;
  const int left = TricksLeftAfter(play.cards.size());
  const int claimed = std::min(std::max(play.claim->tricks, 0), left);
  return play.claim->side == SideOf(contract.declarer) ? claimed : left - claimed;
}

KeptPlayText KeptPlayToText(const KeptPlay& play) {
  KeptPlayText text;
  text.dealer = std::string(1, SeatLetter(play.dealer & 3));
  text.vulnerable = VulnerabilityName(play.vul);
  text.deal = DealText(play.deal, North);
  text.auction = JoinCalls(play.calls);
  if (play.cards.empty() && !play.claim) {
    text.play = kNoCards;
  } else {
    text.play = std::string(1, SeatLetter(play.openingLeader & 3)) + ":";
    for (size_t i = 0; i < play.cards.size(); ++i) text.play += (i ? "," : "") + CardText(play.cards[i]);
    if (play.claim) text.play += (play.cards.empty() ? "" : ",") + ClaimToken(*play.claim);
  }
  return text;
}

KeptPlayRead ParseKeptPlay(const KeptPlayText& text) {
  KeptPlayRead read;
  KeptPlay play;
  if (!ParseSeatLetter(text.dealer, play.dealer)) {
    read.fault = "the dealer \"" + text.dealer + "\" is not a seat";
    return read;
  }
  if (!ParseVulName(text.vulnerable, play.vul)) {
    read.fault = "the vulnerability \"" + text.vulnerable + "\" is not None, NS, EW or Both";
    return read;
  }
  std::vector<std::string> errors;
  if (!ParseDeal(text.deal, play.deal, errors) || !DealIsComplete(play.deal)) {
    read.fault = "the deal cannot be read";
    return read;
  }
  read.play = play;
  KeptPlay& out = *read.play;

  // Calls and cards as written; a token that is not one stops the list there
  // and the walk below checks what was read.
  std::string fault;
  if (text.auction.empty()) fault = "there is no auction";
  for (const std::string& token : fault.empty() ? ReadCommaText(text.auction) : std::vector<std::string>{}) {
    const auto call = StrictCall(token);
    if (!call) {
      fault = "call " + Ordinal(play.calls.size() + 1) + " \"" + token + "\" is not a call";
      break;
    }
    play.calls.push_back(*call);
  }
  if (fault.empty() && text.play != kNoCards) {
    if (text.play.size() < 2 || text.play[1] != ':' || !ParseSeatLetter(text.play.substr(0, 1), play.openingLeader)) {
      fault = "the play does not start with the opening leader";
    } else {
      for (const std::string& token : ReadCommaText(std::string_view(text.play).substr(2))) {
        if (play.claim) {
          fault = "card " + Ordinal(play.cards.size() + 1) + " \"" + token + "\" comes after the claim";
          break;
        }
        if (const auto claim = StrictClaim(token)) {
          play.claim = claim;
          continue;
        }
        const auto card = StrictCard(token);
        if (!card) {
          fault = "card " + Ordinal(play.cards.size() + 1) + " \"" + token + "\" is not a card";
          break;
        }
        play.cards.push_back(*card);
      }
    }
  }

  const Walk w = WalkPlay(play);
  out.calls.assign(play.calls.begin(), play.calls.begin() + static_cast<long>(w.calls));
  out.cards.assign(play.cards.begin(), play.cards.begin() + static_cast<long>(w.cards));
  out.openingLeader = play.openingLeader;
  if (!w.fault.empty()) fault = w.fault;   // the rules stopped the walk before the text ended
  // A claim ends the play only where every card before it fits and nothing
  // follows it.
  if (play.claim && fault.empty() && w.cards == play.cards.size()) {
    if (play.cards.empty() && !out.AuctionOver()) fault = "a claim is made before the auction is over";
    else if (play.cards.empty() && out.FinalContract().PassedOut()) fault = "a claim is made on a passed-out board";
    else if (play.cards.empty() && play.openingLeader != NextSeat(out.FinalContract().declarer))
      fault = std::string("the opening leader is ") + SeatLetter(play.openingLeader & 3) + ", not " +
              SeatLetter(NextSeat(out.FinalContract().declarer));
    else if (play.cards.size() >= 52) fault = "a claim comes after the last trick";
    else if (play.claim->tricks > TricksLeftAfter(play.cards.size()))
      fault = "the claim of " + Ordinal(static_cast<size_t>(play.claim->tricks)) + " tricks is more than the " +
              Ordinal(static_cast<size_t>(TricksLeftAfter(play.cards.size()))) + " left";
    else out.claim = play.claim;
  }
  if (fault.empty() && !out.AuctionOver()) fault = "the auction is not finished";
  if (fault.empty() && !out.Complete()) fault = "the play stops after " + Ordinal(out.cards.size()) + " cards";
  read.fault = fault;
  return read;
}

KeptPlayRead ReadKeptPlay(const TBigIniFile& store, const std::string& player, const std::string& boardKey) {
  // A value that is absent reads as this text, which no field accepts.
  const std::string absent = "\x01";
  KeptPlayText text;
  std::string* values[5] = {&text.dealer, &text.vulnerable, &text.deal, &text.auction, &text.play};
  bool any = false;
  for (int f = 0; f < 5; ++f) {
    *values[f] = store.ReadString(player, FieldKey(boardKey, f), absent);
    any = any || *values[f] != absent;
  }
  if (!any) {
    KeptPlayRead none;
    none.fault = "no kept play for " + boardKey;
    return none;
  }
  if (text.auction == absent) text.auction.clear();
  if (text.play == absent) text.play = kNoCards;
  return ParseKeptPlay(text);
}

bool KeepPlay(TBigIniFile& store, const std::string& player, const std::string& boardKey, const KeptPlay& play) {
  const KeptPlayText text = KeptPlayToText(play);
  const std::string* values[5] = {&text.dealer, &text.vulnerable, &text.deal, &text.auction, &text.play};
  bool fits = !text.auction.empty();
  for (int f = 0; f < 5; ++f)
    if (FieldKey(boardKey, f).size() + 1 + values[f]->size() > kIniLineLimit) fits = false;
  for (int f = 0; f < 5; ++f) {
    if (fits) store.WriteString(player, FieldKey(boardKey, f), *values[f]);
    else store.DeleteKey(player, FieldKey(boardKey, f));
  }
  const bool written = store.UpdateFile();
  return fits && written;
}

std::optional<double> ReadFiledTime(const TBigIniFile& store, const std::string& player, const std::string& boardKey) {
  double value = 0;
  if (!ParseDateTime(store.ReadString(player, boardKey + "." + kFiledField, ""), value)) return std::nullopt;
  return value;
}

void KeepFiledTime(TBigIniFile& store, const std::string& player, const std::string& boardKey, double filed) {
  store.WriteString(player, boardKey + "." + kFiledField, DateTimeText(filed));
}

std::vector<std::string> KeptBoardKeys(const TBigIniFile& store, const std::string& player) {
  std::vector<std::string> lines, keys;
  store.ReadSectionValues(player, lines);
  const std::string suffix = std::string(".") + kFields[2];
  std::string name;
  for (const std::string& line : lines) {
    if (!LineName(line, name) || name.size() <= suffix.size()) continue;
    if (SameName(name.substr(name.size() - suffix.size()), suffix)) keys.push_back(name.substr(0, name.size() - suffix.size()));
  }
  return keys;
}

}  // namespace quorval
