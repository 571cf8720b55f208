#pragma once
// The rotation of each board ("Site"): which stored hand the user gets as
// South. Chosen so that over an event the user declares the par-like contract
// on about three boards in five (two thirds of them as declarer, the rest as
// dummy) and defends the others. The table shows the dealer and vulnerability
// of the board number's place in the duplicate cycle (or a hand record's own)
// whatever the turn; the stored ones are those turned back by the site.

#include <array>
#include <cstdint>
#include <string>

#include "eventsets/board_facts.h"

namespace quorval::eventgen {

enum class Role { Declarer, Dummy, Defender, None };
const char* RoleName(Role role);

// The roles the event's 27 boards are meant to give the user, in board order;
// fixed by the seed and the event alone, so each board can be made on its own.
std::array<Role, kBoardsPerEvent> EventRolePlan(uint64_t seed, const std::string& event);

// The stored dealer and vulnerability that the turn by `site` makes into the
// table's `tableDealer` and `tableVul`.
void StoredFrame(int site, Seat tableDealer, Vulnerability tableVul, Seat& dealer, Vulnerability& vul);

// Par in stored orientation for each of the four turns, the table showing
// `tableDealer` and `tableVul`: one trick table, four dealers and vulnerabilities.
std::array<ParInfo, 4> ParPerSite(const DdTable& dd, Seat tableDealer, Vulnerability tableVul);

// The rotation that gives the user the wanted role against the par of each
// turn (`pars`, stored orientation). Among the turns that fit, one at random
// (the two defending seats, say); when none fits, the nearest role that does:
// declarer and dummy stand in for each other before defending does.
int SiteForRole(Role role, const std::array<ParInfo, 4>& pars, uint64_t seed, const std::string& key);

// The user's role on a board turned by `site` when `declarer` plays
// (stored orientation); Role::None for a passed-out contract.
Role UserRole(int site, const Contract& contract);

// Chooses facts.site from the plan and the par of each turn. facts.dealer and
// facts.vul come in as the table is to show them and leave as stored (turned
// back by the site); facts.par becomes the par of the chosen turn.
void ChooseSite(BoardFacts& facts, uint64_t seed);

}  // namespace quorval::eventgen
