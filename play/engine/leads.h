#pragma once
// The engine's leads after the opening lead: every suit the leader holds is
// scored (its base score from lead_tables.h, then adjusted for the whole
// hand), the suits are ordered, and one card is named in each promising suit.

#include <array>
#include <utility>
#include <vector>

#include "play/engine/position.h"

namespace quorval::engine {

// The lead-wide values of one lead scoring, read by the base-score tables and,
// afterwards, by the following and discarding rules.
struct LeadWide {
  int OurSuitTricks = 0;
  int TheirSuitTricks = 0;
  int SideSuitTricks = 0;
  int RuffValue = 0;
  int MyEntries = 0, PdEntries = 0, LhoEntries = 0, RhoEntries = 0;
  int MyRuffSuits = 0, PdRuffSuits = 0;
  int RuffCountSum = 0;
  int StillNeeded = 0;
  bool TenacePlan = false;
  bool PdLeadPlan = false;
  bool KeepForRuff = false;
  TSuit RuffSuit = 4;
  bool LowLeadHint = false;
  bool RuffDanger = false;
  bool VoidWinnerSuit = false;
  int ShortLast = 0;
  bool PositiveLeadSeen = false;
  int MyShortLoser = 13, PdShortLoser = 13;
  bool MyTopTrumpClear = false, PdTopTrumpClear = false;
  Seat RuffSeat = North;
  Holding RuffTop = 0;
  bool RuffCashes = false;
  bool DefTrumpFlag = false;
  bool TrumpControl = false;
  // Set by the declarer's trump rule; kept from one scoring to the next.
  int TrumpLead = 0;
};

// The values of the last lead scoring. The entry counts are read by the
// following and discarding rules of later positions, also in later engine
// calls, so they live beyond one scoring (all 0 before the first).
LeadWide& LastLeadWide();
// Forgets the kept values (a new deal, or a test that wants a clean start).
void ResetLeadWide();
// Called at the start of every engine call: the kept values belong to one
// play of one deal. They are forgotten at the opening lead and whenever the
// engine is asked about another deal or contract than the one it last
// served, so that a board is never played differently because of the board
// before it.
void KeepLeadWideFor(const EngineInput& in);

// Fills LeadScore of the leader's four views (p.seat leads).
void ScoreLeads(Position& p, LeadWide& w);
// The suits whose cards are offered, best first: scores by suit (clubs ..
// spades), ties going to the higher-ranking suit. After the best suit a suit
// scoring below 3 ends the list; one of 250 or more is always offered;
// otherwise it is offered only within 50 x skill of the best score.
std::vector<TSuit> SuitsToOffer(const std::array<int, 4>& scores, int skill);

// The lead in one suit and a second choice (0 when there is none).
std::pair<CardCode, CardCode> CardInSuit(Position& p, const LeadWide& w, TSuit suit,
                                         bool alternativeAllowed);

}  // namespace quorval::engine
