// The library matching, keyboard entry and review placement of the auction.
#include "game/auction_driver.h"

#include <gtest/gtest.h>

#include "core/messages.h"

namespace quorval {
namespace {

// The first section of a library in four lines: the main line and three
// alternatives of the user (South, dealer North).
const std::vector<std::string> kSection = {
    "P,1S,P,2H,P,2S,P,P,P,Lead,5C,75,QD,25",
    "P,1S,P,2H,P,2S,P,3H,P,P,P,Lead,KC,100",
    "P,1S,P,2H,P,2S,P,3D,P,3N,P,P,P,Lead,5D,100",
    "P,1S,P,1N,2C,X,P,P,P,Lead,6H,80,KD,20",
};

AuctionState StateAfter(const std::vector<std::string>& tokens, Seat dealer = North) {
  AuctionState s;
  s.SequenceLines = kSection;
  s.Reset(dealer);
  for (const auto& t : tokens) EXPECT_TRUE(s.Record(ParseCall(t))) << t;
  return s;
}

TEST(LibraryMatching, ComputerFollowsTheFirstFittingLine) {
  auto s = StateAfter({});
  EXPECT_EQ(LibraryCall(s), Pass);
  s = StateAfter({"P", "1S", "P"});
  EXPECT_EQ(LibraryCall(s), MakeBid(2, Heart));
  s = StateAfter({"P", "1S", "P", "1N"});
  EXPECT_EQ(LibraryCall(s), MakeBid(2, Club));
  EXPECT_EQ(s.CurrentLine.front(), "P");
  EXPECT_EQ(s.CurrentLine[3], "1N");
}

TEST(LibraryMatching, UserCallsAreAllowedOnlyWhereALineContinues) {
  auto s = StateAfter({"P", "1S", "P"});
  EXPECT_TRUE(CallAllowed(s, MakeBid(2, Heart)));
  EXPECT_TRUE(CallAllowed(s, MakeBid(1, NT)));
  EXPECT_EQ(s.CurrentLine[3], "1N");  // the line that allowed it
  EXPECT_FALSE(CallAllowed(s, MakeBid(4, Spade)));
  EXPECT_FALSE(CallAllowed(s, Pass));
}

TEST(LibraryMatching, HintListsEveryLinesNextCallInOrder) {
  auto s = StateAfter({"P", "1S", "P", "2H", "P", "2S", "P"});
  ListAllowedCalls(s);
  EXPECT_EQ(s.HintCalls, (std::vector<CallCode>{Pass, MakeBid(3, Heart), MakeBid(3, Diamond)}));
  s = StateAfter({"P", "1S", "P"});
  ListAllowedCalls(s);
  EXPECT_EQ(s.HintCalls, (std::vector<CallCode>{MakeBid(2, Heart), MakeBid(2, Heart), MakeBid(2, Heart),
                                                 MakeBid(1, NT)}));
}

TEST(LibraryMatching, NoAgreeingLineFallsBackToTheLastLine) {
  AuctionState s;
  s.SequenceLines = kSection;
  s.Reset(North);
  s.Record(MakeBid(1, Club));  // no line opens 1C
  EXPECT_EQ(LibraryCall(s), MakeBid(1, Spade));  // last line's second field
  EXPECT_EQ(s.CurrentLine.back(), "20");
}

TEST(LibraryMatching, FaultyLinesNeverStallTheAuction) {
  ResetMessageCounts();
  AuctionState s;
  s.SequenceLines = {"1S,1H,P,P,P,Lead,KC,100"};  // 1H after 1S is no legal call
  s.Reset(North);
  s.Record(MakeBid(1, Spade));
  EXPECT_EQ(LibraryCall(s), Pass);
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "Sequence File doesn't contain this bid");

  AuctionState empty;
  empty.Reset(North);
  EXPECT_EQ(LibraryCall(empty), Pass);
  EXPECT_FALSE(CallAllowed(empty, Pass));
  ListAllowedCalls(empty);
  EXPECT_TRUE(empty.HintCalls.empty());

  // A line that stops early: the driver reports it and passes.
  AuctionState shortLine;
  shortLine.SequenceLines = {"P"};
  shortLine.Reset(North);
  shortLine.Record(Pass);
  EXPECT_EQ(LibraryCall(shortLine), Pass);
}

TEST(CallEntry, EntryTextsGiveTheirCalls) {
  struct Row { const char* entry; int doubled; CallCode call; };
  const Row rows[] = {
      {"S4", 0, MakeBid(4, Spade)}, {"n1", 0, MakeBid(1, NT)}, {"C7", 0, MakeBid(7, Club)},
      {"Pa", 0, Pass},              {"P", 2, Pass},            {"X", 0, Double},
      {"XD", 1, Redouble},          {"XR", 0, Double},         {"S8", 0, NoCall},
      {"4S", 0, NoCall},            {"S", 0, NoCall},          {"", 0, NoCall},
  };
  for (const auto& r : rows) EXPECT_EQ(EntryToCall(r.entry, r.doubled), r.call) << r.entry;
  for (CallCode c = 1; c <= 37; ++c) {
    const int doubled = c == Redouble ? 1 : 0;
    EXPECT_EQ(EntryToCall(CallToEntry(c), doubled), c) << c;
  }
}

TEST(CallEntry, KeyTableByLanguage) {
  struct Row { int language; char key; bool levelTyped; int position; };
  const Row rows[] = {
      {0, 'S', true, 3},  {0, 's', false, 3}, {0, 'N', true, 4},  {0, 'P', false, 5},
      {0, 'M', false, 6}, {0, 'I', false, 7}, {0, 'T', false, 8}, {0, 'Z', false, -1},
      {1, 'K', true, 0},  {1, 'R', true, 1},  {1, 'U', true, 4},  {1, 'J', false, 7},
      {2, 'N', true, 4},  {2, 'G', true, 4},  {2, 'I', false, 7}, {4, 'S', false, 5}, {4, 'S', true, 3},
      {4, 'J', false, 7}, {3, 'P', false, 5}, {3, 'P', true, 3},  {1, 'C', true, -1}, {0, 'G', true, -1},
  };
  for (const auto& r : rows)
    EXPECT_EQ(BidKeyPosition(r.language, r.key, r.levelTyped), r.position)
        << r.language << ' ' << r.key << ' ' << r.levelTyped;
}

TEST(ReviewGrid, CallsStartInTheirSeatsColumn) {
  // Columns are West, North, East, South; rows start with West.
  struct Row { Seat dealer; int call; int row; int column; };
  const Row rows[] = {
      {West, 0, 0, 0},  {West, 3, 0, 3},  {West, 4, 1, 0},
      {North, 0, 0, 1}, {North, 2, 0, 3}, {North, 3, 1, 0},
      {East, 0, 0, 2},  {East, 1, 0, 3},  {East, 2, 1, 0},
      {South, 0, 0, 3}, {South, 1, 1, 0}, {South, 4, 1, 3}, {South, 5, 2, 0},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ReviewCell(r.dealer, r.call), std::make_pair(r.row, r.column))
        << "dealer " << r.dealer << " call " << r.call;
  }
}

}  // namespace
}  // namespace quorval
