#include <gtest/gtest.h>

#include "data/date_time.h"
#include "data/ini_store.h"
#include "data/kept_play.h"
#include "sample_play.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::kOneSuitDeal;
using quorval::testing::kTenTricksPlay;
using quorval::testing::TempFolder;

namespace {

KeptPlayText FourSpades(const std::string& play = kTenTricksPlay, const std::string& auction = "4S,P,P,P") {
  return {"N", "None", kOneSuitDeal, auction, play};
}

// The play text with card n (1-based) replaced.
std::string WithCard(int n, const std::string& card) {
  std::string text = kTenTricksPlay;
  size_t at = 2 + static_cast<size_t>(n - 1) * 3;
  text.replace(at, 2, card);
  return text;
}

std::string FirstCards(int n) { return kTenTricksPlay.substr(0, 2 + static_cast<size_t>(n) * 3 - 1); }

}  // namespace

TEST(KeptPlayParse, SoundRecordGivesTheTricksAsPlayedAndWritesBackTheSameText) {
  const KeptPlayRead read = ParseKeptPlay(FourSpades());
  ASSERT_TRUE(read.Sound()) << read.fault;
  const KeptPlay& play = *read.play;
  EXPECT_EQ(play.cards.size(), 52u);
  EXPECT_EQ(play.FinalContract().bid, MakeBid(4, Spade));
  EXPECT_EQ(play.FinalContract().declarer, North);
  EXPECT_EQ(play.openingLeader, East);
  EXPECT_EQ(KeptDeclarerTricks(play), 10);

  const auto tricks = KeptTricks(play);
  ASSERT_EQ(tricks.size(), 13u);
  EXPECT_EQ(tricks[0].leader, East);
  EXPECT_EQ(tricks[0].cards[North], ParseCard("5S"));
  EXPECT_EQ(tricks[0].winner, North);
  EXPECT_EQ(tricks[1].leader, North);
  EXPECT_EQ(tricks[1].winner, West);
  EXPECT_FALSE(tricks[3].declarerSide);
  EXPECT_EQ(tricks[4].winner, North);   // the fourth club ruffed
  EXPECT_EQ(tricks[12].cards[South], ParseCard("AD"));

  const KeptPlayText back = KeptPlayToText(play);
  EXPECT_EQ(back.play, kTenTricksPlay);
  EXPECT_EQ(back.auction, "4S,P,P,P");
  EXPECT_EQ(back.deal, kOneSuitDeal);
  EXPECT_EQ(back.dealer, "N");
  EXPECT_EQ(back.vulnerable, "None");
}

TEST(KeptPlayParse, PassedOutBoardHasFourPassesAndNoCards) {
  const KeptPlayRead read = ParseKeptPlay({"W", "Both", kOneSuitDeal, "P,P,P,P", "-"});
  ASSERT_TRUE(read.Sound()) << read.fault;
  EXPECT_TRUE(read.play->FinalContract().PassedOut());
  EXPECT_TRUE(read.play->cards.empty());
  EXPECT_EQ(read.play->vul, 3);
  EXPECT_EQ(KeptPlayToText(*read.play).play, "-");
}

// Each damaged play keeps exactly the cards before the first bad one.
TEST(KeptPlayParse, StopsAtTheFirstCardThatDoesNotFit) {
  const struct {
    const char* what;
    std::string play;
    size_t cardsKept;
    const char* faultHas;
  } cases[] = {
      {"not a card", WithCard(7, "ZZ"), 6, "card 7"},
      {"lower case", WithCard(7, "ac"), 6, "card 7"},
      {"another seat's card", WithCard(5, "AH"), 4, "not in North's hand"},
      {"a card played twice", WithCard(8, "5C"), 7, "not in West's hand"},
      {"a revoke", WithCard(10, "6S"), 9, "does not follow suit"},
      {"a discard while holding the suit led", WithCard(24, "TC"), 23, "does not follow suit"},
      {"truncated", FirstCards(30), 30, "stops after 30 cards"},
      {"a 53rd card", kTenTricksPlay + ",2C", 52, "after the last trick"},
      {"no leader", kTenTricksPlay.substr(2), 0, "opening leader"},
      {"the wrong leader", "W" + kTenTricksPlay.substr(1), 0, "opening leader is W"},
  };
  for (const auto& c : cases) {
    const KeptPlayRead read = ParseKeptPlay(FourSpades(c.play));
    ASSERT_TRUE(read.play.has_value()) << c.what;
    EXPECT_FALSE(read.Sound()) << c.what;
    EXPECT_EQ(read.play->cards.size(), c.cardsKept) << c.what;
    EXPECT_NE(read.fault.find(c.faultHas), std::string::npos) << c.what << ": " << read.fault;
    // What is kept is exactly what was played.
    const std::string prefix = FirstCards(static_cast<int>(c.cardsKept));
    if (c.cardsKept > 0) {
      EXPECT_EQ(KeptPlayToText(*read.play).play, prefix) << c.what;
    }
  }
}

