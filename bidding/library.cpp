#include "bidding/library.h"

#include <algorithm>

#include "bidding/bidder.h"
#include "bidding/hand.h"
#include "bidding/meanings_file.h"
#include "bidding/seat_view.h"

namespace quorval::bidder {
namespace {

// True when the call's meaning says something about the hand (a catch-all
// pass says nothing) and the hand is one it allows: its points and the suit
// lengths it shows.
bool Describes(const Meaning& m, const HandFacts& hand) {
  const Meaning any;
  if (m.minPts == any.minPts && m.maxPts == any.maxPts && m.minLen == any.minLen && m.maxLen == any.maxLen)
    return false;
  if (hand.hcp < m.minPts || hand.hcp > m.maxPts) return false;
  for (TSuit s = 0; s < 4; ++s)
    if (hand.len[s] < m.minLen[s] || hand.len[s] > m.maxLen[s]) return false;
  return true;
}

// The user's alternatives at one turn: the calls weighed beside the bidder's
// own that fit the meaning the table reads into them within a point. Fewer at
// later turns, so that a section stays within nine lines.
std::vector<CallCode> Alternatives(const Hand& own, const View& table, int turn, TableReading& reading) {
  const HandFacts hand = EvaluateHolding(own);
  const View view = SeatView(own, table);
  const Knowledge& partner = view.know[PartnerOf(view.ToAct())];
  std::vector<CallCode> out;
  for (CallCode call : WeighedCalls(own, table))
    if (WithinAPoint(reading.Read(table, call), hand, partner)) out.push_back(call);
  // A first call with nothing else to weigh still offers the quieter choice a
  // cautious player makes, such as passing instead of a free bid or a double,
  // but only one whose meaning the hand could have: nobody passes partner's
  // opening with an opening hand of their own.
  if (turn == 0 && out.empty()) {
    const std::vector<Candidate> cands = Candidates(hand, view);
    for (size_t i = 1; i < cands.size(); ++i)
      if (cands[i].score > kPossible && cands[i].score >= cands.front().score - 50 &&
          Describes(cands[i].meaning, hand) && WithinAPoint(reading.Read(table, cands[i].call), hand, partner) &&
          std::find(out.begin(), out.end(), cands[i].call) == out.end())
        out.push_back(cands[i].call);
  }
  const size_t limit = turn == 0 ? 3 : 2;
  if (out.size() > limit) out.resize(limit);
  return out;
}

LibraryLine MakeLine(const Deal& deal, const View& done) {
  LibraryLine line;
  line.calls = done.calls();
  line.leads = LeaderLeads(HandOf(deal, OpeningLeader(line.calls, done.dealer)), done);
  return line;
}

}  // namespace

std::vector<CallCode> WeighedCalls(const Hand& own, const View& table) {
  const HandFacts hand = EvaluateHolding(own);
  const View view = SeatView(own, table);
  const std::vector<Candidate> cands = Candidates(hand, view);
  std::vector<CallCode> out;
  const auto add = [&](CallCode call) {
    if (call != cands.front().call && std::find(out.begin(), out.end(), call) == out.end()) out.push_back(call);
  };
  const int best = cands.front().score;
  for (size_t i = 1; i < cands.size(); ++i)
    if (cands[i].score >= kAlternative && cands[i].score >= best - 20) add(cands[i].call);
  for (int shift : {1, -1}) add(Candidates(hand, view, shift).front().call);
  for (size_t i = 1; i < cands.size(); ++i)
    if (cands[i].score >= kStyleChoice && cands[i].score >= best - 35) add(cands[i].call);
  return out;
}

Seat OpeningLeader(const std::vector<CallCode>& calls, Seat dealer) {
  Auction a(dealer);
  for (CallCode c : calls) a.Make(c);
  if (!IsBid(a.lastBid)) return NextSeat(dealer);
  return NextSeat(a.declarer);
}

std::vector<LibraryLine> SectionLines(const LibraryBoard& board, System system, TableReading& reading) {
  View main(system, board.dealer, board.vul);
  BidOn(board.deal, main, reading);
  std::vector<LibraryLine> lines{MakeLine(board.deal, main)};
  const Seat user = board.UserSeat();
  const Hand userHand = HandOf(board.deal, user);
  // Branch at the user's turns of the main line, first decision first.
  View prefix(system, board.dealer, board.vul);
  int turn = 0;
  for (int i = 0; i < main.Size() && static_cast<int>(lines.size()) < kMaxLines && turn < 3; ++i) {
    if (prefix.ToAct() == user) {
      for (CallCode alt : Alternatives(userHand, prefix, turn, reading)) {
        if (static_cast<int>(lines.size()) >= kMaxLines) break;
        View branch = prefix;
        if (!reading.Push(branch, alt)) continue;
        BidOn(board.deal, branch, reading);
        const bool seen = std::any_of(lines.begin(), lines.end(),
                                      [&](const LibraryLine& l) { return l.calls == branch.calls(); });
        if (!seen) lines.push_back(MakeLine(board.deal, branch));
      }
      ++turn;
    }
    prefix.Push(main.calls()[i], main.meanings[i]);
  }
  return lines;
}

std::string LineText(const LibraryLine& line) {
  std::string text = AuctionText(line.calls);
  text += ",Lead";
  for (const WeightedLead& l : line.leads) text += "," + CardText(l.card) + "," + std::to_string(l.percent);
  return text;
}

std::string SectionText(const std::string& key, char systemLetter, const std::vector<LibraryLine>& lines) {
  std::string text = "[" + key + "." + systemLetter + "]\r\n";
  for (const LibraryLine& l : lines) text += LineText(l) + "\r\n";
  return text + "\r\n\r\n";
}

std::string BoardLibraryText(const LibraryBoard& board, TableReading& reading, MeaningCollector* meanings) {
  std::string text;
  for (System s : kAllSystems) {
    const std::vector<LibraryLine> lines = SectionLines(board, s, reading);
    text += SectionText(board.key, Definition(s).letter, lines);
    if (meanings) meanings->AddSection(board, s, lines, reading);
  }
  return text;
}

}  // namespace quorval::bidder
