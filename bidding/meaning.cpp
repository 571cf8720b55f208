#include "bidding/meaning.h"

#include <algorithm>

namespace quorval::bidder {

void Knowledge::Add(const Meaning& m) {
  minPts = std::max(minPts, m.minPts);
  maxPts = std::min(maxPts, m.maxPts);
  // A seat that overstated or understated keeps the latest promise.
  if (maxPts < minPts) maxPts = minPts;
  for (int s = 0; s < 4; ++s) {
    minLen[s] = std::max(minLen[s], m.minLen[s]);
    maxLen[s] = std::min(maxLen[s], m.maxLen[s]);
    if (maxLen[s] < minLen[s]) maxLen[s] = minLen[s];
  }
  balanced = balanced || m.balanced;
}

bool View::Push(CallCode c, const Meaning& m) {
  const Seat s = ToAct();
  if (!auction.Make(c)) return false;
  meanings.push_back(m);
  know[s].Add(m);
  return true;
}

int View::LastCallOf(Seat s) const {
  for (int i = Size() - 1; i >= 0; --i)
    if (SeatOf(i) == s) return i;
  return -1;
}

int View::LastActionOf(Seat s) const {
  for (int i = Size() - 1; i >= 0; --i)
    if (SeatOf(i) == s && calls()[i] != Pass) return i;
  return -1;
}

int View::FirstBidIndex() const {
  for (int i = 0; i < Size(); ++i)
    if (IsBid(calls()[i])) return i;
  return -1;
}

int View::ActionsOf(Seat s) const {
  int n = 0;
  for (int i = 0; i < Size(); ++i)
    if (SeatOf(i) == s && calls()[i] != Pass) ++n;
  return n;
}

Seat View::LastBidder() const {
  for (int i = Size() - 1; i >= 0; --i)
    if (IsBid(calls()[i])) return SeatOf(i);
  return -1;
}

bool View::SideUsed(Seat s, Conv c) const {
  for (int i = 0; i < Size(); ++i)
    if (SameSide(SeatOf(i), s) && meanings[i].conv == c) return true;
  return false;
}

bool View::GameForced(Seat s) const {
  const Seat bidder = LastBidder();
  if (bidder < 0 || !SameSide(bidder, s)) return false;
  const CallCode last = auction.lastBid;
  const int level = LevelOf(last);
  const tAllTrump strain = StrainOf(last);
  const bool game = (strain == NT && level >= 3) || ((strain == Heart || strain == Spade) && level >= 4) ||
                    level >= 5;
  if (game || auction.DoubledCount > 0) return false;
  for (int i = 0; i < Size(); ++i)
    if (SameSide(SeatOf(i), s) && meanings[i].force == Force::Game) return true;
  return false;
}

}  // namespace quorval::bidder
