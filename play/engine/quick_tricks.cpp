#include "play/engine/quick_tricks.h"

#include <algorithm>

#include "play/engine/position.h"

namespace quorval::engine {

int QuickTricks(const SeatSuitHoldings& held, Seat leader, tAllTrump trump) {
  const Seat partner = PartnerOf(leader), lho = NextSeat(leader), rho = PrevSeat(leader);
  auto cashable = [&](TSuit s) {
    const Holding mine = held[leader][s] & kRankMask;
    const Holding theirs = (held[lho][s] | held[rho][s]) & kRankMask;
    const Holding tops = theirs ? mine & ~((Highest(theirs) << 1) - 1) : mine;
    if (!tops || (held[partner][s] & kRankMask) > Lowest(tops)) return 0;
    return Count(tops);
  };
  int quick = 0;
  int cardsLeft = 0;
  for (TSuit s = 0; s < 4; ++s) cardsLeft += Count(held[leader][s]);
  if (trump == NT) {
    for (TSuit s = 0; s < 4; ++s) quick += cashable(s);
    return std::min(quick, cardsLeft);
  }
  const int lhoTrumps = Count(held[lho][trump]), rhoTrumps = Count(held[rho][trump]);
  const int partnerTrumps = Count(held[partner][trump]);
  const int trumpTricks = cashable(trump);
  const bool drawn = trumpTricks >= std::max(lhoTrumps, rhoTrumps);
  int side = 0, partnerOthers = 0;
  for (TSuit s = 0; s < 4; ++s) {
    if (s == trump) continue;
    partnerOthers += Count(held[partner][s]);
    int rounds = 13;
    if (!drawn) {
      if (lhoTrumps) rounds = std::min(rounds, Count(held[lho][s]));
      if (rhoTrumps) rounds = std::min(rounds, Count(held[rho][s]));
    }
    side += std::min(cashable(s), rounds);
  }
  // Partner, out of trumps while they are drawn, discards from the others.
  partnerOthers -= std::max(0, trumpTricks - partnerTrumps);
  quick = trumpTricks + std::min(side, std::max(partnerOthers, 0));
  return std::min(quick, cardsLeft);
}

}  // namespace quorval::engine
