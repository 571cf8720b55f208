// How the table reads a call from the auction alone: the conventions and ranges
// of well-known calls, the same reading every time, hands drawn within what a
// seat has shown, and whether a hand fits a call's meaning within a point.
#include <gtest/gtest.h>

#include "bidding/reading.h"
#include "bidding/sampling.h"
#include "bidding/seat_view.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

Meaning ReadAfter(TableReading& reading, System system, const std::vector<const char*>& before, const char* call) {
  View view(system, North, 0);
  for (const char* c : before) EXPECT_TRUE(reading.Push(view, ParseCall(c))) << c;
  return reading.Read(view, ParseCall(call));
}

TEST(TableReading, ReadsTheSystemsCalls) {
  TableReading reading;
  // The opening 1NT: the system's range, balanced.
  Meaning m = ReadAfter(reading, System::DanishBasic, {}, "1N");
  EXPECT_EQ(m.conv, Conv::Natural);
  EXPECT_EQ(m.minPts, 15);
  EXPECT_EQ(m.maxPts, 17);
  EXPECT_TRUE(m.balanced);
  EXPECT_EQ(ReadAfter(reading, System::ModernBasic, {}, "1N").maxPts, 14);
  // Few hands open 2C, and it is still read as the strong artificial opening.
  m = ReadAfter(reading, System::ModernStandard, {}, "2C");
  EXPECT_EQ(m.conv, Conv::Strong2C);
  EXPECT_EQ(m.force, Force::OneRound);
  // Over 1NT: Stayman, and a transfer that shows the suit above it.
  EXPECT_EQ(ReadAfter(reading, System::DanishBasic, {"1N", "P"}, "2C").conv, Conv::Stayman);
  m = ReadAfter(reading, System::ModernStandard, {"1N", "P"}, "2H");
  EXPECT_EQ(m.conv, Conv::Transfer);
  EXPECT_EQ(m.strain, Spade);
  // A first-seat pass denies an opening.
  EXPECT_LE(ReadAfter(reading, System::DanishBasic, {}, "P").maxPts, 12);
  // The reading follows from the auction alone: a fresh table reads alike.
  TableReading other;
  const Meaning again = ReadAfter(other, System::ModernStandard, {"1N", "P"}, "2H");
  EXPECT_EQ(again.conv, Conv::Transfer);
  EXPECT_EQ(again.minLen, m.minLen);
}

TEST(TableReading, JoinsMeaningsByTheirMostCommonConvention) {
  const Meaning a = Meaning{}.Pts(6, 9).Len(Spade, 3).Strain(Spade);
  const Meaning b = Meaning{}.Pts(10, 12).Len(Spade, 4).Strain(Spade);
  const Meaning odd = Meaning{}.Pts(13, 37).As(Conv::Splinter);
  const Meaning joined = JoinMeanings({a, odd, b});
  EXPECT_EQ(joined.conv, Conv::Natural);
  EXPECT_EQ(joined.minPts, 6);
  EXPECT_EQ(joined.maxPts, 12);  // the splinter does not widen it
  EXPECT_EQ(joined.minLen[Spade], 3);
  EXPECT_FALSE(joined.balanced);
  const Meaning nt = Meaning{}.Pts(15, 17).Balanced();
  EXPECT_TRUE(JoinMeanings({nt, nt}).balanced);
  EXPECT_FALSE(JoinMeanings({nt, Meaning{}.Pts(15, 17)}).balanced);
  EXPECT_EQ(JoinMeanings({}).maxPts, 37);
}

TEST(HandDrawer, DrawsOnlyHandsTheSeatCouldHold) {
  Knowledge strongNt;
  strongNt.minPts = 15;
  strongNt.maxPts = 17;
  strongNt.balanced = true;
  Knowledge longHearts;
  longHearts.minLen[Heart] = 6;
  longHearts.maxPts = 10;
  Rng rng(7);
  for (const Knowledge& k : {strongNt, longHearts}) {
    const HandDrawer drawer(k);
    ASSERT_TRUE(drawer.AnyShape());
    int drawn = 0;
    Hand hand{};
    for (int i = 0; i < 4000 && drawn < 50; ++i) {
      if (!drawer.TryDraw(rng, hand)) continue;
      ++drawn;
      const HandFacts f = EvaluateHolding(hand);
      EXPECT_EQ(f.len[0] + f.len[1] + f.len[2] + f.len[3], 13);
      EXPECT_GE(f.hcp, k.minPts);
      EXPECT_LE(f.hcp, k.maxPts);
      EXPECT_GE(f.len[Heart], k.minLen[Heart]);
      if (k.balanced) {
        EXPECT_TRUE(f.balanced);
      }
    }
    EXPECT_EQ(drawn, 50);
  }
  // Seven spades and seven hearts: no hand has that shape.
  Knowledge none;
  none.minLen[Spade] = none.minLen[Heart] = 7;
  EXPECT_FALSE(HandDrawer(none).AnyShape());
}

HandFacts Facts(const std::string& hand) { return Evaluate(testing::MakeDeal({hand, "", "", ""}), North); }

TEST(WithinAPoint, HandsAgainstStatedMeanings) {
  const Meaning oneNt = Meaning{}.Pts(15, 17).Balanced().Strain(NT);
  const Meaning raise = Meaning{}.Pts(6, 9).Len(Heart, 3).Strain(Heart);
  Knowledge heartOpener;
  heartOpener.minLen[Heart] = 5;
  struct Row {
    const char* hand;
    const Meaning& meaning;
    bool fits;
  };
  const Row rows[] = {
      {"KQ2.KJ3.K432.Q32", oneNt, true},    // 14: a point short
      {"KQ2.QJ3.K432.Q32", oneNt, false},   // 13
      {"AQ2.KJ3.K432.KQ2", oneNt, true},    // 18: a point over
      {"AQ2.KJ3.A432.KQ2", oneNt, false},   // 19
      {"AQ.KJ.KJ432.Q432", oneNt, true},    // 5-4-2-2, 16
      {"AQ2.KJ32.KJ432.Q", oneNt, false},   // a singleton
      {"2.Q432.5432.5432", raise, true},    // 2 high-card points, 5 with the singleton
      {"2.J432.5432.5432", raise, false},   // 1, and 4 with it
      {"K2.AK32.J432.432", raise, false},   // 11 high-card points
  };
  for (const Row& r : rows) EXPECT_EQ(WithinAPoint(r.meaning, Facts(r.hand), heartOpener), r.fits) << r.hand;
  // Short suits count only when partner has shown the suit.
  EXPECT_FALSE(WithinAPoint(raise, Facts("2.Q432.5432.5432"), Knowledge{}));
}

}  // namespace
}  // namespace quorval::bidder
