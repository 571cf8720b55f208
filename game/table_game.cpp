#include "game/table_game.h"

#include <algorithm>
#include <chrono>

#include "core/board_key.h"
#include "core/messages.h"
#include "data/event_set.h"
#include "play/honest/file_meanings.h"

namespace quorval {
namespace {

const char* const kSystemNames[4] = {"Danish Basic", "Modern Standard", "Std Norwegian", "Modern Basic"};

std::string JoinLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  return line;
}

}  // namespace

TableGame::TableGame(TableFiles& files, const TableState& state)
    : files_(files), state_(state),
      random_(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count())) {
  state_.EventType = files_.option.Event;
  state_.Session = files_.option.Session;
  state_.BoardNo = files_.option.LastHandPlayed;
  state_.SetBidSystem(files_.option.BidSys);
}

std::string TableGame::Key() const { return BoardKey{state_.EventType, state_.Session, state_.BoardNo}.Text(); }

// Board navigation.

bool TableGame::NextBoard() {
  ++state_.BoardNo;
  return state_.BoardNo <= files_.EventLength(state_.EventType, state_.Session);
}

void TableGame::StepBack(int boards) { state_.BoardNo = std::max(0, state_.BoardNo - boards); }

bool TableGame::GoToBoard(const std::string& event, const std::string& session, int board) {
  if (board < 1 || board > files_.EventLength(event, session)) return false;
  state_.EventType = event;
  state_.Session = session;
  state_.BoardNo = board - 1;
  return true;
}

void TableGame::TakeOverPlayer() {
  // The new player's results are those of this event set.
  if (!files_.eventSetId.empty())
    AdoptEventSet(files_.options, files_.plays, files_.PlayerName(), files_.eventSetId);
  state_.EventType = files_.option.Event;
  state_.Session = files_.option.Session;
  state_.BoardNo = files_.option.LastHandPlayed;
  state_.SetBidSystem(files_.option.BidSys);
  ClearBoard();
}

void TableGame::SetBidSystem(int system) { state_.SetBidSystem(system); }

bool TableGame::ReadHand() {
  // The board is read into a record of its own: a board that cannot be
  // played leaves the one on the table whole, so a rebid or replay of it
  // never mixes two boards.
  noAuctions_ = false;
  BoardOnTable next = board_;
  const std::string key = Key();
  if (!ReadBoard(files_, key, state_.BidSystemLetter, "Passed out", next)) return false;
  if (next.SequenceLines.empty()) {
    ShowMessage("No stored auctions for board " + key + " in " + kSystemNames[state_.BidSystem]);
    noAuctions_ = true;
    return false;
  }
  board_ = std::move(next);
  state_.Dealer = board_.Dealer;
  state_.Vul = board_.Vul;
  state_.BoardDeal = board_.BoardDeal;
  return true;
}

void TableGame::SetSeatsFromMasks() {
  for (auto& hand : play_.Hands) {
    hand.HumanControlled = IsHumanSeat(hand.HandSeat);
    hand.FaceUp = state_.FaceUpSeats & SeatBit(hand.HandSeat);
  }
}

bool TableGame::Deal() {
  if (board_.SequenceLines.empty()) return false;   // nothing read yet
  auction_.SequenceLines = board_.SequenceLines;
  auction_.CurrentLine = SplitLibraryLine(auction_.SequenceLines.front());
  DealToHands(state_.BoardDeal, play_.Hands);
  play_.CardsPlayed = 0;
  play_.TrickNo = 0;
  play_.TrickPos = 1;
  play_.DeclarerTricks = 0;
  state_.phase = Phase::Bidding;
  SetSeatsFromMasks();
  state_.ShowAllHands = false;
  finishMode_ = trickOnTable_ = false;
  result_.reset();
  ClearLearnerState();
  auction_.Reset(state_.Dealer);
  RestoreDeal(play_.Hands);
  return true;
}

void TableGame::ClearBoard() {
  state_.phase = Phase::NoBoard;
  state_.ShowAllHands = false;
  state_.HumanSeats = state_.FaceUpSeats = kSouthOnly;
  board_ = BoardOnTable{};
  state_.BoardDeal = quorval::Deal{};
  DealToHands(state_.BoardDeal, play_.Hands);
  finishMode_ = trickOnTable_ = false;
  lastAuctionHadContract_ = false;
  result_.reset();
  ClearLearnerState();
}

// The auction.

