#include "play/review/board_review.h"

#include "play/play_state.h"

namespace quorval::review {

void BoardReview::SetPlay(const Contract& played, const std::vector<CardCode>& playedCards) {
  contract = played;
  cards = played.PassedOut() ? std::vector<CardCode>{} : playedCards;
  if (cards.size() > 52) cards.resize(52);
  cardReviews.assign(cards.size(), std::nullopt);
}

bool BoardReview::Finished() const { return tableDone && CardsReviewed() == static_cast<int>(cards.size()); }

int BoardReview::CardsReviewed() const {
  int n = 0;
  for (const auto& r : cardReviews) n += r.has_value() ? 1 : 0;
  return n;
}

int BoardReview::DeclarerTricks() const {
  if (contract.PassedOut()) return 0;
  PlayState st;
  StartPlay(st, deal, contract);
  for (const CardCode c : cards)
    if (!PlayCard(st, c)) break;
  return st.DeclarerTricks;
}

int BoardReview::DdAfterLead() const {
  if (!cardReviews.empty() && cardReviews[0] && cardReviews[0]->analysed) return cardReviews[0]->declarerAfter;
  if (cardReviews.size() > 1 && cardReviews[1] && cardReviews[1]->analysed) return cardReviews[1]->declarerBefore;
  return -1;
}

bool BoardReview::UserPlayed(const CardReview& card) const {
  if (card.seat == South) return true;
  return card.seat == North && SideOf(contract.declarer) == 1;
}

std::vector<int> BoardReview::CostlyCards() const {
  std::vector<int> mine, others;
  for (size_t i = 1; i < cardReviews.size(); ++i) {
    const auto& r = cardReviews[i];
    if (!r || !r->analysed || r->cost <= 0) continue;
    (UserPlayed(*r) ? mine : others).push_back(static_cast<int>(i));
  }
  mine.insert(mine.end(), others.begin(), others.end());
  return mine;
}

void SolveDeal(BoardReview& review, const TableSolver& solve) {
  review.tableKnown = solve(review.deal, review.table, review.tableError);
  review.par = review.tableKnown ? ComputePar(review.table, review.dealer, review.vul) : ParInfo{};
  review.tableDone = true;
}

void ReviewWholeBoard(BoardReview& review, const ReviewSolvers& solvers) {
  SolveDeal(review, solvers.table);
  for (CardReview& r : ReviewPlay(review.Play(), {}, nullptr, solvers.card))
    if (r.index >= 0 && r.index < static_cast<int>(review.cardReviews.size())) review.cardReviews[size_t(r.index)] = r;
}

std::string ContractToken(const Contract& contract) {
  if (contract.PassedOut()) return "P";
  std::string text = CallToken(contract.bid);
  for (int i = 0; i < contract.DoubledCount; ++i) text += 'X';
  return text;
}

std::vector<std::string> CommandLineLines(const BoardReview& review) {
  std::vector<std::string> lines;
  for (const auto& r : review.cardReviews) {
    if (!r) continue;
    const std::string head =
        review.key + " trick " + std::to_string(r->trick) + " " + SeatLetter(r->seat) + " " + CardText(r->card);
    if (!r->analysed) {
      lines.push_back(head + " analysis not available");
      continue;
    }
    if (r->cost <= 0) continue;
    std::string line = head + " costs " + std::to_string(r->cost) + " best";
    for (const CardCode c : r->best) line += " " + CardText(c);
    lines.push_back(line);
  }
  const bool passed = review.contract.PassedOut();
  const int ddAfterLead = review.DdAfterLead();
  std::string summary = review.key + " contract " + ContractToken(review.contract) + " by " +
                        (passed ? std::string("-") : std::string(1, SeatLetter(review.contract.declarer))) +
                        " tricks " + std::to_string(review.DeclarerTricks()) + " dd_after_lead " +
                        (ddAfterLead < 0 ? std::string("-") : std::to_string(ddAfterLead)) + " par ";
  summary += review.par.known ? std::to_string(review.par.scoreNS) + " " + ParContractsText(review.par) : "- -";
  lines.push_back(summary);
  return lines;
}

}  // namespace quorval::review
