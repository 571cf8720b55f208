// A meaning told in one line: its parts in the language's own words, the
// convention's name first, the answers to the ace asks by their step, the
// least telling parts left out to keep the line short; and the section of the
// system summary each call is told in.
#include <gtest/gtest.h>

#include <map>

#include "data/meaning_text.h"

using namespace quorval;

namespace {

// A few words in English and Danish, as the word list holds them.
const std::map<std::string, std::string> kEnglish{
    {"MeaningHcp", "%1 HCP"},           {"MeaningPoints", "%1 points"},     {"MeaningLength", "%1 %2"},
    {"MeaningClubs", "clubs"},          {"MeaningDiamonds", "diamonds"},
    {"MeaningHearts", "hearts"},        {"MeaningSpades", "spades"},
    {"MeaningBalanced", "balanced"},    {"MeaningForcing", "forcing"},
    {"MeaningGameForcing", "game forcing"}, {"MeaningNothing", "nothing special"},
    {"MeaningTrumps", "%1 as trumps"},  {"MeaningAces", "aces: %1"},
    {"MeaningKeyCards", "key cards: %1"}, {"MeaningOr", "%1 or %2"},
    {"MeaningQueen", "with the trump queen"}, {"MeaningNoQueen", "without the trump queen"},
    {"MeaningTransfer", "Transfer"},    {"MeaningStayman", "Stayman"},
    {"MeaningBlackwood", "Blackwood, asks for aces"}, {"MeaningBlackwoodAnswer", "Answer to Blackwood"},
    {"MeaningKeyCard1430Answer", "Key-card answer 1430"}, {"MeaningKeyCard3014Answer", "Key-card answer 3014"},
    {"MeaningTakeoutDouble", "Takeout double"}, {"MeaningMulti", "Multi, a weak two in a major"},
};
const std::map<std::string, std::string> kDanish{
    {"MeaningHcp", "%1 HP"},         {"MeaningPoints", "%1 point"},      {"MeaningLength", "%1 %2"},
    {"MeaningHearts", "hjerter"},
    {"MeaningSpades", "spar"},       {"MeaningBalanced", "balanceret"},  {"MeaningForcing", "krav"},
    {"MeaningTransfer", "Overføring"},
};

MeaningWords Words(const std::map<std::string, std::string>& table) {
  return [&table](std::string_view key) {
    const auto it = table.find(std::string(key));
    return it == table.end() ? std::string() : it->second;
  };
}

CallMeaning Meaning(CallConvention c = CallConvention::Natural) {
  CallMeaning m;
  m.convention = c;
  return m;
}

}  // namespace

TEST(MeaningText, TellsThePartsInTheLanguagesWords) {
  CallMeaning nt = Meaning();
  nt.minPts = 15;
  nt.maxPts = 17;
  nt.balanced = true;
  nt.minLen = {2, 2, 2, 2};
  nt.maxLen = {5, 5, 5, 5};
  nt.strain = NT;
  CallMeaning transfer = Meaning(CallConvention::Transfer);
  transfer.minLen[Heart] = 5;
  transfer.force = MeaningForce::OneRound;
  transfer.strain = Heart;
  CallMeaning stayman = Meaning(CallConvention::Stayman);
  stayman.minPts = 8;
  stayman.force = MeaningForce::OneRound;
  CallMeaning weak = Meaning();
  weak.minPts = 5;
  weak.maxPts = 10;
  weak.minLen[Diamond] = weak.maxLen[Diamond] = 6;
  weak.strain = Diamond;
  CallMeaning takeout = Meaning(CallConvention::TakeoutDouble);
  takeout.minPts = 12;
  takeout.maxLen[Heart] = 2;
  takeout.minLen[Spade] = 4;
  CallMeaning multi = Meaning(CallConvention::Multi);
  multi.minPts = 5;
  multi.maxPts = 10;
  // A raise counts its short suits: points, not high-card points.
  CallMeaning raise = Meaning();
  raise.minPts = 6;
  raise.maxPts = 9;
  raise.measure = MeaningMeasure::Points;
  raise.minLen[Heart] = 3;
  raise.strain = Heart;
  const struct {
    CallCode call;
    CallMeaning meaning;
    const char* english;
  } rows[] = {
      {MakeBid(1, NT), nt, "15-17 HCP, balanced"},
      {MakeBid(2, Diamond), transfer, "Transfer: 5+ hearts, forcing"},
      {MakeBid(2, Club), stayman, "Stayman: 8+ HCP, forcing"},
      {MakeBid(2, Diamond), weak, "5-10 HCP, 6 diamonds"},
      // The suit shown comes before the shortness; lengths go spades first.
      {Double, takeout, "Takeout double: 12+ HCP, 4+ spades, 0-2 hearts"},
      {MakeBid(2, Diamond), multi, "Multi, a weak two in a major: 5-10 HCP"},
      {MakeBid(2, Heart), raise, "6-9 points, 3+ hearts"},
      {Pass, Meaning(), "nothing special"},
  };
  for (const auto& row : rows) EXPECT_EQ(MeaningText(row.call, row.meaning, Words(kEnglish)), row.english);
  EXPECT_EQ(MeaningText(MakeBid(1, NT), nt, Words(kDanish)), "15-17 HP, balanceret");
  EXPECT_EQ(MeaningText(MakeBid(2, Heart), raise, Words(kDanish)), "6-9 point, 3+ hjerter");
  EXPECT_EQ(MeaningText(MakeBid(2, Diamond), transfer, Words(kDanish)), "Overføring: 5+ hjerter, krav");
}

