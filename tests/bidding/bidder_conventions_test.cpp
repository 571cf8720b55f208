// The conventions that differ between the systems, answered and continued on
// hand-made deals: major raises, negative doubles, the overcalls of each
// system, the multi and the strong 2C.
#include <gtest/gtest.h>

#include "bidding/bidder.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

using testing::MakeDeal;

struct Step {
  const char* call;
  Meaning meaning;
};

// North deals; the calls so far carry the meanings given; the seat to act bids.
std::string Next(const std::array<std::string, 4>& hands, System system, const std::vector<Step>& steps) {
  const Deal deal = MakeDeal(hands);
  EXPECT_TRUE(DealIsComplete(deal));
  View view(system, North, 0);
  for (const Step& s : steps) EXPECT_TRUE(view.Push(ParseCall(s.call), s.meaning)) << s.call;
  return CallToken(ChooseCall(deal, view));
}

Meaning OneOf(TSuit s, int len = 5) { return Meaning{}.Pts(11, 21).Len(s, len).Strain(s); }
Meaning Natural(TSuit s, int lo, int hi, int len) { return Meaning{}.Pts(lo, hi).Len(s, len).Strain(s); }

TEST(BidderConventions, MajorRaisesBySystem) {
  // South: four spades, 14 points, a singleton diamond.
  const std::string south = "KQ54.A743.2.KJ32";
  struct Row {
    System system;
    const char* expected;
  };
  const Row rows[] = {
      {System::ModernStandard, "4D"},  // splinter
      {System::StdNorwegian, "2N"},    // game raise
      {System::DanishBasic, "2C"},     // a new suit first, game later
  };
  for (const Row& r : rows)
    EXPECT_EQ(Next({"AJ876.KQ5.K43.54", "", south, ""}, r.system, {{"1S", OneOf(Spade)}, {"P", {}}}), r.expected)
        << Definition(r.system).name;
  // A limit raise with ten points, in every system.
  for (System s : kAllSystems)
    EXPECT_EQ(Next({"AJ876.KQ5.K43.54", "", "KQ54.T743.J2.K32", ""}, s, {{"1S", OneOf(Spade)}, {"P", {}}}), "3S");
}

TEST(BidderConventions, JacobyAnswers) {
  const Meaning jacoby = Meaning{}.Pts(13, 37).Len(Spade, 4).Strain(Spade).Forcing(Force::Game).As(Conv::Jacoby2NT);
  // Minimum without a short suit: four spades. A short suit: show it.
  EXPECT_EQ(Next({"AJ876.KQ5.K43.54", "", "KQ54.A743.Q2.K32", ""}, System::ModernStandard,
                 {{"1S", OneOf(Spade)}, {"P", {}}, {"2N", jacoby}, {"P", {}}}),
            "4S");
  EXPECT_EQ(Next({"AJ876.KQ5.K432.5", "", "KQ54.A73.Q5.K432", ""}, System::ModernStandard,
                 {{"1S", OneOf(Spade)}, {"P", {}}, {"2N", jacoby}, {"P", {}}}),
            "3C");
}

TEST(BidderConventions, NegativeDoubleOnlyWhereTheSystemPlaysIt) {
  // North 1C, East 1D, South holds four hearts and four spades with 8 points.
  const std::array<std::string, 4> hands{"AJ7.K5.432.AQ765", "", "K432.Q876.65.J32", ""};
  const std::vector<Step> steps{{"1C", OneOf(Club, 3)}, {"1D", Natural(Diamond, 8, 17, 5)}};
  EXPECT_EQ(Next(hands, System::ModernStandard, steps), "X");
  EXPECT_EQ(Next(hands, System::StdNorwegian, steps), "X");
  EXPECT_EQ(Next(hands, System::DanishBasic, steps), "1H");
  // Opener answers the double with the unbid major.
  const Meaning negative = Meaning{}.Pts(6, 37).As(Conv::NegativeDouble).Forcing(Force::OneRound);
  EXPECT_EQ(Next({"AJ74.K5.432.AQ76", "", "K532.Q876.65.J32", ""}, System::ModernStandard,
                 {{"1C", OneOf(Club, 3)}, {"1D", Natural(Diamond, 8, 17, 5)}, {"X", negative}, {"P", {}}}),
            "1S");
}

