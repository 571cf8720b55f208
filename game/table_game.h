#pragma once
// The board at the table as a value: which board is on the table, the
// phases it goes through, the auction against the library, the play of the
// cards, take back, finish and skip play, and the board's result, made once
// and filed once. Push a call or a card, take it back, ask what is legal
// and whose turn it is: every front end (the table window, the automated
// player, the tests) drives the same object, and none of them knows the
// rules. The computer's calls come from the library; its cards are asked of
// a CardChooser, so the game itself never waits on a thread.

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/auction_driver.h"
#include "game/board_record.h"
#include "game/card_chooser.h"
#include "game/free_auction.h"
#include "game/table_files.h"
#include "game/table_result.h"
#include "game/table_state.h"
#include "play/claim.h"
#include "play/play_state.h"

namespace quorval {

// A take back of the last card: the card taken back, and the cards of the
// trick that lies on the table again, to be pushed again.
struct TakeBackSteps {
  CardCode removed = 0;
  std::vector<CardCode> again;
};

class TableGame {
 public:
  // `state` brings the run's facts (marker file, pause); event, session,
  // board counter and system come from the player's options.
  TableGame(TableFiles& files, const TableState& state);

  const TableState& State() const { return state_; }
  const BoardOnTable& Board() const { return board_; }
  const AuctionState& Auction() const { return auction_; }
  const PlayState& Play() const { return play_; }
  Phase phase() const { return state_.phase; }
  // The key of the board the counter stands on ("Imp01.05").
  std::string Key() const;
  TableFiles& Files() const { return files_; }

  // Which board: the counter moves, ReadHand reads the board it names.
  // NextBoard is false when the counter went past the event's last board.
  bool NextBoard();
  // The counter goes back by `boards` (not below 0): 2 for the prior board,
  // 1 to deal the same board again.
  void StepBack(int boards);
  // The counter stands before `board` of the event; false (nothing moves)
  // when the event has no such board.
  bool GoToBoard(const std::string& event, const std::string& session, int board);
  // The event, session, counter and system of the player now in the chair.
  void TakeOverPlayer();
  void SetBidSystem(int system);
  // Reads the board the counter names. A board that cannot be played
  // leaves the one on the table whole; NoAuctions tells when it was read but
  // the library has no auction for it in the system.
  bool ReadHand();
  bool NoAuctions() const { return noAuctions_; }
  // Deals the board read last (again, for a rebid): bidding starts, the
  // dealer to call. False when no board has been read.
  bool Deal();
  // No board on the table: the state a run starts in and another player gets.
  void ClearBoard();
  // An internal fault (a card its seat does not hold): no board any more.
  void Stop() { state_.phase = Phase::NoBoard; }

  // The auction.
  bool IsHumanSeat(Seat s) const { return state_.HumanSeats & SeatBit(s); }
  Seat SeatToCall() const { return auction_.auction.SeatToAct(); }
  bool UserToCall() const;
  bool ComputerToCall() const;
  // The main line's next call ("Sequence File doesn't contain this bid" and
  // Pass when the library has none): the computer's call, the hint's and
  // Make Bid's.
  CallCode LibraryCall();
  // The call the computer makes for the seat to call, and Make Bid's: the
  // library's while the auction is on a stored line; with free bidding, once
  // the calls have left every stored line, the bidder's from that seat's own
  // hand and the auction.
  CallCode NextCall();
  // The bidder's call for the seat to call, from its own hand and the
  // auction, whatever the library holds.
  CallCode BidderCall();
  // Every call the library continues with next, in line order; off the
  // stored lines (free bidding) the bidder's call alone.
  const std::vector<CallCode>& HintCalls();
  bool CallAllowed(CallCode c);
  // True while the calls made are those of a stored auction so far.
  bool OnLibrary() const { return OnStoredLine(auction_); }
  // What the table reads in calls[index] on this board, by the bidder's
  // meanings: for the calls the meanings file does not hold.
  CallMeaning BidderMeaning(const std::vector<CallCode>& calls, size_t index);
  // Records a call that bridge allows (no library check): the computer's
  // calls and the calls made again after a take back.
  bool PushCall(CallCode c);
  // The user's call: only at the user's turn and, unless free bidding is on,
  // only when a stored auction continues with it.
  bool UserCall(CallCode c);
  // Takes the calls back to before the user's last call; false (nothing
  // changes) with three calls or fewer, or none of the user's.
  bool TakeBackCalls();
  // The auction is over: the end-of-auction phase (a passed-out board then
  // ends with EndBoard).
  void EndAuction();
  Contract FinalContract() const { return auction_.auction.Result(); }
  bool LastAuctionHadContract() const { return lastAuctionHadContract_; }

