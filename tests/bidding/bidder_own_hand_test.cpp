// The library bids and leads from one hand at a time: on shuffled boards in all
// four systems every stored call of the main line and of the computer seats
// equals what the bid command answers for that seat's hand alone, every lead
// list what the lead command answers for the leader's hand, and the user's
// alternatives stay within a point of the openings they name. check finds a
// call that does not come from its seat's own hand.
#include <gtest/gtest.h>

#include <algorithm>

#include "bidding/bidder.h"
#include "bidding/library.h"
#include "bidding/library_check.h"
#include "bidding/one_hand.h"
#include "tests/bidding/bidder_hands.h"

namespace quorval::bidder {
namespace {

// "KT92.A86.AQ9.K87": the seat's hand as the command line gives it.
std::string HandText(const Deal& deal, Seat seat) {
  const std::string text = DealText(deal, seat);
  return text.substr(2, text.find(' ') - 2);
}

std::string Tokens(const std::vector<CallCode>& calls, size_t count) {
  return AuctionText({calls.begin(), calls.begin() + static_cast<long>(count)});
}

HandQuestion Ask(const LibraryBoard& b, System s, Seat seat, const std::string& calls) {
  HandQuestion q;
  std::string error;
  EXPECT_TRUE(ReadHandQuestion(std::string(1, Definition(s).letter), HandText(b.deal, seat), calls,
                               std::string(1, SeatLetter(b.dealer)), VulnerabilityName(b.vul), q, error))
      << error;
  return q;
}

TEST(OwnHands, EveryStoredCallAndLeadIsWhatTheSeatsOwnHandMakes) {
  TableReading writer, asked;  // the commands read the auction afresh
  int calls = 0, leads = 0;
  for (int i = 0; i < 24; ++i) {
    const LibraryBoard b = testing::ShuffledLibraryBoard(515, "Par05", "OwnHand", i);
    for (System s : kAllSystems) {
      const std::vector<LibraryLine> lines = SectionLines(b, s, writer);
      for (size_t k = 0; k < lines.size(); ++k) {
        const std::vector<CallCode>& line = lines[k].calls;
        for (size_t n = 0; n < line.size(); ++n) {
          const Seat seat = (b.dealer + static_cast<int>(n)) & 3;
          if (k > 0 && seat == b.UserSeat()) continue;  // the user's own choices
          std::string answer, error;
          ASSERT_TRUE(BidAnswer(Ask(b, s, seat, Tokens(line, n)), asked, answer, error)) << error;
          EXPECT_EQ(answer, CallToken(line[n])) << b.key << "." << Definition(s).letter << " line " << k + 1 << " "
                                                << AuctionText(line) << " call " << n + 1;
          ++calls;
        }
        const std::string stored = LineText(lines[k]);
        std::string answer, error;
        ASSERT_TRUE(LeadAnswer(Ask(b, s, OpeningLeader(line, b.dealer), AuctionText(line)), asked, answer, error))
            << error;
        EXPECT_EQ(answer, stored.substr(stored.find("Lead,") + 5)) << b.key << "." << Definition(s).letter << " " << stored;
        ++leads;
      }
    }
  }
  EXPECT_GT(calls, 1000);
  EXPECT_GT(leads, 100);
}

// The user's alternative openings stay within a point of the system's ranges,
// and a balanced hand in the 1NT range opens 1NT on the main line.
TEST(OwnHands, OpeningsKeepTheirRanges) {
  TableReading reading;
  int noTrumpAlternatives = 0, noTrumpOpenings = 0;
  for (int i = 0; i < 150; ++i) {
    const LibraryBoard b = testing::ShuffledLibraryBoard(616, "Imp07", "Ranges", i);
    for (System s : kAllSystems) {
      const SystemDef& d = Definition(s);
      const std::vector<LibraryLine> lines = SectionLines(b, s, reading);
      const std::vector<CallCode>& main = lines.front().calls;
      // Seats first to bid in the first three positions.
      for (size_t n = 0; n < 3 && n < main.size(); ++n) {
        const HandFacts hand = Evaluate(b.deal, (b.dealer + static_cast<int>(n)) & 3);
        if (hand.balanced && hand.hcp >= d.ntMin && hand.hcp <= d.ntMax) {
          EXPECT_EQ(CallToken(main[n]), "1N") << b.key << "." << d.letter << " " << AuctionText(main);
          ++noTrumpOpenings;
        }
        if (main[n] != Pass) break;
      }
      const int first = static_cast<int>((b.UserSeat() - b.dealer + 4) & 3);
      if (first >= static_cast<int>(main.size()) ||
          !std::all_of(main.begin(), main.begin() + first, [](CallCode c) { return c == Pass; }))
        continue;
      const HandFacts user = Evaluate(b.deal, b.UserSeat());
      for (size_t k = 1; k < lines.size(); ++k) {
        const std::string call = CallToken(lines[k].calls[first]);
        const std::string where = b.key + "." + d.letter + " " + AuctionText(lines[k].calls);
        if (call == "1N") {
          ++noTrumpAlternatives;
          EXPECT_GE(user.hcp, d.ntMin - 1) << where;
          EXPECT_LE(user.hcp, d.ntMax + 1) << where;
        }
        if (call == "2N") {
          EXPECT_GE(user.hcp, d.nt2Min - 1) << where;
          EXPECT_LE(user.hcp, d.nt2Max + 1) << where;
        }
        if (call == "2C") {
          EXPECT_GE(user.hcp, 21) << where;
        }
      }
    }
  }
  EXPECT_GT(noTrumpOpenings, 20);
  EXPECT_GT(noTrumpAlternatives, 5);
}

// A board whose user sits North, the dealer, with the given North hand.
LibraryBoard NorthDeals(const std::string& north) {
  LibraryBoard b;
  b.key = "Imp01.01";
  b.dealer = North;
  b.site = 2;
  b.deal = testing::MakeDeal({north, "", "", ""});
  return b;
}

// A line that starts with the given calls and goes on from the seats' own hands.
LibraryLine LineAfter(const LibraryBoard& b, const std::vector<CallCode>& start, TableReading& reading) {
  View table(System::DanishBasic, b.dealer, b.vul);
  EXPECT_TRUE(reading.ReadAuction(start, table));
  BidOn(b.deal, table, reading);
  return {table.calls(), LeaderLeads(HandOf(b.deal, OpeningLeader(table.calls(), b.dealer)), table)};
}

std::vector<std::string> SeatProblems(const LibraryBoard& b, const std::vector<LibraryLine>& lines) {
  std::vector<std::string> found;
  for (const LibraryProblem& p : CheckSeatCalls(SectionText(b.key, 'D', lines), {b})) found.push_back(p.text);
  return found;
}

TEST(LibraryCheck, CallsComeFromTheSeatsOwnHands) {
  TableReading reading;
  // Twelve points, balanced: 1NT (15-17) misses by three.
  const LibraryBoard twelve = NorthDeals("KQ2.QJ3.K432.J32");
  const LibraryLine main = LineAfter(twelve, {}, reading);
  ASSERT_NE(main.calls.front(), MakeBid(1, NT));
  const LibraryLine noTrump = LineAfter(twelve, {MakeBid(1, NT)}, reading);
  EXPECT_TRUE(SeatProblems(twelve, {main}).empty());
  EXPECT_EQ(SeatProblems(twelve, {main, noTrump}),
            std::vector<std::string>{"line 2: the user's 1N at call 1 misses its meaning by more than a point"});
  // On the main line the user's call, too, must be the hand's own.
  EXPECT_EQ(SeatProblems(twelve, {noTrump, main}),
            std::vector<std::string>{"line 1: 1N at call 1 is not what N's own hand bids (" +
                                     CallToken(main.calls.front()) + ")"});
  // A computer seat that does not bid its own hand.
  View after(System::DanishBasic, North, 0);
  ASSERT_TRUE(reading.ReadAuction({main.calls.front()}, after));
  const CallCode east = OwnCall(HandOf(twelve.deal, East), after);
  const CallCode other = east == Pass ? Double : Pass;
  const LibraryLine wrong = LineAfter(twelve, {main.calls.front(), other}, reading);
  EXPECT_EQ(SeatProblems(twelve, {main, wrong}),
            std::vector<std::string>{"line 2: " + CallToken(other) + " at call 2 is not what E's own hand bids (" +
                                     CallToken(east) + ")"});
  // Fourteen points: 1NT is a point short, a choice some players make.
  const LibraryBoard fourteen = NorthDeals("KQ2.KJ3.K432.Q32");
  EXPECT_TRUE(SeatProblems(fourteen, {LineAfter(fourteen, {}, reading), LineAfter(fourteen, {MakeBid(1, NT)}, reading)})
                  .empty());
}

TEST(OneHand, AnswersForOneHand) {
  TableReading reading;
  const auto answer = [&](const char* system, const char* calls, const char* dealer, bool lead) {
    HandQuestion q;
    std::string error, text;
    EXPECT_TRUE(ReadHandQuestion(system, "KT92.A86.AQ9.K87", calls, dealer, "None", q, error)) << error;
    const bool ok = lead ? LeadAnswer(q, reading, text, error) : BidAnswer(q, reading, text, error);
    return ok ? text : "refused: " + error;
  };
  // Sixteen points, 4-3-3-3: 1NT where it shows 15-17, four spades first where majors may be four cards.
  EXPECT_EQ(answer("D", "", "N", false), "1N");
  EXPECT_EQ(answer("modern basic", "", "N", false), "1S");
  // Stayman without four hearts: two spades.
  EXPECT_EQ(answer("D", "1N,P,2C,P", "N", false), "2S");
  // On lead against 4S: the low club from the king, or an ace.
  EXPECT_EQ(answer("D", "1S,P,4S,P,P,P", "E", true), "7C,50,AD,25,AH,25");
  EXPECT_EQ(answer("D", "1S,P,4S,P,P,P", "E", false), "refused: the auction is over; the lead command tells the opening lead");
  EXPECT_EQ(answer("D", "1S,P", "E", true), "refused: the auction is not over; the bid command tells the next call");
}

// Calls that partner reads from the auction alone show one kind of hand: a
// minimum or game values, an invitation or a decision, never both at once.
TEST(OneHand, CallsThatShowOneKindOfHand) {
  TableReading reading;
  struct Row {
    const char* system;
    const char* hand;
    const char* calls;
    const char* call;
  };
  const Row rows[] = {
      // Opener's rebid after a two-level response: 2NT the minimum, 3NT with 15 or more.
      {"D", "AQJ64.K42.J3.Q72", "1S,P,2D,P", "2N"},
      {"D", "AQJ64.K42.K3.Q72", "1S,P,2D,P", "3N"},
      // After a transfer: 2NT invites, game values with five cards bid 3NT.
      {"M", "KQ942.A5.973.862", "1N,P,2H,P,2S,P", "2N"},
      {"M", "KQ942.A5.K73.862", "1N,P,2H,P,2S,P", "3N"},
      // Without transfers three of a major forces, so six cards that would
      // invite sign off below the top of the range and bid game at it.
      {"D", "K5.Q98652.Q73.82", "1N,P", "2H"},
      {"D", "K5.QJ8652.Q73.82", "1N,P", "4H"},
  };
  for (const Row& r : rows) {
    HandQuestion q;
    std::string error, call;
    ASSERT_TRUE(ReadHandQuestion(r.system, r.hand, r.calls, "N", "None", q, error)) << error;
    ASSERT_TRUE(BidAnswer(q, reading, call, error)) << error;
    EXPECT_EQ(call, r.call) << r.hand << " after " << r.calls;
  }
}

TEST(OneHand, RefusesWhatItCannotRead) {
  const std::pair<std::array<const char*, 5>, const char*> rows[] = {
      {{"X", "KT92.A86.AQ9.K87", "", "N", "None"}, "no bidding system X (D, M, N or S)"},
      {{"D", "KT92.A86.AQ9.K8", "", "N", "None"}, "a hand is thirteen cards in four suits, spades first: KT92.A86.AQ9.K8"},
      {{"D", "KT92.A86.AQ9.K87.2", "", "N", "None"}, "a hand has four suits, spades first: KT92.A86.AQ9.K87.2"},
      {{"D", "KK92.A86.AQ9.K87", "", "N", "None"}, "a card is given twice in the hand KK92.A86.AQ9.K87"},
      {{"D", "K192.A86.AQ9.K87", "", "N", "None"}, "\"1\" is not a rank in the hand K192.A86.AQ9.K87"},
      {{"D", "KT92.A86.AQ9.K87", "1S,1H", "N", "None"}, "1H is not allowed after 1S"},
      {{"D", "KT92.A86.AQ9.K87", "1S,Q", "N", "None"}, "\"Q\" is not a call (P, X, XX, 1C .. 7N)"},
      {{"D", "KT92.A86.AQ9.K87", "P,P,P,P,P", "N", "None"}, "P is not allowed after P"},
      {{"D", "KT92.A86.AQ9.K87", "1S,", "N", "None"}, "an empty call in 1S,"},
      {{"D", "KT92.A86.AQ9.K87", "", "Q", "None"}, "the dealer is N, E, S or W, not Q"},
      {{"D", "KT92.A86.AQ9.K87", "", "N", "All"}, "the vulnerability is None, NS, EW or Both, not All"},
  };
  for (const auto& [words, why] : rows) {
    HandQuestion q;
    std::string error;
    EXPECT_FALSE(ReadHandQuestion(words[0], words[1], words[2], words[3], words[4], q, error)) << why;
    EXPECT_EQ(error, why);
  }
  // Voids, lower case, system, seat and vulnerability names are read.
  HandQuestion q;
  std::string error;
  ASSERT_TRUE(ReadHandQuestion("Std Norwegian", "akqjt98765432...", "p,1s", "west", "both", q, error)) << error;
  EXPECT_EQ(q.system, System::StdNorwegian);
  EXPECT_EQ(q.hand[Spade], 0x7FFC);
  EXPECT_EQ(q.dealer, West);
  EXPECT_EQ(q.vul, 3);
  EXPECT_EQ(q.calls.size(), 2u);
}

}  // namespace
}  // namespace quorval::bidder
