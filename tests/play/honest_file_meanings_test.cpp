// The honest computer reading the auction through the event set's meanings
// file: stored calls by what the file says of them, the rest by the plain
// inferences.
#include <gtest/gtest.h>

#include "data/call_meanings.h"
#include "play/honest/file_meanings.h"
#include "tests/play/honest_test_util.h"

namespace quorval::honest {
namespace {

using testutil::Facts;

quorval::CallMeanings Loaded(const std::map<char, MeaningEntries>& bySystem) {
  quorval::CallMeanings file;
  std::string problem;
  EXPECT_TRUE(file.Load(MeaningsFileText(bySystem), &problem)) << problem;
  return file;
}

TEST(FileMeanings, StoredCallsReadAsTheFileSays) {
  // Without transfers in its plain reading, 2D over 1NT is a weak hand with
  // diamonds and 2S one with spades; this event set's file says otherwise.
  CallMeaning notrump;
  notrump.minPts = 16;
  notrump.maxPts = 18;
  notrump.balanced = true;
  for (TSuit s = 0; s < 4; ++s) {
    notrump.minLen[s] = 2;
    notrump.maxLen[s] = 5;
  }
  CallMeaning transfer;
  transfer.minLen[Heart] = 5;
  transfer.convention = CallConvention::Transfer;
  transfer.force = MeaningForce::OneRound;
  const CallMeaning relay{.convention = CallConvention::MinorAsk};
  const quorval::CallMeanings file = Loaded({{'D', {{"1N", notrump}, {"1N,P,2D", transfer}, {"1N,P,2S", relay}}}});
  const FileMeanings meanings(&file);

  const auto plain = InferHands(Facts(North, {"1N", "P", "2D", "P", "2H", "P", "P", "P"}, 'D'));
  ASSERT_EQ(plain[South].minLen[Diamond], 5);
  auto hands = InferHands(Facts(North, {"1N", "P", "2D", "P", "2H", "P", "P", "P"}, 'D'), &meanings);
  EXPECT_EQ(hands[North].minHcp, 16);
  EXPECT_EQ(hands[North].maxHcp, 18);
  EXPECT_EQ(hands[North].minLen[Spade], 2);
  EXPECT_EQ(hands[South].minLen[Heart], 5);
  EXPECT_EQ(hands[South].minLen[Diamond], 0);
  EXPECT_EQ(hands[South].maxHcp, 37);

  // A raise that counts its short suits ("Pts"): points with its suit as
  // trumps, the high cards at most its top.
  CallMeaning raise;
  raise.minPts = 6;
  raise.maxPts = 9;
  raise.measure = MeaningMeasure::Points;
  raise.minLen[Spade] = 3;
  raise.strain = Spade;
  const quorval::CallMeanings raises = Loaded({{'D', {{"1S,P,2S", raise}}}});
  const auto r = FileMeanings(&raises).MeaningOf(Facts(North, {"1S", "P", "2S"}, 'D'), 2);
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->Admits(5, {1, 5, 4, 3}));   // a singleton beside three trumps: 7 points
  EXPECT_FALSE(r->Admits(9, {1, 5, 4, 3}));  // 11 points
  EXPECT_FALSE(r->Admits(5, {3, 3, 4, 3}));  // flat: 5 points
  EXPECT_EQ(r->maxHcp, 9);

  // A call the file holds that promises nothing says nothing: its suit is
  // not taken for length.
  hands = InferHands(Facts(North, {"1N", "P", "2S", "P", "3C", "P", "P", "P"}, 'D'), &meanings);
  EXPECT_EQ(hands[South], HandRange{});

  // The file is for its own system only; another system's calls, and calls
  // off the stored lines, keep their plain reading.
  EXPECT_EQ(meanings.MeaningOf(Facts(North, {"1N", "P", "2D"}, 'M'), 2), std::nullopt);
  EXPECT_EQ(meanings.MeaningOf(Facts(North, {"1N", "2S"}, 'D'), 1), std::nullopt);
  EXPECT_EQ(InferHands(Facts(North, {"1N", "P", "2H", "P", "P", "P"}, 'D'), &meanings)[South].minLen[Heart], 5);
  EXPECT_EQ(MeaningsOf(nullptr), nullptr);
  const quorval::CallMeanings empty;
  EXPECT_EQ(MeaningsOf(&empty), nullptr);
}

TEST(FileMeanings, TheShippedFileReadsEveryStoredOpening) {
  quorval::CallMeanings file;
  std::string problem;
  ASSERT_TRUE(file.Load(testutil::ShippedFileText(kMeaningsFileName), &problem)) << problem;
  const auto meanings = MeaningsOf(&file);
  ASSERT_NE(meanings, nullptr);
  // The systems' notrump ranges, as the honest computer will sample them.
  const std::pair<char, std::pair<int, int>> ranges[] = {{'D', {15, 17}}, {'M', {15, 17}}, {'N', {14, 16}},
                                                         {'S', {12, 14}}};
  for (const auto& [system, hcp] : ranges) {
    const auto r = meanings->MeaningOf(Facts(North, {"1N"}, system), 0);
    ASSERT_TRUE(r) << system;
    EXPECT_EQ(r->minHcp, hcp.first) << system;
    EXPECT_EQ(r->maxHcp, hcp.second) << system;
    EXPECT_EQ(r->maxLen[Heart], 5) << system;
  }
}

}  // namespace
}  // namespace quorval::honest
