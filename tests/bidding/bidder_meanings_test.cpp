// The meanings written beside the library: the key calls of each system read
// as the system defines them, one entry for every auction prefix of every
// stored line, the library untouched by writing them, and check naming the
// calls without a meaning.
#include <gtest/gtest.h>

#include "bidding/explain.h"
#include "bidding/library.h"
#include "bidding/meanings_file.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

std::vector<CallCode> Calls(const std::vector<const char*>& tokens) {
  std::vector<CallCode> calls;
  for (const char* t : tokens) calls.push_back(ParseCall(t));
  return calls;
}

// The meaning the table reads into the last of the calls, in the file's terms.
CallMeaning MeaningOfLast(TableReading& reading, System system, const std::vector<const char*>& tokens) {
  View view(system, North, 0);
  EXPECT_TRUE(reading.ReadAuction(Calls(tokens), view));
  return ToCallMeaning(view.meanings.back(), Definition(system));
}

// What each system's summary page says of its key calls, written from the
// pages and not from the bidder's own table of systems.
struct SummarySays {
  System system;
  const char* name;
  int ntMin, ntMax;     // the 1NT opening
  bool transfers;       // 2D/2H over 1NT: transfers, else weak take-outs
  bool multi;           // 2D: multi, else a weak two in diamonds
  bool negative;        // responder's double of an overcall
  CallConvention ask;   // 4NT
};
constexpr SummarySays kSummaries[] = {
    {System::DanishBasic, "Danish Basic", 15, 17, false, false, false, CallConvention::Blackwood},
    {System::ModernStandard, "Modern Standard", 15, 17, true, false, true, CallConvention::KeyCard1430},
    {System::StdNorwegian, "Std Norwegian", 14, 16, true, true, true, CallConvention::KeyCard3014},
    {System::ModernBasic, "Modern Basic", 12, 14, false, false, false, CallConvention::Blackwood},
};

TEST(CallMeanings, KeyCallsOfEachSystemAsItsSummarySays) {
  TableReading reading;
  for (const SummarySays& d : kSummaries) {
    const System system = d.system;
    SCOPED_TRACE(d.name);
    const CallMeaning nt = MeaningOfLast(reading, system, {"1N"});
    EXPECT_EQ(nt.convention, CallConvention::Natural);
    EXPECT_EQ(nt.minPts, d.ntMin);
    EXPECT_EQ(nt.maxPts, d.ntMax);
    EXPECT_TRUE(nt.balanced);

    const CallMeaning stayman = MeaningOfLast(reading, system, {"1N", "P", "2C"});
    EXPECT_EQ(stayman.convention, CallConvention::Stayman);
    EXPECT_NE(stayman.force, MeaningForce::None);
    // 2D and 2H over 1NT: transfers to the suit above, or a weak take-out.
    for (const TSuit bid : {Diamond, Heart}) {
      const CallMeaning m = MeaningOfLast(reading, system, {"1N", "P", bid == Diamond ? "2D" : "2H"});
      const TSuit shown = d.transfers ? bid + 1 : bid;
      EXPECT_EQ(m.convention, d.transfers ? CallConvention::Transfer : CallConvention::SignOff) << bid;
      EXPECT_EQ(m.minLen[shown], 5) << bid;
      EXPECT_EQ(m.strain, shown) << bid;
    }

    const CallMeaning two = MeaningOfLast(reading, system, {"2D"});
    if (d.multi) {
      EXPECT_EQ(two.convention, CallConvention::Multi);
    } else {
      EXPECT_EQ(two.convention, CallConvention::Natural);
      EXPECT_EQ(two.minLen[Diamond], 6);
      EXPECT_EQ(two.maxPts, 10);
    }

    const CallMeaning takeout = MeaningOfLast(reading, system, {"1H", "X"});
    EXPECT_EQ(takeout.convention, CallConvention::TakeoutDouble);
    EXPECT_EQ(takeout.minPts, 12);
    const CallMeaning negative = MeaningOfLast(reading, system, {"1C", "1S", "X"});
    if (d.negative) {
      EXPECT_EQ(negative.convention, CallConvention::NegativeDouble);
      EXPECT_EQ(negative.minLen[Heart], 4);
    } else {
      EXPECT_EQ(negative.convention, CallConvention::PenaltyDouble);
    }

    // The ace ask with hearts agreed and its four answers, by the system's slam convention.
    const std::vector<const char*> ask{"1C", "P", "1H", "P", "4H", "P", "4N"};
    const CallMeaning asked = MeaningOfLast(reading, system, ask);
    const CallConvention expectAsk = d.ask;
    EXPECT_EQ(asked.convention, expectAsk);
    EXPECT_EQ(asked.strain, Heart);
    for (const char* answer : {"5C", "5D", "5H", "5S"}) {
      std::vector<const char*> calls = ask;
      calls.push_back("P");
      calls.push_back(answer);
      const CallMeaning m = MeaningOfLast(reading, system, calls);
      EXPECT_EQ(m.convention, static_cast<CallConvention>(static_cast<int>(expectAsk) + 3)) << answer;
      EXPECT_EQ(m.strain, Heart) << answer;
    }
  }
}

