#include "play/review/review_words.h"

#include <algorithm>

namespace quorval::review {
namespace {

std::string RankWord(TRank rank, const ReviewWords& words) {
  if (rank >= Jack && rank <= Ace) return words.honours[size_t(rank - Jack)];
  return std::to_string(rank);
}

// "a, b or c".
std::string JoinOr(const std::vector<std::string>& items, const ReviewWords& words) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " " + words.orWord + " " : ", ";
    text += items[i];
  }
  return text;
}

// "4~S", "3~NX": the contract with its suit markup.
std::string ContractMarkup(const Contract& c) {
  std::string text = std::to_string(c.level()) + "~" + StrainLetter(c.strain());
  for (int i = 0; i < c.DoubledCount; ++i) text += 'X';
  return text;
}

bool SameContract(const Contract& a, const Contract& b) {
  if (a.PassedOut() || b.PassedOut()) return a.PassedOut() && b.PassedOut();
  return a.bid == b.bid && a.DoubledCount == b.DoubledCount && SideOf(a.declarer) == SideOf(b.declarer);
}

std::string SideWord(Seat s, const ReviewWords& words) { return words.sides[size_t(SideOf(s) - 1)]; }

}  // namespace

// "4~S by North-South" when both partners declare it alike, else one entry
// per declarer.
std::string ParContractsWords(const ParInfo& par, const ReviewWords& words) {
  std::vector<std::string> items;
  const auto& cs = par.contracts;
  for (size_t i = 0; i < cs.size(); ++i) {
    const Contract& c = cs[i].contract;
    if (i + 1 < cs.size() && cs[i + 1].contract.bid == c.bid && cs[i + 1].contract.DoubledCount == c.DoubledCount &&
        cs[i + 1].contract.declarer == PartnerOf(c.declarer)) {
      items.push_back(FillIn(words.byWord, {ContractMarkup(c), SideWord(c.declarer, words)}));
      ++i;
      continue;
    }
    items.push_back(FillIn(words.byWord, {ContractMarkup(c), words.seats[size_t(c.declarer)]}));
  }
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

namespace {

// The field's contracts side by side, each side's most played first:
// "North-South: 9 × 4~S, 5 × 3~N; East-West: 1 × 5~HX; 1 × passed out".
std::string FieldWords(const std::vector<FieldEntry>& field, const ReviewWords& words) {
  struct Tally {
    Contract contract;
    int count = 0;
  };
  std::vector<Tally> tallies;
  for (const FieldEntry& e : field) {
    auto it = std::find_if(tallies.begin(), tallies.end(),
                           [&](const Tally& t) { return SameContract(t.contract, e.contract); });
    if (it == tallies.end()) tallies.push_back({e.contract, 1});
    else ++it->count;
  }
  std::stable_sort(tallies.begin(), tallies.end(), [](const Tally& a, const Tally& b) { return a.count > b.count; });
  std::vector<std::string> groups;
  for (const Side side : {1, 2}) {
    std::string items;
    for (const Tally& t : tallies)
      if (!t.contract.PassedOut() && SideOf(t.contract.declarer) == side)
        items += (items.empty() ? "" : ", ") +
                 FillIn(words.fieldItem, {ContractMarkup(t.contract), std::to_string(t.count)});
    if (!items.empty()) groups.push_back(FillIn(words.fieldSide, {words.sides[size_t(side - 1)], items}));
  }
  for (const Tally& t : tallies)
    if (t.contract.PassedOut()) groups.push_back(FillIn(words.fieldItem, {words.fieldPassed, std::to_string(t.count)}));
  std::string text;
  for (const std::string& g : groups) text += (text.empty() ? "" : "; ") + g;
  return text;
}

}  // namespace

std::string FillIn(const std::string& text, const std::vector<std::string>& args) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const size_t n = size_t(text[i + 1] - '1');
      if (n < args.size()) {
        out += args[n];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string CardWords(CardCode card, const ReviewWords& words) {
  return FillIn(words.cardName, {RankWord(RankOf(card), words), words.suits[size_t(SuitOf(card))]});
}

std::string BestWords(const std::vector<CardCode>& best, CardCode played, const ReviewWords& words) {
  const bool sameSuit =
      std::all_of(best.begin(), best.end(), [&](CardCode c) { return SuitOf(c) == SuitOf(played); });
  // The cards suit by suit, the suit of the highest card first: "the jack
  // or 9 of diamonds or the 5 of hearts".
  std::vector<TSuit> suits;
  for (const CardCode c : best)
    if (std::find(suits.begin(), suits.end(), SuitOf(c)) == suits.end()) suits.push_back(SuitOf(c));
  std::vector<std::string> items;
  for (const TSuit suit : suits) {
    std::vector<std::string> ranks;
    for (const CardCode c : best)
      if (SuitOf(c) == suit) ranks.push_back(RankWord(RankOf(c), words));
    items.push_back(sameSuit ? FillIn(words.ranksOnly, {JoinOr(ranks, words)})
                             : FillIn(words.cardName, {JoinOr(ranks, words), words.suits[size_t(suit)]}));
  }
  return JoinOr(items, words);
}

std::string CostlyCardLine(const BoardReview& review, const CardReview& card, const ReviewWords& words) {
  const std::string trick = review.UserPlayed(card)
                                ? FillIn(words.trickYou, {std::to_string(card.trick)})
                                : FillIn(words.trickSeat, {std::to_string(card.trick), words.seats[size_t(card.seat)]});
  const std::string what = CardWords(card.card, words);
  const std::string best = BestWords(card.best, card.card, words);
  const std::string cost = card.cost == 1 ? FillIn(words.costOne, {what, best})
                                          : FillIn(words.costMany, {what, std::to_string(card.cost), best});
  return trick + " " + cost;
}

std::string SignedScore(int score) { return score > 0 ? "+" + std::to_string(score) : std::to_string(score); }

std::vector<std::string> SummaryParagraphs(const BoardReview& review, const ReviewWords& words) {
  std::vector<std::string> out;
  const Contract& contract = review.contract;
  if (review.playStopsAfter >= 0) out.push_back(FillIn(words.playStops, {std::to_string(review.playStopsAfter)}));

  if (contract.PassedOut()) {
    out.push_back(words.passedOut);
  } else if (review.scoreKnown) {
    out.push_back(FillIn(words.contractScore, {ContractMarkup(contract), words.seats[size_t(contract.declarer)],
                                               SignedScore(review.scoreNS)}));
  }

  // A claim that ended the play: who claimed how many, and what best play
  // gave declarer's side of the tricks left.
  if (review.claimSide != 0 && !contract.PassedOut()) {
    const int left = review.ClaimedTricksLeft();
    const bool byDeclarer = review.claimSide == SideOf(contract.declarer);
    const int claimed = byDeclarer ? review.claimedDeclarerTricks : left - review.claimedDeclarerTricks;
    std::vector<std::string> args{std::to_string(review.cards.size() / 4 + 1), words.sides[size_t(review.claimSide == 1 ? 0 : 1)],
                                  std::to_string(claimed), std::to_string(left)};
    if (review.claimDdDeclarerTricks >= 0) args.push_back(std::to_string(review.claimDdDeclarerTricks));
    out.push_back(FillIn(review.claimDdDeclarerTricks >= 0 ? words.claimDd : words.claim, args));
  }

  // Declarer's tricks against what the opening lead left, for a whole play
  // (or one a claim ended).
  const int ddAfterLead = review.DdAfterLead();
  if (!contract.PassedOut() && (review.cards.size() == 52 || review.claimSide != 0) && ddAfterLead >= 0) {
    const int took = review.DeclarerTricks();
    const std::string& form = took == ddAfterLead ? words.tricksSame : took < ddAfterLead ? words.tricksFewer : words.tricksMore;
    out.push_back(FillIn(form, {std::to_string(took), std::to_string(ddAfterLead)}));
  }

  if (!review.cardReviews.empty() && review.cardReviews[0] && review.cardReviews[0]->analysed) {
    const CardReview& lead = *review.cardReviews[0];
    const std::string card = CardWords(lead.card, words);
    const std::string& seat = words.seats[size_t(lead.seat)];
    const std::string best = BestWords(lead.best, lead.card, words);
    if (lead.cost == 0) out.push_back(FillIn(words.leadNothing, {card, seat}));
    else if (lead.cost == 1) out.push_back(FillIn(words.leadOne, {card, seat, best}));
    else out.push_back(FillIn(words.leadMany, {card, seat, std::to_string(lead.cost), best}));
  }

  if (!review.cards.empty()) {
    const std::vector<int> costly = review.CostlyCards();
    std::string mine, others;
    for (const int i : costly) {
      const CardReview& r = *review.cardReviews[size_t(i)];
      (review.UserPlayed(r) ? mine : others) += "\n" + CostlyCardLine(review, r, words);
    }
    out.push_back(mine.empty() ? words.yourNone : words.yourCostly + mine);
    if (!others.empty()) out.push_back(words.otherCostly + others);
    int unknown = 0;
    for (const auto& r : review.cardReviews) unknown += r && !r->analysed ? 1 : 0;
    if (unknown > 0) out.push_back(FillIn(words.notAnalysed, {std::to_string(unknown)}));
  }

  if (review.tableDone && review.par.known) {
    std::string line = review.par.contracts.empty()
                           ? words.parPass
                           : FillIn(words.par, {SignedScore(review.par.scoreNS), ParContractsWords(review.par, words)});
    if (review.scoreKnown) {
      const int diff = review.scoreNS - review.par.scoreNS;
      line += " " + (diff == 0 ? words.atPar : FillIn(diff > 0 ? words.abovePar : words.belowPar, {std::to_string(std::abs(diff))}));
    }
    out.push_back(line);
  }

  if (!review.field.empty()) {
    std::string line;
    const int pairs = static_cast<int>(review.field.size());
    const int same = static_cast<int>(std::count_if(review.field.begin(), review.field.end(),
                                                    [&](const FieldEntry& e) { return SameContract(e.contract, contract); }));
    line = FillIn(words.fieldSame, {std::to_string(same), std::to_string(pairs)});
    if (review.scoreKnown) {
      int beat = 0, tied = 0;
      for (const FieldEntry& e : review.field) {
        beat += review.scoreNS > e.scoreNS ? 1 : 0;
        tied += review.scoreNS == e.scoreNS ? 1 : 0;
      }
      line += " " + FillIn(words.fieldBeat, {std::to_string(beat), std::to_string(tied), std::to_string(pairs)});
    }
    line += " " + FillIn(words.fieldContracts, {FieldWords(review.field, words)});
    out.push_back(line);
  }
  return out;
}

}  // namespace quorval::review
