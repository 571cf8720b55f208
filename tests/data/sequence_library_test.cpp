#include <gtest/gtest.h>

#include "core/messages.h"
#include "data/library_rules.h"
#include "data/sequence_library.h"

using namespace quorval;
using Lines = std::vector<std::string>;

TEST(LibraryText, SplitsAtEveryKindOfLineEnd) {
  EXPECT_EQ(SplitLibraryLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLibraryLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLibraryLines(""), Lines{});
  EXPECT_EQ(SplitLibraryLines("\xEF\xBB\xBF[a]\r\n"), Lines{"[a]"});
}

TEST(LibraryText, LastLineWithoutLineEndIsKept) {
  SequenceLibrary lib;
  ASSERT_TRUE(lib.LoadSequenceLibrary("[Imp01.01.D]\r\nP,P,P,P,Lead,QS,100\r\n1S,P,P,P,Lead,5C,100"));
  EXPECT_EQ(lib.SectionLines("Imp01.01", 'D').size(), 2u);
}

TEST(LibraryText, EmptyTextGivesMessageAndEmptyLibrary) {
  SequenceLibrary lib;
  lib.LoadSequenceLibrary("[Imp01.01.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  ResetMessageCounts();
  EXPECT_FALSE(lib.LoadSequenceLibrary(""));
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "Nothing to load - size = 0");
  EXPECT_TRUE(lib.Empty());
}

TEST(LibraryText, SectionsByBoardKeyAndSystem) {
  SequenceLibrary lib;
  lib.LoadSequenceLibrary(
      "[Imp01.01.D]\r\nP,1S,P,P,P,Lead,5C,100\r\nP,2S,P,P,P,Lead,5C,100\r\n\r\n\r\n[Imp01.01.M]\r\nP,P,P,P,Lead,QS,"
      "100\r\n");
  EXPECT_EQ(lib.SectionLines("imp01.01", 'D'), (Lines{"P,1S,P,P,P,Lead,5C,100", "P,2S,P,P,P,Lead,5C,100"}));
  EXPECT_EQ(lib.SectionLines("Imp01.01", BidSystemLetter(1)).size(), 1u);
  EXPECT_TRUE(lib.SectionLines("Imp10.01", 'D').empty());
  // The library store appends to what the caller already holds.
  Lines target{"kept"};
  lib.ReadSection("Imp01.01", 'M', target);
  EXPECT_EQ(target.size(), 2u);
  EXPECT_EQ(LibrarySectionName("Par04.22", 'S'), "Par04.22.S");
}

TEST(LibraryLine, ReadsCallsAndLeads) {
  const auto line = ParseLibraryLine("P,1S,P,2H,P,2S,P,P,P,Lead,5C,75,QD,25");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->calls, (std::vector<CallCode>{Pass, MakeBid(1, Spade), Pass, MakeBid(2, Heart), Pass,
                                                MakeBid(2, Spade), Pass, Pass, Pass}));
  ASSERT_EQ(line->leads.size(), 2u);
  EXPECT_EQ(line->leads[0].card, MakeCard(5, Club));
  EXPECT_EQ(line->leads[1].percent, 25);
  EXPECT_EQ(LibraryLineText(*line), "P,1S,P,2H,P,2S,P,P,P,Lead,5C,75,QD,25");

  const auto passed = ParseLibraryLine("P,P,P,P,Lead,QS,100");
  ASSERT_TRUE(passed);
  EXPECT_EQ(passed->calls.size(), 4u);
  EXPECT_TRUE(ParseLibraryLine("1N,X,XX,P,P,P,Lead,2C,100"));
}

TEST(LibraryLine, RejectsBrokenLines) {
  const char* broken[] = {
      "P,1S,P,P,P",                              // no Lead
      "P,1S,P,P,Lead,5C,100",                    // incomplete auction
      "1S,1H,P,P,P,Lead,5C,100",                 // insufficient bid
      "1S,P,X,P,P,P,Lead,5C,100",                // doubling partner
      "1S,P,P,P,P,Lead,5C,100",                  // a call after the end
      "P,P,P,P,P,Lead,5C,100",                   // five passes
      "1NT,P,P,P,Lead,5C,100",                   // not a library token
      "8C,P,P,P,Lead,5C,100",                    // no eighth level
      "1S,P,P,P,Lead,5C,90",                     // percentages short of 100
      "1S,P,P,P,Lead,5C,50,5C,50",               // the same card twice
      "1S,P,P,P,Lead,5c,100",                    // lower-case suit
      "1S,P,P,P,Lead,10C,100",                   // not a card text
      "1S,P,P,P,Lead,5C,0100",                   // not a plain number
      "1S,P,P,P,Lead,5C",                        // card without percentage
      "1S,P,P,P,Lead",                           // no lead at all
      "1S,P,P,P,Lead,2C,20,3C,20,4C,20,5C,20,6C,20",  // five leads
      "1S, P,P,P,Lead,5C,100",                   // a blank
      "",
  };
  for (const char* text : broken) {
    std::string why;
    EXPECT_FALSE(ParseLibraryLine(text, &why)) << text;
    EXPECT_FALSE(why.empty()) << text;
  }
  EXPECT_FALSE(ParseLibraryLine("1S,P,P,P,Lead,5C,100" + std::string(240, 'P')));
}