  // The play.
  // Starts the play of the contract: from the end of the auction, or again
  // (a replay) during the play or after the board. False when there is no
  // contract to play.
  bool StartPlay();
  bool Replay();
  bool UserToPlay() const;
  bool ComputerToPlay() const;
  bool IsLegal(CardCode card) const { return IsLegalCard(play_, card); }
  // Plays a card for the seat to play; false (nothing changes) when its seat
  // does not hold it or may not play it.
  bool PushCard(CardCode card);
  // The user's card: only at a user's seat's turn, outside Finish Play.
  bool UserCard(CardCode card);
  // Take back of the last card, in two steps for a window that shows the
  // cards as they go: the play goes back to the start of the trick that is
  // to lie on the table again, and the cards of that trick to push again
  // come back (none when the first card was taken back).
  TakeBackSteps RewindForTakeBack();
  // How many cards to take back so that the user's own last card goes too
  // (0 when the user has played none).
  int CardsBackToUsersLastCard() const;
  // The whole take back: the card taken back, 0 when none was played.
  CardCode PopCard();
  // A completed trick lies on the table until it is cleared.
  bool TrickOnTable() const { return trickOnTable_; }
  void ClearTrick() { trickOnTable_ = false; }
  // "Finish Play" and "Skip Play": every seat the computer's, all hands shown.
  bool FinishMode() const { return finishMode_; }
  void BeginFinishPlay();
  // The computer's card for the seat to play, asked of `chooser`: the library
  // lead for an opening lead, otherwise the engine (or the honest computer).
  CardCode ComputerCard(CardChooser& chooser);
  CardQuestion NextCardQuestion();
  // The next computer card is the opening lead drawn from the library.
  bool LibraryLeadNext() const { return play_.CardsPlayed == 0 && !Honest(); }
  EngineOptions EngineSettings() const;
  // Plays every card still to play with `chooser` and ends the board.
  bool FinishPlay(CardChooser& chooser);
  // "Show All 4 Hands" and "Hide N, E, and W Hands".
  void ShowAllFourHands();
  void HideHands();
  // The hands the window lays out (it marks hint cards in them).
  std::array<THands, 4>& HandsOnTable() { return play_.Hands; }

  // The end of the board: all hands back as dealt and face up, the result
  // made and filed once. Again only after the board is played again.
  const TableResult& EndBoard();
  const std::optional<TableResult>& Result() const { return result_; }
  bool ResultFiled() const { return result_ && result_->filed; }
  bool ResultWritten() const { return result_ && result_->written; }
  // The strata of the result in the words now in force (seat names, the
  // passed-out label); nothing when the comparison could not be built.
  std::optional<FieldComparison> ResultStrata() const;
  // The deal, the auction and the cards as they stand (the board's part so far).
  KeptPlay PlayAtTable() const;

  // Claims (table_game_learner.cpp). `side` claims `tricks` of the tricks
  // left, judged double dummy; an accepted claim ends the board with the
  // claimed tricks (made and filed once, the claim kept with the play); a
  // refused one changes nothing.
  ClaimVerdict Claim(Side side, int tricks, int threadIndex = 0);
  bool CanClaim() const;
  // The computer declarer claims every trick left when its top cards take
  // them: at the start of a trick, its side on lead, the user defending,
  // once per board. Due asks and marks the claim as offered.
  bool ComputerClaimDue();
  const std::optional<KeptClaim>& ClaimAtTable() const { return claim_; }

  // "Play from here" (table_game_learner.cpp): the board of a kept play is
  // laid on the table with its first `cards` cards played, the user plays on
  // against the same computer, and nothing is filed; EndTry gives the
  // tricks against double dummy from that point and against the first
  // attempt and brings back the table as it was before.
  bool BeginTry(const std::string& key, const KeptPlay& kept, int cards);
  bool TryingAgain() const { return before_.has_value(); }
  struct TryOutcome {
    int tricks = 0;        // declarer's tricks in the try
    int ddFromStart = -1;  // declarer's tricks with best play from the try's first card (-1 unknown)
    int firstAttempt = 0;  // declarer's tricks in the kept play
    Seat declarer = North;
    Contract contract;
  };
  std::optional<TryOutcome> EndTry();

  // Settings of the run.
  void SetWords(const std::array<std::string, 4>& seatNames, const std::string& passedOutLabel);
  void SetBidPause(double seconds) { state_.BidPause = seconds; }
  void Seed(unsigned seed);
  void SetSkillOverride(int skill) { skillOverride_ = skill; }
  void SetHonestOverride(bool on) { honestOverride_ = on; }
  bool HonestOverride() const { return honestOverride_; }
  // Free bidding: chosen for the run, or the player's setting.
  void SetFreeBiddingOverride(bool on) { freeOverride_ = on; }
  bool FreeBiddingOverride() const { return freeOverride_; }
  bool FreeBidding() const;
  // The honest computer plays: chosen for the run, or the player's setting.
  bool Honest() const;
  // Replaces the filing into the run's stores (tests count the filings).
  void SetFiling(ResultFiling* filing) { filing_ = filing; }

 private:
  void SetSeatsFromMasks();
  void ExposeDummy();
  ComparisonSettings Words() const;
  HeardAuction Heard() const;
  // The library line the opening lead is drawn from.
  std::string LeadLine();
  void ClearLearnerState();

  // The table as it was before "Play from here", and the try's facts.
  struct Before {
    TableState state;
    BoardOnTable board;
    AuctionState auction;
    PlayState play;
    std::optional<TableResult> result;
    bool lastAuctionHadContract = false;
  };
  void RestoreBefore(const Before& before);
  std::optional<Before> before_;
  TryOutcome try_;
  std::optional<KeptClaim> claim_;
  bool claimOffered_ = false;

  TableFiles& files_;
  TableState state_;
  BoardOnTable board_;
  AuctionState auction_;
  PlayState play_;
  bool finishMode_ = false;
  bool trickOnTable_ = false;
  bool lastAuctionHadContract_ = false;
  bool noAuctions_ = false;
  std::optional<TableResult> result_;
  std::string passedOutLabel_ = "Passed out";
  ResultFiling* filing_ = nullptr;   // none: the run's stores
  std::mt19937 random_;
  uint64_t honestSeed_ = 2005;
  int skillOverride_ = 0;
  bool honestOverride_ = false;
  bool freeOverride_ = false;
  FreeAuction free_;
  // The honest computer's meanings of the auction played, with free bidding.
  std::shared_ptr<const honest::CallMeanings> freeMeanings_;
};

}  // namespace quorval
