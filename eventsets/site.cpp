#include "eventsets/site.h"

#include <vector>

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

void StoredFrame(int site, Seat tableDealer, Vulnerability tableVul, Seat& dealer, Vulnerability& vul) {
  dealer = RotateSeat(tableDealer, -site);
  vul = (site & 1) && (tableVul == 1 || tableVul == 2) ? 3 - tableVul : tableVul;
}

std::array<ParInfo, 4> ParPerSite(const DdTable& dd, Seat tableDealer, Vulnerability tableVul) {
  std::array<ParInfo, 4> pars;
  for (int site = 0; site < 4; ++site) {
    Seat dealer = North;
    Vulnerability vul = 0;
    StoredFrame(site, tableDealer, tableVul, dealer, vul);
    pars[site] = ComputePar(dd, dealer, vul);
  }
  return pars;
}

int SiteForRole(Role role, const std::array<ParInfo, 4>& pars, uint64_t seed, const std::string& key) {
  Rng rng = Rng::For(seed, key, "site");
  const auto fitting = [&](Role r) {
    std::vector<int> sites;
    for (int site = 0; site < 4; ++site)
      if (UserRole(site, pars[site].contract) == r) sites.push_back(site);
    return sites;
  };
  // The wanted role first, then the roles that stand in for it.
  static constexpr Role kOrder[3][3] = {{Role::Declarer, Role::Dummy, Role::Defender},
                                        {Role::Dummy, Role::Declarer, Role::Defender},
                                        {Role::Defender, Role::Declarer, Role::Dummy}};
  if (role != Role::None)
    for (const Role r : kOrder[static_cast<int>(role)]) {
      const std::vector<int> sites = fitting(r);
      if (!sites.empty()) return sites[rng.Below(static_cast<uint32_t>(sites.size()))];
    }
  // Passed out whatever the turn: any seat.
  return static_cast<int>(rng.Below(4));
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
  const std::array<ParInfo, 4> pars = ParPerSite(facts.dd, facts.dealer, facts.vul);
  facts.site = SiteForRole(wanted, pars, seed, facts.key);
  StoredFrame(facts.site, facts.dealer, facts.vul, facts.dealer, facts.vul);
  facts.par = pars[facts.site];
}

}  // namespace quorval::eventgen
