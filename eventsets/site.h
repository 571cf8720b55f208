#pragma once
// The rotation of each board ("Site"): which stored hand the user gets as
// South. Chosen so that over an event the user declares the par-like contract
// on about three boards in five (two thirds of them as declarer, the rest as
// dummy) and defends the others.

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

// The rotation that gives the user the wanted role against a contract
// declared by `declarer` (stored orientation). Defender picks one of the two
// defending seats at random; Role::None any seat.
int SiteForRole(Role role, Seat declarer, uint64_t seed, const std::string& key);

// The user's role on a board turned by `site` when `declarer` plays
// (stored orientation); Role::None for a passed-out contract.
Role UserRole(int site, const Contract& contract);

// Chooses facts.site from the plan and the par contract.
void ChooseSite(BoardFacts& facts, uint64_t seed);

}  // namespace quorval::eventgen
