#pragma once
// The bidding rules, split by situation. Each rule adds candidate calls with
// their meanings and a preference score; the bidder takes the best legal one,
// and the library offers the user the other well-scored calls.
#include <vector>

#include "bidding/hand.h"
#include "bidding/meaning.h"

namespace quorval::bidder {

// Scores: the rule's own choice, a call a sensible player might also make,
// and a call the bidder can make but would not offer the user.
inline constexpr int kMain = 100, kAlternative = 80, kPossible = 50;
// The least score of a style choice some players make (a light opening, 1NT
// with a five-card suit): the library may offer it to the user.
inline constexpr int kStyleChoice = 65;

struct Candidate {
  CallCode call = Pass;
  Meaning meaning;
  int score = 0;
};

struct Ctx {
  const View& v;
  const SystemDef& sys;
  Seat me, pd, lho, rho;
  HandFacts h;
  int pts;  // high-card points as this seat judges them
  std::vector<Candidate> out;

  Ctx(const View& view, const HandFacts& hand, int judgement);
  void Add(CallCode c, const Meaning& m, int score);
  bool Legal(CallCode c) const { return v.auction.IsLegal(c); }
  // Cheapest bid in the strain above the last bid.
  CallCode Cheapest(tAllTrump strain) const;
  int CheapestLevel(tAllTrump strain) const { return LevelOf(Cheapest(strain)); }
  const Knowledge& Partner() const { return v.know[pd]; }
  const Meaning* LastMeaningOf(Seat s) const;
  CallCode LastCallOf(Seat s) const;
  bool WeVul() const { return v.Vulnerable(me); }
  bool TheyVul() const { return v.Vulnerable(lho); }
  // The right-hand opponent's last call was a pass (or it has not called).
  bool RhoPassed() const;
  bool IPassedBefore() const;  // this seat passed before making any other call
  // Strains the opponents have bid.
  bool TheyBid(tAllTrump strain) const;
};

void Openings(Ctx& c);
void Responses(Ctx& c);          // partner opened, this seat's first action
void NoTrumpResponses(Ctx& c);   // partner opened or overcalled 1NT, or opened 2NT
void OpenerRebid(Ctx& c);        // one-level opening, partner answered
void Overcalls(Ctx& c);          // the opponents opened, our side has not acted
void Advances(Ctx& c);           // partner doubled or overcalled, first action
bool ConventionAnswer(Ctx& c);   // partner asked; true when handled
bool ConventionFollowUp(Ctx& c); // partner answered our ask; true when handled
void Continuation(Ctx& c);       // everything later: place the contract

// Shared: the asking bid for slam in the system (4NT), added when sensible.
bool TrySlamAsk(Ctx& c, tAllTrump trump, int lowTotal, int score);

}  // namespace quorval::bidder
