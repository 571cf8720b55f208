#include "bidding/leads.h"

#include <algorithm>
#include <numeric>

namespace quorval::bidder {
namespace {

// The ranks of a holding from the highest down.
std::vector<TRank> RanksDown(Holding h) {
  std::vector<TRank> r;
  for (TRank x = Ace; x >= 2; --x)
    if (h & RankBit(x)) r.push_back(x);
  return r;
}

}  // namespace

CardCode ConventionalLead(Holding h, TSuit suit, bool noTrump, LeadStyle style) {
  const std::vector<TRank> r = RanksDown(h);
  const int len = static_cast<int>(r.size());
  if (len == 0) return 0;
  const TRank top1 = r[0];
  const TRank top2 = len > 1 ? r[1] : 2, top3 = len > 2 ? r[2] : 2;
  const bool three = len >= 3;
  const bool topPair = three && top1 >= Ten && top1 == top2 + 1;
  const bool brokenTop = topPair && top3 >= top2 - 2;
  const bool interiorRun = three && top2 == top3 + 1 &&
                           ((top1 >= Queen && top1 == top2 + 2) || (top1 >= King && top1 == top2 + 3) ||
                            (top1 == Ace && top1 == top2 + 4));
  const bool suitContract = !noTrump;
  int n = 1;
  switch (style) {
    case LeadStyle::Standard:
      if (len <= 2 || top1 < Ten || (suitContract && top1 == Ace) || brokenTop) n = 1;
      else if (interiorRun) n = 2;
      else if (topPair) n = 1;
      else n = len;
      break;
    case LeadStyle::Norwegian:
      if (len == 2 && top1 == Ace && top2 == King) n = 2;
      else if (len <= 2 || top1 < Ten || (suitContract && top1 == Ace) || brokenTop) n = 1;
      else if (interiorRun) n = 2;
      else if (topPair && suitContract) n = 1;
      else if (noTrump && len > 3) n = 4;
      else n = (len % 2) ? len : len - 1;
      break;
    case LeadStyle::Basic:
      if (len == 2 && top2 == King) n = 2;
      else if (len <= 2 || (suitContract && top1 == Ace) || brokenTop) n = 1;
      else if (interiorRun) n = 3;
      else if (topPair && suitContract) n = 1;
      else n = (len % 2) ? len : len - 1;
      break;
  }
  n = std::clamp(n, 1, len);
  return MakeCard(r[n - 1], suit);
}

std::vector<int> Percentages(const std::vector<int>& weights) {
  const int total = std::accumulate(weights.begin(), weights.end(), 0);
  const int n = static_cast<int>(weights.size());
  std::vector<int> pct(n, 1);
  if (n == 0 || total <= 0) {
    if (n > 0) pct[0] = 100 - (n - 1);
    return pct;
  }
  // Largest remainder over what is left after the minimum of one each.
  const int spare = 100 - n;
  std::vector<std::pair<int, int>> rest;
  int given = 0;
  for (int i = 0; i < n; ++i) {
    const int exact = weights[i] * spare;
    pct[i] += exact / total;
    given += exact / total;
    rest.push_back({exact % total, i});
  }
  std::stable_sort(rest.begin(), rest.end(), [](auto a, auto b) { return a.first > b.first; });
  for (int k = 0; given < spare; ++k, ++given) ++pct[rest[k % n].second];
  return pct;
}

std::vector<WeightedLead> ChooseLeads(const Hand& hand, tAllTrump strain, LeadStyle style, const LeadHints& hints) {
  const bool noTrump = strain == NT;
  struct Option {
    CardCode card;
    int appeal;
  };
  std::vector<Option> options;
  const int trumps = strain < NT ? CardCount(hand[strain]) : 0;
  for (TSuit s = 0; s < 4; ++s) {
    const Holding h = hand[s];
    const int len = CardCount(h);
    if (len == 0) continue;
    const CardCode card = ConventionalLead(h, s, noTrump, style);
    const std::vector<TRank> r = RanksDown(h);
    const bool ak = len >= 2 && r[0] == Ace && r[1] == King;
    const bool sequence = len >= 2 && r[0] >= Ten && r[0] == r[1] + 1;
    int appeal = 10;
    if (hints.partnerSuit[s]) appeal += 30;
    if (hints.declarerSideSuit[s]) appeal -= 20;
    if (noTrump) {
      appeal += 3 * len;
      if (sequence) appeal += 8;
      if (len <= 2 && !hints.partnerSuit[s]) appeal -= 8;
    } else {
      if (s == strain) appeal -= (trumps >= 2 && trumps <= 3 && !hints.partnerSuit[s]) ? 6 : 12;
      if (ak) appeal += 15;
      else if (sequence) appeal += 10;
      else if (r[0] == Ace) appeal -= 10;
      else if (r[0] == King && len >= 2) appeal -= 6;
      else if (r[0] == Queen && len >= 2) appeal -= 3;
      if (len == 1 && s != strain && trumps >= 1 && trumps <= 3) appeal += 8;
      if (len == 2 && s != strain) appeal += 1;
    }
    options.push_back({card, appeal});
  }
  std::stable_sort(options.begin(), options.end(), [](const Option& a, const Option& b) { return a.appeal > b.appeal; });
  // The most attractive leads share by their appeal.
  std::vector<Option> chosen;
  for (const Option& o : options)
    if (chosen.size() < 3 && (o.appeal >= options.front().appeal - 15 || chosen.empty())) chosen.push_back(o);
  const int floor = chosen.back().appeal;
  std::vector<int> weights;
  for (const Option& o : chosen) weights.push_back(4 + (o.appeal - floor));
  // A lead drawn fewer than one time in twenty is not worth listing.
  for (bool dropped = true; dropped && chosen.size() > 1;) {
    dropped = false;
    const std::vector<int> trial = Percentages(weights);
    for (size_t i = chosen.size(); i-- > 0;)
      if (trial[i] < 5) {
        chosen.erase(chosen.begin() + i);
        weights.erase(weights.begin() + i);
        dropped = true;
        break;
      }
  }
  const std::vector<int> pct = Percentages(weights);
  std::vector<WeightedLead> out;
  for (size_t i = 0; i < chosen.size(); ++i) out.push_back({chosen[i].card, pct[i]});
  return out;
}

}  // namespace quorval::bidder