bool TableGame::UserToCall() const {
  return state_.phase == Phase::Bidding && !auction_.auction.Over() && IsHumanSeat(SeatToCall());
}

bool TableGame::ComputerToCall() const {
  return state_.phase == Phase::Bidding && !auction_.auction.Over() && !IsHumanSeat(SeatToCall());
}

CallCode TableGame::LibraryCall() { return quorval::LibraryCall(auction_); }

bool TableGame::FreeBidding() const { return freeOverride_ || files_.option.FreeBidding; }

HeardAuction TableGame::Heard() const {
  return {state_.BidSystem, state_.Dealer, state_.Vul, auction_.auction.calls};
}

CallCode TableGame::NextCall() {
  if (!FreeBidding() || OnLibrary()) return LibraryCall();
  return BidderCall();
}

CallCode TableGame::BidderCall() { return free_.OwnCall(bidder::HandOf(state_.BoardDeal, SeatToCall()), Heard()); }

const std::vector<CallCode>& TableGame::HintCalls() {
  if (FreeBidding() && !OnLibrary() && !auction_.auction.Over()) auction_.HintCalls = {NextCall()};
  else ListAllowedCalls(auction_);
  return auction_.HintCalls;
}

CallMeaning TableGame::BidderMeaning(const std::vector<CallCode>& calls, size_t index) {
  HeardAuction heard = Heard();
  heard.calls = calls;
  return free_.MeaningOf(heard, index);
}

bool TableGame::CallAllowed(CallCode c) { return quorval::CallAllowed(auction_, c); }

bool TableGame::PushCall(CallCode c) { return auction_.Record(c); }

bool TableGame::UserCall(CallCode c) {
  if (!UserToCall() || c == NoCall) return false;
  if (!FreeBidding() && !CallAllowed(c)) return false;
  return PushCall(c);
}

bool TableGame::TakeBackCalls() {
  // Back to before the user's last call, so that the user calls again. With
  // the auction running that is the last four calls; when the user's call
  // ended the auction it is that call alone, so the user is never left
  // facing another seat's turn with nobody to call.
  const int n = auction_.CallCount();
  int keep = -1;
  for (int i = n - 1; i >= 0 && keep < 0; --i)
    if (IsHumanSeat((state_.Dealer + i) & 3)) keep = i;
  if (n <= 3 || keep < 0) return false;
  state_.phase = Phase::Bidding;
  result_.reset();
  const std::vector<std::string> calls = auction_.Calls;
  auction_.Reset(state_.Dealer);
  for (auto& hand : play_.Hands) Recount(hand);
  for (int i = 0; i < keep; ++i) PushCall(ParseCall(calls[size_t(i)]));
  return true;
}

void TableGame::EndAuction() {
  lastAuctionHadContract_ = !FinalContract().PassedOut();
  state_.phase = Phase::BiddingOver;
}

// The play.

bool TableGame::StartPlay() {
  const Contract contract = FinalContract();
  if (!auction_.auction.Over() || contract.PassedOut()) return false;
  RestoreDeal(play_.Hands);
  SetSeatsFromMasks();
  quorval::StartPlay(play_, play_.Hands, contract);
  // Calls off the stored lines are read by the bidder's meanings; once per
  // play, as the auction stands still.
  freeMeanings_.reset();
  if (FreeBidding()) freeMeanings_ = free_.HonestMeanings(files_.meanings, Heard());
  finishMode_ = false;
  trickOnTable_ = false;
  result_.reset();
  claim_.reset();
  claimOffered_ = false;
  state_.phase = Phase::Playing;
  return true;
}

bool TableGame::Replay() {
  if (!lastAuctionHadContract_ || FinalContract().PassedOut() || before_) return false;
  if (state_.phase != Phase::Playing && state_.phase != Phase::BoardOver) return false;
  state_.ShowAllHands = false;
  return StartPlay();
}

bool TableGame::UserToPlay() const {
  return state_.phase == Phase::Playing && !play_.Over() && play_.Hands[play_.ToPlay & 3].HumanControlled;
}

bool TableGame::ComputerToPlay() const {
  return state_.phase == Phase::Playing && !play_.Over() && !play_.Hands[play_.ToPlay & 3].HumanControlled;
}

