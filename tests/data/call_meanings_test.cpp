// The meanings file: each meaning written as a short comma text and read back
// the same, the file found by its auction keys, and a file that is truncated
// or damaged refused whole with the reason.
#include <gtest/gtest.h>

#include "data/call_meanings.h"

using namespace quorval;

namespace {

CallMeaning NoTrump(int lo, int hi) {
  CallMeaning m;
  m.minPts = lo;
  m.maxPts = hi;
  m.balanced = true;
  m.minLen = {2, 2, 2, 2};
  m.maxLen = {5, 5, 5, 5};
  m.strain = NT;
  return m;
}

CallMeaning Transfer(TSuit shown) {
  CallMeaning m;
  m.convention = CallConvention::Transfer;
  m.minLen[shown] = 5;
  m.force = MeaningForce::OneRound;
  m.strain = shown;
  return m;
}

const char* const kGoodFile =
    "[Meanings]\r\nEntries=3\r\n\r\n"
    "[M]\r\n1N=Natural,15-17,Bal,Strain:N\r\n1N,P,2D=Transfer,H5+,F1,Strain:H\r\n\r\n"
    "[N]\r\n1N=Natural,14-16,Bal,Strain:N\r\n";

}  // namespace

TEST(MeaningValue, WrittenAsTheFileShowsIt) {
  CallMeaning weak;
  weak.minPts = 5;
  weak.maxPts = 10;
  weak.minLen[Diamond] = weak.maxLen[Diamond] = 6;
  weak.strain = Diamond;
  CallMeaning stayman;
  stayman.convention = CallConvention::Stayman;
  stayman.minPts = 8;
  stayman.force = MeaningForce::OneRound;
  CallMeaning denial;  // a Stayman answer without a major, and a game force
  denial.convention = CallConvention::StaymanAnswer;
  denial.maxLen[Heart] = denial.maxLen[Spade] = 3;
  denial.force = MeaningForce::Game;
  CallMeaning raise;  // points with the shape counted
  raise.minPts = 6;
  raise.maxPts = 9;
  raise.measure = MeaningMeasure::Points;
  raise.minLen[Spade] = 3;
  raise.strain = Spade;
  const struct {
    CallMeaning meaning;
    const char* text;
  } rows[] = {
      {NoTrump(15, 17), "Natural,15-17,Bal,Strain:N"},
      {Transfer(Heart), "Transfer,H5+,F1,Strain:H"},
      {weak, "Natural,5-10,D6,Strain:D"},
      {stayman, "Stayman,8+,F1"},
      {denial, "StaymanAnswer,S0-3,H0-3,FG"},
      {raise, "Natural,6-9,Pts,S3+,Strain:S"},
      {CallMeaning{}, "Natural"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(MeaningValueText(row.meaning), row.text);
    const std::optional<CallMeaning> back = ParseMeaningValue(row.text);
    ASSERT_TRUE(back) << row.text;
    EXPECT_EQ(*back, row.meaning) << row.text;
  }
}

TEST(MeaningValue, BalancedNarrowerThanTwoToFiveKeepsItsLengths) {
  CallMeaning m = NoTrump(12, 14);
  m.maxLen[Spade] = 4;  // no five-card major
  m.maxLen[Heart] = 4;
  EXPECT_EQ(MeaningValueText(m), "Natural,12-14,S2-4,H2-4,Bal,Strain:N");
  EXPECT_EQ(*ParseMeaningValue("Natural,12-14,S2-4,H2-4,Bal,Strain:N"), m);
}

TEST(MeaningValue, RefusesWhatTheWriterNeverWrites) {
  const char* const bad[] = {
      "",                       // no convention
      "Natral,15-17",           // unknown convention
      "Natural,17-15",          // range out of order
      "Natural,15-38",          // beyond the most points a hand holds
      "Natural,H5-14",          // more than thirteen cards
      "Natural,H5+,H6+",        // one suit twice
      "Natural,8+,10+",         // points twice
      "Natural,F1,FG",          // two kinds of forcing
      "Natural,Strain:X",       // no such strain
      "Natural,Bal,Fast",       // an unknown word
      "Natural,1-",             // half a range
      "Natural,6-9,Pts,Pts",    // the measure twice
  };
  for (const char* text : bad) {
    std::string why;
    EXPECT_FALSE(ParseMeaningValue(text, &why)) << text;
    EXPECT_FALSE(why.empty()) << text;
  }
}

// Points count the shape: length beyond four, or with three or more trumps
// the short suits beside them, whichever is more.
TEST(MeaningValue, PointsCountTheShapeHighCardPointsDoNot) {
  const struct {
    std::array<int, 4> lengths;  // clubs to spades
    int trump;
    int shape;
  } rows[] = {
      {{3, 3, 3, 4}, Spade, 0},     // flat
      {{2, 3, 3, 5}, Spade, 1},     // a fifth spade, or the doubleton
      {{1, 3, 4, 5}, Heart, 3},     // four hearts: the singleton (3) beats the fifth spade
      {{0, 4, 4, 5}, Spade, 5},     // void with five trumps
      {{0, 5, 5, 3}, Spade, 3},     // void with three trumps
      {{1, 2, 4, 6}, Heart, 4},     // four hearts: singleton 3 and doubleton 1
      {{1, 2, 4, 6}, NT, 2},        // no trumps: length only
      {{1, 2, 2, 8}, Club, 4},      // one trump: length only
  };
  for (const auto& r : rows) EXPECT_EQ(ShapePoints(r.lengths, r.trump), r.shape) << r.trump;

  CallMeaning raise;
  raise.minPts = 6;
  raise.maxPts = 9;
  raise.minLen[Heart] = 3;
  raise.strain = Heart;
  // Five high-card points and a singleton beside three trumps: 7 points, not 5.
  const std::array<int, 4> singleton{1, 5, 3, 4};
  EXPECT_FALSE(MeaningAdmits(raise, 5, singleton));
  raise.measure = MeaningMeasure::Points;
  EXPECT_TRUE(MeaningAdmits(raise, 5, singleton));
  // Nine high cards and the singleton are 11 points: above the range.
  EXPECT_FALSE(MeaningAdmits(raise, 9, singleton));
  // Two hearts miss the length whatever the points.
  EXPECT_FALSE(MeaningAdmits(raise, 7, {2, 4, 2, 5}));
}

TEST(MeaningsFile, FoundByTheCallsFromTheDealer) {
  CallMeanings meanings;
  std::string why;
  ASSERT_TRUE(meanings.Load(kGoodFile, &why)) << why;
  EXPECT_EQ(meanings.Size(), 3u);
  const std::vector<CallCode> calls{MakeBid(1, NT), Pass, MakeBid(2, Diamond), Pass};
  ASSERT_NE(meanings.Find('M', calls, 0), nullptr);
  EXPECT_EQ(*meanings.Find('M', calls, 0), NoTrump(15, 17));
  EXPECT_EQ(*meanings.Find('M', calls, 2), Transfer(Heart));
  EXPECT_EQ(*meanings.Find('N', calls, 0), NoTrump(14, 16));
  // Entries of other systems, calls without an entry and calls past the end.
  EXPECT_EQ(meanings.Find('D', calls, 0), nullptr);
  EXPECT_EQ(meanings.Find('M', calls, 1), nullptr);
  EXPECT_EQ(meanings.Find('M', calls, 4), nullptr);
  EXPECT_EQ(MeaningKey(calls, 3), "1N,P,2D");
}

TEST(MeaningsFile, WrittenAndReadBack) {
  std::map<char, MeaningEntries> entries;
  entries['M']["1N,P,2D"] = Transfer(Heart);
  entries['M']["1N"] = NoTrump(15, 17);
  entries['N']["1N"] = NoTrump(14, 16);
  const std::string text = MeaningsFileText(entries);
  EXPECT_EQ(text, std::string(kGoodFile) + "\r\n");
  CallMeanings meanings;
  ASSERT_TRUE(meanings.Load(text));
  EXPECT_EQ(meanings.Systems(), entries);
}

TEST(MeaningsFile, TruncatedOrDamagedIsRefusedWhole) {
  const std::string good = kGoodFile;
  const struct {
    std::string text;
    const char* why;
  } rows[] = {
      {good.substr(0, good.find("[N]")), "entries where the file counts"},     // lost its last section
      {good.substr(0, good.find("Strain:H")), "1N,P,2D"},                     // cut inside a line
      {good.substr(0, good.find("2D=")), "without a key"},                     // cut inside a key
      {good.substr(good.find("[M]")), "no [Meanings] section"},                // lost its header
      {"[Meanings]\r\nEntries=x\r\n", "no count"},
      {"[Meanings]\r\nEntries=1\r\n[Mx]\r\n1N=Natural\r\n", "unknown section"},
      {"[Meanings]\r\nEntries=2\r\n[M]\r\n1N=Natural\r\n1N=Natural,8+\r\n", "twice"},
      {"[Meanings]\r\nEntries=1\r\n[M]\r\n1N=Natural,\x80\x81\r\n", "cannot read"},
  };
  for (const auto& row : rows) {
    CallMeanings meanings;
    ASSERT_TRUE(meanings.Load(kGoodFile));
    std::string why;
    EXPECT_FALSE(meanings.Load(row.text, &why)) << row.text;
    EXPECT_NE(why.find(row.why), std::string::npos) << why;
    EXPECT_TRUE(meanings.Empty());
  }
}

TEST(MeaningsFile, ConventionNamesReadBack) {
  for (int i = 0; i < kConventionCount; ++i) {
    const auto c = static_cast<CallConvention>(i);
    EXPECT_EQ(ConventionFromName(ConventionName(c)), c) << ConventionName(c);
  }
  EXPECT_FALSE(ConventionFromName("natural"));  // the file's words are exact
}
