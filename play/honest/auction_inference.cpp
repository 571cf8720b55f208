#include "play/honest/auction_inference.h"

#include <algorithm>

#include "data/call_meanings.h"

namespace quorval::honest {

HandRange& HandRange::Balanced() {
  for (TSuit s = 0; s < 4; ++s) {
    minLen[s] = std::max(minLen[s], 2);
    maxLen[s] = std::min(maxLen[s], 5);
  }
  return *this;
}

void HandRange::Narrow(const HandRange& later) {
  auto meet = [](int& lo, int& hi, int newLo, int newHi) {
    const int a = std::max(lo, newLo), b = std::min(hi, newHi);
    if (a <= b) {
      lo = a;
      hi = b;
    } else {
      lo = newLo;
      hi = newHi;
    }
  };
  meet(minHcp, maxHcp, later.minHcp, later.maxHcp);
  for (TSuit s = 0; s < 4; ++s) meet(minLen[s], maxLen[s], later.minLen[s], later.maxLen[s]);
  // Points counted with another trump suit are a later picture of the hand.
  if (later.minPoints > 0 || later.maxPoints < 37) {
    if (later.pointsTrump != pointsTrump) {
      minPoints = 0;
      maxPoints = 37;
      pointsTrump = later.pointsTrump;
    }
    meet(minPoints, maxPoints, later.minPoints, later.maxPoints);
  }
}

bool HandRange::Open() const { return *this == HandRange{}; }

bool HandRange::Admits(int hcp, const std::array<int, 4>& lengths) const {
  if (hcp < minHcp || hcp > maxHcp) return false;
  if (minPoints > 0 || maxPoints < 37) {
    const int points = hcp + ShapePoints(lengths, pointsTrump);
    if (points < minPoints || points > maxPoints) return false;
  }
  for (TSuit s = 0; s < 4; ++s)
    if (lengths[s] < minLen[s] || lengths[s] > maxLen[s]) return false;
  return true;
}

namespace {

struct SystemFacts {
  int ntMin, ntMax;         // 1NT opening
  int rebidNtMin, rebidNtMax;
  int majorLength;          // cards of a one-level major opening
  bool transfers;           // 2D and 2H over 1NT show the next suit
  bool multi;               // 2D multi, 2H/2S five of the major and a minor
};

SystemFacts FactsOf(char system) {
  switch (system) {
    case 'M': return {15, 17, 12, 14, 5, true, false};
    case 'N': return {14, 16, 11, 13, 5, true, true};
    case 'S': return {12, 14, 15, 17, 4, false, false};
    default: return {15, 17, 12, 14, 5, false, false};
  }
}

// Where a call stands in the auction: who opened, whether the bidder's side
// spoke before, and how far the call jumps.
struct CallPlace {
  Seat seat = North;
  int passesBefore = 0;        // passes before the opening (when there is none yet)
  int opening = -1;            // index of the first bid, -1 none
  Seat opener = North;
  bool ownFirstAction = true;  // the bidder has made no call other than pass
  bool partnerOpened = false;
  bool opponentsOpened = false;
  bool quietSinceOpening = true;   // only passes between the opening and this call
  int openerCalls = 0;         // calls the opener has made before this one
  CallCode lastBid = Pass;
  CallCode openerLastBid = Pass;
  CallCode partnerLastBid = Pass;
};

CallPlace PlaceOf(const AuctionFacts& a, size_t index) {
  CallPlace p;
  p.seat = (a.dealer + static_cast<int>(index)) & 3;
  for (size_t i = 0; i < index; ++i) {
    const CallCode c = a.calls[i];
    const Seat s = (a.dealer + static_cast<int>(i)) & 3;
    if (p.opening < 0) {
      if (IsBid(c)) {
        p.opening = static_cast<int>(i);
        p.opener = s;
      } else {
        ++p.passesBefore;
      }
    } else if (c != Pass) {
      p.quietSinceOpening = false;
    }
    if (s == p.seat && c != Pass) p.ownFirstAction = false;
    if (p.opening >= 0 && s == p.opener) {
      ++p.openerCalls;
      if (IsBid(c)) p.openerLastBid = c;
    }
    if (s == PartnerOf(p.seat) && IsBid(c)) p.partnerLastBid = c;
    if (IsBid(c)) p.lastBid = c;
  }
  if (p.opening >= 0) {
    p.partnerOpened = p.opener == PartnerOf(p.seat);
    p.opponentsOpened = !SameSide(p.opener, p.seat);
  }
  return p;
}

// The lowest level at which `strain` may be bid over `lastBid`.
int CheapestLevel(CallCode lastBid, tAllTrump strain) {
  if (!IsBid(lastBid)) return 1;
  return StrainOf(lastBid) < strain ? LevelOf(lastBid) : LevelOf(lastBid) + 1;
}

std::optional<HandRange> Opening(const SystemFacts& sys, const CallPlace& p, CallCode c) {
  const int level = LevelOf(c);
  const tAllTrump strain = StrainOf(c);
  HandRange r;
  if (level == 1 && strain == NT) return r.Hcp(sys.ntMin, sys.ntMax).Balanced();
  if (level == 1) {
    r.Hcp(11, 21);
    if (strain >= Heart) return r.Len(strain, sys.majorLength);
    r.Len(strain, 3);
    // With five-card majors a minor opening denies a five-card major.
    if (sys.majorLength == 5) r.Len(Heart, 0, 4).Len(Spade, 0, 4);
    return r;
  }
  if (level == 2 && strain == NT) return r.Hcp(20, 21).Balanced();
  if (level == 2 && strain == Club) return r.Hcp(22, 37);
  if (p.passesBefore >= 3) return std::nullopt;   // nobody preempts in fourth seat
  if (level == 2) {
    r.Hcp(5, 10);
    if (sys.multi) {
      // The multi names no suit; the two-suiters hold five of the major.
      if (strain == Diamond) return r;
      return r.Len(strain, 5, 5).Len(Heart + Spade - strain, 0, 3);
    }
    return r.Len(strain, 6, 6);
  }
  if (level == 3 && strain != NT) {
    r.Hcp(5, 10).Len(strain, 7);
    for (TSuit s = 0; s < 4; ++s)
      if (s != strain) r.Len(s, 0, 4);
    // Beside a long minor, no four-card major in first or second seat.
    if (strain < Heart && p.passesBefore < 2) r.Len(Heart, 0, 3).Len(Spade, 0, 3);
    return r;
  }
  if (level == 4 && strain >= Heart) {
    r.Hcp(5, 10).Len(strain, 8);
    for (TSuit s = 0; s < 4; ++s)
      if (s != strain) r.Len(s, 0, 4);
    return r;
  }
  return std::nullopt;
}

// The first answer to partner's opening when the opponents kept quiet.
std::optional<HandRange> Response(const SystemFacts& sys, CallCode opening, CallCode c) {
  HandRange r;
  const tAllTrump opened = StrainOf(opening);
  if (LevelOf(opening) == 1 && opened == NT) {
    if (c == Pass) return r.Hcp(0, 7);
    if (LevelOf(c) != 2 || StrainOf(c) == Club || StrainOf(c) == NT) return std::nullopt;
    if (sys.transfers) {
      if (StrainOf(c) == Diamond) return r.Len(Heart, 5);
      if (StrainOf(c) == Heart) return r.Len(Spade, 5);
      return std::nullopt;
    }
    return r.Hcp(0, 7).Len(StrainOf(c), 5);
  }
  if (LevelOf(opening) != 1) return std::nullopt;
  if (c == Pass) return r.Hcp(0, 6);
  if (!IsBid(c)) return std::nullopt;
  const int level = LevelOf(c);
  const tAllTrump strain = StrainOf(c);
  if (strain == NT) return level == 1 ? std::optional<HandRange>(r.Hcp(6, 10)) : std::nullopt;
  if (strain == opened) {
    if (level != 2) return std::nullopt;
    return r.Hcp(6, 10).Len(strain, opened >= Heart ? (sys.majorLength == 4 ? 4 : 3) : 4);
  }
  if (level == 1) return r.Hcp(6, 37).Len(strain, 4);
  if (level == 2 && level == CheapestLevel(opening, strain)) return r.Hcp(10, 37).Len(strain, 4);
  return std::nullopt;
}

// The first action over the opponents' opening.
std::optional<HandRange> Overcall(const CallPlace& p, CallCode opening, CallCode c) {
  HandRange r;
  if (LevelOf(opening) != 1 || StrainOf(opening) == NT) return std::nullopt;
  const tAllTrump opened = StrainOf(opening);
  if (c == Double) return p.lastBid == opening ? std::optional<HandRange>(r.Hcp(11, 37).Len(opened, 0, 4))
                                               : std::nullopt;
  if (!IsBid(c)) return std::nullopt;
  const tAllTrump strain = StrainOf(c);
  const int level = LevelOf(c);
  if (strain == opened) return std::nullopt;   // a cue bid
  if (strain == NT) {
    return level == 1 ? std::optional<HandRange>(r.Hcp(15, 18).Balanced()) : std::nullopt;
  }
  const int cheapest = CheapestLevel(p.lastBid, strain);
  if (level == cheapest) return level == 1 ? r.Hcp(8, 17).Len(strain, 5) : r.Hcp(10, 17).Len(strain, 5);
  if (level == cheapest + 1) return r.Hcp(5, 10).Len(strain, 6);
  return std::nullopt;
}

// The opener's second call after a one-level answer, opponents quiet.
std::optional<HandRange> Rebid(const SystemFacts& sys, const CallPlace& p, CallCode c) {
  HandRange r;
  const CallCode opening = p.openerLastBid;
  if (LevelOf(opening) != 1 || StrainOf(opening) == NT || !IsBid(p.partnerLastBid) ||
      LevelOf(p.partnerLastBid) != 1 || !IsBid(c))
    return std::nullopt;
  const tAllTrump strain = StrainOf(c);
  const int level = LevelOf(c);
  if (strain == NT && level == 1) return r.Hcp(sys.rebidNtMin, sys.rebidNtMax).Balanced();
  if (strain == StrainOf(opening) && level == 2) return r.Hcp(11, 15).Len(strain, 6);
  if (strain != NT && strain != StrainOf(p.partnerLastBid) && level == 1) return r.Len(strain, 4);
  return std::nullopt;
}

}  // namespace

std::optional<HandRange> PlainMeaning(const AuctionFacts& a, size_t index) {
  if (index >= a.calls.size()) return std::nullopt;
  const SystemFacts sys = FactsOf(a.system);
  const CallPlace p = PlaceOf(a, index);
  const CallCode c = a.calls[index];
  if (p.opening < 0) {
    if (c == Pass) return HandRange{}.Hcp(0, p.passesBefore == 3 ? 14 : 12);
    if (IsBid(c)) return Opening(sys, p, c);
    return std::nullopt;
  }
  const CallCode opening = a.calls[static_cast<size_t>(p.opening)];
  if (p.partnerOpened && p.ownFirstAction && p.quietSinceOpening)
    return Response(sys, opening, c);
  if (p.opponentsOpened && p.ownFirstAction && p.quietSinceOpening && p.partnerLastBid == Pass)
    return Overcall(p, opening, c);
  if (p.seat == p.opener && p.openerCalls == 1 && p.quietSinceOpening == false) {
    // Only the partner's answer may have come between: the opponents passed.
    bool opponentsQuiet = true;
    for (size_t i = static_cast<size_t>(p.opening) + 1; i < index; ++i) {
      const Seat s = (a.dealer + static_cast<int>(i)) & 3;
      if (!SameSide(s, p.seat) && a.calls[i] != Pass) opponentsQuiet = false;
    }
    if (opponentsQuiet) return Rebid(sys, p, c);
  }
  return std::nullopt;
}

std::array<HandRange, 4> InferHands(const AuctionFacts& a, const CallMeanings* meanings) {
  std::array<HandRange, 4> hands{};
  for (size_t i = 0; i < a.calls.size(); ++i) {
    std::optional<HandRange> m;
    if (meanings) m = meanings->MeaningOf(a, i);
    if (!m) m = PlainMeaning(a, i);
    if (m) hands[(a.dealer + static_cast<int>(i)) & 3].Narrow(*m);
  }
  return hands;
}

}  // namespace quorval::honest
