#include "play/engine/quick_tricks.h"

#include <gtest/gtest.h>

#include "tests/play/engine_test_util.h"

namespace quorval::engine {
namespace {

// Hands as "spades.hearts.diamonds.clubs" for North, East, South, West.
SeatSuitHoldings Hands(const char* n, const char* e, const char* s, const char* w) {
  SeatSuitHoldings held{};
  const char* texts[4] = {n, e, s, w};
  for (Seat seat = 0; seat < 4; ++seat) {
    std::string t = texts[seat];
    TSuit suit = Spade;
    std::string ranks;
    for (size_t i = 0; i <= t.size(); ++i) {
      if (i == t.size() || t[i] == '.') {
        held[seat][suit] = static_cast<uint16_t>(testutil::H(ranks));
        ranks.clear();
        --suit;
      } else {
        ranks += t[i];
      }
    }
  }
  return held;
}

struct QuickRow {
  const char* what;
  const char *n, *e, *s, *w;
  tAllTrump trump;
  int northLeads;
};

TEST(QuickTricks, TopCardsTheLeaderCanCash) {
  const QuickRow rows[] = {
      {"two top spades and a top heart at no trump", "AK2.A..", "Q3.K..", "54.2..", "JT.Q..", NT, 3},
      {"partner's singleton ace would overtake the king", "K2...", "Q3...", "A..2.", "JT...", NT, 0},
      {"partner follows under the tops", "AKQ...", "J98...", "T..32.", "765...", NT, 3},
      {"top trumps draw the opponents', then the side suit runs", "AK.AK..", "Q.32.5.", "2.54.6.", "3.Q6.7.", Heart,
       4},
      {"a side suit runs only while a trump holder follows", "AK.AK2..", "Q.3.543.", "2.54.76.", "3.QJ6.8.", Heart, 3},
      {"partner with nothing but trumps would ruff", "AK.A..", "Q3.K..", "..Q32.", "JT..4.", Diamond, 0},
      {"opponents void in a suit with no trumps left", "AK2...", "..Q3.4", "...765", "..JT.8", Heart, 3},
  };
  for (const QuickRow& r : rows)
    EXPECT_EQ(QuickTricks(Hands(r.n, r.e, r.s, r.w), North, r.trump), r.northLeads) << r.what;
}

}  // namespace
}  // namespace quorval::engine
