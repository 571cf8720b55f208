#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "data/pbn_board.h"
#include "sample_play.h"

using namespace quorval;

namespace {

// A deal as a club's dealing program prints it, from North and from West.
const std::string kFromNorth = "N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T743";
const std::string kFromWest = "W:832.9873.Q4.T743 QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9";

Deal DealOf(const std::string& text) {
  Deal deal;
  std::vector<std::string> errors;
  EXPECT_TRUE(ParseDeal(text, deal, errors)) << text;
  return deal;
}

PbnRead HandRecords(const std::string& text) { return ReadPbnText(text, "club.pbn", PbnCheck::HandRecord); }

// Every problem of a reading, one to a line, for a failure message.
std::string Problems(const PbnRead& read) {
  std::string text;
  for (const PbnProblem& p : read.problems) text += p.Text() + "\n";
  return text.empty() ? "no problem" : text;
}

// A game with a bad line, then a sound one: the bad one is refused with its
// line and the reason, the sound one is still read.
struct BadGame {
  const char* what;
  std::string tags;   // the bad game's tags; its first line is line 1
  int line;           // where the fault is
  const char* reason; // a part of the reason
};

std::string SoundGame(int board) {
  return "[Board \"" + std::to_string(board) + "\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n[Deal \"" + kFromNorth +
         "\"]\n";
}

}  // namespace

TEST(PbnHandRecords, UntidyFileGivesEveryBoard) {
  const std::string text =
      "\xEF\xBB\xBF% PBN 2.1\r\n"
      "%Creator: a dealing program\r\n"
      "\r\n"
      // Tags in another order, two on one line, comments of all three kinds,
      // CR LF line ends.
      "[Deal \"" + kFromNorth + "\"] [Board \"1\"]\r\n"
      "{ dealt for the Tuesday club,\r\n"
      "  hand records by the director }\r\n"
      "[Vulnerable \"None\"] ; as printed\r\n"
      "[Dealer \"N\"]\r\n"
      "\r\n"
      // LF line ends; the deal written from West; no Vulnerable: board 2 is
      // North-South vulnerable.
      "[Event \"Tuesday\"]\n"
      "[Board \"2\"]\n"
      "[Dealer \"E\"]\n"
      "[Deal \"" + kFromWest + "\"]\n"
      "\n"
      // Neither dealer nor vulnerability: board 7 is dealt by South, all
      // vulnerable. "#" repeats the Event of the game before.
      "[Event \"#\"]\r"
      "[Board \"7\"]\r"
      "[Deal \"" + kFromNorth + "\"]\r"
      "[HomeTeam \"ignored\"]\r";
  const PbnRead read = HandRecords(text);
  ASSERT_TRUE(read.problems.empty()) << Problems(read);
  ASSERT_EQ(read.boards.size(), 3u);
  const Deal expected = DealOf(kFromNorth);

  EXPECT_EQ(read.boards[0].boardNumber, 1);
  EXPECT_EQ(read.boards[0].dealer, North);
  EXPECT_EQ(read.boards[0].vul, 0);
  EXPECT_EQ(read.boards[0].deal, expected);
  EXPECT_EQ(read.boardLines[0], 4);

  EXPECT_EQ(read.boards[1].boardNumber, 2);
  EXPECT_EQ(read.boards[1].dealer, East);
  EXPECT_EQ(read.boards[1].vul, 1);
  EXPECT_EQ(read.boards[1].deal, expected);   // from West, the same board
  EXPECT_EQ(read.boards[1].event, "Tuesday");

  EXPECT_EQ(read.boards[2].boardNumber, 7);
  EXPECT_EQ(read.boards[2].dealer, South);
  EXPECT_EQ(read.boards[2].vul, 3);
  EXPECT_EQ(read.boards[2].event, "Tuesday");
}

