#pragma once
// A position written as players write it: the deal as dealt, the contract
// and its declarer, and the cards played so far in order ("HK,H2" or
// "KH,2H"); and the card the engine or the honest computer plays next there.

#include <string>

#include "core/calls.h"
#include "core/deal.h"
#include "play/engine/engine.h"

namespace quorval {

struct PositionQuery {
  std::string deal, contract, declarer, played;
};

// "4S", "3NT", "2HX", "6NXX" (either case); false for anything else.
bool ParseContractText(const std::string& text, Seat declarer, Contract& out);
// "KH" or "HK"; 0 when it is not a card.
CardCode ParsePlayedCard(const std::string& text);

// The part of a query that does not read, for the caller to word.
enum class PositionPart { None, Deal, Declarer, Contract, Played, AllPlayed };
struct PositionProblem {
  PositionPart part = PositionPart::None;
  int card = 0;          // with Played: the card's place in the list, from 1
  std::string item;      // with Played: the card as written
};

// The card the engine (the honest computer with engine.honest) plays next
// in the position; the contract and the honest computer's seed are taken
// from the query and `engine`. 0, with the problem, when the position cannot
// be read or the play is over.
CardCode PositionCard(const PositionQuery& query, EngineOptions engine, PositionProblem& problem);

}  // namespace quorval
