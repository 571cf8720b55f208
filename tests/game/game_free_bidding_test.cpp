// Free bidding through the game, with no window: South may make any legal
// call; off every stored line the computer seats call as the bid command
// answers for their own hands, the hint is the bidder's call for South, the
// opening lead comes from the bidder's lead list, and the board is played,
// scored against the field, filed and kept like any other.
#include "bidding/one_hand.h"
#include "bidding/bidder.h"
#include "data/pbn_board.h"
#include "game/pbn_export.h"
#include "play/honest/file_meanings.h"
#include "play/review/kept_review.h"
#include "scoring/contract_score.h"
#include "tests/game/game_fixture.h"

namespace quorval {
namespace {

class FreeBiddingTest : public GameTest {
 protected:
  // The question the bid and lead commands answer: `seat`'s hand after the
  // first `count` calls of the auction on the table.
  bidder::HandQuestion Question(Seat seat, size_t count) const {
    const TableGame& game = *game_;
    bidder::HandQuestion q;
    q.system = bidder::kAllSystems[size_t(game.State().BidSystem)];
    q.hand = bidder::HandOf(game.State().BoardDeal, seat);
    q.dealer = game.State().Dealer;
    q.vul = game.State().Vul;
    q.calls.assign(game.Auction().auction.calls.begin(), game.Auction().auction.calls.begin() + long(count));
    return q;
  }
  std::string BidCommand(Seat seat, size_t count) const {
    bidder::TableReading reading;
    std::string answer, error;
    EXPECT_TRUE(bidder::BidAnswer(Question(seat, count), reading, answer, error)) << error;
    return answer;
  }
  // The lead list the lead command gives the opening leader.
  std::string LeadCommand(Seat leader) const {
    bidder::TableReading reading;
    std::string answer, error;
    EXPECT_TRUE(bidder::LeadAnswer(Question(leader, game_->Auction().auction.calls.size()), reading, answer, error))
        << error;
    return answer;
  }
  // South takes Make Bid's call at every turn to the end of the auction.
  void MakeBidsToTheEnd() {
    for (int guard = 0; guard < 80 && game_->UserToCall(); ++guard) ASSERT_TRUE(Call(CallToken(game_->NextCall())));
  }
};

TEST_F(FreeBiddingTest, OffTheLibraryEveryCallIsTheBiddersForItsOwnHandAndTheHintIsSouths) {
  Option.FreeBidding = true;
  ASSERT_TRUE(DealBoard(1));   // P 1C, South KJ852.AK.5.Q9743; the library goes on with 1S only
  ASSERT_EQ(Calls(), (Tokens{"P", "1C"}));
  // On the stored line the hint and Make Bid are still the library's lesson.
  EXPECT_TRUE(game_->OnLibrary());
  for (const CallCode c : game_->HintCalls()) EXPECT_EQ(c, ParseCall("1S"));
  EXPECT_EQ(game_->NextCall(), ParseCall("1S"));
  // A call that no stored line continues with, and one that bridge forbids.
  EXPECT_FALSE(game_->UserCall(ParseCall("1C")));
  EXPECT_FALSE(game_->UserCall(Redouble));
  ASSERT_TRUE(Call("X"));
  EXPECT_FALSE(game_->OnLibrary());
  ASSERT_TRUE(game_->UserToCall()) << game_->Auction().auction.Over();
  // South's hint off the stored lines: the bidder's call, and only that.
  const CallCode hint = game_->NextCall();
  EXPECT_EQ(CallToken(hint), BidCommand(South, Calls().size()));
  EXPECT_EQ(game_->HintCalls(), std::vector<CallCode>{hint});
  // Its meaning is the table's reading of it, as the tips show it.
  std::vector<CallCode> withHint = game_->Auction().auction.calls;
  withHint.push_back(hint);
  if (hint != Pass) {
    EXPECT_FALSE(game_->BidderMeaning(withHint, withHint.size() - 1).Empty()) << CallToken(hint);
  }
  MakeBidsToTheEnd();
  ASSERT_TRUE(game_->Auction().auction.Over());
  // Every call from South's double on is what the bid command answers for
  // that seat's own hand: it depends on nothing the seat cannot see.
  const Tokens calls = Calls();
  for (size_t i = 3; i < calls.size(); ++i)
    EXPECT_EQ(calls[i], BidCommand((game_->State().Dealer + Seat(i)) & 3, i)) << "call " << i;

  // The opening lead is drawn from the leader's own lead list.
  ASSERT_FALSE(game_->FinalContract().PassedOut());
  ASSERT_TRUE(game_->StartPlay());
  const std::string leads = LeadCommand(game_->Play().OpeningLeader);
  for (int draw = 0; draw < 8; ++draw) {
    const CardCode lead = game_->ComputerCard(chooser_);
    EXPECT_NE(("," + leads + ",").find("," + CardText(lead) + ","), std::string::npos) << CardText(lead) << " not in " << leads;
  }
}

TEST_F(FreeBiddingTest, ABoardBidOffTheLibraryIsScoredFiledKeptReviewedAndExported) {
  Option.FreeBidding = true;
  ASSERT_TRUE(DealBoard(1));
  ASSERT_TRUE(Call("7N"));
  MakeBidsToTheEnd();
  const Contract contract = game_->FinalContract();
  ASSERT_EQ(contract.bid, MakeBid(7, NT)) << bidder::AuctionText(game_->Auction().auction.calls);
  ASSERT_EQ(contract.declarer, South);
  ASSERT_TRUE(game_->StartPlay());
  ASSERT_TRUE(game_->FinishPlay(chooser_));
  ASSERT_TRUE(game_->ResultFiled());
  const TableResult& result = *game_->Result();
  EXPECT_EQ(result.score, ContractScore(contract, result.declarerTricks, game_->State().Vul));
  EXPECT_LT(result.score, 0);
  EXPECT_EQ(Filed("Imp01.01"), result.line);
  EXPECT_EQ(filing_->results, 1);

  // The kept play holds the calls made; it reviews and exports like any other.
  const KeptPlayRead kept = ReadKeptPlay(*plays_, "Tester", "Imp01.01");
  ASSERT_TRUE(kept.Sound()) << kept.fault;
  EXPECT_EQ(kept.play->calls, game_->Auction().auction.calls);
  EXPECT_EQ(kept.play->cards.size(), 52u);
  std::string problem;
  const auto review = review::ReviewFromKeptPlay("Imp01.01", kept, problem);
  ASSERT_TRUE(review) << problem;
  EXPECT_EQ(review->contract.bid, MakeBid(7, NT));
  EXPECT_EQ(review->DeclarerTricks(), result.declarerTricks);
  const PbnExportResult exported = ExportFiledBoards(*files_, {"Imp01.01"});
  ASSERT_EQ(exported.boards, 1) << (exported.notes.empty() ? "" : exported.notes.front());
  const PbnRead read = ReadPbnText(exported.text, "export.pbn", PbnCheck::Whole);
  ASSERT_EQ(read.boards.size(), 1u);
  EXPECT_EQ(read.boards[0].calls, kept.play->calls);
  EXPECT_EQ(read.boards[0].cards, kept.play->cards);

  // Replayed, the same contract is played again.
  ASSERT_TRUE(game_->Replay());
  EXPECT_EQ(game_->FinalContract().bid, MakeBid(7, NT));
}

// The honest computer reads a call the meanings file holds by the file, and
// one it lacks by the table's reading of it, only in the auction it was read in.
TEST(FreeAuctionMeanings, CallsTheFileLacksAreReadByTheBidder) {
  FreeAuction free;
  const HeardAuction heard{0, North, 0, {ParseCall("1N"), Pass, ParseCall("2H")}};
  CallMeaning strong;
  strong.minPts = 20;
  strong.maxPts = 21;
  CallMeanings file;
  ASSERT_TRUE(file.Load(MeaningsFileText({{'D', {{"1N", strong}}}})));
  const auto meanings = free.HonestMeanings(&file, heard);
  ASSERT_TRUE(meanings);
  honest::AuctionFacts facts{North, heard.calls, 'D'};
  const auto opening = meanings->MeaningOf(facts, 0);
  ASSERT_TRUE(opening);
  EXPECT_EQ(opening->minHcp, 20);
  EXPECT_EQ(opening->maxHcp, 21);
  // 2H over 1NT: a weak sign-off with hearts in Danish Basic, read by the bidder.
  const CallMeaning read = free.MeaningOf(heard, 2);
  ASSERT_FALSE(read.Empty());
  const auto response = meanings->MeaningOf(facts, 2);
  ASSERT_TRUE(response);
  EXPECT_EQ(*response, honest::RangeOf(read));
  EXPECT_GE(response->minLen[Heart], 5) << MeaningValueText(read);
  // The same call after other calls is not the one read.
  facts.calls[1] = Double;
  EXPECT_FALSE(meanings->MeaningOf(facts, 2));
}

}  // namespace
}  // namespace quorval