TEST(PbnHandRecords, DealFromAnySeatAndOneHandLeftOut) {
  // The same deal from each of the four seats, and with West's hand left out.
  const std::string hands[4] = {"QT6.AKJ2.763.J82", "KJ94.T654.8.AQ65", "A75.Q.AKJT952.K9", "832.9873.Q4.T743"};
  const Deal expected = DealOf(kFromNorth);
  for (Seat first = North; first <= West; ++first) {
    std::string deal{SeatLetter(first), ':'};
    for (int i = 0; i < 4; ++i) deal += (i ? " " : "") + hands[(first + i) & 3];
    const PbnRead read = HandRecords("[Board \"1\"]\n[Deal \"" + deal + "\"]\n");
    ASSERT_EQ(read.boards.size(), 1u) << deal;
    EXPECT_EQ(read.boards[0].deal, expected) << deal;
  }
  const PbnRead partial = HandRecords("[Board \"1\"]\n[Deal \"N:" + hands[0] + " " + hands[1] + " " + hands[2] + " -\"]\n");
  ASSERT_EQ(partial.boards.size(), 1u);
  EXPECT_EQ(partial.boards[0].deal, expected);
  EXPECT_EQ(DealText(expected, West), kFromWest);
}

TEST(PbnHandRecords, EachBadKindIsRefusedWithItsLineAndTheNextGameIsRead) {
  const std::string oneMissing = "N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T74";
  const std::string oneExtra = "N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T743A";
  const std::string twice = "N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T733";
  const std::vector<BadGame> bad = {
      {"51 cards", "[Board \"1\"]\n[Deal \"" + oneMissing + "\"]\n", 2, "holds 51 cards"},
      {"53 cards", "[Board \"1\"]\n[Deal \"" + oneExtra + "\"]\n", 2, "holds 53 cards"},
      {"a card twice", "[Board \"1\"]\n[Deal \"" + twice + "\"]\n", 2, "C3 is dealt twice"},
      {"a seat in the deal", "[Board \"1\"]\n[Deal \"X:" + kFromNorth.substr(2) + "\"]\n", 2, "unknown seat \"X\""},
      {"a seat as dealer", "[Board \"1\"]\n[Deal \"" + kFromNorth + "\"]\n[Dealer \"Z\"]\n", 3, "unknown seat \"Z\""},
      {"a tag without its bracket", "[Board \"1\"]\n[Dealer \"N\"\n[Deal \"" + kFromNorth + "\"]\n", 2, "\"]\" is missing"},
      {"a tag value without quotes", "[Board 1]\n[Deal \"" + kFromNorth + "\"]\n", 1, "double quotes"},
      {"an insufficient bid",
       "[Board \"1\"]\n[Dealer \"N\"]\n[Deal \"" + kFromNorth + "\"]\n[Auction \"N\"]\n1S 2H Pass 3H\n2S Pass Pass Pass\n",
       6, "call 5 (2S) is an insufficient bid"},
      {"a card from another hand",
       "[Board \"1\"]\n[Dealer \"N\"]\n[Deal \"" + kFromNorth + "\"]\n[Auction \"N\"]\nPass Pass 1D Pass\n1H Pass 3NT AP\n"
       "[Play \"W\"]\nC3 C2 CA CK\nS3 S2 SK S5\n",
       9, "card 8 (S2) is not in North's hand"},
      {"a revoke",
       "[Board \"1\"]\n[Dealer \"N\"]\n[Deal \"" + kFromNorth + "\"]\n[Auction \"N\"]\nPass Pass 1D Pass\n1H Pass 3NT AP\n"
       "[Play \"W\"]\nC3 C2 H6 C9\n",
       8, "card 3 (H6) does not follow suit"},
      {"an auction that does not start with the dealer",
       "[Board \"1\"]\n[Dealer \"N\"]\n[Deal \"" + kFromNorth + "\"]\n[Auction \"E\"]\nPass Pass Pass Pass\n", 4,
       "the auction starts with East, not with the dealer North"},
      {"a wrong opening leader",
       "[Board \"1\"]\n[Dealer \"N\"]\n[Deal \"" + kFromNorth + "\"]\n[Auction \"N\"]\nPass Pass 1D Pass\n1H Pass 3NT AP\n"
       "[Play \"N\"]\nC2 H2 CA C3\n",
       7, "the opening leader is North, not West"},
      {"a card after one that was not played",
       "[Board \"1\"]\n[Dealer \"N\"]\n[Deal \"" + kFromNorth + "\"]\n[Auction \"N\"]\nPass Pass 1D Pass\n1H Pass 3NT AP\n"
       "[Play \"W\"]\nC3 - CA C9\n",
       8, "card 2 (CA) comes after a card that was not played"},
  };
  for (const BadGame& b : bad) {
    const std::string text = b.tags + "\n" + SoundGame(5);
    const PbnRead read = HandRecords(text);
    ASSERT_EQ(read.problems.size(), 1u) << b.what;
    EXPECT_EQ(read.problems[0].file, "club.pbn") << b.what;
    EXPECT_EQ(read.problems[0].line, b.line) << b.what << ": " << read.problems[0].Text();
    EXPECT_NE(read.problems[0].reason.find(b.reason), std::string::npos) << b.what << ": " << read.problems[0].Text();
    ASSERT_EQ(read.boards.size(), 1u) << b.what;
    EXPECT_EQ(read.boards[0].boardNumber, 5) << b.what;
  }
}