TEST(MeaningText, AceAnswersByTheirStep) {
  const struct {
    CallConvention convention;
    CallCode call;
    const char* english;
  } rows[] = {
      {CallConvention::BlackwoodAnswer, MakeBid(5, Club), "Answer to Blackwood: aces: 0 or 4"},
      {CallConvention::BlackwoodAnswer, MakeBid(5, Diamond), "Answer to Blackwood: aces: 1"},
      {CallConvention::BlackwoodAnswer, MakeBid(5, Spade), "Answer to Blackwood: aces: 3"},
      {CallConvention::KeyCard1430Answer, MakeBid(5, Club), "Key-card answer 1430: key cards: 1 or 4"},
      {CallConvention::KeyCard1430Answer, MakeBid(5, Diamond), "Key-card answer 1430: key cards: 0 or 3"},
      {CallConvention::KeyCard3014Answer, MakeBid(5, Club), "Key-card answer 3014: key cards: 0 or 3"},
      {CallConvention::KeyCard3014Answer, MakeBid(5, Diamond), "Key-card answer 3014: key cards: 1 or 4"},
      {CallConvention::KeyCard3014Answer, MakeBid(5, Heart),
       "Key-card answer 3014: key cards: 2 without the trump queen"},
      {CallConvention::KeyCard1430Answer, MakeBid(5, Spade), "Key-card answer 1430: key cards: 2 with the trump queen"},
  };
  for (const auto& row : rows) {
    CallMeaning m = Meaning(row.convention);
    m.strain = Heart;
    EXPECT_EQ(MeaningText(row.call, m, Words(kEnglish)), row.english);
  }
  CallMeaning ask = Meaning(CallConvention::Blackwood);
  ask.strain = Spade;
  ask.force = MeaningForce::OneRound;
  EXPECT_EQ(MeaningText(MakeBid(4, NT), ask, Words(kEnglish)), "Blackwood, asks for aces: forcing, spades as trumps");
}

TEST(MeaningText, StaysWithinTheLimitLeavingOutTheLeastTelling) {
  CallMeaning m = Meaning(CallConvention::TakeoutDouble);
  m.minPts = 12;
  m.measure = MeaningMeasure::Points;
  m.maxLen[Heart] = 1;
  m.minLen[Spade] = m.minLen[Diamond] = m.minLen[Club] = 3;
  m.force = MeaningForce::OneRound;
  const std::string full = MeaningText(Double, m, Words(kEnglish), 200);
  EXPECT_EQ(full, "Takeout double: 12+ points, 0-1 hearts, 3+ spades, 3+ diamonds, 3+ clubs, forcing");
  const std::string text = MeaningText(Double, m, Words(kEnglish));
  EXPECT_LE(TextLength(text), kMeaningTextLimit);
  // The points, the shortness and the force stay; support goes first.
  EXPECT_EQ(text, "Takeout double: 12+ points, 0-1 hearts, 3+ spades, forcing");
  EXPECT_EQ(TextLength("Overføring"), 10u);
}

TEST(SummarySection, ConventionsInTheirSectionNaturalCallsByWhoMakesThem) {
  const CallCode c1 = MakeBid(1, Club), h1 = MakeBid(1, Heart), s1 = MakeBid(1, Spade), nt1 = MakeBid(1, NT);
  const std::vector<CallCode> overcalled{Pass, h1, s1, MakeBid(2, Heart), MakeBid(2, Spade)};
  const CallMeaning natural = Meaning();
  EXPECT_EQ(SectionOfCall(overcalled, 0, natural), SummarySection::Openings);  // a pass before the opening
  EXPECT_EQ(SectionOfCall(overcalled, 1, natural), SummarySection::Openings);
  EXPECT_EQ(SectionOfCall(overcalled, 2, natural), SummarySection::Competition);
  EXPECT_EQ(SectionOfCall(overcalled, 3, natural), SummarySection::Responses);
  EXPECT_EQ(SectionOfCall(overcalled, 4, natural), SummarySection::Competition);
  const std::vector<CallCode> notrump{nt1, Pass, MakeBid(3, NT)};
  EXPECT_EQ(SectionOfCall(notrump, 2, Meaning(CallConvention::SignOff)), SummarySection::NoTrump);
  const std::vector<CallCode> minor{c1, Pass, MakeBid(2, Club)};
  EXPECT_EQ(SectionOfCall(minor, 2, natural), SummarySection::Responses);
  EXPECT_EQ(SectionOfCall(minor, 2, Meaning(CallConvention::Blackwood)), SummarySection::Slam);
  EXPECT_EQ(SectionOfCall(minor, 2, Meaning(CallConvention::Transfer)), SummarySection::NoTrump);
  EXPECT_EQ(SectionOfCall(minor, 1, Meaning(CallConvention::TakeoutDouble)), SummarySection::Competition);
  EXPECT_EQ(SectionOfCall(minor, 0, Meaning(CallConvention::Multi)), SummarySection::Openings);
  EXPECT_STREQ(SummaryAnchor(SummarySection::NoTrump), "notrump");
}
