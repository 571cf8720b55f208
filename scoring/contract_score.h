#pragma once
// The duplicate score of one board: what the contract, its doubling, the
// vulnerability and the tricks taken are worth, always from North-South's
// side (positive when North-South gain). No rubber scoring, no honours.

#include "core/calls.h"
#include "core/deal.h"

namespace quorval {

// `contract` is the final call: Pass (or any non-bid) for a passed-out board,
// 3..37 for a bid. `doubledCount` 0, 1, 2; `vulnerable` is the declaring
// side's vulnerability; `tricks` are the tricks won by declarer's side.
// Out-of-range doubling (<0 or >2) and tricks (<0 or >13) are clamped so a
// damaged record can never produce an absurd score.
int ContractScore(CallCode contract, int doubledCount, Seat declarer, bool vulnerable, int tricks);

// The same for a contract on a board of the given vulnerability.
int ContractScore(const Contract& contract, int tricks, Vulnerability vul);

}  // namespace quorval