// After five tricks North has two (tricks 1 and 5) and eight are left: a
// claim by either side settles them, and the record reads back as written.
TEST(KeptPlayParse, AClaimEndsThePlayWithTheClaimedTricks) {
  const struct {
    std::string play;
    int declarerTricks;
  } sound[] = {
      {FirstCards(20) + ",claimNS8", 10},
      {FirstCards(20) + ",claimEW1", 9},
      {FirstCards(22) + ",claimNS7", 9},   // in the middle of trick 6: eight left
      {FirstCards(52).substr(0, 2) + "claimNS13", 13},   // before the opening lead
      {FirstCards(48) + ",claimEW0", 10},
  };
  for (const auto& c : sound) {
    const KeptPlayRead read = ParseKeptPlay(FourSpades(c.play));
    ASSERT_TRUE(read.Sound()) << c.play << ": " << read.fault;
    ASSERT_TRUE(read.play->claim.has_value()) << c.play;
    EXPECT_TRUE(read.play->Complete()) << c.play;
    EXPECT_EQ(KeptDeclarerTricks(*read.play), c.declarerTricks) << c.play;
    EXPECT_EQ(KeptPlayToText(*read.play).play, c.play);
  }
  const struct {
    std::string play;
    size_t cardsKept;
    const char* faultHas;
  } faulty[] = {
      {FirstCards(20) + ",claimNS9", 20, "more than the 8 left"},
      {FirstCards(20) + ",claimNS8,7C", 20, "comes after the claim"},
      {FirstCards(20) + ",claimNS8,claimNS8", 20, "comes after the claim"},
      {kTenTricksPlay + ",claimNS0", 52, "after the last trick"},
      {FirstCards(20) + ",claimNS14", 20, "not a card"},
      {FirstCards(20) + ",claimNS08", 20, "not a card"},
      {FirstCards(20) + ",claimSN8", 20, "not a card"},
      {WithCard(10, "6S").substr(0, 2 + 20 * 3 - 1) + ",claimNS8", 9, "does not follow suit"},
      {"W:claimNS10", 0, "opening leader is W"},
  };
  for (const auto& c : faulty) {
    const KeptPlayRead read = ParseKeptPlay(FourSpades(c.play));
    ASSERT_TRUE(read.play.has_value()) << c.play;
    EXPECT_FALSE(read.Sound()) << c.play;
    EXPECT_FALSE(read.play->claim.has_value()) << c.play;
    EXPECT_EQ(read.play->cards.size(), c.cardsKept) << c.play;
    EXPECT_NE(read.fault.find(c.faultHas), std::string::npos) << c.play << ": " << read.fault;
    EXPECT_EQ(KeptDeclarerTricks(*read.play), KeptDeclarerTricks(*ParseKeptPlay(FourSpades(FirstCards(static_cast<int>(c.cardsKept)))).play));
  }
  const KeptPlayRead passed = ParseKeptPlay({"W", "Both", kOneSuitDeal, "P,P,P,P", "N:claimNS1"});
  EXPECT_FALSE(passed.Sound());
  EXPECT_FALSE(passed.play->claim.has_value());
}

TEST(KeptPlayParse, AuctionFaultsKeepTheCallsBeforeThemAndNoCards) {
  const struct {
    const char* auction;
    const char* play;
    size_t callsKept;
    const char* faultHas;
  } cases[] = {
      {"4S,3H,P,P,P", "-", 1, "call 2 (3H) is not allowed"},
      {"4S,P,P,P,P", "-", 4, "call 5 comes after the end"},
      {"4S,P,P", "-", 3, "auction is not finished"},
      {"4S,P,XX,P,P,P", "-", 2, "call 3 (XX)"},
      {"4S,Pass,P,P", "-", 1, "call 2 \"Pass\" is not a call"},
      {"4S,P,P", "E:2H", 3, "before the auction is over"},
      {"P,P,P,P", "E:2H", 4, "passed-out board"},
      {"", "-", 0, "no auction"},
  };
  for (const auto& c : cases) {
    const KeptPlayRead read = ParseKeptPlay(FourSpades(c.play, c.auction));
    ASSERT_TRUE(read.play.has_value()) << c.auction;
    EXPECT_EQ(read.play->calls.size(), c.callsKept) << c.auction;
    EXPECT_TRUE(read.play->cards.empty()) << c.auction;
    EXPECT_NE(read.fault.find(c.faultHas), std::string::npos) << c.auction << ": " << read.fault;
  }
}

