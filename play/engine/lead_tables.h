#pragma once
// The lead base scores: how attractive each suit is to lead, before the lead
// scoring adjusts it for the whole hand. One table for a defender and one for
// a leader on declarer's side, each with its own trump-suit rule, and a
// common score both fall back on. The tables are kept in the order of their
// rows so that they read side by side with the written tables:
//   lead_tables_common.cpp    common score, losing-suit score, last resort
//   lead_tables_defender.cpp  defender's side suits and trump suit
//   lead_tables_declarer.cpp  declarer's side suits and trump suit

#include "play/engine/leads.h"
#include "play/engine/position.h"

namespace quorval::engine {

// The base score of a suit the leader (p.seat) holds. The suit has been
// analysed and the first two passes of the lead scoring have filled `w`.
int BaseScore(Position& p, LeadWide& w, TSuit suit);

// The rows of the tables, one object per suit being scored.
class LeadTable {
 public:
  LeadTable(Position& p, LeadWide& w, TSuit suit);

  int Base();
  int CommonScore();
  int LosingSuitScore();
  int LastResort();
  int DefenderBase();
  int DefenderTrumpScore();
  int DefenderSideSuit();
  int DeclarerBase();
  int DeclarerTrumpScore();
  int DeclarerSideWinners();
  int DeclarerOtherSide();

  // Named tests the rows read.
  bool RuffingSuit();
  bool TrumpsOutlast() const;
  bool EntryRun() const;
  bool SingletonUnder() const;
  bool ShortTrumpRuffs() const;
  bool LhoOverruffsPd() const;
  bool ShortTrumpPartnerSingleton();
  bool SafeCashSuit(bool ownVerdictAsZero) const;
  bool ShortTrumpHandRuffs() const;
  bool PdRuffsShort();
  bool MyRuffsShort();
  bool ShortPdNoRuff() const;
  bool OppSingletonAboveUs() const;
  int TrumpAdjust(int x) const;

 private:
  // A side-suit row whose score of 540 ends the table at once.
  static constexpr int kFinal540 = -1000000;

  bool Reach(Seat seat);       // ReachInOtherSuit(seat, suit)
  bool ReachAny(Seat seat);    // ReachInAnySuit(seat, suit)
  bool BothOppsHoldTrumps() const { return t_.LhoLen > 0 && t_.RhoLen > 0; }
  bool OppsHoldTrumps() const { return t_.LhoLen > 0 || t_.RhoLen > 0; }

  Position& p_;
  LeadWide& w_;
  TSuit suit_;
  const SuitView& v_;   // leader's view of the suit
  const SuitView& t_;   // leader's view of the trump suit (clubs at no trump)
  bool nt_;
  bool trumpSuit_;
  bool defender_;
  Seat me_, pd_, lho_, rho_;
  // Shorthands of the view: LV, SV, ST and the four holdings.
  int LV, SV, ST;
  Holding Me, Pd, Lho, Rho;
};

}  // namespace quorval::engine
