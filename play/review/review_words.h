#pragma once
// The review's summary in plain words: where the tricks went, the user's
// costly cards first, the opening lead, the contract against par and
// against the field. The sentences are templates with %1, %2 ... places,
// given in the interface language by the review window's word list (the
// English ones are the defaults here). Contracts carry the suit markup
// ("4~S") for the window to draw.

#include <array>
#include <string>
#include <vector>

#include "play/review/board_review.h"

namespace quorval::review {

struct ReviewWords {
  // Naming cards: "the %1 of %2" (rank, suit); only the ranks when the best
  // cards are of the played card's suit ("the %1": "the ace or king").
  std::string cardName = "the %1 of %2";
  std::string ranksOnly = "the %1";
  std::string orWord = "or";
  std::array<std::string, 4> suits{"clubs", "diamonds", "hearts", "spades"};
  // Jack, queen, king, ace; the other ranks are written as figures.
  std::array<std::string, 4> honours{"jack", "queen", "king", "ace"};
  std::array<std::string, 4> seats{"North", "East", "South", "West"};
  std::array<std::string, 2> sides{"North-South", "East-West"};

  std::string tricksSame = "Declarer took %1 tricks, all that double dummy allows after the opening lead.";
  std::string tricksFewer = "Declarer took %1 tricks; after the opening lead %2 were there double dummy.";
  std::string tricksMore = "Declarer took %1 tricks; after the opening lead double dummy allows only %2.";
  std::string yourCostly = "Your cards that cost tricks:";
  std::string yourNone = "None of your cards cost a trick.";
  std::string otherCostly = "The other cards that cost tricks:";
  std::string trickYou = "Trick %1:";
  std::string trickSeat = "Trick %1, %2:";
  std::string costOne = "%1 cost a trick; %2 kept it.";
  std::string costMany = "%1 cost %2 tricks; %3 kept them.";
  std::string leadNothing = "The opening lead, %1 by %2, cost nothing.";
  std::string leadOne = "The opening lead, %1 by %2, cost a trick; %3 kept it.";
  std::string leadMany = "The opening lead, %1 by %2, cost %3 tricks; %4 kept them.";
  std::string contractScore = "The contract was %1 by %2: %3 for North-South.";
  std::string passedOut = "The board was passed out.";
  std::string par = "Par is %1 for North-South: %2.";
  std::string parPass = "Par is to pass the board out.";
  std::string byWord = "%1 by %2";
  std::string atPar = "That is par.";
  std::string abovePar = "That is %1 more than par.";
  std::string belowPar = "That is %1 less than par.";
  std::string fieldSame = "%1 of the %2 pairs in the field played the same contract.";
  std::string fieldContracts = "The field's contracts: %1.";
  std::string fieldItem = "%2 \u00d7 %1";
  std::string fieldSide = "%1: %2";
  std::string fieldPassed = "passed out";
  std::string fieldBeat = "Your score beat %1 and tied %2 of the %3 field results.";
  std::string playStops = "The kept play stops after card %1: the rest does not fit the deal. The review ends there.";
  std::string notAvailable = "analysis not available";
  std::string notAnalysed = "Cards the solver could not analyse: %1.";
  std::string claim = "At trick %1 %2 claimed %3 of the %4 tricks left.";
  std::string claimDd = "At trick %1 %2 claimed %3 of the %4 tricks left; with best play declarer's side had %5 of them.";
};

// Puts the arguments into the places %1, %2 ... of a template.
std::string FillIn(const std::string& text, const std::vector<std::string>& args);

// "the 5 of hearts" / "hjerter 5".
std::string CardWords(CardCode card, const ReviewWords& words);
// The best cards as words: "the ace or king" when all are of `played`'s
// suit, otherwise each card named ("the ace of spades or the 2 of clubs").
std::string BestWords(const std::vector<CardCode>& best, CardCode played, const ReviewWords& words);
// "Trick 4: the 5 of hearts cost a trick; the ace or king kept it." The seat
// is named unless the user played the card.
std::string CostlyCardLine(const BoardReview& review, const CardReview& card, const ReviewWords& words);
// The par contracts in words: "4~S by North-South, 5~D by East".
std::string ParContractsWords(const ParInfo& par, const ReviewWords& words);
// "+620", "-100", "0".
std::string SignedScore(int score);

// The summary, one paragraph per entry, as far as the review has come.
std::vector<std::string> SummaryParagraphs(const BoardReview& review, const ReviewWords& words);

}  // namespace quorval::review