TEST(BidderConventions, DirectOvercallsBySystem) {
  // North opens 1D; East to call.
  struct Row {
    const char* east;
    System system;
    const char* expected;
  };
  const Row rows[] = {
      {"KQ54.AJ3.Q32.K54", System::DanishBasic, "1N"},       // 15-18 balanced with diamonds stopped
      {"KQ54.AJ3.Q32.K54", System::ModernBasic, "P"},        // no 1NT overcall, no takeout shape
      {"KQJ54.AT987.3.54", System::ModernStandard, "2D"},    // Michaels: both majors
      {"KQJ54.AT987.3.54", System::DanishBasic, "1S"},       // no Michaels: the spades
      {"AQ54.KJ32.3.K543", System::DanishBasic, "X"},        // takeout shape
      {"AKJ954.32.43.543", System::DanishBasic, "1S"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(Next({"T2.Q54.AK9876.A2", r.east, "", ""}, r.system, {{"1D", OneOf(Diamond, 4)}}), r.expected)
        << r.east << " " << Definition(r.system).name;
  // Over a major, the unusual 2NT shows the minors where it is played.
  EXPECT_EQ(Next({"AK876.K54.32.A32", "2.3.KQJ54.QT9876", "", ""}, System::ModernStandard, {{"1S", OneOf(Spade)}}), "2N");
}

TEST(BidderConventions, MultiIsPassedOrCorrected) {
  const Meaning multi = Meaning{}.Pts(5, 10).As(Conv::Multi).Forcing(Force::OneRound);
  const Meaning passOrCorrect = Meaning{}.Pts(0, 15).As(Conv::PassOrCorrect);
  // Responder bids hearts to play or correct.
  EXPECT_EQ(Next({"32.KQJ932.432.32", "", "AJ4.54.KQ65.QJ54", ""}, System::StdNorwegian, {{"2D", multi}, {"P", {}}}), "2H");
  // Opener with hearts passes, with spades corrects.
  const std::vector<Step> steps{{"2D", multi}, {"P", {}}, {"2H", passOrCorrect}, {"P", {}}};
  EXPECT_EQ(Next({"32.KQJ932.432.32", "", "AJ4.54.KQ65.QJ54", ""}, System::StdNorwegian, steps), "P");
  EXPECT_EQ(Next({"KQJ932.32.432.32", "", "A54.J4.KQ65.QJ54", ""}, System::StdNorwegian, steps), "2S");
}

TEST(BidderConventions, StrongTwoClubs) {
  const Meaning strong = Meaning{}.Pts(22, 37).As(Conv::Strong2C).Forcing(Force::OneRound);
  // A weak responder waits; opener then shows the suit, game forcing.
  EXPECT_EQ(Next({"AKQJ54.AK3.AK2.3", "", "32.Q54.8765.8765", ""}, System::DanishBasic, {{"2C", strong}, {"P", {}}}), "2D");
  const Meaning waiting = Meaning{}.As(Conv::Waiting).Forcing(Force::OneRound);
  EXPECT_EQ(Next({"AKQJ54.AK3.AK2.3", "", "32.Q54.8765.8765", ""}, System::DanishBasic,
                 {{"2C", strong}, {"P", {}}, {"2D", waiting}, {"P", {}}}),
            "2S");
  // After the game-forcing rebid the weak responder may not pass below game.
  const Meaning rebid = Meaning{}.Pts(22, 37).Len(Spade, 5).Strain(Spade).Forcing(Force::Game);
  EXPECT_NE(Next({"AKQJ54.AK3.AK2.3", "", "32.Q54.8765.8765", ""}, System::DanishBasic,
                 {{"2C", strong}, {"P", {}}, {"2D", waiting}, {"P", {}}, {"2S", rebid}, {"P", {}}}),
            "P");
}

TEST(BidderConventions, OpenerRebids) {
  // 1D - 1S: a reverse into hearts needs 17 points; with less, 1NT.
  EXPECT_EQ(Next({"A2.AK54.AQ876.32", "", "KQ543.32.54.QJ54", ""}, System::DanishBasic,
                 {{"1D", OneOf(Diamond, 4)}, {"P", {}}, {"1S", Natural(Spade, 6, 37, 4).Forcing(Force::OneRound)}, {"P", {}}}),
            "2H");
  EXPECT_EQ(Next({"A2.QJ54.AJ876.32", "", "KQ543.32.54.QJ54", ""}, System::DanishBasic,
                 {{"1D", OneOf(Diamond, 4)}, {"P", {}}, {"1S", Natural(Spade, 6, 37, 4).Forcing(Force::OneRound)}, {"P", {}}}),
            "1N");
  // A balanced minimum rebids 1NT in the strong no-trump systems, and a
  // balanced 15 rebids 1NT in the weak no-trump system.
  EXPECT_EQ(Next({"A2.QJ5.AJ87.Q432", "", "KQ543.432.54.JT9", ""}, System::ModernStandard,
                 {{"1D", OneOf(Diamond, 4)}, {"P", {}}, {"1S", Natural(Spade, 6, 37, 4).Forcing(Force::OneRound)}, {"P", {}}}),
            "1N");
  EXPECT_EQ(Next({"A2.QJ5.AJ87.K432", "", "KQ543.T98.54.J65", ""}, System::ModernBasic,
                 {{"1D", OneOf(Diamond, 4)}, {"P", {}}, {"1S", Natural(Spade, 6, 37, 4).Forcing(Force::OneRound)}, {"P", {}}}),
            "1N");
}

}  // namespace
}  // namespace quorval::bidder