TEST(CallMeanings, AceAsksNamedByTheSystemAndBlackwoodWithoutATrumpSuit) {
  const Meaning ask = Meaning{}.As(Conv::AceAsk).Strain(Spade);
  EXPECT_EQ(ToCallMeaning(ask, Definition(System::DanishBasic)).convention, CallConvention::Blackwood);
  EXPECT_EQ(ToCallMeaning(ask, Definition(System::ModernStandard)).convention, CallConvention::KeyCard1430);
  EXPECT_EQ(ToCallMeaning(ask, Definition(System::StdNorwegian)).convention, CallConvention::KeyCard3014);
  const Meaning overNoTrump = Meaning{}.As(Conv::AceAnswer).Strain(NT);
  EXPECT_EQ(ToCallMeaning(overNoTrump, Definition(System::ModernStandard)).convention,
            CallConvention::BlackwoodAnswer);
}

TEST(CallMeanings, BoardsReadingACallDifferentlyShareOneEntry) {
  const SystemDef& d = Definition(System::DanishBasic);
  // An overcall read 8-17 not vulnerable and 9-17 vulnerable holds both.
  const Meaning notVul = Meaning{}.Pts(8, 17).Len(Heart, 5).Strain(Heart);
  const Meaning vul = Meaning{}.Pts(9, 17).Len(Heart, 5).Strain(Heart);
  const CallMeaning both = JoinBoardReadings({vul, notVul, vul}, d);
  EXPECT_EQ(both.minPts, 8);
  EXPECT_EQ(both.maxPts, 17);
  EXPECT_EQ(both.minLen[Heart], 5);
  // A board that drew no hand making the call knows only its strain, and
  // gives way to the board that did.
  const Meaning plain = Meaning{}.Strain(Spade);
  const Meaning shown = Meaning{}.Pts(22, 37).Len(Spade, 5).Strain(Spade).Forcing(Force::Game);
  const CallMeaning told = JoinBoardReadings({plain, plain, shown}, d);
  EXPECT_EQ(told.minPts, 22);
  EXPECT_EQ(told.force, MeaningForce::Game);
  EXPECT_EQ(JoinBoardReadings({plain}, d).strain, Spade);
}

// Boards of a small set, bid as generate bids them.
std::vector<LibraryBoard> SmallSet() {
  std::vector<LibraryBoard> boards;
  for (int i = 0; i < 6; ++i) boards.push_back(testing::ShuffledLibraryBoard(2718, "Imp01", "Meanings", i));
  return boards;
}

TEST(MeaningsWriter, EveryStoredCallGetsItsMeaningAndTheLibraryStaysTheSame) {
  TableReading plainReading, reading;
  MeaningCollector collector;
  std::string without, with;
  for (const LibraryBoard& board : SmallSet()) {
    without += BoardLibraryText(board, plainReading);
    with += BoardLibraryText(board, reading, &collector);
  }
  EXPECT_EQ(with, without);

  const std::string file = MeaningsFileText(collector.Entries());
  CallMeanings meanings;
  std::string why;
  ASSERT_TRUE(meanings.Load(file, &why)) << why;
  const MeaningsCoverage coverage = CoverageOf(with, meanings);
  EXPECT_GT(coverage.calls, 6 * 4 * 4);
  EXPECT_EQ(coverage.missing, 0);
  EXPECT_TRUE(coverage.problems.empty());
  // One entry per prefix and system: no more entries than calls checked.
  EXPECT_LE(static_cast<int>(meanings.Size()), coverage.calls);

  // The same boards give the same bytes.
  MeaningCollector again;
  TableReading fresh;
  for (const LibraryBoard& board : SmallSet()) BoardLibraryText(board, fresh, &again);
  EXPECT_EQ(MeaningsFileText(again.Entries()), file);
}