TEST(KeptPlayParse, UnreadableBoardGivesNoPlayAtAll) {
  const KeptPlayText bad[] = {
      {"Q", "None", kOneSuitDeal, "4S,P,P,P", kTenTricksPlay},
      {"n", "None", kOneSuitDeal, "4S,P,P,P", kTenTricksPlay},
      {"N", "N-S", kOneSuitDeal, "4S,P,P,P", kTenTricksPlay},
      {"N", "None", kOneSuitDeal.substr(0, 68), "4S,P,P,P", kTenTricksPlay},
      // 52 cards, but the ace of spades twice and no two of spades.
      {"N", "None", "N:AKQJT98765...432 .AKQJT98765432.. ..AKQJT98765432. A43...AKQJT98765", "4S,P,P,P",
       kTenTricksPlay},
  };
  for (const auto& text : bad) {
    const KeptPlayRead read = ParseKeptPlay(text);
    EXPECT_FALSE(read.play.has_value()) << text.dealer << " " << text.deal;
    EXPECT_FALSE(read.fault.empty());
  }
}

TEST(KeptPlayTricks, UnfinishedPlayEndsWithTheTrickInProgress) {
  KeptPlay play = *ParseKeptPlay(FourSpades()).play;
  play.cards.resize(6);
  const auto tricks = KeptTricks(play);
  ASSERT_EQ(tricks.size(), 2u);
  EXPECT_FALSE(tricks[1].complete);
  EXPECT_EQ(tricks[1].cards[North], ParseCard("2C"));
  EXPECT_EQ(tricks[1].cards[East], ParseCard("3H"));
  EXPECT_EQ(tricks[1].cards[South], 0);
  EXPECT_EQ(KeptDeclarerTricks(play), 1);
  EXPECT_FALSE(play.Complete());
  // A code that is no card stops the tricks there.
  play.cards[5] = 12;
  EXPECT_EQ(KeptTricks(play).size(), 2u);
  EXPECT_EQ(KeptTricks(play)[1].cards[East], 0);
}

TEST(KeptPlayStore, KeptPlayIsReadBackAfterARestartAndReplacedByTheNextOne) {
  TempFolder dir;
  const std::string file = dir.File(kKeptPlayFileName);
  const KeptPlay made = *ParseKeptPlay(FourSpades()).play;
  {
    TBigIniFile store(file);
    EXPECT_TRUE(KeepPlay(store, "Ann", "Imp01.05", made));
    EXPECT_FALSE(store.Modified());   // on disk at once
    KeptPlay passed = made;
    passed.calls = {Pass, Pass, Pass, Pass};
    passed.cards.clear();
    EXPECT_TRUE(KeepPlay(store, "Bob", "Imp01.05", passed));
  }
  EXPECT_NE(dir.Read(kKeptPlayFileName).find("Imp01.05.Play=" + kTenTricksPlay + "\r\n"), std::string::npos);

  TBigIniFile store(file);
  KeptPlayRead read = ReadKeptPlay(store, "Ann", "Imp01.05");
  ASSERT_TRUE(read.Sound()) << read.fault;
  EXPECT_EQ(read.play->cards, made.cards);
  EXPECT_EQ(read.play->calls, made.calls);
  EXPECT_EQ(read.play->deal, made.deal);
  EXPECT_EQ(KeptBoardKeys(store, "Ann"), std::vector<std::string>{"Imp01.05"});

  // A rebid to a passed-out board replaces the whole record.
  KeptPlay rebid = made;
  rebid.calls = {Pass, Pass, Pass, Pass};
  rebid.cards.clear();
  EXPECT_TRUE(KeepPlay(store, "Ann", "Imp01.05", rebid));
  read = ReadKeptPlay(TBigIniFile(file), "Ann", "Imp01.05");
  ASSERT_TRUE(read.Sound()) << read.fault;
  EXPECT_TRUE(read.play->cards.empty());
  EXPECT_TRUE(ReadKeptPlay(store, "Bob", "Imp01.05").Sound());

  read = ReadKeptPlay(store, "Ann", "Imp01.06");
  EXPECT_FALSE(read.play.has_value());
  EXPECT_EQ(read.fault, "no kept play for Imp01.06");
}