TEST(PbnHandRecords, NothingToTakeTheDealerFromIsRefused) {
  const PbnRead read = HandRecords("[Deal \"" + kFromNorth + "\"]\n\n[Event \"x\"]\n[Board \"3\"]\n");
  ASSERT_EQ(read.problems.size(), 2u);
  EXPECT_NE(read.problems[0].reason.find("neither a Dealer nor a Board"), std::string::npos);
  EXPECT_NE(read.problems[1].reason.find("no Deal tag"), std::string::npos);
  EXPECT_EQ(read.problems[1].line, 3);
}

TEST(PbnHandRecords, EveryWayOfWritingTheVulnerability) {
  const struct {
    const char* written;
    int board;   // board 1: none vulnerable by its number, board 7: all
    Vulnerability vul;
  } rows[] = {{"None", 7, 0}, {"Love", 7, 0}, {"-", 7, 0}, {"NS", 7, 1}, {"EW", 1, 2},
              {"All", 1, 3},  {"Both", 1, 3}, {"both", 1, 3}, {"?", 7, 3}, {"", 1, 0}};
  for (const auto& row : rows) {
    const PbnRead read = HandRecords("[Board \"" + std::to_string(row.board) + "\"]\n[Vulnerable \"" + row.written +
                                     "\"]\n[Deal \"" + kFromNorth + "\"]\n");
    ASSERT_EQ(read.boards.size(), 1u) << row.written << ": " << Problems(read);
    EXPECT_EQ(read.boards[0].vul, row.vul) << row.written;
  }
  const PbnRead odd = HandRecords("[Board \"1\"]\n[Vulnerable \"NSEW\"]\n[Deal \"" + kFromNorth + "\"]\n");
  ASSERT_EQ(odd.problems.size(), 1u);
  EXPECT_EQ(odd.problems[0].reason, "unknown vulnerability \"NSEW\"");
  EXPECT_EQ(odd.problems[0].line, 2);
}

