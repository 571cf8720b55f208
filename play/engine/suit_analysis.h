#pragma once
// Suit-by-suit reasoning shared by the candidate rules: the derived fields of
// a SuitView, the cashing and running counts, the two tables that judge from
// which side a suit is best led, the suit trick estimate, the small
// predicates built on them, and the dispatcher that picks the rule which
// fills the candidate list at a search position.

#include "play/engine/position.h"

namespace quorval::engine {

// Makes (seat, suit) the current view and fills its derived fields (the ruff
// flags with the club exception for second and third hand).
SuitView& ViewSuit(Position& p, Seat seat, TSuit suit);

// One hand in a cashing or running count: its cards in the suit, their
// number, and whether it holds a trump.
struct CountHand {
  Holding cards = 0;
  int len = 0;
  bool hasTrump = false;
};
// Tricks side A (x, y) cashes from the top against side B (b1, b2). The
// hands are reduced as the tricks are played. trumpsOrNT: the suit is
// trumps, or the contract is no trump (no ruffs stop the count).
int CashCount(CountHand& x, CountHand& y, CountHand& b1, CountHand& b2, bool trumpsOrNT);
// Our cashing tricks (me and partner) and theirs (lho and rho) in the current
// view's suit, on the given copies.
struct SuitCopies {
  CountHand me, pd, lho, rho;
};
SuitCopies CopiesOf(const Position& p, const SuitView& v);
int CashUs(const Position& p, SuitCopies& c);
int CashThem(const Position& p, SuitCopies& c);
// Tricks our side takes in the suit while holding the top card; adds to the
// view's MyWins, PdWins and RuffCount.
int RunCount(const Position& p, SuitView& v, int verdict, SuitCopies& c);

// From which side a suit is best led (-2..1) and whether partner should be
// the one to win it (-1..1).
int LeadVerdict(const Position& p, const SuitView& v);
int SecondVerdict(const Position& p, const SuitView& v);

// Fills the estimate fields of the seat-to-play's view of the suit.
void AnalyseSuit(Position& p, TSuit suit);

// ---- predicates ------------------------------------------------------------
int OurLongTrump(const Position& p);
int TheirLongTrump(const Position& p);
Holding OurTrumps(const Position& p);
Holding TheirTrumps(const Position& p);
bool PdRuffChance(const Position& p);
bool OpponentEntryRho(const Position& p, TSuit suit);
bool OpponentEntryLho(const Position& p, TSuit suit);
// The cheapest of my cards (in the current view) at least as high as a.
Holding CheapestCover(const Position& p, Holding a);
// The card (full value, current view's suit) raised through its run.
CardCode RaiseCard(const Position& p, CardCode card);
CardCode RaiseUnlessThirdDefender(const Position& p, Holding c);
Holding TheirNonSingletons(const SuitView& v);
bool CanReachMe(Position& p, Seat seat, TSuit suit);
bool ReachInAnySuit(Position& p, Seat seat, TSuit suit);
bool ReachInOtherSuit(Position& p, Seat seat, TSuit suit);
bool WinnerWherePdVoid(Position& p, Seat seat, TSuit suit);
int TricksStillNeeded(const Position& p);
int SuitLength(const SuitView& v);
int ShortOpponent(const SuitView& v);
Holding LhoBelowMyTop(const SuitView& v);
bool RhoRuffThreat(const Position& p, const SuitView& v);
bool LhoRuffThreat(const Position& p, const SuitView& v);
bool RuffThreat(const Position& p, const SuitView& v);

// The dispatcher: fills p.Candidates for p.seat at the node (the hands must
// have been loaded with LoadNodeHands).
void GenerateCandidates(Position& p);

}  // namespace quorval::engine
