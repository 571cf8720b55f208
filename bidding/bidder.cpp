#include "bidding/bidder.h"

#include <algorithm>

namespace quorval::bidder {

Ctx::Ctx(const View& view, const HandFacts& hand, int judgement)
    : v(view), sys(view.sys()), me(view.ToAct()), pd(PartnerOf(me)), lho(NextSeat(me)),
      rho(PrevSeat(me)), h(hand), pts(hand.hcp + judgement) {}

void Ctx::Add(CallCode c, const Meaning& m, int score) {
  if (!Legal(c)) return;
  for (Candidate& x : out)
    if (x.call == c) {
      if (score > x.score) x = {c, m, score};
      return;
    }
  out.push_back({c, m, score});
}

CallCode Ctx::Cheapest(tAllTrump strain) const {
  const CallCode last = v.auction.lastBid;
  if (!IsBid(last)) return MakeBid(1, strain);
  const int level = LevelOf(last) + (strain > StrainOf(last) ? 0 : 1);
  return level > 7 ? NoCall : MakeBid(level, strain);
}

const Meaning* Ctx::LastMeaningOf(Seat s) const {
  const int i = v.LastCallOf(s);
  return i < 0 ? nullptr : &v.meanings[i];
}

CallCode Ctx::LastCallOf(Seat s) const {
  const int i = v.LastCallOf(s);
  return i < 0 ? NoCall : v.calls()[i];
}

bool Ctx::RhoPassed() const {
  const CallCode c = LastCallOf(rho);
  return c == Pass || c == NoCall;
}

bool Ctx::IPassedBefore() const {
  for (int i = 0; i < v.Size(); ++i)
    if (v.SeatOf(i) == me) return v.calls()[i] == Pass;
  return false;
}

bool Ctx::TheyBid(tAllTrump strain) const {
  for (int i = 0; i < v.Size(); ++i)
    if (!SameSide(v.SeatOf(i), me) && IsBid(v.calls()[i]) && StrainOf(v.calls()[i]) == strain &&
        v.meanings[i].conv == Conv::Natural)
      return true;
  return false;
}

namespace {

void Dispatch(Ctx& c) {
  const View& v = c.v;
  const int first = v.FirstBidIndex();
  if (first < 0) {
    Openings(c);
    return;
  }
  if (ConventionAnswer(c) || ConventionFollowUp(c)) return;
  const Seat opener = v.SeatOf(first);
  const int myActions = v.ActionsOf(c.me);
  const int pdActions = v.ActionsOf(c.pd);
  if (myActions == 0 && pdActions == 0) {
    Overcalls(c);
    return;
  }
  if (opener == c.pd && myActions == 0 && pdActions == 1) {
    const CallCode open = v.calls()[first];
    if (LevelOf(open) == 1 && StrainOf(open) == NT && c.RhoPassed()) NoTrumpResponses(c);
    else if (open == MakeBid(2, NT) && c.RhoPassed()) NoTrumpResponses(c);
    else Responses(c);
    return;
  }
  if (opener == c.me && myActions == 1 && pdActions == 1 && LevelOf(v.calls()[first]) == 1 &&
      StrainOf(v.calls()[first]) != NT) {
    OpenerRebid(c);
    return;
  }
  if (!SameSide(opener, c.me) && myActions == 0 && pdActions >= 1) {
    const Meaning* pm = c.LastMeaningOf(c.pd);
    if (pm && pm->conv == Conv::Natural && c.LastCallOf(c.pd) == MakeBid(1, NT) && c.RhoPassed() &&
        c.sys.ntOvercall)
      NoTrumpResponses(c);
    else Advances(c);
    return;
  }
  Continuation(c);
}

}  // namespace

std::vector<Candidate> Candidates(const Deal& deal, const View& view, const Judgement& judge) {
  return Candidates(Evaluate(deal, view.ToAct()), view, judge.optimism[view.ToAct()]);
}

std::vector<Candidate> Candidates(const HandFacts& hand, const View& view, int judgement) {
  Ctx c(view, hand, judgement);
  if (!view.auction.Over()) Dispatch(c);
  // Pass is always possible; it is the choice when no rule bids, and never a
  // choice at all when partner's call forces this seat to bid.
  const Meaning* pm = c.LastMeaningOf(c.pd);
  const bool forced = (pm && pm->force != Force::None && c.RhoPassed() && c.LastCallOf(c.pd) != Pass) ||
                      view.GameForced(c.me);
  bool hasPass = false;
  for (const Candidate& x : c.out) hasPass = hasPass || x.call == Pass;
  if (!hasPass) c.Add(Pass, Meaning{}, forced ? 0 : 10);
  if (forced && c.out.size() > 1)
    c.out.erase(std::remove_if(c.out.begin(), c.out.end(), [](const Candidate& x) { return x.call == Pass; }),
                c.out.end());
  std::stable_sort(c.out.begin(), c.out.end(),
                   [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
  return c.out;
}

CallCode ChooseCall(const Deal& deal, const View& view, const Judgement& judge) {
  return Candidates(deal, view, judge).front().call;
}

bool Replay(const Deal& deal, const std::vector<CallCode>& calls, View& view) {
  for (CallCode call : calls) {
    Meaning m;
    for (const Candidate& x : Candidates(deal, view))
      if (x.call == call) {
        m = x.meaning;
        break;
      }
    if (!view.Push(call, m)) return false;
  }
  return true;
}

void Complete(const Deal& deal, View& view, const Judgement& judge) {
  // Every call raises the auction or passes, so 320 calls bound any auction.
  for (int guard = 0; guard < 320 && !view.auction.Over(); ++guard) {
    const std::vector<Candidate> cands = Candidates(deal, view, judge);
    if (!view.Push(cands.front().call, cands.front().meaning)) view.Push(Pass, Meaning{});
  }
}

BidResult BidDeal(const Deal& deal, Seat dealer, Vulnerability vul, System system, const Judgement& judge) {
  View view(system, dealer, vul);
  Complete(deal, view, judge);
  return {view.calls(), view.auction.Result()};
}

std::string AuctionText(const std::vector<CallCode>& calls) {
  std::string text;
  for (CallCode c : calls) {
    if (!text.empty()) text += ',';
    text += CallToken(c);
  }
  return text;
}

}  // namespace quorval::bidder
