#include "bidding/seat_view.h"

#include <algorithm>

#include "bidding/bidder.h"
#include "bidding/library.h"

namespace quorval::bidder {
namespace {

LeadHints HintsFor(const View& view, Seat leader) {
  LeadHints hints;
  for (TSuit s = 0; s < 4; ++s) {
    hints.partnerSuit[s] = view.know[PartnerOf(leader)].minLen[s] >= 4;
    hints.declarerSideSuit[s] =
        view.know[NextSeat(leader)].minLen[s] >= 4 || view.know[PrevSeat(leader)].minLen[s] >= 4;
  }
  return hints;
}

}  // namespace

View SeatView(const Hand& hand, const View& table) {
  const HandFacts facts = EvaluateHolding(hand);
  const Seat seat = table.ToAct();
  View view(table.system, table.dealer, table.vul);
  for (int i = 0; i < table.Size(); ++i) {
    const CallCode call = table.calls()[i];
    Meaning m = table.meanings[i];
    if (table.SeatOf(i) == seat)
      for (const Candidate& c : Candidates(facts, view))
        if (c.call == call) {
          m = c.meaning;
          break;
        }
    view.Push(call, m);
  }
  return view;
}

CallCode OwnCall(const Hand& hand, const View& table) {
  return Candidates(EvaluateHolding(hand), SeatView(hand, table)).front().call;
}

void BidOn(const Deal& deal, View& table, TableReading& reading) {
  // Every call raises the auction or passes, so 320 calls bound any auction.
  for (int guard = 0; guard < 320 && !table.auction.Over(); ++guard)
    if (!reading.Push(table, OwnCall(HandOf(deal, table.ToAct()), table))) reading.Push(table, Pass);
}

std::vector<WeightedLead> LeaderLeads(const Hand& hand, const View& done) {
  const LeadStyle style = done.sys().leads;
  const Contract contract = done.auction.Result();
  // A passed-out board has no play, but the line still names one lead.
  if (contract.PassedOut()) return {{ChooseLeads(hand, NT, style, {}).front().card, 100}};
  const Seat leader = OpeningLeader(done.calls(), done.dealer);
  return ChooseLeads(hand, contract.strain(), style, HintsFor(done, leader));
}

bool WithinAPoint(const Meaning& stated, const HandFacts& hand, const Knowledge& partner) {
  if (hand.hcp > stated.maxPts + 1) return false;
  // A suit bid may count its length, and a raise its short suits.
  int value = hand.hcp;
  if (stated.strain >= Club && stated.strain <= Spade) {
    value = std::max(value, hand.LengthPoints());
    if (partner.minLen[stated.strain] >= 3) value = std::max(value, hand.SupportPoints(stated.strain));
  }
  if (value < stated.minPts - 1) return false;
  for (TSuit s = 0; s < 4; ++s)
    if (hand.len[s] < stated.minLen[s] - 1 || hand.len[s] > stated.maxLen[s] + 1) return false;
  if (stated.balanced && (hand.Shortest() < 2 || !hand.semiBalanced)) return false;
  return true;
}

}  // namespace quorval::bidder