void TableGame::ExposeDummy() {
  THands& declarer = play_.Hands[play_.Declarer];
  THands& dummy = play_.Hands[play_.Dummy];
  if (declarer.HumanControlled) dummy.HumanControlled = true;
  dummy.FaceUp = true;
  if (dummy.HumanControlled) {
    declarer.HumanControlled = true;
    const THands& lho = play_.Hands[NextSeat(play_.Declarer)];
    const THands& rho = play_.Hands[PrevSeat(play_.Declarer)];
    const bool hiddenOpponent = (lho.HumanControlled && !lho.FaceUp) || (rho.HumanControlled && !rho.FaceUp);
    if (!hiddenOpponent) declarer.FaceUp = true;
  }
}

bool TableGame::PushCard(CardCode card) {
  if (!PlayCard(play_, card)) return false;
  trickOnTable_ = play_.TrickPos == 1 && !finishMode_;
  if (play_.CardsPlayed == 1) ExposeDummy();
  return true;
}

bool TableGame::UserCard(CardCode card) {
  if (!UserToPlay() || finishMode_ || !IsLegal(card)) return false;
  return PushCard(card);
}

TakeBackSteps TableGame::RewindForTakeBack() {
  TakeBackSteps steps;
  if (play_.CardsPlayed == 0) return steps;
  // Back to the start of the trick the removed card belonged to (or of the
  // trick before when it was a lead); the cards of that trick before the
  // removed one are then played again.
  const auto log = play_.PlayLog;
  const int target = play_.CardsPlayed - 1;
  const int start = target == 0 ? 0 : (target % 4 == 0 ? target - 4 : target - target % 4);
  ReplayPlays(play_, start);
  finishMode_ = false;
  trickOnTable_ = false;
  steps.removed = log[size_t(target)].card;
  for (int i = start; i < target; ++i) steps.again.push_back(log[size_t(i)].card);
  return steps;
}

int TableGame::CardsBackToUsersLastCard() const {
  for (int i = play_.CardsPlayed - 1; i >= 0; --i)
    if (play_.Hands[play_.PlayLog[size_t(i)].seat & 3].HumanControlled) return play_.CardsPlayed - i;
  return 0;
}

CardCode TableGame::PopCard() {
  const TakeBackSteps steps = RewindForTakeBack();
  for (const CardCode card : steps.again) PushCard(card);
  return steps.removed;
}

void TableGame::BeginFinishPlay() {
  trickOnTable_ = false;
  finishMode_ = true;
  for (auto& hand : play_.Hands) hand.HumanControlled = false;
  state_.ShowAllHands = true;
  ReplayPlays(play_, play_.CardsPlayed);
}

bool TableGame::Honest() const { return honestOverride_ || files_.option.HonestComputer; }

EngineOptions TableGame::EngineSettings() const {
  EngineOptions options;
  options.skill = skillOverride_ > 0 ? skillOverride_ : files_.option.ComputerSkill;
  options.playStyle = state_.PlayStyle;
  options.honest = Honest();
  if (options.honest) {
    // Everything at the table heard the auction and knows what the stored
    // calls mean; the contract is what it reached.
    options.board.auction.dealer = auction_.auction.dealer;
    options.board.auction.calls = auction_.auction.calls;
    options.board.auction.system = state_.BidSystemLetter;
    options.board.contract = FinalContract();
    options.board.seed = honestSeed_;
    options.board.meanings = freeMeanings_ ? freeMeanings_ : honest::MeaningsOf(files_.meanings);
  }
  return options;
}

CardQuestion TableGame::NextCardQuestion() {
  CardQuestion question;
  question.play = &play_;
  question.options = EngineSettings();
  question.engineTarget = play_.EngineTarget;
  // The honest computer leads its own card too, and takes its time over it
  // like for every other card.
  question.libraryLead = LibraryLeadNext();
  if (question.libraryLead) question.sequenceLine = LeadLine();
  question.random = &random_;
  return question;
}

std::string TableGame::LeadLine() {
  if (!FreeBidding()) return JoinLine(auction_.CurrentLine);
  // A stored auction leads from its own list, whichever way it was reached.
  const std::string stored = StoredAuctionLine(auction_);
  if (!stored.empty()) return stored;
  return free_.LeadLine(bidder::HandOf(state_.BoardDeal, play_.OpeningLeader), Heard());
}

CardCode TableGame::ComputerCard(CardChooser& chooser) {
  const EngineAnswer answer = chooser.Choose(NextCardQuestion());
  if (!answer.message.empty()) ShowMessage(answer.message);
  play_.EngineTarget = answer.target;
  return answer.card;
}

