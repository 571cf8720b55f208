// The rotation of each board and the role it gives the user.

#include <gtest/gtest.h>

#include "eventsets/site.h"

namespace quorval::eventgen {
namespace {

TEST(Site, EveryRoleIsReachedAgainstEveryDeclarer) {
  for (Seat declarer = 0; declarer < 4; ++declarer) {
    const Contract c{MakeBid(4, Spade), 0, declarer};
    for (const Role role : {Role::Declarer, Role::Dummy, Role::Defender}) {
      for (const char* key : {"Imp01.01", "Imp01.02", "Par05.17"}) {
        const int site = SiteForRole(role, declarer, 11, key);
        ASSERT_GE(site, 0);
        ASSERT_LE(site, 3);
        EXPECT_EQ(UserRole(site, c), role) << "declarer " << declarer << " site " << site;
      }
    }
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
