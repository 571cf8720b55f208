#include "bidding/reading.h"

#include <algorithm>
#include <map>

#include "bidding/bidder.h"
#include "bidding/sampling.h"

namespace quorval::bidder {
namespace {

// Enough hands that make the call to see the ranges its rules give it, and a
// bound on the hands drawn for a call that few hands make.
constexpr int kWitnesses = 16;
constexpr int kMaxDraws = 3000;
constexpr int kGiveUpDraws = 1000;

std::string AuctionKey(const View& view, CallCode call) {
  std::string key;
  key += Definition(view.system).letter;
  key += static_cast<char>('0' + view.dealer);
  key += static_cast<char>('0' + view.vul);
  for (CallCode c : view.calls()) key += ',' + CallToken(c);
  return key + '|' + CallToken(call);
}

template <typename T, typename Get>
T MostCommon(const std::vector<Meaning>& meanings, Get get) {
  std::map<T, int> count;
  T best = get(meanings.front());
  for (const Meaning& m : meanings)
    if (++count[get(m)] > count[best]) best = get(m);
  return best;
}

// What a call that no drawn hand makes tells: the strain of a bid, nothing more.
Meaning PlainMeaning(CallCode call) {
  Meaning m;
  if (IsBid(call)) m.Strain(StrainOf(call));
  return m;
}

}  // namespace

Meaning JoinMeanings(const std::vector<Meaning>& meanings) {
  if (meanings.empty()) return {};
  const Conv conv = MostCommon<Conv>(meanings, [](const Meaning& m) { return m.conv; });
  std::vector<Meaning> same;
  for (const Meaning& m : meanings)
    if (m.conv == conv) same.push_back(m);
  Meaning out = same.front();
  for (const Meaning& m : same) {
    out.minPts = std::min(out.minPts, m.minPts);
    out.maxPts = std::max(out.maxPts, m.maxPts);
    for (int s = 0; s < 4; ++s) {
      out.minLen[s] = std::min(out.minLen[s], m.minLen[s]);
      out.maxLen[s] = std::max(out.maxLen[s], m.maxLen[s]);
    }
    out.balanced = out.balanced && m.balanced;
  }
  out.force = MostCommon<Force>(same, [](const Meaning& m) { return m.force; });
  out.strain = MostCommon<int>(same, [](const Meaning& m) { return m.strain; });
  return out;
}

Meaning TableReading::Read(const View& before, CallCode call) {
  const std::string key = AuctionKey(before, call);
  if (const auto it = memo_.find(key); it != memo_.end()) return it->second;
  // Hands the caller could hold, seeded by the auction itself.
  const HandDrawer drawer(before.know[before.ToAct()]);
  Rng rng(HashText(key));
  std::vector<Meaning> makers, offers;
  Hand hand{};
  for (int draw = 0; draw < kMaxDraws && static_cast<int>(makers.size()) < kWitnesses && drawer.AnyShape(); ++draw) {
    if (draw >= kGiveUpDraws && makers.empty() && static_cast<int>(offers.size()) >= kWitnesses) break;
    if (!drawer.TryDraw(rng, hand)) continue;
    const std::vector<Candidate> cands = Candidates(EvaluateHolding(hand), before);
    if (cands.front().call == call) {
      makers.push_back(cands.front().meaning);
      continue;
    }
    // A call the rules weigh but do not choose: what it would mean when made.
    if (static_cast<int>(offers.size()) < kWitnesses)
      for (const Candidate& c : cands)
        if (c.call == call && c.score >= kPossible) offers.push_back(c.meaning);
  }
  const Meaning m = !makers.empty() ? JoinMeanings(makers) : !offers.empty() ? JoinMeanings(offers) : PlainMeaning(call);
  memo_.emplace(key, m);
  return m;
}

bool TableReading::Push(View& view, CallCode call) {
  if (!view.auction.IsLegal(call)) return false;
  return view.Push(call, Read(view, call));
}

bool TableReading::ReadAuction(const std::vector<CallCode>& calls, View& view) {
  for (CallCode c : calls)
    if (!Push(view, c)) return false;
  return true;
}

}  // namespace quorval::bidder