bool TableGame::FinishPlay(CardChooser& chooser) {
  if (state_.phase != Phase::Playing) return false;
  BeginFinishPlay();
  while (ComputerToPlay()) {
    if (!PushCard(ComputerCard(chooser))) {
      Stop();
      return false;
    }
  }
  EndBoard();
  return true;
}

void TableGame::ShowAllFourHands() {
  state_.FaceUpSeats = kAllFour;
  for (auto& hand : play_.Hands) hand.FaceUp = true;
}

void TableGame::HideHands() {
  const bool playing = state_.phase == Phase::Playing;
  state_.FaceUpSeats = playing ? kNorthSouth : kSouthOnly;
  for (auto& hand : play_.Hands) hand.FaceUp = hand.HandSeat == South;
  if (playing && play_.CardsPlayed > 0) {
    play_.Hands[play_.Dummy].FaceUp = true;
    if (play_.Dummy == South) play_.Hands[North].FaceUp = true;
  }
}

// The end of the board.

ComparisonSettings TableGame::Words() const {
  ComparisonSettings settings;
  settings.imps = state_.IsImpEvent();
  settings.mpScoringSys = files_.option.MPScoringSys;
  settings.seatNames = state_.SeatNames;
  settings.passedOutLabel = passedOutLabel_;
  return settings;
}

KeptPlay TableGame::PlayAtTable() const {
  KeptPlay kept;
  kept.dealer = state_.Dealer;
  kept.vul = state_.Vul;
  kept.deal = state_.BoardDeal;
  kept.calls = auction_.auction.calls;
  const bool played = state_.phase == Phase::Playing || state_.phase == Phase::BoardOver;
  if (played && !FinalContract().PassedOut()) {
    kept.openingLeader = play_.OpeningLeader;
    for (int i = 0; i < play_.CardsPlayed && i < 52; ++i) kept.cards.push_back(play_.PlayLog[size_t(i)].card);
    kept.claim = claim_;
  }
  return kept;
}

const TableResult& TableGame::EndBoard() {
  state_.phase = Phase::BoardOver;
  play_.LastTrickWinner = play_.Leader;
  finishMode_ = false;
  trickOnTable_ = false;
  RestoreDeal(play_.Hands);
  SetSeatsFromMasks();
  state_.ShowAllHands = true;

  TableResult r;
  // Filed under the key of the board on the table: the board counter may
  // already have moved past it (a board not found, the chooser cancelled).
  r.key = board_.Key;
  r.contract = FinalContract();
  r.play = PlayAtTable();
  r.declarerTricks = r.contract.PassedOut() ? 0 : play_.DeclarerTricks + KeptClaimedDeclarerTricks(r.play);
  if (before_) {
    // A try from the review ("Play from here") is neither scored against
    // the field nor filed: the first result stands.
    try_.tricks = r.declarerTricks;
    result_ = std::move(r);
    return *result_;
  }
  const BoardScoring scoring = ScoreAgainstField(r.contract, r.declarerTricks, state_.Vul, state_.Dealer,
                                                 board_.BoardValues, r.key, Words());
  r.score = scoring.BoardScore;
  r.comparison = scoring.comparison;
  r.line = scoring.line;
  if (r.Built()) {
    // Filed once, here: the play is kept with the result it belongs to.
    StoreFiling store(files_);
    ResultFiling& filing = filing_ ? *filing_ : store;
    r.written = filing.FileResult(r.key, r.line);
    r.filed = true;
    filing.KeepPlay(r.key, r.play);
  }
  result_ = std::move(r);
  return *result_;
}

std::optional<FieldComparison> TableGame::ResultStrata() const {
  if (!result_ || !result_->Built()) return std::nullopt;
  const ComparisonSettings settings = Words();
  const UserResult user =
      MakeUserResult(result_->contract, result_->declarerTricks, result_->score, state_.Dealer, settings.passedOutLabel);
  return BuildResultGrids(user, board_.BoardValues, state_.Dealer, result_->key, settings);
}

// Settings of the run.

void TableGame::SetWords(const std::array<std::string, 4>& seatNames, const std::string& passedOutLabel) {
  state_.SeatNames = seatNames;
  passedOutLabel_ = passedOutLabel;
}

void TableGame::Seed(unsigned seed) {
  random_.seed(seed);
  honestSeed_ = seed;
}

}  // namespace quorval
