// The rotation of each board and the role it gives the user.

#include <gtest/gtest.h>

#include "eventsets/site.h"
#include "synthetic_board.h"

namespace quorval::eventgen {
namespace {

TEST(Site, EveryRoleIsReachedAgainstEveryDeclarer) {
  for (Seat declarer = 0; declarer < 4; ++declarer) {
    ParInfo par;
    par.passedOut = false;
    par.contract = Contract{MakeBid(4, Spade), 0, declarer};
    const std::array<ParInfo, 4> pars{par, par, par, par};
    for (const Role role : {Role::Declarer, Role::Dummy, Role::Defender}) {
      for (const char* key : {"Imp01.01", "Imp01.02", "Par05.17"}) {
        const int site = SiteForRole(role, pars, 11, key);
        ASSERT_GE(site, 0);
        ASSERT_LE(site, 3);
        EXPECT_EQ(UserRole(site, par.contract), role) << "declarer " << declarer << " site " << site;
      }
    }
  }
}

// Each side makes its one suit: North-South `ns` tricks in spades, East-West
// `ew` in hearts, partners alike; nothing else.
DdTable TwoSuits(int ns, int ew) {
  DdTable t;
  for (tAllTrump s = 0; s < 5; ++s)
    for (Seat q = 0; q < 4; ++q) t.tricks[s][q] = s == Spade ? (SideOf(q) == 1 ? ns : 13 - ns)
                                                 : s == Heart ? (SideOf(q) == 2 ? ew : 13 - ew)
                                                              : 4;
  return t;
}

TEST(Site, TheTableShowsTheCycleAndParFollowsTheTurn) {
  // Stored North-South make ten tricks in spades, East-West nine in hearts.
  // The table shows board 2 (East deals, North-South vulnerable): turned by
  // 0 or 2 the stored spade pair is vulnerable and East-West save in five
  // hearts doubled (300 against 620); turned by 1 or 3 the spade pair sits
  // East-West, not vulnerable, and the save (500 vulnerable) costs more
  // than their 420.
  const std::array<ParInfo, 4> pars = ParPerSite(TwoSuits(10, 9), East, 1);
  for (int site = 0; site < 4; ++site) {
    Seat dealer = North;
    Vulnerability vul = 0;
    StoredFrame(site, East, 1, dealer, vul);
    Deal deal;
    RotateDeal(site, dealer, vul, deal);
    EXPECT_EQ(dealer, East) << site;
    EXPECT_EQ(vul, 1) << site;
    EXPECT_EQ(pars[site].sacrifice, site % 2 == 0) << site;
    EXPECT_EQ(SideOf(pars[site].contract.declarer), site % 2 == 0 ? 2 : 1) << site;
  }
  // Whatever the turn the user defends: the spade pair at the table's
  // North-South is saved against, at East-West it declares. So every role
  // of the plan ends in the one role a turn gives.
  for (const Role role : {Role::Declarer, Role::Dummy, Role::Defender}) {
    const int site = SiteForRole(role, pars, 5, "Imp01.02");
    EXPECT_EQ(UserRole(site, pars[site].contract), Role::Defender);
  }
  // Partners alike make four spades on board 1 (North deals): par names the
  // partner nearer the dealer, the table's North, so the user cannot
  // declare; dummy stands in for declarer before defending does.
  const std::array<ParInfo, 4> tie = ParPerSite(TwoSuits(10, 6), North, 0);
  const int site = SiteForRole(Role::Declarer, tie, 5, "Imp01.01");
  EXPECT_EQ(UserRole(site, tie[site].contract), Role::Dummy);
}

TEST(Site, EveryBoardOfAnEventShowsItsCycleAndItsPlannedRoleWhereATurnGivesIt) {
  const auto plan = EventRolePlan(21, "Par07");
  for (int n = 1; n <= kBoardsPerEvent; ++n) {
    const BoardFacts f = testing::SyntheticBoard(21, "Par07", n);
    Seat dealer = f.dealer;
    Vulnerability vul = f.vul;
    Deal deal = f.deal;
    RotateDeal(f.site, dealer, vul, deal);
    EXPECT_EQ(dealer, BoardDealer(n)) << n;
    EXPECT_EQ(vul, BoardVulnerability(n)) << n;
    EXPECT_EQ(deal.at(South, Spade), f.deal.at(f.UserSeat(), Spade)) << n;
    // Par is the stored board's, for the stored dealer and vulnerability.
    const ParInfo par = ComputePar(f.dd, f.dealer, f.vul);
    EXPECT_EQ(par.contract.bid, f.par.contract.bid) << n;
    EXPECT_EQ(par.contract.declarer, f.par.contract.declarer) << n;
    const std::array<ParInfo, 4> pars = ParPerSite(f.dd, BoardDealer(n), BoardVulnerability(n));
    bool reachable = false;
    for (int site = 0; site < 4; ++site) reachable |= UserRole(site, pars[site].contract) == plan[n - 1];
    if (reachable) EXPECT_EQ(UserRole(f.site, f.par.contract), plan[n - 1]) << n;
  }
}

TEST(Site, UserSeatMovesToSouth) {
  // Turning by k moves stored seat q to q + k: the user's stored seat is 2 - k.
  const struct { int site; Seat user; } rows[] = {{0, South}, {1, East}, {2, North}, {3, West}};
  for (const auto& r : rows) {
    BoardFacts f;
    f.site = r.site;
    EXPECT_EQ(f.UserSeat(), r.user);
    EXPECT_EQ(RotateSeat(r.user, r.site), South);
    EXPECT_EQ(UserRole(r.site, Contract{MakeBid(3, NT), 0, r.user}), Role::Declarer);
  }
  EXPECT_EQ(UserRole(1, Contract{}), Role::None);
}

TEST(Site, EventPlansGiveTheWantedMix) {
  for (const std::string& event : {"Imp01", "Imp09", "Par01", "Par18"}) {
    for (uint64_t seed : {1ull, 2005ull, 123456789ull}) {
      const auto plan = EventRolePlan(seed, event);
      int declarer = 0, dummy = 0, defender = 0;
      for (const Role r : plan) {
        declarer += r == Role::Declarer;
        dummy += r == Role::Dummy;
        defender += r == Role::Defender;
      }
      const int declaring = declarer + dummy;
      EXPECT_GE(declaring, 15);  // 55 to 65 % of 27
      EXPECT_LE(declaring, 17);
      EXPECT_EQ(declarer + dummy + defender, kBoardsPerEvent);
      EXPECT_NEAR(double(declarer) / declaring, 2.0 / 3, 0.05);
      EXPECT_EQ(plan, EventRolePlan(seed, event));
    }
  }
  EXPECT_NE(EventRolePlan(1, "Imp01"), EventRolePlan(1, "Imp02"));
}

}  // namespace
}  // namespace quorval::eventgen