// What a club's scoring program adds around the calls and cards: notes and
// their references, "!" and "?" marks, numbered annotations, "-" for a tag
// not known and for the cards not played after a claim.
TEST(PbnPlay, NotesMarksAndPlaceholdersAreReadPast) {
  const std::string game = "[Board \"3\"]\n[Dealer \"S\"]\n[Vulnerable \"Both\"]\n[Deal \"" + kFromNorth +
                           "\"]\n[Declarer \"-\"]\n[Contract \"-\"]\n[Result \"-\"]\n"
                           "[Auction \"S\"]\n"
                           "1D! =1= Pass 1H? $2\n"
                           "Pass 3NT!? Pass Pass\n"
                           "Pass\n"
                           "[Note \"1:2+ diamonds, 11-15\"]\n"
                           "[Play \"W\"]\n"
                           "C3 C2 CA! C9\n"        // East wins
                           "H3 HA H4 HQ $4\n"      // East leads, North wins
                           "D4 D3 D8? DA\n"        // North leads, South wins
                           "DQ - - DK\n"           // South leads; then the claim
                           "*\n";
  const PbnRead read = ReadPbnText(game, "club.pbn", PbnCheck::Whole);
  ASSERT_EQ(read.boards.size(), 1u) << Problems(read);
  const PbnBoard& b = read.boards[0];
  EXPECT_EQ(b.vul, 3);
  std::string calls;
  for (const CallCode c : b.calls) calls += PbnCallText(c) + " ";
  EXPECT_EQ(calls, "1D Pass 1H Pass 3NT Pass Pass Pass ");
  ASSERT_TRUE(b.contract.has_value());
  EXPECT_EQ(PbnContractText(*b.contract), "3NT");
  EXPECT_EQ(b.contract->declarer, South);
  EXPECT_FALSE(b.result.has_value());
  EXPECT_EQ(b.openingLeader, West);
  std::string cards;
  for (const CardCode c : b.cards) cards += PbnCardText(c) + " ";
  EXPECT_EQ(cards, "C3 C2 CA C9 H4 HQ H3 HA D3 D8 DA D4 DK DQ ");
}