TEST(LibraryRules, LinesMustPartAtOneSeat) {
  const Lines good{"P,1S,P,2H,P,2S,P,P,P,Lead,5C,75,QD,25", "P,1S,P,2H,P,2S,P,3H,P,P,P,Lead,KC,100",
                   "P,1S,P,1N,2C,X,P,P,P,Lead,6H,80,KD,20", "P,1S,P,1N,2C,X,P,P,P,Lead,6H,80,KD,20"};
  EXPECT_TRUE(CheckLibrarySection(good).empty());
  // The second line parts at call 2, an opponent's call.
  const Lines bad{"P,1S,P,2H,P,2S,P,P,P,Lead,5C,100", "P,1H,P,2H,P,P,P,Lead,5C,100",
                  "P,1S,P,2H,P,2S,P,3H,P,P,P,Lead,KC,100"};
  const auto problems = CheckLibrarySection(bad);
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems[0].find("line"), std::string::npos);
}

TEST(LibraryRules, SectionSizeAndBrokenLines) {
  EXPECT_EQ(CheckLibrarySection({}).size(), 1u);
  EXPECT_EQ(CheckLibrarySection(Lines(10, "P,P,P,P,Lead,QS,100")).size(), 1u);
  EXPECT_EQ(CheckLibrarySection(Lines(9, "P,P,P,P,Lead,QS,100")).size(), 0u);
  const auto problems = CheckLibrarySection({"P,P,P,P,Lead,QS,100", "P,P,P,Lead,QS,100"});
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind("line 2: ", 0), 0u);
}

TEST(LibraryRules, WithTheBoardLeadsAndPartingsAreCheckedAgainstSouth) {
  Deal deal;
  std::vector<std::string> errors;
  ASSERT_TRUE(ParseDeal("N:Q963.QT2.QJ976.T T7.J986.K83.AKJ5 KJ852.AK.5.Q9743 A4.7543.AT42.862", deal, errors));
  const LibraryBoardFacts board{North, deal};
  // South declares spades; West leads and holds 8C and 3H but not KC.
  const Lines lines{"P,1C,1S,P,2S,P,4S,P,P,P,Lead,8C,60,3H,40", "P,1C,1S,P,2S,P,P,P,Lead,8C,60,3H,40"};
  EXPECT_TRUE(CheckLibrarySection(lines, board).empty());
  EXPECT_EQ(CheckLibrarySection({"P,1C,1S,P,2S,P,P,P,Lead,KC,100"}, board).size(), 1u);
  // Parting at East's call is fine on its own, but not when South is known.
  const Lines atEast{"P,1C,1S,P,2S,P,P,P,Lead,8C,100", "P,1D,1S,P,2S,P,P,P,Lead,8C,100"};
  EXPECT_TRUE(CheckLibrarySection(atEast).empty());
  EXPECT_EQ(CheckLibrarySection(atEast, board).size(), 1u);
}

TEST(LibraryRules, WholeTextProblemsAreNamed) {
  const std::string text =
      "stray\r\n[Imp01.01.D]\r\nP,P,P,P,Lead,QS,100\r\n[imp01.01.d]\r\nP,P,P,P,Lead,QS,100\r\n[Imp10.01.D]\r\n"
      "P,P,P,P,Lead,QS,100\r\n[Par01.01.X]\r\nP,P,P,P,Lead,QS,100";
  const auto problems = CheckLibraryText(text);
  EXPECT_EQ(problems.size(), 6u);  // line end, stray, twice, two bad names ("imp" too)
  for (const char* part : {"no line end", "before the first section", "appears twice", "Imp10.01.D", "Par01.01.X"}) {
    bool found = false;
    for (const auto& p : problems) found = found || p.find(part) != std::string::npos;
    EXPECT_TRUE(found) << part;
  }
  EXPECT_TRUE(IsBoardKey("Par18.27"));
  EXPECT_FALSE(IsBoardKey("Imp10.01"));
  EXPECT_FALSE(IsBoardKey("Par01.28"));
}