TEST(MeaningsCheck, NamesTheSectionsWithCallsWithoutAMeaning) {
  const std::string library =
      "[Imp01.01.M]\r\nP,1S,P,2H,P,2S,P,P,P,Lead,5C,100\r\nP,1S,P,1N,P,P,P,Lead,5C,100\r\n\r\n"
      "[Imp01.01.N]\r\nP,P,P,P,Lead,QS,100\r\n";
  std::map<char, MeaningEntries> entries;
  for (const char* key : {"P", "P,1S", "P,1S,P", "P,1S,P,2H", "P,1S,P,2H,P", "P,1S,P,2H,P,2S", "P,1S,P,2H,P,2S,P",
                          "P,1S,P,2H,P,2S,P,P", "P,1S,P,2H,P,2S,P,P,P", "P,1S,P,1N", "P,1S,P,1N,P", "P,1S,P,1N,P,P",
                          "P,1S,P,1N,P,P,P"})
    entries['M'][key] = CallMeaning{};
  for (const char* key : {"P", "P,P", "P,P,P", "P,P,P,P"}) entries['N'][key] = CallMeaning{};
  CallMeanings meanings;
  ASSERT_TRUE(meanings.Load(MeaningsFileText(entries)));
  MeaningsCoverage coverage = CoverageOf(library, meanings);
  EXPECT_EQ(coverage.calls, 17);
  EXPECT_EQ(coverage.missing, 0);

  entries['M'].erase("P,1S,P,1N");
  entries['M'].erase("P,1S,P,1N,P,P,P");
  entries['N'].erase("P,P,P,P");
  ASSERT_TRUE(meanings.Load(MeaningsFileText(entries)));
  coverage = CoverageOf(library, meanings);
  EXPECT_EQ(coverage.missing, 3);
  ASSERT_EQ(coverage.problems.size(), 2u);
  EXPECT_EQ(coverage.problems[0], "Imp01.01.M: no meaning for P,1S,P,1N and 1 more");
  EXPECT_EQ(coverage.problems[1], "Imp01.01.N: no meaning for P,P,P,P");
}

TEST(MeaningsStats, CountsEntriesAndDistinctMeaningsPerSystem) {
  std::map<char, MeaningEntries> entries;
  CallMeaning opening;
  opening.minPts = 11;
  entries['D']["1C"] = opening;
  entries['D']["P,1C"] = opening;
  entries['D']["P"] = CallMeaning{};
  entries['S']["P"] = CallMeaning{};
  CallMeanings meanings;
  ASSERT_TRUE(meanings.Load(MeaningsFileText(entries)));
  const auto counts = CountMeanings(meanings);
  EXPECT_EQ(counts.at('D').entries, 3);
  EXPECT_EQ(counts.at('D').distinct, 2);
  EXPECT_EQ(counts.at('S').distinct, 1);
  const std::string report = MeaningsStatsReport(counts);
  EXPECT_NE(report.find("Danish Basic"), std::string::npos);
  EXPECT_NE(report.find("Modern Standard                      0         0"), std::string::npos) << report;
}


TEST(Explain, StoredMeaningsFirstThenTheBiddersReadingThenNone) {
  // The file stores 1N with a range no system plays, so a line told from the
  // file is known from one told from the reading.
  std::map<char, MeaningEntries> entries;
  CallMeaning stored;
  stored.minPts = 10;
  stored.maxPts = 11;
  stored.balanced = true;
  entries['D']["1N"] = stored;
  CallMeanings meanings;
  ASSERT_TRUE(meanings.Load(MeaningsFileText(entries)));
  const WordList words = WordList::Parse(CallMeaningWordsText());
  TableReading reading;
  std::string error;
  AuctionQuestion q;
  ASSERT_TRUE(ReadAuctionQuestion("D", "1n,p,2c", "N", "None", q, error)) << error;
  EXPECT_EQ(ExplainAuction(meanings, q, WordsOf(words, 0), reading),
            (std::vector<std::string>{"1N: 10-11 HCP, balanced", "P: no stored meaning",
                                      "2C: Stayman: 8+ points, forcing (not in the library)"}));
  // Danish words from the same list.
  EXPECT_EQ(ExplainAuction(meanings, q, WordsOf(words, 1), reading)[0], "1N: 10-11 HP, balanceret");
  // No hand the bidder holds opens a grand slam.
  ASSERT_TRUE(ReadAuctionQuestion("M", "7N", "N", "None", q, error)) << error;
  EXPECT_EQ(ExplainAuction(meanings, q, WordsOf(words, 0), reading).front(), "7N: no stored meaning");
  EXPECT_FALSE(ReadAuctionQuestion("X", "1N", "N", "None", q, error));
  EXPECT_FALSE(ReadAuctionQuestion("D", "1N,9Z", "N", "None", q, error));
}

}  // namespace
}  // namespace quorval::bidder
