#pragma once
// The engine's own opening lead: a score for every suit the leader holds, the
// leader's attacking factor, and the card that the lead convention of the
// bidding system picks in the chosen suit. Pure functions of the dealt hands,
// so the rules can be checked on small hands without an engine position.

#include <array>

#include "core/types.h"

namespace quorval::engine {

enum class LeadConvention { Standard, Norwegian, Basic };

// PlayStyle 5 leads Norwegian, 7 basic; 3, 6 and anything else standard.
LeadConvention LeadConventionFor(int playStyle);

// The ranks of the highest four cards of a suit (2 when the suit is shorter),
// its length, lowest rank and high-card points.
struct SuitShape {
  int Top1 = 2, Top2 = 2, Top3 = 2, Top4 = 2;
  int Length = 0;
  int MyLowRank = 2;
  int MyHcp = 0;
};
SuitShape ShapeOf(Holding h);

// Holding patterns of a suit of three or more cards.
bool TopPair(const SuitShape& s);
bool BrokenTop(const SuitShape& s);
bool InteriorRun(const SuitShape& s);

// High-card points plus one per card beyond four in a suit, at least 2 with a void.
int TotalPoints(const std::array<Holding, 4>& hand);
// Cards lying in an unbroken run from the ace down, over the four suits.
int AceRuns(const std::array<Holding, 4>& hand);

// The leader's attacking factor 0.0 .. 1.0 in steps of 0.1.
double Aggression(int theirTotalPoints, int leaderHcp, int partnerTotalPoints,
                  int rhoTotalPoints);

// Everything the opening lead reads, taken at the start of the play.
struct OpeningLeadInput {
  std::array<std::array<Holding, 4>, 4> hands{};  // by seat, then suit
  Seat leader = West;
  tAllTrump trump = NT;
  int target = 14;                                 // engine trick target
  LeadConvention convention = LeadConvention::Standard;
  std::array<bool, 4> reachInOtherSuit{};          // leader can be reached outside the suit
};

// Per-lead values computed once and shared by the suit scores.
struct OpeningLeadContext {
  const OpeningLeadInput* input = nullptr;
  double aggression = 0.5;
  int leaderHcp = 0;
  int rhoTotalPoints = 0;
  int aceRuns = 0;
  bool leaderHoldsTrumps = false;
};
OpeningLeadContext MakeOpeningLeadContext(const OpeningLeadInput& in);

// The common last step of every suit case: blend attack and passive values.
int ScoreFrom(const OpeningLeadContext& ctx, TSuit suit, int attack, int passive);
int OpeningSuitScore(const OpeningLeadContext& ctx, TSuit suit);

// Which card of the suit to lead, counted from the top (1 = highest).
int LeadCardIndex(LeadConvention convention, Holding h, bool noTrump);

// The suit with the best score (ties to the higher-ranking suit) and its card;
// 0 when the leader holds no card at all.
CardCode ChooseOpeningLeadCard(const OpeningLeadInput& in);

}  // namespace quorval::engine