TEST(PbnPlay, TricksAreWrittenInSeatOrderFromTheOpeningLeader) {
  // The one-suit board of the kept-play tests: 4S by North, East leads. Each
  // row holds East, South, West, North, whoever led the trick.
  const std::string game = "[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n[Deal \"" +
                           quorval::testing::kOneSuitDeal +
                           "\"]\n[Auction \"N\"]\n4S Pass Pass Pass\n[Play \"E\"]\n"
                           "H2 D2 C5 S5\n"   // East leads, North ruffs
                           "H3 D3 CA C2\n"   // North leads the two of clubs, West wins
                           "H4 D4 CK C3\n"
                           "H5 D5 CQ C4\n"
                           "H6 D6 CJ S6\n"   // West leads, North ruffs
                           "*\n";
  const PbnRead read = ReadPbnText(game, "f.pbn", PbnCheck::Whole);
  ASSERT_TRUE(read.problems.empty()) << Problems(read);
  const PbnBoard& b = read.boards.at(0);
  const std::vector<std::string> played = {"2H", "2D", "5C", "5S", "2C", "3H", "3D", "AC", "KC", "3C",
                                           "4H", "4D", "QC", "4C", "5H", "5D", "JC", "6S", "6H", "6D"};
  ASSERT_EQ(b.cards.size(), played.size());
  for (size_t i = 0; i < played.size(); ++i) EXPECT_EQ(CardText(b.cards[i]), played[i]) << "card " << i + 1;
  EXPECT_EQ(b.openingLeader, East);
  ASSERT_TRUE(b.contract.has_value());
  EXPECT_EQ(b.contract->declarer, North);

  // Written again, the rows come out as they were read.
  const std::string text = PbnExportGame(b);
  EXPECT_NE(text.find("[Play \"E\"]\r\nH2 D2 C5 S5\r\nH3 D3 CA C2\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("H6 D6 CJ S6\r\n*\r\n"), std::string::npos) << text;
}

namespace {

PbnBoard PlayedBoard() {
  PbnBoard b;
  b.event = "Imp01.05";
  b.site = "ORVENDAL QUORVAL 2005";
  b.board = "5";
  b.boardNumber = 5;
  b.players = {"Computer", "Computer", "Søren \"Sol\" Ærø", "Back\\slash\\"};
  b.dealer = North;
  b.vul = 1;
  b.deal = DealOf(quorval::testing::kOneSuitDeal);
  b.scoring = "IMP";
  for (const char* call : {"4S", "P", "P", "P"}) b.calls.push_back(ParseCall(call));
  b.contract = Contract{MakeBid(4, Spade), 0, North};
  b.result = 10;
  b.openingLeader = East;
  const std::string play = quorval::testing::kTenTricksPlay.substr(2);
  for (size_t i = 0; i < play.size(); i += 3) b.cards.push_back(ParseCard(play.substr(i, 2)));
  PbnTricks tricks{};
  for (int strain = 0; strain < 5; ++strain)
    for (int seat = 0; seat < 4; ++seat) tricks[size_t(strain)][size_t(seat)] = (strain * 3 + seat) % 14;
  b.optimum = tricks;
  b.optimumScore = "NS 420";
  b.parContract = "NS 4S";
  b.score = "NS 420";
  b.scoreTable.columns = {"Stratum", "PairId_NS", "Contract", "Declarer", "Result", "Score_NS", "IMP_NS"};
  b.scoreTable.rows = {{"A", "Søren \"Sol\" Ærø", "4S", "N", "10", "420", "1.50"},
                       {"A", "01", "3NT", "S", "9", "-400", "-2.25"},
                       {"A", "02", "Pass", "-", "-", "0", "-5.00"}};
  return b;
}

}  // namespace

TEST(PbnExport, GameReadBackGivesTheSameBoard) {
  const PbnBoard b = PlayedBoard();
  const std::string text = PbnExportHeader() + PbnExportGame(b);
  const PbnRead read = ReadPbnText(text, "export.pbn", PbnCheck::Whole);
  ASSERT_TRUE(read.problems.empty()) << Problems(read);
  ASSERT_EQ(read.boards.size(), 1u);
  const PbnBoard& r = read.boards[0];
  EXPECT_EQ(r.event, b.event);
  EXPECT_EQ(r.site, b.site);
  EXPECT_EQ(r.boardNumber, 5);
  EXPECT_EQ(r.players, b.players);
  EXPECT_EQ(r.dealer, b.dealer);
  EXPECT_EQ(r.vul, b.vul);
  EXPECT_EQ(r.deal, b.deal);
  EXPECT_EQ(r.scoring, "IMP");
  EXPECT_EQ(r.calls, b.calls);
  EXPECT_EQ(r.openingLeader, East);
  EXPECT_EQ(r.cards, b.cards);
  ASSERT_TRUE(r.contract && r.result);
  EXPECT_EQ(PbnContractText(*r.contract), "4S");
  EXPECT_EQ(r.contract->declarer, North);
  EXPECT_EQ(*r.result, 10);
  EXPECT_EQ(r.optimum, b.optimum);
  EXPECT_EQ(r.optimumScore, "NS 420");
  EXPECT_EQ(r.parContract, "NS 4S");
  EXPECT_EQ(r.score, "NS 420");
  EXPECT_EQ(r.scoreTable, b.scoreTable);
}

// A file the program exported after a played run: every tag is read, and
// written again it is the same file, byte for byte.
TEST(PbnExport, TheExportedFixtureIsReadWholeAndWrittenAgainAsItWas) {
  std::ifstream in(std::string(QUORVAL_FIXTURES) + "/pbn/export.pbn", std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(file.empty());
  const PbnRead read = ReadPbnText(file, "export.pbn", PbnCheck::Whole);
  ASSERT_TRUE(read.problems.empty()) << Problems(read);
  ASSERT_EQ(read.boards.size(), 3u);
  const PbnBoard& second = read.boards[1];
  EXPECT_EQ(second.event, "Imp01.02");
  EXPECT_EQ(second.dealer, East);
  EXPECT_EQ(second.vul, 1);
  EXPECT_EQ(PbnContractText(*second.contract) + SeatLetter(second.contract->declarer), "3NTN");
  EXPECT_EQ(second.result, 9);
  EXPECT_EQ(second.calls.size(), 11u);
  EXPECT_EQ(second.cards.size(), 52u);
  EXPECT_EQ(second.optimum->at(Club).at(North), 12);
  EXPECT_EQ(second.parContract, "NS 6C");
  EXPECT_EQ(second.scoreTable.rows.size(), 21u);
  EXPECT_EQ(read.boards[2].scoring, "MP");

  const size_t header = file.find("[Event");
  std::string again = file.substr(0, header);
  for (const PbnBoard& b : read.boards) again += PbnExportGame(b);
  EXPECT_EQ(again, file);

  // A fourteenth trick is one too many.
  std::string longer = file.substr(0, file.find("[Score \""));
  const int line = static_cast<int>(std::count(longer.begin(), longer.end(), '\n')) + 1;
  longer += "S2 S3 S4 S5\r\n";
  const PbnRead tooMany = ReadPbnText(longer, "export.pbn", PbnCheck::Whole);
  ASSERT_EQ(tooMany.problems.size(), 1u) << Problems(tooMany);
  EXPECT_EQ(tooMany.problems[0].line, line);
  EXPECT_EQ(tooMany.problems[0].reason, "the play has more than 13 tricks");
}

TEST(PbnExport, ExportFormatHeaderTagOrderAndLines) {
  const std::string text = PbnExportHeader() + PbnExportGame(PlayedBoard());
  EXPECT_EQ(text.substr(0, 21), "% PBN 2.1\r\n% EXPORT\r\n");
  const char* order[] = {"Event", "Site", "Date", "Board", "West", "North", "East", "South",
                         "Dealer", "Vulnerable", "Deal", "Scoring", "Declarer", "Contract", "Result"};
  size_t at = 21;
  for (const char* tag : order) {
    const std::string head = std::string("[") + tag + " \"";
    ASSERT_EQ(text.compare(at, head.size(), head), 0) << "expected " << tag << " at " << text.substr(at, 30);
    at = text.find("\r\n", at) + 2;
  }
  // The deal from the dealer, the auction four calls to a line, the name
  // with its quotes escaped; every line ends in CR LF and is at most 255 long.
  EXPECT_NE(text.find("[Deal \"N:AKQJT98765...432 .AKQJT98765432.. ..AKQJT98765432. 432...AKQJT98765\"]"),
            std::string::npos);
  EXPECT_NE(text.find("[Auction \"N\"]\r\n4S Pass Pass Pass\r\n"), std::string::npos);
  EXPECT_NE(text.find("[South \"Søren \\\"Sol\\\" Ærø\"]"), std::string::npos);
  EXPECT_NE(text.find("[West \"Back\\slash\\\\\"]"), std::string::npos);
  EXPECT_NE(text.find("[OptimumResultTable \"Declarer\\1L;Denomination\\2L;Result\\2R\"]\r\nN NT 12\r\nN S   9\r\n"),
            std::string::npos)
      << text;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(text[end - 1], '\r');
    EXPECT_LE(end - 1 - start, 255u);
    start = end + 1;
  }
  EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");   // the game ends with an empty line
}

TEST(PbnExport, PassedOutBoardHasPassAsContractAndNoPlay) {
  PbnBoard b = PlayedBoard();
  b.calls.assign(4, Pass);
  b.contract = Contract{};
  b.result.reset();
  b.cards.clear();
  const std::string text = PbnExportGame(b);
  EXPECT_NE(text.find("[Declarer \"\"]\r\n[Contract \"Pass\"]\r\n[Result \"\"]\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Auction \"N\"]\r\nPass Pass Pass Pass\r\n"), std::string::npos);
  EXPECT_EQ(text.find("[Play"), std::string::npos);
  const PbnRead read = ReadPbnText(text, "p.pbn", PbnCheck::Whole);
  ASSERT_EQ(read.boards.size(), 1u) << Problems(read);
  ASSERT_TRUE(read.boards[0].contract.has_value());
  EXPECT_TRUE(read.boards[0].contract->PassedOut());
  EXPECT_FALSE(read.boards[0].result.has_value());
}

TEST(PbnExport, OwnFileWithAContractTheAuctionDidNotReachIsRefused) {
  PbnBoard b = PlayedBoard();
  std::string text = PbnExportGame(b);
  text.replace(text.find("[Contract \"4S\"]"), 15, "[Contract \"5S\"]");
  const PbnRead read = ReadPbnText(text, "e.pbn", PbnCheck::Whole);
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_NE(read.problems[0].reason.find("not the one the auction reached"), std::string::npos);
}