TEST(KeptPlayStore, TheFilingTimeIsALineOfItsOwnThatOldBoardsLack) {
  TempFolder dir;
  const std::string file = dir.File(kKeptPlayFileName);
  KeptPlay claimed = *ParseKeptPlay(FourSpades(FirstCards(20) + ",claimNS8")).play;
  double filed = 0;
  ASSERT_TRUE(ParseDateTime("2026-12-10 04:37:05", filed));
  {
    TBigIniFile store(file);
    KeepFiledTime(store, "Ann", "Imp01.05", filed);
    ASSERT_TRUE(KeepPlay(store, "Ann", "Imp01.05", claimed));
    ASSERT_TRUE(KeepPlay(store, "Ann", "Imp01.06", claimed));
  }
  const std::string text = dir.Read(kKeptPlayFileName);
  EXPECT_NE(text.find("Imp01.05.Filed=2026-12-10 04:37:05\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Imp01.05.Play=" + FirstCards(20) + ",claimNS8\r\n"), std::string::npos) << text;
  TBigIniFile store(file);
  EXPECT_EQ(ReadFiledTime(store, "Ann", "Imp01.05"), filed);
  EXPECT_FALSE(ReadFiledTime(store, "Ann", "Imp01.06").has_value());
  EXPECT_EQ(KeptBoardKeys(store, "Ann"), (std::vector<std::string>{"Imp01.05", "Imp01.06"}));
  const KeptPlayRead read = ReadKeptPlay(store, "Ann", "Imp01.05");
  ASSERT_TRUE(read.Sound()) << read.fault;
  EXPECT_EQ(read.play->claim, (KeptClaim{1, 8}));
  store.WriteString("Ann", "Imp01.06.Filed", "yesterday");
  EXPECT_FALSE(ReadFiledTime(store, "Ann", "Imp01.06").has_value());
}

TEST(KeptPlayStore, DamagedRecordsAreReportedNeverRepaired) {
  TBigIniFile store("");
  store.LoadLines({"[Ann]", "Par01.02.Dealer=N", "Par01.02.Vulnerable=None", "Par01.02.Deal=" + kOneSuitDeal,
                   "Par01.02.Auction=4S,P,P,P", "Par01.02.Play=" + FirstCards(13), "[Bob]",
                   "Par01.02.Deal=" + kOneSuitDeal});
  KeptPlayRead read = ReadKeptPlay(store, "Ann", "Par01.02");
  ASSERT_TRUE(read.play.has_value());
  EXPECT_EQ(read.play->cards.size(), 13u);
  EXPECT_EQ(read.fault, "the play stops after 13 cards");
  // Only a deal: the dealer cannot be read, so nothing of the board is used.
  read = ReadKeptPlay(store, "Bob", "Par01.02");
  EXPECT_FALSE(read.play.has_value());
  EXPECT_FALSE(read.fault.empty());
}

TEST(KeptPlayStore, RecordThatDoesNotFitALineRemovesTheOldOne) {
  TBigIniFile store("");
  const KeptPlay made = *ParseKeptPlay(FourSpades()).play;
  ASSERT_TRUE(KeepPlay(store, "Ann", "Imp01.01", made));
  KeptPlay longAuction = made;
  // 1C and 84 passes would be no auction at all; a long competitive one is
  // made of bids, doubles and redoubles going up the levels.
  longAuction.calls.clear();
  for (CallCode bid = MakeBid(1, Club); bid <= MakeBid(7, NT); ++bid) {
    longAuction.calls.push_back(bid);
    longAuction.calls.push_back(Double);
    longAuction.calls.push_back(Redouble);
  }
  longAuction.calls.insert(longAuction.calls.end(), {Pass, Pass, Pass});
  longAuction.cards.clear();
  EXPECT_FALSE(KeepPlay(store, "Ann", "Imp01.01", longAuction));
  EXPECT_EQ(ReadKeptPlay(store, "Ann", "Imp01.01").fault, "no kept play for Imp01.01");
}
