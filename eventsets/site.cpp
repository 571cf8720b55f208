#include "eventsets/site.h"

#include "core/prng.h"

namespace quorval::eventgen {

const char* RoleName(Role role) {
  switch (role) {
    case Role::Declarer: return "declarer";
    case Role::Dummy: return "dummy";
    case Role::Defender: return "defender";
    case Role::None: return "passed out";
  }
  return "?";
}

std::array<Role, kBoardsPerEvent> EventRolePlan(uint64_t seed, const std::string& event) {
  Rng rng = Rng::For(seed, event, "roles");
  // 15, 16 or 17 of 27 boards declared by the user's side (56 to 63 %).
  const int declaring = rng.Between(15, 17);
  const int asDeclarer = (2 * declaring + 1) / 3;
  std::array<Role, kBoardsPerEvent> plan{};
  for (int i = 0; i < kBoardsPerEvent; ++i)
    plan[i] = i < asDeclarer ? Role::Declarer : i < declaring ? Role::Dummy : Role::Defender;
  for (int i = kBoardsPerEvent - 1; i > 0; --i)
    std::swap(plan[i], plan[rng.Below(static_cast<uint32_t>(i + 1))]);
  return plan;
}

int SiteForRole(Role role, Seat declarer, uint64_t seed, const std::string& key) {
  Rng rng = Rng::For(seed, key, "site");
  Seat user = North;
  switch (role) {
    case Role::Declarer: user = declarer; break;
    case Role::Dummy: user = PartnerOf(declarer); break;
    case Role::Defender: user = rng.Chance(500) ? NextSeat(declarer) : PrevSeat(declarer); break;
    case Role::None: user = static_cast<Seat>(rng.Below(4)); break;
  }
  // Turning by k moves stored seat q to (q + k) mod 4; the user must land in South.
  return (South - user + 4) & 3;
}

Role UserRole(int site, const Contract& contract) {
  if (contract.PassedOut()) return Role::None;
  const Seat user = (South - site % 4 + 8) & 3;
  if (user == contract.declarer) return Role::Declarer;
  if (user == PartnerOf(contract.declarer)) return Role::Dummy;
  return Role::Defender;
}

void ChooseSite(BoardFacts& facts, uint64_t seed) {
  const Role wanted = EventRolePlan(seed, facts.event)[(facts.number - 1) % kBoardsPerEvent];
  const Role role = facts.par.passedOut ? Role::None : wanted;
  facts.site = SiteForRole(role, facts.par.contract.declarer, seed, facts.key);
}

}  // namespace quorval::eventgen
